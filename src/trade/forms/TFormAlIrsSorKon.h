#pragma once
#include "trade/forms/IrsaliyeSorFormu.h"

namespace nimbo {

// The purchase side of "İrsaliye Seçimi": a supplier's notes for a purchase invoice.
class TFormAlIrsSorKon : public IrsaliyeSorFormu {
    Q_OBJECT
public:
    explicit TFormAlIrsSorKon(const QString& cariKod, QWidget* parent = nullptr);
    // The notes chosen (ALIS_NO), in list order; none when cancelled.
    static QList<double> sec(QWidget* parent, const QString& cariKod);

protected:
    std::unique_ptr<IrsaliyeListeFormu> listeFormu(const IrsaliyeFiltresi& filtre) override;
};

} // namespace nimbo
