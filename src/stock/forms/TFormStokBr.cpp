#include "stock/forms/TFormStokBr.h"
#include "stock/StockItems.h"
#include "stock/StockListQuery.h"
#include "stock/StockRights.h"
#include "stock/forms/TFormStok.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSqlRecord>

namespace nimbo {

namespace {
QString durum(const QVariant& v) { return toText(v).trimmed() == QLatin1String("A") ? QStringLiteral("Aktif") : QStringLiteral("Pasif"); }
} // namespace

TFormStokBr::TFormStokBr(QWidget* parent) : ListWindow(QStringLiteral("Stok Kayıtları"), parent)
{
    setObjectName(QStringLiteral("TFormStokBr"));
    using K = ListColumn::Kind;
    setColumns({
        {QStringLiteral("STOK_KOD_NO"), QStringLiteral("Stok Kodu"), 110},
        {QStringLiteral("STOK_ADI_TR"), QStringLiteral("Stok Adı"), 240},
        {QStringLiteral("BARKOD"), QStringLiteral("Barkod"), 110},
        {QStringLiteral("ANAGRUP_ADI"), QStringLiteral("Ana Grup"), 100},
        {QStringLiteral("GRUP_ADI"), QStringLiteral("Grup"), 100},
        {QStringLiteral("ALTGRUP_ADI"), QStringLiteral("Alt Grup"), 90},
        {QStringLiteral("FIRMA_ADI"), QStringLiteral("Marka"), 90},
        {QStringLiteral("MODEL_ADI"), QStringLiteral("Model"), 80},
        {QStringLiteral("RENK_ADI"), QStringLiteral("Renk"), 70},
        {QStringLiteral("BIRIM1"), QStringLiteral("Birim"), 50},
        {QStringLiteral("KDV"), QStringLiteral("Kdv"), 45, K::Amount},
        {QStringLiteral("DOVIZ_KODU"), QStringLiteral("Döviz"), 45},
        {QStringLiteral("ALIS_FYT_TL"), QStringLiteral("Alış TL"), 80, K::Amount},
        {QStringLiteral("SAT_SKFYT_TL"), QStringLiteral("Perakende TL"), 85, K::Amount},
        {QStringLiteral("SAT_SKFYT_USD"), QStringLiteral("Perakende USD"), 85, K::Amount},
        {QStringLiteral("SAT_SKFYT_EUR"), QStringLiteral("Perakende EUR"), 85, K::Amount},
        {QStringLiteral("SAT_ABFYT_TL"), QStringLiteral("Toptan TL"), 80, K::Amount},
        {QStringLiteral("URET_STK_KOD"), QStringLiteral("Üretici Kodu"), 90},
        {QStringLiteral("STOK_ADI_ING"), QStringLiteral("Stok Adı (2)"), 120},
        {QStringLiteral("PASIF"), QStringLiteral("Durumu"), 55, K::Text, durum},
        {QStringLiteral("RANK"), QStringLiteral("Rank"), 40},
        {QStringLiteral("QTY"), QStringLiteral("Paket"), 50, K::Amount},
        {QStringLiteral("YENI_KOD"), QStringLiteral("Yeni Kod"), 80},
        {QStringLiteral("DEGISEN"), QStringLiteral("D"), 25},
        {QStringLiteral("STOK_NO"), QStringLiteral("Stok No"), 60, K::Integer},
    });
    setKeyField(QStringLiteral("STOK_NO"));
    setCommands(New | Change | Delete | Copy | Print | Export);
    addFilterWidget(buildFilter());
    resize(1250, 720);
    refresh();
}

void TFormStokBr::fillCombo(QComboBox* c, const QString& sql, const Params& p)
{
    const QVariant keep = c->currentData();
    const bool was = c->blockSignals(true);
    c->clear();
    c->addItem(QString(), QVariant());
    for (const QSqlRecord& r : db().records(sql, p))
        c->addItem(toText(r.value(1)).trimmed(), r.value(0));
    const int i = c->findData(keep);
    c->setCurrentIndex(i < 0 ? 0 : i);
    c->blockSignals(was);
}

QWidget* TFormStokBr::buildFilter()
{
    auto* box = new QGroupBox(QStringLiteral("Filtre"));
    auto* g = new QGridLayout(box);
    auto line = [](const QString& name) {
        auto* e = new QLineEdit;
        e->setObjectName(name);
        return e;
    };
    auto combo = [](const QString& name) {
        auto* c = new QComboBox;
        c->setObjectName(name);
        c->setMinimumWidth(110);
        return c;
    };
    m_metin = line(QStringLiteral("EditARANAN"));
    m_metin->setPlaceholderText(QStringLiteral("kod, ad, barkod, raf, açıklama..."));
    m_kod = line(QStringLiteral("EditKOD"));
    m_kod1 = line(QStringLiteral("EditKOD1"));
    m_kod2 = line(QStringLiteral("EditKOD2"));
    m_no1 = line(QStringLiteral("EditNO1"));
    m_no2 = line(QStringLiteral("EditNO2"));
    m_no1->setValidator(new QDoubleValidator(m_no1));
    m_no2->setValidator(new QDoubleValidator(m_no2));
    m_temsilci = line(QStringLiteral("EditTEMSILCI"));
    m_pasif = combo(QStringLiteral("CmbPASIF"));
    m_pasif->addItem(QStringLiteral("Tümü"), QString());
    m_pasif->addItem(QStringLiteral("Aktif"), QStringLiteral("A"));
    m_pasif->addItem(QStringLiteral("Pasif"), QStringLiteral("P"));
    m_stok = combo(QStringLiteral("CmbSTOK"));
    m_stok->addItem(QStringLiteral("Tümü"), int(StockFilter::InStock::All));
    m_stok->addItem(QStringLiteral("Stokta Olanlar"), int(StockFilter::InStock::InStock));
    m_stok->addItem(QStringLiteral("Stokta Olmayanlar"), int(StockFilter::InStock::NotInStock));
    m_marka = combo(QStringLiteral("CmbMARKA"));
    m_ana = combo(QStringLiteral("CmbANAGRUP"));
    m_grup = combo(QStringLiteral("CmbGRUP"));
    m_alt = combo(QStringLiteral("CmbALTGRUP"));
    m_renk = combo(QStringLiteral("CmbRENK"));
    m_model = combo(QStringLiteral("CmbMODEL"));
    m_sira = combo(QStringLiteral("CmbSIRALAMA"));
    for (const ListColumn& c : gridModel()->columns())
        m_sira->addItem(c.title, c.field);
    m_azalan = new QCheckBox(QStringLiteral("Azalan"));
    m_azalan->setObjectName(QStringLiteral("ChkAZALAN"));

    fillCombo(m_marka, QStringLiteral("SELECT FIRMANO, FIRMA_ADI FROM FIRMA ORDER BY FIRMA_ADI"));
    fillCombo(m_ana, QStringLiteral("SELECT GRUP_KODU, GRUP_ADI FROM ANAGRUP ORDER BY GRUP_ADI"));
    fillCombo(m_grup, QStringLiteral("SELECT GRUP_KODU, GRUP_ADI FROM GRUP ORDER BY GRUP_ADI"));
    fillCombo(m_alt, QStringLiteral("SELECT GRUP_KODU, GRUP_ADI FROM ALTGRUP ORDER BY GRUP_ADI"));
    fillCombo(m_renk, QStringLiteral("SELECT RENK_KOD, RENK_ADI FROM RENKLER ORDER BY RENK_ADI"));
    fillCombo(m_model, QStringLiteral("SELECT MODEL_KOD, MODEL_ADI FROM STKMODEL ORDER BY MODEL_ADI"));
    // As on the card: a main group narrows the groups, a group the sub-groups, a brand the models.
    auto narrow = [this](QComboBox* from, QComboBox* to, const QString& sql, const QString& all) {
        connect(from, &QComboBox::currentIndexChanged, this, [this, from, to, sql, all] {
            const QVariant v = from->currentData();
            if (v.isValid() && !v.isNull())
                fillCombo(to, sql, {{QStringLiteral("N"), v}});
            else
                fillCombo(to, all);
        });
    };
    narrow(m_ana, m_grup, QStringLiteral("SELECT GRUP_KODU, GRUP_ADI FROM GRUP WHERE ANA_GRUP_KODU = :N ORDER BY GRUP_ADI"),
           QStringLiteral("SELECT GRUP_KODU, GRUP_ADI FROM GRUP ORDER BY GRUP_ADI"));
    narrow(m_grup, m_alt,
           QStringLiteral("SELECT GRUP_KODU, GRUP_ADI FROM ALTGRUP WHERE ALT_GRUP_KODU = :N ORDER BY GRUP_ADI"),
           QStringLiteral("SELECT GRUP_KODU, GRUP_ADI FROM ALTGRUP ORDER BY GRUP_ADI"));
    narrow(m_marka, m_model,
           QStringLiteral("SELECT MODEL_KOD, MODEL_ADI FROM STKMODEL WHERE MARKA_NO = :N ORDER BY MODEL_ADI"),
           QStringLiteral("SELECT MODEL_KOD, MODEL_ADI FROM STKMODEL ORDER BY MODEL_ADI"));

    auto put = [g](int row, int col, const QString& label, QWidget* w) {
        g->addWidget(new QLabel(label), row, col * 2);
        g->addWidget(w, row, col * 2 + 1);
    };
    put(0, 0, QStringLiteral("Aranan"), m_metin);
    put(1, 0, QStringLiteral("Stok Kodu"), m_kod);
    put(2, 0, QStringLiteral("Kod Aralığı"), m_kod1);
    put(3, 0, QStringLiteral("... ile"), m_kod2);
    put(0, 1, QStringLiteral("Ana Grup"), m_ana);
    put(1, 1, QStringLiteral("Grup"), m_grup);
    put(2, 1, QStringLiteral("Alt Grup"), m_alt);
    put(3, 1, QStringLiteral("Stok No"), m_no1);
    put(0, 2, QStringLiteral("Marka"), m_marka);
    put(1, 2, QStringLiteral("Model"), m_model);
    put(2, 2, QStringLiteral("Renk"), m_renk);
    put(3, 2, QStringLiteral("... ile"), m_no2);
    put(0, 3, QStringLiteral("Durumu"), m_pasif);
    put(1, 3, QStringLiteral("Stok Durumu"), m_stok);
    put(2, 3, QStringLiteral("Tedarikçi"), m_temsilci);
    put(3, 3, QStringLiteral("Sıralama"), m_sira);
    g->addWidget(m_azalan, 3, 8);
    for (QLineEdit* e : {m_metin, m_kod, m_kod1, m_kod2, m_no1, m_no2, m_temsilci})
        connect(e, &QLineEdit::returnPressed, this, [this] { refresh(currentKey()); });
    return box;
}

StockFilter TFormStokBr::filter() const
{
    StockFilter f;
    f.text = m_metin->text();
    f.kod = m_kod->text();
    f.kodFrom = m_kod1->text();
    f.kodTo = m_kod2->text();
    if (!m_no1->text().trimmed().isEmpty())
        f.stokNoFrom = m_no1->text().trimmed().toDouble();
    if (!m_no2->text().trimmed().isEmpty())
        f.stokNoTo = m_no2->text().trimmed().toDouble();
    f.temsilci = m_temsilci->text();
    f.pasif = m_pasif->currentData().toString();
    f.firmaNo = m_marka->currentData();
    f.anaGrupNo = m_ana->currentData();
    f.grupNo = m_grup->currentData();
    f.altGrupNo = m_alt->currentData();
    f.renk = m_renk->currentData().toString();
    f.model = m_model->currentData().toString();
    f.stock = StockFilter::InStock(m_stok->currentData().toInt());
    f.orderBy = m_sira->currentData().toString();
    f.descending = m_azalan->isChecked();
    return f;
}

ListQuery TFormStokBr::query() const { return StockListQuery::build(db().dialect(), filter()); }

void TFormStokBr::openCard(double stokNo)
{
    if (!StockRights::mayOpenCard())
        return;
    QVariant key = stokNo > 0 ? QVariant(stokNo) : QVariant();
    guard([&] {
        TFormStok card(stokNo, this);
        card.exec();
        key = card.stokNo();
    });
    refresh(key);
}

void TFormStokBr::newRecord() { openCard(0); }

void TFormStokBr::changeRecord(const QSqlRecord& row) { openCard(row.value(QStringLiteral("STOK_NO")).toDouble()); }

bool TFormStokBr::deleteRecord(const QSqlRecord& row)
{
    bool done = false;
    guard([&] { done = StockItems::remove(db(), row.value(QStringLiteral("STOK_NO")).toDouble()); });
    return done;
}

void TFormStokBr::copyRecord(const QSqlRecord& row)
{
    double copy = 0;
    if (!guard([&] { copy = StockItems::copy(db(), row.value(QStringLiteral("STOK_NO")).toDouble()); }))
        return;
    openCard(copy);
}

} // namespace nimbo
