#include "demo/DemoData.h"
#include "demo/DemoPlan.h"
#include "demo/DemoPrompter.h"
#include "services/SessionContext.h"
#include "trade/AlisBelgesi.h"

#include <QMap>
#include <QSqlRecord>

namespace nimbo::demo {

namespace {

struct AlisPlani {
    const char* tip;
    const char* odeme; // P cash, H bank transfer, V on account
};

// Invoices with dispatch on account most days; cash invoices, dispatch notes (collected by
// the supplier's next plain invoice), bank transfers and customers' returns now and then.
const AlisPlani kAlisPlani[] = {{"R", "P"}, {"A", "V"}, {"İ", "V"}, {"R", "V"}, {"F", "V"},
                                {"R", "H"}, {"L", "V"}, {"E", "V"}, {"İ", "V"}, {"R", "V"}};

} // namespace

// Accounts in local currency with no credit-risk stop: suppliers (TEDARIKCI 1) or the others.
QStringList hesaplar(const Db& db, bool tedarikci)
{
    QStringList out;
    for (const QSqlRecord& r : db.records(
             QStringLiteral("SELECT CARI_KOD FROM CARI WHERE COALESCE(DOVIZ_KODU, 'TL') = 'TL' AND COALESCE(RISK_IRS, '') "
                            "NOT IN ('U', 'D') AND %1 ORDER BY CARI_KOD")
                 .arg(tedarikci ? QStringLiteral("TEDARIKCI = 1") : QStringLiteral("COALESCE(TEDARIKCI, 0) <> 1"))))
        out << toText(r.value(0)).trimmed();
    return out;
}

void fillPurchaseDemo(const Db& db, int year, int count)
{
    QStringList tedarikciler = hesaplar(db, true);
    const QStringList musteriler = hesaplar(db, false);
    if (tedarikciler.isEmpty())
        tedarikciler = musteriler;
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
    // Dispatch notes not yet invoiced, by supplier: a later invoice of the supplier collects them.
    QMap<QString, QList<double>> acikIrsaliyeler;
    auto yeni = [&](AlisBelgesi& b, const QString& tip, const QString& cari, const QString& odeme, const QDate& gun,
                    int no) {
        b.setHeader(QStringLiteral("TIP"), tip);
        b.setHeader(QStringLiteral("FATARIH"), gun);
        if (b.irsaliyeKismi()) // a pure invoice has no dispatch date
            b.setHeader(QStringLiteral("IRSTARIH"), gun);
        b.setHeader(QStringLiteral("VADETRH"), gun.addDays(odeme == QLatin1String("V") ? 45 : 0));
        b.setHeader(QStringLiteral("CARIKOD"), cari);
        b.setHeader(QStringLiteral("ODE_TIP"), odeme);
        b.setHeader(QStringLiteral("KASAKOD"), kasa);
        b.setHeader(QStringLiteral("BANKA_KOD"), banka);
        b.setHeader(QStringLiteral("HESAP_NO"), hesap);
        b.setHeader(QStringLiteral("ACIKLAMA"), QStringLiteral("Demo"));
        if (b.faturaKismi())
            b.setHeader(QStringLiteral("FAT_NO"), QStringLiteral("AF%1").arg(no, 6, 10, QLatin1Char('0')));
        if (b.irsaliyeKismi())
            b.setHeader(QStringLiteral("IRS_NO"), QStringLiteral("AI%1").arg(no, 6, 10, QLatin1Char('0')));
    };
    for (int i = 0; i < count; ++i) {
        const AlisPlani& p = kAlisPlani[i % std::size(kAlisPlani)];
        const QString tip = QString::fromUtf8(p.tip);
        QString odeme = QString::fromLatin1(p.odeme);
        if (odeme == QLatin1String("H") && hesap.isEmpty())
            odeme = QStringLiteral("P");
        // Purchases come first in the year, so the sales that follow find stock and costs.
        const QDate gun = demoTarihi(QDate(year, 1, 1).addDays((i * 340) / qMax(1, count) % 340));
        // Goods are bought from suppliers; customers send back what they were sold.
        const bool iade = AlisBelgesi::iadeMi(tip) || tip == QLatin1String("L");
        const QStringList& taraf = iade && !musteriler.isEmpty() ? musteriler : tedarikciler;
        // A supplier's plain invoice goes to one whose dispatch notes are open, and collects them.
        const QString cari = tip == QLatin1String("F") && !acikIrsaliyeler.isEmpty() ? acikIrsaliyeler.firstKey()
                                                                                      : taraf.at((i * 3) % taraf.size());
        AlisBelgesi b(db);
        yeni(b, tip, cari, odeme, gun, i + 1);
        if (tip == QLatin1String("F"))
            for (double n : acikIrsaliyeler.take(cari))
                b.irsaliyeAl(n);
        const int satirSayisi = b.lines().count() > 0 ? 0 : 2 + i % 4;
        for (int k = 0; k < satirSayisi; ++k) {
            const int r = b.stokEkle(stoklar.at((i * 13 + k * 7) % stoklar.size()));
            b.setLine(r, QStringLiteral("MIKTAR"), double(10 + (i + k) % 5 * 10));
            // Prices drift through the year, so last price and average cost part ways.
            const double fiyat = b.lines().number(r, QStringLiteral("FYT_DOVIZ"));
            b.setLine(r, QStringLiteral("FYT_DOVIZ"), (fiyat > 0 ? fiyat : 20.0) * (0.9 + (i % 7) * 0.03));
        }
        b.save();
        if (tip == QStringLiteral("İ"))
            acikIrsaliyeler[cari] << b.key().toDouble();
    }
    Prompter::install(std::move(onceki));
}

} // namespace nimbo::demo
