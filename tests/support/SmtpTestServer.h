#pragma once
#include "mail/SmtpSettings.h"

#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace nimbo::test {

// A real SMTP server (aiosmtpd) on 127.0.0.1 for one test, started from
// tests/fixtures/mail/smtp_server.py. Every accepted message can be read back as the
// server decoded it: envelope, headers, body and attachments (base64 in "data").
class SmtpTestServer {
public:
    enum class Mode { Plain, StartTls, ImplicitTls, Drop, Silent };
    struct Options {
        Mode mode = Mode::Plain;
        QString user, password; // AUTH required when set
        QStringList reject;     // recipients refused with 550
    };

    SmtpTestServer();
    explicit SmtpTestServer(const Options& options);
    ~SmtpTestServer();

    int port() const { return m_port; }
    // Client settings for this server: its port, the login, its certificate, short time-outs.
    SmtpSettings settings() const;
    QList<QJsonObject> received() const;
    QByteArray raw(int index) const;

    // A port on 127.0.0.1 that nobody listens on.
    static int unusedPort();
    static QString certFile();

private:
    Options m_options;
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};

} // namespace nimbo::test
