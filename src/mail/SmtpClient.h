#pragma once
#include "mail/MailMessage.h"
#include "mail/SmtpSettings.h"

#include <atomic>

namespace nimbo {

// Sends messages through an SMTP server with libcurl. The connection stays open between
// messages of one batch and is closed by close() or the destructor. One client is used by
// one thread at a time. send() throws SmtpError with the reason in Turkish; nothing waits
// longer than the settings' time-out, and a set cancel flag stops a send under way.
class SmtpClient {
public:
    explicit SmtpClient(const SmtpSettings& settings);
    ~SmtpClient();
    SmtpClient(const SmtpClient&) = delete;
    SmtpClient& operator=(const SmtpClient&) = delete;

    void send(const MailMessage& message);
    // Sends bytes already built (RFC 5322) from one sender to the recipients.
    void sendRaw(const QString& from, const QStringList& to, const QByteArray& bytes);
    bool isOpen() const { return m_curl != nullptr; }
    void close();
    void setCancelFlag(const std::atomic_bool* cancel) { m_cancel = cancel; }
    const SmtpSettings& settings() const { return m_settings; }

private:
    QString url() const;

    SmtpSettings m_settings;
    void* m_curl = nullptr;
    const std::atomic_bool* m_cancel = nullptr;
};

} // namespace nimbo
