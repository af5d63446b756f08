#pragma once
#include <QObject>
#include <QNetworkReply>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;

namespace nimbo {

// Fetches the daily rate page without blocking the caller's event loop. Exactly one of
// indi() or hata() follows every baslat(); hata() carries the Turkish text to show.
class KurSayfasiIndirici : public QObject {
    Q_OBJECT
public:
    explicit KurSayfasiIndirici(QObject* parent = nullptr);
    ~KurSayfasiIndirici() override;

    static QString varsayilanAdres();

    void baslat(const QUrl& adres, int zamanAsimiMs = 15000);
    void iptal();
    bool calisiyor() const { return m_reply != nullptr; }

Q_SIGNALS:
    void ilerleme(qint64 alinan, qint64 toplam); // toplam -1 when unknown
    void indi(const QString& sayfa);
    void hata(const QString& mesaj);

private:
    void bitti();

    QNetworkAccessManager* m_nam;
    QPointer<QNetworkReply> m_reply;
};

} // namespace nimbo
