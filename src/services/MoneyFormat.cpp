#include "services/MoneyFormat.h"
#include "services/SessionContext.h"

#include <QRegularExpression>
#include <cmath>

namespace nimbo {

namespace {
// Digits after the point of a picture such as ",0.00" or "#.##".
int decimalsOf(const QString& picture)
{
    const int dot = picture.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return 0;
    int n = 0;
    for (int i = dot + 1; i < picture.size() && (picture[i] == QLatin1Char('0') || picture[i] == QLatin1Char('#')); ++i)
        ++n;
    return n;
}
} // namespace

MoneyFormat::MoneyFormat(const QString& displayFormat, const QString& editFormat)
    : m_decimals(decimalsOf(displayFormat)), m_grouped(displayFormat.contains(QLatin1Char(','))),
      m_editDecimals(decimalsOf(editFormat))
{
}

MoneyFormat MoneyFormat::current()
{
    const CompanyParameters& p = SessionContext::current().param;
    return MoneyFormat(p.tutarGosterimBicimi, p.tutarDuzenlemeBicimi);
}

QString MoneyFormat::formatNumber(double v, int decimals, bool grouped)
{
    if (!std::isfinite(v))
        return QString();
    const QString plain = QString::number(std::fabs(v), 'f', decimals);
    const int dot = plain.indexOf(QLatin1Char('.'));
    QString whole = dot < 0 ? plain : plain.left(dot);
    const QString frac = dot < 0 ? QString() : plain.mid(dot + 1);
    // Rounded to nothing: no "-0,00".
    const bool negative = v < 0 && (whole.count(QLatin1Char('0')) != whole.size() || frac.count(QLatin1Char('0')) != frac.size());
    if (grouped)
        for (int i = whole.size() - 3; i > 0; i -= 3)
            whole.insert(i, QLatin1Char('.'));
    QString out = negative ? QLatin1Char('-') + whole : whole;
    if (!frac.isEmpty())
        out += QLatin1Char(',') + frac;
    return out;
}

QString MoneyFormat::format(double v) const { return formatNumber(v, m_decimals, m_grouped); }

QString MoneyFormat::editText(double v) const
{
    QString s = formatNumber(v, m_editDecimals, false);
    if (s.contains(QLatin1Char(','))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char(',')))
            s.chop(1);
    }
    return s;
}

QString MoneyFormat::balance(double creditMinusDebit) const
{
    const QString shown = format(std::fabs(creditMinusDebit));
    if (parse(shown) == 0)
        return QStringLiteral("---   ");
    return shown + (creditMinusDebit > 0 ? QStringLiteral(" (A)") : QStringLiteral(" (B)"));
}

double MoneyFormat::parse(const QString& text, bool* ok)
{
    QString s = text.trimmed();
    s.remove(QLatin1Char(' '));
    if (s.contains(QLatin1Char(','))) { // Turkish: dots group thousands, the comma is decimal
        s.remove(QLatin1Char('.'));
        s.replace(QLatin1Char(','), QLatin1Char('.'));
    } else if (s.count(QLatin1Char('.')) > 1 || QRegularExpression(QStringLiteral("^-?[1-9]\\d{0,2}(\\.\\d{3})+$")).match(s).hasMatch()) {
        // "1.234" or "1.234.567": grouped whole liras.
        s.remove(QLatin1Char('.'));
    }
    bool good = false;
    const double d = s.toDouble(&good);
    if (ok)
        *ok = good;
    return good ? d : 0.0;
}

} // namespace nimbo
