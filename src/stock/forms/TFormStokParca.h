#pragma once
#include "stock/StockParts.h"

#include <QDialog>

class QLineEdit;
class QTableWidget;

namespace nimbo {

// "İçindeki Parçalar": the parts one item is made of; add by stock code, remove a row, type
// the quantities, Sakla stores the whole list.
class TFormStokParca : public QDialog {
    Q_OBJECT
public:
    explicit TFormStokParca(double stokNo, QWidget* parent = nullptr);
    StockParts& parts() { return m_parts; }

private:
    void showRows();
    void readRows();
    void add();
    void remove();
    void save();

    StockParts m_parts;
    QLineEdit* m_kod;
    QTableWidget* m_grid;
};

} // namespace nimbo
