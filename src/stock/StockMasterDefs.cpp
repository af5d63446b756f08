#include "stock/StockMasterDefs.h"
#include "stock/StockCard.h"
#include "stock/StockNumbers.h"

namespace nimbo {

namespace {
using Type = CodeNameField::Type;
using K = StockMaster;

CodeNameField field(const char* column, const char* caption, Type type = Type::Text)
{
    return {QLatin1String(column), QString::fromUtf8(caption), type};
}

CodeNameField choice(const char* column, const char* caption, const char* table, const char* key, const char* name,
                     const char* narrowedBy = "")
{
    return {QLatin1String(column), QString::fromUtf8(caption), Type::Choice,   QLatin1String(table),
            QLatin1String(key),    QLatin1String(name),        QLatin1String(narrowedBy)};
}

QPair<QString, QString> need(const char* column, const char* message)
{
    return {QLatin1String(column), QString::fromUtf8(message)};
}

QString usedByItems(const char* where) { return QStringLiteral("SELECT 1 FROM STOK WHERE ") + QLatin1String(where); }

const char* const kGrupAdi = "Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.";
const char* const kAnaGrupSec = "Ana Grup Seçmeden Kayıt Saklanamaz.";
const char* const kGrupSilinemez = "Bu Grup Stok Listesine İşlenmiş.Silinemez!";

// Main groups, groups and sub-groups share one numbering and their last columns.
void groupTail(CodeNameDef& s, const char* nameCaption)
{
    s.fields << field("GRUP_ADI", nameCaption) << field("GRUP_AD_WEB", "Web Adı")
             << field("FYTLISTECIK", "Fiyat Listesinde Çıksın", Type::Switch);
    s.nameColumn = QStringLiteral("GRUP_ADI");
    s.inUseDelete = QString::fromUtf8(kGrupSilinemez);
}
} // namespace

CodeNameDef stockMasterDef(StockMaster kind)
{
    CodeNameDef s;
    s.right = StockCard::stockRight();
    s.duplicate = QStringLiteral("Aynı Kodlu Kayıt Var.");
    auto groupNumber = [](const Db& db) -> QVariant { return StockNumbers::nextGroupCode(db); };
    switch (kind) {
    case K::AnaGrup:
        s.table = QStringLiteral("ANAGRUP");
        s.keyColumn = QStringLiteral("GRUP_KODU");
        s.key = CodeNameDef::Key::Numbered;
        s.nextKey = groupNumber;
        s.fields << field("GRUP_KODU", "Grup Kodu", Type::Integer);
        groupTail(s, "Grup Adı");
        s.required = {need("GRUP_ADI", kGrupAdi)};
        s.usedBy = {usedByItems("ANAGRUPNO = :K")};
        break;
    case K::Grup:
        s.table = QStringLiteral("GRUP");
        s.keyColumn = QStringLiteral("GRUP_KODU");
        s.key = CodeNameDef::Key::Numbered;
        s.nextKey = groupNumber;
        s.fields << field("GRUP_KODU", "Grup Kodu", Type::Integer)
                 << choice("ANA_GRUP_KODU", "Ana Grup", "ANAGRUP", "GRUP_KODU", "GRUP_ADI");
        groupTail(s, "Grup Adı");
        s.required = {need("ANA_GRUP_KODU", kAnaGrupSec),
                      need("GRUP_KODU", "Grup Kodu Bilgisini Vermeden Kayıt Saklanamaz."), need("GRUP_ADI", kGrupAdi)};
        s.usedBy = {usedByItems("GRUPNO = :K")};
        break;
    case K::AltGrup:
        s.table = QStringLiteral("ALTGRUP");
        s.keyColumn = QStringLiteral("GRUP_KODU");
        s.key = CodeNameDef::Key::Numbered;
        s.nextKey = groupNumber;
        s.fields << field("GRUP_KODU", "Alt Grup Kodu", Type::Integer)
                 << choice("ANA_GRUP_KODU", "Ana Grup", "ANAGRUP", "GRUP_KODU", "GRUP_ADI")
                 << choice("ALT_GRUP_KODU", "Grup", "GRUP", "GRUP_KODU", "GRUP_ADI", "ANA_GRUP_KODU");
        groupTail(s, "Alt Grup Adı");
        s.required = {need("ANA_GRUP_KODU", kAnaGrupSec), need("ALT_GRUP_KODU", "Grup Seçmeden Kayıt Saklanamaz."),
                      need("GRUP_KODU", "Alt Grup Kodu Bilgisini Vermeden Kayıt Saklanamaz."),
                      need("GRUP_ADI", "Alt Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.")};
        s.usedBy = {usedByItems("ALTGRUPNO = :K")};
        break;
    case K::Marka:
        s.table = QStringLiteral("FIRMA");
        s.keyColumn = QStringLiteral("FIRMANO");
        s.key = CodeNameDef::Key::Numbered;
        s.nextKey = [](const Db& db) -> QVariant { return StockNumbers::nextBrandCode(db); };
        s.nameColumn = QStringLiteral("FIRMA_ADI");
        s.fields << field("FIRMANO", "Marka No", Type::Integer) << field("FIRMA_ADI", "Marka Adı");
        s.required = {need("FIRMA_ADI", kGrupAdi)};
        s.usedBy = {usedByItems("FIRMANO = :K")};
        s.inUseDelete = QStringLiteral("Bu Firma Stok Listesine İşlenmiş.Silinemez!");
        break;
    case K::Model:
        s.table = QStringLiteral("STKMODEL");
        s.keyColumn = QStringLiteral("MODEL_KOD");
        s.nameColumn = QStringLiteral("MODEL_ADI");
        s.fields << field("MODEL_KOD", "Model Kodu") << field("MODEL_ADI", "Model Adı")
                 << choice("MARKA_NO", "Marka", "FIRMA", "FIRMANO", "FIRMA_ADI");
        s.required = {need("MODEL_KOD", "Model Kodu Bilgisini Vermeden Kayıt Saklanamaz."),
                      need("MODEL_ADI", "Model Adı Bilgisini Vermeden Kayıt Saklanamaz."),
                      need("MARKA_NO", "Marka Adını Seçmeden Kayıt Saklanamaz.")};
        s.duplicate = QStringLiteral("Aynı Kodlu Kayıt Bulunmakta.");
        s.usedBy = {usedByItems("MODEL = :K")};
        s.inUseDelete = QStringLiteral("Bu Model Stok Listesine İşlenmiş.Silinemez!");
        break;
    case K::Renk:
        s.table = QStringLiteral("RENKLER");
        s.keyColumn = QStringLiteral("RENK_KOD");
        s.nameColumn = QStringLiteral("RENK_ADI");
        s.fields << field("RENK_KOD", "Renk Kodu") << field("RENK_ADI", "Renk Adı");
        s.required = {need("RENK_KOD", "Renk Kodu Bilgisini Vermeden Kayıt Saklanamaz.")};
        s.duplicate = QStringLiteral("Aynı Kodlu Kayıt Bulunmakta.");
        s.usedBy = {usedByItems("RENK = :K")};
        s.inUseDelete = QStringLiteral("Bu Renk Stok Listesine İşlenmiş.Silinemez!");
        break;
    case K::Birim:
        // A unit is its name: renamed through its key unless an item uses it.
        s.table = QStringLiteral("BIRIM");
        s.keyColumn = QStringLiteral("BIRIM_ADI");
        s.keyRenamable = true;
        s.nameColumn = QStringLiteral("BIRIM_ADI");
        s.fields << field("BIRIM_ADI", "Birim Adı");
        s.required = {need("BIRIM_ADI", "Gerekli Alanları Lüften Giriniz.")};
        s.duplicate = QStringLiteral("Aynı Adlı Kayıt Zaten Vardı. Bu Yüzden Kaydedilmedi.");
        s.usedBy = {usedByItems("BIRIM1 = :K OR BIRIM2 = :K OR BIRIM3 = :K")};
        s.inUseDelete = QStringLiteral("Bu Birimle ile ilgili işlem var.Silinemez!");
        s.inUseRename = QStringLiteral("Bu Birimle ile ilgili işlem var.Değiştirilemez!");
        break;
    case K::Kdv:
        s.table = QStringLiteral("KDVLER");
        s.keyColumn = QStringLiteral("SIRA");
        s.key = CodeNameDef::Key::Numbered;
        s.nextKey = [](const Db& db) -> QVariant {
            return db.scalar(QStringLiteral("SELECT COALESCE(MAX(SIRA), 0) + 1 FROM KDVLER")).toInt();
        };
        s.nameColumn = QStringLiteral("ACIKLAMA");
        s.sortColumn = QStringLiteral("SIRA");
        s.fields << field("SIRA", "Sıra", Type::Integer) << field("KDV", "Kdv Oranı", Type::Number)
                 << field("ACIKLAMA", "Açıklama");
        s.required = {need("SIRA", "Gerekli Alanları Lüften Giriniz.")};
        break;
    case K::AracTipi:
        s.table = QStringLiteral("MODEL");
        s.keyColumn = QStringLiteral("MODEL_KODU");
        s.nameColumn = QStringLiteral("MODEL_ADI");
        s.fields << field("MODEL_KODU", "Araç Tip Kodu") << field("MODEL_ADI", "Araç Tipi");
        s.required = {need("MODEL_KODU", "Araç Tip Kodu Bilgisini Vermeden Kayıt Saklanamaz.")};
        s.usedBy = {QStringLiteral("SELECT 1 FROM ARAC WHERE ARC_MODEL_KODU = :K")};
        s.inUseDelete = QStringLiteral("Bu Araç Tipi Araç Listesine İşlenmiş.Silinemez!");
        break;
    }
    return s;
}

} // namespace nimbo
