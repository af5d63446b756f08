#include "demo/DemoData.h"
#include "demo/DemoPlan.h"
#include "demo/DemoPrompter.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "trade/SatisBelgesi.h"

#include <QSqlRecord>

namespace nimbo::demo {

namespace {

struct Plan {
    const char* tip;
    const char* odeme; // P cash, H bank transfer, K card, V on account
    int agirlik;       // out of 20
};

// Invoices with dispatch on account are the daily work; cash and bank sales, dispatch notes
// (every other one collected by an invoice later) and purchase returns follow.
const Plan kPlan[] = {{"R", "V", 6}, {"R", "P", 3}, {"F", "P", 2}, {"F", "H", 1}, {"F", "K", 1},
                      {"İ", "V", 5}, {"L", "V", 1}, {"A", "V", 1}};

} // namespace

void fillSalesDemo(const Db& db, int year, int count)
{
    QStringList cariler;
    for (const QSqlRecord& r : db.records(QStringLiteral(
             "SELECT CARI_KOD FROM CARI WHERE COALESCE(DOVIZ_KODU, 'TL') = 'TL' AND COALESCE(RISK_DIG, '') NOT IN "
             "('U', 'D') AND COALESCE(RISK_IRS, '') NOT IN ('U', 'D') AND COALESCE(AVUKATVER, 'H') <> 'E' "
             "ORDER BY CARI_KOD")))
        cariler << toText(r.value(0)).trimmed();
    QList<double> stoklar;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT STOK_NO FROM STOK WHERE SAT_SKFYT_TL > 0 ORDER BY STOK_NO")))
        stoklar << r.value(0).toDouble();
    const QString kasa = toText(db.scalar(QStringLiteral("SELECT MIN(KASAKOD) FROM KASA WHERE KASAKOD<>'PK' AND "
                                                         "COALESCE(DOVIZ_KOD, 'TL')='TL'")))
                             .trimmed();
    // A bank sale names a local-currency account of the bank when the firm keeps bank accounts.
    QString banka, hesap;
    if (db.tableExists(QStringLiteral("BANKAYR"))) {
        const auto r = db.records(QStringLiteral("SELECT BANKA_KOD, HESAP_NO FROM BANKAYR WHERE "
                                                 "COALESCE(DOVIZ_KODU, 'TL') IN ('TL', '') ORDER BY BANKA_KOD, HESAP_NO"));
        if (!r.isEmpty()) {
            banka = toText(r.first().value(0)).trimmed();
            hesap = toText(r.first().value(1)).trimmed();
        }
    } else {
        banka = toText(db.scalar(QStringLiteral("SELECT MIN(BANKA_KOD) FROM BANKA"))).trimmed();
    }
    if (cariler.isEmpty() || stoklar.isEmpty() || kasa.isEmpty())
        return;
    SessionContext& s = SessionContext::current();
    for (int d = 1; d <= 20; ++d)
        if (s.hak(QStringLiteral("DEPO%1").arg(d)).isEmpty())
            s.setHak(QStringLiteral("DEPO%1").arg(d), QStringLiteral("H"));
    std::unique_ptr<Prompter> onceki = Prompter::install(std::make_unique<DemoPrompter>());

    QList<std::pair<double, QString>> acikIrsaliyeler; // note number, customer
    for (int i = 0; i < count; ++i) {
        const Plan& p = planFor(kPlan, i);
        const QString tip = QString::fromUtf8(p.tip);
        QString odeme = QString::fromLatin1(p.odeme);
        if ((odeme == QLatin1String("H") || odeme == QLatin1String("K")) && banka.isEmpty())
            odeme = QStringLiteral("P");
        const QDate gun = demoTarihi(QDate(year, 1, 2).addDays((i * 353) / qMax(1, count) % 360));
        const QString cari = cariler.at((i * 7) % cariler.size());
        SatisBelgesi b(db);
        b.setHeader(QStringLiteral("TIP"), tip);
        b.setHeader(QStringLiteral("FATARIH"), gun);
        if (b.irsaliyeKismi()) // a pure invoice has no dispatch date
            b.setHeader(QStringLiteral("IRSTARIH"), gun);
        b.setHeader(QStringLiteral("VADETRH"), gun.addDays(odeme == QLatin1String("V") ? 30 : 0));
        b.setHeader(QStringLiteral("CARIKOD"), cari);
        b.setHeader(QStringLiteral("ODE_TIP"), odeme);
        b.setHeader(QStringLiteral("KASAKOD"), kasa);
        b.setHeader(QStringLiteral("BANKA_KOD"), banka);
        b.setHeader(QStringLiteral("HESAP_NO"), hesap);
        b.setHeader(QStringLiteral("ACIKLAMA"), QStringLiteral("Demo"));
        // Every other open dispatch note of the customer is collected by this invoice.
        if (tip == QLatin1String("F") && i % 2 == 0)
            for (int k = 0; k < acikIrsaliyeler.size(); ++k)
                if (acikIrsaliyeler[k].second == cari) {
                    b.irsaliyeAl(acikIrsaliyeler.takeAt(k).first);
                    break;
                }
        const int satirSayisi = 1 + i % 4;
        for (int k = 0; k < satirSayisi; ++k) {
            const int r = b.stokEkle(stoklar.at((i * 11 + k * 5) % stoklar.size()));
            b.setLine(r, QStringLiteral("MIKTAR"), double(1 + (i + k) % 6));
            if (k == 1)
                b.setLine(r, QStringLiteral("ISKONTO"), 5.0);
        }
        if (i % 9 == 0)
            b.setHeader(QStringLiteral("YUZDE"), 3.0);
        b.otomatikNumaralar();
        b.save();
        if (tip == QStringLiteral("İ"))
            acikIrsaliyeler << std::pair{b.key().toDouble(), cari};
    }
    Prompter::install(std::move(onceki));
}

} // namespace nimbo::demo
