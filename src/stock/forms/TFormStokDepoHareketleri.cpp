#include "stock/forms/TFormStokDepoHareketleri.h"
#include "services/SessionContext.h"
#include "stock/StokDepoHareketleri.h"
#include "stock/StokFisTipi.h"
#include "stock/StockItems.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>

namespace nimbo {

TFormStokDepoHareketleri::TFormStokDepoHareketleri(double stokNo, QWidget* parent)
    : ListWindow(QStringLiteral("Stok Depo Hareketleri"), parent), m_stokNo(stokNo)
{
    setObjectName(QStringLiteral("TFormStokDepoHareketleri"));
    const QString stok = StockItems::kodVeAd(db(), stokNo);
    if (!stok.isEmpty())
        setWindowTitle(QStringLiteral("Stok Depo Hareketleri - ") + stok);
    using K = ListColumn::Kind;
    const auto tipAdi = [](const QVariant& v) { return StokFisTipi::ad(toText(v).trimmed()); };
    setColumns({{QStringLiteral("TARIH"), QStringLiteral("Tarih"), 85, K::Date},
                {QStringLiteral("BELGE"), QStringLiteral("Belge"), 80},
                {QStringLiteral("SATISNO"), QStringLiteral("Belge No"), 80, K::Integer},
                {QStringLiteral("FISTIP"), QStringLiteral("Fiş Tipi"), 190, K::Text, tipAdi},
                {QStringLiteral("CARIKOD"), QStringLiteral("Cari Kod"), 110},
                {QStringLiteral("DEPO_ADI"), QStringLiteral("Depo"), 130},
                {QStringLiteral("GIRMIK"), QStringLiteral("Giren"), 80, K::Amount, {}, true},
                {QStringLiteral("CIKMIK"), QStringLiteral("Çıkan"), 80, K::Amount, {}, true},
                {QStringLiteral("FIYAT"), QStringLiteral("Birim Değer"), 90, K::Amount}});
    setKeyField(QStringLiteral("SATISNO"));
    setCommands(Print | Export);
    const int yil = SessionContext::current().CalismaYiliNo > 0 ? SessionContext::current().CalismaYiliNo
                                                                : QDate::currentDate().year();
    m_ilk = new QDateEdit(QDate(yil, 1, 1));
    m_son = new QDateEdit(QDate(yil, 12, 31));
    m_ilk->setObjectName(QStringLiteral("EditIlkTarih"));
    m_son->setObjectName(QStringLiteral("EditSonTarih"));
    auto* w = new QWidget;
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(new QLabel(QStringLiteral("Tarih Aralığı")));
    for (QDateEdit* d : {m_ilk, m_son}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        h->addWidget(d);
    }
    addFilterWidget(w);
    resize(1000, 520);
    refresh();
}

ListQuery TFormStokDepoHareketleri::query() const
{
    return StokDepoHareketleri::sorgu(m_stokNo, m_ilk->date(), m_son->date());
}

} // namespace nimbo
