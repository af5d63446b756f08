#include "stock/forms/TFormStkFis.h"
#include "printing/forms/ReportOutput.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "stock/StokFisAktarimi.h"
#include "stock/StokFisDokumu.h"
#include "stock/StokFisTipi.h"
#include "widgets/ErrorPresenter.h"
#include "services/SharedLists.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QVBoxLayout>

namespace nimbo {

namespace {

int g_acik = 0;

QPushButton* dugme(const QString& text, const char* name)
{
    auto* b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QList<PickItem> depolar(const Db& db)
{
    QList<PickItem> out;
    for (const PickItem& d : OrtakListe(db, QStringLiteral("DEPO")))
        out << PickItem{QStringLiteral("%1 - %2").arg(d.value.toInt()).arg(d.text), d.value.toInt()};
    return out;
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
    : DocumentWindow(std::make_unique<StokFisi>(SessionContext::current().db(), tip),
                     QStringLiteral("Stok Fişi Kayıt Formu"), parent)
{
    ++g_acik;
    setObjectName(QStringLiteral("TFormStkFis"));
    if (hrkNo != 0)
        guard([&] { fis().open(hrkNo); });
    const Db db = fis().db();

    auto* lay = new QVBoxLayout(this);
    auto* ust = new QHBoxLayout;
    QFormLayout* kolon[3] = {new QFormLayout, new QFormLayout, new QFormLayout};
    for (QFormLayout* k : kolon)
        ust->addLayout(k);
    lay->addLayout(ust);

    m_tip = new QComboBox;
    m_tip->setObjectName(QStringLiteral("CmbTIP"));
    for (const QString& t : StokFisTipi::hepsi())
        m_tip->addItem(StokFisTipi::ad(t), t);
    bindHeader(m_tip, QStringLiteral("TIP"));
    m_tip->setEnabled(fis().isNew());
    auto* no = new QLineEdit;
    no->setObjectName(QStringLiteral("EditHRKNO"));
    no->setReadOnly(true);
    bindHeader(no, QStringLiteral("HRKNO"));
    auto* tarih = new QDateEdit;
    tarih->setObjectName(QStringLiteral("EditTARIH"));
    bindHeader(tarih, QStringLiteral("TARIH"));
    auto* usd = new QLineEdit;
    usd->setObjectName(QStringLiteral("EditUSDFYT"));
    bindHeaderNumber(usd, QStringLiteral("USDFYT"), 4);
    auto* eur = new QLineEdit;
    eur->setObjectName(QStringLiteral("EditEURFYT"));
    bindHeaderNumber(eur, QStringLiteral("EURFYT"), 4);
    kolon[0]->addRow(QStringLiteral("Fiş Tipi"), m_tip);
    kolon[0]->addRow(QStringLiteral("Fiş No"), no);
    kolon[0]->addRow(QStringLiteral("Tarih"), tarih);
    kolon[0]->addRow(QStringLiteral("USD Kuru"), usd);
    kolon[0]->addRow(QStringLiteral("EUR Kuru"), eur);

    auto* durum = new QComboBox;
    durum->setObjectName(QStringLiteral("CmbHRKDURUM"));
    durum->addItem(QString(), QString());
    durum->addItem(QStringLiteral("Transfer Edilecek"), QStringLiteral("E"));
    durum->addItem(QStringLiteral("Transfer Edildi"), QStringLiteral("T"));
    bindHeader(durum, QStringLiteral("HRKDURUM"));
    kolon[1]->addRow(QStringLiteral("Çıkış Deposu"), depoSecimi(QStringLiteral("CIKDEPO"), true));
    kolon[1]->addRow(QStringLiteral("Giriş Deposu"), depoSecimi(QStringLiteral("GIRDEPO"), true));
    kolon[1]->addRow(QStringLiteral("Transfer Durumu"), durum);
    // Not a header column: the warehouse new lines take.
    m_depo = depoSecimi(QString(), false);
    if (!fis().transfer() && !fis().lines().isEmpty())
        m_depo->setCurrentIndex(qMax(0, m_depo->findData(fis().lines().value(0, QStringLiteral("DEPO_KODU")).toInt())));
    kolon[1]->addRow(QStringLiteral("Depo"), m_depo);
    fis().setVarsayilanDepo(m_depo->currentData().toInt());
    connect(m_depo, &QComboBox::currentIndexChanged, this, [this] { fis().setVarsayilanDepo(m_depo->currentData().toInt()); });

    auto* sorumlu = new QComboBox;
    sorumlu->setObjectName(QStringLiteral("CmbPERSON_KOD"));
    sorumlu->addItem(QString(), QString());
    for (const PickItem& k : OrtakListe(db, QStringLiteral("CALISAN")))
        sorumlu->addItem(k.text, toText(k.value).trimmed());
    const QString kisi = fis().headerText(QStringLiteral("PERSON_KOD"));
    if (!kisi.isEmpty() && sorumlu->findData(kisi) < 0)
        sorumlu->addItem(kisi, kisi);
    bindHeader(sorumlu, QStringLiteral("PERSON_KOD"));
    kolon[2]->addRow(QStringLiteral("İşlem Sorumlusu"), sorumlu);
    auto* ozel = new QLineEdit;
    ozel->setObjectName(QStringLiteral("EditOZELKOD"));
    bindHeader(ozel, QStringLiteral("OZELKOD"));
    kolon[2]->addRow(QStringLiteral("Özel Kod"), ozel);
    for (int i = 1; i <= 3; ++i) {
        auto* a = new QLineEdit;
        a->setObjectName(QStringLiteral("EditACIKLAMA%1").arg(i));
        bindHeader(a, QStringLiteral("ACIKLAMA%1").arg(i));
        kolon[2]->addRow(QStringLiteral("Açıklama %1").arg(i), a);
    }

    auto* satirBar = new QHBoxLayout;
    m_ara = new QLineEdit;
    m_ara->setObjectName(QStringLiteral("EditARA"));
    m_ara->setPlaceholderText(QStringLiteral("Stok Kodu / Barkod / Stok Adı"));
    auto* ekle = dugme(QStringLiteral("Ekle"), "BtnEKLE");
    auto* aktar = dugme(QStringLiteral("Dosyadan Aktar"), "BtnAKTAR");
    auto* sayim = dugme(QStringLiteral("Sayım Aktar"), "BtnSAYIM");
    satirBar->addWidget(m_ara, 1);
    for (QPushButton* b : {ekle, aktar, sayim})
        satirBar->addWidget(b);
    lay->addLayout(satirBar);

    lay->addWidget(addLineGrid(DocumentModel::kItems, kolonlar()), 1);
    auto* ipucu = new QLabel(QStringLiteral("Ins: Satır Ekle   Ctrl+Del: Satır Sil"));
    ipucu->setEnabled(false);
    lay->addWidget(ipucu);
    lay->addWidget(addTotals({{QStringLiteral("BRUTTUT"), QStringLiteral("Brüt")},
                              {QStringLiteral("KDVTUT"), QStringLiteral("KDV")},
                              {QStringLiteral("NETTUT"), QStringLiteral("Net")},
                              {QStringLiteral("NET_USD"), QStringLiteral("Net USD")},
                              {QStringLiteral("NET_EUR"), QStringLiteral("Net EUR")}},
                             5));
    lay->addWidget(buttonRow(true));

    connect(m_tip, &QComboBox::currentIndexChanged, this, [this] {
        tipeGoreAc();
        showDocument();
    });
    connect(ekle, &QPushButton::clicked, this, [this] { satirEkle(); });
    connect(m_ara, &QLineEdit::returnPressed, this, [this] { satirEkle(); });
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
    tipeGoreAc();
    showDocument();
    resize(1100, 620);
}

TFormStkFis::~TFormStkFis() { --g_acik; }

QComboBox* TFormStkFis::depoSecimi(const QString& column, bool bos)
{
    auto* c = new QComboBox;
    c->setObjectName(column.isEmpty() ? QStringLiteral("CmbDEPO") : QStringLiteral("Cmb") + column);
    if (bos)
        c->addItem(QString(), 0);
    for (const PickItem& p : depolar(fis().db()))
        c->addItem(p.text, p.value);
    if (!column.isEmpty())
        bindHeader(c, column);
    return c;
}

QList<LineColumn> TFormStkFis::kolonlar()
{
    using K = LineColumn::Kind;
    QList<LineColumn> c;
    c << LineColumn{QStringLiteral("STOK_KOD_NO"), QStringLiteral("Stok Kodu"), 110};
    c << LineColumn{QStringLiteral("STOK_ADI"), QStringLiteral("Stok Adı"), 220, K::Text, 2, true};
    c << LineColumn{QStringLiteral("MIKTAR"), QStringLiteral("Miktar"), 80, K::Number, 2};
    LineColumn birim{QStringLiteral("BIRIM"), QStringLiteral("Birim"), 60};
    c << birim;
    c << LineColumn{QStringLiteral("FYT_DOVIZ"), QStringLiteral("Birim Fiyat"), 95, K::Number, 4};
    LineColumn doviz{QStringLiteral("DOVIZ_KODU"), QStringLiteral("Döviz"), 55, K::Choice};
    doviz.choices << PickItem{QString(), QString()};
    for (PickItem p : SessionContext::current().dovizler) {
        p.text = p.value.toString();
        doviz.choices << p;
    }
    c << doviz;
    c << LineColumn{QStringLiteral("KDV"), QStringLiteral("KDV %"), 50, K::Number, 0};
    LineColumn dahil{QStringLiteral("KDV_DAHIL"), QStringLiteral("KDV Dahil"), 70, K::Choice};
    dahil.choices = {{QStringLiteral("Hariç"), QStringLiteral("H")}, {QStringLiteral("Dahil"), QStringLiteral("D")}};
    c << dahil;
    LineColumn depo{QStringLiteral("DEPO_KODU"), QStringLiteral("Depo"), 110, K::Choice};
    depo.choices = depolar(fis().db());
    c << depo;
    c << LineColumn{QStringLiteral("FIYAT"), QStringLiteral("TL Fiyat"), 95, K::Number, 4, true};
    c << LineColumn{QStringLiteral("GER_TUT"), QStringLiteral("Tutar TL"), 110, K::Number, 2, true};
    return c;
}

// A transfer names its two warehouses and its state; other slips put each line in a warehouse.
void TFormStkFis::tipeGoreAc()
{
    const bool transfer = fis().transfer();
    for (const char* c : {"CIKDEPO", "GIRDEPO", "HRKDURUM"})
        if (QWidget* w = headerEditor(QLatin1String(c)))
            w->setEnabled(transfer);
    m_depo->setEnabled(!transfer);
    lineGrid()->lineModel()->setColumnReadOnly(QStringLiteral("DEPO_KODU"), transfer);
}

int TFormStkFis::secilenDepo() { return fis().transfer() ? 0 : m_depo->currentData().toInt(); }

void TFormStkFis::satirEkle()
{
    const QString text = m_ara->text();
    if (text.trimmed().isEmpty())
        return;
    int row = -1;
    if (!guard([&] { row = fis().satirEkleAranan(text, 1, secilenDepo()); }))
        return;
    m_ara->clear();
    showDocument();
    LineGrid* g = lineGrid();
    g->setCurrentIndex(g->lineModel()->index(row, g->lineModel()->columnOf(QStringLiteral("MIKTAR"))));
}

void TFormStkFis::dosyadanAktar(const QString& path)
{
    StokFisAktarimi::Sonuc sonuc;
    guard([&] { sonuc = StokFisAktarimi(fis().db()).satirlaraAktar(fis(), path, secilenDepo()); });
    showDocument();
    if (sonuc.hatali.isEmpty())
        return;
    QStringList liste;
    for (const StokFisAktarimi::Hata& h : sonuc.hatali)
        liste << QStringLiteral("Satır %1: %2 %3").arg(h.satirNo).arg(h.kod, h.neden);
    Prompter::instance().info(liste.join(u'\n'));
}

void TFormStkFis::sayimAktar(const QString& path)
{
    guard([&] { StokFisAktarimi(fis().db()).sayimAktar(fis(), path, secilenDepo()); });
    showDocument();
}

void TFormStkFis::print()
{
    // What is printed is what is stored: a changed or new slip is saved first.
    if ((fis().isNew() || fis().isModified()) && !save())
        return;
    const double no = fis().hrkNo();
    guard([&] {
        ReportOutput::send(StokFisDokumu::olustur(fis().db(), no), QStringLiteral("Önizleme"),
                           QStringLiteral("TFormStkFis"), QStringLiteral("Stok Fişi"), this);
    });
}

} // namespace nimbo
