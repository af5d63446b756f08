#include "CariFixture.h"
#include "accounts/CariFaturaKart.h"

namespace nimbo::test {

namespace {
QString refusal(CariSatirKart& k)
{
    try {
        k.save();
    } catch (const FieldError& e) {
        return e.column() + QLatin1Char('|') + e.message();
    }
    return QStringLiteral("saved");
}
} // namespace

using CariSatirTest = YearDbTest;

TEST_F(CariSatirTest, InvoiceAddressNeedsKindAndTheTaxOrIdentityFieldsOfThatKind)
{
    CariFaturaKart k(db);
    k.startNew(QStringLiteral("C1"));
    EXPECT_EQ(refusal(k), QStringLiteral("CINSIYET|Lütfen Cinsiyet/Firma Bilgisini Seçiniz!"));

    // A company: tax office, then tax number; the identity number is not asked for.
    k.setValue(QStringLiteral("CINSIYET"), QStringLiteral("F"));
    EXPECT_TRUE(k.firma());
    EXPECT_EQ(refusal(k), QStringLiteral("VD|Lütfen Vergi Dairesini Giriniz!"));
    k.setValue(QStringLiteral("VD"), QStringLiteral("Kadıköy"));
    EXPECT_EQ(refusal(k), QStringLiteral("VN|Lütfen Vergi Numarasını Giriniz!"));
    k.setValue(QStringLiteral("VN"), QStringLiteral("1234567890"));
    k.setValue(QStringLiteral("ADRES_TANIM"), QStringLiteral("MERKEZ"));
    EXPECT_EQ(refusal(k), QStringLiteral("saved"));

    // A person: any other kind needs the identity number, tax fields or not.
    CariFaturaKart p(db);
    p.startNew(QStringLiteral("C1"));
    p.setValue(QStringLiteral("CINSIYET"), QStringLiteral("E"));
    p.setValue(QStringLiteral("VD"), QStringLiteral("Kadıköy"));
    p.setValue(QStringLiteral("VN"), QStringLiteral("1234567890"));
    EXPECT_FALSE(p.firma());
    EXPECT_EQ(refusal(p), QStringLiteral("TCKIMLIKNO|Lütfen TC Kimlik Numarasını Giriniz!"));
    p.setValue(QStringLiteral("TCKIMLIKNO"), QStringLiteral("12345678901"));
    p.setValue(QStringLiteral("ADRES_TANIM"), QStringLiteral("EV"));
    EXPECT_EQ(refusal(p), QStringLiteral("saved"));

    const auto rows = db.records(QStringLiteral("SELECT ADRES_TANIM, CINSIYET FROM CARIFATURA WHERE CARIKOD = 'C1' "
                                                "ORDER BY ADRES_TANIM"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(sqlText(rows[0].value(0)), QStringLiteral("EV"));
    EXPECT_EQ(sqlText(rows[1].value(1)), QStringLiteral("F"));
}

TEST_F(CariSatirTest, DispatchAddressKeepsItsBranchKeyAndEmptyBranchIsARequiredField)
{
    CariSatirKart k(db, QStringLiteral("CARISEVK"), {QStringLiteral("CARIKOD"), QStringLiteral("SUBE")});
    k.startNew(QStringLiteral("C1"));
    k.setValue(QStringLiteral("SEVKADR1"), QStringLiteral("Depo"));
    try {
        k.save();
        FAIL() << "a dispatch address without a branch was stored";
    } catch (const DbError& e) {
        EXPECT_EQ(postErrorMessage(e.sqlError()), QStringLiteral("Gerekli Alanları Lüften Giriniz."));
    }
    k.setValue(QStringLiteral("SUBE"), QStringLiteral("DEPO"));
    k.save();
    // Renaming the branch updates the same row.
    CariSatirKart e(db, QStringLiteral("CARISEVK"), {QStringLiteral("CARIKOD"), QStringLiteral("SUBE")});
    ASSERT_TRUE(e.open({{QStringLiteral("CARIKOD"), QStringLiteral("C1")}, {QStringLiteral("SUBE"), QStringLiteral("DEPO")}}));
    e.setValue(QStringLiteral("SUBE"), QStringLiteral("ANA DEPO"));
    e.save();
    const auto rows = db.records(QStringLiteral("SELECT SUBE, SEVKADR1 FROM CARISEVK"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(sqlText(rows[0].value(0)), QStringLiteral("ANA DEPO"));
    EXPECT_EQ(sqlText(rows[0].value(1)), QStringLiteral("Depo"));
}

TEST_F(CariSatirTest, ASavedRowSavedAgainUpdatesThatRowAndLeavesTheOthers)
{
    // A person row of another account and one of the same account must stay as they are.
    const CariFixture fx{db};
    fx.insert(QStringLiteral("CARIPERS"), {{QStringLiteral("CARIKOD"), QStringLiteral("C2")},
                                           {QStringLiteral("ADI"), QStringLiteral("Başka")}});
    fx.insert(QStringLiteral("CARIPERS"), {{QStringLiteral("CARIKOD"), QStringLiteral("C1")},
                                           {QStringLiteral("ADI"), QStringLiteral("Eski")}});
    CariSatirKart k(db, QStringLiteral("CARIPERS"), {QStringLiteral("ROW_ID")});
    k.startNew(QStringLiteral("C1"));
    k.setValue(QStringLiteral("ADI"), QStringLiteral("Ayşe"));
    k.save();
    EXPECT_FALSE(k.isModified());
    k.setValue(QStringLiteral("GOREV"), QStringLiteral("Muhasebe"));
    EXPECT_TRUE(k.isModified());
    k.save();
    const auto rows = db.records(QStringLiteral("SELECT CARIKOD, ADI, GOREV FROM CARIPERS ORDER BY ROW_ID"));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(sqlText(rows[0].value(1)), QStringLiteral("Başka"));
    EXPECT_TRUE(sqlText(rows[0].value(2)).isEmpty());
    EXPECT_EQ(sqlText(rows[1].value(1)), QStringLiteral("Eski"));
    EXPECT_TRUE(sqlText(rows[1].value(2)).isEmpty());
    EXPECT_EQ(sqlText(rows[2].value(1)), QStringLiteral("Ayşe"));
    EXPECT_EQ(sqlText(rows[2].value(2)), QStringLiteral("Muhasebe"));

    // The same for an invoice address, and for a dispatch address whose branch was renamed.
    CariFaturaKart f(db);
    f.startNew(QStringLiteral("C1"));
    f.setValue(QStringLiteral("CINSIYET"), QStringLiteral("E"));
    f.setValue(QStringLiteral("TCKIMLIKNO"), QStringLiteral("12345678901"));
    f.save();
    f.setValue(QStringLiteral("ADRES_TANIM"), QStringLiteral("EV"));
    f.save();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM CARIFATURA")).toInt(), 1);
    EXPECT_EQ(sqlText(db.scalar(QStringLiteral("SELECT ADRES_TANIM FROM CARIFATURA"))), QStringLiteral("EV"));

    CariSatirKart s(db, QStringLiteral("CARISEVK"), {QStringLiteral("CARIKOD"), QStringLiteral("SUBE")});
    s.startNew(QStringLiteral("C1"));
    s.setValue(QStringLiteral("SUBE"), QStringLiteral("DEPO"));
    s.save();
    s.setValue(QStringLiteral("SUBE"), QStringLiteral("ANA DEPO"));
    s.save();
    s.setValue(QStringLiteral("SEVKADR1"), QStringLiteral("Liman Yolu"));
    s.save();
    const auto sevk = db.records(QStringLiteral("SELECT SUBE, SEVKADR1 FROM CARISEVK"));
    ASSERT_EQ(sevk.size(), 1);
    EXPECT_EQ(sqlText(sevk[0].value(0)), QStringLiteral("ANA DEPO"));
    EXPECT_EQ(sqlText(sevk[0].value(1)), QStringLiteral("Liman Yolu"));
}

} // namespace nimbo::test
