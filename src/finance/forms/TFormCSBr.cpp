#include "finance/forms/TFormCSBr.h"
#include "finance/CekSenetDurumu.h"
#include "finance/CekSenetKart.h"
#include "finance/forms/TFormCSSakla.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

namespace nimbo {

namespace {
// Kind and owner pairs of the filter and of the "new" menu.
const char* const kTurler[][4] = {{"Ç", "M", "Müşteri Çekleri", "Müşteri Çeki Girişi"},
                                  {"E", "M", "Müşteri Senetleri", "Müşteri Senedi Girişi"},
                                  {"Ç", "F", "Kendi Çeklerimiz", "Kendi Çekimiz"},
                                  {"E", "F", "Borç Senetlerimiz", "Borç Senedimiz"}};
} // namespace

TFormCSBr::TFormCSBr(QWidget* parent, const QString& caption) : ListWindow(caption, parent)
{
    setObjectName(QStringLiteral("TFormCSBr"));
    resize(1000, 560);
    ListColumn tip{QStringLiteral("CS_TIP"), QStringLiteral("Tür"), 50};
    tip.display = [](const QVariant& v) { return CekSenetDurumu::turAdi(toText(v).trimmed()); };
    ListColumn sahip{QStringLiteral("SAHIP"), QStringLiteral("Sahibi"), 60};
    sahip.display = [](const QVariant& v) {
        return toText(v).trimmed() == CekSenetDurumu::kKendi ? QStringLiteral("Kendi") : QStringLiteral("Müşteri");
    };
    setColumns({{QStringLiteral("PORTFOYNO"), QStringLiteral("Portföy No"), 70, ListColumn::Kind::Integer},
                tip,
                sahip,
                {QStringLiteral("DURUM_ADI"), QStringLiteral("Durumu"), 150},
                {QStringLiteral("VADETARIH"), QStringLiteral("Vade"), 80, ListColumn::Kind::Date},
                {QStringLiteral("TUTAR"), QStringLiteral("Tutar"), 100, ListColumn::Kind::Amount, {}, true},
                {QStringLiteral("TUTAR_DOVIZ"), QStringLiteral("Tutar Dvz"), 90, ListColumn::Kind::Amount},
                {QStringLiteral("DOVIZ_KOD"), QStringLiteral("Döviz"), 45},
                {QStringLiteral("SERI_NO"), QStringLiteral("Seri No"), 90},
                {QStringLiteral("CARIKOD"), QStringLiteral("Cari Kodu"), 90},
                {QStringLiteral("FIRMA_ADI"), QStringLiteral("Cari Adı"), 160},
                {QStringLiteral("BORCLUSU"), QStringLiteral("Borçlusu"), 120},
                {QStringLiteral("BANKA_ADI"), QStringLiteral("Banka"), 100},
                {QStringLiteral("NUMKOD"), QStringLiteral("Takip Kodu"), 70}});
    setKeyField(QStringLiteral("PORTFOYNO"));
    addSearchField(QStringLiteral("Portföy No"), QStringLiteral("PORTFOYNO"));
    addSearchField(QStringLiteral("Seri No"), QStringLiteral("SERI_NO"));
    addSearchField(QStringLiteral("Cari Kodu"), QStringLiteral("CARIKOD"));
    addSearchField(QStringLiteral("Takip Kodu"), QStringLiteral("NUMKOD"));
    addSearchField(QStringLiteral("Cari Adı"), QStringLiteral("FIRMA_ADI"));

    m_tur = new QComboBox;
    m_tur->setObjectName(QStringLiteral("CmbTUR"));
    m_tur->addItem(QStringLiteral("Tümü"), QString());
    for (const auto& t : kTurler)
        m_tur->addItem(QString::fromUtf8(t[2]), QString::fromUtf8(t[0]) + QString::fromUtf8(t[1]));
    m_durum = new QComboBox;
    m_durum->setObjectName(QStringLiteral("CmbDURUM"));
    m_durum->addItem(QStringLiteral("Tümü"), QString());
    for (const QString& d : CekSenetDurumu::durumlar())
        m_durum->addItem(CekSenetDurumu::etiket(d, CekSenetDurumu::kCek, CekSenetDurumu::kMusteri), d);
    m_vadeBas = optionalDateEdit(QStringLiteral("EditVADE1"));
    m_vadeSon = optionalDateEdit(QStringLiteral("EditVADE2"));
    auto* f = new QWidget;
    auto* fl = new QHBoxLayout(f);
    fl->setContentsMargins(0, 0, 0, 0);
    fl->addWidget(new QLabel(QStringLiteral("Tür")));
    fl->addWidget(m_tur);
    fl->addWidget(new QLabel(QStringLiteral("Durumu")));
    fl->addWidget(m_durum);
    fl->addWidget(new QLabel(QStringLiteral("Vade")));
    fl->addWidget(m_vadeBas);
    fl->addWidget(m_vadeSon);
    addFilterWidget(f);

    m_tarihce = new QTableWidget(0, 6);
    m_tarihce->setObjectName(QStringLiteral("GridTARIHCE"));
    m_tarihce->setHorizontalHeaderLabels({QStringLiteral("Fin.No"), QStringLiteral("Tarih"), QStringLiteral("İşlem"),
                                          QStringLiteral("Verilen Durum"), QStringLiteral("Kodu"), QStringLiteral("Adı")});
    m_tarihce->horizontalHeader()->setStretchLastSection(true);
    m_tarihce->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tarihce->setMaximumHeight(130);
    footerLayout()->addWidget(new QLabel(QStringLiteral("<b>Çek/Senet Hareketleri</b>")));
    footerLayout()->addWidget(m_tarihce);

    setCommands(Change | Delete | Print | Export);
    auto* yeni = new QPushButton(QStringLiteral("Yeni"));
    yeni->setObjectName(QStringLiteral("BtnYENI"));
    yeni->setAutoDefault(false);
    auto* menu = new QMenu(yeni);
    for (const auto& t : kTurler) {
        const QString csTip = QString::fromUtf8(t[0]), sah = QString::fromUtf8(t[1]);
        QAction* a = menu->addAction(QString::fromUtf8(t[3]));
        connect(a, &QAction::triggered, this, [this, csTip, sah] { yeniKart(csTip, sah, false); });
    }
    QAction* devir = menu->addAction(QStringLiteral("Devir Çek/Senet"));
    devir->setObjectName(QStringLiteral("YeniDevir"));
    connect(devir, &QAction::triggered, this, [this] { yeniKart(CekSenetDurumu::kCek, CekSenetDurumu::kMusteri, true); });
    yeni->setMenu(menu);
    commandLayout()->insertWidget(0, yeni);
    for (QWidget* w : {static_cast<QWidget*>(m_tur), static_cast<QWidget*>(m_durum)})
        connect(static_cast<QComboBox*>(w), &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    refresh();
}

void TFormCSBr::setIslem(const QString& islem)
{
    m_islem = islem;
    setWindowTitle(windowTitle() + QStringLiteral(" - ") + CekSenetDurumu::islemAdi(islem));
    refresh();
}

CekSenetFiltre TFormCSBr::filtre() const
{
    CekSenetFiltre f;
    const QString tur = m_tur->currentData().toString();
    if (tur.size() == 2) {
        f.csTip = tur.left(1);
        f.sahip = tur.mid(1);
    }
    f.durum = m_durum->currentData().toString();
    f.vadeBas = optionalDate(m_vadeBas);
    f.vadeSon = optionalDate(m_vadeSon);
    f.aramaAlani = searchField();
    f.aramaDegeri = searchText();
    f.islem = m_islem;
    return f;
}

ListQuery TFormCSBr::query() const { return CekSenetListe(db()).sorgu(filtre()); }

void TFormCSBr::yeniKart(const QString& csTip, const QString& sahip, bool devir)
{
    const double no = TFormCSSakla::ac(this, 0, devir ? CekSenetKart::Giris::Devir : CekSenetKart::Giris::Kart, csTip,
                                       sahip);
    if (no > 0)
        refresh(no);
}

void TFormCSBr::changeRecord(const QSqlRecord& row)
{
    const double no = row.value(QStringLiteral("PORTFOYNO")).toDouble();
    if (TFormCSSakla::ac(this, no) > 0)
        refresh(no);
}

bool TFormCSBr::deleteRecord(const QSqlRecord& row)
{
    return deleteGuarded([&] { return CekSenetKart::sil(db(), row.value(QStringLiteral("PORTFOYNO")).toDouble()); });
}

void TFormCSBr::currentChanged(const QSqlRecord& row)
{
    m_tarihce->setRowCount(0);
    if (row.isEmpty())
        return;
    for (const CekSenetTarihceSatiri& s : CekSenetListe(db()).tarihce(row.value(QStringLiteral("PORTFOYNO")).toDouble())) {
        const int r = m_tarihce->rowCount();
        m_tarihce->insertRow(r);
        const QStringList cells{QString::number(s.finId), s.tarih.toString(QStringLiteral("dd.MM.yyyy")), s.islemAdi,
                                s.durumAdi, s.kodu, s.adi};
        for (int c = 0; c < cells.size(); ++c)
            m_tarihce->setItem(r, c, new QTableWidgetItem(cells.at(c)));
    }
}

} // namespace nimbo
