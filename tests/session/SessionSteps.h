#pragma once
#include "FirmAdmin.h"
#include "db/AliasStore.h"
#include "services/SessionContext.h"
#include "session/FirmSelection.h"
#include "session/NimboSettings.h"

namespace nimbo::test {

// NIMBO.ini names the test server and its engine, and the session reads it as at start-up.
inline void useServerFromSettings(SessionContext& s, const admin::Server& srv)
{
    NimboSettings::setServerAdi(srv.server);
    NimboSettings::setSurucu(srv.driver);
    s.ServerAdi = NimboSettings::serverAdi();
}

// The firm-selection dialog opened and confirmed on the newest year of a firm.
inline bool chooseNewestYear(SessionContext& s, AliasStore& aliases, const QString& firm)
{
    FirmSelection sel(s, aliases, nullptr);
    bool ok = sel.prepare();
    if (ok) {
        const QVector<FirmYear> years = sel.years(firm);
        ok = !years.isEmpty() && sel.accept(firm, years.last());
    }
    sel.close();
    return ok;
}

// Runs statements on the firm register directly, as an administrator would.
inline void editFirmRegister(const admin::Server& srv, const QStringList& statements)
{
    {
        Db firms = Db::open(QStringLiteral("EDIT"), srv.params(kFirmsDatabase));
        for (const QString& sql : statements)
            firms.exec(sql);
    }
    Db::close(QStringLiteral("EDIT"));
}

} // namespace nimbo::test
