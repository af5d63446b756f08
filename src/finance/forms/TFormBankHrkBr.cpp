#include "finance/forms/TFormBankHrkBr.h"
#include "finance/BankaHareketBelgesi.h"
#include "finance/forms/TFormBankaHrk.h"
#include "widgets/FormUtil.h"
#include "widgets/MovementListFilter.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QPushButton>

namespace nimbo {

TFormBankHrkBr::TFormBankHrkBr(QWidget* parent) : ListWindow(QStringLiteral("BANKA HAREKETLERİ"), parent)
{
    setObjectName(QStringLiteral("TFormBankHrkBr"));
    resize(900, 500);
    setColumns({{QStringLiteral("HRK_NO"), QStringLiteral("Hrk.No"), 70, ListColumn::Kind::Integer},
                {QStringLiteral("TARIH"), QStringLiteral("Tarih"), 80, ListColumn::Kind::Date},
                {QStringLiteral("TIP_ADI"), QStringLiteral("Hareket Türü"), 150},
                {QStringLiteral("BORC"), QStringLiteral("Borç"), 100, ListColumn::Kind::Amount, {}, true},
                {QStringLiteral("ALACAK"), QStringLiteral("Alacak"), 100, ListColumn::Kind::Amount, {}, true},
                {QStringLiteral("BORC_USD"), QStringLiteral("Borç USD"), 90, ListColumn::Kind::Amount},
                {QStringLiteral("ALACAK_USD"), QStringLiteral("Alacak USD"), 90, ListColumn::Kind::Amount},
                {QStringLiteral("FIS_NO"), QStringLiteral("Fiş No"), 70, ListColumn::Kind::Integer},
                {QStringLiteral("PERSONEL"), QStringLiteral("Personel"), 80}});
    setKeyField(QStringLiteral("HRK_NO"));

    QList<PickItem> tipler;
    for (const QString& t : BankaHareketBelgesi::tipler())
        tipler << PickItem{BankaHareketBelgesi::tipAdi(t), t};
    auto* f = new MovementListFilter(tipler, {QString(), QStringLiteral("E"), QStringLiteral("H")});
    m_tip = f->tip();
    m_bas = f->bas();
    m_bit = f->bit();
    m_muhasebe = f->muhasebe();
    addFilterWidget(f);

    setEditRight(QStringLiteral("BHRK"));
    setCommands(Change | Delete | Print | Export);
    if (!viewOnly())
        commandLayout()->insertWidget(0, newDocumentButton(this, tipler, [this](const QString& t) { yeniBelge(t); }));
    refresh();
}

BankaHareketFiltre TFormBankHrkBr::filtre() const
{
    BankaHareketFiltre f;
    f.tip = m_tip->currentData().toString();
    f.bas = optionalDate(m_bas);
    f.son = optionalDate(m_bit);
    f.muhasebe = m_muhasebe->currentData().toString();
    return f;
}

ListQuery TFormBankHrkBr::query() const { return BankaHareketListesi::sorgu(filtre()); }

void TFormBankHrkBr::yeniBelge(const QString& tip)
{
    const double no = TFormBankaHrk::ac(this, tip);
    if (no > 0)
        refresh(no);
}

void TFormBankHrkBr::changeRecord(const QSqlRecord& row)
{
    const double no = row.value(QStringLiteral("HRK_NO")).toDouble();
    TFormBankaHrk::ac(this, toText(row.value(QStringLiteral("TIP"))).trimmed(), no);
    refresh(no);
}

bool TFormBankHrkBr::deleteRecord(const QSqlRecord& row)
{
    return deleteDocument<BankaHareketBelgesi>(row.value(QStringLiteral("HRK_NO")),
                                               toText(row.value(QStringLiteral("TIP"))).trimmed());
}

} // namespace nimbo
