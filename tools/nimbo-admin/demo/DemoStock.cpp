#include "demo/DemoData.h"

namespace nimbo::demo {

void fillStockDemo(const Db& db, int year) {}

} // namespace nimbo::demo
