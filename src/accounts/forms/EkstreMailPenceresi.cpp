#include "accounts/forms/EkstreMailPenceresi.h"
#include "accounts/forms/EkstreDosyasi.h"
#include "db/Errors.h"
#include "mail/MimeBuilder.h"
#include "mail/SmtpWorker.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "widgets/ErrorPresenter.h"
#include "widgets/FormUtil.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nimbo {

namespace {
QLineEdit* edit(const QString& name, int maxLength = 0)
{
    auto* e = new QLineEdit;
    e->setObjectName(name);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}
} // namespace

std::function<QString(QWidget*)>& EkstreMailPenceresi::dosyaSecici()
{
    static std::function<QString(QWidget*)> f = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Dosya Ekle"));
    };
    return f;
}

EkstreMailPenceresi::EkstreMailPenceresi(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Cari Ektstreleri E-Postayla Yolla"));
    auto* root = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(baglantiKutusu());
    top->addWidget(mesajKutusu(), 1);
    root->addLayout(top);
    m_icerik = new QVBoxLayout;
    root->addLayout(m_icerik, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ekKutusu(), 1);
    auto* durumKutu = new QGroupBox(QStringLiteral("Durum"));
    auto* dl = new QVBoxLayout(durumKutu);
    m_durum = new QPlainTextEdit;
    m_durum->setObjectName(QStringLiteral("MemoDURUM"));
    m_durum->setReadOnly(true);
    m_durum->setMaximumHeight(130);
    dl->addWidget(m_durum);
    bottom->addWidget(durumKutu, 1);
    root->addLayout(bottom);

    m_komut = new QHBoxLayout;
    m_etiket = new QLabel;
    m_etiket->setObjectName(QStringLiteral("LblDURUM"));
    m_komut->addWidget(m_etiket, 1);
    root->addLayout(m_komut);

    m_yuklenen = MailAyarlari::oku(db());
    // A firm without mail settings yet signs with its own name.
    if (m_yuklenen.firmaAdi.isEmpty())
        m_yuklenen.firmaAdi = SessionContext::current().param.kimlik.ad;
    m_sunucu->setText(m_yuklenen.postaSunucusu);
    m_port->setText(m_yuklenen.netPort);
    m_hesap->setText(m_yuklenen.hesapAdi);
    m_sifre->setText(m_yuklenen.hsParola);
    m_email->setText(m_yuklenen.email);
    m_firma->setText(m_yuklenen.firmaAdi);
    enterMovesFocus(this);
}

EkstreMailPenceresi::~EkstreMailPenceresi() { gondericiyiBirak(); }

Db EkstreMailPenceresi::db() const { return SessionContext::current().db(); }

QGroupBox* EkstreMailPenceresi::baglantiKutusu()
{
    auto* box = new QGroupBox(QStringLiteral("Bağlantı Ayarları"));
    auto* f = new QFormLayout(box);
    m_sunucu = edit(QStringLiteral("EditPOSTASUNUCUSU"), 85);
    m_port = edit(QStringLiteral("EditNETPORT"), 5);
    m_port->setValidator(new QIntValidator(1, 65535, m_port));
    m_hesap = edit(QStringLiteral("EditHESAPADI"), 65);
    m_sifre = edit(QStringLiteral("EditHSPAROLA"), 45);
    m_sifre->setEchoMode(QLineEdit::Password);
    m_email = edit(QStringLiteral("EditEMAIL"), 85);
    m_firma = edit(QStringLiteral("EditFIRMA_ADI"), 255);
    f->addRow(QStringLiteral("Posta Sunucusu"), m_sunucu);
    f->addRow(QStringLiteral("Bağlantı Noktası Numarası"), m_port);
    f->addRow(QStringLiteral("Hesap Adı"), m_hesap);
    f->addRow(QStringLiteral("Şifre"), m_sifre);
    f->addRow(QStringLiteral("Firmamız Email Adresi"), m_email);
    f->addRow(QStringLiteral("Firmamızın Adı"), m_firma);
    return box;
}

QGroupBox* EkstreMailPenceresi::mesajKutusu()
{
    auto* box = new QGroupBox(QStringLiteral("Mesaj"));
    m_mesaj = new QGridLayout(box);
    m_konu = edit(QStringLiteral("EditKONU"));
    m_konu->setText(QStringLiteral("Cari Ekstreniz"));
    m_hitapYaz = new QCheckBox(QStringLiteral("Mesaja Hitap ve Firma Adı  Yazdır "));
    m_hitapYaz->setObjectName(QStringLiteral("ChkHITAP"));
    m_hitapYaz->setChecked(true);
    m_hitap = edit(QStringLiteral("EditHITAP"));
    m_hitap->setText(QStringLiteral("Sayın"));
    connect(m_hitapYaz, &QCheckBox::toggled, m_hitap, &QWidget::setEnabled);
    m_ekYazi = new QPlainTextEdit;
    m_ekYazi->setObjectName(QStringLiteral("MemoEKYAZI"));
    m_ekYazi->setTabChangesFocus(true);
    m_ekYazi->setMaximumHeight(110);
    m_bicim = new QComboBox;
    m_bicim->setObjectName(QStringLiteral("CmbBICIM"));
    for (const auto& b : EkstreDosyasi::bicimler())
        m_bicim->addItem(b.first, b.second);
    m_mesaj->addWidget(new QLabel(QStringLiteral("Konu")), 0, 0);
    m_mesaj->addWidget(m_konu, 0, 1, 1, 3);
    m_mesaj->addWidget(m_hitapYaz, 1, 0, 1, 2);
    m_mesaj->addWidget(new QLabel(QStringLiteral("Hitap :")), 1, 2);
    m_mesaj->addWidget(m_hitap, 1, 3);
    m_mesaj->addWidget(new QLabel(QStringLiteral("Ekstreye Yazılacak Ek Yazı")), 2, 0, 1, 4);
    m_mesaj->addWidget(m_ekYazi, 3, 0, 1, 4);
    m_mesaj->addWidget(new QLabel(QStringLiteral("Ekstre Dosyası Biçimi")), 4, 0);
    m_mesaj->addWidget(m_bicim, 4, 1);
    m_mesaj->setColumnStretch(3, 1);
    return box;
}

QGroupBox* EkstreMailPenceresi::ekKutusu()
{
    auto* box = new QGroupBox(QStringLiteral("Attachments"));
    auto* l = new QGridLayout(box);
    m_ekler = new QTableWidget(0, 2);
    m_ekler->setObjectName(QStringLiteral("GridEKLER"));
    m_ekler->setHorizontalHeaderLabels({QStringLiteral("Dosya Adı"), QStringLiteral("İçerik Türü")});
    m_ekler->horizontalHeader()->setStretchLastSection(true);
    m_ekler->setColumnWidth(0, 220);
    m_ekler->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ekler->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ekler->setMaximumHeight(100);
    m_icerikTuru = edit(QStringLiteral("EditCONTENTTYPE"));
    m_icerikTuru->setText(QStringLiteral("text/plain"));
    auto* ekle = new QPushButton(QStringLiteral("Dosya Ekle"));
    ekle->setObjectName(QStringLiteral("BtnDOSYAEKLE"));
    ekle->setAutoDefault(false);
    connect(ekle, &QPushButton::clicked, this, &EkstreMailPenceresi::dosyaEkle);
    auto* sil = new QPushButton(QStringLiteral("Eki Çıkar"));
    sil->setObjectName(QStringLiteral("BtnEKSIL"));
    sil->setAutoDefault(false);
    connect(sil, &QPushButton::clicked, this, [this] {
        if (m_ekler->currentRow() >= 0)
            m_ekler->removeRow(m_ekler->currentRow());
    });
    l->addWidget(m_ekler, 0, 0, 1, 4);
    l->addWidget(new QLabel(QStringLiteral("ContentType")), 1, 0);
    l->addWidget(m_icerikTuru, 1, 1);
    l->addWidget(ekle, 1, 2);
    l->addWidget(sil, 1, 3);
    return box;
}

void EkstreMailPenceresi::dosyaEkle()
{
    if (m_icerikTuru->text().trimmed().isEmpty()) {
        Prompter::instance().warn(QStringLiteral("Indicate ContentType first"));
        return;
    }
    const QString path = dosyaSecici()(this);
    if (path.isEmpty())
        return;
    const int row = m_ekler->rowCount();
    m_ekler->insertRow(row);
    auto* name = new QTableWidgetItem(QFileInfo(path).fileName());
    name->setData(Qt::UserRole, path);
    name->setToolTip(path);
    m_ekler->setItem(row, 0, name);
    m_ekler->setItem(row, 1, new QTableWidgetItem(m_icerikTuru->text().trimmed()));
}

MailAyarlari EkstreMailPenceresi::ayarlar() const
{
    MailAyarlari a;
    a.postaSunucusu = m_sunucu->text().trimmed();
    a.netPort = m_port->text().trimmed();
    a.hesapAdi = m_hesap->text().trimmed();
    a.hsParola = m_sifre->text();
    a.email = m_email->text().trimmed();
    a.firmaAdi = m_firma->text().trimmed();
    return a;
}

EkstreMailMetni EkstreMailPenceresi::metin() const
{
    EkstreMailMetni m;
    m.konu = m_konu->text();
    m.hitapYaz = m_hitapYaz->isChecked();
    m.hitap = m_hitap->text();
    m.ekYazi = m_ekYazi->toPlainText();
    for (int r = 0; r < m_ekler->rowCount(); ++r) {
        const QString path = m_ekler->item(r, 0)->data(Qt::UserRole).toString();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            throw UserError(QStringLiteral("Ek dosya okunamadı: %1").arg(path));
        m.ekDosyalar << MailAttachment{m_ekler->item(r, 0)->text(), m_ekler->item(r, 1)->text(), f.readAll()};
    }
    return m;
}

QString EkstreMailPenceresi::dosyaBicimi() const { return m_bicim->currentData().toString(); }

bool EkstreMailPenceresi::gonderiyor() const { return m_worker && m_worker->isBusy(); }

bool EkstreMailPenceresi::ayarlarTamam()
{
    const MailAyarlari a = ayarlar();
    if (a.postaSunucusu.isEmpty()) {
        Prompter::instance().warn(QStringLiteral("Posta Sunucusu Belirtilmelidir."));
        m_sunucu->setFocus();
        return false;
    }
    if (!MimeBuilder::isValidAddress(a.email)) {
        Prompter::instance().warn(QStringLiteral("Firmamız Email Adresi Geçerli Bir E-Posta Adresi Olmalıdır."));
        m_email->setFocus();
        return false;
    }
    return true;
}

SmtpWorker* EkstreMailPenceresi::yeniGonderici(const std::function<void(const QString&)>& done)
{
    gondericiyiBirak();
    m_worker = new SmtpWorker(ayarlar().smtp(), this);
    connect(m_worker, &SmtpWorker::finished, this, done);
    return m_worker;
}

void EkstreMailPenceresi::gondericiyiBirak()
{
    if (!m_worker)
        return;
    m_worker->cancel();
    delete m_worker;
    m_worker = nullptr;
}

void EkstreMailPenceresi::closeEvent(QCloseEvent* e)
{
    gondericiyiBirak();
    if (ayarlar() != m_yuklenen
        && Prompter::instance().ask(QStringLiteral("Mail Bağlantı Ayarları Bilgilerinizi Değiştirdiniz. Saklansın mı?"))) {
        const MailAyarlari a = ayarlar();
        if (!ErrorPresenter::run([&] { a.sakla(db()); })) {
            e->ignore();
            return;
        }
        m_yuklenen = a;
    }
    QWidget::closeEvent(e);
}

} // namespace nimbo
