#include "widgets/FieldBinder.h"
#include "printing/ReportModel.h"
#include "services/MoneyFormat.h"
#include "widgets/FormUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace nimbo {

namespace {
QString numberText(const QVariant& v, int decimals)
{
    if (v.isNull() || v.toString().isEmpty())
        return {};
    // The edit text of amounts everywhere: no grouping, 12,50 as 12,5, whole numbers whole.
    const QString picture = decimals > 0 ? QStringLiteral("#.") + QString(decimals, QLatin1Char('#')) : QStringLiteral("#");
    return MoneyFormat(QStringLiteral("0"), picture).editText(v.toDouble());
}

// Delete (or Backspace with the whole date selected) empties a date field.
class DateClearer : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* ev) override
    {
        auto* e = qobject_cast<QDateEdit*>(o);
        if (!e || ev->type() != QEvent::KeyPress || e->isReadOnly())
            return false;
        auto* k = static_cast<QKeyEvent*>(ev);
        const bool all = e->currentSectionIndex() == 0 && e->sectionCount() > 0
                         && e->findChild<QLineEdit*>() && e->findChild<QLineEdit*>()->selectedText() == e->text();
        if (k->key() == Qt::Key_Delete || (k->key() == Qt::Key_Backspace && all)) {
            e->setDate(FieldBinder::emptyDate());
            return true;
        }
        return false;
    }
};
} // namespace

FieldBinder::FieldBinder(CardModel& model, QObject* parent) : QObject(parent), m_model(model) {}

QDate FieldBinder::emptyDate() { return QDate(1900, 1, 1); }

void FieldBinder::add(const QString& column, QWidget* editor)
{
    m_editors.insert(column, editor);
    if (viewOnly())
        applyReadOnly(editor, true);
}

void FieldBinder::write(const QString& column, const QVariant& v)
{
    if (m_writer)
        m_writer(column, v);
    else
        m_model.setValue(column, v);
    Q_EMIT edited(column);
}

void FieldBinder::bind(QLineEdit* e, const QString& column)
{
    add(column, e);
    const int len = declaredLength(m_model.table(), column);
    if (len > 0)
        e->setMaxLength(len);
    connect(e, &QLineEdit::textEdited, this, [this, column](const QString& t) { write(column, t); });
}

void FieldBinder::bindNumber(QLineEdit* e, const QString& column, int decimals)
{
    add(column, e);
    e->setProperty("nimboDecimals", decimals);
    e->setAlignment(Qt::AlignRight);
    connect(e, &QLineEdit::textEdited, this, [this, column](const QString& t) {
        write(column, t.trimmed().isEmpty() ? QVariant() : QVariant(ReportModel::parseAmount(t)));
    });
    connect(e, &QLineEdit::editingFinished, this, [this, column] { show(column); });
}

void FieldBinder::bind(QPlainTextEdit* e, const QString& column)
{
    add(column, e);
    connect(e, &QPlainTextEdit::textChanged, this, [this, e, column] {
        if (!e->signalsBlocked())
            write(column, e->toPlainText());
    });
}

void FieldBinder::bind(QComboBox* c, const QString& column)
{
    add(column, c);
    if (c->isEditable()) {
        const int len = declaredLength(m_model.table(), column);
        if (len > 0 && c->lineEdit())
            c->lineEdit()->setMaxLength(len);
        connect(c, &QComboBox::currentTextChanged, this, [this, c, column](const QString& t) {
            if (c->signalsBlocked())
                return;
            const int i = c->findText(t);
            write(column, i >= 0 && c->itemData(i).isValid() ? c->itemData(i) : QVariant(t));
        });
    } else {
        connect(c, &QComboBox::currentIndexChanged, this, [this, c, column](int i) {
            if (!c->signalsBlocked())
                write(column, i >= 0 ? c->itemData(i) : QVariant());
        });
    }
}

void FieldBinder::bind(QCheckBox* c, const QString& column, const QString& on, const QString& off)
{
    add(column, c);
    c->setProperty("nimboOn", on);
    c->setProperty("nimboOff", off);
    connect(c, &QCheckBox::toggled, this, [this, c, column](bool checked) {
        if (!c->signalsBlocked())
            write(column, c->property(checked ? "nimboOn" : "nimboOff"));
    });
}

void FieldBinder::bind(QDateEdit* e, const QString& column)
{
    add(column, e);
    e->setCalendarPopup(true);
    e->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    // The lowest date stands for "no date" and shows as a blank field.
    e->setMinimumDate(emptyDate());
    e->setSpecialValueText(QStringLiteral(" "));
    e->installEventFilter(new DateClearer(e));
    connect(e, &QDateEdit::dateChanged, this, [this, e, column](const QDate& d) {
        if (!e->signalsBlocked())
            write(column, d == emptyDate() ? QVariant(QMetaType::fromType<QDate>()) : QVariant(d));
    });
}

void FieldBinder::show(const QString& column)
{
    QWidget* w = m_editors.value(column);
    if (!w)
        return;
    const QVariant v = m_model.value(column);
    const bool was = w->blockSignals(true);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        const QVariant dec = e->property("nimboDecimals");
        e->setText(dec.isValid() ? numberText(v, dec.toInt()) : toText(v));
        e->setCursorPosition(0);
    } else if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        e->setPlainText(v.toString());
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        int i = -1;
        for (int k = 0; k < c->count(); ++k)
            if (toText(c->itemData(k)) == toText(v) && c->itemData(k).isValid()) {
                i = k;
                break;
            }
        if (c->isEditable() && i < 0)
            c->setEditText(toText(v));
        else
            c->setCurrentIndex(i);
    } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
        c->setChecked(toText(v) == c->property("nimboOn").toString());
    } else if (auto* e = qobject_cast<QDateEdit*>(w)) {
        const QDate d = toDate(v);
        e->setDate(d.isValid() && d > emptyDate() ? d : emptyDate());
    }
    w->blockSignals(was);
}

void FieldBinder::showAll()
{
    for (auto it = m_editors.begin(); it != m_editors.end(); ++it)
        show(it.key());
}

bool FieldBinder::focus(const QString& column) const
{
    QWidget* w = m_editors.value(column);
    if (!w)
        return false;
    w->setFocus(Qt::OtherFocusReason);
    return true;
}

void FieldBinder::applyReadOnly(QWidget* editor, bool readOnly) { setEditorReadOnly(editor, readOnly || viewOnly()); }

void FieldBinder::setColumnsReadOnly(const QStringList& columns, bool readOnly)
{
    for (const QString& c : columns)
        if (QWidget* w = m_editors.value(c))
            applyReadOnly(w, readOnly);
}

void FieldBinder::setPanelReadOnly(QWidget* panel, bool readOnly)
{
    for (auto it = m_editors.begin(); it != m_editors.end(); ++it)
        if (it.value() && panel->isAncestorOf(it.value()))
            applyReadOnly(it.value(), readOnly);
}

void FieldBinder::setViewOnly(bool on)
{
    m_viewOnly = on;
    for (auto it = m_editors.begin(); it != m_editors.end(); ++it)
        if (it.value())
            setEditorReadOnly(it.value(), viewOnly());
}

} // namespace nimbo
