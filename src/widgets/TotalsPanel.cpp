#include "widgets/TotalsPanel.h"
#include "model/DocumentModel.h"
#include "services/MoneyFormat.h"

#include <QGridLayout>
#include <QLabel>

namespace nimbo {

TotalsPanel::TotalsPanel(const DocumentModel& doc, const QList<Field>& fields, int perRow, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_fields(fields)
{
    setObjectName(QStringLiteral("PanelToplam"));
    auto* g = new QGridLayout(this);
    g->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < fields.size(); ++i) {
        auto* value = new QLabel;
        value->setObjectName(QStringLiteral("Lbl") + fields[i].column);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFrameShape(QFrame::StyledPanel);
        value->setMinimumWidth(110);
        m_labels.insert(fields[i].column, value);
        const int row = i / perRow, col = (i % perRow) * 2;
        g->addWidget(new QLabel(fields[i].caption), row, col);
        g->addWidget(value, row, col + 1);
    }
    g->setColumnStretch(perRow * 2, 1);
    refresh();
}

void TotalsPanel::refresh()
{
    // Through the shared number format: a total that rounds to nothing shows no minus sign.
    for (const Field& f : m_fields) {
        const double v = m_doc.header(f.column).toDouble();
        m_labels.value(f.column)->setText(f.balance ? MoneyFormat::current().balance(v)
                                                    : MoneyFormat::formatNumber(v, f.decimals));
    }
}

QString TotalsPanel::shown(const QString& column) const
{
    const QLabel* l = m_labels.value(column);
    return l ? l->text() : QString();
}

QList<TotalsPanel::Field> TotalsPanel::borcAlacakToplamlari()
{
    return {{QStringLiteral("BORC"), QStringLiteral("Toplam TL  Borç")},
            {QStringLiteral("ALACAK"), QStringLiteral("Alacak")},
            {QStringLiteral("BORC_USD"), QStringLiteral("Toplam USD  Borç")},
            {QStringLiteral("ALACAK_USD"), QStringLiteral("Alacak")},
            {QStringLiteral("BORC_EUR"), QStringLiteral("Toplam EUR  Borç")},
            {QStringLiteral("ALACAK_EUR"), QStringLiteral("Alacak")}};
}

} // namespace nimbo
