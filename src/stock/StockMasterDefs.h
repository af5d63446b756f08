#pragma once
#include "model/CodeNameDef.h"

namespace nimbo {

// The small tables that classify items, as code/name tables with their save and delete
// rules: main group, group, sub-group, brand, model, colour, unit, VAT rate, vehicle type.
enum class StockMaster { AnaGrup, Grup, AltGrup, Marka, Model, Renk, Birim, Kdv, AracTipi };

// The description of one of them; caption and class name are the registering window's.
CodeNameDef stockMasterDef(StockMaster kind);

} // namespace nimbo
