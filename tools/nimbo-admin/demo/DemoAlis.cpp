#include "demo/DemoData.h"
#include "demo/DemoPrompter.h"
#include "services/SessionContext.h"
#include "trade/AlisBelgesi.h"

#include <QSqlRecord>

namespace nimbo::demo {

namespace {

struct AlisPlani {
    const char* tip;
    const char* odeme; // P cash, H bank transfer, V on account
};

// Invoices with dispatch on account most days; cash invoices, dispatch notes, plain
// invoices, bank transfers and customers' returns now and then.
const AlisPlani kAlisPlani[] = {{"R", "V"}, {"R", "V"}, {"R", "P"}, {"İ", "V"}, {"F", "V"},
                                {"R", "H"}, {"R", "V"}, {"A", "V"}, {"L", "V"}, {"E", "V"}};

} // namespace

void fillPurchaseDemo(const Db& db, int year, int count)
{
    QStringList tedarikciler;
    for (const QSqlRecord& r : db.records(QStringLiteral(
             "SELECT CARI_KOD FROM CARI WHERE COALESCE(DOVIZ_KODU, 'TL') = 'TL' AND COALESCE(RISK_IRS, '') NOT IN "
             "('U', 'D') ORDER BY CARI_KOD DESC")))
        tedarikciler << toText(r.value(0)).trimmed();
    QList<double> stoklar;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT STOK_NO FROM STOK ORDER BY STOK_NO")))
        stoklar << r.value(0).toDouble();
    const QString kasa = toText(db.scalar(QStringLiteral("SELECT MIN(KASAKOD) FROM KASA WHERE KASAKOD<>'PK' AND "
                                                         "COALESCE(DOVIZ_KOD, 'TL')='TL'")))
                             .trimmed();
    const QString banka = toText(db.scalar(QStringLiteral("SELECT MIN(BANKA_KOD) FROM BANKA"))).trimmed();
    const QString hesap =
        toText(db.scalar(QStringLiteral("SELECT MIN(HESAP_NO) FROM BANKAYR WHERE BANKA_KOD=:B AND "
                                        "COALESCE(DOVIZ_KODU, 'TL')='TL'"),
                         {{QStringLiteral("B"), banka}}))
            .trimmed();
    if (tedarikciler.isEmpty() || stoklar.isEmpty() || kasa.isEmpty())
        return;
    SessionContext& s = SessionContext::current();
    for (int d = 1; d <= 20; ++d)
        if (s.hak(QStringLiteral("DEPO%1").arg(d)).isEmpty())
            s.setHak(QStringLiteral("DEPO%1").arg(d), QStringLiteral("H"));
    std::unique_ptr<Prompter> onceki = Prompter::install(std::make_unique<DemoPrompter>());
    for (int i = 0; i < count; ++i) {
        const AlisPlani& p = kAlisPlani[i % std::size(kAlisPlani)];
        const QString tip = QString::fromUtf8(p.tip);
        QString odeme = QString::fromLatin1(p.odeme);
        if (odeme == QLatin1String("H") && hesap.isEmpty())
            odeme = QStringLiteral("P");
        // Purchases come first in the year, so the sales that follow find stock and costs.
        const QDate gun = QDate(year, 1, 1).addDays((i * 340) / qMax(1, count) % 340);
        AlisBelgesi b(db);
        b.setHeader(QStringLiteral("TIP"), tip);
        b.setHeader(QStringLiteral("FATARIH"), gun);
        b.setHeader(QStringLiteral("IRSTARIH"), gun);
        b.setHeader(QStringLiteral("VADETRH"), gun.addDays(odeme == QLatin1String("V") ? 45 : 0));
        b.setHeader(QStringLiteral("CARIKOD"), tedarikciler.at((i * 3) % tedarikciler.size()));
        b.setHeader(QStringLiteral("ODE_TIP"), odeme);
        b.setHeader(QStringLiteral("KASAKOD"), kasa);
        b.setHeader(QStringLiteral("BANKA_KOD"), banka);
        b.setHeader(QStringLiteral("HESAP_NO"), hesap);
        b.setHeader(QStringLiteral("ACIKLAMA"), QStringLiteral("Demo"));
        if (b.faturaKismi())
            b.setHeader(QStringLiteral("FAT_NO"), QStringLiteral("AF%1").arg(i + 1, 6, 10, QLatin1Char('0')));
        if (b.irsaliyeKismi())
            b.setHeader(QStringLiteral("IRS_NO"), QStringLiteral("AI%1").arg(i + 1, 6, 10, QLatin1Char('0')));
        const int satirSayisi = 2 + i % 4;
        for (int k = 0; k < satirSayisi; ++k) {
            const int r = b.stokEkle(stoklar.at((i * 13 + k * 7) % stoklar.size()));
            b.setLine(r, QStringLiteral("MIKTAR"), double(10 + (i + k) % 5 * 10));
            // Prices drift through the year, so last price and average cost part ways.
            const double fiyat = b.lines().number(r, QStringLiteral("FYT_DOVIZ"));
            b.setLine(r, QStringLiteral("FYT_DOVIZ"), (fiyat > 0 ? fiyat : 20.0) * (0.9 + (i % 7) * 0.03));
        }
        b.save();
    }
    Prompter::install(std::move(onceki));
}

} // namespace nimbo::demo
