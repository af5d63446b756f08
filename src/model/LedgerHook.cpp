#include "model/LedgerHook.h"

namespace nimbo {

namespace {
LedgerHook::Poster& poster()
{
    static LedgerHook::Poster p;
    return p;
}

std::function<bool(const LedgerRequest&)>& handler()
{
    static std::function<bool(const LedgerRequest&)> h;
    return h;
}
} // namespace

void LedgerHook::install(Poster p, std::function<bool(const LedgerRequest&)> handles)
{
    poster() = std::move(p);
    handler() = std::move(handles);
}

bool LedgerHook::installed() { return bool(poster()); }

std::optional<AfterCommitStep> LedgerHook::step(const Db& db, const LedgerRequest& request, const QString& mode)
{
    if (!installed() || (handler() && !handler()(request)))
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
