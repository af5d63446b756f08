#include "finance/forms/TFormBankHrkBr.h"
#include "finance/BankaHareketBelgesi.h"
#include "finance/forms/TFormBankaHrk.h"
#include "model/DocumentError.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
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

    m_tip = new QComboBox;
    m_tip->setObjectName(QStringLiteral("CmbTIP"));
    m_tip->addItem(QStringLiteral("Tümü"), QString());
    for (const QString& t : BankaHareketBelgesi::tipler())
        m_tip->addItem(BankaHareketBelgesi::tipAdi(t), t);
    m_bas = optionalDateEdit(QStringLiteral("EditTARIH1"));
    m_bit = optionalDateEdit(QStringLiteral("EditTARIH2"));
    m_muhasebe = new QComboBox;
    m_muhasebe->setObjectName(QStringLiteral("CmbMUHASEBE"));
    m_muhasebe->addItem(QStringLiteral("Tümü"), QString());
    m_muhasebe->addItem(QStringLiteral("Muhasebeleşmiş"), QStringLiteral("E"));
    m_muhasebe->addItem(QStringLiteral("Muhasebeleşmemiş"), QStringLiteral("H"));
    auto* f = new QWidget;
    auto* fl = new QHBoxLayout(f);
    fl->setContentsMargins(0, 0, 0, 0);
    fl->addWidget(new QLabel(QStringLiteral("Tür")));
    fl->addWidget(m_tip);
    fl->addWidget(new QLabel(QStringLiteral("Tarih")));
    fl->addWidget(m_bas);
    fl->addWidget(m_bit);
    fl->addWidget(m_muhasebe);
    addFilterWidget(f);

    setEditRight(QStringLiteral("BHRK"));
    setCommands(Change | Delete | Print | Export);
    if (!viewOnly()) {
        auto* yeni = new QPushButton(QStringLiteral("Yeni"));
        yeni->setObjectName(QStringLiteral("BtnYENI"));
        yeni->setAutoDefault(false);
        auto* menu = new QMenu(yeni);
        for (const QString& t : BankaHareketBelgesi::tipler()) {
            QAction* a = menu->addAction(BankaHareketBelgesi::tipAdi(t));
            a->setObjectName(QStringLiteral("Yeni") + t);
            connect(a, &QAction::triggered, this, [this, t] { yeniBelge(t); });
        }
        yeni->setMenu(menu);
        commandLayout()->insertWidget(0, yeni);
    }
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
    bool deleted = false;
    guard([&] {
        BankaHareketBelgesi b(db(), toText(row.value(QStringLiteral("TIP"))).trimmed());
        b.open(row.value(QStringLiteral("HRK_NO")));
        try {
            b.deleteDocument();
            deleted = true;
        } catch (const DocumentError&) {
            // refused or answered No: the document said so already
        }
    });
    return deleted;
}

} // namespace nimbo
