#include "session/ServerFinder.h"
#include "session/NimboSettings.h"

#include <QTcpSocket>

namespace nimbo {

QStringList SunucuAra(const QStringList& candidates, int port, int timeoutMs)
{
    QStringList found;
    for (QString host : candidates) {
        host.remove(QLatin1Char('\\'));
        host = host.trimmed();
        if (host.isEmpty() || found.contains(host))
            continue;
        QTcpSocket s;
        s.connectToHost(host, static_cast<quint16>(port));
        if (s.waitForConnected(timeoutMs))
            found << host;
        s.abort();
    }
    return found;
}

QStringList SunucuAra() { return SunucuAra(NimboSettings::aramaAdaylari(), NimboSettings::aramaPortu()); }

} // namespace nimbo
