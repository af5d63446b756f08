#include "accounts/CariListe.h"
#include "accounts/forms/TFormCariBr.h"
#include "printing/ReportFit.h"
#include "printing/ReportPainter.h"
#include "services/CompanyParameterLoader.h"
#include "services/SessionContext.h"
#include "stock/forms/TFormStokBr.h"
#include "support/WindowTest.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>

using namespace nimbo;
using namespace nimbo::test;

namespace {
QString code(int i) { return QStringLiteral("120.%1").arg(i, 4, 10, QLatin1Char('0')); }

class ListWindowTest : public WindowTest {
protected:
    void addAccounts(int n)
    {
        DbTransaction tx(db);
        for (int i = 0; i < n; ++i)
            db.exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, TEL1, TCKIMLIKNO, FAT_ISK, PASIF) "
                    "VALUES (:k, :a, '0212 555 00 00', '12345678901', :i, 'A')",
                    {{"k", code(i)}, {"a", QStringLiteral("Firma %1 Ticaret ve Sanayi Limited Şirketi").arg(i, 4, 10, QLatin1Char('0'))},
                     {"i", 1234.567 * i}});
        tx.commit();
    }
    static QTableView* grid(QWidget* w) { return w->findChild<QTableView*>(QStringLiteral("Grid")); }
    static bool shown(QWidget* w, const char* button)
    {
        auto* b = w->findChild<QPushButton*>(QLatin1String(button));
        return b && !b->isHidden();
    }
};
} // namespace

// A list of 1 000 rows holds only its first page; a row saved far down is located by a seek
// and shown with the rows around it; scrolling up reads the rows before it; the print reads
// every row by itself.
TEST_F(ListWindowTest, ThousandRowsPagedLocatedAndPrintedWhole)
{
    addAccounts(1000);
    TFormCariBr w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_LE(w.gridModel()->rowCount(), 2 * ListPager::kPageSize) << "only what the view needed";
    EXPECT_EQ(w.currentKey().toString(), code(0));

    w.refresh(code(876)); // as after the card of 120.0876 was saved
    EXPECT_EQ(w.currentKey().toString(), code(876));
    EXPECT_LT(w.gridModel()->rowCount(), 1000);
    EXPECT_TRUE(w.gridModel()->canFetchBefore());
    grid(&w)->scrollToTop();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.currentKey().toString(), code(876)) << "the cursor stays on its row while rows come in above";

    const ReportModel r = w.report();
    ASSERT_EQ(r.rows.size(), 1000);
    EXPECT_EQ(r.rows.first().first().toString(), code(0));
    EXPECT_EQ(r.rows.last().first().toString(), code(999));
    EXPECT_EQ(w.rowCount(), 1000);
    EXPECT_EQ(w.currentKey().toString(), code(876));

    // Sorting by a heading: name descending, then the list still pages and locates.
    w.sortByColumn(QStringLiteral("FIRMA_ADI"), true);
    EXPECT_EQ(w.currentKey().toString(), code(876)) << "the row stays current after sorting";
    EXPECT_EQ(w.rowCount(), 1000);
    EXPECT_EQ(w.currentKey().toString(), code(876));
    grid(&w)->setCurrentIndex(w.gridModel()->index(0, 0));
    EXPECT_EQ(w.currentKey().toString(), code(999));
}

// Pick mode with several rows: "Seç" returns every selected row in list order.
TEST_F(ListWindowTest, MultiRowPickReturnsTheSelectedRows)
{
    addAccounts(12);
    TFormCariBr w;
    w.setPickMode(true, true);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QItemSelectionModel* sel = grid(&w)->selectionModel();
    const auto flags = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    sel->clearSelection(); // the cursor's row is selected when the list opens
    sel->select(w.gridModel()->index(7, 0), flags);
    sel->select(w.gridModel()->index(2, 0), flags);
    sel->select(w.gridModel()->index(4, 0), flags);
    click(&w, "BtnSEC");
    EXPECT_EQ(w.result(), QDialog::Accepted);
    QStringList picked;
    for (const QSqlRecord& r : w.selectedRecords())
        picked << toText(r.value("CARI_KOD"));
    EXPECT_EQ(picked, (QStringList{code(2), code(4), code(7)}));

    TFormCariBr single;
    single.setPickMode(true);
    EXPECT_EQ(grid(&single)->selectionMode(), QAbstractItemView::SingleSelection);
}

// The right letter decides what a list offers: "H" every command, "O" (and anything else)
// looking and printing only; the domain delete refuses without "H" whatever the window does.
TEST_F(ListWindowTest, ViewOnlyListsOfferNoEditingAndTheDomainRefuses)
{
    addAccounts(3);
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, PASIF) VALUES (1, 'S1', 'Vida', 'A')");
    SessionContext& s = SessionContext::current();
    for (const QString& letter : {QStringLiteral("H"), QStringLiteral("O"), QStringLiteral("E"), QString()}) {
        s.setHak("CARIKDUZEL", letter);
        s.setHak("STKART", letter);
        TFormCariBr cari;
        TFormStokBr stok;
        for (QWidget* w : {static_cast<QWidget*>(&cari), static_cast<QWidget*>(&stok)})
            for (const char* b : {"BtnYENI", "BtnDEGISTIR", "BtnSIL", "BtnKOPYALA"})
                EXPECT_EQ(shown(w, b), letter == "H") << b << " right '" << letter.toStdString() << "'";
        EXPECT_TRUE(shown(&cari, "BtnYAZDIR"));
        EXPECT_EQ(cari.viewOnly(), letter != "H");
        if (letter == "O") {
            cari.runDelete(); // a shortcut key or a script reaching the command does nothing
            stok.runDelete();
            (*prompter)->expectWarn(QStringLiteral("Cari Kartı Değiştirme Yetkiniz Yok..!"));
            EXPECT_FALSE(CariListe(db).sil(code(1)));
            EXPECT_TRUE(db.any("SELECT 1 FROM CARI WHERE CARI_KOD = :k", {{"k", code(1)}}));
            EXPECT_TRUE(db.any("SELECT 1 FROM STOK WHERE STOK_NO = 1"));
        }
    }
    s.setHak("CARIKDUZEL", "H");
    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
    EXPECT_TRUE(CariListe(db).sil(code(1)));
    EXPECT_FALSE(db.any("SELECT 1 FROM CARI WHERE CARI_KOD = :k", {{"k", code(1)}}));
}

// Amounts in the grid and the print follow the year's money format.
TEST_F(ListWindowTest, AmountsFollowTheYearsMoneyFormat)
{
    addAccounts(3);
    SessionContext& s = SessionContext::current();
    const QString year = s.CalismaYili;
    s.CalismaYili = QStringLiteral("2004");
    loadMoneyFormat(s);
    {
        TFormCariBr w;
        const int col = 10; // "Fat.İsk.%"
        ASSERT_EQ(w.gridModel()->columns().at(col).field, "FAT_ISK");
        EXPECT_EQ(w.gridModel()->index(2, col).data().toString(), QStringLiteral("2.469"));
        const ReportModel r = w.report();
        const int rc = int(std::find_if(r.columns.begin(), r.columns.end(), [](const ReportColumn& c) {
                               return c.key == "FAT_ISK";
                           }) - r.columns.begin());
        ASSERT_LT(rc, r.columns.size());
        EXPECT_EQ(r.cellText(2, rc), QStringLiteral("2.469"));
    }
    s.CalismaYili = QStringLiteral("2026");
    loadMoneyFormat(s);
    TFormCariBr w;
    EXPECT_EQ(w.gridModel()->index(2, 10).data().toString(), QStringLiteral("2.469,13"));
    s.CalismaYili = year;
    loadMoneyFormat(s);
}

// A printed list with the columns a user chose: the choice is remembered for the window, the
// page turns to landscape and the font gets smaller when they do not fit, and the codes,
// phone and identity numbers are never narrower than their longest text.
TEST_F(ListWindowTest, PrintedListWithChosenColumnsNeverCutsACode)
{
    // The choice is kept in the session's grid-layout file: one of this test's own.
    SessionContext::current().GridDesignDosyasi = TestEnv::tempDir() + QStringLiteral("/GridDesign.ini");
    QFile::remove(SessionContext::current().GridDesignDosyasi);
    addAccounts(40);
    exec("UPDATE CARI SET CARI_KOD = '120.01.0001.000042' WHERE CARI_KOD = :k", {{"k", code(39)}});
    exec("UPDATE CARI SET ACILISTRH = :d", {{"d", QDateTime(QDate(2026, 12, 28), QTime(0, 0))}});
    QList<int> chosen;
    {
        TFormCariBr w;
        const QList<ListColumn>& cols = w.gridModel()->columns();
        for (int i = 0; i < cols.size(); ++i)
            if (cols.at(i).field != "ISCI_KOD")
                chosen << i;
        w.setPrintColumns(chosen);
    }
    TFormCariBr w; // a new window remembers the choice
    ASSERT_EQ(w.printColumns(), chosen);
    ReportModel r = w.report();
    ASSERT_EQ(r.columns.size(), chosen.size());
    const double before = r.bodyFont.pointSize;
    ReportFit::fit(r);
    EXPECT_TRUE(r.page.landscape);
    EXPECT_LT(r.bodyFont.pointSize, before) << "18 columns do not fit a landscape page at the grid's widths";
    EXPECT_GE(r.bodyFont.pointSize, ReportFit::kMinPointSize);

    const ReportPainter painter(r);
    const QList<double> widths = painter.columnWidthsMm();
    double total = 0;
    for (double x : widths)
        total += x;
    EXPECT_LE(total, r.page.printableWidthMm() + 0.01);
    const QList<int> visible = r.visibleColumns();
    int codes = 0;
    for (int i = 0; i < visible.size(); ++i) {
        const ReportColumn& c = r.columns[visible[i]];
        if (!c.keptWhole())
            continue;
        ++codes;
        for (int row = 0; row < r.rows.size(); ++row)
            EXPECT_GE(widths[i], ReportFit::textWidthMm(r.bodyFont, r.cellText(row, visible[i])) - 0.001)
                << c.key.toStdString() << " row " << row;
    }
    EXPECT_EQ(codes, 4); // CARI_KOD, TEL1, TCKIMLIKNO and the date ACILISTRH, none cut short

    // Back to the grid's columns.
    w.setPrintColumns({});
    EXPECT_EQ(w.printColumns().size(), w.gridModel()->columns().size());
}

// The stock list follows typing without Enter, and shows an item saved beyond the 500 rows
// of the unfiltered list.
TEST_F(ListWindowTest, StockListFiltersAsYouTypeAndShowsASavedItem)
{
    {
        DbTransaction tx(db);
        for (int i = 1; i <= 520; ++i)
            db.exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, PASIF) VALUES (:n, :k, :a, 'A')",
                    {{"n", i}, {"k", QStringLiteral("K%1").arg(i, 4, 10, QLatin1Char('0'))},
                     {"a", i == 77 ? QStringLiteral("Boya fırçası") : QStringLiteral("Matkap ucu %1").arg(i)}});
        tx.commit();
    }
    TFormStokBr br;
    br.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&br));
    type(&br, "EditMETIN", QStringLiteral("fırça"));
    QTRY_COMPARE_WITH_TIMEOUT(br.gridModel()->rowCount(), 1, 3000);
    EXPECT_EQ(br.currentKey().toDouble(), 77);
    type(&br, "EditMETIN", QString());
    child<QLineEdit>(&br, "EditMETIN")->clear();
    br.refresh();
    EXPECT_EQ(br.rowCount(), 500);
    br.refresh(515); // the card of item 515 was just saved
    EXPECT_EQ(br.currentKey().toDouble(), 515);
    EXPECT_EQ(toText(br.currentRecord().value("STOK_KOD_NO")), "K0515");

    // Two clicks on the name heading: the filter's order shows it, the list follows it.
    QHeaderView* header = grid(&br)->horizontalHeader();
    Q_EMIT header->sectionClicked(1);
    Q_EMIT header->sectionClicked(1);
    EXPECT_EQ(child<QComboBox>(&br, "CmbSIRALAMA")->currentData().toString(), "STOK_ADI_TR");
    EXPECT_EQ(child<QComboBox>(&br, "CmbAZALAN")->currentText(), QStringLiteral("Azalan"));
    EXPECT_EQ(br.currentKey().toDouble(), 515);
    br.rowCount();
    EXPECT_EQ(br.gridModel()->fieldValue(0, "STOK_NO").toDouble(), 99); // "Matkap ucu 99" is last by text
}
