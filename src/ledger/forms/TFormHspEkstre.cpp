#include "ledger/forms/TFormHspEkstre.h"
#include "accounts/CariBakiye.h"
#include "ledger/HesapEkstresi.h"
#include "ledger/forms/TFormFis.h"
#include "ledger/forms/TarihAraligi.h"
#include "services/SessionContext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace nimbo {

TFormHspEkstre::TFormHspEkstre(const QString& kod, QWidget* parent)
    : LedgerReportDialog(QStringLiteral("TFormHspEkstre"), QStringLiteral("Hesap Ekstresi"), QStringLiteral("HspEkstre"),
                         QStringLiteral("HESAP EKSTRESİ"), parent)
{
    selection()->addWidget(new QLabel(QStringLiteral("Hesap Kodu")));
    m_kod = new QLineEdit(kod);
    m_kod->setObjectName(QStringLiteral("EditHKOD"));
    m_kod->setMaximumWidth(140);
    selection()->addWidget(m_kod);
    m_ad = new QLabel;
    selection()->addWidget(m_ad);
    finish({{QStringLiteral("TARİH"), false, 85},
            {QStringLiteral("FİŞ NO"), false, 90},
            {QStringLiteral("YEVMİYE"), false, 65},
            {QStringLiteral("HESAP KODU"), false, 95},
            {QStringLiteral("AÇIKLAMA"), false, 260},
            {QStringLiteral("BORÇ"), true, 110},
            {QStringLiteral("ALACAK"), true, 110},
            {QStringLiteral("BAKİYE"), false, 130}},
           QSize(1050, 560));
    connect(m_kod, &QLineEdit::returnPressed, this, &TFormHspEkstre::listele);
    // A double click opens the voucher of the line.
    connect(tablo(), &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        const QVariant no = tablo()->item(row, 1) ? tablo()->item(row, 1)->data(Qt::UserRole) : QVariant();
        if (no.isValid())
            TFormFis(no.toDouble(), true, this).exec();
    });
    if (kod.isEmpty())
        m_kod->setText(HesapEkstresi::ilkHareketliHesap(SessionContext::current().db()));
    listele();
}

ReportOptions TFormHspEkstre::options() const
{
    ReportOptions o;
    o.headings << m_kod->text() + QLatin1Char(' ') + m_ad->text() << rangeText();
    o.totalColumns = {5, 6};
    return o;
}

void TFormHspEkstre::listele()
{
    const Db db = SessionContext::current().db();
    const QString kod = m_kod->text().trimmed();
    HesapEkstresi e(db, kod);
    m_ad->setText(e.hesapAdi());
    const auto rows = e.oku(aralik()->bas(), aralik()->bit());
    AmountTable* t = tablo();
    t->clearRows();
    t->addRow({QString(), QString(), QString(), QString(), QStringLiteral("DEVİR"), e.devirBorc, e.devirAlacak,
               CariBakiye::metin(e.devirBorc, e.devirAlacak)});
    for (const EkstreSatiri& s : rows) {
        t->addRow({s.tarih.toString(QStringLiteral("dd.MM.yyyy")), s.fisNumara, QString::number(s.yevmiyeNo, 'f', 0),
                   s.hesapKodu, s.aciklama, s.borc, s.alacak,
                   CariBakiye::metin(qMax(0.0, s.bakiye), qMax(0.0, -s.bakiye))});
        t->item(t->rowCount() - 1, 1)->setData(Qt::UserRole, s.fisNo);
    }
    t->addRow({QString(), QString(), QString(), QString(), QStringLiteral("TOPLAM"), e.devirBorc + e.toplamBorc,
               e.devirAlacak + e.toplamAlacak, CariBakiye::metin(qMax(0.0, e.bakiye()), qMax(0.0, -e.bakiye()))},
              true);
}

} // namespace nimbo
