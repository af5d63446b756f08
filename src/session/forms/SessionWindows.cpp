#include "session/forms/SessionWindows.h"
#include "services/SessionContext.h"
#include "session/ProgramEntry.h"
#include "session/forms/TFormHakkinda.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerSessionWindows(WindowRegistry& r)
{
    // Not a menu entry: the main form's "Hakkında" shows it; registered for window shots.
    r.add({QStringLiteral("Program Hakkında"), QStringLiteral("TFormHakkinda"), [](QWidget* p, const WindowArgs&) -> QWidget* {
               SessionContext& s = SessionContext::current();
               return new TFormHakkinda(s, ProgramEntry::readInstallation(s.db()).firmaAdi, p);
           }});
}

} // namespace nimbo
