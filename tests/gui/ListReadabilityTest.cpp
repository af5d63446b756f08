#include "accounts/forms/TFormCariBr.h"
#include "finance/forms/TFormFinansHrkBr.h"
#include "services/SessionContext.h"
#include "stock/DepoKarti.h"
#include "stock/StokFisi.h"
#include "stock/forms/TFormStkFis.h"
#include "stock/forms/TFormStokBr.h"
#include "widgets/LineGrid.h"
#include "widgets/LineGridModel.h"
#include "support/WindowTest.h"
#include "widgets/GridColumnFit.h"
#include "widgets/ListGridModel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableView>

using namespace nimbo;
using namespace nimbo::test;

namespace {

const QString kLongName = QStringLiteral("Güneydoğu Anadolu Tarım Ürünleri San. ve Tic. A.Ş.");

class ListReadabilityTest : public WindowTest {
protected:
    static QTableView* grid(QWidget* w) { return w->findChild<QTableView*>(QStringLiteral("Grid")); }
    static int column(ListWindow& w, const QString& field)
    {
        const auto& cols = w.gridModel()->columns();
        for (int i = 0; i < cols.size(); ++i)
            if (cols.at(i).field == field)
                return i;
        ADD_FAILURE() << field.toStdString();
        return 0;
    }
    static int textWidth(QTableView* g, const QString& s) { return g->fontMetrics().horizontalAdvance(s); }
    // The first column of every row the list shows.
    static QStringList shown(ListWindow& w, const QString& field)
    {
        QStringList out;
        const int c = column(w, field);
        for (int r = 0; r < w.gridModel()->rowCount(); ++r)
            out << w.gridModel()->index(r, c).data().toString();
        out.sort();
        return out;
    }
};

} // namespace

// A heading is never cut ("Vade(Gün)" in a 70-pixel column showed "ade(Gün"), a long name and a
// district such as "YENİMAHALLE" show whole instead of "YENİMAHAL...", a name far longer than
// any column stops at the fit limit, and a width the user dragged survives the next refresh.
TEST_F(ListReadabilityTest, HeadingsAndValuesShowWhole)
{
    exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, ILCE, PASIF) VALUES ('120.01.001', :a, 'YENİMAHALLE', 'A')",
         {{"a", kLongName}});
    exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, PASIF) VALUES ('120.01.002', :a, 'A')",
         {{"a", QString(60, QLatin1Char('W'))}}); // wider than any column may grow
    TFormCariBr w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTableView* g = grid(&w);
    QHeaderView* h = g->horizontalHeader();
    for (int c = 0; c < h->count(); ++c)
        EXPECT_GE(g->columnWidth(c), h->sectionSizeHint(c))
            << w.gridModel()->columns().at(c).title.toStdString() << " heading cut";
    EXPECT_GT(g->columnWidth(column(w, "ILCE")), textWidth(g, QStringLiteral("YENİMAHALLE")));
    EXPECT_GT(g->columnWidth(column(w, "FIRMA_ADI")), textWidth(g, kLongName));
    EXPECT_LE(g->columnWidth(column(w, "FIRMA_ADI")), GridColumnFit::kMaxFitWidth);

    g->setColumnWidth(column(w, "ILCE"), 40);
    w.refresh();
    EXPECT_EQ(g->columnWidth(column(w, "ILCE")), 40);
}

// Typed into the windows as a user types: the stock list's "Aranan" field and the finance
// list's quick search find "şeker" from "ŞEKER" and "ISPARTA" from "ıspart".
TEST_F(ListReadabilityTest, StockAndFinanceListsFindTurkishSpellings)
{
    int n = 0;
    for (const QString& ad : {QStringLiteral("ŞEKER PANCARI"), QStringLiteral("Toz şeker 1 kg"),
                              QStringLiteral("ISPARTA GÜLÜ"), QStringLiteral("İspir fasulyesi")}) {
        ++n;
        exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, PASIF) VALUES (:n, :k, :a, 'A')",
             {{"n", n}, {"k", QStringLiteral("S%1").arg(n)}, {"a", ad}});
        exec("INSERT INTO FINMAST (FIN_ID, ISLEM_TRH, ISLEM_TIP, ISLEM_TIP2, KODU, ADI) VALUES (:n, :t, 'C', 'N', :k, :a)",
             {{"n", n}, {"t", QDateTime(QDate(2026, 2, n), QTime(9, 0))}, {"k", QStringLiteral("120.%1").arg(n)},
              {"a", ad}});
    }

    TFormStokBr stok;
    stok.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&stok));
    type(&stok, "EditMETIN", QStringLiteral("ŞEKER"));
    click(&stok, "BtnFILTRELE");
    EXPECT_EQ(shown(stok, "STOK_ADI_TR"), (QStringList{"Toz şeker 1 kg", "ŞEKER PANCARI"}));
    type(&stok, "EditMETIN", QStringLiteral("ıspart"));
    click(&stok, "BtnFILTRELE");
    EXPECT_EQ(shown(stok, "STOK_ADI_TR"), QStringList{"ISPARTA GÜLÜ"});

    TFormFinansHrkBr finans{QString()};
    finans.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finans));
    auto* alan = child<QComboBox>(&finans, "CmbARANAN");
    alan->setCurrentIndex(alan->findData(QStringLiteral("ADI")));
    type(&finans, "EditARANAN", QStringLiteral("şeker"));
    QTest::keyClick(child<QLineEdit>(&finans, "EditARANAN"), Qt::Key_Return);
    EXPECT_EQ(shown(finans, "ADI"), (QStringList{"Toz şeker 1 kg", "ŞEKER PANCARI"}));
    type(&finans, "EditARANAN", QStringLiteral("ISPARTA"));
    QTest::keyClick(child<QLineEdit>(&finans, "EditARANAN"), Qt::Key_Return);
    EXPECT_EQ(shown(finans, "ADI"), QStringList{"ISPARTA GÜLÜ"});
}

// The line grid of an opened document: "TL/Dvz Değer" and the like show whole, and the
// item name of a saved line is not cut to "Anahtar ve Priz Alümi…".
TEST_F(ListReadabilityTest, DocumentLinesShowHeadingsAndValuesWhole)
{
    DepoKarti depo(db);
    depo.startNew();
    depo.setValue("DEPO_ADI", QStringLiteral("Merkez"));
    depo.save();
    const QString ad = QStringLiteral("Anahtar ve Priz Alüminyum Ağır Hizmet 4 mm");
    exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, BIRIM1, KDV) VALUES (10, 'A-10', :a, 'ADET', 20)",
         {{"a", ad}});
    exec("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('P7', 'Depo Sorumlusu')");
    StokFisi fis(db, "D");
    fis.setHeader("PERSON_KOD", "P7");
    fis.satirEkle(10, 5, 1);
    fis.save();

    TFormStkFis w(fis.hrkNo(), "D");
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    LineGrid* g = w.lineGrid();
    QHeaderView* h = g->horizontalHeader();
    for (int c = 0; c < h->count(); ++c)
        if (!g->isColumnHidden(c))
            EXPECT_GE(g->columnWidth(c), h->sectionSizeHint(c)) << "heading of column " << c << " cut";
    EXPECT_GT(g->columnWidth(g->lineModel()->columnOf(QStringLiteral("STOK_ADI"))), textWidth(g, ad));
}
