#include "accounts/forms/TFormMailCHrkGonder.h"
#include "accounts/TopluEkstreMaili.h"
#include "accounts/forms/EkstreDosyasi.h"
#include "mail/MimeBuilder.h"
#include "mail/SmtpWorker.h"
#include "services/Prompter.h"
#include "widgets/ErrorPresenter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace nimbo {

QStringList TFormMailCHrkGonder::ekstreTurleri()
{
    return {QStringLiteral("Genel Cari Ekstre"), QStringLiteral("Cari Ekstre")};
}

QString TFormMailCHrkGonder::baslik(const QDate& bas, const QDate& bit)
{
    return bas.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char(' ') + bit.toString(QStringLiteral("dd.MM.yyyy"))
           + QStringLiteral(" TL Cinsinden Cari Hesap Ekstresi");
}

TFormMailCHrkGonder::TFormMailCHrkGonder(const QString& cariKod, const CariEkstreFiltre& filtre, QWidget* parent)
    : EkstreMailPenceresi(parent), m_kod(cariKod), m_filtre(filtre)
{
    setObjectName(QStringLiteral("TFormMailCHrkGonder"));
    resize(900, 600);
    const QVector<MailAlicisi> alici = TopluEkstreMaili::alicilar(db(), {cariKod});
    m_ad = alici.isEmpty() ? QString() : alici.first().ad;
    m_alici = new QLineEdit(alici.isEmpty() ? QString() : alici.first().email);
    m_alici->setObjectName(QStringLiteral("EditALICI"));
    m_alici->setMaxLength(85);
    m_tur = new QComboBox;
    m_tur->setObjectName(QStringLiteral("CmbEKSTRETURU"));
    m_tur->addItems(ekstreTurleri());
    m_dosyaEki = new QCheckBox(QStringLiteral("Ekstreyi Dosya Eki Olarak Yolla"));
    m_dosyaEki->setObjectName(QStringLiteral("ChkDOSYAEKI"));
    m_dosyaEki->setChecked(true);

    auto* cari = new QLabel(QStringLiteral("<b>%1</b>  %2").arg(cariKod.toHtmlEscaped(), m_ad.toHtmlEscaped()));
    cari->setObjectName(QStringLiteral("LblCARI"));
    mesajAlani()->addWidget(new QLabel(QStringLiteral("Cari")), 5, 0);
    mesajAlani()->addWidget(cari, 5, 1, 1, 3);
    mesajAlani()->addWidget(new QLabel(QStringLiteral("E-Posta")), 6, 0);
    mesajAlani()->addWidget(m_alici, 6, 1, 1, 3);
    mesajAlani()->addWidget(new QLabel(QStringLiteral("Gönderilecek Ekstre Türü")), 7, 0);
    mesajAlani()->addWidget(m_tur, 7, 1);
    mesajAlani()->addWidget(m_dosyaEki, 7, 2, 1, 2);

    m_gonder = new QPushButton(QStringLiteral("Gönder"));
    m_gonder->setObjectName(QStringLiteral("BtnGONDER"));
    m_gonder->setAutoDefault(false);
    connect(m_gonder, &QPushButton::clicked, this, &TFormMailCHrkGonder::gonder);
    auto* kapat = new QPushButton(QStringLiteral("Kapat"));
    kapat->setObjectName(QStringLiteral("BtnKAPAT"));
    kapat->setAutoDefault(false);
    connect(kapat, &QPushButton::clicked, this, &QWidget::close);
    komutAlani()->addWidget(m_gonder);
    komutAlani()->addWidget(kapat);
    setWindowTitle(windowTitle() + QStringLiteral(" - ") + cariKod);
}

TFormMailCHrkGonder::~TFormMailCHrkGonder() { gondericiyiBirak(); }

MailAttachment TFormMailCHrkGonder::ekstre() const
{
    using B = CariEkstreRaporu::Bicim;
    // Written into the message, the statement must be text.
    const QString bicim = m_dosyaEki->isChecked() ? dosyaBicimi() : QStringLiteral("Text");
    if (m_tur->currentIndex() == 0)
        return EkstreDosyasi::yaz(EkstreDosyasi::rapor(db(), m_kod, {}, B::Yerel), bicim, klasor(),
                                  QStringLiteral("CariEx"));
    CariEkstreFiltre f;
    f.tarihBas = m_filtre.tarihBas;
    f.tarihBit = m_filtre.tarihBit;
    ReportModel r = EkstreDosyasi::rapor(db(), m_kod, f, B::Yerel);
    const QDate bas = f.tarihBas.isValid() ? f.tarihBas : QDate(QDate::currentDate().year(), 1, 1);
    const QDate bit = f.tarihBit.isValid() ? f.tarihBit : QDate::currentDate();
    r.title = baslik(bas, bit);
    return EkstreDosyasi::yaz(r, bicim, klasor(), QStringLiteral("CariEx"));
}

void TFormMailCHrkGonder::gonder()
{
    if (gonderiyor() || !ayarlarTamam())
        return;
    const QString alici = m_alici->text().trimmed();
    const QStringList adresler = MimeBuilder::splitAddresses(alici);
    if (adresler.isEmpty()) {
        Prompter::instance().warn(QStringLiteral("Carinin E-Posta Adresi Yok."));
        m_alici->setFocus();
        return;
    }
    for (const QString& a : adresler)
        if (!MimeBuilder::isValidAddress(a)) {
            Prompter::instance().warn(QStringLiteral("Alıcı e-posta adresi geçersiz: \"%1\"").arg(a));
            m_alici->setFocus();
            return;
        }
    MailMessage msg;
    if (!ErrorPresenter::run([&] { msg = metin().mesaj(ayarlar(), alici, m_ad, ekstre(), m_dosyaEki->isChecked()); }))
        return;
    durum()->clear();
    etiket()->setText(QStringLiteral("Gönderiliyor..."));
    m_gonder->setEnabled(false);
    yeniGonderici([this](const QString& hata) {
        gonderici()->close();
        m_gonder->setEnabled(true);
        etiket()->setText(QStringLiteral("Bitti."));
        if (!hata.isEmpty()) {
            durum()->setPlainText(TopluEkstreMaili::hataSatiri(hata));
            Prompter::instance().error(hata);
        }
        Q_EMIT bitti(hata);
    })->send(msg);
}

} // namespace nimbo
