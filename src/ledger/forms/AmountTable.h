#pragma once
#include <QTableWidget>
#include <QVariant>

namespace nimbo {

// A read-only grid of report rows: text columns left, amounts right in the Turkish money
// format, a bold totals row at the end. The ledger's report windows fill it and print it
// through the report menu.
class AmountTable : public QTableWidget {
    Q_OBJECT
public:
    struct Column {
        QString title;
        bool amount = false;
        int width = 100;
    };
    explicit AmountTable(QWidget* parent = nullptr);
    void setColumns(const QList<Column>& columns);
    void clearRows();
    // Values in column order; an amount column takes a double.
    void addRow(const QVariantList& values, bool bold = false);
    QString text(int row, int column) const;

private:
    QList<Column> m_columns;
};

} // namespace nimbo
