#pragma once
#include <QString>
#include <QStringList>

namespace nimbo {

// The shape of a ledger code: levels separated by ".", " " or "-"; the first three
// characters are the main-account number.
namespace HesapKodu {

bool ayracMi(QChar c);
// Number of separators (0 = main account).
int seviye(const QString& kod);
// Integer value of the first three characters (0 when they are no number).
int kebir(const QString& kod);
// The code up to (not including) its separator number seviye+1; the code itself when it is
// not deeper than that level.
QString seviyeKodu(const QString& kod, int seviye);
// Every proper prefix of the code that ends right before a separator, longest first.
QStringList ustKodlar(const QString& kod);
// True when kod is ust itself or lies below it (ust followed by a separator).
bool altindaMi(const QString& kod, const QString& ust);
// Leading or trailing blanks, a separator at either end or two in a row.
bool bicimHatali(const QString& kod);

// The levels the chart screens and the trial balance offer: class (first digit), group
// (first two), main account, then one per separator.
enum class Duzey { Sinif, Grup, Kebir, Muavin, Tali, Detay, Tumu };
// "Hesap Sınıfı", "Hesap Grubu", "Kebir", "Muavin", "Tali", "Detay", "Tümü" in that order.
QStringList duzeyAdlari();
// The code of the level a code is summed into (the code itself when it is not that deep).
QString duzeyKodu(const QString& kod, Duzey d);
// Every code a line on kod counts for in the all-levels view: class, group, each
// separator level and the code itself.
QStringList tumDuzeyKodlari(const QString& kod);
// True when a chart code belongs to the level (a class has one digit, a group two).
bool duzeydeMi(const QString& kod, Duzey d);

} // namespace HesapKodu

} // namespace nimbo
