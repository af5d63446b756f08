#include "CariFixture.h"
#include "accounts/CariRiskBilgisi.h"

namespace nimbo::test {

using CariRiskBilgisiTest = YearDbTest;

// The card's risk panel: protested and uncollected papers that the firm holds from the
// account ("M"), and its dispatch notes not yet invoiced.
TEST_F(CariRiskBilgisiTest, PapersAndUninvoicedDispatchNotesOfTheAccountOnly)
{
    const CariFixture f{db};
    int portfoy = 0;
    auto kagit = [&](const char* kod, const char* tip, const char* durum, const char* sahip, double tutar) {
        f.insert(QStringLiteral("CSKART"),
                 {{QStringLiteral("PORTFOYNO"), ++portfoy}, {QStringLiteral("CARIKOD"), QString::fromLatin1(kod)},
                  {QStringLiteral("CS_TIP"), QString::fromUtf8(tip)}, {QStringLiteral("SON_DURUMU"), QString::fromLatin1(durum)},
                  {QStringLiteral("SAHIP"), QString::fromLatin1(sahip)}, {QStringLiteral("TUTAR"), tutar},
                  {QStringLiteral("TUTAR_USD"), tutar / 10}, {QStringLiteral("TUTAR_EUR"), tutar / 20}});
    };
    kagit("C1", "E", "K", "M", 1000); // protested note
    kagit("C1", "E", "K", "M", 500);
    kagit("C1", "Ç", "K", "M", 200);  // bounced cheque
    kagit("C1", "Ç", "P", "M", 300);  // in the portfolio, not collected
    kagit("C1", "Ç", "T", "M", 9000); // collected: no risk
    kagit("C1", "E", "K", "F", 7000); // the firm's own note given: not the account's risk
    kagit("C2", "E", "K", "M", 8000); // another account

    const CariRiskBilgisi r(db);
    // Cheques and notes sort by the engine's collation; look them up by title.
    auto byTitle = [](const QList<RiskSatiri>& l, const QString& title) {
        for (const RiskSatiri& s : l)
            if (s.baslik == title)
                return s;
        return RiskSatiri{QStringLiteral("yok"), -1, -1, -1};
    };
    const QList<RiskSatiri> k = r.karsiliksiz(QStringLiteral("C1"));
    EXPECT_EQ(k.size(), 2);
    const RiskSatiri protesto = byTitle(k, QStringLiteral("Protestolu Senetler"));
    EXPECT_DOUBLE_EQ(protesto.tutar, 1500);
    EXPECT_DOUBLE_EQ(protesto.usd, 150);
    EXPECT_DOUBLE_EQ(protesto.eur, 75);
    EXPECT_DOUBLE_EQ(byTitle(k, QStringLiteral("Karşılıksız Çekler")).tutar, 200);

    const QList<RiskSatiri> t = r.tahsilEdilmemis(QStringLiteral("C1"));
    EXPECT_EQ(t.size(), 2);
    EXPECT_DOUBLE_EQ(byTitle(t, QStringLiteral("Tahsil Edilmemiş Çekler")).tutar, 500);
    EXPECT_DOUBLE_EQ(byTitle(t, QStringLiteral("Tahsil Edilmemiş Senetler")).tutar, 1500);

    auto satis = [&](int no, const char* kod, const char* fat, const char* irs, double net) {
        f.insert(QStringLiteral("SATIS"), {{QStringLiteral("SATIS_NO"), no}, {QStringLiteral("CARIKOD"), QString::fromLatin1(kod)},
                                           {QStringLiteral("FAT_NO"), fat ? QVariant(QString::fromLatin1(fat)) : QVariant()},
                                           {QStringLiteral("IRS_NO"), irs ? QVariant(QString::fromLatin1(irs)) : QVariant()},
                                           {QStringLiteral("NETTUT"), net}, {QStringLiteral("NET_USD"), net / 10}});
    };
    satis(1, "C1", nullptr, "I001", 120);  // uninvoiced dispatch note
    satis(2, "C1", "", "I002", 80);        // an empty invoice number is none
    satis(3, "C1", "F001", "I003", 5000);  // invoiced
    satis(4, "C1", "F002", nullptr, 6000); // invoice without dispatch note
    satis(5, "C1", nullptr, "", 7000);     // neither
    satis(6, "C2", nullptr, "I004", 9000); // another account
    const RiskSatiri i = r.faturasizIrsaliye(QStringLiteral("C1"));
    EXPECT_DOUBLE_EQ(i.tutar, 200);
    EXPECT_DOUBLE_EQ(i.usd, 20);
    EXPECT_DOUBLE_EQ(r.faturasizIrsaliye(QStringLiteral("C3")).tutar, 0);
}

} // namespace nimbo::test
