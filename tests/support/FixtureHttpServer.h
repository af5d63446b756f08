#pragma once
#include <QHash>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

namespace nimbo::test {

// An HTTP server on 127.0.0.1 that answers GET requests from a table of paths; an unknown
// path gets 404. Requests served are counted per path.
class FixtureHttpServer : public QObject {
public:
    FixtureHttpServer();
    void serve(const QString& path, const QByteArray& body);
    QUrl url(const QString& path) const;
    int hits(const QString& path) const { return m_hits.value(path); }

    // A file of tests/fixtures, whole.
    static QByteArray fixture(const QString& name);

private:
    QTcpServer m_server;
    QHash<QString, QByteArray> m_bodies;
    QHash<QString, int> m_hits;
};

} // namespace nimbo::test
