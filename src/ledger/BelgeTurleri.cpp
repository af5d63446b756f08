#include "ledger/BelgeTurleri.h"

namespace nimbo {

namespace {
QList<BelgeTuru>& turler()
{
    static QList<BelgeTuru> t;
    return t;
}
} // namespace

void BelgeTurleri::kaydet(const BelgeTuru& t)
{
    sil(t.tur);
    turler() << t;
    TDMuh::rutinKaydet(t.tur, t.rutin);
}

void BelgeTurleri::sil(QChar tur)
{
    turler().removeIf([tur](const BelgeTuru& t) { return t.tur == tur; });
    TDMuh::rutinSil(tur);
}

const BelgeTuru* BelgeTurleri::bul(QChar tur)
{
    for (const BelgeTuru& t : turler())
        if (t.tur == tur)
            return &t;
    return nullptr;
}

const BelgeTuru* BelgeTurleri::tablodan(const QString& tablo)
{
    for (const BelgeTuru& t : turler())
        if (t.tablo.compare(tablo, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QList<BelgeTuru> BelgeTurleri::hepsi() { return turler(); }

bool BelgeTurleri::kapsar(const QString& tablo, const QString& tip)
{
    const BelgeTuru* t = tablodan(tablo);
    return t && (t->tipler.isEmpty() || (!tip.isEmpty() && t->tipler.contains(tip)));
}

double BelgeTurleri::mevcutFisNo(const Db& db, const BelgeTuru& t, double belgeNo)
{
    // Table and column come from the registration, never from the user.
    return db.scalar(QStringLiteral("SELECT MAX(FIS_NO) FROM %1 WHERE %2 = :n%3")
                         .arg(t.tablo, t.anahtar, t.kosul.isEmpty() ? QString() : QStringLiteral(" AND ") + t.kosul),
                     {{QStringLiteral("n"), belgeNo}})
        .toDouble();
}

MuhasebeSonucu BelgeTurleri::muhasebelestir(const Db& db, const BelgeTuru& t, double belgeNo, bool interaktif)
{
    return nimbo::muhasebelestir(db, t.tur, iadeMi(db, t, belgeNo), belgeNo, mevcutFisNo(db, t, belgeNo), interaktif);
}

} // namespace nimbo
