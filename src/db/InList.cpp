#include "db/InList.h"

#include <QStringList>

namespace nimbo {

QString inList(const QList<double>& values, Params& p, const QString& prefix)
{
    QStringList yer;
    yer.reserve(values.size());
    for (int i = 0; i < values.size(); ++i) {
        const QString ad = prefix + QString::number(i);
        yer << QLatin1Char(':') + ad;
        p.insert(ad, values[i]);
    }
    return yer.join(QLatin1Char(','));
}

} // namespace nimbo
