#include "ledger/forms/TFormMizan.h"
#include "ledger/Mizan.h"
#include "ledger/forms/TarihAraligi.h"
#include "services/SessionContext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace nimbo {

TFormMizan::TFormMizan(QWidget* parent)
    : LedgerReportDialog(QStringLiteral("TFormMizan"), QStringLiteral("Mizan"), QStringLiteral("Mizan"),
                         QStringLiteral("MİZAN"), parent)
{
    selection()->addWidget(new QLabel(QStringLiteral("Seviye")));
    m_duzey = new QComboBox;
    m_duzey->setObjectName(QStringLiteral("CmbSEVIYE"));
    m_duzey->addItems(HesapKodu::duzeyAdlari());
    m_duzey->setCurrentIndex(int(HesapKodu::Duzey::Kebir));
    selection()->addWidget(m_duzey);
    finish({{QStringLiteral("HESAP KODU"), false, 100},
            {QStringLiteral("HESAP ADI"), false, 220},
            {QStringLiteral("AÇILIŞ BORÇ"), true, 105},
            {QStringLiteral("AÇILIŞ ALACAK"), true, 105},
            {QStringLiteral("DÖNEM BORÇ"), true, 105},
            {QStringLiteral("DÖNEM ALACAK"), true, 105},
            {QStringLiteral("TOPLAM BORÇ"), true, 105},
            {QStringLiteral("TOPLAM ALACAK"), true, 105},
            {QStringLiteral("BAKİYE BORÇ"), true, 105},
            {QStringLiteral("BAKİYE ALACAK"), true, 105}},
           QSize(1200, 640));
    listele();
}

ReportOptions TFormMizan::options() const
{
    ReportOptions o = LedgerReportDialog::options();
    o.headings << QStringLiteral("Seviye: ") + m_duzey->currentText();
    return o;
}

void TFormMizan::adjust(ReportModel& r) const { r.pageTotals = false; }

void TFormMizan::listele()
{
    Mizan m(SessionContext::current().db());
    const auto rows = m.hesapla(HesapKodu::Duzey(m_duzey->currentIndex()), aralik()->bas(), aralik()->bit());
    AmountTable* t = tablo();
    t->clearRows();
    for (const MizanSatiri& s : rows)
        t->addRow({s.kod, s.ad, s.acilisBorc, s.acilisAlacak, s.donemBorc, s.donemAlacak, s.kapanisBorc(),
                   s.kapanisAlacak(), s.bakiyeBorc(), s.bakiyeAlacak()});
    const MizanSatiri& z = m.toplam();
    t->addRow({QStringLiteral("TOPLAM"), QString(), z.acilisBorc, z.acilisAlacak, z.donemBorc, z.donemAlacak,
               z.kapanisBorc(), z.kapanisAlacak(), m.bakiyeBorcToplami(), m.bakiyeAlacakToplami()},
              true);
}

} // namespace nimbo
