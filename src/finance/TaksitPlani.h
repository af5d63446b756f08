#pragma once
#include "db/Db.h"

#include <QDate>
#include <QList>
#include <QVariantMap>

namespace nimbo {

// "Taksitlendirme": the amount of a sale (or purchase) left after the down payment, split
// into monthly instalments stored in TAKSITS (one row per instalment, numbered 1..n).
struct TaksitPlanGirdisi {
    double satisNo = 0;
    QString satTip = QStringLiteral("S"); // "S" sale, "P" retail sale, "A" purchase
    QString cariKod;
    QString doviz;
    double satisTutari = 0;
    double pesinat = 0;
    QDate pesinatTarihi; // empty: today
    QDate ilkVade;       // empty or not after the down payment: one month after it
    int taksitSayisi = 0;
    bool aySonu = false; // every due date on the last day of its month
    QString odemeSekli;
};

class TaksitPlani {
public:
    static double kalanTutar(const TaksitPlanGirdisi& g) { return g.satisTutari - g.pesinat; }
    // The first due date after the defaults and the month-end option.
    static QDate ilkVade(const TaksitPlanGirdisi& g, const QDate& bugun = QDate::currentDate());
    // The instalment rows ("Otomatik"): equal amounts, monthly due dates; none while nothing
    // is left to split.
    static QList<QVariantMap> olustur(const TaksitPlanGirdisi& g, const QDate& bugun = QDate::currentDate());
    // The checks of a plan before it is stored (UserError with the message): a sale amount,
    // a down-payment date, a count above 0, no negative down payment, instalments that use up
    // the remaining amount (penalties applied later left out), the first due date after the
    // down payment.
    static void denetle(const TaksitPlanGirdisi& g, const QList<QVariantMap>& taksitler);
    // Checks the plan and replaces the sale's instalments in one transaction (UserError with
    // the message when refused; nothing written).
    static void sakla(const Db& db, const TaksitPlanGirdisi& g, const QList<QVariantMap>& taksitler);
};

} // namespace nimbo
