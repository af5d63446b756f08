#include "ledger/forms/TFormFis.h"
#include "ledger/FisDokum.h"
#include "ledger/HesapPlani.h"
#include "printing/ReportModel.h"
#include "printing/forms/ReportOutput.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "widgets/ErrorPresenter.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nimbo {

namespace {
enum Kolon { Kod, Ad, Aciklama, Borc, Alacak, KolonSayisi };

const struct {
    const char* kod;
    const char* ad;
} kTurler[] = {{"M", "Mahsup"}, {"C", "Tahsil"}, {"E", "Tediye"}, {"O", "Özel"}, {"A", "Açılış"}, {"Z", "Kapanış"}};

QPushButton* dugme(const QString& text, const QString& name)
{
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}
} // namespace

TFormFis::TFormFis(double fisNo, bool saltOkunur, QWidget* parent)
    : QDialog(parent), m_fis(SessionContext::current().db()), m_salt(saltOkunur)
{
    setObjectName(QStringLiteral("TFormFis"));
    setWindowTitle(QStringLiteral("Muhasebe Fişi"));
    if (fisNo > 0)
        m_fis.ac(fisNo);
    else
        m_fis.fis().TARIH = QDate(SessionContext::current().CalismaYiliNo > 0 ? SessionContext::current().CalismaYiliNo
                                                                              : QDate::currentDate().year(),
                                  QDate::currentDate().month(), QDate::currentDate().day());

    auto* lay = new QVBoxLayout(this);
    auto* ust = new QFormLayout;
    lay->addLayout(ust);
    m_numara = new QLabel;
    m_numara->setObjectName(QStringLiteral("LblFISNUMARA"));
    ust->addRow(QStringLiteral("Fiş No"), m_numara);
    m_tarih = new QDateEdit;
    m_tarih->setObjectName(QStringLiteral("EditTARIH"));
    m_tarih->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_tarih->setCalendarPopup(true);
    ust->addRow(QStringLiteral("Tarih"), m_tarih);
    m_tur = new QComboBox;
    m_tur->setObjectName(QStringLiteral("CmbTUR"));
    for (const auto& t : kTurler)
        m_tur->addItem(QString::fromUtf8(t.ad), QString::fromLatin1(t.kod));
    ust->addRow(QStringLiteral("Fiş Türü"), m_tur);
    m_belgeNo = new QLineEdit;
    m_belgeNo->setObjectName(QStringLiteral("EditBELGENO"));
    m_belgeNo->setMaxLength(10);
    ust->addRow(QStringLiteral("Belge No"), m_belgeNo);
    m_aciklama = new QLineEdit;
    m_aciklama->setObjectName(QStringLiteral("EditACIKLAMA"));
    m_aciklama->setMaxLength(95);
    ust->addRow(QStringLiteral("Açıklama"), m_aciklama);

    m_grid = new QTableWidget(0, KolonSayisi);
    m_grid->setObjectName(QStringLiteral("GridFISAYR"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("HESAP KODU"), QStringLiteral("HESAP ADI"),
                                       QStringLiteral("AÇIKLAMA"), QStringLiteral("BORÇ"), QStringLiteral("ALACAK")});
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    const int genislik[KolonSayisi] = {140, 220, 260, 110, 110};
    for (int c = 0; c < KolonSayisi; ++c)
        m_grid->setColumnWidth(c, genislik[c]);
    lay->addWidget(m_grid);
    connect(m_grid, &QTableWidget::cellChanged, this, &TFormFis::hucreDegisti);

    m_toplam = new QLabel;
    m_toplam->setObjectName(QStringLiteral("LblTOPLAM"));
    lay->addWidget(m_toplam);

    auto* alt = new QHBoxLayout;
    auto* ekle = dugme(QStringLiteral("Satır Ekle"), QStringLiteral("BtnEKLE"));
    auto* satirSil = dugme(QStringLiteral("Satır Sil"), QStringLiteral("BtnSATIRSIL"));
    auto* saklaBtn = dugme(QStringLiteral("Sakla"), QStringLiteral("BtnSAKLA"));
    auto* silBtn = dugme(QStringLiteral("Sil"), QStringLiteral("BtnSIL"));
    auto* yazdirBtn = dugme(QStringLiteral("Yazdır"), QStringLiteral("BtnYAZDIR"));
    auto* kapat = dugme(QStringLiteral("Vazgeç"), QStringLiteral("BtnVAZGEC"));
    for (QPushButton* b : {ekle, satirSil})
        alt->addWidget(b);
    alt->addStretch();
    for (QPushButton* b : {saklaBtn, silBtn, yazdirBtn, kapat})
        alt->addWidget(b);
    lay->addLayout(alt);
    connect(ekle, &QPushButton::clicked, this, [this] {
        baslikOku();
        m_fis.satirEkle();
        satirlariGoster();
        m_grid->setCurrentCell(m_grid->rowCount() - 1, Kod);
    });
    connect(satirSil, &QPushButton::clicked, this, [this] {
        m_fis.satirSil(m_grid->currentRow());
        satirlariGoster();
    });
    connect(saklaBtn, &QPushButton::clicked, this, [this] { sakla(); });
    connect(silBtn, &QPushButton::clicked, this, [this] { sil(); });
    connect(yazdirBtn, &QPushButton::clicked, this, [this] { yazdir(); });
    connect(kapat, &QPushButton::clicked, this, &QDialog::reject);

    if (m_salt) {
        setWindowTitle(QStringLiteral("Muhasebe Fişi Görüntüleme"));
        m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        for (QWidget* w : {static_cast<QWidget*>(m_tarih), static_cast<QWidget*>(m_tur),
                           static_cast<QWidget*>(m_belgeNo), static_cast<QWidget*>(m_aciklama)})
            setEditorReadOnly(w, true);
        for (QPushButton* b : {ekle, satirSil, saklaBtn, silBtn})
            b->setVisible(false);
        kapat->setText(QStringLiteral("Kapat"));
    } else if (m_fis.fis().satirlar.isEmpty()) {
        for (int i = 0; i < 2; ++i)
            m_fis.satirEkle();
    }
    basligiGoster();
    satirlariGoster();
    resize(900, 560);
}

void TFormFis::basligiGoster()
{
    const Fis& f = m_fis.fis();
    m_numara->setText(f.FISNUMARA.isEmpty() ? QStringLiteral("(yeni)")
                                            : f.FISNUMARA + QStringLiteral("   Yevmiye No: ")
                                                  + QString::number(f.YEVMIYE_NO.toDouble(), 'f', 0));
    m_tarih->setDate(f.TARIH);
    const int i = m_tur->findData(f.TUR);
    m_tur->setCurrentIndex(i < 0 ? 0 : i);
    m_belgeNo->setText(f.BELGENO);
    m_aciklama->setText(f.ACIKLAMA);
}

void TFormFis::baslikOku()
{
    Fis& f = m_fis.fis();
    f.TARIH = m_tarih->date();
    f.TUR = m_tur->currentData().toString();
    f.BELGENO = m_belgeNo->text().trimmed();
    f.ACIKLAMA = m_aciklama->text();
}

void TFormFis::satirlariGoster()
{
    m_dolduruluyor = true;
    const Db db = SessionContext::current().db();
    HesapPlani plan(db);
    const auto& satirlar = m_fis.fis().satirlar;
    m_grid->setRowCount(int(satirlar.size()));
    for (int r = 0; r < satirlar.size(); ++r) {
        const FisSatiri& s = satirlar.at(r);
        const auto hesap = s.HSPKODU.isEmpty() ? std::nullopt : plan.hesap(s.HSPKODU);
        const QString tutar[2] = {s.BORC != 0 ? ReportModel::formatAmount(s.BORC) : QString(),
                                  s.ALACAK != 0 ? ReportModel::formatAmount(s.ALACAK) : QString()};
        const QString metin[KolonSayisi] = {s.HSPKODU, hesap ? toText(hesap->value(QStringLiteral("HESAP_ADI"))) : QString(),
                                            s.ACIKLAMA, tutar[0], tutar[1]};
        for (int c = 0; c < KolonSayisi; ++c) {
            auto* item = new QTableWidgetItem(metin[c]);
            if (c == Borc || c == Alacak)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == Ad)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            m_grid->setItem(r, c, item);
        }
    }
    m_dolduruluyor = false;
    toplamlariGoster();
}

void TFormFis::hucreDegisti(int row, int column)
{
    if (m_dolduruluyor || row < 0 || row >= m_fis.fis().satirlar.size())
        return;
    FisSatiri& s = m_fis.fis().satirlar[row];
    const QString t = m_grid->item(row, column) ? m_grid->item(row, column)->text() : QString();
    switch (column) {
    case Kod: s.HSPKODU = t.trimmed(); break;
    case Aciklama: s.ACIKLAMA = t; break;
    case Borc: s.BORC = ReportModel::parseAmount(t); break;
    case Alacak: s.ALACAK = ReportModel::parseAmount(t); break;
    default: return;
    }
    // Redraw the row: the account's name and the amounts in the money format.
    QMetaObject::invokeMethod(this, [this] { satirlariGoster(); }, Qt::QueuedConnection);
}

void TFormFis::toplamlariGoster()
{
    m_toplam->setText(QStringLiteral("Borç Toplamı: %1    Alacak Toplamı: %2    Fark: %3")
                          .arg(ReportModel::formatAmount(m_fis.borcToplami()),
                               ReportModel::formatAmount(m_fis.alacakToplami()), ReportModel::formatAmount(m_fis.fark())));
}

bool TFormFis::sakla()
{
    baslikOku();
    bool ok = false;
    ErrorPresenter::run([&] { ok = m_fis.save(); });
    basligiGoster();
    satirlariGoster();
    return ok;
}

void TFormFis::sil()
{
    if (m_fis.fis().yeni() || !Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return;
    if (ErrorPresenter::run([&] { m_fis.sil(); }))
        accept();
}

void TFormFis::yazdir(const QString& cikti)
{
    if (m_fis.fis().yeni())
        return;
    ErrorPresenter::run([&] {
        FisDokumSecimi s;
        s.fisNoBas = s.fisNoBit = m_fis.fis().FISNO;
        const auto raporlar = FisDokum(SessionContext::current().db()).raporlar(s);
        ReportOutput::send(raporlar.first(), cikti, QStringLiteral("FisDok"), QStringLiteral("QuickRep1"), this);
    });
}

} // namespace nimbo
