#pragma once
#include "db/Db.h"
#include "model/AfterCommitStep.h"

#include <optional>

namespace nimbo {

// Which saved document asks to be posted to the ledger.
struct LedgerRequest {
    QString document; // header table, e.g. "CARIHRKM"
    QString type;     // the document's own type letter
    double number = 0;
};

// The one place a saved document hands itself to the ledger. Until the ledger installs its
// poster, step() offers nothing and a save shows no ledger question.
class LedgerHook {
public:
    using Poster = std::function<void(const Db&, const LedgerRequest&)>;

    // handles tells which documents the poster takes (all when empty); for the others step()
    // offers nothing, so their windows ask no question that leads nowhere.
    static void install(Poster poster, std::function<bool(const LedgerRequest&)> handles = {});
    static bool installed();

    // mode is the firm's switch for the document: "S" asks "Muhasebe Kaydı Yapılsın mı?",
    // "O" posts without asking, anything else does nothing.
    static std::optional<AfterCommitStep> step(const Db& db, const LedgerRequest& request, const QString& mode);
};

} // namespace nimbo
