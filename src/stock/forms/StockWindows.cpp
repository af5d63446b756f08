#include "stock/forms/StockWindows.h"
#include "services/SessionContext.h"
#include "stock/forms/TFormMuadil.h"
#include "stock/forms/TFormStokParca.h"
#include "stock/forms/TFormStok.h"
#include "stock/forms/TFormStokBr.h"
#include "stock/forms/TFormStokTanim.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerStockWindows(WindowRegistry& r)
{
    WindowEntry list{QStringLiteral("Stok Kayıtları"), QStringLiteral("TFormStokBr"),
                     [](QWidget* p) -> QWidget* { return new TFormStokBr(p); }};
    list.rightColumn = QStringLiteral("STKART");
    list.rightTest = WindowEntry::RightTest::ViewOrFull;
    r.add(list);

    using K = StockMasterData::Kind;
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
        const QString caption = QString::fromUtf8(m.caption);
        const K kind = m.kind;
        r.add({caption, QLatin1String(m.className),
               [caption, kind](QWidget* p) -> QWidget* { return new TFormStokTanim(kind, caption, p); }});
    }

    // Not menu entries: the list opens these for its current item; by name alone they show
    // the item with the lowest number.
    auto firstItem = [] {
        return SessionContext::current().db().scalar(QStringLiteral("SELECT MIN(STOK_NO) FROM STOK")).toDouble();
    };
    r.add({QStringLiteral("Stok Kartı"), QStringLiteral("TFormStok"),
           [firstItem](QWidget* p) -> QWidget* { return new TFormStok(firstItem(), p); }, true});
    r.add({QStringLiteral("Muadil Kayıt"), QStringLiteral("TFormMuadil"),
           [firstItem](QWidget* p) -> QWidget* { return new TFormMuadil(firstItem(), p); }, true});
    r.add({QStringLiteral("İçindeki Parçalar"), QStringLiteral("TFormStokParca"),
           [firstItem](QWidget* p) -> QWidget* { return new TFormStokParca(firstItem(), p); }, true});
}

} // namespace nimbo
