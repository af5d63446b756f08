#include "services/KurSayfasiIndirici.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>

namespace nimbo {

KurSayfasiIndirici::KurSayfasiIndirici(QObject* parent) : QObject(parent), m_nam(new QNetworkAccessManager(this)) {}

KurSayfasiIndirici::~KurSayfasiIndirici() { iptal(); }

QString KurSayfasiIndirici::varsayilanAdres() { return QStringLiteral("https://www.tcmb.gov.tr/kurlar/today.xml"); }

QUrl KurSayfasiIndirici::gunAdresi(const QUrl& adres, const QDate& gun)
{
    return adres.resolved(QUrl(gun.toString(QStringLiteral("yyyyMM")) + QLatin1Char('/')
                               + gun.toString(QStringLiteral("ddMMyyyy")) + QStringLiteral(".xml")));
}

void KurSayfasiIndirici::baslat(const QUrl& adres, int zamanAsimiMs)
{
    iptal();
    m_status = 0;
    if (!adres.isValid() || adres.scheme().isEmpty()) {
        Q_EMIT hata(QStringLiteral("TCMB kur sayfası adresi geçersiz: ") + adres.toString());
        return;
    }
    QNetworkRequest req(adres);
    req.setTransferTimeout(zamanAsimiMs);
    req.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_reply = m_nam->get(req);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &KurSayfasiIndirici::ilerleme);
    connect(m_reply, &QNetworkReply::finished, this, &KurSayfasiIndirici::bitti);
}

void KurSayfasiIndirici::iptal()
{
    if (!m_reply)
        return;
    QNetworkReply* r = m_reply;
    m_reply = nullptr;
    r->disconnect(this);
    r->abort();
    r->deleteLater();
}

void KurSayfasiIndirici::bitti()
{
    QNetworkReply* r = m_reply;
    if (!r)
        return;
    m_reply = nullptr;
    r->deleteLater();
    const int status = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    m_status = status;
    if (r->error() == QNetworkReply::OperationCanceledError || r->error() == QNetworkReply::TimeoutError) {
        Q_EMIT hata(QStringLiteral("TCMB kur sayfası zaman aşımına uğradı. Bağlantınızı kontrol edip tekrar deneyin."));
        return;
    }
    if (r->error() != QNetworkReply::NoError && status < 400) {
        Q_EMIT hata(QStringLiteral("TCMB kur sayfasına ulaşılamadı: ") + r->errorString());
        return;
    }
    if (status >= 400) {
        Q_EMIT hata(QStringLiteral("TCMB kur sayfası alınamadı (HTTP %1).").arg(status));
        return;
    }
    const QByteArray body = r->readAll();
    auto utf8 = QStringDecoder(QStringDecoder::Utf8);
    QString text = utf8(body);
    if (utf8.hasError())
        text = QString::fromLatin1(body); // older pages came in a single-byte code page
    Q_EMIT indi(text);
}

} // namespace nimbo
