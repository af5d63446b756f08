#include "ledger/forms/TFormHspBr.h"
#include "accounts/CariBakiye.h"
#include "ledger/HesapKart.h"
#include "ledger/HesapListesi.h"
#include "ledger/HesapPlani.h"
#include "ledger/forms/TFormHesap.h"
#include "ledger/forms/TFormHspAylik.h"
#include "ledger/forms/TFormHspEkstre.h"
#include "printing/ReportModel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSqlRecord>
#include <QVBoxLayout>

namespace nimbo {

TFormHspBr::TFormHspBr(QWidget* parent) : ListWindow(QStringLiteral("HESAP PLANI KODLARI KAYITLARI"), parent)
{
    setObjectName(QStringLiteral("TFormHspBr"));
    setColumns({{QStringLiteral("HKOD"), QStringLiteral("Hesap Kodu"), 120},
                {QStringLiteral("HESAP_ADI"), QStringLiteral("Hesap Adı"), 300},
                {QStringLiteral("SEVIYE"), QStringLiteral("Seviye"), 55, ListColumn::Kind::Integer},
                {QStringLiteral("SON_SEVIYE"), QStringLiteral("Son Seviye"), 70, ListColumn::Kind::Text,
                 [](const QVariant& v) { return v.toInt() == 1 ? QStringLiteral("Evet") : QStringLiteral("Hayır"); }},
                {QStringLiteral("BILANCOTIP"), QStringLiteral("Bilanço"), 60},
                {QStringLiteral("BIRIM"), QStringLiteral("Birim"), 60}});
    setKeyField(QStringLiteral("HKOD"));
    addSearchField(QStringLiteral("Hesap Kodu"), QStringLiteral("HKOD"));
    addSearchField(QStringLiteral("Hesap Adı"), QStringLiteral("HESAP_ADI"));

    m_duzey = new QComboBox;
    m_duzey->setObjectName(QStringLiteral("CmbSEVIYE"));
    m_duzey->addItems(HesapKodu::duzeyAdlari());
    m_duzey->setCurrentIndex(int(HesapKodu::Duzey::Tumu));
    addFilterWidget(new QLabel(QStringLiteral("Seviye")));
    addFilterWidget(m_duzey);
    connect(m_duzey, &QComboBox::currentIndexChanged, this, [this] { refresh(currentKey()); });

    m_toplam = new QLabel;
    m_toplam->setObjectName(QStringLiteral("LblTOPLAM"));
    footerLayout()->addWidget(m_toplam);

    auto* aylik = new QPushButton(QStringLiteral("Aylık"));
    aylik->setObjectName(QStringLiteral("BtnAYLIK"));
    commandLayout()->addWidget(aylik);
    connect(aylik, &QPushButton::clicked, this, [this] {
        const QString kod = currentKey().toString();
        if (!kod.isEmpty())
            TFormHspAylik(kod, this).exec();
    });
    auto* ekstre = new QPushButton(QStringLiteral("Ekstre"));
    ekstre->setObjectName(QStringLiteral("BtnEKSTRE"));
    commandLayout()->addWidget(ekstre);
    connect(ekstre, &QPushButton::clicked, this, [this] {
        const QString kod = currentKey().toString();
        if (!kod.isEmpty())
            TFormHspEkstre(kod, this).exec();
    });

    setCommands(New | Change | Delete | Print | Export);
    resize(900, 600);
    refresh();
}

ListQuery TFormHspBr::query() const
{
    return HesapListesi::sorgu(db(), HesapKodu::Duzey(m_duzey->currentIndex()), searchField(), searchText());
}

void TFormHspBr::openCard(const QString& kod, bool yeni)
{
    TFormHesap card(kod, yeni, this);
    if (card.exec() == QDialog::Accepted)
        refresh(card.kaydedilenKod());
    else
        refresh(currentKey());
}

void TFormHspBr::newRecord() { openCard({}, true); }

void TFormHspBr::changeRecord(const QSqlRecord& row) { openCard(row.value(QStringLiteral("HKOD")).toString(), false); }

bool TFormHspBr::deleteRecord(const QSqlRecord& row)
{
    return deleteGuarded([&] { return HesapKart::sil(db(), row.value(QStringLiteral("HKOD")).toString()); });
}

void TFormHspBr::currentChanged(const QSqlRecord& row)
{
    const QString kod = toText(row.value(QStringLiteral("HKOD")));
    if (kod.isEmpty()) {
        m_toplam->clear();
        return;
    }
    const auto [borc, alacak] = HesapPlani(db()).toplamlar(kod);
    m_toplam->setText(QStringLiteral("Borç: %1    Alacak: %2    Bakiye: %3")
                          .arg(ReportModel::formatAmount(borc), ReportModel::formatAmount(alacak),
                               CariBakiye::metin(borc, alacak)));
}

} // namespace nimbo
