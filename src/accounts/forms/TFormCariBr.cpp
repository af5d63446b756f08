#include "accounts/forms/TFormCariBr.h"
#include "widgets/DocumentWindow.h"
#include "accounts/CariGrupSecimi.h"
#include "accounts/CariBakiye.h"
#include "accounts/CariListe.h"
#include "accounts/SehirIlce.h"
#include "accounts/forms/TFormCariSakla.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>

namespace nimbo {

namespace {
QString aktifPasif(const QVariant& v)
{
    const QString s = toText(v);
    return s == QLatin1String("P") ? QStringLiteral("Pasif") : s == QLatin1String("A") ? QStringLiteral("Aktif") : s;
}
} // namespace

TFormCariBr::TFormCariBr(QWidget* parent) : ListWindow(QStringLiteral("Cari Kayıtlar"), parent)
{
    setObjectName(QStringLiteral("TFormCariBr"));
    using K = ListColumn::Kind;
    setColumns({
        {QStringLiteral("CARI_KOD"), QStringLiteral("Cari Kodu"), 110},
        {QStringLiteral("FIRMA_ADI"), QStringLiteral("Cari Adı"), 260},
        {QStringLiteral("YETKILI_ADI"), QStringLiteral("Yetkili Adı"), 100},
        {QStringLiteral("YETKILI_SOYAD"), QStringLiteral("Yetkili Soyadı"), 100},
        {QStringLiteral("TEL1"), QStringLiteral("Telefon"), 110, K::Text, {}, false, true},
        {QStringLiteral("SEMT"), QStringLiteral("Semt"), 90},
        {QStringLiteral("ILCE"), QStringLiteral("İlçe"), 90},
        {QStringLiteral("ILI"), QStringLiteral("İl"), 90},
        {QStringLiteral("PASIF"), QStringLiteral("Durumu"), 60, K::Text, aktifPasif},
        {QStringLiteral("MAKSVADEGUN"), QStringLiteral("Vade(Gün)"), 70, K::Integer},
        {QStringLiteral("FAT_ISK"), QStringLiteral("Fat.İsk.%"), 70, K::Amount},
        {QStringLiteral("GRUP_ADI"), QStringLiteral("Ana Grup"), 110},
        {QStringLiteral("CARI_GRP_KOD"), QStringLiteral("Grup"), 60},
        {QStringLiteral("ALT_GRUP"), QStringLiteral("Alt Grup"), 70},
        {QStringLiteral("OZEL_GRUP"), QStringLiteral("Özel Grup"), 70},
        {QStringLiteral("DOVIZ_KODU"), QStringLiteral("Döviz"), 50},
        {QStringLiteral("ISCI_KOD"), QStringLiteral("Satış Temsilcisi"), 90},
        {QStringLiteral("TCKIMLIKNO"), QStringLiteral("TC Kimlik No"), 100, K::Text, {}, false, true},
        {QStringLiteral("ACILISTRH"), QStringLiteral("Açılış Tarihi"), 90, K::Date},
    });
    setKeyField(QStringLiteral("CARI_KOD"));
    for (const auto& a : CariListe::aramaAlanlari())
        addSearchField(a.first, a.second);
    setCommands(New | Change | Delete | Copy | Print | Export);
    setEditRight(QStringLiteral("CARIKDUZEL"));
    addFilterWidget(buildFilter());
    buildTotals();
    buildShortcuts();
    resize(1150, 680);
    refresh();
}

QWidget* TFormCariBr::buildFilter()
{
    auto* box = new QGroupBox(QStringLiteral("Filtre"));
    auto* g = new QGridLayout(box);
    auto combo = [](const QString& name) {
        auto* c = new QComboBox;
        c->setObjectName(name);
        c->setMinimumWidth(120);
        return c;
    };
    m_durum = combo(QStringLiteral("CmbDURUM"));
    m_durum->addItem(QStringLiteral("Tümü"), int(CariFiltre::Durum::Tumu));
    m_durum->addItem(QStringLiteral("Aktif"), int(CariFiltre::Durum::Aktif));
    m_durum->addItem(QStringLiteral("Pasif"), int(CariFiltre::Durum::Pasif));
    m_anaGrup = combo(QStringLiteral("CmbANAGRUP"));
    m_grup = combo(QStringLiteral("CmbGRUP"));
    m_altGrup = combo(QStringLiteral("CmbALTGRUP"));
    m_il = combo(QStringLiteral("CmbIL"));
    m_ilce = combo(QStringLiteral("CmbILCE"));
    m_semt = new QLineEdit;
    m_semt->setObjectName(QStringLiteral("EditSEMT"));
    m_semt->setMaxLength(25);
    m_vade = new QLineEdit;
    m_vade->setObjectName(QStringLiteral("EditVADE"));
    m_vade->setValidator(new QIntValidator(0, 32767, m_vade));
    m_bakiye = combo(QStringLiteral("CmbBAKIYE"));
    m_bakiye->addItem(QStringLiteral("Tümü"), int(CariFiltre::Bakiye::Tumu));
    m_bakiye->addItem(QStringLiteral("Borçlu"), int(CariFiltre::Bakiye::Borclu));
    m_bakiye->addItem(QStringLiteral("Alacaklı"), int(CariFiltre::Bakiye::Alacakli));
    m_bakiye->addItem(QStringLiteral("Bakiyesiz"), int(CariFiltre::Bakiye::Bakiyesiz));
    m_taksit = combo(QStringLiteral("CmbTAKSIT"));
    m_taksit->addItem(QStringLiteral("Tümü"), int(CariFiltre::Taksit::Tumu));
    m_taksit->addItem(QStringLiteral("Taksitli"), int(CariFiltre::Taksit::Taksitli));
    m_taksit->addItem(QStringLiteral("Taksit Bakiyesi Olan"), int(CariFiltre::Taksit::TaksitBakiyesiOlan));
    m_taksit->addItem(QStringLiteral("Taksiti Ödemeyen"), int(CariFiltre::Taksit::TaksitiOdemeyen));

    auto put = [g](int row, int col, const QString& label, QWidget* w) {
        g->addWidget(new QLabel(label), row, col * 2);
        g->addWidget(w, row, col * 2 + 1);
    };
    put(0, 0, QStringLiteral("Cari Durumu"), m_durum);
    put(1, 0, QStringLiteral("Bakiye Durumu"), m_bakiye);
    put(2, 0, QStringLiteral("Taksit Durumu"), m_taksit);
    put(0, 1, QStringLiteral("Ana Grubu"), m_anaGrup);
    put(1, 1, QStringLiteral("Grubu"), m_grup);
    put(2, 1, QStringLiteral("Alt Grubu"), m_altGrup);
    put(0, 2, QStringLiteral("İl"), m_il);
    put(1, 2, QStringLiteral("İlçe"), m_ilce);
    put(2, 2, QStringLiteral("Semt"), m_semt);
    put(0, 3, QStringLiteral("Vade (Gün)"), m_vade);

    fillGroups();
    // Narrowing as on the card: a main group limits the groups, a group the subgroups.
    connect(m_anaGrup, &QComboBox::currentIndexChanged, this, [this] { fillGroups(); });
    connect(m_grup, &QComboBox::currentIndexChanged, this, [this] { fillGroups(); });
    const SehirIlce si(db());
    m_il->addItem(QString());
    for (const auto& il : si.iller())
        m_il->addItem(il.second, il.first);
    connect(m_il, &QComboBox::currentIndexChanged, this, [this] {
        m_ilce->clear();
        m_ilce->addItem(QString());
        if (m_il->currentData().isValid())
            m_ilce->addItems(SehirIlce(db()).ilceler(m_il->currentData().toInt()));
    });
    m_ilce->addItem(QString());
    return box;
}

void TFormCariBr::fillGroups()
{
    auto fill = [](QComboBox* c, const QList<CariGrupSecimi::Secenek>& items) {
        const QVariant keep = c->currentData();
        const bool was = c->blockSignals(true);
        c->clear();
        c->addItem(QString());
        for (const auto& i : items)
            c->addItem(i.second, i.first);
        const int i = c->findData(keep);
        c->setCurrentIndex(i < 0 ? 0 : i);
        c->blockSignals(was);
    };
    const CariGrupSecimi secim(db());
    if (m_anaGrup->count() == 0)
        fill(m_anaGrup, secim.anaGruplar());
    fill(m_grup, secim.gruplar(m_anaGrup->currentData()));
    fill(m_altGrup, secim.altGruplar(m_grup->currentData().toString()));
}

void TFormCariBr::buildTotals()
{
    auto* box = new QGroupBox;
    auto* g = new QGridLayout(box);
    auto value = [](const QString& name) {
        auto* l = new QLabel;
        l->setObjectName(name);
        l->setMinimumWidth(130);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFrameShape(QFrame::StyledPanel);
        return l;
    };
    m_borc = value(QStringLiteral("LblBORC"));
    m_alacak = value(QStringLiteral("LblALACAK"));
    m_bakiyeLbl = value(QStringLiteral("LblBAKIYE"));
    m_dovizToplam = new QLabel;
    m_dovizToplam->setObjectName(QStringLiteral("LblDOVIZTOPLAM"));
    g->addWidget(new QLabel(QStringLiteral("Borç Toplamı")), 0, 0);
    g->addWidget(m_borc, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Alacak Toplamı")), 0, 2);
    g->addWidget(m_alacak, 0, 3);
    g->addWidget(new QLabel(QStringLiteral("Bakiye")), 0, 4);
    g->addWidget(m_bakiyeLbl, 0, 5);
    g->addWidget(new QLabel(QStringLiteral("Döviz Cinsine Göre Toplamları")), 1, 0, 1, 2);
    g->addWidget(m_dovizToplam, 1, 2, 1, 4);
    g->setColumnStretch(6, 1);
    footerLayout()->addWidget(box);
}

void TFormCariBr::buildShortcuts()
{
    // Windows of other subsystems, looked up when clicked; a button shows only while its
    // window is registered.
    const struct { const char* text; const char* window; bool borcKapatma; } list[] = {
        {"Hareketler", "TFormCariHrk", false},
        {"Hareket Girişi", "TFormCariHarek", false},
        {"Borç Kapatma", "TFormBrcAlaKapa", true},
        {"USD Borç Kapatma", "TFormUSDBrcAlaKapa", true},
        {"EUR Borç Kapatma", "TFormEURBrcAlaKapa", true},
        {"Banka Hareketleri", "TFormBankHrkBr", false},
        {"Ç/S Bordro", "TFormCSBordroBr", false},
        {"Yetkililer", "TFormCariPersonel", false},
        {"Şubeler/Sevk Adresleri", "TFormCariSevk", false},
        {"Fatura Adresleri", "TFormCariFatura", false},
        {"Ekstreleri E-Postayla Yolla", "TFormMailGonder", false},
    };
    int at = 4;
    for (const auto& s : list) {
        auto* b = new QPushButton(QString::fromUtf8(s.text));
        b->setObjectName(QStringLiteral("Btn") + QString::fromLatin1(s.window));
        b->setAutoDefault(false);
        const QString window = QString::fromLatin1(s.window);
        const bool borcKapatma = s.borcKapatma;
        connect(b, &QPushButton::clicked, this, [this, window, borcKapatma] { openShortcut(window, borcKapatma); });
        b->setVisible(WindowRegistry::instance().find(window) != nullptr);
        commandLayout()->insertWidget(at++, b);
        m_shortcuts.append({b, window});
    }
}

void TFormCariBr::openShortcut(const QString& windowName, bool borcKapatma)
{
    const QString kod = toText(currentKey());
    if (kod.isEmpty())
        return;
    if (borcKapatma && !CariListe::borcKapatabilir())
        return;
    const WindowEntry* e = WindowRegistry::instance().find(windowName);
    if (!e || !e->create)
        return;
    // The movement-entry window is opened once.
    if (windowName == QLatin1String("TFormCariHarek") && DocumentWindow::openCount(windowName) > 0) {
        Prompter::instance().warn(QStringLiteral("Cari Hareket Giriş Penceresi Açık!"));
        return;
    }
    WindowArgs args{{QStringLiteral("CARI_KOD"), kod}};
    // The statement mail walks the whole list as filtered, not just the current account.
    if (windowName == QLatin1String("TFormMailGonder"))
        args.insert(QStringLiteral("CARI_KODLARI"), listeKodlari());
    QWidget* w = e->create(this, args);
    if (!w)
        return;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowFlag(Qt::Window, true);
    if (auto* d = qobject_cast<QDialog*>(w); d && e->modal)
        d->exec();
    else
        w->show();
}

QStringList TFormCariBr::listeKodlari() const
{
    QStringList kodlar;
    guard([&] { kodlar = CariListe(db()).kodlar(query()); });
    return kodlar;
}

QString TFormCariBr::sec(QWidget* parent, const QString& aranan)
{
    TFormCariBr w(parent);
    w.setPickMode(true);
    const QString metin = aranan.trimmed();
    if (!metin.isEmpty()) {
        auto* alan = w.findChild<QComboBox*>(QStringLiteral("CmbARANAN"));
        auto* deger = w.findChild<QLineEdit*>(QStringLiteral("EditARANAN"));
        if (alan && deger) {
            alan->setCurrentIndex(alan->findData(metin.front().isDigit() ? QStringLiteral("CARI_KOD")
                                                                         : QStringLiteral("FIRMA_ADI")));
            deger->setText(metin);
            w.refresh();
        }
    }
    if (w.exec() != QDialog::Accepted)
        return {};
    return toText(w.selectedRecord().value(QStringLiteral("CARI_KOD"))).trimmed();
}

std::function<QVariant(QWidget*, const QString&)> TFormCariBr::secici()
{
    return [](QWidget* parent, const QString& yazilan) -> QVariant {
        const QString kod = sec(parent, yazilan);
        return kod.isEmpty() ? QVariant() : QVariant(kod);
    };
}

CariFiltre TFormCariBr::filtre() const
{
    CariFiltre f;
    f.durum = CariFiltre::Durum(m_durum->currentData().toInt());
    f.anaGrup = m_anaGrup->currentData();
    f.grup = m_grup->currentData().toString();
    f.altGrup = m_altGrup->currentData().toString();
    f.il = m_il->currentText();
    f.ilce = m_ilce->currentText();
    f.semt = m_semt->text();
    if (!m_vade->text().isEmpty())
        f.vadeGun = m_vade->text().toInt();
    f.bakiye = CariFiltre::Bakiye(m_bakiye->currentData().toInt());
    f.taksit = CariFiltre::Taksit(m_taksit->currentData().toInt());
    f.aramaAlani = searchField();
    f.aramaDegeri = searchText();
    return f;
}

ListQuery TFormCariBr::query() const { return CariListe(db()).sorgu(filtre()); }

void TFormCariBr::openCard(const QString& kod, const QString& kaynak)
{
    const QString saved = TFormCariSakla::ac(this, kod, kaynak);
    if (!saved.isEmpty())
        refresh(saved);
}

void TFormCariBr::newRecord() { openCard({}, {}); }
void TFormCariBr::changeRecord(const QSqlRecord& row) { openCard(toText(row.value(QStringLiteral("CARI_KOD"))), {}); }
void TFormCariBr::copyRecord(const QSqlRecord& row) { openCard({}, toText(row.value(QStringLiteral("CARI_KOD")))); }

bool TFormCariBr::deleteRecord(const QSqlRecord& row)
{
    return deleteGuarded([&] { return CariListe(db()).sil(toText(row.value(QStringLiteral("CARI_KOD")))); });
}

void TFormCariBr::currentChanged(const QSqlRecord& row)
{
    const QString kod = toText(row.value(QStringLiteral("CARI_KOD")));
    for (const auto& s : m_shortcuts)
        s.first->setVisible(WindowRegistry::instance().find(s.second) != nullptr);
    if (kod.isEmpty()) {
        m_borc->clear();
        m_alacak->clear();
        m_bakiyeLbl->clear();
        m_dovizToplam->clear();
        return;
    }
    guard([&] {
        const CariBakiye b(db());
        const CariToplam t = b.toplam(kod);
        m_borc->setText(CariBakiye::tutar(t.borc));
        m_alacak->setText(CariBakiye::tutar(t.alacak));
        m_bakiyeLbl->setText(CariBakiye::metin(t.borc, t.alacak));
        QStringList parts;
        for (const CariToplam& d : b.dovizToplamlari(kod))
            parts << QStringLiteral("%1: Borç %2  Alacak %3  Bakiye %4")
                         .arg(d.doviz.isEmpty() ? QStringLiteral("?") : d.doviz, CariBakiye::tutar(d.borc),
                              CariBakiye::tutar(d.alacak), CariBakiye::metin(d.borc, d.alacak));
        m_dovizToplam->setText(parts.join(QStringLiteral("    ")));
    });
}

} // namespace nimbo
