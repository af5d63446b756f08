#include "widgets/CardWindow.h"
#include "widgets/ErrorPresenter.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace nimbo {

// The model is a member of the subclass, not yet constructed here: nothing may call it.
CardWindow::CardWindow(CardModel& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_binder(model, this),
      m_flow(this, {[this] { return viewOnly() || beforeSave(); }, [this] { m_model.save(); }, [this] { afterSave(); },
                    [this] { return !viewOnly() && m_model.isModified(); },
                    [this](const QString& column, int) { m_binder.focus(column); }})
{
}

bool CardWindow::guard(const std::function<void()>& f)
{
    return ErrorPresenter::run(f, ErrorPresenter::Store,
                               [this](const QString& column, int) { m_binder.focus(column); });
}

// A number typed but not yet left is in the model already; grids post their rows in
// beforeSave(). A view-only card skips that hook and lets the model refuse.
bool CardWindow::save() { return m_flow.save(); }

void CardWindow::markViewCommand(QWidget* button) { button->setProperty("nimboViewCommand", true); }

QWidget* CardWindow::buttonRow()
{
    auto* row = new QWidget;
    auto* lay = new QHBoxLayout(row);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addStretch();
    m_save = new QPushButton(QStringLiteral("Sakla"));
    m_save->setObjectName(QStringLiteral("BtnSAKLA"));
    m_save->setAutoDefault(false);
    m_save->setEnabled(!viewOnly());
    auto* cancel = new QPushButton(QStringLiteral("Vazgeç"));
    cancel->setObjectName(QStringLiteral("BtnVAZGEC"));
    cancel->setAutoDefault(false);
    markViewCommand(cancel);
    lay->addWidget(m_save);
    lay->addWidget(cancel);
    connect(m_save, &QPushButton::clicked, this, [this] { save(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_flow.cancel();
        QDialog::reject();
    });
    return row;
}

void CardWindow::showEvent(QShowEvent* e)
{
    if (viewOnly() && !m_locked)
        lockForViewing();
    QDialog::showEvent(e);
}

void CardWindow::lockForViewing()
{
    // Whatever the subclass built besides its bound editors: grids, pictures, commands.
    m_locked = true;
    for (QAbstractItemView* v : findChildren<QAbstractItemView*>())
        v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->setReadOnly(true);
    for (QPlainTextEdit* e : findChildren<QPlainTextEdit*>())
        e->setReadOnly(true);
    for (QAbstractSpinBox* e : findChildren<QAbstractSpinBox*>())
        e->setReadOnly(true);
    for (QPushButton* b : findChildren<QPushButton*>())
        if (!b->property("nimboViewCommand").toBool())
            b->setEnabled(false);
}

void CardWindow::reject()
{
    // Escape and the title-bar close both arrive here (QDialog routes closeEvent to reject).
    if (!m_flow.mayClose())
        return;
    m_flow.cancel();
    QDialog::reject();
}

QLineEdit* CardWindow::addEdit(QFormLayout* form, const QString& column, const QString& caption)
{
    auto* e = new QLineEdit;
    e->setObjectName(QStringLiteral("Edit") + column);
    bind(e, column);
    form->addRow(caption, e);
    return e;
}

} // namespace nimbo
