#include "accounts/forms/AccountsWindows.h"
#include "accounts/CariEkstre.h"
#include "accounts/CariGruplar.h"
#include "accounts/CariHareketListesi.h"
#include "accounts/CariListe.h"
#include "accounts/forms/CariSatirListesi.h"
#include "accounts/forms/TFormAylikCariHrk.h"
#include "accounts/forms/TFormCariBr.h"
#include "accounts/forms/TFormCariHarek.h"
#include "accounts/forms/TFormCariHrk.h"
#include "accounts/forms/TFormCariHrkBr.h"
#include "accounts/forms/TFormCariFatura.h"
#include "accounts/forms/TFormCariPersonel.h"
#include "accounts/forms/TFormCariSakla.h"
#include "accounts/forms/TFormCariSevk.h"
#include "accounts/forms/TFormMailCHrkGonder.h"
#include "accounts/forms/TFormMailGonder.h"
#include "services/SessionContext.h"
#include "widgets/CodeNameWindow.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerAccountsWindows(WindowRegistry& r)
{
    r.add({QStringLiteral("Cari Kayıtlar"), QStringLiteral("TFormCariBr"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormCariBr(p); }});
    for (const CodeNameDef& s : {cariAnaGrupDef(), cariGrupDef(), cariAltGrupDef()})
        r.add({s.caption, s.className, [s](QWidget* p, const WindowArgs&) -> QWidget* { return new CodeNameWindow(s, p); }});

    r.add({QStringLiteral("Cari Hareket Girişleri"), QStringLiteral("TFormCariHrkBr"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormCariHrkBr(p); }});
    // Opened by name alone the entry window shows the latest cash document (a new collection
    // when there is none); the account list hands over an account ("cariKod") and gets a new
    // document for it; the movement list opens documents itself.
    r.add({QStringLiteral("Cari Hareketler Girişi"), QStringLiteral("TFormCariHarek"),
           [](QWidget* p, const WindowArgs& a) -> QWidget* {
               const double no = CariHareketListesi(SessionContext::current().db()).sonNakitBelge();
               const QString kod = a.value(QStringLiteral("CARI_KOD")).toString();
               auto* w = new TFormCariHarek(QStringLiteral("N"), QStringLiteral("B"), {}, no > 0 ? no : -1, p);
               if (!kod.isEmpty())
                   w->setProperty("cariKod", kod);
               return w;
           }});
    // The statement and the monthly summary of the account the list hands over ("cariKod");
    // by name alone, of the first account that has movements.
    auto ilkHareketli = [] {
        return CariEkstre(SessionContext::current().db()).ilkHareketliCari();
    };
    r.add({QStringLiteral("Cari Hareketler"), QStringLiteral("TFormCariHrk"),
           [ilkHareketli](QWidget* p, const WindowArgs& a) -> QWidget* {
               const QString kod = a.value(QStringLiteral("CARI_KOD")).toString();
               return new TFormCariHrk(kod.isEmpty() ? ilkHareketli() : kod, p);
           }});
    // Both mail windows are titled "Cari Ektstreleri E-Postayla Yolla"; the registry needs a
    // caption of its own for the single one. The account list hands over its accounts
    // ("CARI_KODLARI"), the statement its account and date range.
    r.add({QStringLiteral("Cari Ektstreleri E-Postayla Yolla"), QStringLiteral("TFormMailGonder"),
           [](QWidget* p, const WindowArgs& a) -> QWidget* {
               return new TFormMailGonder(a.value(QStringLiteral("CARI_KODLARI")).toStringList(), p);
           }});
    r.add({QStringLiteral("Cari Ekstresini E-Postayla Yolla"), QStringLiteral("TFormMailCHrkGonder"),
           [ilkHareketli](QWidget* p, const WindowArgs& a) -> QWidget* {
               const QString kod = a.value(QStringLiteral("CARI_KOD")).toString();
               CariEkstreFiltre f;
               f.tarihBas = a.value(QStringLiteral("TARIH1")).toDate();
               f.tarihBit = a.value(QStringLiteral("TARIH2")).toDate();
               return new TFormMailCHrkGonder(kod.isEmpty() ? ilkHareketli() : kod, f, p);
           }});
    r.add({QStringLiteral("Aylık Borç-Alacak Tutarı"), QStringLiteral("TFormAylikCariHrk"),
           [ilkHareketli](QWidget* p, const WindowArgs& a) -> QWidget* {
               const QString kod = a.value(QStringLiteral("CARI_KOD")).toString();
               return new TFormAylikCariHrk(kod.isEmpty() ? ilkHareketli() : kod, p);
           }});

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
                   kod = CariListe(SessionContext::current().db()).ilkCari();
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
