#include "accounts/forms/TFormCariSakla.h"
#include "accounts/CariGrupSecimi.h"
#include "accounts/CariBakiye.h"
#include "accounts/CariGruplar.h"
#include "accounts/CariRiskBilgisi.h"
#include "accounts/SehirIlce.h"
#include "printing/ReportModel.h"
#include "services/CariRisk.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "widgets/CodeNameWindow.h"
#include "widgets/FormUtil.h"
#include "services/SharedLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleValidator>
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
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nimbo {

namespace {
Db yearDb() { return SessionContext::current().db(); }

QComboBox* codeCombo(const QString& name, const QList<QPair<QString, QString>>& items)
{
    auto* c = new QComboBox;
    c->setObjectName(name);
    for (const auto& i : items)
        c->addItem(i.second, i.first);
    return c;
}

const QStringList kBankCols = {QStringLiteral("BANKA_KOD"), QStringLiteral("TEM_BANK"), QStringLiteral("TEM_TUTAR"),
                               QStringLiteral("VADE_TAR"), QStringLiteral("CTIP")};
} // namespace

TFormCariSakla::TFormCariSakla(const QString& kod, const QString& kaynak, QWidget* parent)
    : CardWindow(m_kart, parent), m_kart(yearDb())
{
    setObjectName(QStringLiteral("TFormCariSakla"));
    setWindowTitle(QStringLiteral("Cari Kartı"));
    const bool edit = !kod.isEmpty() && m_kart.open(kod);
    if (!edit)
        m_kart.startNew(kaynak);

    auto* lay = new QVBoxLayout(this);
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("PanelVeri"));
    m_dataPanel = m_tabs;
    m_tabs->addTab(pageGenel(), QStringLiteral("Genel Bilgiler"));
    m_tabs->addTab(pageTicari(), QStringLiteral("Grup ve Ticari Bilgiler"));
    m_tabs->addTab(pageRisk(), QStringLiteral("Risk ve Teminat"));
    m_tabs->addTab(pageDiger(), QStringLiteral("Muhasebe ve Açıklama"));
    lay->addWidget(m_tabs);
    lay->addWidget(buttonRow());

    fillAnaGrup();
    fillGrup();
    fillAltGrup();
    fillIlce();
    showModel();
    showBanks();
    showRisk();
    m_adres2->setEnabled(m_kart.text(QStringLiteral("KIRILIMLI")) != QLatin1String("E"));

    if (edit) {
        // The code is fixed after creation.
        setColumnsReadOnly({QStringLiteral("CARI_KOD")}, true);
        m_sonKod->hide();
        m_ad->setFocus();
    } else {
        m_kod->setFocus();
    }
    applyRights();
    enterMovesFocus(this);
    resize(860, 560);
}

QString TFormCariSakla::ac(QWidget* parent, const QString& kod, const QString& kaynak)
{
    TFormCariSakla f(kod, kaynak, parent);
    return f.exec() == QDialog::Accepted ? f.savedCode() : QString();
}

QWidget* TFormCariSakla::pageGenel()
{
    auto* page = new QWidget;
    auto* g = new QGridLayout(page);
    int row = 0;
    auto line = [&](const QString& caption, const QString& column, int col = 0, int span = 1) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + column);
        bind(e, column);
        g->addWidget(new QLabel(caption), row, col * 2);
        g->addWidget(e, row, col * 2 + 1, 1, span);
        return e;
    };
    m_kod = line(QStringLiteral("Cari Kodu"), QStringLiteral("CARI_KOD"));
    m_sonKod = new QPushButton(QStringLiteral("Son &Cari Kodu Getir"));
    m_sonKod->setObjectName(QStringLiteral("BtnSONKOD"));
    m_sonKod->setAutoDefault(false);
    g->addWidget(m_sonKod, row, 2, 1, 2, Qt::AlignLeft);
    ++row;
    m_ad = line(QStringLiteral("Cari Adı"), QStringLiteral("FIRMA_ADI"), 0, 3);
    ++row;
    line(QStringLiteral("Yetkili Adı"), QStringLiteral("YETKILI_ADI"));
    line(QStringLiteral("Yetkili Soyadı"), QStringLiteral("YETKILI_SOYAD"), 1);
    ++row;
    line(QStringLiteral("Fatura Adresi"), QStringLiteral("ADRES_1"), 0, 3);
    ++row;
    auto* ayni = new QCheckBox(QStringLiteral("Fatura Adresi ile Aynı"));
    ayni->setObjectName(QStringLiteral("ChkKIRILIMLI"));
    bind(ayni, QStringLiteral("KIRILIMLI"));
    g->addWidget(ayni, row, 1);
    ++row;
    m_adres2 = line(QStringLiteral("Sevk Adresi"), QStringLiteral("ADRES_2"), 0, 3);
    connect(ayni, &QCheckBox::toggled, m_adres2, [this](bool on) { m_adres2->setEnabled(!on); });
    ++row;
    line(QStringLiteral("Semt"), QStringLiteral("SEMT"));
    line(QStringLiteral("Ülke"), QStringLiteral("ULKE"), 1);
    ++row;
    m_il = new QComboBox;
    m_il->setObjectName(QStringLiteral("CmbILI"));
    m_il->setEditable(true);
    m_il->addItem(QString());
    for (const auto& il : SehirIlce(yearDb()).iller())
        m_il->addItem(il.second, il.second);
    bind(m_il, QStringLiteral("ILI"));
    m_ilce = new QComboBox;
    m_ilce->setObjectName(QStringLiteral("CmbILCE"));
    m_ilce->setEditable(true);
    bind(m_ilce, QStringLiteral("ILCE"));
    connect(m_il, &QComboBox::currentTextChanged, this, [this] {
        if (!m_il->signalsBlocked())
            fillIlce();
    });
    g->addWidget(new QLabel(QStringLiteral("İl")), row, 0);
    g->addWidget(m_il, row, 1);
    g->addWidget(new QLabel(QStringLiteral("İlçe")), row, 2);
    g->addWidget(m_ilce, row, 3);
    ++row;
    line(QStringLiteral("Posta Kodu"), QStringLiteral("POSTAKODU"));
    ++row;
    line(QStringLiteral("Telefon 1"), QStringLiteral("TEL1"));
    line(QStringLiteral("Telefon 2"), QStringLiteral("TEL2"), 1);
    ++row;
    line(QStringLiteral("GSM"), QStringLiteral("TEL3"));
    line(QStringLiteral("Faks"), QStringLiteral("FAKS"), 1);
    ++row;
    line(QStringLiteral("E-Posta"), QStringLiteral("EMAIL"));
    line(QStringLiteral("Web Sitesi"), QStringLiteral("URL"), 1);
    ++row;
    line(QStringLiteral("Vergi Dairesi"), QStringLiteral("VD"));
    line(QStringLiteral("Vergi No"), QStringLiteral("VN"), 1);
    ++row;
    line(QStringLiteral("TC Kimlik No"), QStringLiteral("TCKIMLIKNO"));
    ++row;
    g->setRowStretch(row, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);

    connect(m_kod, &QLineEdit::editingFinished, this, &TFormCariSakla::kodAyrildi);
    connect(m_ad, &QLineEdit::editingFinished, this, &TFormCariSakla::adAyrildi);
    connect(m_sonKod, &QPushButton::clicked, this, &TFormCariSakla::sonKodGetir);
    return page;
}

QWidget* TFormCariSakla::pageTicari()
{
    auto* page = new QWidget;
    auto* g = new QGridLayout(page);
    int row = 0;
    auto put = [&](const QString& caption, QWidget* w, int col = 0) {
        g->addWidget(new QLabel(caption), row, col * 2);
        g->addWidget(w, row, col * 2 + 1);
    };
    auto line = [&](const QString& caption, const QString& column, int col = 0) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + column);
        bind(e, column);
        put(caption, e, col);
        return e;
    };
    auto groupRow = [&](const QString& caption, QComboBox*& combo, const QString& column, int level) {
        combo = new QComboBox;
        combo->setObjectName(QStringLiteral("Cmb") + column);
        auto* pick = new QPushButton(QStringLiteral("..."));
        pick->setObjectName(QStringLiteral("BtnSec") + column);
        pick->setAutoDefault(false);
        pick->setMaximumWidth(30);
        auto* box = new QWidget;
        auto* h = new QHBoxLayout(box);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(combo, 1);
        h->addWidget(pick);
        put(caption, box);
        bind(combo, column);
        connect(pick, &QPushButton::clicked, this, [this, level] { pickGroup(level); });
    };
    groupRow(QStringLiteral("Ana Grup"), m_anaGrup, QStringLiteral("ANA_GRUP"), 0);
    line(QStringLiteral("Özel Grup"), QStringLiteral("OZEL_GRUP"), 1);
    ++row;
    groupRow(QStringLiteral("Grup"), m_grup, QStringLiteral("CARI_GRP_KOD"), 1);
    auto* isk = new QComboBox;
    isk->setObjectName(QStringLiteral("CmbISKGRUP"));
    isk->setEditable(true);
    isk->addItem(QString());
    guard([&] { isk->addItems(CariGrupSecimi(yearDb()).iskontoGruplari()); });
    bind(isk, QStringLiteral("ISKGRUP"));
    put(QStringLiteral("İskonto Grubu"), isk, 1);
    ++row;
    groupRow(QStringLiteral("Alt Grup"), m_altGrup, QStringLiteral("ALT_GRUP"), 2);
    ++row;
    // A main group narrows the groups and clears them; a group does the same to subgroups.
    connect(m_anaGrup, &QComboBox::currentIndexChanged, this, [this] {
        m_kart.setAnaGrup(m_anaGrup->currentData());
        fillGrup();
        fillAltGrup();
    });
    connect(m_grup, &QComboBox::currentIndexChanged, this, [this] {
        m_kart.setGrup(m_grup->currentData());
        fillAltGrup();
    });

    auto* isk2 = new QLineEdit;
    isk2->setObjectName(QStringLiteral("EditFAT_ISK"));
    auto* v = new QDoubleValidator(0, 99.99, 2, isk2);
    v->setNotation(QDoubleValidator::StandardNotation);
    v->setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    isk2->setValidator(v);
    bindNumber(isk2, QStringLiteral("FAT_ISK"));
    put(QStringLiteral("Fatura Altı İsk.%"), isk2);
    auto* vade = new QLineEdit;
    vade->setObjectName(QStringLiteral("EditMAKSVADEGUN"));
    vade->setValidator(new QIntValidator(0, 32767, vade));
    bindNumber(vade, QStringLiteral("MAKSVADEGUN"), 0);
    put(QStringLiteral("Maks.Vade(Gün)"), vade, 1);
    ++row;
    auto* doviz = new QComboBox;
    doviz->setObjectName(QStringLiteral("CmbDOVIZ_KODU"));
    doviz->setEditable(true);
    if (yearDb().tableExists(QStringLiteral("DOVIZ")))
        for (const PickItem& d : OrtakListe(yearDb(), QStringLiteral("DOVIZ")))
            doviz->addItem(toText(d.value), toText(d.value));
    bind(doviz, QStringLiteral("DOVIZ_KODU"));
    put(QStringLiteral("Döviz"), doviz);
    auto* isci = new QComboBox;
    isci->setObjectName(QStringLiteral("CmbISCI_KOD"));
    isci->addItem(QString(), QVariant());
    guard([&] {
        for (const auto& t : CariGrupSecimi(yearDb()).temsilciler())
            isci->addItem(t.second, t.first);
    });
    bind(isci, QStringLiteral("ISCI_KOD"));
    put(QStringLiteral("Satış Temsilcisi"), isci, 1);
    ++row;
    line(QStringLiteral("Bayi Kodu"), QStringLiteral("BAYI_KOD"));
    line(QStringLiteral("Meslek Kodu"), QStringLiteral("MESLEK_KOD"), 1);
    ++row;
    auto* acilis = new QDateEdit;
    acilis->setObjectName(QStringLiteral("DateACILISTRH"));
    bind(acilis, QStringLiteral("ACILISTRH"));
    put(QStringLiteral("Açılış Tarihi"), acilis);
    auto* pasif = codeCombo(QStringLiteral("CmbPASIF"), {{QStringLiteral("A"), QStringLiteral("Aktif")},
                                                         {QStringLiteral("P"), QStringLiteral("Pasif")}});
    bind(pasif, QStringLiteral("PASIF"));
    put(QStringLiteral("Durumu"), pasif, 1);
    ++row;
    auto* checks = new QWidget;
    auto* h = new QHBoxLayout(checks);
    h->setContentsMargins(0, 0, 0, 0);
    const struct { const char* text; const char* column; const char* on; const char* off; } boxes[] = {
        {"Tedarikçi", "TEDARIKCI", "1", "0"},
        {"Avukata Verildi", "AVUKATVER", "E", "H"},
        {"Web'den Açıldı", "WEBDENMI", "E", "H"},
        {"Fiyat Uygulaması", "ABMFYTUYG", "E", "H"},
    };
    for (const auto& b : boxes) {
        auto* c = new QCheckBox(QString::fromUtf8(b.text));
        c->setObjectName(QStringLiteral("Chk") + QString::fromLatin1(b.column));
        bind(c, QString::fromLatin1(b.column), QString::fromLatin1(b.on), QString::fromLatin1(b.off));
        h->addWidget(c);
    }
    h->addStretch();
    g->addWidget(checks, row, 0, 1, 4);
    ++row;
    auto* yon = new QGroupBox(QStringLiteral("Yöneticiler"));
    auto* yg = new QGridLayout(yon);
    const struct { const char* text; const char* column; int r; int c; } mgr[] = {
        {"Servis Md. Adı", "SRV_MD_ADI", 0, 0}, {"Soyadı", "SRV_MD_SOYADI", 0, 1},
        {"Bilgi İşlem Md. Adı", "BLG_MD_ADI", 1, 0}, {"Soyadı", "BLG_MD_SOYADI", 1, 1}};
    for (const auto& m : mgr) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + QString::fromLatin1(m.column));
        bind(e, QString::fromLatin1(m.column));
        yg->addWidget(new QLabel(QString::fromUtf8(m.text)), m.r, m.c * 2);
        yg->addWidget(e, m.r, m.c * 2 + 1);
    }
    g->addWidget(yon, row, 0, 1, 4);
    ++row;
    g->setRowStretch(row, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    return page;
}

QWidget* TFormCariSakla::pageRisk()
{
    auto* page = new QWidget;
    auto* outer = new QHBoxLayout(page);
    auto* left = new QWidget;
    auto* f = new QFormLayout(left);
    auto number = [&](const QString& caption, const QString& column) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + column);
        bindNumber(e, column);
        f->addRow(caption, e);
    };
    auto text = [&](const QString& caption, const QString& column) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + column);
        bind(e, column);
        f->addRow(caption, e);
    };
    number(QStringLiteral("Risk Limiti"), QStringLiteral("RISK_LIMITI"));
    auto* kriter = codeCombo(QStringLiteral("CmbRISKRITER"),
                             {{QStringLiteral("Y"), QStringLiteral("Kontrol Yok")},
                              {QStringLiteral("B"), QStringLiteral("Bakiye")},
                              {QStringLiteral("1"), QStringLiteral("Irsaliye")},
                              {QStringLiteral("2"), QStringLiteral("Bak.+Irs.")},
                              {QStringLiteral("3"), QStringLiteral("Bak.+Irs.+Çek/Senet(T.Edilmemiş)")},
                              {QStringLiteral("4"), QStringLiteral("Bak.+Çek/Senet(T.Edilmemiş)")}});
    bind(kriter, QStringLiteral("RISKRITER"));
    f->addRow(QStringLiteral("Risk Kontrol Kriteri"), kriter);
    // "Riski Uyar" shares RISKRITER with the criterion list; each shows what the other set.
    m_riskiUyar = new QCheckBox(QStringLiteral("Riski Uyar"));
    m_riskiUyar->setObjectName(QStringLiteral("ChkRISKIUYAR"));
    m_riskiUyar->setChecked(m_kart.riskiUyar());
    connect(m_riskiUyar, &QCheckBox::toggled, this, [this](bool on) {
        m_kart.setRiskiUyar(on);
        showColumn(QStringLiteral("RISKRITER"));
    });
    connect(kriter, &QComboBox::currentIndexChanged, this, [this] {
        const QSignalBlocker block(m_riskiUyar);
        m_riskiUyar->setChecked(m_kart.riskiUyar());
    });
    f->addRow(QString(), m_riskiUyar);
    auto* taraf = codeCombo(QStringLiteral("CmbRISBAKTIP"), {{QStringLiteral("B"), QStringLiteral("Borç")},
                                                             {QStringLiteral("A"), QStringLiteral("Alacak")}});
    bind(taraf, QStringLiteral("RISBAKTIP"));
    f->addRow(QStringLiteral("Risk Bakiye Tipi"), taraf);
    const QList<QPair<QString, QString>> secim = {{QString(), QString()},
                                                  {QStringLiteral("H"), QStringLiteral("Hayır")},
                                                  {QStringLiteral("E"), QStringLiteral("Evet")},
                                                  {QStringLiteral("U"), QStringLiteral("Uyar")},
                                                  {QStringLiteral("D"), QStringLiteral("Durdur")}};
    const struct { const char* text; const char* column; } risks[] = {
        {"Siparişler Riske Dahil", "RISK_SIP"}, {"İrsaliyeler Riske Dahil", "RISK_IRS"}, {"Diğerleri Riske Dahil", "RISK_DIG"}};
    for (const auto& r : risks) {
        auto* c = codeCombo(QStringLiteral("Cmb") + QString::fromLatin1(r.column), secim);
        bind(c, QString::fromLatin1(r.column));
        f->addRow(QString::fromUtf8(r.text), c);
    }
    number(QStringLiteral("Sermaye"), QStringLiteral("SERMAYE"));
    number(QStringLiteral("Teminat 1"), QStringLiteral("TEMINAT_1"));
    number(QStringLiteral("Teminat 2"), QStringLiteral("TEMINAT_2"));
    text(QStringLiteral("Banka 1"), QStringLiteral("BANKA_1"));
    text(QStringLiteral("Banka 2"), QStringLiteral("BANKA_2"));
    text(QStringLiteral("Teminat Bankası 1"), QStringLiteral("TEM_BANK_1"));
    text(QStringLiteral("Teminat Bankası 2"), QStringLiteral("TEM_BANK_2"));
    outer->addWidget(left, 1);

    auto* right = new QVBoxLayout;
    auto* bankBox = new QGroupBox(QStringLiteral("Bankalar"));
    auto* bl = new QVBoxLayout(bankBox);
    m_banks = new QTableWidget(0, kBankCols.size());
    m_banks->setObjectName(QStringLiteral("GridBANKA"));
    m_banks->setHorizontalHeaderLabels({QStringLiteral("Banka"), QStringLiteral("Teminat Bak"),
                                        QStringLiteral("Tem.Tutarı"), QStringLiteral("Vade"),
                                        QStringLiteral("İşlem Tipi")});
    m_banks->horizontalHeader()->setStretchLastSection(true);
    m_banks->verticalHeader()->hide();
    bl->addWidget(m_banks);
    auto* bb = new QHBoxLayout;
    auto* ekle = new QPushButton(QStringLiteral("Banka Ekle"));
    ekle->setObjectName(QStringLiteral("BtnBANKAEKLE"));
    ekle->setAutoDefault(false);
    auto* sil = new QPushButton(QStringLiteral("Banka Sil"));
    sil->setObjectName(QStringLiteral("BtnBANKASIL"));
    sil->setAutoDefault(false);
    bb->addWidget(ekle);
    bb->addWidget(sil);
    bb->addStretch();
    bl->addLayout(bb);
    connect(ekle, &QPushButton::clicked, this, [this] {
        m_banks->insertRow(m_banks->rowCount());
        readBanks();
    });
    connect(sil, &QPushButton::clicked, this, [this] {
        if (m_banks->currentRow() >= 0) {
            m_banks->removeRow(m_banks->currentRow());
            readBanks();
        }
    });
    connect(m_banks, &QTableWidget::cellChanged, this, [this] { readBanks(); });
    right->addWidget(bankBox, 1);

    auto* riskBox = new QGroupBox(QStringLiteral("Risk Bilgileri"));
    auto* rl = new QVBoxLayout(riskBox);
    m_risk = new QLabel;
    m_risk->setObjectName(QStringLiteral("LblRISK"));
    m_risk->setTextFormat(Qt::RichText);
    m_risk->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    rl->addWidget(m_risk);
    right->addWidget(riskBox, 1);
    outer->addLayout(right, 1);
    return page;
}

QWidget* TFormCariSakla::pageDiger()
{
    auto* page = new QWidget;
    auto* f = new QFormLayout(page);
    const struct { const char* text; const char* column; } cols[] = {
        {"Muhasebe Kodu", "MUH_KOD"}, {"Muhasebe Kodu 2", "MUH_KOD2"},
        {"Satış Muhasebe Kodu", "ARC_MUH_SATIS"}, {"Alış Muhasebe Kodu", "ARC_MUH_ALIS"}};
    for (const auto& c : cols) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + QString::fromLatin1(c.column));
        bind(e, QString::fromLatin1(c.column));
        f->addRow(QString::fromUtf8(c.text), e);
    }
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(QStringLiteral("MemoACIKLAMA"));
    bind(memo, QStringLiteral("ACIKLAMA"));
    f->addRow(QStringLiteral("Açıklama"), memo);
    return page;
}

void TFormCariSakla::kodAyrildi()
{
    if (!m_kart.isNew())
        return;
    const QString kod = m_kod->text();
    if (!guard([&] { m_kart.checkCode(kod); })) {
        m_kart.setValue(QStringLiteral("CARI_KOD"), QString());
        m_kod->clear();
    }
}

void TFormCariSakla::adAyrildi()
{
    // Only a name the user typed is checked, not every pass of the cursor.
    if (!m_ad->isModified())
        return;
    m_ad->setModified(false);
    // The code as stored, a leading blank included, so that the card's own row is excluded.
    if (m_kart.ayniAdVar(toText(m_kart.value(QStringLiteral("CARI_KOD"))), m_ad->text()))
        Prompter::instance().warn(CariKart::ayniAdUyarisi());
}

void TFormCariSakla::sonKodGetir()
{
    guard([this] {
        const QString kod = m_kart.sonCariKodu(m_kod->text());
        m_kart.setValue(QStringLiteral("CARI_KOD"), kod);
        showColumn(QStringLiteral("CARI_KOD"));
    });
    m_kod->setFocus();
}

void TFormCariSakla::fillChoices(QComboBox* c, const QList<QPair<QVariant, QString>>& items, const QString& column)
{
    const bool was = c->blockSignals(true);
    c->clear();
    c->addItem(QString(), QVariant());
    for (const auto& i : items)
        c->addItem(i.second, i.first);
    c->blockSignals(was);
    showColumn(column);
}

void TFormCariSakla::fillAnaGrup()
{
    fillChoices(m_anaGrup, CariGrupSecimi(yearDb()).anaGruplar(), QStringLiteral("ANA_GRUP"));
}

void TFormCariSakla::fillGrup()
{
    fillChoices(m_grup, CariGrupSecimi(yearDb()).gruplar(m_kart.value(QStringLiteral("ANA_GRUP"))),
                QStringLiteral("CARI_GRP_KOD"));
}

void TFormCariSakla::fillAltGrup()
{
    fillChoices(m_altGrup, CariGrupSecimi(yearDb()).altGruplar(m_kart.text(QStringLiteral("CARI_GRP_KOD"))),
                QStringLiteral("ALT_GRUP"));
}

void TFormCariSakla::fillIlce()
{
    const bool was = m_ilce->blockSignals(true);
    const QString keep = m_kart.text(QStringLiteral("ILCE"));
    m_ilce->clear();
    m_ilce->addItem(QString());
    const SehirIlce si(yearDb());
    const int plaka = si.plaka(m_il->currentText());
    if (plaka > 0)
        for (const QString& i : si.ilceler(plaka))
            m_ilce->addItem(i, i);
    m_ilce->setEditText(keep);
    m_ilce->blockSignals(was);
}

void TFormCariSakla::pickGroup(int level)
{
    QVariant chosen;
    if (level == 0) {
        chosen = CodeNameWindow::pick(cariAnaGrupDef(), this);
        if (!chosen.isValid())
            return;
        fillAnaGrup();
        m_kart.setAnaGrup(chosen.toInt());
        showColumn(QStringLiteral("ANA_GRUP"));
        fillGrup();
        fillAltGrup();
    } else if (level == 1) {
        chosen = CodeNameWindow::pick(cariGrupDef(), this, QStringLiteral("KODU"), m_kart.value(QStringLiteral("ANA_GRUP")));
        if (!chosen.isValid())
            return;
        fillGrup();
        m_kart.setGrup(toText(chosen));
        showColumn(QStringLiteral("CARI_GRP_KOD"));
        fillAltGrup();
    } else {
        chosen = CodeNameWindow::pick(cariAltGrupDef(), this, QStringLiteral("GRUP_KOD"),
                                      m_kart.value(QStringLiteral("CARI_GRP_KOD")));
        if (!chosen.isValid())
            return;
        fillAltGrup();
        m_kart.setValue(QStringLiteral("ALT_GRUP"), toText(chosen));
        showColumn(QStringLiteral("ALT_GRUP"));
    }
}

void TFormCariSakla::showBanks()
{
    const bool was = m_banks->blockSignals(true);
    m_banks->setRowCount(0);
    for (const QVariantMap& b : m_kart.bankalar) {
        const int r = m_banks->rowCount();
        m_banks->insertRow(r);
        for (int c = 0; c < kBankCols.size(); ++c) {
            const QVariant v = b.value(kBankCols.at(c));
            QString t = toText(v);
            if (kBankCols.at(c) == QLatin1String("VADE_TAR"))
                t = toDate(v).isValid() ? toDate(v).toString(QStringLiteral("dd.MM.yyyy")) : QString();
            else if (kBankCols.at(c) == QLatin1String("TEM_TUTAR"))
                t = v.isNull() ? QString() : CariBakiye::tutar(v.toDouble());
            m_banks->setItem(r, c, new QTableWidgetItem(t));
        }
    }
    m_banks->blockSignals(was);
}

bool TFormCariSakla::readBanks()
{
    return guard([this] {
        QList<QVariantMap> rows;
        for (int r = 0; r < m_banks->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < kBankCols.size(); ++c)
                cells << (m_banks->item(r, c) ? m_banks->item(r, c)->text() : QString());
            rows << CariKart::bankaSatiri(cells, r + 1);
        }
        m_kart.bankalar = rows;
    });
}

void TFormCariSakla::showRisk()
{
    const QString kod = m_kart.text(QStringLiteral("CARI_KOD"));
    if (m_kart.isNew() || kod.isEmpty()) {
        m_risk->setText(QString());
        return;
    }
    QString html;
    guard([&] {
        const CariRiskBilgisi r(yearDb());
        auto rows = [](const QList<RiskSatiri>& list) {
            QString s;
            for (const RiskSatiri& x : list)
                s += QStringLiteral("<tr><td>%1</td><td align=right>%2</td><td align=right>%3 $</td>"
                                    "<td align=right>%4 €</td></tr>")
                         .arg(x.baslik.toHtmlEscaped(), CariBakiye::tutar(x.tutar), CariBakiye::tutar(x.usd),
                              CariBakiye::tutar(x.eur));
            return s;
        };
        html = QStringLiteral("<b>Karşılıksız Ç/S Riskleri</b><table width=100%>") + rows(r.karsiliksiz(kod))
               + QStringLiteral("</table><br><b>Tahsil Edilmemiş Ç/S</b><table width=100%>")
               + rows(r.tahsilEdilmemis(kod)) + QStringLiteral("</table><br><table width=100%>")
               + rows({r.faturasizIrsaliye(kod)}) + QStringLiteral("</table>");
        // The figure the movement windows test against the limit (USD).
        const CariRiskSonucu risk = cariRiskHesapla(yearDb(), kod, 0);
        if (risk.denetlenir)
            html += QStringLiteral("<br><b>Risk (USD)</b> %1 &nbsp; <b>Limit</b> %2%3")
                        .arg(CariBakiye::tutar(risk.tutar), CariBakiye::tutar(risk.limit),
                             risk.asildi ? QStringLiteral(" &nbsp; <font color=red><b>Limit Aşıldı</b></font>")
                                         : QString());
    });
    m_risk->setText(html);
}

void TFormCariSakla::applyRights()
{
    const CariKartHaklari h = CariKartHaklari::of(SessionContext::current());
    if (!h.kartDegistirir) {
        setPanelReadOnly(m_dataPanel, true);
        m_sonKod->setEnabled(false);
        m_banks->setEditTriggers(QAbstractItemView::NoEditTriggers);
        for (QPushButton* b : m_dataPanel->findChildren<QPushButton*>())
            b->setEnabled(false);
        m_riskiUyar->setEnabled(false);
    }
    if (!h.riskDegistirir)
        setColumnsReadOnly(CariKartHaklari::riskKolonlari(), true);
}

} // namespace nimbo
