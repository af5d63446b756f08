#pragma once
#include "mail/MailMessage.h"
#include "mail/SmtpSettings.h"

#include <QObject>
#include <atomic>
#include <memory>

class QThread;

namespace nimbo {

class SmtpClient;

// Sends one message at a time on a thread of its own so the window that asked stays
// responsive; finished() arrives on the owner's thread with the error text (empty when the
// message went). The connection stays open between messages until close().
class SmtpWorker : public QObject {
    Q_OBJECT
public:
    explicit SmtpWorker(const SmtpSettings& settings, QObject* parent = nullptr);
    // Cancels a send under way and waits for it (at most the settings' time-out).
    ~SmtpWorker() override;

    // Ignored while a send is under way.
    void send(const MailMessage& message);
    bool isBusy() const { return m_thread != nullptr; }
    // Stops the send under way; it finishes with "Gönderim iptal edildi".
    void cancel() { m_cancel = true; }
    bool isCancelled() const { return m_cancel; }
    // Closes the connection; waits for a send under way first.
    void close();

Q_SIGNALS:
    void finished(const QString& error);

private:
    void wait();

    std::shared_ptr<SmtpClient> m_client;
    std::atomic_bool m_cancel{false};
    QThread* m_thread = nullptr;
};

} // namespace nimbo
