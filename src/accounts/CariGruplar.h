#pragma once
#include "model/CodeNameSpec.h"

namespace nimbo {

// The three levels of account grouping as code/name tables, with their save messages.
CodeNameSpec cariAnaGrupSpec(); // CANAGRUP, "Cari Ana Grup Tanımları"
CodeNameSpec cariGrupSpec();    // CARIGRUP, "Cari Grup Tanımları"
CodeNameSpec cariAltGrupSpec(); // CALTGRUP, "Cari Alt Grup Tanımları"

} // namespace nimbo
