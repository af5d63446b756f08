#include "demo/DemoData.h"

namespace nimbo::demo {

void fillPrintingDemo(const Db& db, int year) {}

} // namespace nimbo::demo
