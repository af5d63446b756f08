#include "trade/forms/TFormSatIrsSor.h"
#include "trade/forms/TFormSatIrsLis.h"
#include "widgets/FormUtil.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace nimbo {

TFormSatIrsSor::TFormSatIrsSor(const QString& cariKod, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormSatIrsSor"));
    setWindowTitle(QStringLiteral("İrsaliye Seçimi"));
    auto* form = new QFormLayout(this);
    m_cari = new QLineEdit(cariKod);
    m_cari->setObjectName(QStringLiteral("EditCARIKOD"));
    m_cari->setReadOnly(true);
    m_irsBas = optionalDateEdit(QStringLiteral("EditIRSTARIH1"));
    m_irsBit = optionalDateEdit(QStringLiteral("EditIRSTARIH2"));
    m_vadeBas = optionalDateEdit(QStringLiteral("EditVADETRH1"));
    m_vadeBit = optionalDateEdit(QStringLiteral("EditVADETRH2"));
    auto aralik = [](QDateEdit* a, QDateEdit* b) {
        auto* w = new QWidget;
        auto* l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(a);
        l->addWidget(b);
        return w;
    };
    form->addRow(QStringLiteral("Cari Kod"), m_cari);
    form->addRow(QStringLiteral("İrsaliye Tarihi"), aralik(m_irsBas, m_irsBit));
    form->addRow(QStringLiteral("Vade Tarihi"), aralik(m_vadeBas, m_vadeBit));
    auto* b = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton* listele = b->addButton(QStringLiteral("Listele"), QDialogButtonBox::AcceptRole);
    listele->setObjectName(QStringLiteral("BtnLISTELE"));
    connect(listele, &QPushButton::clicked, this, &TFormSatIrsSor::listele);
    connect(b, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(b);
}

void TFormSatIrsSor::listele()
{
    TFormSatIrsLis l(m_cari->text(), optionalDate(m_irsBas), optionalDate(m_irsBit), optionalDate(m_vadeBas),
                     optionalDate(m_vadeBit), this);
    if (l.exec() != QDialog::Accepted)
        return;
    m_secilen.clear();
    for (const QSqlRecord& r : l.selectedRecords())
        m_secilen << r.value(QStringLiteral("SATIS_NO")).toDouble();
    accept();
}

QList<double> TFormSatIrsSor::sec(QWidget* parent, const QString& cariKod)
{
    TFormSatIrsSor d(cariKod, parent);
    return d.exec() == QDialog::Accepted ? d.secilenler() : QList<double>();
}

} // namespace nimbo
