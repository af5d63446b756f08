#pragma once
#include "trade/forms/IrsaliyeSorFormu.h"

namespace nimbo {

// The sales side of "İrsaliye Seçimi": a customer's notes for a sales invoice.
class TFormSatIrsSor : public IrsaliyeSorFormu {
    Q_OBJECT
public:
    explicit TFormSatIrsSor(const QString& cariKod, QWidget* parent = nullptr);
    // The notes chosen (SATIS_NO), in list order; none when cancelled.
    static QList<double> sec(QWidget* parent, const QString& cariKod);

protected:
    std::unique_ptr<IrsaliyeListeFormu> listeFormu(const IrsaliyeFiltresi& filtre) override;
};

} // namespace nimbo
