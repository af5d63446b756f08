#pragma once
#include "stock/DepoStoklari.h"
#include "widgets/ListWindow.h"

class QComboBox;
class QLineEdit;

namespace nimbo {

// "Depo Stokları": per warehouse and item the quantities and values in and out and the
// balance, with the positive / negative, warehouse, unit and code filters.
class TFormDepoStoklari : public ListWindow {
    Q_OBJECT
public:
    explicit TFormDepoStoklari(QWidget* parent = nullptr);
    DepoStoklari::Filtre filtre() const;

protected:
    ListQuery query() const override;
    void changeRecord(const QSqlRecord& row) override;

private:
    QComboBox* m_depo;
    QComboBox* m_bakiye;
    QComboBox* m_unite;
    QLineEdit* m_kod;
};

} // namespace nimbo
