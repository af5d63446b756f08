#include "stock/forms/TFormStok.h"
#include "db/SchemaDef.h"
#include "printing/ReportModel.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "stock/StockChoices.h"
#include "stock/StockPictures.h"
#include "stock/StockPriceHistory.h"
#include "stock/StockQuantities.h"
#include "stock/StockColumnCaptions.h"
#include "stock/StockRights.h"
#include "stock/forms/TFormMuadil.h"
#include "stock/forms/TFormStokParca.h"
#include "widgets/FormUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nimbo {

namespace {
// Runs an action every time the editor loses the focus, changed or not (leaving a margin
// field twice raises the price twice; leaving the code field checks it each time).
class LeaveFilter : public QObject {
public:
    LeaveFilter(QWidget* w, std::function<void()> f) : QObject(w), m_f(std::move(f)) { w->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::FocusOut)
            m_f();
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void()> m_f;
};

Db yearDb() { return SessionContext::current().db(); }

// "<what> Ekle" and "<what> Sil" under a grid (objects BtnNAMEEKLE, BtnNAMESIL).
std::pair<QPushButton*, QPushButton*> addRemoveRow(QBoxLayout* into, const QString& what, const QString& name)
{
    auto* row = new QHBoxLayout;
    auto* add = new QPushButton(what + QStringLiteral(" Ekle"));
    add->setObjectName(QStringLiteral("Btn%1EKLE").arg(name));
    auto* remove = new QPushButton(what + QStringLiteral(" Sil"));
    remove->setObjectName(QStringLiteral("Btn%1SIL").arg(name));
    row->addWidget(add);
    row->addWidget(remove);
    row->addStretch();
    into->addLayout(row);
    return {add, remove};
}

QString money(double v) { return QLocale(QLocale::Turkish).toString(v, 'f', 2); }

const char* const kPriceKinds[][2] = {{"ALIS_FYT", "Alış Liste Fiyatı"},     {"SAT_SKFYT", "Perakende Satış Fiyatı"},
                                      {"SAT_ABFYT", "Toptan Satış Fiyatı"}, {"SAT_BFYT", "2. Toptan Satış Fiyatı"},
                                      {"MALIYET_FYT", "Maliyet Fiyatı"},    {"MINSATFYT", "Minimum Satış Fiyatı"},
                                      {"ALIS_SON", "Son Alış Fiyatı"}};

QString priceColumn(const QString& kind, const QString& suffix)
{
    if (suffix == QLatin1String("DOVIZ") && kind == QLatin1String("MINSATFYT"))
        return QStringLiteral("MINSATFYT_DVZ");
    return kind + QLatin1Char('_') + suffix;
}

// Portable types of the STOK columns, for the editors of the remaining fields.
QHash<QString, QString> stokTypes()
{
    QHash<QString, QString> out;
    for (const TableDef& t : stockSchema().tables)
        if (t.name == QLatin1String("STOK"))
            for (const ColumnDef& c : parseColumns(t.body))
                out.insert(c.name, c.type.toUpper());
    return out;
}
} // namespace

TFormStok::TFormStok(double stokNo, QWidget* parent) : CardWindow(m_kart, parent), m_kart(yearDb())
{
    setObjectName(QStringLiteral("TFormStok"));
    setWindowTitle(QStringLiteral("Stok Kartı"));
    if (stokNo > 0)
        m_kart.open(stokNo);
    else
        m_kart.startNew();

    auto* lay = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("PageControl"));
    tabs->addTab(pageGenel(), QStringLiteral("Genel Bilgiler"));
    tabs->addTab(pageFiyat(), QStringLiteral("Fiyatlar"));
    tabs->addTab(pageBarkod(), QStringLiteral("Barkod ve Tedarikçi"));
    tabs->addTab(pageDepoYeri(), QStringLiteral("Depo Yerleri"));
    tabs->addTab(pageMuhasebe(), QStringLiteral("Muhasebe Kodları"));
    tabs->addTab(pageResim(), QStringLiteral("Resimler"));
    tabs->addTab(pageDiger(), QStringLiteral("Diğer Bilgiler"));
    left->addWidget(tabs);
    auto* bottom = new QHBoxLayout;
    // Windows about a stored item: they need the card saved first.
    auto savedItemButton = [&](const QString& text, const QString& name, auto open) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, [this, open] {
            if (m_kart.isNew())
                Prompter::instance().warn(QStringLiteral("Önce Kaydı Saklayınız."));
            else
                open(m_kart.stokNo());
        });
        markViewCommand(b); // each opens its own window, guarded by its own right
        bottom->addWidget(b);
    };
    savedItemButton(QStringLiteral("Muadiller"), QStringLiteral("BtnMUADIL"),
                    [this](double no) { TFormMuadil(no, this).exec(); });
    savedItemButton(QStringLiteral("Parçalar"), QStringLiteral("BtnPARCA"),
                    [this](double no) { TFormStokParca(no, this).exec(); });
    bottom->addStretch();
    bottom->addWidget(buttonRow());
    left->addLayout(bottom);
    lay->addLayout(left, 1);
    lay->addWidget(quantityPanel());

    showModel();
    showBarcodes();
    showSupplierPrices();
    showLocations();
    showPictures();
    resize(1180, 700);
}

QComboBox* TFormStok::choiceCombo(const QString& column, bool editable)
{
    auto* c = new QComboBox;
    c->setObjectName(QStringLiteral("Cmb") + column);
    c->setEditable(editable);
    m_combos.insert(column, c);
    fillChoices(column);
    bind(c, column);
    m_placed << column;
    return c;
}

void TFormStok::fillChoices(const QString& column)
{
    QComboBox* c = m_combos.value(column);
    const bool was = c->blockSignals(true);
    c->clear();
    c->addItem(QString(), QVariant());
    guard([&] {
        for (const StockChoices::Choice& ch : StockChoices::of(yearDb(), column, m_kart.values()))
            c->addItem(ch.second, ch.first);
    });
    c->blockSignals(was);
}

QWidget* TFormStok::pageGenel()
{
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    int row = 0, col = 0;
    auto put = [&](const QString& label, QWidget* e) {
        g->addWidget(new QLabel(label), row, col * 2);
        g->addWidget(e, row, col * 2 + 1);
        if (++col == 2)
            col = 0, ++row;
    };
    auto edit = [&](const QString& column, bool number = false) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + column);
        number ? bindNumber(e, column, 2) : bind(e, column);
        m_placed << column;
        return e;
    };
    QLineEdit* kod = edit(QStringLiteral("STOK_KOD_NO"));
    new LeaveFilter(kod, [this] { m_kart.checkCode(); });
    auto* kodRow = new QWidget;
    auto* kl = new QHBoxLayout(kodRow);
    kl->setContentsMargins(0, 0, 0, 0);
    kl->addWidget(kod);
    auto* sonKod = new QPushButton(QStringLiteral("Son Kod"));
    sonKod->setObjectName(QStringLiteral("BtnSONKOD"));
    sonKod->setToolTip(QStringLiteral("Yazılan başlangıçla biten en büyük stok kodu"));
    connect(sonKod, &QPushButton::clicked, this, [this] {
        guard([this] {
            if (m_kart.fillLastCode(m_kart.text(QStringLiteral("STOK_KOD_NO"))))
                showColumn(QStringLiteral("STOK_KOD_NO"));
        });
    });
    kl->addWidget(sonKod);
    put(QStringLiteral("Stok Kodu"), kodRow);
    auto* no = new QLineEdit(QString::number(m_kart.stokNo(), 'f', 0));
    no->setObjectName(QStringLiteral("EditSTOK_NO"));
    no->setReadOnly(true);
    m_placed << QStringLiteral("STOK_NO");
    put(QStringLiteral("Stok No"), no);
    put(QStringLiteral("Stok Adı"), edit(QStringLiteral("STOK_ADI_TR")));
    put(QStringLiteral("Stok Adı (2. Dil)"), edit(QStringLiteral("STOK_ADI_ING")));
    put(QStringLiteral("Barkod"), edit(QStringLiteral("BARKOD")));
    put(QStringLiteral("Üretici Kodu"), edit(QStringLiteral("URET_STK_KOD")));

    QComboBox* ana = choiceCombo(QStringLiteral("ANAGRUPNO"));
    QComboBox* grup = choiceCombo(QStringLiteral("GRUPNO"));
    QComboBox* alt = choiceCombo(QStringLiteral("ALTGRUPNO"));
    QComboBox* marka = choiceCombo(QStringLiteral("FIRMANO"));
    QComboBox* model = choiceCombo(QStringLiteral("MODEL"));
    put(QStringLiteral("Ana Grubu"), ana);
    put(QStringLiteral("Grubu"), grup);
    put(QStringLiteral("Alt Grubu"), alt);
    put(QStringLiteral("Firma-Marka"), marka);
    put(QStringLiteral("Modeli"), model);
    put(QStringLiteral("Rengi"), choiceCombo(QStringLiteral("RENK")));
    // A main group narrows the groups, a group the sub-groups, a brand the models.
    for (QComboBox* from : {ana, grup, marka}) {
        const QString next = StockChoices::narrows(m_combos.key(from));
        connect(from, &QComboBox::currentIndexChanged, this, [this, next] {
            fillChoices(next);
            showColumn(next);
        });
    }

    put(QStringLiteral("Cinsi"), edit(QStringLiteral("CINS")));
    put(QStringLiteral("Model No"), edit(QStringLiteral("MODEL_NO")));
    put(QStringLiteral("Birim 1"), choiceCombo(QStringLiteral("BIRIM1"), true));
    put(QStringLiteral("Birim 2"), choiceCombo(QStringLiteral("BIRIM2"), true));
    put(QStringLiteral("Birim 2 Katsayı"), edit(QStringLiteral("B_KATSAYI2"), true));
    put(QStringLiteral("Birim 3"), choiceCombo(QStringLiteral("BIRIM3"), true));
    put(QStringLiteral("Birim 3 Katsayı"), edit(QStringLiteral("B_KATSAYI3"), true));
    put(QStringLiteral("Alış Birimi"), choiceCombo(QStringLiteral("AL_BIRIM"), true));
    put(QStringLiteral("Satış Birimi"), choiceCombo(QStringLiteral("SAT_BIRIM"), true));
    put(QStringLiteral("Tedarikçi / Temsilci"), edit(QStringLiteral("TEMSILCI")));
    auto* acilis = new QDateEdit;
    acilis->setObjectName(QStringLiteral("DateACILIS_TRH"));
    acilis->setCalendarPopup(true);
    acilis->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    bind(acilis, QStringLiteral("ACILIS_TRH"));
    m_placed << QStringLiteral("ACILIS_TRH");
    put(QStringLiteral("Açılış Tarihi"), acilis);
    auto* pasif = new QCheckBox(QStringLiteral("Aktif"));
    pasif->setObjectName(QStringLiteral("ChkPASIF"));
    bind(pasif, QStringLiteral("PASIF"), QStringLiteral("A"), QStringLiteral("P"));
    m_placed << QStringLiteral("PASIF");
    put(QStringLiteral("Durumu"), pasif);
    auto* seri = new QCheckBox(QStringLiteral("Seri No Takibi"));
    seri->setObjectName(QStringLiteral("ChkSERITAKIP"));
    bind(seri, QStringLiteral("SERITAKIP"));
    m_placed << QStringLiteral("SERITAKIP");
    put(QString(), seri);
    for (int i = 1; i <= 5; ++i)
        put(QStringLiteral("Raf Yeri %1").arg(i), edit(QStringLiteral("YER%1").arg(i)));
    put(QStringLiteral("Kritik Seviye"), edit(QStringLiteral("KRITIK_SEV"), true));
    put(QStringLiteral("Sipariş Seviyesi"), edit(QStringLiteral("SIPARIS_SEV"), true));
    put(QStringLiteral("Maksimum Seviye"), edit(QStringLiteral("MAX_SEV"), true));
    ++row;
    col = 0;
    auto* aciklama = new QPlainTextEdit;
    aciklama->setObjectName(QStringLiteral("MemoACIKLAMA1"));
    aciklama->setMaximumHeight(60);
    bind(aciklama, QStringLiteral("ACIKLAMA1"));
    m_placed << QStringLiteral("ACIKLAMA1");
    g->addWidget(new QLabel(QStringLiteral("Açıklama")), row, 0);
    g->addWidget(aciklama, row, 1, 1, 3);
    g->setRowStretch(row + 1, 1);
    return w;
}

QWidget* TFormStok::pageFiyat()
{
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    auto* g = new QGridLayout;
    v->addLayout(g);
    const QStringList suffixes{"TL", "USD", "EUR", "DOVIZ"};
    g->addWidget(new QLabel(QStringLiteral("TL")), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("USD")), 0, 2);
    g->addWidget(new QLabel(QStringLiteral("EUR")), 0, 3);
    g->addWidget(new QLabel(QStringLiteral("Döviz")), 0, 4);
    int row = 1;
    for (const auto& k : kPriceKinds) {
        g->addWidget(new QLabel(QString::fromUtf8(k[1])), row, 0);
        for (int s = 0; s < suffixes.size(); ++s) {
            const QString col = priceColumn(QLatin1String(k[0]), suffixes[s]);
            auto* e = new QLineEdit;
            e->setObjectName(QStringLiteral("Edit") + col);
            bindNumber(e, col, 4);
            m_placed << col;
            g->addWidget(e, row, s + 1);
        }
        ++row;
    }
    g->addWidget(new QLabel(QStringLiteral("Taksitli Satış (Per./Top./2.Top.)")), row, 0);
    int c = 1;
    for (const char* t : {"TAK_SKFYT", "TAK_ABFYT", "TAK_BFYT"}) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + QLatin1String(t));
        bindNumber(e, QLatin1String(t), 4);
        m_placed << QLatin1String(t);
        g->addWidget(e, row, c++);
    }

    auto* f = new QFormLayout;
    auto* h = new QHBoxLayout;
    h->addLayout(f);
    v->addLayout(h);
    f->addRow(QStringLiteral("Döviz Cinsi"), choiceCombo(QStringLiteral("DOVIZ_KODU"), true));
    auto* karTip = new QComboBox;
    karTip->setObjectName(QStringLiteral("CmbKAR_TIP"));
    karTip->addItem(QStringLiteral("Alış Fiyatı Üzerinden"), QStringLiteral("A"));
    karTip->addItem(QStringLiteral("Maliyet Fiyatı Üzerinden"), QStringLiteral("M"));
    karTip->addItem(QStringLiteral("Satış Fiyatı Üzerinden"), QStringLiteral("S"));
    bind(karTip, QStringLiteral("KAR_TIP"));
    m_placed << QStringLiteral("KAR_TIP");
    f->addRow(QStringLiteral("Kar Hesabı"), karTip);
    const struct {
        const char* column;
        const char* caption;
        StockPricing::Margin margin;
    } margins[] = {{"KAR_ORAN", "Perakende Kar %", StockPricing::Margin::Retail},
                   {"KAR_ORAN_AB", "Toptan Kar %", StockPricing::Margin::Wholesale1},
                   {"KAR_ORAN_B", "2. Toptan Kar %", StockPricing::Margin::Wholesale2}};
    for (const auto& m : margins) {
        auto* e = new QLineEdit;
        const QString col = QLatin1String(m.column);
        e->setObjectName(QStringLiteral("Edit") + col);
        bindNumber(e, col, 2);
        m_placed << col;
        const StockPricing::Margin which = m.margin;
        // Leaving a margin field recomputes its sale prices.
        new LeaveFilter(e, [this, which] {
            m_kart.applyMargin(which);
            showModel();
        });
        f->addRow(QString::fromUtf8(m.caption), e);
    }
    auto* kdv = choiceCombo(QStringLiteral("KDV"), true);
    f->addRow(QStringLiteral("Kdv %"), kdv);
    auto* kdvDahil = new QCheckBox(QStringLiteral("Fiyatlara KDV Dahil"));
    kdvDahil->setObjectName(QStringLiteral("ChkKDV_DAHIL"));
    bind(kdvDahil, QStringLiteral("KDV_DAHIL"));
    m_placed << QStringLiteral("KDV_DAHIL");
    f->addRow(QString(), kdvDahil);

    auto* r = new QFormLayout;
    h->addLayout(r);
    auto* hesapla = new QPushButton(QStringLiteral("Fiyatları Son Kur'dan Hesapla"));
    hesapla->setObjectName(QStringLiteral("BtnKURHESAPLA"));
    m_kurTarihi = new QLineEdit;
    m_kurTarihi->setReadOnly(true);
    m_kurTarihi->setObjectName(QStringLiteral("EditKURTARIHI"));
    m_kur = new QLineEdit;
    m_kur->setReadOnly(true);
    m_kur->setObjectName(QStringLiteral("EditKUR"));
    connect(hesapla, &QPushButton::clicked, this, [this] {
        guard([this] {
            const QDate today = QDate::currentDate();
            const double kur = m_kart.pricesFromLatestRate(today);
            m_kurTarihi->setText(today.toString(QStringLiteral("dd.MM.yyyy")));
            m_kur->setText(QLocale(QLocale::Turkish).toString(kur, 'f', 4));
            showModel();
        });
    });
    m_placed << QStringLiteral("FYT_TRH") << QStringLiteral("DVZKUR");
    r->addRow(hesapla);
    r->addRow(QStringLiteral("Kur Tarihi"), m_kurTarihi);
    r->addRow(QStringLiteral("Kur"), m_kur);
    auto* gecmis = new QPushButton(QStringLiteral("Alış/Maliyet Fiyatları"));
    gecmis->setObjectName(QStringLiteral("BtnFIYATGECMISI"));
    m_hazirAlan = new QComboBox;
    m_hazirAlan->setObjectName(QStringLiteral("CmbHAZIRALAN"));
    for (const auto& k : kPriceKinds)
        m_hazirAlan->addItem(QString::fromUtf8(k[1]) + QStringLiteral(" TL"), QLatin1String(k[0]));
    auto* hazir = new QPushButton(QStringLiteral("Hazır Değerlerden Seç"));
    hazir->setObjectName(QStringLiteral("BtnHAZIR"));
    connect(gecmis, &QPushButton::clicked, this, &TFormStok::pickHistoryPrice);
    connect(hazir, &QPushButton::clicked, this, &TFormStok::pickHistoryPrice);
    r->addRow(gecmis);
    r->addRow(QStringLiteral("Seçilen Değer"), m_hazirAlan);
    r->addRow(hazir);
    v->addStretch();
    return w;
}

void TFormStok::pickHistoryPrice()
{
    const auto rows = StockPriceHistory::of(yearDb(), m_kart.stokNo());
    if (rows.isEmpty()) {
        Prompter::instance().info(QStringLiteral("Bu Stoğa Ait Alış/Maliyet Fiyatı Yok."));
        return;
    }
    QStringList items;
    for (const auto& r : rows)
        items << QStringLiteral("%1  %2  %3 TL  %4 USD  %5 EUR")
                     .arg(r.tarih.toString(QStringLiteral("dd.MM.yyyy")), r.kaynak, money(r.tl), money(r.usd),
                          money(r.eur));
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(this, QStringLiteral("Alış/Maliyet Fiyatları"), QStringLiteral("Fiyat"), items, 0, false, &ok);
    if (!ok)
        return;
    m_kart.takeHistoryPrice(m_hazirAlan->currentData().toString(), rows.at(items.indexOf(chosen)));
    showModel();
}

QWidget* TFormStok::pageBarkod()
{
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->addWidget(new QLabel(QStringLiteral("Barkodlar")));
    m_barkod = new QTableWidget(0, 4);
    m_barkod->setObjectName(QStringLiteral("GridBARKOD"));
    m_barkod->setHorizontalHeaderLabels(
        {QStringLiteral("Barkod"), QStringLiteral("Tipi"), QStringLiteral("Birim"), QStringLiteral("Fiyat")});
    m_barkod->horizontalHeader()->setStretchLastSection(true);
    m_barkod->setColumnWidth(0, 180);
    v->addWidget(m_barkod);
    auto [ekle, sil] = addRemoveRow(v, QStringLiteral("Barkod"), QStringLiteral("BARKOD"));
    connect(ekle, &QPushButton::clicked, this, &TFormStok::addBarcode);
    connect(sil, &QPushButton::clicked, this, [this] {
        const int r = m_barkod->currentRow();
        if (r < 0 || !Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
            return;
        readBarcodes();
        m_kart.barcodes().removeAt(r);
        showBarcodes();
    });
    // A finished row is checked as it is left.
    connect(m_barkod, &QTableWidget::currentCellChanged, this, [this](int row, int, int prevRow, int) {
        if (prevRow < 0 || prevRow == row || prevRow >= m_kart.barcodes().size())
            return;
        readBarcodes();
        StockBarcode& b = m_kart.barcodes()[prevRow];
        guard([&] { m_kart.checkBarcodeRow(b); });
        showBarcodes();
    });

    v->addWidget(new QLabel(QStringLiteral("Tedarikçi Fiyatları")));
    m_tedarik = new QTableWidget(0, 3);
    m_tedarik->setObjectName(QStringLiteral("GridTEDARIK"));
    m_tedarik->setHorizontalHeaderLabels(
        {QStringLiteral("Tedarikçi No"), QStringLiteral("Alış Fiyatı"), QStringLiteral("Döviz")});
    m_tedarik->horizontalHeader()->setStretchLastSection(true);
    v->addWidget(m_tedarik);
    auto [tekle, tsil] = addRemoveRow(v, QStringLiteral("Tedarikçi"), QStringLiteral("TEDARIK"));
    connect(tekle, &QPushButton::clicked, this, [this] {
        readSupplierPrices();
        m_kart.supplierPrices() << SupplierPrice{0, 0, m_kart.text(QStringLiteral("DOVIZ_KODU"))};
        showSupplierPrices();
    });
    connect(tsil, &QPushButton::clicked, this, [this] {
        const int r = m_tedarik->currentRow();
        if (r < 0)
            return;
        readSupplierPrices();
        m_kart.supplierPrices().removeAt(r);
        showSupplierPrices();
    });
    return w;
}

void TFormStok::addBarcode()
{
    readBarcodes();
    m_kart.barcodes() << m_kart.newBarcodeRow();
    showBarcodes();
    m_barkod->setCurrentCell(m_barkod->rowCount() - 1, 0);
}

void TFormStok::showBarcodes()
{
    const bool was = m_barkod->blockSignals(true);
    const auto& rows = m_kart.barcodes();
    m_barkod->setRowCount(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        m_barkod->setItem(i, 0, new QTableWidgetItem(rows[i].barkod));
        m_barkod->setItem(i, 1, new QTableWidgetItem(rows[i].barkTip));
        m_barkod->setItem(i, 2, new QTableWidgetItem(rows[i].birim));
        m_barkod->setItem(i, 3, new QTableWidgetItem(money(rows[i].fiyat)));
    }
    m_barkod->blockSignals(was);
}

void TFormStok::readBarcodes()
{
    auto& rows = m_kart.barcodes();
    for (int i = 0; i < rows.size() && i < m_barkod->rowCount(); ++i) {
        auto cell = [&](int c) { return m_barkod->item(i, c) ? m_barkod->item(i, c)->text().trimmed() : QString(); };
        rows[i].barkod = cell(0);
        rows[i].barkTip = cell(1);
        rows[i].birim = cell(2).toUpper();
        rows[i].fiyat = ReportModel::parseAmount(cell(3));
    }
}

void TFormStok::showSupplierPrices()
{
    const auto& rows = m_kart.supplierPrices();
    m_tedarik->setRowCount(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        m_tedarik->setItem(i, 0, new QTableWidgetItem(QString::number(rows[i].tedKod)));
        m_tedarik->setItem(i, 1, new QTableWidgetItem(money(rows[i].alisFyt)));
        m_tedarik->setItem(i, 2, new QTableWidgetItem(rows[i].dovizKod));
    }
}

void TFormStok::readSupplierPrices()
{
    auto& rows = m_kart.supplierPrices();
    for (int i = 0; i < rows.size() && i < m_tedarik->rowCount(); ++i) {
        auto cell = [&](int c) { return m_tedarik->item(i, c) ? m_tedarik->item(i, c)->text().trimmed() : QString(); };
        rows[i].tedKod = cell(0).toInt();
        rows[i].alisFyt = ReportModel::parseAmount(cell(1));
        rows[i].dovizKod = cell(2).toUpper();
    }
}

QWidget* TFormStok::pageDepoYeri()
{
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    m_depoYeri = new QTableWidget(0, 2);
    m_depoYeri->setObjectName(QStringLiteral("GridDEPOYER"));
    m_depoYeri->setHorizontalHeaderLabels({QStringLiteral("Depo"), QStringLiteral("Raf Yeri")});
    m_depoYeri->horizontalHeader()->setStretchLastSection(true);
    m_depoYeri->setColumnWidth(0, 220);
    v->addWidget(m_depoYeri);
    auto [ekle, sil] = addRemoveRow(v, QStringLiteral("Depo"), QStringLiteral("DEPO"));
    connect(ekle, &QPushButton::clicked, this, [this] {
        readLocations();
        m_kart.locations() << StockLocation{};
        showLocations();
    });
    connect(sil, &QPushButton::clicked, this, [this] {
        const int r = m_depoYeri->currentRow();
        if (r < 0)
            return;
        readLocations();
        m_kart.locations().removeAt(r);
        showLocations();
    });
    connect(m_depoYeri, &QTableWidget::cellChanged, this, [this] { readLocations(); });
    return w;
}

void TFormStok::showLocations()
{
    QList<StockChoices::Choice> depots;
    guard([&] { depots = StockChoices::of(yearDb(), QStringLiteral("DEPO_KODU"), {}); });
    const bool was = m_depoYeri->blockSignals(true);
    const auto& rows = m_kart.locations();
    m_depoYeri->setRowCount(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        auto* c = new QComboBox;
        c->setObjectName(QStringLiteral("CmbDEPO%1").arg(i));
        c->addItem(QString(), 0);
        for (const auto& d : depots)
            c->addItem(d.second, d.first.toInt());
        c->setCurrentIndex(qMax(0, c->findData(rows[i].depoKodu)));
        // A warehouse chosen twice is refused as soon as it is chosen.
        connect(c, &QComboBox::currentIndexChanged, this, [this, i, c] {
            readLocations();
            if (!guard([&] { m_kart.checkLocationRow(i); })) {
                m_kart.locations()[i].depoKodu = 0;
                const QSignalBlocker block(c);
                c->setCurrentIndex(0);
            }
        });
        m_depoYeri->setCellWidget(i, 0, c);
        m_depoYeri->setItem(i, 1, new QTableWidgetItem(rows[i].rafYeri));
    }
    m_depoYeri->blockSignals(was);
}

void TFormStok::readLocations()
{
    auto& rows = m_kart.locations();
    for (int i = 0; i < rows.size() && i < m_depoYeri->rowCount(); ++i) {
        if (auto* c = qobject_cast<QComboBox*>(m_depoYeri->cellWidget(i, 0)))
            rows[i].depoKodu = c->currentData().toInt();
        rows[i].rafYeri = m_depoYeri->item(i, 1) ? m_depoYeri->item(i, 1)->text().trimmed() : QString();
    }
}

QWidget* TFormStok::pageMuhasebe()
{
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    const QStringList cols = yearDb().columns(QStringLiteral("STOKMUH"));
    int i = 0;
    for (const QString& c : cols) {
        if (c == QLatin1String("STOK_NO"))
            continue;
        auto* e = new QLineEdit(toText(m_kart.muh(c)).trimmed());
        e->setObjectName(QStringLiteral("Edit") + c);
        e->setMaxLength(30);
        connect(e, &QLineEdit::textEdited, this, [this, c](const QString& t) { m_kart.setMuh(c, t.trimmed()); });
        g->addWidget(new QLabel(c), i / 2, (i % 2) * 2);
        g->addWidget(e, i / 2, (i % 2) * 2 + 1);
        ++i;
    }
    g->setRowStretch(i / 2 + 1, 1);
    return w;
}

QWidget* TFormStok::pageResim()
{
    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    auto* v = new QVBoxLayout;
    m_resimler = new QListWidget;
    m_resimler->setObjectName(QStringLiteral("ListRESIM"));
    v->addWidget(m_resimler);
    auto* ekle = new QPushButton(QStringLiteral("Ekle"));
    ekle->setObjectName(QStringLiteral("BtnRESIMEKLE"));
    auto* sil = new QPushButton(QStringLiteral("Sil"));
    sil->setObjectName(QStringLiteral("BtnRESIMSIL"));
    v->addWidget(ekle);
    v->addWidget(sil);
    h->addLayout(v);
    m_resim = new QLabel;
    m_resim->setMinimumSize(320, 240);
    m_resim->setAlignment(Qt::AlignCenter);
    h->addWidget(m_resim, 1);
    connect(ekle, &QPushButton::clicked, this, [this] {
        if (m_kart.text(QStringLiteral("STOK_KOD_NO")).isEmpty()) {
            Prompter::instance().warn(QStringLiteral("Resim Yüklemeden Önce Stok Kodunu Yazmalısınız... "));
            return;
        }
        const QString f = QFileDialog::getOpenFileName(this, QStringLiteral("Resim"), QString(),
                                                       QStringLiteral("Resim (*.jpg *.jpeg)"));
        if (f.isEmpty())
            return;
        guard([&] { m_kart.addPicture(f); });
        showPictures();
    });
    connect(sil, &QPushButton::clicked, this, [this] {
        QListWidgetItem* it = m_resimler->currentItem();
        if (!it || !Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
            return;
        m_kart.removePicture(m_resimler->row(it));
        showPictures();
    });
    connect(m_resimler, &QListWidget::currentRowChanged, this, [this](int r) {
        QListWidgetItem* it = m_resimler->item(r);
        QPixmap pix;
        if (it)
            pix.loadFromData(it->data(Qt::UserRole + 1).toByteArray());
        m_resim->setPixmap(pix.isNull() ? QPixmap()
                                        : pix.scaled(m_resim->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    });
    return w;
}

void TFormStok::showPictures()
{
    m_resimler->clear();
    for (const auto& p : m_kart.pictures()) {
        auto* it = new QListWidgetItem(p.dosyaAdi, m_resimler);
        it->setData(Qt::UserRole, p.sira);
        it->setData(Qt::UserRole + 1, p.data);
    }
    if (m_resimler->count() > 0)
        m_resimler->setCurrentRow(0);
}

QWidget* TFormStok::pageDiger()
{
    // Every remaining column of the card, under its caption.
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    const QHash<QString, QString> types = stokTypes();
    int i = 0;
    for (const QString& c : yearDb().columns(QStringLiteral("STOK"))) {
        const QString caption = stockColumnCaption(c);
        // A column without a caption is internal to the program (the transfer flag).
        if (m_placed.contains(c) || caption.isEmpty() || c == QLatin1String("AKTARILDI"))
            continue;
        const QString t = types.value(c);
        QWidget* e = nullptr;
        if (t == QLatin1String("DATETIME")) {
            auto* d = new QDateEdit;
            bind(d, c);
            e = d;
        } else if (t == QLatin1String("BOOLEAN")) {
            auto* ch = new QCheckBox;
            bind(ch, c, QStringLiteral("1"), QStringLiteral("0"));
            e = ch;
        } else {
            auto* le = new QLineEdit;
            if (t == QLatin1String("FLOAT"))
                bindNumber(le, c, 2);
            else if (t == QLatin1String("INTEGER") || t == QLatin1String("SMALLINT"))
                bindNumber(le, c, 0);
            else
                bind(le, c);
            e = le;
        }
        e->setObjectName(QStringLiteral("Edit") + c);
        g->addWidget(new QLabel(caption), i / 3, (i % 3) * 2);
        g->addWidget(e, i / 3, (i % 3) * 2 + 1);
        ++i;
    }
    scroll->setWidget(w);
    return scroll;
}

QWidget* TFormStok::quantityPanel()
{
    auto* box = new QGroupBox(QStringLiteral("Depo Miktarları"));
    box->setObjectName(QStringLiteral("PanelDEPO"));
    box->setFixedWidth(330);
    auto* v = new QVBoxLayout(box);
    m_depo = new QTableWidget(0, 4);
    m_depo->setObjectName(QStringLiteral("GridDEPO"));
    m_depo->setHorizontalHeaderLabels(
        {QStringLiteral("Depo"), QStringLiteral("Giren"), QStringLiteral("Çıkan"), QStringLiteral("Miktar")});
    m_depo->verticalHeader()->hide();
    m_depo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_depo->setColumnWidth(0, 110);
    for (int c = 1; c < 4; ++c)
        m_depo->setColumnWidth(c, 62);
    v->addWidget(m_depo);
    m_devir = new QLabel;
    m_devir->setObjectName(QStringLiteral("LabelDEVIR"));
    m_devir->setWordWrap(true);
    v->addWidget(m_devir);
    if (StockRights::maySeeQuantities())
        showQuantities();
    else
        m_depo->setEnabled(false);
    return box;
}

void TFormStok::showQuantities()
{
    const Db db = yearDb();
    const auto rows = StockQuantities::perWarehouse(db, m_kart.stokNo());
    m_depo->setRowCount(rows.size() + 1);
    double gir = 0, cik = 0, mik = 0;
    auto set = [this](int r, int c, const QString& t) {
        auto* it = new QTableWidgetItem(t);
        if (c > 0)
            it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_depo->setItem(r, c, it);
    };
    for (int i = 0; i < rows.size(); ++i) {
        const auto& w = rows[i];
        set(i, 0, w.depoAdi.isEmpty() ? QString::number(w.depoKodu) : w.depoAdi);
        set(i, 1, money(w.girMik));
        set(i, 2, money(w.cikMik));
        set(i, 3, money(w.miktar));
        gir += w.girMik;
        cik += w.cikMik;
        mik += w.miktar;
    }
    set(rows.size(), 0, QStringLiteral("Toplam"));
    set(rows.size(), 1, money(gir));
    set(rows.size(), 2, money(cik));
    set(rows.size(), 3, money(mik));
    const auto o = StockQuantities::opening(db, m_kart.stokNo());
    m_devir->setText(QStringLiteral("Devir Miktarı: %1\nDevir Fiyatı: %2 TL / %3 USD")
                         .arg(money(o.miktar), money(o.fiyat()), money(o.fiyatUsd())));
}

bool TFormStok::beforeSave()
{
    readBarcodes();
    readSupplierPrices();
    readLocations();
    return true;
}

} // namespace nimbo
