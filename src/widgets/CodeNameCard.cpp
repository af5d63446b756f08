#include "widgets/CodeNameCard.h"
#include "widgets/FormUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace nimbo {

namespace {
using Type = CodeNameField::Type;
}

CodeNameCard::CodeNameCard(const CodeNameTable& table, const QVariant& key, const QVariantMap& presets,
                           QWidget* parent)
    : CardWindow(m_record, parent), m_table(table), m_record(table)
{
    const CodeNameDef& s = table.definition();
    setObjectName(s.className + QStringLiteral("Kart"));
    setWindowTitle(s.caption);
    const bool isNew = !key.isValid() || key.isNull();
    if (isNew)
        m_record.startNew(presets);
    else
        m_record.open(key);

    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    lay->addLayout(form);
    QWidget* first = nullptr;
    for (const CodeNameField& f : s.fields) {
        QWidget* editor = nullptr;
        if (f.type == Type::Choice) {
            auto* c = new QComboBox;
            c->setObjectName(QStringLiteral("Cmb") + f.column);
            m_choices.insert(f.column, c);
            fillChoices(f.column);
            bind(c, f.column);
            editor = c;
        } else if (f.type == Type::Switch) {
            auto* c = new QCheckBox;
            c->setObjectName(QStringLiteral("Chk") + f.column);
            bind(c, f.column);
            editor = c;
        } else {
            auto* e = new QLineEdit;
            e->setObjectName(QStringLiteral("Edit") + f.column);
            if (f.type == Type::Text)
                bind(e, f.column);
            else
                bindNumber(e, f.column, f.type == Type::Integer ? 0 : 2);
            editor = e;
        }
        form->addRow(f.caption, editor);
        const bool keyFixed = f.column == s.keyColumn
                              && (s.key != CodeNameDef::Key::Typed || (!m_record.isNew() && !s.keyRenamable));
        if (keyFixed)
            setColumnsReadOnly({f.column}, true);
        else if (!first)
            first = editor;
    }
    // A new choice narrows the next one and clears what was chosen there.
    for (auto it = m_choices.begin(); it != m_choices.end(); ++it) {
        const QString column = it.key();
        connect(it.value(), &QComboBox::currentIndexChanged, this, [this, column] {
            for (const CodeNameField& f : m_table.definition().fields)
                if (f.type == Type::Choice && previousChoice(f.column) == column && !f.narrowedBy.isEmpty()) {
                    m_record.setValue(f.column, QVariant());
                    fillChoices(f.column);
                    showColumn(f.column);
                }
        });
    }
    lay->addWidget(buttonRow());
    showModel();
    enterMovesFocus(this);
    if (first)
        first->setFocus();
    resize(440, sizeHint().height());
}

QString CodeNameCard::previousChoice(const QString& column) const
{
    QString previous;
    for (const CodeNameField& f : m_table.definition().fields) {
        if (f.column == column)
            return previous;
        if (f.type == Type::Choice)
            previous = f.column;
    }
    return {};
}

void CodeNameCard::fillChoices(const QString& column)
{
    QComboBox* c = m_choices.value(column);
    const QString previous = previousChoice(column);
    const QVariant narrow = previous.isEmpty() ? QVariant() : m_record.value(previous);
    const bool was = c->blockSignals(true);
    c->clear();
    c->addItem(QString(), QVariant());
    for (const auto& ch : m_table.choices(column, narrow))
        c->addItem(ch.second, ch.first);
    c->blockSignals(was);
}

} // namespace nimbo
