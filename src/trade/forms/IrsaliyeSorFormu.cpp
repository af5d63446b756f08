#include "trade/forms/IrsaliyeSorFormu.h"
#include "widgets/FormUtil.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace nimbo {

IrsaliyeSorFormu::IrsaliyeSorFormu(const TicariTaraf& taraf, const QString& cariKod, QWidget* parent)
    : QDialog(parent), m_taraf(taraf)
{
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
    connect(listele, &QPushButton::clicked, this, &IrsaliyeSorFormu::listele);
    connect(b, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(b);
}

void IrsaliyeSorFormu::listele()
{
    std::unique_ptr<IrsaliyeListeFormu> l = listeFormu(
        {m_cari->text(), optionalDate(m_irsBas), optionalDate(m_irsBit), optionalDate(m_vadeBas), optionalDate(m_vadeBit)});
    if (l->exec() != QDialog::Accepted)
        return;
    m_secilen.clear();
    for (const QSqlRecord& r : l->selectedRecords())
        m_secilen << r.value(m_taraf.anahtar).toDouble();
    accept();
}

QList<double> IrsaliyeSorFormu::sor() { return exec() == QDialog::Accepted ? m_secilen : QList<double>(); }

} // namespace nimbo
