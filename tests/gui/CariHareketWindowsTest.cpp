#include "accounts/forms/CariEkstreRaporu.h"
#include "accounts/forms/TFormCariHarek.h"
#include "accounts/forms/TFormCariHrk.h"
#include "accounts/forms/TFormCariBr.h"
#include "accounts/forms/TFormCariHrkBr.h"
#include "app/AllWindows.h"
#include "finance/forms/TFormKasaBr.h"
#include "finance/forms/TFormKasaSakla.h"
#include "printing/ReportTextRenderer.h"
#include "HareketWindowTest.h"

#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace nimbo;
using namespace nimbo::test;

namespace {

class CariHareketWindows : public HareketWindowTest {
protected:
    void SetUp() override
    {
        HareketWindowTest::SetUp();
        SessionContext& s = SessionContext::current();
        s.param.kimlik.ad = "NİMBO DEMO TİCARET A.Ş.";
        s.param.kimlik.adres1 = "Bağdat Cad. No:1";
        s.param.kimlik.telefon = "0216 000 00 00";
        s.param.kimlik.fax = "0216 000 00 01";
        exec("INSERT INTO KASA (KASAKOD, ADI, DOVIZ_KOD) VALUES ('MERKEZ', 'Merkez Kasa', 'TL')");
    }
};

QString readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TEST_F(CariHareketWindows, CollectionIsEnteredForTheListsAccountAndShowsInTheStatement)
{
    TFormCariHarek f("N", "B", {}, -1);
    f.setProperty("cariKod", "120.01.001"); // as the account list hands it over
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    LineGrid* g = f.lineGrid();
    ASSERT_EQ(g->lineModel()->rowCount(), 1);
    EXPECT_EQ(g->lineModel()->index(0, 1).data().toString(), QStringLiteral("Güneş Kırtasiye"));
    EXPECT_EQ(g->lineModel()->index(0, g->lineModel()->columnOf("KASAKOD")).data(Qt::EditRole).toString(),
              QStringLiteral("MERKEZ"));

    // Saving without the transaction kind refuses and puts the cursor on that cell.
    cell(g, 0, "ALACAK_DVZ", "1.250,50");
    EXPECT_EQ(f.totals()->shown("ALACAK"), QStringLiteral("1.250,50"));
    (*prompter)->expectWarn("Cari İşlem tipini seçmeden harekette değişiklik yapamazsınız...");
    click(&f, "BtnSAKLA");
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(g->currentIndex().column(), g->lineModel()->columnOf("TIP"));
    cell(g, 0, "TIP", 1);

    // A second line in dollars added with Insert.
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Insert);
    ASSERT_EQ(g->lineModel()->rowCount(), 2);
    cell(g, 1, "TIP", 1);
    cell(g, 1, "DOVIZ_KODU", "USD");
    cell(g, 1, "ALACAK_DVZ", "10");
    EXPECT_EQ(f.totals()->shown("ALACAK"), QStringLiteral("1.550,50"));
    EXPECT_EQ(f.totals()->shown("ALACAK_USD"), QStringLiteral("51,68"));
    click(&f, "BtnSAKLA");
    EXPECT_EQ(f.result(), QDialog::Accepted);
    const double no = f.savedKey().toDouble();
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASAHRKT WHERE KASAKOD='MERKEZ' AND TIP='B'"), 2);

    // The list shows it; the statement shows both rows and the credit balance.
    TFormCariHrkBr list;
    ASSERT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.currentKey().toDouble(), no);
    TFormCariHrk ekstre({});
    ekstre.setProperty("cariKod", "120.01.001");
    ekstre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ekstre));
    EXPECT_EQ(ekstre.rowCount(), 2);
    EXPECT_EQ(ekstre.bakiyeMetni(), QStringLiteral("1.550,50 (A)"));

    // Correcting from the list: the document opens with its lines; deleting it empties everything.
    TFormCariHarek c("N", {}, {}, no);
    EXPECT_EQ(c.lineGrid()->lineModel()->rowCount(), 2);
    EXPECT_EQ(c.totals()->shown("ALACAK"), QStringLiteral("1.550,50"));
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    list.runDelete();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK") + count("SELECT COUNT(*) FROM KASAHRKT")
                  + count("SELECT COUNT(*) FROM FINHRK"),
              0);
}

TEST_F(CariHareketWindows, UnsavedQuestionAndFailedWriteKeepTheWindowOpen)
{
    {
        TFormCariHarek f("D", {}, "120.01.001", -1);
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        f.lineGrid()->addLine();
        cell(f.lineGrid(), 0, "TIP", 1);
        cell(f.lineGrid(), 0, "BORC_DVZ", "100");
        (*prompter)->expectAsk("Kaydı Saklamak İstiyormusunuz?", false);
        f.close();
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRKM"), 0);
    }
    // Cash rows cannot be written: "Hata:" with the error, nothing stored, still open.
    exec("DROP TABLE KASAHRKT");
    TFormCariHarek f("N", "B", "120.01.001", -1);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.lineGrid()->addLine();
    cell(f.lineGrid(), 0, "TIP", 1);
    cell(f.lineGrid(), 0, "ALACAK_DVZ", "100");
    (*prompter)->expectError("Hata:*");
    click(&f, "BtnSAKLA");
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRKM") + count("SELECT COUNT(*) FROM CARIHRK")
                  + count("SELECT COUNT(*) FROM FINHRK"),
              0);
}

TEST_F(CariHareketWindows, PrintedStatementMatchesTheReviewedFile)
{
    exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES ('120.01.002', 'Yıldız Gıda')");
    const struct { int d; double b, a, bd, ad; const char* dvz; const char* t2; const char* belge; } rows[] = {
        {5, 1000, 0, 1000, 0, "TL", "S", "F-001"},  {12, 0, 400, 0, 400, "TL", "N", "M-001"},
        {20, 3000, 0, 100, 0, "USD", "S", "F-002"}, {25, 0, 1500, 0, 50, "USD", "N", "M-002"},
        {28, 250, 0, 250, 0, "TL", "D", "D-001"}};
    int n = 0;
    for (const auto& r : rows)
        exec("INSERT INTO FINHRK (KODU, TARIH, VADE_TRH, BORC, ALACAK, BORC_DVZ, ALACAK_DVZ, DOVIZ_KODU, ISLEM_TIP, "
             "ISLEM_TIP2, BELGE_NO, HRK_NO, BELGE_TIP) VALUES ('120.01.002', :t, :t, :b, :a, :bd, :ad, :d, 'C', :t2, "
             ":bn, :n, 'F')",
             {{"t", QDateTime(QDate(2026, 2, r.d), QTime())}, {"b", r.b}, {"a", r.a}, {"bd", r.bd}, {"ad", r.ad},
              {"d", r.dvz}, {"t2", r.t2}, {"bn", r.belge}, {"n", ++n}});
    CariEkstreFiltre f;
    f.tarihBas = QDate(2026, 2, 10); // the first row is carried over
    f.tarihBit = QDate(2026, 2, 28);
    const ReportModel m = CariEkstreRaporu::olustur(db, "120.01.002", f, CariEkstreRaporu::Bicim::Yerel);
    ASSERT_EQ(m.rows.size(), 5);
    EXPECT_EQ(m.summary.last().value, QStringLiteral("2.350,00 (B)"));
    const QString actual = ReportTextRenderer(m).render(20);
    const QString path = QStringLiteral(NIMBO_TEST_FIXTURES) + "/accounts/cari_ekstre.txt";
    if (qEnvironmentVariableIntValue("NIMBO_UPDATE_GOLDEN") == 1) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(actual.toUtf8());
    }
    EXPECT_EQ(actual.toStdString(), readFile(path).toStdString());

    // One currency: only the dollar rows, in dollars.
    const ReportModel u = CariEkstreRaporu::olustur(db, "120.01.002", {}, CariEkstreRaporu::Bicim::Dovizli, "USD");
    ASSERT_EQ(u.rows.size(), 3);
    EXPECT_EQ(u.summary.last().value, QStringLiteral("50,00 (B)"));
    EXPECT_EQ(u.title, QStringLiteral("Dövizli Cari Hesap Ekstresi (USD)"));
}

TEST_F(CariHareketWindows, CashDeskCardAndList)
{
    exec("INSERT INTO KASA (KASAKOD, ADI) VALUES ('PK', 'PORTFÖY KASASI')");
    TFormKasaBr list;
    EXPECT_EQ(list.rowCount(), 1); // the portfolio desk is not listed

    TFormKasaSakla card({});
    card.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&card));
    type(&card, "EditKASAKOD", "120.01.001");
    (*prompter)->expectWarn("Aynı Kasa Kodu, Başka Bir Kayda İşlenmiş.!!!");
    leave(&card, "EditKASAKOD");
    EXPECT_TRUE(child<QLineEdit>(&card, "EditKASAKOD")->text().isEmpty());
    type(&card, "EditKASAKOD", "SUBE");
    leave(&card, "EditKASAKOD");
    type(&card, "EditADI", "Şube Kasası");
    click(&card, "BtnSAKLA");
    EXPECT_EQ(card.savedCode(), QStringLiteral("SUBE"));
    list.refresh();
    EXPECT_EQ(list.rowCount(), 2);

    exec("INSERT INTO KASAHRKT (KASAKOD, HRKNO, REF_TIP, TUTAR) VALUES ('SUBE', 1, 'C', 5)");
    ASSERT_TRUE(list.locate("SUBE"));
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    (*prompter)->expectWarn("Kayıt ile İlgili İşlem Var.Silinemez!");
    list.runDelete();
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASA WHERE KASAKOD='SUBE'"), 1);
    exec("DELETE FROM KASAHRKT");
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    list.runDelete();
    EXPECT_EQ(count("SELECT COUNT(*) FROM KASA WHERE KASAKOD='SUBE'"), 0);
}

TEST_F(CariHareketWindows, AccountListOpensOneEntryWindowForItsAccountAndTheStatement)
{
    registerAllWindows();
    TFormCariBr list;
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    ASSERT_TRUE(list.locate("120.01.001"));
    click(&list, "BtnTFormCariHarek");
    auto* entry = qobject_cast<TFormCariHarek*>(
        [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "TFormCariHarek" && w->isVisible())
                    return w;
            return static_cast<QWidget*>(nullptr);
        }());
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->belge().isNew());
    ASSERT_EQ(entry->lineGrid()->lineModel()->rowCount(), 1);
    EXPECT_EQ(entry->belge().lines().text(0, "CARI_KOD"), QStringLiteral("120.01.001"));
    (*prompter)->expectWarn("Cari Hareket Giriş Penceresi Açık!");
    click(&list, "BtnTFormCariHarek");
    (*prompter)->expectAsk("Kaydı Saklamak İstiyormusunuz?", false);
    entry->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    click(&list, "BtnTFormCariHrk");
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* e = qobject_cast<TFormCariHrk*>(w)) {
            EXPECT_EQ(e->cariKod(), QStringLiteral("120.01.001"));
            e->close();
        }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
