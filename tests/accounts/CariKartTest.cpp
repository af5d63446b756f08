#include "CariFixture.h"
#include "accounts/CariKart.h"
#include "services/SessionContext.h"

namespace nimbo::test {

namespace {
class CariKartTest : public YearDbTest {
protected:
    CariFixture fx() const { return {db}; }
    // The first check that refuses the card, as "column|message|kind".
    static QString refusal(CariKart& k)
    {
        try {
            k.save();
        } catch (const FieldError& e) {
            return e.column() + QLatin1Char('|') + e.message() + QLatin1Char('|') + QString::number(int(e.kind()));
        }
        return QStringLiteral("saved");
    }
};
} // namespace

TEST_F(CariKartTest, SaveChecksRunInOrderAndTheCardIsStoredWithItsDefaults)
{
    CariKart k(db);
    k.startNew();
    const QString warn = QStringLiteral("|0");
    EXPECT_EQ(refusal(k), QStringLiteral("ADRES_1|Lütfen Adres Bilgisini Giriniz.") + warn);
    k.setValue(QStringLiteral("ADRES_1"), QStringLiteral("Atatürk Cad. No:1"));
    EXPECT_EQ(refusal(k), QStringLiteral("TEL1|Lütfen Telefon Bilgisini Giriniz.") + warn);
    k.setValue(QStringLiteral("TEL1"), QStringLiteral("0216 555 00 00"));
    EXPECT_EQ(refusal(k), QStringLiteral("VD|Lütfen VD Bilgisini Giriniz.") + warn);
    k.setValue(QStringLiteral("VD"), QStringLiteral("   "));
    EXPECT_EQ(refusal(k), QStringLiteral("VD|Lütfen VD Bilgisini Giriniz.") + warn) << "blanks are empty";
    k.setValue(QStringLiteral("VD"), QStringLiteral("Kadıköy"));
    EXPECT_EQ(refusal(k), QStringLiteral("VN|Lütfen VN Bilgisini Giriniz.") + warn);
    k.setValue(QStringLiteral("VN"), QStringLiteral("1234567890"));
    const QString noKey = QStringLiteral("|Cari Kodu, Adı Bilgisini Vermeden Kayıt Saklanamaz.|1");
    EXPECT_EQ(refusal(k), noKey);
    k.setValue(QStringLiteral("CARI_KOD"), QStringLiteral("120.01.001"));
    EXPECT_EQ(refusal(k), noKey) << "a name is needed too";
    EXPECT_EQ(fx().count(QStringLiteral("SELECT COUNT(*) FROM CARI")), 0);

    k.setValue(QStringLiteral("FIRMA_ADI"), QStringLiteral("Yıldız Gıda Ltd. Şti."));
    k.bankalar = {{{QStringLiteral("BANKA_KOD"), QStringLiteral("ZIRAAT")}, {QStringLiteral("TEM_TUTAR"), 500.0}}};
    EXPECT_EQ(refusal(k), QStringLiteral("saved"));
    EXPECT_EQ(k.kaydedilenKod(), QStringLiteral("120.01.001"));
    EXPECT_FALSE(k.isModified());

    const auto rows = db.records(QStringLiteral("SELECT PASIF, AVUKATVER, WEBDENMI, AKTARILDI, KIRILIMLI, DOVIZ_KODU, "
                                                "ACILISTRH FROM CARI WHERE CARI_KOD = '120.01.001'"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(sqlText(rows[0].value(0)), QStringLiteral("A"));
    EXPECT_EQ(sqlText(rows[0].value(1)), QStringLiteral("H"));
    EXPECT_EQ(sqlText(rows[0].value(2)), QStringLiteral("H"));
    EXPECT_EQ(sqlText(rows[0].value(3)), QStringLiteral("H"));
    EXPECT_EQ(sqlText(rows[0].value(4)), QStringLiteral("E"));
    EXPECT_EQ(sqlText(rows[0].value(5)), CariKart::yerelDoviz(db));
    EXPECT_EQ(toDate(rows[0].value(6)), QDate::currentDate());
    EXPECT_EQ(fx().count(QStringLiteral("SELECT COUNT(*) FROM CARIBANKA WHERE CARI_KOD = '120.01.001' "
                                        "AND BANKA_KOD = 'ZIRAAT'")),
              1);

    // Editing: the exported marker goes back to "H" and the banks are written again.
    db.exec(QStringLiteral("UPDATE CARI SET AKTARILDI = 'E'"));
    CariKart e(db);
    ASSERT_TRUE(e.open(QStringLiteral("120.01.001")));
    ASSERT_EQ(e.bankalar.size(), 1);
    e.bankalar.clear();
    EXPECT_TRUE(e.isModified()) << "a removed bank is an unsaved change";
    e.setValue(QStringLiteral("TEL2"), QStringLiteral("0216 555 00 01"));
    e.save();
    EXPECT_EQ(sqlText(db.scalar(QStringLiteral("SELECT AKTARILDI FROM CARI"))), QStringLiteral("H"));
    EXPECT_EQ(fx().count(QStringLiteral("SELECT COUNT(*) FROM CARIBANKA")), 0);
}

TEST_F(CariKartTest, PostFailuresMapToTheThreeCardMessages)
{
    fx().cari(QStringLiteral("C1"));
    CariKart k(db);
    k.startNew();
    for (const char* c : {"ADRES_1", "TEL1", "VD", "VN", "FIRMA_ADI"})
        k.setValue(QString::fromLatin1(c), QStringLiteral("x"));
    k.setValue(QStringLiteral("CARI_KOD"), QStringLiteral("C1"));
    try {
        k.save();
        FAIL() << "a second card with the same code was stored";
    } catch (const DbError& e) {
        EXPECT_EQ(postErrorMessage(e.sqlError()), QStringLiteral("Aynı Kodlu Kayıt Var."));
    }
    EXPECT_EQ(fx().count(QStringLiteral("SELECT COUNT(*) FROM CARI")), 1);

    // The card was deleted by another workstation while open.
    CariKart e(db);
    ASSERT_TRUE(e.open(QStringLiteral("C1")));
    db.exec(QStringLiteral("DELETE FROM CARI"));
    for (const char* c : {"ADRES_1", "TEL1", "VD", "VN"})
        e.setValue(QString::fromLatin1(c), QStringLiteral("y"));
    try {
        e.save();
        FAIL() << "an update of a vanished row passed";
    } catch (const FieldError&) {
        FAIL() << "not a check failure";
    } catch (const UserError& u) {
        EXPECT_EQ(u.message(), QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor."));
    }
}

TEST_F(CariKartTest, CodeSharedWithCashDesksAndBanksIsRefusedOnLeavingTheField)
{
    fx().insert(QStringLiteral("KASA"), {{QStringLiteral("KASAKOD"), QStringLiteral("MERKEZ")}});
    fx().insert(QStringLiteral("BANKA"), {{QStringLiteral("BANKA_KOD"), QStringLiteral("ZIRAAT")}});
    CariKart k(db);
    for (const QString& taken : {QStringLiteral("MERKEZ"), QStringLiteral("ZIRAAT")}) {
        try {
            k.checkCode(taken);
            ADD_FAILURE() << taken.toStdString() << " was accepted";
        } catch (const FieldError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Aynı Cari Kodu, Başka Bir Kayda İşlenmiş.!!!"));
            EXPECT_EQ(e.column(), QStringLiteral("CARI_KOD"));
        }
    }
    EXPECT_NO_THROW(k.checkCode(QStringLiteral("MERKEZ2")));
    EXPECT_NO_THROW(k.checkCode(QStringLiteral("merkez"))) << "codes compare exactly";
}

TEST_F(CariKartTest, SameNameIsOnlyAWarning)
{
    fx().cari(QStringLiteral("C1"), {{QStringLiteral("FIRMA_ADI"), QStringLiteral("Öztürk Ticaret")}});
    CariKart k(db);
    EXPECT_TRUE(k.ayniAdVar(QStringLiteral("C2"), QStringLiteral("Öztürk Ticaret")));
    EXPECT_FALSE(k.ayniAdVar(QStringLiteral("C1"), QStringLiteral("Öztürk Ticaret"))) << "its own name";
    EXPECT_FALSE(k.ayniAdVar(QStringLiteral("C2"), QStringLiteral("Öztürk")));
    k.startNew();
    for (const char* c : {"ADRES_1", "TEL1", "VD", "VN"})
        k.setValue(QString::fromLatin1(c), QStringLiteral("x"));
    k.setValue(QStringLiteral("CARI_KOD"), QStringLiteral("C2"));
    k.setValue(QStringLiteral("FIRMA_ADI"), QStringLiteral("Öztürk Ticaret"));
    EXPECT_NO_THROW(k.save());
    EXPECT_EQ(fx().count(QStringLiteral("SELECT COUNT(*) FROM CARI WHERE FIRMA_ADI = :a"),
                         {{QStringLiteral("a"), QStringLiteral("Öztürk Ticaret")}}),
              2);
}

TEST_F(CariKartTest, LastCodeProposesTheGreatestCodeWithThePrefix)
{
    for (const char* c : {"120.01.001", "120.01.009", "120.02.003", "320.01.500", "1X0.99"})
        fx().cari(QString::fromLatin1(c));
    CariKart k(db);
    EXPECT_EQ(k.sonCariKodu(QStringLiteral("120")), QStringLiteral("120.02.003"));
    EXPECT_EQ(k.sonCariKodu(QStringLiteral("120.01")), QStringLiteral("120.01.009"));
    EXPECT_EQ(fx().count(QStringLiteral("SELECT COUNT(*) FROM CARI")), 5) << "nothing is created";
    for (const QString& none : {QStringLiteral("999"), QStringLiteral("1_0")}) {
        try {
            k.sonCariKodu(none);
            ADD_FAILURE() << none.toStdString() << " found a code";
        } catch (const FieldError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Verilen Ana Hesap Ait Alt Hesap Bulunamadı!"));
            EXPECT_EQ(e.kind(), FieldError::Kind::Error);
        }
    }
}

TEST_F(CariKartTest, CopyTakesEveryColumnButTheCodeAndTheExcludedOnes)
{
    fx().cari(QStringLiteral("SRC"), {{QStringLiteral("ADRES_1"), QStringLiteral("Adres")},
                                      {QStringLiteral("VD"), QStringLiteral("Bornova")},
                                      {QStringLiteral("MUH_KOD"), QStringLiteral("120.01")},
                                      {QStringLiteral("RISK_LIMITI"), 5000.0},
                                      {QStringLiteral("ISKGRUP"), QStringLiteral("A")},
                                      {QStringLiteral("DOVIZ_KODU"), QStringLiteral("USD")},
                                      {QStringLiteral("POSTAKODU"), QStringLiteral("35100")},
                                      {QStringLiteral("TEDARIKCI"), 1},
                                      {QStringLiteral("BAYI_KOD"), QStringLiteral("B1")},
                                      {QStringLiteral("MUH_KOD2"), QStringLiteral("320.01")},
                                      {QStringLiteral("KIRILIMLI"), QStringLiteral("H")},
                                      {QStringLiteral("ARC_MUH_SATIS"), QStringLiteral("600")},
                                      {QStringLiteral("ARC_MUH_ALIS"), QStringLiteral("153")},
                                      {QStringLiteral("TCKIMLIKNO"), QStringLiteral("12345678901")},
                                      {QStringLiteral("ILCE"), QStringLiteral("BORNOVA")},
                                      {QStringLiteral("ABMFYTUYG"), QStringLiteral("E")},
                                      {QStringLiteral("PASIF"), QStringLiteral("P")},
                                      {QStringLiteral("ACILISTRH"), QDate(2019, 4, 1)},
                                      {QStringLiteral("AKTARILDI"), QStringLiteral("E")}});
    CariKart k(db);
    k.startNew(QStringLiteral("SRC"));
    // The opening date and the transfer flag are no exception: they come along too.
    EXPECT_EQ(toDate(k.value(QStringLiteral("ACILISTRH"))), QDate(2019, 4, 1));
    EXPECT_EQ(k.text(QStringLiteral("AKTARILDI")), QStringLiteral("E"));
    EXPECT_TRUE(k.isNew());
    EXPECT_EQ(k.text(QStringLiteral("CARI_KOD")), QString());
    EXPECT_EQ(k.text(QStringLiteral("FIRMA_ADI")), QStringLiteral("Firma SRC"));
    EXPECT_EQ(k.text(QStringLiteral("ADRES_1")), QStringLiteral("Adres"));
    EXPECT_EQ(k.text(QStringLiteral("MUH_KOD")), QStringLiteral("120.01"));
    EXPECT_DOUBLE_EQ(k.value(QStringLiteral("RISK_LIMITI")).toDouble(), 5000.0);
    EXPECT_EQ(k.text(QStringLiteral("PASIF")), QStringLiteral("P"));
    EXPECT_EQ(k.text(QStringLiteral("DOVIZ_KODU")), CariKart::yerelDoviz(db));
    EXPECT_EQ(k.text(QStringLiteral("KIRILIMLI")), QStringLiteral("E"));
    for (const char* c : {"ISKGRUP", "POSTAKODU", "TEDARIKCI", "BAYI_KOD", "MUH_KOD2", "ARC_MUH_SATIS", "ARC_MUH_ALIS",
                          "TCKIMLIKNO", "ILCE", "ABMFYTUYG"})
        EXPECT_EQ(k.text(QString::fromLatin1(c)), QString()) << c;
    EXPECT_EQ(CariKart::kopyalanmayanlar().size(), 12);
}

TEST_F(CariKartTest, GroupingClearsTheLowerLevels)
{
    CariKart k(db);
    k.startNew();
    k.setValue(QStringLiteral("CARI_GRP_KOD"), QStringLiteral("TOP"));
    k.setValue(QStringLiteral("ALT_GRUP"), QStringLiteral("TOP01"));
    k.setGrup(QStringLiteral("PER"));
    EXPECT_EQ(k.text(QStringLiteral("CARI_GRP_KOD")), QStringLiteral("PER"));
    EXPECT_EQ(k.text(QStringLiteral("ALT_GRUP")), QString());
    k.setValue(QStringLiteral("ALT_GRUP"), QStringLiteral("PER01"));
    k.setAnaGrup(2);
    EXPECT_EQ(k.value(QStringLiteral("ANA_GRUP")).toInt(), 2);
    EXPECT_EQ(k.text(QStringLiteral("CARI_GRP_KOD")), QString());
    EXPECT_EQ(k.text(QStringLiteral("ALT_GRUP")), QString());
}

TEST_F(CariKartTest, CodesWithBlanksQuotesAndTurkishLettersAreStoredExactly)
{
    const QStringList codes = {QStringLiteral("ÇİĞ ÖŞÜ 1"), QStringLiteral("O'NEİL \"X\""), QStringLiteral("A;--%_")};
    for (const QString& kod : codes) {
        CariKart k(db);
        k.startNew();
        for (const char* c : {"ADRES_1", "TEL1", "VD", "VN"})
            k.setValue(QString::fromLatin1(c), QStringLiteral("x"));
        k.setValue(QStringLiteral("CARI_KOD"), kod);
        k.setValue(QStringLiteral("FIRMA_ADI"), QStringLiteral("Şirket ") + kod);
        ASSERT_NO_THROW(k.save());
    }
    for (const QString& kod : codes) {
        CariKart k(db);
        ASSERT_TRUE(k.open(kod)) << kod.toStdString();
        EXPECT_EQ(k.text(QStringLiteral("CARI_KOD")), kod);
        EXPECT_EQ(k.text(QStringLiteral("FIRMA_ADI")), QStringLiteral("Şirket ") + kod);
    }
    EXPECT_FALSE(CariKart(db).open(QStringLiteral("ÇIĞ ÖŞÜ 1"))) << "dotless I is another letter";
}

TEST_F(CariKartTest, RightFlagsDecideWhichPartsAreReadOnly)
{
    SessionContext& s = SessionContext::current();
    s.setHak(QStringLiteral("CRISK"), QStringLiteral("H"));
    s.setHak(QStringLiteral("CARIKDUZEL"), QStringLiteral("H"));
    CariKartHaklari h = CariKartHaklari::of(s);
    EXPECT_TRUE(h.riskDegistirir);
    EXPECT_TRUE(h.kartDegistirir);
    s.setHak(QStringLiteral("CRISK"), QStringLiteral("O"));
    s.setHak(QStringLiteral("CARIKDUZEL"), QString());
    h = CariKartHaklari::of(s);
    EXPECT_FALSE(h.riskDegistirir);
    EXPECT_FALSE(h.kartDegistirir);
}

} // namespace nimbo::test
