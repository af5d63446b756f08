#include "ledger/TopluMuhasebe.h"
#include "ledger/BelgeTurleri.h"
#include "ledger/TDMuh.h"

#include <QSqlRecord>

namespace nimbo {

QList<BekleyenBelge> TopluMuhasebe::bekleyenler(const QDate& bas, const QDate& bit, const QList<QChar>& turler) const
{
    QList<BekleyenBelge> out;
    const Params p{{QStringLiteral("bas"), QDateTime(bas, QTime(0, 0))},
                   {QStringLiteral("son"), QDateTime(bit.addDays(1), QTime(0, 0))}};
    for (const BelgeTuru& t : BelgeTurleri::hepsi()) {
        if ((!turler.isEmpty() && !turler.contains(t.tur)) || t.bekleyenSql.isEmpty())
            continue;
        if (t.hazirla)
            t.hazirla(m_db, bas, bit);
        QList<BekleyenBelge> tur;
        for (const QSqlRecord& r : m_db.records(t.bekleyenSql, p))
            tur << BekleyenBelge{t.tur, t.ad, r.value(QStringLiteral("NO")).toDouble(), toDate(r.value(QStringLiteral("TARIH"))),
                                 toText(r.value(QStringLiteral("ACIKLAMA"))).trimmed()};
        std::stable_sort(tur.begin(), tur.end(), [](const BekleyenBelge& a, const BekleyenBelge& b) {
            return a.tarih != b.tarih ? a.tarih < b.tarih : a.no < b.no;
        });
        out << tur;
    }
    return out;
}

TopluSonuc TopluMuhasebe::muhasebelestir(const QList<BekleyenBelge>& belgeler, const Ilerleme& ilerleme)
{
    TopluSonuc sonuc;
    const int n = int(belgeler.size());
    for (int i = 0; i < n; ++i) {
        if (ilerleme && !ilerleme(i, n)) {
            sonuc.iptalEdildi = true;
            return sonuc;
        }
        const BekleyenBelge& b = belgeler.at(i);
        const BelgeTuru* t = BelgeTurleri::bul(b.tur);
        // Posted meanwhile (another workstation, or listed twice): nothing to do.
        if (t && BelgeTurleri::mevcutFisNo(m_db, *t, b.no) > 0)
            continue;
        const MuhasebeSonucu r = t ? BelgeTurleri::muhasebelestir(m_db, *t, b.no, false)
                                   : nimbo::muhasebelestir(m_db, b.tur, false, b.no, 0, false);
        if (r.basarili) {
            ++sonuc.muhasebelesen;
        } else {
            ++sonuc.reddedilen;
            sonuc.redler << qMakePair(b, r.hata);
        }
    }
    if (ilerleme)
        ilerleme(n, n);
    return sonuc;
}

} // namespace nimbo
