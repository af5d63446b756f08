#include "widgets/CardWindow.h"
#include "printing/ReportModel.h"
#include "services/Prompter.h"
#include "widgets/FormUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace nimbo {

namespace {
QString numberText(const QVariant& v, int decimals)
{
    if (v.isNull() || v.toString().isEmpty())
        return {};
    QLocale tr(QLocale::Turkish, QLocale::Turkey);
    tr.setNumberOptions(QLocale::OmitGroupSeparator);
    QString s = tr.toString(v.toDouble(), 'f', decimals);
    // 12,50 reads better as 12,5 in an editor; keep whole numbers whole.
    if (s.contains(QLatin1Char(','))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char(',')))
            s.chop(1);
    }
    return s;
}
} // namespace

CardWindow::CardWindow(CardModel& model, QWidget* parent) : QDialog(parent), m_model(model) {}

void CardWindow::write(const QString& column, const QVariant& v) { m_model.setValue(column, v); }

void CardWindow::bind(QLineEdit* e, const QString& column)
{
    m_editors.insert(column, e);
    const int len = declaredLength(m_model.table(), column);
    if (len > 0)
        e->setMaxLength(len);
    connect(e, &QLineEdit::textEdited, this, [this, column](const QString& t) { write(column, t); });
}

void CardWindow::bindNumber(QLineEdit* e, const QString& column, int decimals)
{
    m_editors.insert(column, e);
    e->setProperty("nimboDecimals", decimals);
    e->setAlignment(Qt::AlignRight);
    connect(e, &QLineEdit::textEdited, this, [this, column](const QString& t) {
        write(column, t.trimmed().isEmpty() ? QVariant() : QVariant(ReportModel::parseAmount(t)));
    });
    connect(e, &QLineEdit::editingFinished, this, [this, column] { showColumn(column); });
}

void CardWindow::bind(QPlainTextEdit* e, const QString& column)
{
    m_editors.insert(column, e);
    connect(e, &QPlainTextEdit::textChanged, this, [this, e, column] {
        if (!e->signalsBlocked())
            write(column, e->toPlainText());
    });
}

void CardWindow::bind(QComboBox* c, const QString& column)
{
    m_editors.insert(column, c);
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

void CardWindow::bind(QCheckBox* c, const QString& column, const QString& on, const QString& off)
{
    m_editors.insert(column, c);
    c->setProperty("nimboOn", on);
    c->setProperty("nimboOff", off);
    connect(c, &QCheckBox::toggled, this, [this, c, column](bool checked) {
        if (!c->signalsBlocked())
            write(column, c->property(checked ? "nimboOn" : "nimboOff"));
    });
}

void CardWindow::bind(QDateEdit* e, const QString& column)
{
    m_editors.insert(column, e);
    e->setCalendarPopup(true);
    e->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    connect(e, &QDateEdit::dateChanged, this, [this, e, column](const QDate& d) {
        if (!e->signalsBlocked())
            write(column, d);
    });
}

void CardWindow::showColumn(const QString& column)
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
        e->setDate(d.isValid() ? d : e->minimumDate());
    }
    w->blockSignals(was);
}

void CardWindow::showModel()
{
    for (auto it = m_editors.begin(); it != m_editors.end(); ++it)
        showColumn(it.key());
}

void CardWindow::setColumnsReadOnly(const QStringList& columns, bool readOnly)
{
    for (const QString& c : columns)
        if (QWidget* w = m_editors.value(c))
            setEditorReadOnly(w, readOnly);
}

void CardWindow::setPanelReadOnly(QWidget* panel, bool readOnly)
{
    for (auto it = m_editors.begin(); it != m_editors.end(); ++it)
        if (it.value() && panel->isAncestorOf(it.value()))
            setEditorReadOnly(it.value(), readOnly);
}

bool CardWindow::guard(const std::function<void()>& f)
{
    try {
        f();
        return true;
    } catch (const FieldError& e) {
        switch (e.kind()) {
        case FieldError::Kind::Warn: Prompter::instance().warn(e.message()); break;
        case FieldError::Kind::Info: Prompter::instance().info(e.message()); break;
        case FieldError::Kind::Error: Prompter::instance().error(e.message()); break;
        }
        if (QWidget* w = m_editors.value(e.column()))
            w->setFocus(Qt::OtherFocusReason);
    } catch (const DbError& e) {
        Prompter::instance().warn(postErrorMessage(e.sqlError()));
    } catch (const UserError& e) {
        Prompter::instance().warn(e.message());
    }
    return false;
}

bool CardWindow::save()
{
    // A number typed but not yet left is in the model already; grids post their rows here.
    if (!beforeSave())
        return false;
    if (!guard([this] { m_model.save(); }))
        return false;
    m_model.markClean();
    afterSave();
    m_closing = true;
    accept();
    return true;
}

QWidget* CardWindow::buttonRow()
{
    auto* row = new QWidget;
    auto* lay = new QHBoxLayout(row);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addStretch();
    m_save = new QPushButton(QStringLiteral("Sakla"));
    m_save->setObjectName(QStringLiteral("BtnSAKLA"));
    m_save->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Vazgeç"));
    cancel->setObjectName(QStringLiteral("BtnVAZGEC"));
    cancel->setAutoDefault(false);
    lay->addWidget(m_save);
    lay->addWidget(cancel);
    connect(m_save, &QPushButton::clicked, this, [this] { save(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_cancelled = true;
        m_closing = true;
        QDialog::reject();
    });
    return row;
}

void CardWindow::reject()
{
    // Escape and the title-bar close both arrive here (QDialog routes closeEvent to reject).
    if (!m_closing && !m_cancelled && m_model.isModified()
        && Prompter::instance().ask(QStringLiteral("Kaydı Saklamak İstiyormusunuz?"))) {
        save(); // closes on success, stays open with its message otherwise
        return;
    }
    m_closing = true;
    QDialog::reject();
}

} // namespace nimbo
