#include "ledger/HesapKart.h"
#include "ledger/forms/AmountTable.h"
#include "ledger/forms/TFormFis.h"
#include "ledger/forms/TFormFisBr.h"
#include "ledger/forms/TFormHesap.h"
#include "ledger/forms/TFormHspBr.h"
#include "ledger/forms/TFormMizan.h"
#include "support/WindowTest.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>

using namespace nimbo;
using namespace nimbo::test;

namespace {

class LedgerWindows : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        // Children first: no parent is a posting account when its child is added.
        for (const auto& [kod, ad] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"600.01", "TOPTAN SATIŞLAR"}, {"600", "YURTİÇİ SATIŞLAR"}, {"100.01", "MERKEZ KASA"}, {"100", "KASA"}}) {
            HesapKart k(db);
            k.yeni(QString::fromLatin1(kod));
            k.setValue(QStringLiteral("HESAP_ADI"), QString::fromUtf8(ad));
            k.save();
        }
    }

    // Types a line into the voucher grid the way the grid's editor commits it.
    static void satir(TFormFis& f, int row, const QString& kod, const QString& borc, const QString& alacak)
    {
        QTableWidget* g = f.grid();
        g->item(row, 0)->setText(kod);
        QCoreApplication::processEvents();
        g->item(row, 3)->setText(borc);
        QCoreApplication::processEvents();
        g->item(row, 4)->setText(alacak);
        QCoreApplication::processEvents();
    }
};

} // namespace

// A manual voucher typed into the entry window shows its totals, is refused while it does
// not balance, is stored once it does, and appears in the voucher list and the trial balance.
TEST_F(LedgerWindows, ManualVoucherReachesListAndTrialBalance)
{
    TFormFis f;
    f.tarihEdit()->setDate(QDate(2026, 3, 15));
    satir(f, 0, QStringLiteral("100.01"), QStringLiteral("1.250,50"), QString());
    satir(f, 1, QStringLiteral("600.01"), QString(), QStringLiteral("1.000,00"));
    EXPECT_EQ(f.grid()->item(0, 1)->text(), QStringLiteral("MERKEZ KASA"));
    EXPECT_EQ(f.toplamEtiketi()->text(),
              QStringLiteral("Borç Toplamı: 1.250,50    Alacak Toplamı: 1.000,00    Fark: 250,50"));
    (*prompter)->expectWarn(QStringLiteral("Fiş Borç-Alacak Tutarı Birbirine Eşit Değil.Dengesiz Fiş Kaydı Yapılamaz, "
                                           "Borç:1.250,50 Alacak:1.000,00"));
    click(&f, QStringLiteral("BtnSAKLA"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM FISAYR")).toInt(), 0);

    satir(f, 1, QStringLiteral("600.01"), QString(), QStringLiteral("1250,5"));
    click(&f, QStringLiteral("BtnSAKLA"));
    ASSERT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM FIS")).toInt(), 1);
    EXPECT_DOUBLE_EQ(db.scalar(QStringLiteral("SELECT ALACAK FROM FISAYR WHERE HSPKODU = '600.01'")).toDouble(), 1250.5);
    EXPECT_EQ(toDate(db.scalar(QStringLiteral("SELECT TARIH FROM FIS"))), QDate(2026, 3, 15));

    TFormFisBr liste;
    EXPECT_EQ(liste.rowCount(), 1);

    TFormMizan mizan;
    AmountTable* t = mizan.tablo();
    ASSERT_EQ(t->rowCount(), 3); // 100, 600 and the totals
    EXPECT_EQ(t->text(0, 0), QStringLiteral("100"));
    EXPECT_EQ(t->text(2, 0), QStringLiteral("TOPLAM"));
    EXPECT_EQ(t->text(2, 6), QStringLiteral("1.250,50"));
    EXPECT_EQ(t->text(2, 7), QStringLiteral("1.250,50"));
    EXPECT_EQ(t->text(2, 8), t->text(2, 9));
}

// The chart list filters by level and shows the totals of the current code; the card asks
// before a first sub-account takes over its parent's lines.
TEST_F(LedgerWindows, ChartListLevelsAndCardQuestion)
{
    HesapKart k(db);
    k.yeni(QStringLiteral("102"));
    k.setValue(QStringLiteral("HESAP_ADI"), QStringLiteral("BANKALAR"));
    k.save();

    TFormHspBr liste;
    EXPECT_EQ(liste.rowCount(), 5);
    liste.duzeyKutusu()->setCurrentText(QStringLiteral("Muavin"));
    EXPECT_EQ(liste.rowCount(), 2);

    TFormHesap kart;
    kart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&kart));
    type(&kart, QStringLiteral("EditHKOD"), QStringLiteral("102.01"));
    leave(&kart, QStringLiteral("EditHKOD"));
    EXPECT_EQ(child<QLabel>(&kart, QStringLiteral("LblANAHESAP"))->text(), QStringLiteral("102"));
    // No name: refused before anything is asked.
    (*prompter)->expectWarn(QStringLiteral("Hesap Adı Verilmeden Kayıt Saklanamaz."));
    click(&kart, QStringLiteral("BtnSAKLA"));
    type(&kart, QStringLiteral("EditHESAP_ADI"), QStringLiteral("ZİRAAT"));
    (*prompter)->expect(ScriptedPrompter::Kind::AskYesNoCancel, HesapKart::tasimaSorusu(), Prompter::Answer::Yes);
    click(&kart, QStringLiteral("BtnSAKLA"));
    EXPECT_EQ(kart.kaydedilenKod(), QStringLiteral("102.01"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT SON_SEVIYE FROM HSPLAN WHERE HKOD = '102'")).toInt(), 0);
}
