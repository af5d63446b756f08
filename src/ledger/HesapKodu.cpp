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

QStringList duzeyAdlari()
{
    return {QStringLiteral("Hesap Sınıfı"), QStringLiteral("Hesap Grubu"), QStringLiteral("Kebir"),
            QStringLiteral("Muavin"),       QStringLiteral("Tali"),        QStringLiteral("Detay"),
            QStringLiteral("Tümü")};
}

QString duzeyKodu(const QString& kod, Duzey d)
{
    switch (d) {
    case Duzey::Sinif: return kod.left(1);
    case Duzey::Grup: return kod.size() > 2 && ayracMi(kod.at(1)) ? kod.left(1) : kod.left(2);
    case Duzey::Kebir: return seviyeKodu(kod, 0);
    case Duzey::Muavin: return seviyeKodu(kod, 1);
    case Duzey::Tali: return seviyeKodu(kod, 2);
    case Duzey::Detay: return seviyeKodu(kod, 3);
    case Duzey::Tumu: break;
    }
    return kod;
}

QStringList tumDuzeyKodlari(const QString& kod)
{
    QStringList out{kod};
    for (const QString& u : ustKodlar(kod))
        if (!out.contains(u))
            out << u;
    for (Duzey d : {Duzey::Grup, Duzey::Sinif}) {
        const QString u = duzeyKodu(kod, d);
        if (!out.contains(u))
            out << u;
    }
    return out;
}

bool duzeydeMi(const QString& kod, Duzey d)
{
    const int s = seviye(kod);
    switch (d) {
    case Duzey::Sinif: return s == 0 && kod.size() == 1;
    case Duzey::Grup: return s == 0 && kod.size() == 2;
    case Duzey::Kebir: return s == 0 && kod.size() >= 3;
    case Duzey::Muavin: return s == 1;
    case Duzey::Tali: return s == 2;
    case Duzey::Detay: return s >= 3;
    case Duzey::Tumu: break;
    }
    return true;
}

} // namespace nimbo::HesapKodu
