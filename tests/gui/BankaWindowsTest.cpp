#include "accounts/forms/TFormCariHrk.h"
#include "finance/forms/TFormBankHrkBr.h"
#include "finance/forms/TFormBankaBr.h"
#include "finance/forms/TFormBankaHrk.h"
#include "finance/forms/TFormBankaSakla.h"
#include "finance/forms/TFormCSAktar.h"
#include "finance/forms/TFormCSBr.h"
#include "finance/forms/TFormCSSakla.h"
#include "HareketWindowTest.h"

#include <QDateEdit>
#include <QTableWidget>

using namespace nimbo;
using namespace nimbo::test;

namespace {

class BankaWindows : public HareketWindowTest {
protected:
    static QString shown(LineGrid* g, int row, const QString& field)
    {
        return g->lineModel()->index(row, g->lineModel()->columnOf(field)).data().toString();
    }
    static void hesap(TFormBankaSakla& f, const QStringList& cells)
    {
        click(&f, "BtnHESAPEKLE");
        QTableWidget* t = f.hesapGrid();
        for (int c = 0; c < cells.size(); ++c)
            t->item(t->rowCount() - 1, c)->setText(cells.at(c));
    }
    // A bank movement of one line on an account of ZIRAAT for the customer.
    double hareket(const QString& tip, const QString& hesapNo, const std::function<void(LineGrid*)>& amounts)
    {
        TFormBankaHrk f(tip, -1);
        f.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
        LineGrid* g = f.lineGrid();
        g->addLine();
        cell(g, 0, BankaHareketBelgesi::kBankaHesap, BankaHareketBelgesi::bankaHesapDegeri("ZIRAAT", hesapNo));
        cell(g, 0, "CARI_KOD", "120.01.001");
        cell(g, 0, "CTIP", 1);
        amounts(g);
        click(&f, "BtnSAKLA");
        EXPECT_EQ(f.result(), QDialog::Accepted);
        return f.savedKey().toDouble();
    }
};

} // namespace

TEST_F(BankaWindows, TransferAndCardCollectionMoveTheBankBalanceAndTheStatement)
{
    {
        TFormBankaSakla f({});
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        type(&f, "EditBANKA_KOD", "ZIRAAT");
        type(&f, "EditBANKA_ADI", "Ziraat Bankası");
        // Ledger codes wait for the bank's accounts.
        (*prompter)->expectWarn("Lütfen Önce Bankanın Hesaplarını Tanımlayın");
        click(&f, "BtnMUHASEBE");
        EXPECT_TRUE(f.hesapGrid()->isColumnHidden(6));
        hesap(f, {"TL-1", "Ticari", "1", "TL", "0", "0"});
        hesap(f, {"POS-1", "POS", "5", "TL", "1", "2"});
        click(&f, "BtnMUHASEBE");
        EXPECT_FALSE(f.hesapGrid()->isColumnHidden(6));
        f.hesapGrid()->item(0, 6)->setText("102.01");
        click(&f, "BtnSAKLA");
        EXPECT_EQ(f.result(), QDialog::Accepted);
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM BANKAYR WHERE BANKA_KOD='ZIRAAT'"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM BANKAYR WHERE MUH_CHES='102.01' AND HESAP_NO='TL-1'"), 1);

    hareket("G", "TL-1", [](LineGrid* g) { cell(g, 0, "BORC_DVZ", "1.000"); });
    hareket("K", "POS-1", [](LineGrid* g) {
        EXPECT_EQ(shown(g, 0, "KRDKMSYN"), QStringLiteral("2,00")); // the POS account's rate
        cell(g, 0, "KRDKMSYN_TUT", "1.000");
        EXPECT_EQ(shown(g, 0, "BORC_DVZ"), QStringLiteral("980,00"));
        EXPECT_EQ(shown(g, 0, "ACIKLAMA"),
                  QStringLiteral("-Kredi Komisyon Bedeli (20,00 TL) Cari Borç Tutarına Eklenmiştir."));
    });

    TFormBankaBr bankalar;
    ASSERT_EQ(bankalar.rowCount(), 1);
    EXPECT_TRUE(bankalar.bakiyeMetni().contains("ZIRAAT / TL-1 TL: 1.000,00 (B)")) << bankalar.bakiyeMetni().toStdString();
    EXPECT_TRUE(bankalar.bakiyeMetni().contains("ZIRAAT / POS-1 TL: 980,00 (B)"));
    EXPECT_TRUE(bankalar.bakiyeMetni().contains("Tüm Bankalar TL: 1.980,00 (B)"));

    TFormCariHrk ekstre({});
    ekstre.setProperty("cariKod", "120.01.001");
    ekstre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ekstre));
    EXPECT_EQ(ekstre.rowCount(), 2);
    EXPECT_EQ(ekstre.bakiyeMetni(), QStringLiteral("1.980,00 (A)"));

    // The list of movements; a bank with accounts is not deleted from its list.
    TFormBankHrkBr liste;
    EXPECT_EQ(liste.rowCount(), 2);
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    liste.runDelete();
    EXPECT_EQ(liste.rowCount(), 1);
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    (*prompter)->expectWarn("Bu Banka ile Hesapları Var.Silinemez!");
    bankalar.runDelete();
    EXPECT_EQ(bankalar.rowCount(), 1);
}

TEST_F(BankaWindows, ReceivedChequeShowsInThePortfolioWithItsStatusAndHistory)
{
    {
        TFormCSSakla f(0, CekSenetKart::Giris::Kart, "Ç", "M");
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        type(&f, "EditSERI_NO", "CK-4411");
        type(&f, "EditCARIKOD", "120.01.001");
        type(&f, "EditBANKA_ADI", "Akbank");
        (*prompter)->expectWarn("Vade yazılmalıdır!");
        click(&f, "BtnSAKLA");
        EXPECT_TRUE(f.isVisible());
        child<QDateEdit>(&f, "EditVADETARIH")->setDate(QDate(2026, 6, 30));
        type(&f, "EditTUTAR_DOVIZ", "7500");
        click(&f, "BtnSAKLA");
        EXPECT_EQ(f.result(), QDialog::Accepted);
    }
    const double no = db.scalar("SELECT PORTFOYNO FROM CSKART").toDouble();
    ASSERT_GT(no, 0);

    TFormCSBr liste;
    ASSERT_EQ(liste.rowCount(), 1);
    EXPECT_EQ(toText(liste.currentRecord().value("DURUM_ADI")), QStringLiteral("Portföyde"));
    EXPECT_DOUBLE_EQ(liste.currentRecord().value("TUTAR").toDouble(), 7500);
    EXPECT_EQ(liste.tarihce()->rowCount(), 0);

    // A finance line that named it: the history shows it and the card stays.
    exec("INSERT INTO FINMAST (FIN_ID, KODU, ADI) VALUES (5, '120.01.001', 'Güneş Kırtasiye')");
    exec("INSERT INTO FINDET (FIN_ID, SIRA_NO, CEK_NO, TIP2, CS_DURUM, KODU, TARIH) VALUES (5, 1, :n, '0', 'P', "
         "'PK', :t)",
         {{"n", no}, {"t", QDateTime(QDate(2026, 3, 1), QTime())}});
    exec("INSERT INTO FINHRK (KODU, CEK_NO, ISLEM_TIP, BORC) VALUES ('PK', :n, 'E', 7500)", {{"n", no}});
    liste.refresh();
    ASSERT_EQ(liste.tarihce()->rowCount(), 1);
    EXPECT_EQ(liste.tarihce()->item(0, 2)->text(), QStringLiteral("Cariden Çek/Senet Girişi"));
    EXPECT_EQ(liste.tarihce()->item(0, 3)->text(), QStringLiteral("Portföyde"));
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    (*prompter)->expectWarn("Bu Çek/Senet ile ilgili İşlem var.Silinemez!");
    liste.runDelete();
    EXPECT_EQ(liste.rowCount(), 1);

    // The picker offers it for the bank, not for collecting at the bank.
    TFormCSAktar bankaya("3");
    EXPECT_EQ(bankaya.rowCount(), 1);
    TFormCSAktar tahsil("5");
    EXPECT_EQ(tahsil.rowCount(), 0);
}

// The rounding mark is offered where a rounding row can stand (not on a transfer) and is
// stored with the line; a rounding row leaves the bank balance.
TEST_F(BankaWindows, RoundingRowIsMarkedInItsColumnAndLeavesTheBankBalance)
{
    exec("INSERT INTO BANKA (BANKA_KOD, BANKA_ADI) VALUES ('ZIRAAT', 'Ziraat Bankası')");
    exec("INSERT INTO BANKAYR (BANKA_KOD, HESAP_NO, HESAP_ADI, HESAR_TURU, DOVIZ_KODU) "
         "VALUES ('ZIRAAT', 'TL-1', 'Ticari', '1', 'TL')");
    {
        TFormBankaHrk v("V", -1);
        EXPECT_LT(v.lineGrid()->lineModel()->columnOf("KUSURAT"), 0);
    }
    TFormBankaHrk f("I", -1);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    LineGrid* g = f.lineGrid();
    const QString hesap = BankaHareketBelgesi::bankaHesapDegeri("ZIRAAT", "TL-1");
    g->addLine();
    cell(g, 0, BankaHareketBelgesi::kBankaHesap, hesap);
    cell(g, 0, "BORC_DVZ", "100");
    cell(g, 0, "MUH_KARSI", "649.01");
    EXPECT_EQ(shown(g, 0, "KUSURAT"), QStringLiteral("Hayır"));
    g->addLine();
    cell(g, 1, BankaHareketBelgesi::kBankaHesap, hesap);
    cell(g, 1, "ALACAK_DVZ", "0,40");
    cell(g, 1, "MUH_KARSI", "659.01");
    cell(g, 1, "KUSURAT", "E");
    EXPECT_EQ(shown(g, 1, "KUSURAT"), QStringLiteral("Evet"));
    click(&f, "BtnSAKLA");
    ASSERT_EQ(f.result(), QDialog::Accepted);
    const double no = f.savedKey().toDouble();
    EXPECT_EQ(count("SELECT COUNT(*) FROM BANKHRKA WHERE HRK_NO=:N AND SIRANO=1 AND KUSURAT='H'", {{"N", no}}), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM BANKHRKA WHERE HRK_NO=:N AND SIRANO=2 AND KUSURAT='E'", {{"N", no}}), 1);
    TFormBankaBr bankalar;
    EXPECT_TRUE(bankalar.bakiyeMetni().contains("ZIRAAT / TL-1 TL: 100,00 (B)")) << bankalar.bakiyeMetni().toStdString();
}
