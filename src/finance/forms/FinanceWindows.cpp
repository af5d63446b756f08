#include "finance/forms/FinanceWindows.h"
#include "finance/CekSenetKart.h"
#include "finance/forms/TFormBankHrkBr.h"
#include "finance/forms/TFormBankaBr.h"
#include "finance/forms/TFormBankaHrk.h"
#include "finance/forms/TFormBankaSakla.h"
#include "finance/forms/TFormCSAktar.h"
#include "finance/forms/TFormCSBordroBr.h"
#include "finance/forms/TFormCSBr.h"
#include "finance/forms/TFormCSSakla.h"
#include "finance/forms/TFormFinansHrk.h"
#include "finance/forms/TFormFinansHrkBr.h"
#include "finance/forms/TFormTaksit.h"
#include "finance/forms/TFormTaksitTakip.h"
#include "finance/forms/TFormKasaBr.h"
#include "finance/forms/TFormKasaSakla.h"
#include "services/SessionContext.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

namespace {
QVariant first(const char* sql) { return SessionContext::current().db().scalar(QString::fromLatin1(sql)); }

void add(WindowRegistry& r, const char* caption, const char* cls,
         const std::function<QWidget*(QWidget*)>& create, bool modal = false)
{
    r.add({QString::fromUtf8(caption), QString::fromLatin1(cls),
           [create](QWidget* p, const WindowArgs&) -> QWidget* { return create(p); }, modal});
}
} // namespace

void registerFinanceWindows(WindowRegistry& r)
{
    r.add({QStringLiteral("Kasa Tanımları"), QStringLiteral("TFormKasaBr"),
           [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormKasaBr(p); }});
    // Opened from the list; by name alone it shows the first desk.
    r.add({QStringLiteral("Kasa Tanım Kayıt"), QStringLiteral("TFormKasaSakla"),
           [](QWidget* p, const WindowArgs&) -> QWidget* {
               const QString kod = toText(SessionContext::current().db().scalar(
                   QStringLiteral("SELECT MIN(KASAKOD) FROM KASA WHERE KASAKOD<>'PK'")));
               return new TFormKasaSakla(kod, p);
           },
           true});

    // Banks: "Banka" is the menu's entry for the bank list "Banka Kayıtları".
    add(r, "Banka Kayıtları", "TFormBankaBr", [](QWidget* p) { return new TFormBankaBr(p); });
    add(r, "Banka", "TFormBankaBr", [](QWidget* p) { return new TFormBankaBr(p); });
    add(r, "Banka Tanım Kayıt", "TFormBankaSakla",
        [](QWidget* p) { return new TFormBankaSakla(toText(first("SELECT MIN(BANKA_KOD) FROM BANKA")), p); }, true);
    add(r, "Banka Hareketleri", "TFormBankHrkBr", [](QWidget* p) { return new TFormBankHrkBr(p); });
    // By name alone the latest document.
    add(r, "Banka Hareketleri Girişi", "TFormBankaHrk",
        [](QWidget* p) {
            const double no = first("SELECT MAX(HRK_NO) FROM BANKHRK").toDouble();
            const QString tip = toText(SessionContext::current().db().scalar(
                QStringLiteral("SELECT TIP FROM BANKHRK WHERE HRK_NO=:N"), {{QStringLiteral("N"), no}}));
            return new TFormBankaHrk(tip.isEmpty() ? QStringLiteral("I") : tip, no > 0 ? no : -1, p);
        },
        true);

    // Cheques and notes.
    add(r, "Çek/Senet Kartı", "TFormCSBr", [](QWidget* p) { return new TFormCSBr(p); });
    add(r, "Çek Senet Kartı", "TFormCSSakla",
        [](QWidget* p) {
            return new TFormCSSakla(first("SELECT MIN(PORTFOYNO) FROM CSKART").toDouble(), CekSenetKart::Giris::Kart,
                                    QStringLiteral("Ç"), QStringLiteral("M"), p);
        },
        true);
    add(r, "Çek/Senetler", "TFormCSAktar", [](QWidget* p) { return new TFormCSAktar(QStringLiteral("3"), p); }, true);
    add(r, "Çek/Senet Bordroları", "TFormCSBordroBr", [](QWidget* p) { return new TFormCSBordroBr(p); });

    // Finance transactions.
    add(r, "Finans Hareketleri", "TFormFinansHrkBr", [](QWidget* p) { return new TFormFinansHrkBr({}, p); });
    add(r, "Finans Hareketleri Listesi", "TFormFinansHrkBr", [](QWidget* p) { return new TFormFinansHrkBr({}, p); });
    add(r, "Taksit Yönetimi", "TFormTaksitTakip", [](QWidget* p) { return new TFormTaksitTakip(p); });
    add(r, "Taksit Takip  Formu", "TFormTaksitTakip", [](QWidget* p) { return new TFormTaksitTakip(p); });
    // Opened from a sale's or purchase's instalment button; by name alone the latest plan, shown.
    add(r, "Taksitlendirme", "TFormTaksit",
        [](QWidget* p) { return TFormTaksit::kayitliPlan(SessionContext::current().db(), 0, p); }, true);
    // The list in one main kind's mode.
    add(r, "Kasa İşlemleri", "TFormFinansHrkBr", [](QWidget* p) { return new TFormFinansHrkBr(QStringLiteral("K"), p); });
    add(r, "Cari İşlemler", "TFormFinansHrkBr", [](QWidget* p) { return new TFormFinansHrkBr(QStringLiteral("C"), p); });
    add(r, "Banka İşlemleri", "TFormFinansHrkBr", [](QWidget* p) { return new TFormFinansHrkBr(QStringLiteral("B"), p); });
    add(r, "Çek/Senet İşlemleri", "TFormFinansHrkBr",
        [](QWidget* p) { return new TFormFinansHrkBr(QStringLiteral("E"), p); });
    // By name alone the latest document, or a new account collection.
    add(r, "Finans İşlemleri Girişi", "TFormFinansHrk",
        [](QWidget* p) {
            const int no = first("SELECT MAX(FIN_ID) FROM FINMAST").toInt();
            const auto r = SessionContext::current().db().records(
                QStringLiteral("SELECT ISLEM_TIP, ISLEM_TIP2 FROM FINMAST WHERE FIN_ID=:N"), {{QStringLiteral("N"), no}});
            if (r.isEmpty())
                return new TFormFinansHrk(QStringLiteral("C"), QStringLiteral("N"), -1, {}, p);
            return new TFormFinansHrk(toText(r.first().value(0)).trimmed(), toText(r.first().value(1)).trimmed(), no,
                                      {}, p);
        },
        true);
}

} // namespace nimbo
