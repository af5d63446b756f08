#pragma once
#include <QString>

namespace nimbo {

// How amounts are shown in the fiscal year: the year's display format (",0.00" groups
// thousands and keeps two decimals; ",0" of the years without decimals rounds to whole
// liras) and its edit format ("#.##" / "#"), with Turkish separators: 1.234,56.
// Grids, totals, cards, prints and exports all go through this one class.
class MoneyFormat {
public:
    // A format as the company parameters give it, e.g. ",0.00", "0.000", ",0".
    explicit MoneyFormat(const QString& displayFormat = QStringLiteral(",0.00"),
                         const QString& editFormat = QStringLiteral("#.##"));
    // The format loaded for the session's fiscal year.
    static MoneyFormat current();

    int decimals() const { return m_decimals; }
    bool grouped() const { return m_grouped; }
    int editDecimals() const { return m_editDecimals; }

    // Display text: grouped thousands, fixed decimals. A value that rounds to zero shows
    // without a minus sign.
    QString format(double v) const;
    // Edit text: no grouping, at most the edit format's decimals, trailing zeros dropped.
    QString editText(double v) const;
    // An account balance: the absolute amount with " (A)" for credit or " (B)" for debit;
    // a balance that shows as zero is "---   ".
    QString balance(double creditMinusDebit) const;

    // Any number with Turkish separators.
    static QString formatNumber(double v, int decimals, bool grouped = true);
    // Reads "1.234,56", "1234,56" or "1234.56"; ok false when it is no number.
    static double parse(const QString& text, bool* ok = nullptr);

private:
    int m_decimals = 2;
    bool m_grouped = true;
    int m_editDecimals = 2;
};

} // namespace nimbo
