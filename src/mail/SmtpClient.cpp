#include "mail/SmtpClient.h"
#include "mail/MimeBuilder.h"
#include "mail/SmtpError.h"

#include <curl/curl.h>
#include <mutex>

namespace nimbo {

namespace {

void globalInit()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer {
    QByteArray data;
    qsizetype pos = 0;
    QString rejection; // the last 4xx/5xx answer of the server
    const std::atomic_bool* cancel = nullptr;
};

size_t readData(char* buffer, size_t size, size_t count, void* user)
{
    auto* t = static_cast<Transfer*>(user);
    const qsizetype n = qMin<qsizetype>(qsizetype(size * count), t->data.size() - t->pos);
    if (n > 0) {
        memcpy(buffer, t->data.constData() + t->pos, size_t(n));
        t->pos += n;
    }
    return size_t(n);
}

int progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* t = static_cast<const Transfer*>(user);
    return t && t->cancel && t->cancel->load() ? 1 : 0;
}

// Keeps what the server answered so a refusal can be told with its own words.
int trace(CURL*, curl_infotype type, char* data, size_t size, void* user)
{
    if (type != CURLINFO_HEADER_IN || !user)
        return 0;
    const QString line = QString::fromUtf8(data, qsizetype(size)).trimmed();
    if (line.size() >= 3 && (line[0] == QLatin1Char('4') || line[0] == QLatin1Char('5')) && line[1].isDigit())
        static_cast<Transfer*>(user)->rejection = line;
    return 0;
}

QString reason(CURLcode rc, const QString& detail, const Transfer& t, const SmtpSettings& s)
{
    const QString where = QStringLiteral("%1:%2").arg(s.host).arg(s.port);
    switch (rc) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("Posta sunucusu bulunamadı: %1").arg(s.host);
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("Posta sunucusuna bağlanılamadı: %1").arg(where);
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("Posta sunucusu zamanında yanıt vermedi (%1 sn): %2")
            .arg(QString::number(s.timeoutMs / 1000.0), where);
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("Posta sunucusu hesap adını veya şifreyi kabul etmedi");
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("Posta sunucusu şifreli bağlantı (STARTTLS) sunmuyor");
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
        return QStringLiteral("Posta sunucusuyla şifreli bağlantı kurulamadı");
    case CURLE_ABORTED_BY_CALLBACK:
        return QStringLiteral("Gönderim iptal edildi");
    default:
        break;
    }
    if (detail.startsWith(QLatin1String("RCPT failed")))
        return QStringLiteral("Alıcı adresi posta sunucusu tarafından kabul edilmedi");
    if (detail.startsWith(QLatin1String("MAIL failed")))
        return QStringLiteral("Gönderen adresi posta sunucusu tarafından kabul edilmedi");
    if (!t.rejection.isEmpty())
        return QStringLiteral("Posta sunucusu iletiyi kabul etmedi");
    if (rc == CURLE_SEND_ERROR || rc == CURLE_RECV_ERROR || rc == CURLE_GOT_NOTHING || rc == CURLE_PARTIAL_FILE
        || rc == CURLE_WEIRD_SERVER_REPLY)
        return QStringLiteral("Posta sunucusu bağlantıyı yarıda kesti");
    return QStringLiteral("İleti gönderilemedi");
}

} // namespace

SmtpClient::SmtpClient(const SmtpSettings& settings) : m_settings(settings) { globalInit(); }

SmtpClient::~SmtpClient() { close(); }

void SmtpClient::close()
{
    if (m_curl)
        curl_easy_cleanup(static_cast<CURL*>(m_curl));
    m_curl = nullptr;
}

QString SmtpClient::url() const
{
    using S = SmtpSettings::Security;
    const bool implicit =
        m_settings.security == S::ImplicitTls || (m_settings.security == S::Auto && m_settings.port == 465);
    return QStringLiteral("%1://%2:%3").arg(implicit ? QStringLiteral("smtps") : QStringLiteral("smtp"),
                                            m_settings.host.trimmed())
        .arg(m_settings.port);
}

void SmtpClient::send(const MailMessage& message)
{
    if (!MimeBuilder::isValidAddress(message.fromAddress.trimmed()))
        throw SmtpError(QStringLiteral("Gönderen e-posta adresi geçersiz: \"%1\"").arg(message.fromAddress));
    if (message.to.isEmpty())
        throw SmtpError(QStringLiteral("Alıcı e-posta adresi boş"));
    for (const QString& a : message.to)
        if (!MimeBuilder::isValidAddress(a.trimmed()))
            throw SmtpError(QStringLiteral("Alıcı e-posta adresi geçersiz: \"%1\"").arg(a));
    sendRaw(message.fromAddress.trimmed(), message.to, MimeBuilder::build(message));
}

void SmtpClient::sendRaw(const QString& from, const QStringList& to, const QByteArray& bytes)
{
    if (m_settings.host.trimmed().isEmpty())
        throw SmtpError(QStringLiteral("Posta sunucusu belirtilmemiş"));
    if (m_settings.port <= 0 || m_settings.port > 65535)
        throw SmtpError(QStringLiteral("Bağlantı noktası numarası geçersiz: %1").arg(m_settings.port));
    if (!m_curl)
        m_curl = curl_easy_init();
    CURL* c = static_cast<CURL*>(m_curl);
    if (!c)
        throw SmtpError(QStringLiteral("İleti gönderilemedi (libcurl başlatılamadı)"));

    Transfer t;
    t.data = bytes;
    t.cancel = m_cancel;
    char errbuf[CURL_ERROR_SIZE] = {0};

    const QByteArray urlBytes = url().toUtf8();
    const QByteArray fromBytes = '<' + from.toUtf8() + '>';
    const QByteArray user = m_settings.userName.toUtf8();
    const QByteArray pass = m_settings.password.toUtf8();
    const QByteArray caFile = m_settings.caFile.toUtf8();
    curl_slist* rcpt = nullptr;
    for (const QString& a : to)
        rcpt = curl_slist_append(rcpt, ('<' + a.trimmed().toUtf8() + '>').constData());

    using S = SmtpSettings::Security;
    curl_easy_setopt(c, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errbuf);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(m_settings.connectTimeoutMs));
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, long(m_settings.timeoutMs));
    curl_easy_setopt(c, CURLOPT_USE_SSL,
                     m_settings.security == S::None       ? long(CURLUSESSL_NONE)
                     : m_settings.security == S::StartTls ? long(CURLUSESSL_ALL)
                                                          : long(CURLUSESSL_TRY));
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, m_settings.verifyPeer ? 1L : 0L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, m_settings.verifyPeer ? 2L : 0L);
    curl_easy_setopt(c, CURLOPT_CAINFO, caFile.isEmpty() ? nullptr : caFile.constData());
    if (user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, nullptr);
        curl_easy_setopt(c, CURLOPT_PASSWORD, nullptr);
        curl_easy_setopt(c, CURLOPT_LOGIN_OPTIONS, nullptr);
    } else {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, pass.constData());
        curl_easy_setopt(c, CURLOPT_LOGIN_OPTIONS,
                         m_settings.auth == SmtpSettings::Auth::Plain   ? "AUTH=PLAIN"
                         : m_settings.auth == SmtpSettings::Auth::Login ? "AUTH=LOGIN"
                                                                        : nullptr);
    }
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, fromBytes.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readData);
    curl_easy_setopt(c, CURLOPT_READDATA, &t);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(bytes.size()));
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, trace);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &t);

    const CURLcode rc = curl_easy_perform(c);

    // The handle outlives this call: nothing may point at the locals above.
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, nullptr);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_setopt(c, CURLOPT_READDATA, nullptr);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, nullptr);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, nullptr);
    curl_slist_free_all(rcpt);

    if (rc == CURLE_OK)
        return;
    const QString detail = errbuf[0] ? QString::fromUtf8(errbuf).trimmed() : QString::fromUtf8(curl_easy_strerror(rc));
    QString text = reason(rc, detail, t, m_settings);
    const QString said = t.rejection.isEmpty() ? detail : t.rejection;
    if (rc != CURLE_ABORTED_BY_CALLBACK && !said.isEmpty())
        text += QStringLiteral(" (%1)").arg(said);
    throw SmtpError(text);
}

} // namespace nimbo
