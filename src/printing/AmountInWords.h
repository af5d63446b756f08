#pragma once
#include <QString>

namespace nimbo {

// Integer part in Turkish words, joined without blanks: 1.234.567 gives
// "BirMilyonİkiYüzOtuzDörtBinBeşYüzAltmışYedi"; zero gives an empty text.
QString integerInWords(double number);

// The amount written out for the "YALNIZ " line: "Onİki TL Elli Kr". The sub-units are
// spelled only when subUnitsSpelled is set (a property of the fiscal year). Amounts below
// zero are not spelled.
QString YaziylaTutar(double amount, bool subUnitsSpelled, const QString& unit = QStringLiteral("TL"),
                     const QString& subUnit = QStringLiteral("Kr"));

// The same with the session's fiscal-year switch and currency words (company parameters).
QString YaziylaTutar(double amount);

// Whether a fiscal year spells sub-units: years after 2004, compared as text.
bool subUnitsSpelledInYear(const QString& yearText);

} // namespace nimbo
