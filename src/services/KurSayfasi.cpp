#include "services/KurSayfasi.h"

#include <cmath>

namespace nimbo {

namespace {

const int kFieldStarts[] = {40, 53, 69, 82}; // 1-based
const int kFieldWidth = 12;

bool readNumber(const QString& line, int start, double& out)
{
    if (line.size() < start)
        return false;
    QString f = line.mid(start - 1, kFieldWidth).trimmed();
    if (f.isEmpty())
        return false;
    // The page writes a decimal point; a comma is taken as one too when no point is there.
    if (!f.contains(QLatin1Char('.')))
        f.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = f.toDouble(&ok);
    // "inf" reads as a number too; only a finite positive figure is a rate.
    if (!ok || !std::isfinite(v) || !(v > 0))
        return false;
    out = v;
    return true;
}

} // namespace

KurSayfasiSonucu kurSayfasiniOku(const QString& sayfa)
{
    static const QStringList wanted = {QStringLiteral("USD/TRY"), QStringLiteral("EUR/TRY"),
                                       QStringLiteral("GBP/TRY"), QStringLiteral("JPY/TRY")};
    KurSayfasiSonucu out;
    const QStringList lines = sayfa.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString head = line.left(7);
        if (!wanted.contains(head))
            continue;
        double v[4] = {0, 0, 0, 0};
        bool ok = true;
        for (int i = 0; i < 4 && ok; ++i)
            ok = readNumber(line, kFieldStarts[i], v[i]);
        if (!ok) {
            out.okunamayan << head;
            continue;
        }
        SayfaKuru k;
        k.dovizKodu = head.left(3);
        const double div = k.dovizKodu == QLatin1String("JPY") ? 100.0 : 1.0;
        k.dovizAlis = v[0] / div;
        k.dovizSatis = v[1] / div;
        k.efektifAlis = v[2] / div;
        k.efektifSatis = v[3] / div;
        out.kurlar << k;
    }
    return out;
}

} // namespace nimbo
