#include "accounts/CariGruplar.h"
#include "accounts/CariKart.h"
#include "accounts/CariListe.h"
#include "model/CodeNameTable.h"
#include "services/SessionContext.h"
#include "stock/StockItems.h"
#include "stock/StockMasterDefs.h"
#include "stock/StockTestUtil.h"
#include "support/TestEnv.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
class EditRightsTest : public YearDbTest {
protected:
    void SetUp() override
    {
        YearDbTest::SetUp();
        loginAs(QStringLiteral("TEST"));
    }
    // What the call threw, or "" when it ran through.
    static QString refusal(const std::function<void()>& f)
    {
        try {
            f();
        } catch (const UserError& e) {
            return e.message();
        }
        return {};
    }
    int count(const QString& sql) { return db.scalar(sql).toInt(); }
};

const QString kNoChange = QStringLiteral("Bu Kaydı Değiştirme Yetkiniz Yok.");
const QString kNoDelete = QStringLiteral("Bu Kaydı Silme Yetkiniz Yok.");
} // namespace

// Only "H" changes a stock card, its master data or deletes an item; "O" (view only) and
// every other letter are refused by the domain itself, before any question or write.
TEST_F(EditRightsTest, StockCardsChangeOnlyWithFullRight)
{
    const double no = saveItem(db, QStringLiteral("S1"));
    for (const char* letter : {"O", "E", "-", ""}) {
        SCOPED_TRACE(letter);
        SessionContext::current().setHak(QStringLiteral("STKART"), QLatin1String(letter));
        StockCard card(db);
        card.open(no);
        EXPECT_FALSE(card.mayChange());
        card.setValue(QStringLiteral("STOK_ADI_TR"), QStringLiteral("Değişti"));
        EXPECT_EQ(refusal([&] { card.save(); }), kNoChange);
        StockCard fresh(db);
        fresh.startNew();
        fresh.setValue(QStringLiteral("STOK_KOD_NO"), QStringLiteral("S2"));
        EXPECT_EQ(refusal([&] { fresh.save(); }), kNoChange);
        // No "Kayıt Silinsin mi?" is asked: the scripted prompter fails on any message.
        EXPECT_EQ(refusal([&] { StockItems::remove(db, no); }), kNoDelete);
        EXPECT_EQ(refusal([&] { CodeNameTable(db, stockMasterDef(StockMaster::Renk)).remove(QStringLiteral("X")); }),
                  kNoDelete);
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STOK")), 1);
    EXPECT_EQ(toText(db.scalar(QStringLiteral("SELECT STOK_ADI_TR FROM STOK"))), QStringLiteral("Ürün S1"));

    SessionContext::current().setHak(QStringLiteral("STKART"), QStringLiteral("H"));
    StockCard card(db);
    card.open(no);
    card.setValue(QStringLiteral("STOK_ADI_TR"), QStringLiteral("Değişti"));
    EXPECT_EQ(refusal([&] { card.save(); }), QString());
    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
    EXPECT_TRUE(StockItems::remove(db, no));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STOK")), 0);
}

// The account right only narrows parts of the card; "O" alone makes the whole account,
// its groups and its satellite rows view only. Deleting an account takes "H".
TEST_F(EditRightsTest, AccountsRefuseChangesOnlyWhenViewOnly)
{
    auto newAccount = [&](const QString& kod) {
        CariKart k(db);
        k.startNew();
        for (const char* c : {"ADRES_1", "TEL1", "VD", "VN", "FIRMA_ADI"})
            k.setValue(QLatin1String(c), QStringLiteral("x"));
        k.setValue(QStringLiteral("CARI_KOD"), kod);
        return refusal([&] { k.save(); });
    };
    const CodeNameTable groups(db, cariAnaGrupDef());

    SessionContext::current().setHak(QStringLiteral("CARIKDUZEL"), QStringLiteral("O"));
    EXPECT_EQ(newAccount(QStringLiteral("C1")), kNoChange);
    EXPECT_EQ(refusal([&] { groups.remove(1); }), kNoDelete);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CARI")), 0);

    for (const char* letter : {"H", "E", "-", ""}) {
        SCOPED_TRACE(letter);
        SessionContext::current().setHak(QStringLiteral("CARIKDUZEL"), QLatin1String(letter));
        EXPECT_EQ(newAccount(QStringLiteral("K") + QLatin1String(letter)), QString());
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CARI")), 4);
    (*prompter)->expectWarn(QStringLiteral("Cari Kartı Değiştirme Yetkiniz Yok..!"));
    EXPECT_FALSE(CariListe(db).sil(QStringLiteral("KE")));
    SessionContext::current().setHak(QStringLiteral("CARIKDUZEL"), QStringLiteral("H"));
    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
    EXPECT_TRUE(CariListe(db).sil(QStringLiteral("KE")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CARI")), 3);
}
