#pragma once
#include <QDialog>

class QLineEdit;
class QLabel;

namespace nimbo {

class AmountTable;
class TarihAraligi;

// "Hesap Ekstresi": one account's lines over a date range with the balance brought
// forward and the running balance.
class TFormHspEkstre : public QDialog {
    Q_OBJECT
public:
    explicit TFormHspEkstre(const QString& kod = {}, QWidget* parent = nullptr);
    void listele();
    AmountTable* tablo() const { return m_tablo; }
    QLineEdit* kodEdit() const { return m_kod; }

private:
    QLineEdit* m_kod;
    QLabel* m_ad;
    TarihAraligi* m_aralik;
    AmountTable* m_tablo;
};

} // namespace nimbo
