#include "finance/TaksitPlani.h"
#include "db/DbTransaction.h"
#include "db/DocumentWriter.h"
#include "db/Errors.h"

#include <cmath>

namespace nimbo {

namespace {
QDate aySonu(const QDate& d) { return QDate(d.year(), d.month(), d.daysInMonth()); }
} // namespace

QDate TaksitPlani::ilkVade(const TaksitPlanGirdisi& g, const QDate& bugun)
{
    const QDate pesinat = g.pesinatTarihi.isValid() ? g.pesinatTarihi : bugun;
    QDate ilk = g.ilkVade.isValid() && g.ilkVade > pesinat ? g.ilkVade : pesinat.addMonths(1);
    return g.aySonu ? aySonu(ilk) : ilk;
}

QList<QVariantMap> TaksitPlani::olustur(const TaksitPlanGirdisi& g, const QDate& bugun)
{
    QList<QVariantMap> out;
    const double kalan = kalanTutar(g);
    if (kalan <= 0 || g.taksitSayisi <= 0)
        return out;
    const double tutar = kalan / g.taksitSayisi;
    QDate vade = ilkVade(g, bugun);
    for (int i = 1; i <= g.taksitSayisi; ++i) {
        out << QVariantMap{{QStringLiteral("SATIS_NO"), g.satisNo},
                           {QStringLiteral("SIRANO"), i},
                           {QStringLiteral("SAT_TIP"), g.satTip},
                           {QStringLiteral("CARI_KOD"), g.cariKod},
                           {QStringLiteral("ODE_TRH"), QDateTime(vade, QTime(0, 0))},
                           {QStringLiteral("ODE_TIP"), QStringLiteral("O")},
                           {QStringLiteral("ODEME_TUT"), tutar},
                           {QStringLiteral("ODEME_SEKLI"), g.odemeSekli},
                           {QStringLiteral("TAH_TUTAR"), 0.0},
                           {QStringLiteral("TAH_KALAN"), tutar},
                           {QStringLiteral("TAKSIT_ODENDI"), QStringLiteral("H")},
                           {QStringLiteral("DOVIZ_KOD"), g.doviz},
                           {QStringLiteral("CDATE"), QDateTime::currentDateTime()}};
        vade = vade.addMonths(1);
        if (g.aySonu)
            vade = aySonu(vade);
    }
    return out;
}

void TaksitPlani::denetle(const TaksitPlanGirdisi& g, const QList<QVariantMap>& taksitler)
{
    if (g.satisTutari <= 0)
        throw UserError(QStringLiteral("Satış Tutarı Girilmemiş!"));
    if (!g.pesinatTarihi.isValid())
        throw UserError(QStringLiteral("Peşinat Ödeme Tarihi Girilmemiş!"));
    if (g.pesinat < 0)
        throw UserError(QStringLiteral("Peşinat Tutarı Sıfırdan Küçük Olamaz!"));
    if (g.taksitSayisi <= 0 || taksitler.isEmpty())
        throw UserError(QStringLiteral("Taksit Sayısı Sıfırdan Büyük Olmalı!"));
    double toplam = 0;
    QDate ilk;
    for (const QVariantMap& t : taksitler) {
        toplam += t.value(QStringLiteral("ODEME_TUT")).toDouble() - t.value(QStringLiteral("CEZA_TUTAR")).toDouble();
        const QDate v = toDate(t.value(QStringLiteral("ODE_TRH")));
        if (!ilk.isValid() || (v.isValid() && v < ilk))
            ilk = v;
    }
    if (std::abs(kalanTutar(g) - toplam) >= 0.005)
        throw UserError(QStringLiteral("Taksitten Sonra Kalan Tutar Olmamalı!"));
    if (!ilk.isValid() || ilk <= g.pesinatTarihi)
        throw UserError(QStringLiteral("Taksit ilk vade Peşinat Tarihinden Büyük Olmalı"));
}

void TaksitPlani::sakla(const Db& db, const TaksitPlanGirdisi& g, const QList<QVariantMap>& taksitler)
{
    denetle(g, taksitler);
    DocumentWriter w(db);
    DbTransaction tx(db);
    w.replace(QStringLiteral("TAKSITS"), {{QStringLiteral("SATIS_NO"), g.satisNo}}, taksitler);
    tx.commit();
}

} // namespace nimbo
