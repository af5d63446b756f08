#include "widgets/CodeNameCard.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace nimbo {

CodeNameCard::CodeNameCard(const CodeNameTable& table, const QVariant& key, const QVariantMap& presets,
                           QWidget* parent)
    : CardWindow(m_record, parent), m_table(table), m_record(table)
{
    const CodeNameSpec& s = table.definition();
    setWindowTitle(s.caption);
    if (key.isValid())
        m_record.open(key);
    else
        m_record.startNew(presets);

    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (int i = 0; i < s.parents.size(); ++i) {
        auto* c = new QComboBox;
        c->setObjectName(QStringLiteral("Cmb") + s.parents.at(i).column + QString::number(i));
        form->addRow(s.parents.at(i).caption, c);
        m_parents << c;
    }
    QLineEdit* code = nullptr;
    if (!s.codeAuto) {
        code = new QLineEdit;
        code->setObjectName(QStringLiteral("Edit") + s.codeColumn);
        form->addRow(s.codeCaption, code);
    }
    auto* name = new QLineEdit;
    name->setObjectName(QStringLiteral("Edit") + s.nameColumn);
    form->addRow(s.nameCaption, name);
    lay->addLayout(form);
    lay->addWidget(buttonRow());

    for (int i = 0; i < s.parents.size(); ++i) {
        fillParent(i);
        bind(m_parents[i], s.parents.at(i).column);
        // A new choice narrows the next list and clears what was chosen there.
        connect(m_parents[i], &QComboBox::currentIndexChanged, this, [this, i] {
            for (int j = i + 1; j < m_parents.size(); ++j) {
                m_record.setValue(m_table.definition().parents.at(j).column, QVariant());
                fillParent(j);
                showColumn(m_table.definition().parents.at(j).column);
            }
        });
    }
    if (code) {
        bind(code, s.codeColumn);
        setColumnsReadOnly({s.codeColumn}, !m_record.isNew());
    }
    bind(name, s.nameColumn);
    showModel();
    (m_record.isNew() && code ? static_cast<QWidget*>(code) : name)->setFocus();
    resize(420, sizeHint().height());
}

void CodeNameCard::fillParent(int i)
{
    QComboBox* c = m_parents[i];
    const bool was = c->blockSignals(true);
    c->clear();
    const QVariant narrow = i > 0 ? m_record.value(m_table.definition().parents.at(i - 1).column) : QVariant();
    c->addItem(QString(), QVariant());
    for (const auto& ch : m_table.choices(i, narrow))
        c->addItem(ch.second, ch.first);
    c->blockSignals(was);
}

} // namespace nimbo
