#pragma once

namespace nimbo {

class WindowRegistry;

// Registers the ledger windows with the main form's dispatch, makes the ledger's document
// kinds postable and installs the voucher display the posting module offers after a posting.
void registerLedgerWindows(WindowRegistry& r);

} // namespace nimbo
