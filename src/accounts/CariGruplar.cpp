#include "accounts/CariGruplar.h"

namespace nimbo {

namespace {
CodeNameParent anaGrup(bool stored, const QString& message)
{
    CodeNameParent p;
    p.column = stored ? QStringLiteral("KODU") : QStringLiteral("ANA_GRUP");
    p.caption = QStringLiteral("Ana Grup");
    p.table = QStringLiteral("CANAGRUP");
    p.keyColumn = QStringLiteral("KODU");
    p.nameColumn = QStringLiteral("GRUP_ADI");
    p.requiredMessage = message;
    p.stored = stored;
    return p;
}
} // namespace

CodeNameSpec cariAnaGrupSpec()
{
    CodeNameSpec s;
    s.table = QStringLiteral("CANAGRUP");
    s.caption = QStringLiteral("Cari Ana Grup Tanımları");
    s.className = QStringLiteral("TFormCariAnaGrup");
    s.codeColumn = QStringLiteral("KODU");
    s.codeCaption = QStringLiteral("Kodu");
    s.codeAuto = true;
    s.nameColumn = QStringLiteral("GRUP_ADI");
    s.nameCaption = QStringLiteral("Ana Grup Adı");
    s.nameRequired = QStringLiteral("Ana Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.!");
    return s;
}

CodeNameSpec cariGrupSpec()
{
    CodeNameSpec s;
    s.table = QStringLiteral("CARIGRUP");
    s.caption = QStringLiteral("Cari Grup Tanımları");
    s.className = QStringLiteral("TFormCariGrup");
    s.codeColumn = QStringLiteral("GRUP_KOD");
    s.codeCaption = QStringLiteral("Grup Kodu");
    s.nameColumn = QStringLiteral("GRUP_ADI");
    s.nameCaption = QStringLiteral("Grup Adı");
    s.parents << anaGrup(true, QStringLiteral("Ana Grup Adı Bilgisini Vermeden Kayıt Saklanamaz."));
    s.codeRequired = QStringLiteral("Grup Kodu Bilgisini Vermeden Kayıt Saklanamaz.");
    s.nameRequired = QStringLiteral("Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.");
    s.duplicate = QStringLiteral("Aynı Kodlu Kayıt Bulunmakta.");
    return s;
}

CodeNameSpec cariAltGrupSpec()
{
    CodeNameSpec s;
    s.table = QStringLiteral("CALTGRUP");
    s.caption = QStringLiteral("Cari Alt Grup Tanımları");
    s.className = QStringLiteral("TFormCariAltGrup");
    s.codeColumn = QStringLiteral("KODU");
    s.codeCaption = QStringLiteral("Alt Grup Kodu");
    s.nameColumn = QStringLiteral("GRUP_ADI");
    s.nameCaption = QStringLiteral("Alt Grup Adı");
    // The main group is chosen only to narrow the groups offered; a subgroup stores its group.
    s.parents << anaGrup(false, QStringLiteral("Ana Grup Seçmeden Kayıt Saklanamaz."));
    CodeNameParent g;
    g.column = QStringLiteral("GRUP_KOD");
    g.caption = QStringLiteral("Grup");
    g.table = QStringLiteral("CARIGRUP");
    g.keyColumn = QStringLiteral("GRUP_KOD");
    g.nameColumn = QStringLiteral("GRUP_ADI");
    g.requiredMessage = QStringLiteral("Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.");
    g.narrowedBy = QStringLiteral("KODU");
    s.parents << g;
    s.codeRequired = QStringLiteral("Alt Grup Kodu Bilgisini Vermeden Kayıt Saklanamaz.");
    s.nameRequired = QStringLiteral("Alt Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.");
    s.duplicate = QStringLiteral("Aynı Kodlu Kayıt Bulunmakta.");
    return s;
}

} // namespace nimbo
