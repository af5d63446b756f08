#pragma once
#include <QDialog>

class QLineEdit;
class QTableWidget;

namespace nimbo {

// "Muadil Kayıt": the equivalent items of one item; add by stock code, remove one pair.
class TFormMuadil : public QDialog {
    Q_OBJECT
public:
    explicit TFormMuadil(double stokNo, QWidget* parent = nullptr);

private:
    void showRows();
    void add();
    void remove();

    double m_stokNo;
    QLineEdit* m_kod;
    QTableWidget* m_grid;
};

} // namespace nimbo
