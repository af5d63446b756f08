#pragma once
#include "model/CodeNameTable.h"
#include "widgets/ListWindow.h"

namespace nimbo {

// List of a code/name table with search by name, new, change, delete and, in pick mode,
// "Seç". Built from a CodeNameDef alone:
//
//   auto* w = new CodeNameWindow(cariGrupDef(), parent);              // menu window
//   QVariant k = CodeNameWindow::pick(cariGrupDef(), this, "KODU", anaGrup); // picker
class CodeNameWindow : public ListWindow {
    Q_OBJECT
public:
    explicit CodeNameWindow(const CodeNameDef& def, QWidget* parent = nullptr);
    // Only rows whose column equals the value (a picker narrowed by the card).
    void setParentFilter(const QString& column, const QVariant& value);
    // Runs the list modally in pick mode; the chosen row's key, or invalid when cancelled.
    static QVariant pick(const CodeNameDef& def, QWidget* parent, const QString& parentColumn = {},
                         const QVariant& parentValue = {});
    const CodeNameTable& table() const { return m_table; }

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;

private:
    void openCard(const QVariant& key);

    CodeNameTable m_table;
    QString m_parentColumn;
    QVariant m_parentValue;
};

} // namespace nimbo
