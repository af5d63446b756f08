#include "demo/DemoData.h"

namespace nimbo::demo {

void fillMenuDemo(const Db& db, int year) {}

} // namespace nimbo::demo
