#pragma once
#include "widgets/ListColumn.h"

#include <QDialog>

class QListWidget;

namespace nimbo {

// "Yazdırılacak Kolonlar": ticks the columns of a list to print, in the list's order.
class ListColumnChooser : public QDialog {
    Q_OBJECT
public:
    ListColumnChooser(const QList<ListColumn>& columns, const QList<int>& chosen, QWidget* parent = nullptr);
    // The ticked columns; empty when all are ticked (the grid's columns print).
    QList<int> chosen() const;

private:
    QListWidget* m_list;
};

} // namespace nimbo
