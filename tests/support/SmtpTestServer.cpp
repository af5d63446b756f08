#include "support/SmtpTestServer.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTcpServer>
#include <gtest/gtest.h>

namespace nimbo::test {

namespace {
QString fixtureDir() { return QStringLiteral(NIMBO_TEST_FIXTURES "/mail"); }

QString python()
{
    // The system interpreter: the one Debian's aiosmtpd is installed for.
    return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                             : QStringLiteral("python3");
}
} // namespace

QString SmtpTestServer::certFile() { return fixtureDir() + QStringLiteral("/smtp-test.crt"); }

SmtpTestServer::SmtpTestServer() : SmtpTestServer(Options()) {}

SmtpTestServer::SmtpTestServer(const Options& options) : m_options(options)
{
    QStringList args{fixtureDir() + QStringLiteral("/smtp_server.py"), QStringLiteral("--out"), m_dir.path()};
    if (!options.user.isEmpty())
        args << QStringLiteral("--auth") << options.user + QLatin1Char(':') + options.password;
    for (const QString& r : options.reject)
        args << QStringLiteral("--reject") << r;
    switch (options.mode) {
    case Mode::StartTls:
    case Mode::ImplicitTls:
        args << (options.mode == Mode::StartTls ? QStringLiteral("--starttls") : QStringLiteral("--tls"))
             << QStringLiteral("--cert") << certFile() << QStringLiteral("--key")
             << fixtureDir() + QStringLiteral("/smtp-test.key");
        break;
    case Mode::Drop: args << QStringLiteral("--drop"); break;
    case Mode::Silent: args << QStringLiteral("--silent"); break;
    case Mode::Plain: break;
    }
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(python(), args);
    if (!m_process.waitForStarted(10000)) {
        ADD_FAILURE() << "SMTP test server did not start: " << m_process.errorString().toStdString();
        return;
    }
    while (m_process.state() == QProcess::Running && !m_process.canReadLine())
        m_process.waitForReadyRead(200);
    const QByteArray line = m_process.readLine().trimmed();
    if (!line.startsWith("PORT ")) {
        ADD_FAILURE() << "SMTP test server did not report its port: " << line.constData();
        return;
    }
    m_port = line.mid(5).toInt();
}

SmtpTestServer::~SmtpTestServer()
{
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

SmtpSettings SmtpTestServer::settings() const
{
    SmtpSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = m_port;
    s.userName = m_options.user;
    s.password = m_options.password;
    s.caFile = certFile();
    s.connectTimeoutMs = 3000;
    s.timeoutMs = 5000;
    if (m_options.mode == Mode::StartTls)
        s.security = SmtpSettings::Security::StartTls;
    else if (m_options.mode == Mode::ImplicitTls)
        s.security = SmtpSettings::Security::ImplicitTls;
    return s;
}

QList<QJsonObject> SmtpTestServer::received() const
{
    QList<QJsonObject> out;
    const QStringList files = QDir(m_dir.path()).entryList({QStringLiteral("msg-*.json")}, QDir::Files, QDir::Name);
    for (const QString& f : files) {
        QFile file(m_dir.filePath(f));
        if (file.open(QIODevice::ReadOnly))
            out << QJsonDocument::fromJson(file.readAll()).object();
    }
    return out;
}

QByteArray SmtpTestServer::raw(int index) const
{
    QFile f(m_dir.filePath(QStringLiteral("msg-%1.eml").arg(index + 1, 4, 10, QLatin1Char('0'))));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int SmtpTestServer::unusedPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    const int port = s.serverPort();
    s.close();
    return port;
}

} // namespace nimbo::test
