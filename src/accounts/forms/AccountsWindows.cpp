#include "accounts/forms/AccountsWindows.h"
#include "accounts/CariGruplar.h"
#include "accounts/forms/CariSatirListesi.h"
#include "accounts/forms/TFormCariBr.h"
#include "accounts/forms/TFormCariFatura.h"
#include "accounts/forms/TFormCariPersonel.h"
#include "accounts/forms/TFormCariSakla.h"
#include "accounts/forms/TFormCariSevk.h"
#include "services/SessionContext.h"
#include "widgets/CodeNameWindow.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerAccountsWindows(WindowRegistry& r)
{
    r.add({QStringLiteral("Cari Kayıtlar"), QStringLiteral("TFormCariBr"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormCariBr(p); }});
    for (const CodeNameSpec& s : {cariAnaGrupSpec(), cariGrupSpec(), cariAltGrupSpec()})
        r.add({s.caption, s.className, [s](QWidget* p, const WindowArgs&) -> QWidget* { return new CodeNameWindow(s, p); }});

    // Not menu entries: the list opens these for its current account (argument "CARI_KOD");
    // opened by name alone they show the first account that has rows.
    auto account = [](const WindowArgs& a, const char* table) {
        const QString kod = a.value(QStringLiteral("CARI_KOD")).toString();
        return kod.isEmpty() ? CariSatirListesi::ilkCari(QLatin1String(table)) : kod;
    };
    r.add({QStringLiteral("Cari Kartı"), QStringLiteral("TFormCariSakla"),
           [](QWidget* p, const WindowArgs& a) -> QWidget* {
               QString kod = a.value(QStringLiteral("CARI_KOD")).toString();
               if (kod.isEmpty())
                   kod = toText(SessionContext::current().db().scalar(QStringLiteral("SELECT MIN(CARI_KOD) FROM CARI")));
               return new TFormCariSakla(kod, {}, p);
           },
           true});
    r.add({QStringLiteral("Şubeler ve Sevk Adresleri"), QStringLiteral("TFormCariSevk"),
           [account](QWidget* p, const WindowArgs& a) -> QWidget* { return new TFormCariSevk(account(a, "CARISEVK"), p); }});
    r.add({QStringLiteral("Fatura Adresleri"), QStringLiteral("TFormCariFatura"),
           [account](QWidget* p, const WindowArgs& a) -> QWidget* {
               return new TFormCariFatura(account(a, "CARIFATURA"), p);
           }});
    r.add({QStringLiteral("Cari Yetkilileri"), QStringLiteral("TFormCariPersonel"),
           [account](QWidget* p, const WindowArgs& a) -> QWidget* {
               return new TFormCariPersonel(account(a, "CARIPERS"), p);
           }});
}

} // namespace nimbo
