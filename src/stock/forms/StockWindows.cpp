#include "stock/forms/StockWindows.h"
#include "services/SessionContext.h"
#include "stock/forms/TFormMuadil.h"
#include "stock/forms/TFormStokParca.h"
#include "stock/forms/TFormStok.h"
#include "stock/forms/TFormStokBr.h"
#include "stock/StockMasterDefs.h"
#include "widgets/CodeNameWindow.h"
#include "widgets/WindowRegistry.h"
#include "stock/StockItems.h"

namespace nimbo {

void registerStockWindows(WindowRegistry& r)
{
    WindowEntry list{QStringLiteral("Stok Kayıtları"), QStringLiteral("TFormStokBr"),
                     [](QWidget* p, const WindowArgs&) -> QWidget* { return new TFormStokBr(p); }};
    r.add(list);

    using K = StockMaster;
    const struct {
        const char* caption;
        const char* className;
        K kind;
    } masters[] = {
        {"Stok Ana Grup Tanımları", "TFormStokAnaGrup", K::AnaGrup},
        {"Stok Grup Tanımları", "TFormStokGrup", K::Grup},
        {"Stok Alt Grup Tanımları", "TFormStokAltGrup", K::AltGrup},
        {"Stok Marka", "TFormStokMarka", K::Marka},
        {"Marka Tanımları", "TFormMarka", K::Marka},
        {"Birim Tanımları", "TFormBirim", K::Birim},
        {"KDV Oranları", "TFormKdv", K::Kdv},
        {"Araç Tipleri", "TFormAracTipi", K::AracTipi},
        {"Model Tanımları", "TFormStokModel", K::Model},
        {"Renk Tanımları", "TFormRenk", K::Renk},
    };
    for (const auto& m : masters) {
        CodeNameDef def = stockMasterDef(m.kind);
        def.caption = QString::fromUtf8(m.caption);
        def.className = QLatin1String(m.className);
        r.add({def.caption, def.className,
               [def](QWidget* p, const WindowArgs&) -> QWidget* { return new CodeNameWindow(def, p); }});
    }

    // Not menu entries: the list opens these for its current item (argument "STOK_NO"); by
    // name alone they show the item with the lowest number.
    auto item = [](const WindowArgs& a) {
        if (a.contains(QStringLiteral("STOK_NO")))
            return a.value(QStringLiteral("STOK_NO")).toDouble();
        return StockItems::ilkStokNo(SessionContext::current().db());
    };
    r.add({QStringLiteral("Stok Kartı"), QStringLiteral("TFormStok"),
           [item](QWidget* p, const WindowArgs& a) -> QWidget* { return new TFormStok(item(a), p); }, true});
    r.add({QStringLiteral("Muadil Kayıt"), QStringLiteral("TFormMuadil"),
           [item](QWidget* p, const WindowArgs& a) -> QWidget* { return new TFormMuadil(item(a), p); }, true});
    r.add({QStringLiteral("İçindeki Parçalar"), QStringLiteral("TFormStokParca"),
           [item](QWidget* p, const WindowArgs& a) -> QWidget* { return new TFormStokParca(item(a), p); }, true});
}

} // namespace nimbo
