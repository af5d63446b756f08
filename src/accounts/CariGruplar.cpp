#include "accounts/CariGruplar.h"
#include "accounts/CariKart.h"

namespace nimbo {

namespace {
using Type = CodeNameField::Type;

CodeNameField text(const char* column, const char* caption)
{
    return {QLatin1String(column), QString::fromUtf8(caption)};
}

// The main group a group belongs to, or that only narrows a subgroup's groups.
CodeNameField anaGrup(const char* column, bool stored)
{
    CodeNameField f{QLatin1String(column), QStringLiteral("Ana Grup"), Type::Choice, QStringLiteral("CANAGRUP"),
                    QStringLiteral("KODU"), QStringLiteral("GRUP_ADI")};
    f.stored = stored;
    return f;
}

CodeNameDef base(const char* table, const char* caption, const char* className, const char* key)
{
    CodeNameDef s;
    s.table = QLatin1String(table);
    s.caption = QString::fromUtf8(caption);
    s.className = QLatin1String(className);
    s.keyColumn = QLatin1String(key);
    s.nameColumn = QStringLiteral("GRUP_ADI");
    s.right = CariKart::accountRight();
    return s;
}
} // namespace

CodeNameDef cariAnaGrupDef()
{
    CodeNameDef s = base("CANAGRUP", "Cari Ana Grup Tanımları", "TFormCariAnaGrup", "KODU");
    s.key = CodeNameDef::Key::Engine;
    s.fields = {text("GRUP_ADI", "Ana Grup Adı")};
    s.required = {{QStringLiteral("GRUP_ADI"), QStringLiteral("Ana Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.!")}};
    return s;
}

CodeNameDef cariGrupDef()
{
    CodeNameDef s = base("CARIGRUP", "Cari Grup Tanımları", "TFormCariGrup", "GRUP_KOD");
    s.fields = {anaGrup("KODU", true), text("GRUP_KOD", "Grup Kodu"), text("GRUP_ADI", "Grup Adı")};
    s.required = {{QStringLiteral("KODU"), QStringLiteral("Ana Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.")},
                  {QStringLiteral("GRUP_KOD"), QStringLiteral("Grup Kodu Bilgisini Vermeden Kayıt Saklanamaz.")},
                  {QStringLiteral("GRUP_ADI"), QStringLiteral("Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.")}};
    s.duplicate = QStringLiteral("Aynı Kodlu Kayıt Bulunmakta.");
    return s;
}

CodeNameDef cariAltGrupDef()
{
    CodeNameDef s = base("CALTGRUP", "Cari Alt Grup Tanımları", "TFormCariAltGrup", "KODU");
    // The main group is chosen only to narrow the groups offered; a subgroup stores its group.
    CodeNameField grup{QStringLiteral("GRUP_KOD"), QStringLiteral("Grup"), Type::Choice, QStringLiteral("CARIGRUP"),
                       QStringLiteral("GRUP_KOD"), QStringLiteral("GRUP_ADI"), QStringLiteral("KODU")};
    s.fields = {anaGrup("ANA_GRUP", false), grup, text("KODU", "Alt Grup Kodu"), text("GRUP_ADI", "Alt Grup Adı")};
    s.required = {{QStringLiteral("ANA_GRUP"), QStringLiteral("Ana Grup Seçmeden Kayıt Saklanamaz.")},
                  {QStringLiteral("GRUP_KOD"), QStringLiteral("Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.")},
                  {QStringLiteral("KODU"), QStringLiteral("Alt Grup Kodu Bilgisini Vermeden Kayıt Saklanamaz.")},
                  {QStringLiteral("GRUP_ADI"), QStringLiteral("Alt Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.")}};
    s.duplicate = QStringLiteral("Aynı Kodlu Kayıt Bulunmakta.");
    return s;
}

} // namespace nimbo
