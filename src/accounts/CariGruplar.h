#pragma once
#include "model/CodeNameDef.h"

namespace nimbo {

// The three levels of account grouping as code/name tables, with their save messages.
CodeNameDef cariAnaGrupDef(); // CANAGRUP, "Cari Ana Grup Tanımları"
CodeNameDef cariGrupDef();    // CARIGRUP, "Cari Grup Tanımları"
CodeNameDef cariAltGrupDef(); // CALTGRUP, "Cari Alt Grup Tanımları"

} // namespace nimbo
