#pragma once
#include <QDialog>

class QComboBox;

namespace nimbo {

class AmountTable;
class TarihAraligi;

// "Mizan": the trial balance of one level over a date range with opening, period,
// closing and balance columns and the totals, which are equal on both sides.
class TFormMizan : public QDialog {
    Q_OBJECT
public:
    explicit TFormMizan(QWidget* parent = nullptr);
    void listele();
    AmountTable* tablo() const { return m_tablo; }
    QComboBox* duzeyKutusu() const { return m_duzey; }
    TarihAraligi* aralik() const { return m_aralik; }

private:
    QComboBox* m_duzey;
    TarihAraligi* m_aralik;
    AmountTable* m_tablo;
};

} // namespace nimbo
