#pragma once

namespace nimbo {

// Makes the finance document kinds postable (current-account movements 'C', direct cash
// movements 'P', bank movements 'B', cheque/note bordereaux 'E', receipt/payment slips 'X')
// and hands the scaffolding's after-commit hook to the posting module, so that every saved
// document whose kind is registered asks "Muhasebe Kaydı Yapılsın mı?" and posts (or
// re-posts in place). Other subsystems register their kinds with BelgeTurleri::kaydet. Safe
// to call more than once.
void muhasebeyiKur();

} // namespace nimbo
