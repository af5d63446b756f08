#include "services/forms/TFormDoviz.h"
#include "db/Errors.h"
#include "services/DovizTanimlari.h"
#include "services/KurGunleriDoldurucu.h"
#include "services/KurSayfasiIndirici.h"
#include "services/KurXml.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "session/NimboSettings.h"
#include "widgets/ErrorPresenter.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nimbo {

namespace {

const QDate kBosTarih(1900, 1, 1);

QString rateText(double v) { return v == 0 ? QString() : QLocale(QLocale::Turkish).toString(v, 'f', 4); }

// Turkish "43,1250" or "43.1250"; empty is 0, anything unreadable is -1 (refused as missing).
double parseRate(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    double v = QLocale(QLocale::Turkish).toDouble(t, &ok);
    if (!ok)
        v = QLocale::c().toDouble(t, &ok);
    return ok ? v : -1;
}

QLineEdit* rateEdit(QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(110);
    return e;
}

QDateEdit* dateEdit(QWidget* parent, bool canBeEmpty)
{
    auto* d = new QDateEdit(parent);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    if (canBeEmpty) {
        d->setMinimumDate(kBosTarih);
        d->setSpecialValueText(QStringLiteral(" "));
        d->setDate(kBosTarih);
    } else {
        d->setDate(QDate::currentDate());
    }
    return d;
}

} // namespace

TFormDoviz::TFormDoviz(const Db& db, QWidget* parent, bool kurSecici) : QDialog(parent), m_db(db), m_book(db)
{
    m_saltOkunur = SessionContext::current().hak(QStringLiteral("DOVIZ")) == QLatin1String("O");
    m_adres = NimboSettings::value(QStringLiteral("KUR"), QStringLiteral("TCMBAdres"),
                                   KurSayfasiIndirici::varsayilanAdres());
    build(kurSecici);
    dovizleriDoldur();
}

TFormDoviz::~TFormDoviz() = default;

void TFormDoviz::build(bool kurSecici)
{
    setWindowTitle(QStringLiteral("Döviz Kur Değerleri Giriş Formu"));
    auto* root = new QVBoxLayout(this);
    auto* split = new QSplitter(this);
    root->addWidget(split, 1);

    m_dovizler = new QListWidget(split);
    m_dovizler->setMinimumWidth(170);
    m_dovizler->setMaximumWidth(240);
    split->addWidget(m_dovizler);

    auto* right = new QWidget(split);
    auto* rl = new QVBoxLayout(right);
    rl->setContentsMargins(0, 0, 0, 0);
    m_kurlar = new QTableWidget(0, 7, right);
    m_kurlar->setHorizontalHeaderLabels({QStringLiteral("Kur Tarihi"), QStringLiteral("Alış TL Değeri "),
                                         QStringLiteral("Satış TL Değeri"), QStringLiteral("Efektif Alış"),
                                         QStringLiteral("Efektif Satış"), QStringLiteral("Banka Satış TL Değeri"),
                                         QStringLiteral("Özel Satış TL Değeri")});
    m_kurlar->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_kurlar->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_kurlar->setSelectionMode(QAbstractItemView::SingleSelection);
    m_kurlar->verticalHeader()->hide();
    m_kurlar->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    rl->addWidget(m_kurlar, 1);

    auto* entry = new QGroupBox(QStringLiteral("Kur Değeri"), right);
    auto* form = new QFormLayout(entry);
    m_tarih = dateEdit(entry, false);
    m_tarih->setMaximumWidth(140);
    form->addRow(QStringLiteral("Kur Değeri Kayıt için Varsayılan Tarih"), m_tarih);
    auto* values = new QHBoxLayout;
    m_alis = rateEdit(entry);
    m_satis = rateEdit(entry);
    m_efAlis = rateEdit(entry);
    m_efSatis = rateEdit(entry);
    m_bankaSatis = rateEdit(entry);
    m_ozelSatis = rateEdit(entry);
    const QList<QPair<QString, QLineEdit*>> fields = {
        {QStringLiteral("Alış"), m_alis},           {QStringLiteral("Satış"), m_satis},
        {QStringLiteral("Ef.Alış"), m_efAlis},      {QStringLiteral("Ef.Satış"), m_efSatis},
        {QStringLiteral("Banka Satış"), m_bankaSatis}, {QStringLiteral("Özel Satış"), m_ozelSatis}};
    for (const auto& f : fields) {
        auto* col = new QVBoxLayout;
        col->addWidget(new QLabel(f.first, entry));
        col->addWidget(f.second);
        values->addLayout(col);
    }
    form->addRow(values);
    auto* buttons = new QHBoxLayout;
    m_btnKaydet = new QPushButton(QStringLiteral("&Kaydet"), entry);
    m_btnDegistir = new QPushButton(QStringLiteral("&Değiştir"), entry);
    m_btnSil = new QPushButton(QStringLiteral("S&il"), entry);
    buttons->addWidget(m_btnKaydet);
    buttons->addWidget(m_btnDegistir);
    buttons->addWidget(m_btnSil);
    buttons->addStretch();
    form->addRow(buttons);
    rl->addWidget(entry);

    auto* tcmb = new QHBoxLayout;
    m_btnTcmb = new QPushButton(QStringLiteral("TCMB'ndan Kurlari Al"), right);
    m_btnTcmb->setObjectName(QStringLiteral("BtnTCMB"));
    m_btnEksik = new QPushButton(QStringLiteral("Eksik Günleri Doldur"), right);
    m_btnEksik->setObjectName(QStringLiteral("BtnEKSIKGUN"));
    m_btnEksik->setToolTip(QStringLiteral("Son kayıtlı kurdan bugüne kadar her iş gününün TCMB kurlarını alır."));
    m_ilerleme = new QProgressBar(right);
    m_ilerleme->setMaximumWidth(180);
    m_ilerleme->setTextVisible(false);
    m_ilerleme->hide();
    m_durum = new QLabel(right);
    tcmb->addWidget(m_btnTcmb);
    tcmb->addWidget(m_btnEksik);
    tcmb->addWidget(m_ilerleme);
    tcmb->addWidget(m_durum, 1);
    rl->addLayout(tcmb);

    auto* stock = new QGroupBox(QStringLiteral("Stok Fiyatları"), right);
    auto* sl = new QHBoxLayout(stock);
    m_fiyatTarihi = dateEdit(stock, true);
    sl->addWidget(new QLabel(QStringLiteral("Fiyat Güncellemek için Kur Tarihi "), stock));
    sl->addWidget(m_fiyatTarihi);
    m_alisKurundan = new QCheckBox(QStringLiteral("Satış Fiyatlarını Alış TL Kur Değerinden Hesapla"), stock);
    sl->addWidget(m_alisKurundan);
    m_btnStok = new QPushButton(QStringLiteral("Kur Fiyatlarına Göre Stok Fiyatlarını Güncelle"), stock);
    sl->addWidget(m_btnStok);
    rl->addWidget(stock);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({190, 830});

    auto* bottom = new QHBoxLayout;
    m_btnAlisSec = new QPushButton(QStringLiteral("&Alış Kuru Seç"), this);
    m_btnSatisSec = new QPushButton(QStringLiteral("&Satış Kuru Seç"), this);
    auto* close = new QPushButton(QStringLiteral("Kapat"), this);
    bottom->addWidget(m_btnAlisSec);
    bottom->addWidget(m_btnSatisSec);
    bottom->addStretch();
    bottom->addWidget(close);
    root->addLayout(bottom);
    m_btnAlisSec->setVisible(kurSecici);
    m_btnSatisSec->setVisible(kurSecici);

    for (QWidget* w : {static_cast<QWidget*>(m_btnKaydet), static_cast<QWidget*>(m_btnDegistir),
                       static_cast<QWidget*>(m_btnSil), static_cast<QWidget*>(m_btnTcmb), static_cast<QWidget*>(m_btnEksik),
                       static_cast<QWidget*>(m_btnStok)})
        w->setEnabled(!m_saltOkunur);

    connect(m_dovizler, &QListWidget::currentRowChanged, this, [this] { kurlariDoldur(); });
    connect(m_kurlar, &QTableWidget::itemSelectionChanged, this, [this] { satirSecildi(); });
    connect(m_btnKaydet, &QPushButton::clicked, this, [this] { BtnKaydetClick(); });
    connect(m_btnDegistir, &QPushButton::clicked, this, [this] { BtnDegistirClick(); });
    connect(m_btnSil, &QPushButton::clicked, this, [this] { BtnSilClick(); });
    connect(m_btnTcmb, &QPushButton::clicked, this, [this] { BtnTcmbClick(); });
    connect(m_btnEksik, &QPushButton::clicked, this, [this] { BtnEksikGunlerClick(); });
    connect(m_btnStok, &QPushButton::clicked, this, [this] { BtnStokFiyatClick(); });
    connect(m_btnAlisSec, &QPushButton::clicked, this, [this] { kurSecildi(true); });
    connect(m_btnSatisSec, &QPushButton::clicked, this, [this] { kurSecildi(false); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(1020, 600);
}

void TFormDoviz::dovizleriDoldur()
{
    const QString keep = seciliDoviz();
    m_dovizler->clear();
    ErrorPresenter::run([&] {
        for (const DovizTanimi& d : DovizTanimlari(m_db).liste()) {
            auto* item = new QListWidgetItem(d.kod + QStringLiteral("  ") + d.ad, m_dovizler);
            item->setData(Qt::UserRole, d.kod);
        }
    });
    // Start on the first report currency, the one most rates are looked up for.
    dovizSec(keep.isEmpty() ? SessionContext::current().param.RDOVIZ1 : keep);
    if (!m_dovizler->currentItem() && m_dovizler->count() > 0)
        m_dovizler->setCurrentRow(0);
}

void TFormDoviz::dovizSec(const QString& kod)
{
    for (int i = 0; i < m_dovizler->count(); ++i)
        if (m_dovizler->item(i)->data(Qt::UserRole).toString() == kod) {
            m_dovizler->setCurrentRow(i);
            return;
        }
}

QString TFormDoviz::seciliDoviz() const
{
    const QListWidgetItem* i = m_dovizler ? m_dovizler->currentItem() : nullptr;
    return i ? i->data(Qt::UserRole).toString() : QString();
}

void TFormDoviz::kurlariDoldur()
{
    m_kurlar->setRowCount(0);
    const QString dvz = seciliDoviz();
    if (dvz.isEmpty())
        return;
    QVector<KurSatiri> rows;
    if (!ErrorPresenter::run([&] { rows = m_book.kurlar(dvz); }))
        return;
    m_kurlar->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const KurSatiri& k = rows[r];
        auto* date = new QTableWidgetItem(k.tarih.toString(QStringLiteral("dd.MM.yyyy")));
        date->setData(Qt::UserRole, k.tarih);
        m_kurlar->setItem(r, 0, date);
        const double vals[] = {k.alis, k.satis, k.efektifAlis, k.efektifSatis, k.bankaSatis, k.ozelSatis};
        for (int c = 0; c < 6; ++c) {
            auto* it = new QTableWidgetItem(rateText(vals[c]));
            it->setData(Qt::UserRole, vals[c]);
            it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_kurlar->setItem(r, c + 1, it);
        }
    }
    if (!rows.isEmpty()) {
        m_kurlar->selectRow(rows.size() - 1); // the latest rate
        m_kurlar->scrollToBottom();
    }
}

void TFormDoviz::satirSecildi()
{
    const int r = m_kurlar->currentRow();
    if (r < 0 || !m_kurlar->item(r, 0))
        return;
    QLineEdit* edits[] = {m_alis, m_satis, m_efAlis, m_efSatis, m_bankaSatis, m_ozelSatis};
    for (int c = 0; c < 6; ++c)
        edits[c]->setText(m_kurlar->item(r, c + 1)->text());
}

KurSatiri TFormDoviz::alanlardanSatir() const
{
    KurSatiri k;
    k.dovizKodu = seciliDoviz();
    k.tarih = QDateTime(m_tarih->date(), QTime(0, 0));
    k.alis = parseRate(m_alis->text());
    k.satis = parseRate(m_satis->text());
    k.efektifAlis = parseRate(m_efAlis->text());
    k.efektifSatis = parseRate(m_efSatis->text());
    k.bankaSatis = parseRate(m_bankaSatis->text());
    k.ozelSatis = parseRate(m_ozelSatis->text());
    return k;
}

void TFormDoviz::uygula(const std::function<void()>& islem)
{
    if (ErrorPresenter::run(islem))
        kurlariDoldur();
}

void TFormDoviz::BtnKaydetClick()
{
    const KurSatiri k = alanlardanSatir();
    uygula([&] { m_book.ekle(k); });
}

void TFormDoviz::BtnDegistirClick()
{
    const int r = m_kurlar->currentRow();
    if (r < 0)
        return;
    // The values of the selected row change; its date stays (the date field is for new rows).
    const QDateTime eski = m_kurlar->item(r, 0)->data(Qt::UserRole).toDateTime();
    KurSatiri k = alanlardanSatir();
    k.tarih = eski;
    uygula([&] { m_book.degistir(eski, k); });
}

void TFormDoviz::BtnSilClick()
{
    const int r = m_kurlar->currentRow();
    if (r < 0 || !Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return;
    const QDateTime tarih = m_kurlar->item(r, 0)->data(Qt::UserRole).toDateTime();
    uygula([&] { m_book.sil(seciliDoviz(), tarih); });
}

void TFormDoviz::BtnTcmbClick()
{
    if (m_indirici && m_indirici->calisiyor())
        return;
    if (!m_indirici) {
        m_indirici = new KurSayfasiIndirici(this);
        connect(m_indirici, &KurSayfasiIndirici::indi, this, [this](const QString& s) { sayfaGeldi(s); });
        connect(m_indirici, &KurSayfasiIndirici::hata, this, [this](const QString& m) { sayfaHatasi(m); });
        connect(m_indirici, &KurSayfasiIndirici::ilerleme, this, [this](qint64 got, qint64 total) {
            if (total > 0) {
                m_ilerleme->setRange(0, 100);
                m_ilerleme->setValue(int(got * 100 / total));
            }
        });
    }
    if (m_doldurucu && m_doldurucu->calisiyor())
        return;
    m_btnTcmb->setEnabled(false);
    m_btnEksik->setEnabled(false);
    m_ilerleme->setRange(0, 0); // busy until the size is known
    m_ilerleme->show();
    m_durum->setText(QStringLiteral("TCMB kurları alınıyor..."));
    m_indirici->baslat(QUrl(m_adres));
}

void TFormDoviz::indirmeBitti()
{
    m_ilerleme->hide();
    m_durum->clear();
    m_btnTcmb->setEnabled(!m_saltOkunur);
    m_btnEksik->setEnabled(!m_saltOkunur);
}

void TFormDoviz::BtnEksikGunlerClick()
{
    // While the days are fetched the same button stops the run.
    if (m_doldurucu && m_doldurucu->calisiyor()) {
        m_doldurucu->iptal();
        return;
    }
    if (m_indirici && m_indirici->calisiyor())
        return;
    delete m_doldurucu;
    m_doldurucu = new KurGunleriDoldurucu(m_db, QUrl(m_adres), this);
    connect(m_doldurucu, &KurGunleriDoldurucu::ilerleme, this, [this](int done, int total) {
        m_ilerleme->setRange(0, total);
        m_ilerleme->setValue(done);
        m_durum->setText(QStringLiteral("TCMB kurları alınıyor: %1 / %2 gün").arg(done).arg(total));
    });
    connect(m_doldurucu, &KurGunleriDoldurucu::bitti, this,
            [this](const QString& m, bool sorun) { eksikGunlerBitti(m, sorun); });
    m_btnTcmb->setEnabled(false);
    m_btnEksik->setText(QStringLiteral("Durdur"));
    m_ilerleme->setRange(0, 0);
    m_ilerleme->show();
    m_doldurucu->baslat(QDate::currentDate());
}

void TFormDoviz::eksikGunlerBitti(const QString& mesaj, bool sorunVar)
{
    m_btnEksik->setText(QStringLiteral("Eksik Günleri Doldur"));
    indirmeBitti();
    kurlariDoldur();
    if (sorunVar)
        Prompter::instance().warn(mesaj);
    else
        Prompter::instance().info(mesaj);
    Q_EMIT eksikGunlerIslendi();
}

void TFormDoviz::sayfaGeldi(const QString& sayfa)
{
    indirmeBitti();
    ErrorPresenter::run([&] {
        const SayfaAktarimSonucu r = m_book.sayfaKurlariniYaz(kurBelgesiniOku(sayfa), QDate::currentDate());
        kurlariDoldur();
        if (r.sorunVar)
            Prompter::instance().warn(r.mesaj);
        else
            Prompter::instance().info(r.mesaj);
    });
    Q_EMIT kurSayfasiIslendi();
}

void TFormDoviz::sayfaHatasi(const QString& mesaj)
{
    indirmeBitti();
    Prompter::instance().error(mesaj);
    Q_EMIT kurSayfasiIslendi();
}

void TFormDoviz::BtnStokFiyatClick()
{
    const QDate d = m_fiyatTarihi->date();
    if (!d.isValid() || d == kBosTarih) {
        Prompter::instance().warn(QStringLiteral("Lütfen Fiyat Güncellemek için Kur Tarihi Giriniz."));
        return;
    }
    if (!Prompter::instance().ask(QStringLiteral("Tüm Stokların Fiyatlarını Güncellemek İstiyormusunuz?")))
        return;
    m_btnStok->setEnabled(false);
    const bool ok = ErrorPresenter::run([&] { m_book.stokFiyatlariniGuncelle(d, m_alisKurundan->isChecked()); });
    m_btnStok->setEnabled(true);
    if (!ok)
        return;
    kurlariDoldur();
    Prompter::instance().info(QStringLiteral("Stok Fiyatları Güncellemesi Tamamlandı."));
}

void TFormDoviz::kurSecildi(bool alis)
{
    const int r = m_kurlar->currentRow();
    if (r < 0)
        return;
    m_secilenKur = m_kurlar->item(r, alis ? 1 : 2)->data(Qt::UserRole).toDouble();
    accept();
}

bool TFormDoviz::kurSec(QWidget* parent, const QString& dovizKodu, double& kur)
{
    TFormDoviz f(SessionContext::current().db(), parent, true);
    f.dovizSec(dovizKodu);
    if (f.exec() != QDialog::Accepted)
        return false;
    kur = f.secilenKur();
    return true;
}

} // namespace nimbo
