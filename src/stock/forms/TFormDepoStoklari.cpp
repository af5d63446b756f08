#include "stock/forms/TFormDepoStoklari.h"
#include "stock/forms/TFormStokDepoHareketleri.h"
#include "services/SharedLists.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace nimbo {

TFormDepoStoklari::TFormDepoStoklari(QWidget* parent) : ListWindow(QStringLiteral("Depo Stokları"), parent)
{
    setObjectName(QStringLiteral("TFormDepoStoklari"));
    using K = ListColumn::Kind;
    setColumns({{QStringLiteral("DEPO_KODU"), QStringLiteral("Depo"), 50, K::Integer},
                {QStringLiteral("DEPO_ADI"), QStringLiteral("Depo Adı"), 140},
                {QStringLiteral("STOK_KOD_NO"), QStringLiteral("Stok Kodu"), 120},
                {QStringLiteral("STOK_ADI_TR"), QStringLiteral("Stok Adı"), 220},
                {QStringLiteral("GIRMIK"), QStringLiteral("Giren Miktar"), 90, K::Amount, {}, true},
                {QStringLiteral("CIKMIK"), QStringLiteral("Çıkan Miktar"), 90, K::Amount, {}, true},
                {QStringLiteral("MIKTAR"), QStringLiteral("Kalan Miktar"), 90, K::Amount, {}, true},
                {QStringLiteral("GIRTUTAR"), QStringLiteral("Giren Tutar"), 100, K::Amount, {}, true},
                {QStringLiteral("CIKTUTAR"), QStringLiteral("Çıkan Tutar"), 100, K::Amount, {}, true}});
    setKeyField(QStringLiteral("STOK_NO"));
    setCommands(Change | Print | Export);

    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    m_depo = new QComboBox;
    m_depo->setObjectName(QStringLiteral("CmbDepo"));
    m_depo->addItem(QStringLiteral("(Tüm Depolar)"), 0);
    for (const PickItem& d : OrtakListe(db(), QStringLiteral("DEPO")))
        m_depo->addItem(d.text, d.value.toInt());
    m_bakiye = new QComboBox;
    m_bakiye->setObjectName(QStringLiteral("CmbBakiye"));
    m_bakiye->addItems({QStringLiteral("Hepsi"), QStringLiteral("Pozitif Bakiyeler"),
                        QStringLiteral("Negatif Bakiyeler")});
    m_unite = new QComboBox;
    m_unite->setObjectName(QStringLiteral("CmbUnite"));
    m_unite->addItem(QStringLiteral("(Tüm Birimler)"), 0);
    for (const PickItem& u : OrtakListe(db(), QStringLiteral("UNITE")))
        m_unite->addItem(u.text, u.value.toInt());
    m_kod = new QLineEdit;
    m_kod->setObjectName(QStringLiteral("EditStokKodu"));
    h->addWidget(new QLabel(QStringLiteral("Depo")));
    h->addWidget(m_depo);
    h->addWidget(new QLabel(QStringLiteral("Bakiye")));
    h->addWidget(m_bakiye);
    h->addWidget(new QLabel(QStringLiteral("Ünite")));
    h->addWidget(m_unite);
    h->addWidget(new QLabel(QStringLiteral("Stok Kodu")));
    h->addWidget(m_kod);
    addFilterWidget(w);
    resize(1100, 600);
    refresh();
}

DepoStoklari::Filtre TFormDepoStoklari::filtre() const
{
    DepoStoklari::Filtre f;
    f.depoKodu = m_depo->currentData().toInt();
    f.bakiye = DepoStoklari::Bakiye(qMax(0, m_bakiye->currentIndex()));
    f.uniteKodu = m_unite->currentData().toInt();
    f.stokKodu = m_kod->text();
    return f;
}

ListQuery TFormDepoStoklari::query() const { return DepoStoklari::sorgu(filtre(), db().dialect()); }

// "Değiştir" on a row shows that item's warehouse movements.
void TFormDepoStoklari::changeRecord(const QSqlRecord& row)
{
    TFormStokDepoHareketleri w(row.value(QStringLiteral("STOK_NO")).toDouble(), this);
    w.exec();
}

} // namespace nimbo
