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

} // namespace HesapKodu

} // namespace nimbo
