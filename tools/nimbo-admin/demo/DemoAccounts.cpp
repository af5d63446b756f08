#include "demo/DemoData.h"

namespace nimbo::demo {

void fillAccountsDemo(const Db& db, int year) {}

} // namespace nimbo::demo
