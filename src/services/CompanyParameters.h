#pragma once
#include <QString>
#include <QVariantMap>

namespace nimbo {

// The company parameters loaded from the year database at start-up and after a firm change.
struct CompanyParameters {
    QVariantMap values; // raw values by "TABLE.COLUMN", for parameters without a typed field
};

} // namespace nimbo
