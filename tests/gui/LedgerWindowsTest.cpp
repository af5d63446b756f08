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
#include "widgets/LineGridModel.h"
#include "widgets/TotalsPanel.h"

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

    // Types into a cell of the voucher grid the way its editor commits.
    static void cell(TFormFis& f, int row, const QString& field, const QVariant& v)
    {
        LineGridModel* m = f.lineGrid()->lineModel();
        ASSERT_GE(m->columnOf(field), 0) << field.toStdString();
        const QModelIndex i = m->index(row, m->columnOf(field));
        f.lineGrid()->setCurrentIndex(i);
        m->setData(i, v, Qt::EditRole);
    }
};

} // namespace

// A manual voucher typed into the entry window shows its totals, is refused while it does
// not balance, is stored once it does, and appears in the voucher list and the trial balance.
TEST_F(LedgerWindows, ManualVoucherReachesListAndTrialBalance)
{
    auto* f = new TFormFis;
    f->show();
    child<QDateEdit>(f, QStringLiteral("EditTARIH"))->setDate(QDate(2025, 3, 15)); // moved into 2026 on save
    f->lineGrid()->addLine();
    f->lineGrid()->addLine();
    cell(*f, 0, QStringLiteral("HSPKODU"), QStringLiteral("100.01"));
    cell(*f, 0, QStringLiteral("BORC"), 1250.5);
    cell(*f, 1, QStringLiteral("HSPKODU"), QStringLiteral("600.01"));
    cell(*f, 1, QStringLiteral("ALACAK"), 1000.0);
    LineGridModel* m = f->lineGrid()->lineModel();
    EXPECT_EQ(m->index(0, 1).data().toString(), QStringLiteral("MERKEZ KASA"));
    EXPECT_EQ(f->totals()->shown(QStringLiteral("FARK")), QStringLiteral("250,50"));
    (*prompter)->expectWarn(QStringLiteral("Fiş Borç-Alacak Tutarı Birbirine Eşit Değil.Dengesiz Fiş Kaydı Yapılamaz, "
                                           "Borç:1.250,50 Alacak:1.000,00"));
    click(f, QStringLiteral("BtnSAKLA"));
    EXPECT_TRUE(f->isVisible()); // stays open on a refusal
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM FISAYR")).toInt(), 0);

    // A positive line on an unknown code is refused with the cursor on that line.
    cell(*f, 1, QStringLiteral("ALACAK"), 1250.5);
    cell(*f, 1, QStringLiteral("HSPKODU"), QStringLiteral("999"));
    (*prompter)->expectWarn(QStringLiteral("Hatalı Hesap Kodları Var. Fiş Kaydı Yapılamaz"));
    click(f, QStringLiteral("BtnSAKLA"));
    EXPECT_EQ(f->lineGrid()->currentIndex().row(), 1);

    cell(*f, 1, QStringLiteral("HSPKODU"), QStringLiteral("600.01"));
    click(f, QStringLiteral("BtnSAKLA"));
    ASSERT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM FIS")).toInt(), 1);
    EXPECT_DOUBLE_EQ(db.scalar(QStringLiteral("SELECT ALACAK FROM FISAYR WHERE HSPKODU = '600.01'")).toDouble(), 1250.5);
    EXPECT_EQ(toDate(db.scalar(QStringLiteral("SELECT TARIH FROM FIS"))), QDate(2026, 3, 15));
    delete f;

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
