#include "model/CorrectionLog.h"

namespace nimbo {

void logCorrections(const LineTable& lines, const std::function<void(const QVariantMap&, const QString&)>& log,
                    const QString& end)
{
    for (const QVariantMap& r : lines.removedForLog())
        log(r, QStringLiteral("Düzeltmede Silindi") + end);
    for (const QVariantMap& r : lines.addedForLog())
        log(r, QStringLiteral("Düzeltmede Eklendi") + end);
}

QString loggedSide(const QVariantMap& line)
{
    return line.value(QStringLiteral("ALACAK")).toDouble() > 0 ? QStringLiteral("ALACAK") : QStringLiteral("BORC");
}

} // namespace nimbo
