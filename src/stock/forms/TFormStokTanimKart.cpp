#include "stock/forms/TFormStokTanimKart.h"
#include "widgets/FormUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace nimbo {

TFormStokTanimKart::TFormStokTanimKart(const StockMasterData& data, const QVariant& key, const QString& caption,
                                       QWidget* parent)
    : CardWindow(m_record, parent), m_record(data)
{
    setObjectName(QStringLiteral("TFormStokTanimKart"));
    setWindowTitle(caption);
    const bool isNew = !key.isValid() || key.isNull();
    if (isNew)
        m_record.startNew();
    else
        m_record.open(key);

    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    lay->addLayout(form);
    using T = StockMasterData::Column::Type;
    for (const StockMasterData::Column& c : data.columns()) {
        if (c.type == T::Choice) {
            auto* cb = new QComboBox;
            cb->setObjectName(QStringLiteral("Cmb") + c.name);
            m_choices.insert(c.name, cb);
            form->addRow(c.caption, cb);
            continue;
        }
        if (c.type == T::Switch) {
            auto* ch = new QCheckBox;
            ch->setObjectName(QStringLiteral("Chk") + c.name);
            bind(ch, c.name);
            form->addRow(c.caption, ch);
            continue;
        }
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + c.name);
        if (c.type == T::Text)
            bind(e, c.name);
        else
            bindNumber(e, c.name, c.type == T::Integer ? 0 : 2);
        form->addRow(c.caption, e);
    }
    // Choices are filled in column order: each narrows the next (main group -> group).
    QString previous;
    for (const StockMasterData::Column& c : data.columns()) {
        if (c.type != T::Choice)
            continue;
        fillChoices(c.name);
        bind(m_choices.value(c.name), c.name);
        if (!previous.isEmpty()) {
            const QString next = c.name;
            connect(m_choices.value(previous), &QComboBox::currentIndexChanged, this, [this, next] {
                fillChoices(next);
                showColumn(next);
            });
        }
        previous = c.name;
    }
    // Numbered keys and keys of saved rows are fixed (a unit is renamed through its key).
    if (!data.keyTyped() || (!isNew && data.kind() != StockMasterData::Kind::Birim))
        setColumnsReadOnly({data.keyColumn()}, true);
    lay->addWidget(buttonRow());
    showModel();
    enterMovesFocus(this);
}

void TFormStokTanimKart::fillChoices(const QString& column)
{
    QComboBox* cb = m_choices.value(column);
    QVariant narrow;
    if (column == QLatin1String("ALT_GRUP_KODU"))
        narrow = m_record.value(QStringLiteral("ANA_GRUP_KODU"));
    const bool was = cb->blockSignals(true);
    cb->clear();
    cb->addItem(QString(), QVariant());
    for (const auto& c : m_record.data().choices(column, narrow))
        cb->addItem(c.second, c.first);
    cb->blockSignals(was);
}

} // namespace nimbo
