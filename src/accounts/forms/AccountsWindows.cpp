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
           [](QWidget* p) -> QWidget* { return new TFormCariBr(p); }});
    for (const CodeNameSpec& s : {cariAnaGrupSpec(), cariGrupSpec(), cariAltGrupSpec()})
        r.add({s.caption, s.className, [s](QWidget* p) -> QWidget* { return new CodeNameWindow(s, p); }});

    // Not menu entries: the list opens these for its current account (through the "cariKod"
    // property); opened by name alone they show the first account that has rows.
    r.add({QStringLiteral("Cari Kartı"), QStringLiteral("TFormCariSakla"),
           [](QWidget* p) -> QWidget* {
               const QString kod = toText(SessionContext::current().db().scalar(
                   QStringLiteral("SELECT MIN(CARI_KOD) FROM CARI")));
               return new TFormCariSakla(kod, {}, p);
           },
           true});
    r.add({QStringLiteral("Şubeler ve Sevk Adresleri"), QStringLiteral("TFormCariSevk"),
           [](QWidget* p) -> QWidget* {
               return new TFormCariSevk(CariSatirListesi::ilkCari(QStringLiteral("CARISEVK")), p);
           }});
    r.add({QStringLiteral("Fatura Adresleri"), QStringLiteral("TFormCariFatura"),
           [](QWidget* p) -> QWidget* {
               return new TFormCariFatura(CariSatirListesi::ilkCari(QStringLiteral("CARIFATURA")), p);
           }});
    r.add({QStringLiteral("Cari Yetkilileri"), QStringLiteral("TFormCariPersonel"),
           [](QWidget* p) -> QWidget* {
               return new TFormCariPersonel(CariSatirListesi::ilkCari(QStringLiteral("CARIPERS")), p);
           }});
}

} // namespace nimbo
