#pragma once
#include <QString>

namespace nimbo {

// The adjustment added to a document's net total so that it lands on a multiple of the
// rounding step: mode "A" down (as the firm has always rounded: from the whole-number
// total), "O" to the nearest multiple, "Y" to the next higher one; anything else, or a
// step of 0 or less, adds nothing.
double yuvarlamaFarki(double net, double adim, const QString& mod);

} // namespace nimbo
