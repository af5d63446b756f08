#pragma once
#include "model/CardModel.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace nimbo {

// Editors bound to the columns of a CardModel (a card, or a document's header):
// - editors write through to the model as the user types (or through the writer the owner
//   sets, e.g. a document that recomputes its totals); text editors stop at the column's
//   declared length; checks store "E"/"H"; combos store their item data;
// - a date without a value shows empty, and Delete empties a date field;
// - show() puts model values into the editors (signals blocked), e.g. after the domain
//   changed them;
// - a view-only binder makes every editor read-only, also those bound later.
class FieldBinder : public QObject {
    Q_OBJECT
public:
    using Writer = std::function<void(const QString& column, const QVariant& value)>;

    explicit FieldBinder(CardModel& model, QObject* parent = nullptr);
    CardModel& model() const { return m_model; }
    void setWriter(Writer w) { m_writer = std::move(w); }

    void bind(QLineEdit* e, const QString& column);
    void bindNumber(QLineEdit* e, const QString& column, int decimals = 2);
    void bind(QPlainTextEdit* e, const QString& column);
    // Item data is the stored value; an editable combo without matching item stores its text.
    void bind(QComboBox* c, const QString& column);
    void bind(QCheckBox* c, const QString& column, const QString& on = QStringLiteral("E"),
              const QString& off = QStringLiteral("H"));
    void bind(QDateEdit* e, const QString& column);
    QWidget* editorFor(const QString& column) const { return m_editors.value(column); }
    QStringList columns() const { return m_editors.keys(); }

    void setColumnsReadOnly(const QStringList& columns, bool readOnly);
    // Every bound editor inside the panel.
    void setPanelReadOnly(QWidget* panel, bool readOnly);
    // View only by itself, or because the user may not change the model.
    void setViewOnly(bool on);
    bool viewOnly() const { return m_viewOnly || !m_model.mayChange(); }

    void showAll();
    void show(const QString& column);
    // Puts the cursor in the editor of the column; false when none is bound.
    bool focus(const QString& column) const;

    // The value a date editor holds when it shows no date.
    static QDate emptyDate();

Q_SIGNALS:
    // The user changed the value of a column.
    void edited(const QString& column);

private:
    void add(const QString& column, QWidget* editor);
    void write(const QString& column, const QVariant& v);
    void applyReadOnly(QWidget* editor, bool readOnly);

    CardModel& m_model;
    Writer m_writer;
    QHash<QString, QPointer<QWidget>> m_editors;
    bool m_viewOnly = false;
};

} // namespace nimbo
