#pragma once
#include "widgets/ListWindow.h"

class QDateEdit;

namespace nimbo {

// "Stok Depo Hareketleri": one item's movements between two dates with their documents.
class TFormStokDepoHareketleri : public ListWindow {
    Q_OBJECT
public:
    explicit TFormStokDepoHareketleri(double stokNo, QWidget* parent = nullptr);

protected:
    ListQuery query() const override;

private:
    double m_stokNo;
    QDateEdit* m_ilk;
    QDateEdit* m_son;
};

} // namespace nimbo
