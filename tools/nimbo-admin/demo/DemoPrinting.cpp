#include "demo/DemoData.h"
#include "printing/PageSetupStore.h"
#include "printing/PaperSizes.h"
#include "printing/TemplateStore.h"

namespace nimbo::demo {

namespace {
PageSetupRow setup(const QString& unit, const QString& report, const QString& paper, int w, int h,
                   const QString& orientation, int margin)
{
    PageSetupRow r;
    r.PASADI = unit;
    r.QUIKAD = report;
    r.SAYFAISIM = paper;
    r.SAYFAGEN = w;
    r.SAYFAYUK = h;
    r.PRBICIMI = orientation;
    r.SOL = r.SAG = r.UST = r.ALT = margin;
    return r;
}
} // namespace

void fillPrintingDemo(const Db& db, int year)
{
    const PageSetupStore pages(db);
    pages.save(setup(QStringLiteral("FisDok"), QStringLiteral("QuickRep1"), PaperSizes::a4Name(), 210, 297,
                     QStringLiteral("D"), 10));
    // The account list is wide: landscape.
    pages.save(setup(QStringLiteral("TFormCariBr"), QStringLiteral("Liste"), PaperSizes::a4Name(), 210, 297,
                     QStringLiteral("Y"), 8));
    // A receipt printer's narrow roll.
    pages.save(setup(QStringLiteral("TahsilatMakbuzu"), QStringLiteral("QuickRep1"), PaperSizes::userDefinedName(), 80,
                     200, QStringLiteral("D"), 3));

    ReportTemplate shortList;
    shortList.title = QStringLiteral("Cari Adres Listesi");
    shortList.columns = {{QStringLiteral("CARI_KOD"), QStringLiteral("Kodu"), 28, true},
                         {QStringLiteral("FIRMA_ADI"), QStringLiteral("Ünvanı"), 80, true},
                         {QStringLiteral("TEL1"), QStringLiteral("Telefon"), 30, true},
                         {QStringLiteral("ILCE"), QStringLiteral("İlçe"), 28, true},
                         {QStringLiteral("ILI"), QStringLiteral("İl"), 28, true}};
    TemplateStore(db).save(QStringLiteral("TFormCariBr"), QStringLiteral("Cari Adres Listesi"), shortList);
}

} // namespace nimbo::demo
