#pragma once
#include "finance/forms/TFormCSBr.h"

namespace nimbo {

// "Çek/Senetler": the picker a finance line of kind "E" opens for its operation; it offers
// only the cheques the operation may move.
class TFormCSAktar : public TFormCSBr {
    Q_OBJECT
public:
    explicit TFormCSAktar(const QString& islem = QStringLiteral("3"), QWidget* parent = nullptr);
    // Opens the picker modally; the chosen portfolio number, or 0.
    static double sec(QWidget* parent, const QString& islem);
};

} // namespace nimbo
