#pragma once
#include "trade/SatisListesi.h"
#include "widgets/ListWindow.h"

namespace nimbo {

// The open dispatch notes of one customer, chosen one or several at a time for an invoice.
class TFormSatIrsLis : public ListWindow {
    Q_OBJECT
public:
    TFormSatIrsLis(const QString& cariKod, const QDate& irsBas, const QDate& irsBit, const QDate& vadeBas,
                   const QDate& vadeBit, QWidget* parent = nullptr);

protected:
    ListQuery query() const override;

private:
    QString m_cari;
    QDate m_irsBas, m_irsBit, m_vadeBas, m_vadeBit;
};

} // namespace nimbo
