#include "widgets/FormUtil.h"
#include "db/SchemaDef.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QDateEdit>
#include <QHash>
#include <QPlainTextEdit>
#include <QRegularExpression>
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

namespace {
const QHash<QString, QString>& declaredTypes()
{
    static const QHash<QString, QString> types = [] {
        QHash<QString, QString> h;
        for (const SchemaPart& part : yearSchema())
            for (const TableDef& t : part.tables)
                for (const ColumnDef& c : parseColumns(t.body))
                    h.insert(t.name.toUpper() + QLatin1Char('.') + c.name, c.type.toUpper());
        return h;
    }();
    return types;
}
} // namespace

QString declaredType(const QString& table, const QString& column)
{
    return declaredTypes().value(table.toUpper() + QLatin1Char('.') + column.toUpper());
}

int declaredLength(const QString& table, const QString& column)
{
    static const QRegularExpression sized(QStringLiteral("^(VARCHAR|CHAR|STRING)\\s*\\((\\d+)\\)$"));
    const auto m = sized.match(declaredType(table, column));
    return m.hasMatch() ? m.captured(2).toInt() : 0;
}

void setEditorReadOnly(QWidget* editor, bool readOnly)
{
    if (auto* e = qobject_cast<QLineEdit*>(editor)) {
        e->setReadOnly(readOnly);
    } else if (auto* e = qobject_cast<QPlainTextEdit*>(editor)) {
        e->setReadOnly(readOnly);
    } else if (auto* e = qobject_cast<QAbstractSpinBox*>(editor)) {
        e->setReadOnly(readOnly);
    } else {
        editor->setEnabled(!readOnly);
        return;
    }
    // Grey background like a disabled field, but the text can still be selected and copied.
    editor->setStyleSheet(readOnly ? QStringLiteral("background-color: #e4e4e4;") : QString());
    editor->setFocusPolicy(readOnly ? Qt::ClickFocus : Qt::StrongFocus);
}


QDateEdit* optionalDateEdit(const QString& objectName)
{
    auto* d = new QDateEdit;
    d->setObjectName(objectName);
    d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    d->setCalendarPopup(true);
    d->setMinimumDate(QDate(1900, 1, 1));
    d->setSpecialValueText(QStringLiteral(" "));
    d->setDate(d->minimumDate());
    return d;
}

QDate optionalDate(const QDateEdit* e) { return e->date() == e->minimumDate() ? QDate() : e->date(); }

} // namespace nimbo
