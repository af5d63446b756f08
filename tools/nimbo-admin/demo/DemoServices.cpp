#include "demo/DemoData.h"

namespace nimbo::demo {

void fillServicesDemo(const Db& db, int year) {}

} // namespace nimbo::demo
