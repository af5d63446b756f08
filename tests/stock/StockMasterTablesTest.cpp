#include "StockTestUtil.h"
#include "stock/StockChoices.h"
#include "stock/StockEquivalents.h"
#include "model/CodeNameTable.h"
#include "stock/StockMasterDefs.h"
#include "support/TestEnv.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
class StockMasterTables : public YearDbTest {
protected:
    // The row as opened: only its key matters to these checks.
    static QVariantMap opened(const CodeNameTable& m, const QVariant& key)
    {
        return key.isValid() ? QVariantMap{{m.definition().keyColumn, key}} : QVariantMap{};
    }
    QString refusal(const CodeNameTable& m, const QVariantMap& v, bool isNew, const QVariant& old = {})
    {
        try {
            m.save(v, isNew, opened(m, old));
        } catch (const FieldError& e) {
            return e.message();
        }
        return {};
    }
    CodeNameTable table(StockMaster kind) const { return CodeNameTable(db, stockMasterDef(kind)); }
};
using K = StockMaster;
} // namespace

// Each classification row in use by an item cannot be deleted; once free it can.
TEST_F(StockMasterTables, DeleteRefusedWhileAnItemRefersToIt)
{
    db.exec("INSERT INTO ANAGRUP (GRUP_KODU, GRUP_ADI) VALUES (1, 'Hırdavat')");
    db.exec("INSERT INTO GRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU) VALUES (11, 'Vida', 1)");
    db.exec("INSERT INTO ALTGRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU, ALT_GRUP_KODU) VALUES (111, 'M8', 1, 11)");
    db.exec("INSERT INTO FIRMA (FIRMANO, FIRMA_ADI) VALUES (5, 'Makita')");
    db.exec("INSERT INTO RENKLER (RENK_KOD, RENK_ADI) VALUES ('KRM', 'Kırmızı')");
    db.exec("INSERT INTO STKMODEL (MODEL_KOD, MODEL_ADI, MARKA_NO) VALUES ('X1', 'Matkap X1', 5)");
    const double item = saveItem(db, "M-1", {{"ANAGRUPNO", 1}, {"GRUPNO", 11}, {"ALTGRUPNO", 111}, {"FIRMANO", 5},
                                             {"RENK", "KRM"}, {"MODEL", "X1"}});
    const struct {
        K kind;
        QVariant key;
        const char* message;
    } cases[] = {
        {K::AnaGrup, 1, "Bu Grup Stok Listesine İşlenmiş.Silinemez!"},
        {K::Grup, 11, "Bu Grup Stok Listesine İşlenmiş.Silinemez!"},
        {K::AltGrup, 111, "Bu Grup Stok Listesine İşlenmiş.Silinemez!"},
        {K::Marka, 5, "Bu Firma Stok Listesine İşlenmiş.Silinemez!"},
        {K::Renk, "KRM", "Bu Renk Stok Listesine İşlenmiş.Silinemez!"},
        {K::Model, "X1", "Bu Model Stok Listesine İşlenmiş.Silinemez!"},
    };
    for (const auto& c : cases) {
        const CodeNameTable m = table(c.kind);
        (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
        (*prompter)->expectWarn(QString::fromUtf8(c.message));
        EXPECT_FALSE(m.remove(c.key)) << m.definition().table.toStdString();
        EXPECT_FALSE(m.load(c.key).isEmpty()) << m.definition().table.toStdString();
    }
    db.exec("DELETE FROM STOK WHERE STOK_NO = :S", {{"S", item}});
    for (const auto& c : cases) {
        const CodeNameTable m = table(c.kind);
        (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
        EXPECT_TRUE(m.remove(c.key)) << m.definition().table.toStdString();
        EXPECT_TRUE(m.load(c.key).isEmpty()) << m.definition().table.toStdString();
    }

    db.exec("INSERT INTO MODEL (MODEL_KODU, MODEL_ADI) VALUES ('TIR', 'Tır')");
    db.exec("INSERT INTO ARAC (ARAC_NO, ARC_MODEL_KODU) VALUES (1, 'TIR')");
    const CodeNameTable arac = table(K::AracTipi);
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    (*prompter)->expectWarn("Bu Araç Tipi Araç Listesine İşlenmiş.Silinemez!");
    EXPECT_FALSE(arac.remove("TIR"));
}

// A unit that any item uses as one of its three units can be neither renamed nor deleted;
// a second unit of the same name is refused.
TEST_F(StockMasterTables, UnitInUseCanBeNeitherChangedNorDeleted)
{
    const CodeNameTable birim = table(K::Birim);
    birim.save({{"BIRIM_ADI", "KOLI"}}, true);
    birim.save({{"BIRIM_ADI", "PKT"}}, true);
    EXPECT_EQ(refusal(birim, {{"BIRIM_ADI", "KOLI"}}, true), "Aynı Adlı Kayıt Zaten Vardı. Bu Yüzden Kaydedilmedi.");
    saveItem(db, "U-1", {{"BIRIM3", "KOLI"}});

    EXPECT_EQ(refusal(birim, {{"BIRIM_ADI", "KUTU"}}, false, "KOLI"), "Bu Birimle ile ilgili işlem var.Değiştirilemez!");
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    (*prompter)->expectWarn("Bu Birimle ile ilgili işlem var.Silinemez!");
    EXPECT_FALSE(birim.remove("KOLI"));
    EXPECT_FALSE(birim.load("KOLI").isEmpty());
    EXPECT_TRUE(birim.load("KUTU").isEmpty());

    // A unit nobody uses can be renamed (not onto an existing name) and deleted.
    EXPECT_EQ(refusal(birim, {{"BIRIM_ADI", "KOLI"}}, false, "PKT"), "Aynı Adlı Kayıt Zaten Vardı. Bu Yüzden Kaydedilmedi.");
    EXPECT_EQ(birim.save({{"BIRIM_ADI", "PAKET"}}, false, opened(birim, "PKT")).toString(), "PAKET");
    EXPECT_TRUE(birim.load("PKT").isEmpty());
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_TRUE(birim.remove("PAKET"));
}

// The save messages of the group, sub-group, model, colour and vehicle-type cards, in order.
TEST_F(StockMasterTables, SaveMessagesInOrder)
{
    const CodeNameTable grup = table(K::Grup);
    QVariantMap g;
    EXPECT_EQ(refusal(grup, g, true), "Ana Grup Seçmeden Kayıt Saklanamaz.");
    g["ANA_GRUP_KODU"] = 1;
    EXPECT_EQ(refusal(grup, g, true), "Grup Kodu Bilgisini Vermeden Kayıt Saklanamaz.");
    g["GRUP_KODU"] = 20;
    EXPECT_EQ(refusal(grup, g, true), "Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.");
    g["GRUP_ADI"] = "Somun";
    EXPECT_EQ(grup.save(g, true).toInt(), 20);
    EXPECT_EQ(refusal(grup, g, true), "Aynı Kodlu Kayıt Var.");

    const CodeNameTable alt = table(K::AltGrup);
    QVariantMap a{{"ANA_GRUP_KODU", 1}};
    EXPECT_EQ(refusal(alt, a, true), "Grup Seçmeden Kayıt Saklanamaz.");
    a["ALT_GRUP_KODU"] = 20;
    EXPECT_EQ(refusal(alt, a, true), "Alt Grup Kodu Bilgisini Vermeden Kayıt Saklanamaz.");
    a["GRUP_KODU"] = 201;
    EXPECT_EQ(refusal(alt, a, true), "Alt Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.");

    const CodeNameTable model = table(K::Model);
    QVariantMap m{{"MODEL_KOD", "K1"}, {"MODEL_ADI", "Kompakt"}};
    EXPECT_EQ(refusal(model, m, true), "Marka Adını Seçmeden Kayıt Saklanamaz.");
    m["MARKA_NO"] = 3;
    model.save(m, true);
    EXPECT_EQ(refusal(model, m, true), "Aynı Kodlu Kayıt Bulunmakta.");

    const CodeNameTable renk = table(K::Renk);
    EXPECT_EQ(refusal(renk, {{"RENK_ADI", "Mavi"}}, true), "Renk Kodu Bilgisini Vermeden Kayıt Saklanamaz.");
    renk.save({{"RENK_KOD", "MV"}, {"RENK_ADI", "Mavi"}}, true);
    EXPECT_EQ(refusal(renk, {{"RENK_KOD", "MV"}}, true), "Aynı Kodlu Kayıt Bulunmakta.");

    const CodeNameTable arac = table(K::AracTipi);
    EXPECT_EQ(refusal(arac, {}, true), "Araç Tip Kodu Bilgisini Vermeden Kayıt Saklanamaz.");
    arac.save({{"MODEL_KODU", "KMY"}}, true);
    EXPECT_EQ(refusal(arac, {{"MODEL_KODU", "KMY"}}, true), "Aynı Kodlu Kayıt Var.");

    // Main groups and brands are numbered; only their name is asked for.
    const CodeNameTable ana = table(K::AnaGrup);
    QVariantMap n = ana.newValues();
    EXPECT_EQ(refusal(ana, n, true), "Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.");
    n["GRUP_ADI"] = "Elektrik";
    const int code = ana.save(n, true).toInt();
    EXPECT_NE(ana.newValues().value("GRUP_KODU").toInt(), code);
    const CodeNameTable marka = table(K::Marka);
    EXPECT_EQ(refusal(marka, marka.newValues(), true), "Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.");

    // The group choices of a sub-group follow the main group.
    db.exec("INSERT INTO GRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU) VALUES (30, 'Kablo', 2)");
    EXPECT_EQ(alt.choices("ALT_GRUP_KODU", 2).size(), 1);
    EXPECT_EQ(alt.choices("ALT_GRUP_KODU", 1).first().second, "Somun");
}

TEST_F(StockMasterTables, EquivalentPairsAreKeptOnce)
{
    const double a = saveItem(db, "E-1");
    const double b = saveItem(db, "E-2");
    EXPECT_TRUE(StockEquivalents::add(db, a, b));
    EXPECT_FALSE(StockEquivalents::add(db, a, b));
    EXPECT_TRUE(StockEquivalents::of(db, b).isEmpty()); // one direction only
    ASSERT_EQ(StockEquivalents::of(db, a).size(), 1);
    EXPECT_EQ(StockEquivalents::of(db, a).first().kod, "E-2");
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_TRUE(StockEquivalents::remove(db, a, b));
    EXPECT_TRUE(StockEquivalents::of(db, a).isEmpty());

    // By the typed code, as the window adds them: unknown codes refused, the item itself skipped.
    EXPECT_TRUE(StockEquivalents::addByCode(db, a, " E-2 "));
    EXPECT_FALSE(StockEquivalents::addByCode(db, a, "E-1"));
    try {
        StockEquivalents::addByCode(db, a, "YOK-9");
        ADD_FAILURE() << "unknown code accepted";
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), "Stok Bulunamadı.");
    }
    EXPECT_EQ(StockEquivalents::of(db, a).size(), 1);
    EXPECT_EQ(StockEquivalents::heading(db, a), "E-1  Ürün E-1");
}

// Typed keys are stored trimmed, so the duplicate test looks for the trimmed key: a name
// with spaces around an existing one is refused with the card's own message.
TEST_F(StockMasterTables, DuplicateKeysAreFoundWithSpacesAround)
{
    const CodeNameTable birim = table(K::Birim);
    birim.save({{"BIRIM_ADI", "KOLI"}}, true);
    EXPECT_EQ(refusal(birim, {{"BIRIM_ADI", " KOLI "}}, true), "Aynı Adlı Kayıt Zaten Vardı. Bu Yüzden Kaydedilmedi.");
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM BIRIM").toInt(), 1);

    const CodeNameTable renk = table(K::Renk);
    renk.save({{"RENK_KOD", "KIR"}, {"RENK_ADI", "Kırmızı"}}, true);
    EXPECT_EQ(refusal(renk, {{"RENK_KOD", "KIR  "}, {"RENK_ADI", "Koyu kırmızı"}}, true), "Aynı Kodlu Kayıt Bulunmakta.");
    // Saving the same row with spaces typed after its key is no rename.
    saveItem(db, "R-1", {{"BIRIM1", "KOLI"}, {"RENK", "KIR"}});
    EXPECT_EQ(refusal(birim, {{"BIRIM_ADI", "KOLI "}}, false, "KOLI"), "");
    EXPECT_EQ(refusal(renk, {{"RENK_KOD", " KIR"}, {"RENK_ADI", "Al"}}, false, "KIR"), "");
    EXPECT_EQ(sqlText(db.scalar("SELECT RENK_ADI FROM RENKLER WHERE RENK_KOD = 'KIR'")), "Al");
}

// The card's lists: a main group narrows the groups, a group the sub-groups, a brand the
// models; names in Turkish order (Ç after C, I before İ, Ş after S), which the byte order of
// the database gets wrong. The group card's parent list is the same list.
TEST_F(StockMasterTables, CardListsNarrowAndSortInTurkish)
{
    int n = 0;
    for (const char* name : {"Zeytin", "Şarküteri", "Çay", "Sebze", "İçecek", "Cam", "Işık"})
        db.exec("INSERT INTO ANAGRUP (GRUP_KODU, GRUP_ADI) VALUES (:k, :a)", {{"k", ++n}, {"a", name}});
    db.exec("INSERT INTO GRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU) VALUES (21, 'Siyah çay', 3)");
    db.exec("INSERT INTO GRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU) VALUES (22, 'Bitki çayı', 3)");
    db.exec("INSERT INTO GRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU) VALUES (23, 'Domates', 4)");
    db.exec("INSERT INTO ALTGRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU, ALT_GRUP_KODU) VALUES (31, 'Rize', 3, 21)");
    db.exec("INSERT INTO ALTGRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU, ALT_GRUP_KODU) VALUES (32, 'Salkım', 4, 23)");
    db.exec("INSERT INTO FIRMA (FIRMANO, FIRMA_ADI) VALUES (5, 'Çaykur')");
    db.exec("INSERT INTO FIRMA (FIRMANO, FIRMA_ADI) VALUES (6, 'Doğuş')");
    db.exec("INSERT INTO STKMODEL (MODEL_KOD, MODEL_ADI, MARKA_NO) VALUES ('T1', 'Tiryaki', 5)");
    db.exec("INSERT INTO STKMODEL (MODEL_KOD, MODEL_ADI, MARKA_NO) VALUES ('K1', 'Karadeniz', 6)");
    auto names = [](const QList<StockChoices::Choice>& list) {
        QStringList out;
        for (const auto& c : list)
            out << c.second;
        return out;
    };
    EXPECT_EQ(names(StockChoices::of(db, "ANAGRUPNO", {})),
              (QStringList{"Cam", "Çay", "Işık", "İçecek", "Sebze", "Şarküteri", "Zeytin"}));
    EXPECT_EQ(names(StockChoices::of(db, "GRUPNO", {})), (QStringList{"Bitki çayı", "Domates", "Siyah çay"}));
    EXPECT_EQ(names(StockChoices::of(db, "GRUPNO", {{"ANAGRUPNO", 3}})), (QStringList{"Bitki çayı", "Siyah çay"}));
    EXPECT_EQ(names(StockChoices::of(db, "ALTGRUPNO", {{"GRUPNO", 23}})), QStringList{"Salkım"});
    EXPECT_EQ(names(StockChoices::of(db, "MODEL", {{"FIRMANO", 6}})), QStringList{"Karadeniz"});
    EXPECT_EQ(StockChoices::narrows("ANAGRUPNO"), "GRUPNO");
    EXPECT_EQ(StockChoices::narrowedBy("MODEL"), "FIRMANO");

    const CodeNameTable altGrup = table(K::AltGrup);
    EXPECT_EQ(names(altGrup.choices("ALT_GRUP_KODU", 4)), QStringList{"Domates"});
    EXPECT_EQ(names(altGrup.choices("ANA_GRUP_KODU")).first(), "Cam");
}
