#include "accounts/forms/TFormMailGonder.h"
#include "accounts/forms/EkstreDosyasi.h"
#include "mail/SmtpError.h"
#include "mail/SmtpWorker.h"
#include "services/SessionContext.h"
#include "widgets/ErrorPresenter.h"
#include "accounts/CariListe.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

namespace nimbo {

QStringList TFormMailGonder::ekstreTurleri()
{
    return {QStringLiteral("Genel Cari Ekstre"), QStringLiteral("Seçili Dvz.Cinsinden C.Ekstre"),
            QStringLiteral("TL'ye İndirgenmiş C.Ekstre"), QStringLiteral("USD'ye İndirgenmiş C.Ekstre"),
            QStringLiteral("EUR'ye İndirgenmiş C.Ekstre")};
}

TFormMailGonder::TFormMailGonder(const QStringList& cariKodlari, QWidget* parent) : EkstreMailPenceresi(parent)
{
    setObjectName(QStringLiteral("TFormMailGonder"));
    resize(1000, 720);
    m_liste = TopluEkstreMaili::alicilar(db(), cariKodlari.isEmpty() ? CariListe(db()).kodlar() : cariKodlari);

    m_tur = new QComboBox;
    m_tur->setObjectName(QStringLiteral("CmbEKSTRETURU"));
    m_tur->addItems(ekstreTurleri());
    m_doviz = new QComboBox;
    m_doviz->setObjectName(QStringLiteral("CmbDOVIZ"));
    for (const PickItem& d : SessionContext::current().dovizler)
        m_doviz->addItem(d.value.toString(), d.value);
    m_doviz->setEnabled(false);
    connect(m_tur, &QComboBox::currentIndexChanged, this, [this](int i) { m_doviz->setEnabled(i == 1); });
    mesajAlani()->addWidget(new QLabel(QStringLiteral("Gönderilecek Ekstre Türü")), 5, 0);
    mesajAlani()->addWidget(m_tur, 5, 1);
    mesajAlani()->addWidget(m_doviz, 5, 2);

    auto* orta = new QHBoxLayout;
    auto* cariKutu = new QGroupBox(QStringLiteral("Cariler"));
    auto* cl = new QVBoxLayout(cariKutu);
    m_cariler = new QTableWidget(int(m_liste.size()), 3);
    m_cariler->setObjectName(QStringLiteral("GridCARILER"));
    m_cariler->setHorizontalHeaderLabels({QStringLiteral("Cari Kodu"), QStringLiteral("Cari Adı"), QStringLiteral("E-Posta")});
    m_cariler->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_cariler->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_cariler->horizontalHeader()->setStretchLastSection(true);
    m_cariler->verticalHeader()->hide();
    for (int i = 0; i < m_liste.size(); ++i) {
        m_cariler->setItem(i, 0, new QTableWidgetItem(m_liste[i].kod));
        m_cariler->setItem(i, 1, new QTableWidgetItem(m_liste[i].ad));
        m_cariler->setItem(i, 2, new QTableWidgetItem(m_liste[i].email));
    }
    m_cariler->setColumnWidth(0, 100);
    m_cariler->setColumnWidth(1, 240);
    cl->addWidget(m_cariler);
    orta->addWidget(cariKutu, 3);
    auto* gitKutu = new QGroupBox(QStringLiteral("Gitmeyen Mailler Raporu"));
    auto* gl = new QVBoxLayout(gitKutu);
    m_gitmeyen = new QListWidget;
    m_gitmeyen->setObjectName(QStringLiteral("LstGITMEYEN"));
    gl->addWidget(m_gitmeyen);
    orta->addWidget(gitKutu, 2);
    icerikAlani()->addLayout(orta);

    m_sayac = new QLabel;
    m_sayac->setObjectName(QStringLiteral("LblSAYAC"));
    m_ilerleme = new QProgressBar;
    m_ilerleme->setObjectName(QStringLiteral("ProgressBar"));
    m_ilerleme->setValue(0);
    m_gonder = new QPushButton(QStringLiteral("Gönder"));
    m_gonder->setObjectName(QStringLiteral("BtnGONDER"));
    m_gonder->setAutoDefault(false);
    connect(m_gonder, &QPushButton::clicked, this, &TFormMailGonder::gonder);
    m_iptal = new QPushButton(QStringLiteral("İptal"));
    m_iptal->setObjectName(QStringLiteral("BtnIPTAL"));
    m_iptal->setAutoDefault(false);
    m_iptal->setEnabled(false);
    connect(m_iptal, &QPushButton::clicked, this, &TFormMailGonder::iptal);
    auto* kapat = new QPushButton(QStringLiteral("Kapat"));
    kapat->setObjectName(QStringLiteral("BtnKAPAT"));
    kapat->setAutoDefault(false);
    connect(kapat, &QPushButton::clicked, this, &QWidget::close);
    komutAlani()->insertWidget(0, m_sayac, 1);
    komutAlani()->insertWidget(1, m_ilerleme, 2);
    komutAlani()->addWidget(m_gonder);
    komutAlani()->addWidget(m_iptal);
    komutAlani()->addWidget(kapat);
}

TFormMailGonder::~TFormMailGonder() { gondericiyiBirak(); }

void TFormMailGonder::gonder()
{
    if (m_toplu || !ayarlarTamam())
        return;
    EkstreMailMetni m;
    if (!ErrorPresenter::run([&] { m = metin(); }))
        return;
    durum()->clear();
    m_gitmeyen->clear();
    m_toplu = std::make_unique<TopluEkstreMaili>(ayarlar(), m, m_liste,
                                                 [this](const MailAlicisi& a) { return ekstre(a); });
    int adresli = 0;
    for (const MailAlicisi& a : m_liste)
        adresli += a.email.trimmed().isEmpty() ? 0 : 1;
    m_ilerleme->setRange(0, qMax(1, adresli));
    m_ilerleme->setValue(0);
    m_sayac->setText(m_toplu->ilerlemeMetni());
    etiket()->setText(QStringLiteral("Gönderiliyor..."));
    m_gonder->setEnabled(false);
    m_iptal->setEnabled(true);
    yeniGonderici([this](const QString& hata) {
        sonucuKaydet(m_gonderilen, hata);
        sonraki();
    });
    sonraki();
}

void TFormMailGonder::sonraki()
{
    if (!m_toplu)
        return;
    // Closed while the walk was under way: the worker is gone, so is the walk.
    if (!gonderici()) {
        m_toplu.reset();
        return;
    }
    MailAlicisi a;
    if (gonderici()->isCancelled() || !m_toplu->sonraki(&a)) {
        bitir();
        return;
    }
    MailMessage msg;
    QString hata;
    try {
        // The statement is made here, on the window's connection; only the send runs on the worker.
        msg = m_toplu->hazirla(a);
    } catch (const SmtpError& e) {
        hata = e.message();
    } catch (const UserError& e) {
        hata = e.message();
    } catch (const DbError& e) {
        hata = QStringLiteral("Hata: ") + e.text();
    }
    if (!hata.isEmpty()) {
        sonucuKaydet(a, hata);
        QTimer::singleShot(0, this, &TFormMailGonder::sonraki);
        return;
    }
    m_gonderilen = a;
    gonderici()->send(msg);
}

void TFormMailGonder::sonucuKaydet(const MailAlicisi& a, const QString& hata)
{
    m_toplu->kaydet(a, hata);
    if (!hata.isEmpty()) {
        QTextCursor c(durum()->document());
        c.movePosition(QTextCursor::Start);
        c.insertText(TopluEkstreMaili::hataSatiri(hata) + QLatin1Char('\n'));
        m_gitmeyen->addItem(TopluEkstreMaili::gitmeyenSatiri({a, hata}));
    }
    m_ilerleme->setValue(m_toplu->sayac());
    m_sayac->setText(m_toplu->ilerlemeMetni());
}

void TFormMailGonder::bitir()
{
    const bool iptal = gonderici()->isCancelled();
    gonderici()->close();
    etiket()->setText(iptal ? QStringLiteral("İptal Edildi.") : QStringLiteral("Bitti."));
    m_toplu.reset();
    m_gonder->setEnabled(true);
    m_iptal->setEnabled(false);
    Q_EMIT bitti();
}

void TFormMailGonder::iptal()
{
    if (m_toplu && gonderici())
        gonderici()->cancel();
}

QString TFormMailGonder::ilerlemeMetni() const { return m_sayac->text(); }

QStringList TFormMailGonder::gitmeyenler() const
{
    QStringList out;
    for (int i = 0; i < m_gitmeyen->count(); ++i)
        out << m_gitmeyen->item(i)->text();
    return out;
}

MailAttachment TFormMailGonder::ekstre(const MailAlicisi& a) const
{
    using B = CariEkstreRaporu::Bicim;
    const int tur = m_tur->currentIndex();
    const B b = tur == 1 ? B::Dovizli : tur == 3 ? B::Usd : tur == 4 ? B::Eur : B::Yerel;
    ReportModel r = EkstreDosyasi::rapor(db(), a.kod, {}, b, m_doviz->currentData().toString());
    if (tur == 2)
        r.title = QStringLiteral("TL Cinsinden Cari Hesap Ekstresi");
    return EkstreDosyasi::yaz(r, dosyaBicimi(), klasor(), QStringLiteral("CariExtr"));
}

} // namespace nimbo
