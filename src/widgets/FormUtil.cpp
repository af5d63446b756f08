#include "widgets/FormUtil.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QWidget>

namespace nimbo {

namespace {
class EnterFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && k->modifiers() == Qt::NoModifier) {
                auto* w = qobject_cast<QWidget*>(o);
                if (w && w->window()) {
                    w->nextInFocusChain()->setFocus(Qt::TabFocusReason);
                    // Skip widgets that cannot take focus.
                    QWidget* f = w->nextInFocusChain();
                    while (f && f != w && !(f->focusPolicy() & Qt::TabFocus))
                        f = f->nextInFocusChain();
                    if (f)
                        f->setFocus(Qt::TabFocusReason);
                    return true;
                }
            }
        }
        return false;
    }
};
} // namespace

void enterMovesFocus(QWidget* window)
{
    auto* filter = new EnterFilter(window);
    for (QLineEdit* e : window->findChildren<QLineEdit*>())
        e->installEventFilter(filter);
    for (QComboBox* c : window->findChildren<QComboBox*>())
        c->installEventFilter(filter);
    for (QAbstractSpinBox* c : window->findChildren<QAbstractSpinBox*>())
        c->installEventFilter(filter);
}

} // namespace nimbo
