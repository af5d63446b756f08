#include "ledger/forms/TFormMizan.h"
#include "ledger/Mizan.h"
#include "ledger/forms/AmountTable.h"
#include "ledger/forms/TarihAraligi.h"
#include "printing/forms/ReportMenuButton.h"
#include "printing/forms/ReportOutput.h"
#include "services/SessionContext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace nimbo {

TFormMizan::TFormMizan(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormMizan"));
    setWindowTitle(QStringLiteral("Mizan"));
    auto* lay = new QVBoxLayout(this);
    auto* ust = new QHBoxLayout;
    ust->addWidget(new QLabel(QStringLiteral("Seviye")));
    m_duzey = new QComboBox;
    m_duzey->setObjectName(QStringLiteral("CmbSEVIYE"));
    m_duzey->addItems(HesapKodu::duzeyAdlari());
    m_duzey->setCurrentIndex(int(HesapKodu::Duzey::Kebir));
    ust->addWidget(m_duzey);
    m_aralik = new TarihAraligi;
    ust->addWidget(m_aralik);
    auto* listeleBtn = new QPushButton(QStringLiteral("Listele"));
    listeleBtn->setObjectName(QStringLiteral("BtnLISTELE"));
    ust->addWidget(listeleBtn);
    m_tablo = new AmountTable;
    auto* yazdir = new ReportMenuButton(
        QStringLiteral("Mizan"),
        [this] {
            ReportOptions o;
            o.headings << m_aralik->bas().toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" - ")
                              + m_aralik->bit().toString(QStringLiteral("dd.MM.yyyy"))
                       << QStringLiteral("Seviye: ") + m_duzey->currentText();
            ReportModel r = ReportOutput::fromView(m_tablo, QStringLiteral("MİZAN"), o);
            r.grandTotal = false; // the last row is the totals row
            r.pageTotals = false;
            return r;
        },
        this);
    yazdir->setObjectName(QStringLiteral("BtnYAZDIR"));
    ust->addWidget(yazdir);
    ust->addStretch();
    lay->addLayout(ust);
    lay->addWidget(m_tablo);
    m_tablo->setColumns({{QStringLiteral("HESAP KODU"), false, 100},
                         {QStringLiteral("HESAP ADI"), false, 220},
                         {QStringLiteral("AÇILIŞ BORÇ"), true, 105},
                         {QStringLiteral("AÇILIŞ ALACAK"), true, 105},
                         {QStringLiteral("DÖNEM BORÇ"), true, 105},
                         {QStringLiteral("DÖNEM ALACAK"), true, 105},
                         {QStringLiteral("TOPLAM BORÇ"), true, 105},
                         {QStringLiteral("TOPLAM ALACAK"), true, 105},
                         {QStringLiteral("BAKİYE BORÇ"), true, 105},
                         {QStringLiteral("BAKİYE ALACAK"), true, 105}});
    connect(listeleBtn, &QPushButton::clicked, this, &TFormMizan::listele);
    resize(1200, 640);
    listele();
}

void TFormMizan::listele()
{
    Mizan m(SessionContext::current().db());
    const auto rows = m.hesapla(HesapKodu::Duzey(m_duzey->currentIndex()), m_aralik->bas(), m_aralik->bit());
    m_tablo->clearRows();
    const auto ekle = [&](const QString& kod, const QString& ad, const MizanSatiri& s, bool bold) {
        m_tablo->addRow({kod, ad, s.acilisBorc, s.acilisAlacak, s.donemBorc, s.donemAlacak, s.kapanisBorc(),
                         s.kapanisAlacak(), s.bakiyeBorc(), s.bakiyeAlacak()},
                        bold);
    };
    for (const MizanSatiri& s : rows)
        ekle(s.kod, s.ad, s, false);
    const MizanSatiri& t = m.toplam();
    m_tablo->addRow({QStringLiteral("TOPLAM"), QString(), t.acilisBorc, t.acilisAlacak, t.donemBorc, t.donemAlacak,
                     t.kapanisBorc(), t.kapanisAlacak(), m.bakiyeBorcToplami(), m.bakiyeAlacakToplami()},
                    true);
}

} // namespace nimbo
