#include "support/FixtureHttpServer.h"

#include <QFile>
#include <QTcpSocket>

namespace nimbo::test {

FixtureHttpServer::FixtureHttpServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_server.nextPendingConnection()) {
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                const QByteArray request = s->property("request").toByteArray() + s->readAll();
                s->setProperty("request", request);
                if (!request.contains("\r\n\r\n"))
                    return;
                const QString path = QString::fromLatin1(request.split(' ').value(1));
                ++m_hits[path];
                const auto it = m_bodies.constFind(path);
                const QByteArray body = it == m_bodies.constEnd() ? QByteArray("yok") : it.value();
                const QByteArray status = it == m_bodies.constEnd() ? "404 Not Found" : "200 OK";
                s->write("HTTP/1.1 " + status + "\r\nContent-Type: application/xml\r\nContent-Length: "
                         + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                s->disconnectFromHost();
            });
        }
    });
    m_server.listen(QHostAddress::LocalHost, 0);
}

void FixtureHttpServer::serve(const QString& path, const QByteArray& body) { m_bodies.insert(path, body); }

QUrl FixtureHttpServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

QByteArray FixtureHttpServer::fixture(const QString& name)
{
    QFile f(QStringLiteral(NIMBO_TEST_FIXTURES) + QLatin1Char('/') + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace nimbo::test
