#pragma once
#include <QString>

namespace nimbo {

// The caption a person reads beside a STOK column on the card ("Stok Adı" for
// STOK_ADI_TR); empty for a column without one, so that no stored name is shown as a label.
QString stockColumnCaption(const QString& column);

} // namespace nimbo
