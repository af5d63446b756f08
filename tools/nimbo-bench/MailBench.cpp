#include "BenchRunner.h"
#include "mail/MimeBuilder.h"
#include "mail/SmtpClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

namespace nimbo::bench {

namespace {

// An SMTP sink on 127.0.0.1 that accepts every message and keeps nothing: what is timed is
// the client's side (MIME, TLS-free transfer, the SMTP dialogue), one connection at a time.
class SmtpSink {
public:
    SmtpSink()
    {
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(m_listen, 4);
        socklen_t len = sizeof a;
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&a), &len);
        m_port = ntohs(a.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~SmtpSink()
    {
        m_stop = true;
        ::shutdown(m_listen, SHUT_RDWR);
        ::close(m_listen);
        m_thread.join();
    }
    int port() const { return m_port; }
    int accepted() const { return m_messages; }

private:
    void serve()
    {
        while (!m_stop) {
            const int c = ::accept(m_listen, nullptr, nullptr);
            if (c < 0)
                return;
            session(c);
            ::close(c);
        }
    }
    static void say(int c, const char* s) { (void)!::write(c, s, strlen(s)); }
    void session(int c)
    {
        say(c, "220 sink ESMTP\r\n");
        std::string buf;
        bool data = false;
        char chunk[65536];
        for (;;) {
            const ssize_t n = ::read(c, chunk, sizeof chunk);
            if (n <= 0)
                return;
            buf.append(chunk, size_t(n));
            for (;;) {
                if (data) {
                    const size_t end = buf.find("\r\n.\r\n");
                    if (end == std::string::npos)
                        break;
                    buf.erase(0, end + 5);
                    data = false;
                    ++m_messages;
                    say(c, "250 OK\r\n");
                    continue;
                }
                const size_t eol = buf.find("\r\n");
                if (eol == std::string::npos)
                    break;
                const std::string cmd = buf.substr(0, 4);
                buf.erase(0, eol + 2);
                if (cmd == "EHLO" || cmd == "HELO")
                    say(c, "250-sink\r\n250 8BITMIME\r\n");
                else if (cmd == "DATA") {
                    say(c, "354 go on\r\n");
                    data = true;
                } else if (cmd == "QUIT") {
                    say(c, "221 bye\r\n");
                    return;
                } else
                    say(c, "250 OK\r\n");
            }
        }
    }

    int m_listen = -1;
    int m_port = 0;
    std::atomic_bool m_stop{false};
    std::atomic_int m_messages{0};
    std::thread m_thread;
};

MailMessage statementMessage(int i, const QByteArray& attachment)
{
    MailMessage m;
    m.fromName = QStringLiteral("DEMO TİCARET A.Ş.");
    m.fromAddress = QStringLiteral("muhasebe@demo.com.tr");
    m.to = {QStringLiteral("cari%1@musteri.com.tr").arg(i)};
    m.subject = QStringLiteral("Cari Ekstreniz");
    m.body = QStringLiteral("Sayın Güneş Kırtasiye %1\nEkstreniz ektedir.").arg(i);
    m.attachments << MailAttachment{QStringLiteral("CariExtr.pdf"), QStringLiteral("application/pdf"), attachment};
    return m;
}

QList<Timing> mailScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    // A statement PDF of a few pages is 60-150 KB.
    QByteArray pdf(120 * 1024, '\0');
    for (int i = 0; i < pdf.size(); ++i)
        pdf[i] = char((i * 131) % 251);
    const int n = 300 * ctx.size;
    qint64 bytes = 0;
    out << Timing{QStringLiteral("build MIME message with 120 KB attachment"), n, timeIt([&] {
                      for (int i = 0; i < n; ++i)
                          bytes += MimeBuilder::build(statementMessage(i, pdf)).size();
                  })};

    SmtpSink sink;
    SmtpSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = sink.port();
    s.security = SmtpSettings::Security::None;
    {
        SmtpClient client(s);
        out << Timing{QStringLiteral("send statement mails over one connection"), n, timeIt([&] {
                          for (int i = 0; i < n; ++i)
                              client.send(statementMessage(i, pdf));
                      })};
    }
    {
        SmtpClient client(s);
        const int m = n / 3;
        out << Timing{QStringLiteral("send statement mails, a new connection each"), m, timeIt([&] {
                          for (int i = 0; i < m; ++i) {
                              client.send(statementMessage(i, pdf));
                              client.close();
                          }
                      })};
    }
    if (sink.accepted() != n + n / 3)
        qWarning("SMTP sink accepted %d messages, expected %d", sink.accepted(), n + n / 3);
    return out;
}

} // namespace

void registerMailScenarios()
{
    registerScenario({QStringLiteral("mail"),
                      QStringLiteral("statement e-mails: MIME build with a 120 KB attachment, sending to a local SMTP "
                                     "sink over one kept connection and with a new connection each"),
                      mailScenario});
}

} // namespace nimbo::bench
