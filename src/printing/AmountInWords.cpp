#include "printing/AmountInWords.h"
#include "services/SessionContext.h"

#include <QStringList>

namespace nimbo {

namespace {

const QStringList kOnes = {QString(),           QStringLiteral("Bir"),   QStringLiteral("İki"),
                           QStringLiteral("Üç"), QStringLiteral("Dört"),  QStringLiteral("Beş"),
                           QStringLiteral("Altı"), QStringLiteral("Yedi"), QStringLiteral("Sekiz"),
                           QStringLiteral("Dokuz")};
const QStringList kTens = {QString(),              QStringLiteral("On"),     QStringLiteral("Yirmi"),
                           QStringLiteral("Otuz"),  QStringLiteral("Kırk"),   QStringLiteral("Elli"),
                           QStringLiteral("Altmış"), QStringLiteral("Yetmiş"), QStringLiteral("Seksen"),
                           QStringLiteral("Doksan")};
// Word of the separator at positions 4, 8, 12, 16, 20 from the right.
const QStringList kScales = {QStringLiteral("Bin"), QStringLiteral("Milyon"), QStringLiteral("Milyar"),
                             QStringLiteral("Trilyon"), QStringLiteral("Katrilyon")};

QString withSeparators(const QString& digits)
{
    QString s = digits;
    for (int i = s.size() - 3; i > 0; i -= 3)
        s.insert(i, QLatin1Char('.'));
    return s;
}

} // namespace

QString integerInWords(double number)
{
    if (number < 0)
        return {};
    const QString text = withSeparators(QString::number(number + 0.0000001, 'f', 0));
    const int len = text.size();
    QString out;
    for (int i = 0; i < len; ++i) {
        const QChar ch = text[i];
        const int pos = len - i; // 1 = last character
        if (ch == QLatin1Char('.') || ch == QLatin1Char(',')) {
            if (pos % 4 != 0 || pos > 20)
                continue;
            const int scale = pos / 4 - 1;
            // The three digits left of the separator; a zero group drops its word, Katrilyon never.
            const QString group = text.mid(qMax(0, i - 3), qMin(3, i));
            const bool zeroGroup = group == QString(group.size(), QLatin1Char('0'));
            if (scale == 4 || !zeroGroup)
                out += kScales[scale];
            continue;
        }
        const int d = ch.digitValue();
        if (d < 0)
            continue;
        switch (pos % 4) {
        case 1: { // units
            const QString w = kOnes[d];
            if (len == 5 && pos == 5 && w == QLatin1String("Bir"))
                break; // "Bin", not "BirBin"
            out += w;
            break;
        }
        case 2: // tens
            out += kTens[d];
            break;
        case 3: // hundreds
            if (d == 1)
                out += QStringLiteral("Yüz");
            else if (d > 1)
                out += kOnes[d] + QStringLiteral("Yüz");
            break;
        default:
            break;
        }
    }
    return out;
}

QString YaziylaTutar(double amount, bool subUnitsSpelled, const QString& unit, const QString& subUnit)
{
    if (amount < 0)
        return {};
    const QString fixed = QString::number(amount + 0.0000001, 'f', 2);
    const QString subUnits = fixed.right(2);
    const QString whole = fixed.left(fixed.indexOf(QLatin1Char('.')));
    QString result;
    const QString words = integerInWords(whole.toDouble());
    if (!words.isEmpty())
        result = words + QLatin1Char(' ') + unit;
    if (subUnitsSpelled && subUnits != QLatin1String("00"))
        result += QLatin1Char(' ') + integerInWords(subUnits.toDouble()) + QLatin1Char(' ') + subUnit;
    return result.trimmed();
}

QString YaziylaTutar(double amount)
{
    const CompanyParameters& p = SessionContext::current().param;
    return YaziylaTutar(amount, p.kurusYazilir, p.paraBirimi, p.altBirim);
}

bool subUnitsSpelledInYear(const QString& yearText)
{
    return yearText.trimmed() > QStringLiteral("2004");
}

} // namespace nimbo
