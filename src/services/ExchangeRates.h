#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>

#include "db/Db.h"

namespace nimbo {

// Rates are the local-currency value of one unit of a currency, read from KURDEGER on the
// session's year database. A rate of a day is the latest row at or before that day's end;
// a missing or zero rate counts as 1.

// tip 1: buying rate (TLDEGERI_ALIS); anything else: selling rate (TLDEGERI_SATIS).
// The local currency (YERELDOVIZ) is always 1. Keeps the date of the row found.
double KurBulDeger(const QString& dovizKodu, int tip, const QDate& tarih);
// The same for report currency 1 (RDOVIZ1), without the local-currency shortcut; a negative
// rate also gives 1. Keeps the date of the row found.
double Kur1RxBulDeger(int tip, const QDate& tarih);
// The same for report currency 2 (RDOVIZ2); does not touch the kept date.
double Kur2RyBulDeger(int tip, const QDate& tarih);
// kullanim "MS": the column PARAMET.ARCSATKURALM names; "BS": the column SATISKURALM names;
// anything else 1. The local currency is 1.
double KurBulDeger2(const QString& dovizKodu, const QString& kullanim, const QDate& tarih);

// The same look-ups on the given connection (the session's company parameters still say
// which currency is local and which are the report currencies).
double KurBulDeger(const Db& db, const QString& dovizKodu, int tip, const QDate& tarih);
double Kur1RxBulDeger(const Db& db, int tip, const QDate& tarih);
double Kur2RyBulDeger(const Db& db, int tip, const QDate& tarih);
double KurBulDeger2(const Db& db, const QString& dovizKodu, const QString& kullanim, const QDate& tarih);
// TARIH of the row found by the last KurBulDeger or Kur1RxBulDeger (null when none was found).
QDateTime SonKurTarihi();

// The column of KURDEGER a rate-kind code ("MA", "MS", "EA", "ES", "OS") stands for; empty
// for any other code (whose rate is 1).
QString rateKindColumn(const QString& kindCode);

// The moment up to which rows of a day count: the day plus 23:59:59.059.
QDateTime endOfRateDay(const QDate& d);

} // namespace nimbo
