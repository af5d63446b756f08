#include "accounts/forms/TFormAylikCariHrk.h"
#include "accounts/CariEkstre.h"
#include "services/SessionContext.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nimbo {

TFormAylikCariHrk::TFormAylikCariHrk(const QString& cariKod, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormAylikCariHrk"));
    setWindowTitle(QStringLiteral("Aylık Borç-Alacak Tutarı"));
    resize(720, 420);
    auto* lay = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    m_baslik = new QLabel;
    m_yil = new QSpinBox;
    m_yil->setObjectName(QStringLiteral("EditYIL"));
    m_yil->setRange(1990, 2100);
    const int yil = SessionContext::current().CalismaYiliNo;
    m_yil->setValue(yil > 0 ? yil : QDate::currentDate().year());
    head->addWidget(m_baslik, 1);
    head->addWidget(new QLabel(QStringLiteral("Yıl")));
    head->addWidget(m_yil);
    lay->addLayout(head);
    m_tablo = new QTableWidget(0, 7);
    m_tablo->setObjectName(QStringLiteral("GridAYLAR"));
    m_tablo->setHorizontalHeaderLabels({QStringLiteral("Ay"), QStringLiteral("Borç"), QStringLiteral("Alacak"),
                                        QStringLiteral("Bakiye"), QStringLiteral("Döviz Borç"),
                                        QStringLiteral("Döviz Alacak"), QStringLiteral("Döviz Bakiye")});
    m_tablo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tablo->horizontalHeader()->setStretchLastSection(true);
    lay->addWidget(m_tablo);
    connect(m_yil, &QSpinBox::valueChanged, this, &TFormAylikCariHrk::doldur);
    setCariKod(cariKod);
}

void TFormAylikCariHrk::setCariKod(const QString& kod)
{
    m_kod = kod;
    m_baslik->setText(QStringLiteral("<b>%1</b>").arg(kod.toHtmlEscaped()));
    doldur();
}

void TFormAylikCariHrk::showEvent(QShowEvent* e)
{
    const QString kod = property("cariKod").toString();
    if (!kod.isEmpty() && kod != m_kod)
        setCariKod(kod);
    QDialog::showEvent(e);
}

void TFormAylikCariHrk::doldur()
{
    const QList<AylikToplam> aylar = CariEkstre(SessionContext::current().db()).aylik(m_kod, m_yil->value());
    m_tablo->setRowCount(int(aylar.size()));
    for (int i = 0; i < aylar.size(); ++i) {
        const EkstreToplam& t = aylar[i].toplam;
        const QStringList cells{aylar[i].ayAdi,         CariBakiye::tutar(t.borc),    CariBakiye::tutar(t.alacak),
                                t.bakiyeMetni(),        CariBakiye::tutar(t.borcDvz), CariBakiye::tutar(t.alacakDvz),
                                t.bakiyeDvzMetni()};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_tablo->setItem(i, c, item);
        }
    }
}

} // namespace nimbo
