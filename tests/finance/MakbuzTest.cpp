#include "FinansFixture.h"
#include "db/Errors.h"
#include "finance/FinansBelgesi.h"
#include "finance/FinansMakbuzu.h"
#include "finance/TaksitMakbuzu.h"
#include "finance/TaksitPlani.h"
#include "finance/TaksitTakip.h"
#include "printing/AmountInWords.h"

namespace nimbo::test {

namespace {

// Receipts of finance documents and of instalment collections, as the report layer prints them.
class MakbuzTest : public FinansTestBase {
protected:
    int belge(const QString& tip, const QString& tip2, const QString& kod,
              const QList<std::pair<QString, double>>& satirlar, const QString& aciklama = {})
    {
        FinansBelgesi b(db, tip, tip2);
        b.setHeader("ISLEM_TRH", kGun);
        b.setHeader("KODU", kod);
        b.setHeader("ACIKLAMA", aciklama);
        for (const auto& [k, t] : satirlar) {
            const int r = b.addLine();
            b.setLine(r, "KODU", k);
            b.setLine(r, FinansBelgesi::kTutar, t);
            if (tip == "E")
                b.setLine(r, "VADE_TRH", QDate(2026, 6, 1));
        }
        return b.save().key.toInt();
    }
    static QStringList satir(const ReportModel& m, int r)
    {
        QStringList out;
        for (int c = 0; c < m.columns.size(); ++c)
            out << m.cellText(r, c);
        return out;
    }
};

} // namespace

TEST_F(MakbuzTest, FinanceReceiptIsTitledByTheDocumentTypeAndListsItsLines)
{
    const int tahsilat = belge("C", "N", "C1", {{"K01", 100}, {"K02", 10}}, "Mart tahsilatı");
    const ReportModel m = FinansMakbuzu::olustur(db, tahsilat);
    EXPECT_EQ(m.title, QStringLiteral("TAHSİLAT MAKBUZU"));
    EXPECT_TRUE(m.headings.join('\n').contains(QStringLiteral("C1  Firma C1")));
    EXPECT_TRUE(m.headings.join('\n').contains(QStringLiteral("10.03.2026")));
    EXPECT_TRUE(m.headings.contains(QStringLiteral("Mart tahsilatı")));
    ASSERT_EQ(m.rows.size(), 2);
    EXPECT_EQ(satir(m, 0), (QStringList{"K01", "Merkez Kasa", "", "", "TL", "100,00", "100,00"}));
    // The USD desk's 10 dollars at the day's 30.
    EXPECT_EQ(satir(m, 1), (QStringList{"K02", "Döviz Kasa", "", "", "USD", "10,00", "300,00"}));
    EXPECT_DOUBLE_EQ(m.number(0, 6) + m.number(1, 6), 400);
    EXPECT_TRUE(m.columns[6].total);
    EXPECT_EQ(m.amountInWords, YaziylaTutar(400));
    EXPECT_EQ(m.signatures, (QStringList{"TESLİM EDEN", "TESLİM ALAN"}));

    EXPECT_EQ(FinansMakbuzu::olustur(db, belge("C", "A", "C2", {{"K01", 50}})).title, QStringLiteral("TEDİYE MAKBUZU"));
    EXPECT_EQ(FinansMakbuzu::olustur(db, belge("K", "G", "K01", {{"K01", 50}})).title, QStringLiteral("GELİR MAKBUZU"));
    EXPECT_EQ(FinansMakbuzu::olustur(db, belge("C", "D", "C1", {{"C2", 50}})).title, QStringLiteral("DEKONT"));

    // A cheque bordereau prints each paper's serial and portfolio numbers.
    const int bordro = belge("E", "0", "C1", {{"A-77", 500}});
    const ReportModel c = FinansMakbuzu::olustur(db, bordro);
    EXPECT_EQ(c.title, QStringLiteral("CEK/SENET BORDROSU"));
    const double portfoy = sum("SELECT PORTFOYNO FROM CSKART WHERE SERI_NO='A-77'");
    ASSERT_GT(portfoy, 0);
    ASSERT_EQ(c.rows.size(), 1);
    EXPECT_EQ(c.cellText(0, 2), QStringLiteral("A-77"));
    EXPECT_EQ(c.cellText(0, 3), QString::number(qint64(portfoy)));

    EXPECT_THROW(FinansMakbuzu::olustur(db, 987654), UserError);
}

TEST_F(MakbuzTest, InstalmentReceiptOnlyForAPaidInstalment)
{
    TaksitPlanGirdisi g;
    g.satisNo = 41;
    g.cariKod = "C1";
    g.doviz = "TL";
    g.satisTutari = 900;
    g.pesinatTarihi = QDate(2026, 1, 15);
    g.taksitSayisi = 3;
    TaksitPlani::sakla(db, g, TaksitPlani::olustur(g));
    auto ret = [&](int sira) {
        try {
            TaksitMakbuzu::olustur(db, 41, sira);
            ADD_FAILURE() << "receipt of an unpaid instalment " << sira;
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Ödemesi yapılmamış taksit için makbuz kesilemez."));
        }
    };
    ret(1);
    TaksitTakip t(db);
    t.setCezaAyari({});
    t.tahsilEt(41, 1, 100, {2026, 2, 15}, "N");
    ret(1); // partly paid
    t.tahsilEt(41, 1, 200, {2026, 2, 20}, "H");
    const ReportModel m = TaksitMakbuzu::olustur(db, 41, 1);
    EXPECT_EQ(m.title, QStringLiteral("TAHSİLAT MAKBUZU"));
    EXPECT_TRUE(m.headings.join('\n').contains(QStringLiteral("Firma C1")));
    EXPECT_TRUE(m.headings.join('\n').contains(QStringLiteral("Satış No: 41")));
    ASSERT_EQ(m.rows.size(), 1);
    EXPECT_EQ(satir(m, 0), (QStringList{"1", "15.02.2026", "20.02.2026", "Havale", "TL", "0,00", "300,00"}));
    EXPECT_EQ(m.amountInWords, YaziylaTutar(300));
    ret(2);
}

} // namespace nimbo::test
