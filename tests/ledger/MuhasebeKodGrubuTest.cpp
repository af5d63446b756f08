#include "TicariMuhasebeFixture.h"
#include "ledger/MuhasebeKodGrubu.h"

namespace nimbo::test {

namespace {

QString hata(const std::function<void()>& f)
{
    try {
        f();
    } catch (const UserError& e) {
        return e.message();
    }
    return {};
}

} // namespace

// A group card needs a name, codes that are posting accounts of the chart, and a name not
// taken; a refused card stores nothing.
TEST_F(TicariMuhasebeTest, CodeGroupCardSaveChecks)
{
    MuhasebeKodGrubu k(db, MuhasebeKodGrubu::Tur::Stok);
    k.setValue("MUH_S", "600.01");
    EXPECT_EQ(hata([&] { k.save(); }), "Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.");
    k.setValue("ADI", "TOPTAN");
    k.setValue("MUH_KDV_S", "391"); // a main account with sub-accounts
    try {
        k.save();
        ADD_FAILURE() << "a non-posting code was accepted";
    } catch (const FieldError& e) {
        EXPECT_EQ(e.message(), "Lütfen Hatalı Hesap kodunu Düzeltiniz");
        EXPECT_EQ(e.column(), "MUH_KDV_S");
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM MUHSTK"), 0);
    k.setValue("MUH_KDV_S", "391.01");
    k.save();
    MuhasebeKodGrubu ikinci(db, MuhasebeKodGrubu::Tur::Stok);
    ikinci.setValue("ADI", "TOPTAN");
    EXPECT_EQ(hata([&] { ikinci.save(); }), "Aynı Kodlu Kayıt Var.");
    MuhasebeKodGrubu acilan(db, MuhasebeKodGrubu::Tur::Stok);
    ASSERT_TRUE(acilan.ac("TOPTAN"));
    EXPECT_EQ(acilan.text("MUH_KDV_S"), "391.01");
}

// Writing the codes: at least one code; the items the card selects (here by VAT rate) get
// the filled codes, items without a code row get one, other codes stay; "O" leaves items
// that already have codes alone. Expense and service cards write to every card of theirs.
TEST_F(TicariMuhasebeTest, CodeGroupCardWritesItsCodesToTheSelectedCards)
{
    stokKart(3, "S003", 10, {{"KDV", 8.0}});
    stokKart(4, "S004", 10);
    MuhasebeKodGrubu k(db, MuhasebeKodGrubu::Tur::Stok);
    k.setValue("ADI", "KDV18");
    EXPECT_EQ(hata([&] { k.kodlariYaz(); }), "Hata : En az bir adet muhasebe kodu girmelisiniz!");

    k.setValue("KDV", 18.0);
    k.setValue("MUH_KDV_S", "391.02");
    k.setValue("MUH_S", "610.01");
    EXPECT_EQ(k.kodlariYaz(), 3); // items 1, 2 and 4
    const auto kod = [&](double stok, const char* kolon) {
        return toText(db.scalar(QStringLiteral("SELECT %1 FROM STOKMUH WHERE STOK_NO = :s").arg(QLatin1String(kolon)),
                                {{"s", stok}}));
    };
    EXPECT_EQ(kod(1, "MUH_KDV_S"), "391.02");
    EXPECT_EQ(kod(4, "MUH_S"), "610.01");
    EXPECT_EQ(kod(1, "MUH_A"), "153.01");
    EXPECT_EQ(kod(3, "MUH_KDV_S"), "");
    EXPECT_EQ(count("SELECT COUNT(*) FROM STOKMUH"), 4);

    MuhasebeKodGrubu yalnizBos(db, MuhasebeKodGrubu::Tur::Stok);
    yalnizBos.setValue("ADI", "BOŞLAR");
    yalnizBos.setValue("KODATAMA", "O");
    yalnizBos.setValue("MUH_A", "150.01");
    EXPECT_EQ(yalnizBos.kodlariYaz(), 1);
    EXPECT_EQ(kod(3, "MUH_A"), "150.01");
    EXPECT_EQ(kod(1, "MUH_A"), "153.01");

    insert("MASRAF", {{"KODU", "NAKLIYE"}, {"ADI", "Nakliye"}});
    insert("MASRAF", {{"KODU", "KIRA"}, {"ADI", "Kira"}, {"MUH_A", "153.01"}});
    MuhasebeKodGrubu m(db, MuhasebeKodGrubu::Tur::Masraf);
    m.setValue("ADI", "MASRAFLAR");
    m.setValue("MUH_A", "150.01");
    EXPECT_EQ(m.kodlariYaz(), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM MASRAF WHERE MUH_A = '150.01'"), 2);
}

} // namespace nimbo::test
