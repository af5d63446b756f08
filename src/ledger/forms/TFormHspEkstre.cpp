#include "ledger/forms/TFormHspEkstre.h"
#include "accounts/CariBakiye.h"
#include "ledger/HesapEkstresi.h"
#include "ledger/forms/AmountTable.h"
#include "ledger/forms/TarihAraligi.h"
#include "ledger/forms/TFormFis.h"
#include "printing/forms/ReportMenuButton.h"
#include "printing/forms/ReportOutput.h"
#include "services/SessionContext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace nimbo {

TFormHspEkstre::TFormHspEkstre(const QString& kod, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormHspEkstre"));
    setWindowTitle(QStringLiteral("Hesap Ekstresi"));
    auto* lay = new QVBoxLayout(this);
    auto* ust = new QHBoxLayout;
    ust->addWidget(new QLabel(QStringLiteral("Hesap Kodu")));
    m_kod = new QLineEdit(kod);
    m_kod->setObjectName(QStringLiteral("EditHKOD"));
    m_kod->setMaximumWidth(140);
    ust->addWidget(m_kod);
    m_ad = new QLabel;
    ust->addWidget(m_ad);
    m_aralik = new TarihAraligi;
    ust->addWidget(m_aralik);
    auto* listeleBtn = new QPushButton(QStringLiteral("Listele"));
    listeleBtn->setObjectName(QStringLiteral("BtnLISTELE"));
    ust->addWidget(listeleBtn);
    m_tablo = new AmountTable;
    auto* yazdir = new ReportMenuButton(
        QStringLiteral("HspEkstre"),
        [this] {
            ReportOptions o;
            o.headings << m_kod->text() + QLatin1Char(' ') + m_ad->text()
                       << m_aralik->bas().toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" - ")
                              + m_aralik->bit().toString(QStringLiteral("dd.MM.yyyy"));
            o.totalColumns = {5, 6};
            ReportModel r = ReportOutput::fromView(m_tablo, QStringLiteral("HESAP EKSTRESİ"), o);
            r.grandTotal = false;
            return r;
        },
        this);
    ust->addWidget(yazdir);
    ust->addStretch();
    lay->addLayout(ust);
    lay->addWidget(m_tablo);
    m_tablo->setColumns({{QStringLiteral("TARİH"), false, 85},
                         {QStringLiteral("FİŞ NO"), false, 90},
                         {QStringLiteral("YEVMİYE"), false, 65},
                         {QStringLiteral("HESAP KODU"), false, 95},
                         {QStringLiteral("AÇIKLAMA"), false, 260},
                         {QStringLiteral("BORÇ"), true, 110},
                         {QStringLiteral("ALACAK"), true, 110},
                         {QStringLiteral("BAKİYE"), false, 130}});
    connect(listeleBtn, &QPushButton::clicked, this, &TFormHspEkstre::listele);
    connect(m_kod, &QLineEdit::returnPressed, this, &TFormHspEkstre::listele);
    // A double click opens the voucher of the line.
    connect(m_tablo, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        const QVariant no = m_tablo->item(row, 1) ? m_tablo->item(row, 1)->data(Qt::UserRole) : QVariant();
        if (no.isValid())
            TFormFis(no.toDouble(), true, this).exec();
    });
    resize(1050, 560);
    if (kod.isEmpty())
        m_kod->setText(toText(SessionContext::current().db().scalar(
            QStringLiteral("SELECT MIN(HSPKODU) FROM FISAYR"))));
    listele();
}

void TFormHspEkstre::listele()
{
    const Db db = SessionContext::current().db();
    const QString kod = m_kod->text().trimmed();
    m_ad->setText(toText(db.scalar(QStringLiteral("SELECT HESAP_ADI FROM HSPLAN WHERE HKOD = :k"),
                                   {{QStringLiteral("k"), kod}})));
    HesapEkstresi e(db, kod);
    const auto rows = e.oku(m_aralik->bas(), m_aralik->bit());
    m_tablo->clearRows();
    m_tablo->addRow({QString(), QString(), QString(), QString(), QStringLiteral("DEVİR"), e.devirBorc, e.devirAlacak,
                     CariBakiye::metin(e.devirBorc, e.devirAlacak)});
    for (const EkstreSatiri& s : rows) {
        m_tablo->addRow({s.tarih.toString(QStringLiteral("dd.MM.yyyy")), s.fisNumara, QString::number(s.yevmiyeNo, 'f', 0),
                         s.hesapKodu, s.aciklama, s.borc, s.alacak,
                         CariBakiye::metin(qMax(0.0, s.bakiye), qMax(0.0, -s.bakiye))});
        m_tablo->item(m_tablo->rowCount() - 1, 1)->setData(Qt::UserRole, s.fisNo);
    }
    m_tablo->addRow({QString(), QString(), QString(), QString(), QStringLiteral("TOPLAM"), e.devirBorc + e.toplamBorc,
                     e.devirAlacak + e.toplamAlacak,
                     CariBakiye::metin(qMax(0.0, e.bakiye()), qMax(0.0, -e.bakiye()))},
                    true);
}

} // namespace nimbo
