#include "accounts/CariHareketBelgesi.h"
#include "demo/DemoData.h"
#include "demo/DemoPlan.h"
#include "services/SessionContext.h"

#include <QSqlRecord>

namespace nimbo::demo {

namespace {

struct Plan {
    const char* tip;
    const char* taraf;
    int agirlik; // out of 20
};

// Collections are the daily work; payments, notes, transfers, differences and special
// movements follow; a few accounts open the year through a document.
const Plan kPlan[] = {{"N", "B", 7}, {"N", "A", 3}, {"D", "", 3}, {"V", "", 2}, {"F", "", 1}, {"O", "", 2}, {"I", "", 2}};

} // namespace

QStringList liraCarileri(const Db& db)
{
    QStringList cariler;
    for (const QSqlRecord& r : db.records(QStringLiteral(
             "SELECT CARI_KOD FROM CARI WHERE COALESCE(DOVIZ_KODU, 'TL') = 'TL' "
             "AND COALESCE(RISK_DIG, '') NOT IN ('U', 'D') ORDER BY CARI_KOD")))
        cariler << toText(r.value(0)).trimmed();
    return cariler;
}

void fillAccountMovementsDemo(const Db& db, int year, int count)
{
    const QStringList cariler = liraCarileri(db);
    if (cariler.size() < 2)
        return;
    QList<QVariant> tipler;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT TIP FROM CARIHRKTIP ORDER BY TIP")))
        tipler << r.value(0).toInt();
    if (tipler.isEmpty())
        tipler << 1;
    const struct { const char* kasa; const char* doviz; } kasalar[] = {{"MERKEZ", "TL"}, {"DOVIZ", "USD"}, {"EURO", "EUR"}};

    for (int i = 0; i < count; ++i) {
        const Plan& p = planFor(kPlan, i);
        const QString tip = QString::fromLatin1(p.tip);
        CariHareketBelgesi b(db, tip, QString::fromLatin1(p.taraf));
        const QDate gun = tip == QLatin1String("I") ? QDate(year, 1, 1)
                                                    : demoTarihi(QDate(year, 1, 2).addDays((i * 37) % 355));
        b.setHeader(QStringLiteral("TARIH"), gun);
        b.setHeader(QStringLiteral("ACIKLAMA"), CariHareketBelgesi::tipAdi(tip, QString::fromLatin1(p.taraf)));
        const QString cari = cariler.at((i * 13) % cariler.size());
        const double tutar = 250.0 + double((i * 7919) % 83) * 125.0 + (i % 4) * 0.5;
        auto satir = [&](const QString& kod, double miktar, bool alacak, const QString& doviz) {
            const int r = b.addLine();
            b.setLine(r, QStringLiteral("CARI_KOD"), kod);
            b.setLine(r, QStringLiteral("TIP"), tipler.at(i % tipler.size()));
            b.setLine(r, QStringLiteral("DOVIZ_KODU"), doviz);
            b.setLine(r, QStringLiteral("BELGE_NO"), QStringLiteral("%1%2").arg(tip).arg(i + 1, 5, 10, QLatin1Char('0')));
            b.setLine(r, alacak ? QStringLiteral("ALACAK_DVZ") : QStringLiteral("BORC_DVZ"), miktar);
            return r;
        };
        if (tip == QLatin1String("N")) {
            // Every fifth cash movement goes through a foreign-currency desk in its currency.
            const auto& k = kasalar[(i / 5) % 5 == 4 ? 1 + (i % 2) : 0];
            const QString doviz = QString::fromLatin1(k.doviz);
            const double miktar = doviz == QLatin1String("TL") ? tutar : qRound(tutar / 30.0);
            const int r = satir(cari, miktar, QLatin1String(p.taraf) == QLatin1String("B"), doviz);
            b.setLine(r, QStringLiteral("KASAKOD"), QString::fromLatin1(k.kasa));
        } else if (tip == QLatin1String("V")) {
            satir(cari, tutar, false, QStringLiteral("TL"));
            satir(cariler.at((i * 13 + 7) % cariler.size()), tutar, true, QStringLiteral("TL"));
        } else if (tip == QLatin1String("F")) {
            satir(cari, qRound(tutar / 40.0), i % 2 == 0, QStringLiteral("USD"));
        } else {
            satir(cari, tutar, i % 3 == 0, QStringLiteral("TL"));
        }
        b.save();
    }
}

} // namespace nimbo::demo
