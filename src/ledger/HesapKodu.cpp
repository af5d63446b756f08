#include "ledger/HesapKodu.h"

namespace nimbo::HesapKodu {

bool ayracMi(QChar c) { return c == QLatin1Char('.') || c == QLatin1Char(' ') || c == QLatin1Char('-'); }

int seviye(const QString& kod)
{
    int n = 0;
    for (QChar c : kod)
        if (ayracMi(c))
            ++n;
    return n;
}

int kebir(const QString& kod)
{
    bool ok = false;
    const int v = kod.left(3).trimmed().toInt(&ok);
    return ok ? v : 0;
}

QString seviyeKodu(const QString& kod, int sev)
{
    int n = 0;
    for (int i = 0; i < kod.size(); ++i)
        if (ayracMi(kod.at(i)) && n++ == sev)
            return kod.left(i);
    return kod;
}

QStringList ustKodlar(const QString& kod)
{
    QStringList out;
    for (int i = kod.size() - 1; i > 0; --i)
        if (ayracMi(kod.at(i)))
            out << kod.left(i);
    return out;
}

bool altindaMi(const QString& kod, const QString& ust)
{
    if (kod == ust)
        return true;
    return kod.size() > ust.size() + 1 && kod.startsWith(ust) && ayracMi(kod.at(ust.size()));
}

bool bicimHatali(const QString& kod)
{
    if (kod.isEmpty() || kod != kod.trimmed() || ayracMi(kod.front()) || ayracMi(kod.back()))
        return true;
    for (int i = 1; i < kod.size(); ++i)
        if (ayracMi(kod.at(i)) && ayracMi(kod.at(i - 1)))
            return true;
    return false;
}

} // namespace nimbo::HesapKodu
