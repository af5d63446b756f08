#include "ledger/forms/TFormHspAylik.h"
#include "ledger/HesapAylik.h"
#include "ledger/HesapPlani.h"
#include "ledger/forms/AmountTable.h"
#include "printing/forms/ReportMenuButton.h"
#include "services/SessionContext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace nimbo {

TFormHspAylik::TFormHspAylik(const QString& kod, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormHspAylik"));
    setWindowTitle(QStringLiteral("Hesap Aylık Dökümü"));
    auto* lay = new QVBoxLayout(this);
    auto* ust = new QHBoxLayout;
    ust->addWidget(new QLabel(QStringLiteral("Hesap Kodu")));
    m_kod = new QLineEdit(kod);
    m_kod->setObjectName(QStringLiteral("EditHKOD"));
    ust->addWidget(m_kod);
    auto* listele = new QPushButton(QStringLiteral("Listele"));
    listele->setObjectName(QStringLiteral("BtnLISTELE"));
    ust->addWidget(listele);
    m_tablo = new AmountTable;
    auto* yazdir = new ReportMenuButton(QStringLiteral("HspAylik"), windowTitle(), m_tablo);
    ust->addWidget(yazdir);
    ust->addStretch();
    lay->addLayout(ust);
    lay->addWidget(m_tablo);
    connect(listele, &QPushButton::clicked, this, [this] { goster(m_kod->text().trimmed()); });
    connect(m_kod, &QLineEdit::returnPressed, this, [this] { goster(m_kod->text().trimmed()); });
    resize(900, 420);
    if (kod.isEmpty())
        m_kod->setText(HesapPlani(SessionContext::current().db()).ilkMuavinHesap());
    goster(m_kod->text().trimmed());
}

void TFormHspAylik::goster(const QString& kod)
{
    HesapAylik a(SessionContext::current().db(), kod);
    const auto aylar = a.oku();
    const bool miktar = !a.birim.isEmpty();
    QList<AmountTable::Column> cols = {{QStringLiteral("AY"), false, 90},
                                       {QStringLiteral("BORÇ"), true, 110},
                                       {QStringLiteral("ALACAK"), true, 110},
                                       {QStringLiteral("BAKİYE BORÇ"), true, 110},
                                       {QStringLiteral("BAKİYE ALACAK"), true, 110}};
    if (miktar)
        cols << AmountTable::Column{QStringLiteral("GİREN"), true, 80} << AmountTable::Column{QStringLiteral("ÇIKAN"), true, 80}
             << AmountTable::Column{QStringLiteral("KALAN"), true, 80}
             << AmountTable::Column{QStringLiteral("KÜM.KALAN"), true, 90};
    m_tablo->setColumns(cols);
    m_tablo->clearRows();
    const auto satir = [&](const QString& ad, const AylikSatir& s, bool bold) {
        QVariantList v{ad, s.borc, s.alacak, s.bakiyeBorc, s.bakiyeAlacak};
        if (miktar)
            v << s.giren << s.cikan << s.kalan() << s.kumKalan;
        m_tablo->addRow(v, bold);
    };
    for (const AylikSatir& s : aylar)
        satir(HesapAylik::ayAdi(s.ay), s, false);
    satir(QStringLiteral("TOPLAM"), a.toplam, true);
}

} // namespace nimbo
