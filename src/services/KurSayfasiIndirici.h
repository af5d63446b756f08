#pragma once
#include <QObject>
#include <QNetworkReply>
#include <QDate>
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

    // The bank's XML file of the day; a page in the fixed-column format may be set instead.
    static QString varsayilanAdres();
    // The file of a past day beside the configured one: kurlar/YYYYMM/DDMMYYYY.xml.
    static QUrl gunAdresi(const QUrl& adres, const QDate& gun);

    void baslat(const QUrl& adres, int zamanAsimiMs = 15000);
    void iptal();
    bool calisiyor() const { return m_reply != nullptr; }
    // The HTTP status of the last finished fetch (0 when none came).
    int sonDurum() const { return m_status; }

Q_SIGNALS:
    void ilerleme(qint64 alinan, qint64 toplam); // toplam -1 when unknown
    void indi(const QString& sayfa);
    void hata(const QString& mesaj);

private:
    void bitti();

    QNetworkAccessManager* m_nam;
    QPointer<QNetworkReply> m_reply;
    int m_status = 0;
};

} // namespace nimbo
