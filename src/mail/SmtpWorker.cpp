#include "mail/SmtpWorker.h"
#include "mail/SmtpClient.h"
#include "mail/SmtpError.h"

#include <QThread>

namespace nimbo {

SmtpWorker::SmtpWorker(const SmtpSettings& settings, QObject* parent)
    : QObject(parent), m_client(std::make_shared<SmtpClient>(settings))
{
    m_client->setCancelFlag(&m_cancel);
}

SmtpWorker::~SmtpWorker()
{
    m_cancel = true;
    wait();
}

void SmtpWorker::wait()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

void SmtpWorker::send(const MailMessage& message)
{
    if (m_thread)
        return;
    std::shared_ptr<SmtpClient> client = m_client;
    m_thread = QThread::create([this, client, message] {
        QString error;
        try {
            client->send(message);
        } catch (const SmtpError& e) {
            error = e.message();
        } catch (const std::exception& e) {
            error = QString::fromUtf8(e.what());
        }
        // Back on the owner's thread; dropped when the worker is gone by then.
        QMetaObject::invokeMethod(
            this,
            [this, error] {
                wait();
                Q_EMIT finished(error);
            },
            Qt::QueuedConnection);
    });
    m_thread->start();
}

void SmtpWorker::close()
{
    wait();
    m_client->close();
}

} // namespace nimbo
