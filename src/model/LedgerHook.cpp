#include "model/LedgerHook.h"

namespace nimbo {

namespace {
LedgerHook::Poster& poster()
{
    static LedgerHook::Poster p;
    return p;
}
} // namespace

void LedgerHook::install(Poster p) { poster() = std::move(p); }

bool LedgerHook::installed() { return bool(poster()); }

std::optional<AfterCommitStep> LedgerHook::step(const Db& db, const LedgerRequest& request, const QString& mode)
{
    if (!installed())
        return std::nullopt;
    AfterCommitStep s;
    s.kind = AfterCommitStep::Kind::Ledger;
    if (mode == QLatin1String("S"))
        s.question = QStringLiteral("Muhasebe Kaydı Yapılsın mı?");
    else if (mode != QLatin1String("O"))
        return std::nullopt;
    const Poster p = poster();
    s.run = [p, db, request] { p(db, request); };
    return s;
}

} // namespace nimbo
