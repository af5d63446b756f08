#include "stock/forms/TFormStkFis.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "stock/StokFisAktarimi.h"
#include "stock/StokFisTipi.h"
#include "stock/forms/StokFisSatirModeli.h"
#include "widgets/ErrorPresenter.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSqlRecord>
#include <QTableView>
#include <QVBoxLayout>

namespace nimbo {

namespace {

int g_acik = 0;

QString para(double v) { return QLocale(QLocale::Turkish).toString(v, 'f', 2); }

QPushButton* dugme(const QString& text, const char* name)
{
    auto* b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

bool TFormStkFis::acilabilir()
{
    if (g_acik < 2)
        return true;
    Prompter::instance().warn(
        QStringLiteral("2 den fazla Stok Fişi Penceresi ile Çalışılmaz.Lütfen Stok Fişi Pencerelerinden Birini Kapatıp "
                       "Bu Kaydı yeniden Çağırmayo Deneyin."));
    return false;
}

int TFormStkFis::acikPencere() { return g_acik; }

TFormStkFis::TFormStkFis(double hrkNo, const QString& tip, QWidget* parent)
    : QDialog(parent), m_fis(SessionContext::current().db())
{
    ++g_acik;
    setObjectName(QStringLiteral("TFormStkFis"));
    setWindowTitle(QStringLiteral("Stok Fişi Kayıt Formu"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (hrkNo != 0)
        m_fis.ac(hrkNo);
    else
        m_fis.yeni(tip.isEmpty() ? QStringLiteral("D") : tip);

    auto* lay = new QVBoxLayout(this);
    auto* ust = new QHBoxLayout;
    auto* sol = new QFormLayout;
    auto* orta = new QFormLayout;
    auto* sag = new QFormLayout;
    ust->addLayout(sol);
    ust->addLayout(orta);
    ust->addLayout(sag);
    lay->addLayout(ust);

    m_tip = new QComboBox;
    m_tip->setObjectName(QStringLiteral("CmbTIP"));
    for (const QString& t : StokFisTipi::hepsi())
        m_tip->addItem(StokFisTipi::ad(t), t);
    m_tip->setEnabled(m_fis.yeniMi());
    m_no = new QLabel;
    m_no->setObjectName(QStringLiteral("LblHRKNO"));
    m_tarih = new QDateEdit;
    m_tarih->setObjectName(QStringLiteral("EditTARIH"));
    m_tarih->setCalendarPopup(true);
    m_tarih->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_usd = new QLineEdit;
    m_usd->setObjectName(QStringLiteral("EditUSDFYT"));
    m_eur = new QLineEdit;
    m_eur->setObjectName(QStringLiteral("EditEURFYT"));
    sol->addRow(QStringLiteral("Fiş Tipi"), m_tip);
    sol->addRow(QStringLiteral("Fiş No"), m_no);
    sol->addRow(QStringLiteral("Tarih"), m_tarih);
    sol->addRow(QStringLiteral("USD Kuru"), m_usd);
    sol->addRow(QStringLiteral("EUR Kuru"), m_eur);

    m_cikDepo = new QComboBox;
    m_cikDepo->setObjectName(QStringLiteral("CmbCIKDEPO"));
    m_girDepo = new QComboBox;
    m_girDepo->setObjectName(QStringLiteral("CmbGIRDEPO"));
    m_durum = new QComboBox;
    m_durum->setObjectName(QStringLiteral("CmbHRKDURUM"));
    m_durum->addItem(QStringLiteral("Transfer Edilecek"), QStringLiteral("E"));
    m_durum->addItem(QStringLiteral("Transfer Edildi"), QStringLiteral("T"));
    m_depo = new QComboBox;
    m_depo->setObjectName(QStringLiteral("CmbDEPO"));
    doldurDepolar(m_cikDepo, true);
    doldurDepolar(m_girDepo, true);
    doldurDepolar(m_depo, false);
    orta->addRow(QStringLiteral("Çıkış Deposu"), m_cikDepo);
    orta->addRow(QStringLiteral("Giriş Deposu"), m_girDepo);
    orta->addRow(QStringLiteral("Transfer Durumu"), m_durum);
    orta->addRow(QStringLiteral("Depo"), m_depo);

    m_sorumlu = new QComboBox;
    m_sorumlu->setObjectName(QStringLiteral("CmbPERSON_KOD"));
    m_sorumlu->addItem(QString(), QString());
    for (const QSqlRecord& r : SessionContext::current().db().records(
             QStringLiteral("SELECT ISCI_KOD, ISCI_ADI FROM CALISAN ORDER BY ISCI_ADI")))
        m_sorumlu->addItem(toText(r.value(1)).trimmed(), toText(r.value(0)).trimmed());
    m_ozelKod = new QLineEdit;
    m_ozelKod->setObjectName(QStringLiteral("EditOZELKOD"));
    m_ozelKod->setMaxLength(5);
    sag->addRow(QStringLiteral("İşlem Sorumlusu"), m_sorumlu);
    sag->addRow(QStringLiteral("Özel Kod"), m_ozelKod);
    for (int i = 0; i < 3; ++i) {
        m_aciklama[i] = new QLineEdit;
        m_aciklama[i]->setObjectName(QStringLiteral("EditACIKLAMA%1").arg(i + 1));
        m_aciklama[i]->setMaxLength(65);
        sag->addRow(QStringLiteral("Açıklama %1").arg(i + 1), m_aciklama[i]);
    }

    auto* satirBar = new QHBoxLayout;
    m_ara = new QLineEdit;
    m_ara->setObjectName(QStringLiteral("EditARA"));
    m_ara->setPlaceholderText(QStringLiteral("Stok Kodu / Barkod / Stok Adı"));
    auto* ekle = dugme(QStringLiteral("Ekle"), "BtnEKLE");
    auto* sil = dugme(QStringLiteral("Satır Sil"), "BtnSATIRSIL");
    auto* aktar = dugme(QStringLiteral("Dosyadan Aktar"), "BtnAKTAR");
    auto* sayim = dugme(QStringLiteral("Sayım Aktar"), "BtnSAYIM");
    satirBar->addWidget(m_ara, 1);
    for (QPushButton* b : {ekle, sil, aktar, sayim})
        satirBar->addWidget(b);
    lay->addLayout(satirBar);

    m_model = new StokFisSatirModeli(m_fis, this);
    m_grid = new QTableView;
    m_grid->setObjectName(QStringLiteral("GridSatirlar"));
    m_grid->setModel(m_model);
    m_grid->horizontalHeader()->setSectionResizeMode(StokFisSatirModeli::Ad, QHeaderView::Stretch);
    m_grid->verticalHeader()->hide();
    lay->addWidget(m_grid, 1);
    m_toplam = new QLabel;
    m_toplam->setObjectName(QStringLiteral("LblTOPLAM"));
    m_toplam->setAlignment(Qt::AlignRight);
    lay->addWidget(m_toplam);

    auto* alt = new QHBoxLayout;
    auto* saklaDugme = dugme(QStringLiteral("Sakla"), "BtnSAKLA");
    auto* vazgec = dugme(QStringLiteral("Vazgeç"), "BtnVAZGEC");
    alt->addStretch();
    alt->addWidget(saklaDugme);
    alt->addWidget(vazgec);
    lay->addLayout(alt);

    basligaYaz();
    connect(m_tip, &QComboBox::currentIndexChanged, this, [this] { tipDegisti(); });
    connect(m_tarih, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (m_yukleniyor)
            return;
        basliktanOku();
        m_fis.tarihDegisti(d);
        basligaYaz();
    });
    connect(m_girDepo, &QComboBox::currentIndexChanged, this, [this] {
        if (m_yukleniyor)
            return;
        basliktanOku();
        for (StokFisSatiri& s : m_fis.satirlar())
            s.depoKodu = m_fis.baslik().girDepo;
    });
    connect(m_model, &StokFisSatirModeli::degisti, this, [this] { toplamlariGoster(); });
    connect(ekle, &QPushButton::clicked, this, [this] { satirEkle(); });
    connect(m_ara, &QLineEdit::returnPressed, this, [this] { satirEkle(); });
    connect(sil, &QPushButton::clicked, this, [this] {
        const int row = m_grid->currentIndex().row();
        if (row < 0)
            return;
        m_fis.satirSil(row);
        m_model->yenile();
    });
    connect(aktar, &QPushButton::clicked, this, [this] {
        const QString f = QFileDialog::getOpenFileName(this, QStringLiteral("Dosyadan Aktar"), {},
                                                       QStringLiteral("Tablolar (*.xlsx *.xls *.csv)"));
        if (!f.isEmpty())
            dosyadanAktar(f);
    });
    connect(sayim, &QPushButton::clicked, this, [this] {
        const QString f = QFileDialog::getOpenFileName(this, QStringLiteral("Sayım Aktar"), {},
                                                       QStringLiteral("Tablolar (*.xlsx *.xls *.csv)"));
        if (!f.isEmpty())
            sayimAktar(f);
    });
    connect(saklaDugme, &QPushButton::clicked, this, [this] {
        if (sakla())
            accept();
    });
    connect(vazgec, &QPushButton::clicked, this, &TFormStkFis::reject);
    resize(1000, 620);
}

TFormStkFis::~TFormStkFis() { --g_acik; }

void TFormStkFis::doldurDepolar(QComboBox* c, bool bos)
{
    if (bos)
        c->addItem(QString(), 0);
    for (const QSqlRecord& r : SessionContext::current().db().records(
             QStringLiteral("SELECT DEPO_KODU, DEPO_ADI FROM DEPO ORDER BY DEPO_KODU")))
        c->addItem(QStringLiteral("%1 - %2").arg(r.value(0).toInt()).arg(toText(r.value(1)).trimmed()),
                   r.value(0).toInt());
}

int TFormStkFis::secilenDepo() const { return m_depo->currentData().toInt(); }

void TFormStkFis::basligaYaz()
{
    m_yukleniyor = true;
    const StokFisBaslik& b = m_fis.baslik();
    const QLocale tr(QLocale::Turkish);
    m_tip->setCurrentIndex(m_tip->findData(b.tip));
    m_no->setText(b.hrkNo == 0 ? QStringLiteral("(Yeni)") : QString::number(b.hrkNo, 'f', 0));
    m_tarih->setDate(b.tarih);
    m_usd->setText(tr.toString(b.usdFyt, 'f', 4));
    m_eur->setText(tr.toString(b.eurFyt, 'f', 4));
    m_cikDepo->setCurrentIndex(qMax(0, m_cikDepo->findData(b.cikDepo)));
    m_girDepo->setCurrentIndex(qMax(0, m_girDepo->findData(b.girDepo)));
    m_durum->setCurrentIndex(b.hrkDurum == QLatin1String("T") ? 1 : 0);
    if (!b.personKod.isEmpty() && m_sorumlu->findData(b.personKod) < 0)
        m_sorumlu->addItem(b.personKod, b.personKod);
    m_sorumlu->setCurrentIndex(qMax(0, m_sorumlu->findData(b.personKod)));
    m_ozelKod->setText(b.ozelKod);
    const QString* ac[3] = {&b.aciklama1, &b.aciklama2, &b.aciklama3};
    for (int i = 0; i < 3; ++i)
        m_aciklama[i]->setText(*ac[i]);
    if (!m_fis.satirlar().isEmpty() && !StokFisTipi::transfer(b.tip))
        m_depo->setCurrentIndex(qMax(0, m_depo->findData(m_fis.satirlar().first().depoKodu)));
    const bool transfer = StokFisTipi::transfer(b.tip);
    m_cikDepo->setEnabled(transfer);
    m_girDepo->setEnabled(transfer);
    m_durum->setEnabled(transfer);
    m_depo->setEnabled(!transfer);
    m_yukleniyor = false;
    m_model->yenile();
}

void TFormStkFis::basliktanOku()
{
    StokFisBaslik& b = m_fis.baslik();
    double v = 0;
    b.tarih = m_tarih->date();
    // A rate is read back only when the user changed its shown (rounded) text.
    const QLocale tr(QLocale::Turkish);
    if (m_usd->text() != tr.toString(b.usdFyt, 'f', 4) && StokFisAktarimi::sayi(m_usd->text(), &v) && v > 0)
        b.usdFyt = v;
    if (m_eur->text() != tr.toString(b.eurFyt, 'f', 4) && StokFisAktarimi::sayi(m_eur->text(), &v) && v > 0)
        b.eurFyt = v;
    if (StokFisTipi::transfer(b.tip)) {
        b.cikDepo = m_cikDepo->currentData().toInt();
        b.girDepo = m_girDepo->currentData().toInt();
        b.hrkDurum = m_durum->currentData().toString();
    }
    b.personKod = m_sorumlu->currentData().toString();
    b.ozelKod = m_ozelKod->text().trimmed();
    b.aciklama1 = m_aciklama[0]->text();
    b.aciklama2 = m_aciklama[1]->text();
    b.aciklama3 = m_aciklama[2]->text();
    m_fis.hesapla();
}

void TFormStkFis::tipDegisti()
{
    if (m_yukleniyor || !m_fis.yeniMi())
        return;
    const QString tip = m_tip->currentData().toString();
    StokFisBaslik& b = m_fis.baslik();
    b.tip = tip;
    b.hrkDurum = StokFisTipi::transfer(tip) ? QStringLiteral("E") : QString();
    basligaYaz();
}

void TFormStkFis::toplamlariGoster()
{
    const StokFisBaslik& b = m_fis.baslik();
    m_toplam->setText(QStringLiteral("Brüt: %1    KDV: %2    Net: %3    Net USD: %4    Net EUR: %5")
                          .arg(para(b.brut[TL]), para(b.kdv[TL]), para(b.net[TL]), para(b.net[USD]),
                               para(b.net[EUR])));
}

void TFormStkFis::satirEkle()
{
    basliktanOku();
    const QString text = m_ara->text();
    if (text.trimmed().isEmpty())
        return;
    if (ErrorPresenter::run([&] { m_fis.satirEkleAranan(text, 1, secilenDepo()); })) {
        m_ara->clear();
        m_model->yenile();
        m_grid->setCurrentIndex(m_model->index(m_model->rowCount() - 1, StokFisSatirModeli::Miktar));
    }
}

void TFormStkFis::dosyadanAktar(const QString& path)
{
    basliktanOku();
    const int depo = StokFisTipi::transfer(m_fis.baslik().tip) ? 0 : secilenDepo();
    StokFisAktarimi::Sonuc sonuc;
    ErrorPresenter::run([&] { sonuc = StokFisAktarimi(SessionContext::current().db()).satirlaraAktar(m_fis, path, depo); });
    m_model->yenile();
    if (sonuc.hatali.isEmpty())
        return;
    QStringList liste;
    for (const StokFisAktarimi::Hata& h : sonuc.hatali)
        liste << QStringLiteral("Satır %1: %2 %3").arg(h.satirNo).arg(h.kod, h.neden);
    Prompter::instance().info(liste.join(u'\n'));
}

void TFormStkFis::sayimAktar(const QString& path)
{
    basliktanOku();
    ErrorPresenter::run([&] { StokFisAktarimi(SessionContext::current().db()).sayimAktar(m_fis, path, secilenDepo()); });
    m_model->yenile();
}

bool TFormStkFis::sakla()
{
    basliktanOku();
    StokFisi::KayitSonucu r;
    if (!ErrorPresenter::run([&] { r = m_fis.kaydet(); }))
        return false;
    basligaYaz();
    // Stock slips stay out of the ledger: the posting routine writes no voucher for them.
    Prompter::instance().ask(QStringLiteral("Muhasebe Kaydı Yapılsın mı?"));
    return true;
}

void TFormStkFis::reject()
{
    basliktanOku();
    if (m_fis.degisti() && Prompter::instance().ask(QStringLiteral("Kaydı Saklamak İstiyormusunuz?"))) {
        if (sakla())
            accept();
        return;
    }
    QDialog::reject();
}

} // namespace nimbo
