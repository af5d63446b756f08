#include "FinansFixture.h"
#include "finance/BankaBakiye.h"
#include "finance/BankaHesabi.h"

namespace nimbo::test {

namespace {

class BankaTest : public FinansTestBase {
protected:
    template <typename E>
    static QString refusal(const std::function<void()>& f)
    {
        try {
            f();
        } catch (const E& e) {
            return e.message();
        }
        return QStringLiteral("(no refusal)");
    }
    void bankRow(const QString& hesap, double borc, double alacak, const QVariant& cekNo = {},
                 const QString& islemTip = QStringLiteral("B"), const QString& doviz = QStringLiteral("TL"),
                 const QString& banka = QStringLiteral("ZIRAAT"))
    {
        f.insert(QStringLiteral("FINHRK"), {{QStringLiteral("KODU"), banka}, {QStringLiteral("KODU2"), hesap},
                                            {QStringLiteral("ISLEM_TIP"), islemTip}, {QStringLiteral("BORC"), borc * (doviz == "TL" ? 1 : 30)},
                                            {QStringLiteral("ALACAK"), alacak * (doviz == "TL" ? 1 : 30)},
                                            {QStringLiteral("BORC_DVZ"), borc}, {QStringLiteral("ALACAK_DVZ"), alacak},
                                            {QStringLiteral("DOVIZ_KODU"), doviz}, {QStringLiteral("CEK_NO"), cekNo}});
    }
    void card(double no, const QString& sahip, const QString& durum)
    {
        f.insert(QStringLiteral("CSKART"), {{QStringLiteral("PORTFOYNO"), no}, {QStringLiteral("CS_TIP"), QStringLiteral("Ç")},
                                            {QStringLiteral("SAHIP"), sahip}, {QStringLiteral("SON_DURUMU"), durum}});
    }
};

} // namespace

TEST_F(BankaTest, CardKeepsTheCodeSpaceAndStoresItsAccounts)
{
    BankaKart k(db);
    k.yeni();
    for (const char* kod : {"C1", "K01"})
        EXPECT_EQ(refusal<FieldError>([&] { k.kodKontrol(kod); }),
                  QStringLiteral("Aynı Banka Kodu, Başka Bir Kayda İşlenmiş.!!!"))
            << kod;
    EXPECT_EQ(refusal<FieldError>([&] { k.save(); }), QStringLiteral("Gerekli Alanları Lüften Giriniz."));
    k.setValue("BANKA_KOD", "C1");
    EXPECT_EQ(refusal<FieldError>([&] { k.save(); }), QStringLiteral("Aynı Banka Kodu, Başka Bir Kayda İşlenmiş.!!!"));
    k.setValue("BANKA_KOD", "ISBANK");
    k.setValue("BANKA_ADI", "İş Bankası");
    EXPECT_EQ(refusal<UserError>([&] { k.muhasebeKoduSecilebilir(); }),
              QStringLiteral("Lütfen Önce Bankanın Hesaplarını Tanımlayın"));

    // Accounts from the grid's texts: numbers in Turkish notation; a number that is none is refused.
    QVariantMap h = BankaKart::hesapSatiri({"12-34", "Ticari", "1", "TL", "2", "1,75"}, 1);
    EXPECT_EQ(h.value("VALOR").toInt(), 2);
    EXPECT_DOUBLE_EQ(h.value("KOMISYON").toDouble(), 1.75);
    EXPECT_EQ(refusal<FieldError>([&] { BankaKart::hesapSatiri({"9", "", "1", "TL", "0", "iki"}, 2); }),
              QStringLiteral("Hesaplar 2. satır: Komisyon% okunamadı (\"iki\")."));
    k.hesaplar << h << h;
    EXPECT_EQ(refusal<FieldError>([&] { k.save(); }), QStringLiteral("Aynı Kodlu Kayıt Var."));
    k.hesaplar[1].insert("HESAP_NO", "  ");
    EXPECT_EQ(refusal<FieldError>([&] { k.save(); }), QStringLiteral("Gerekli Alanları Lüften Giriniz."));
    k.hesaplar[1].insert("HESAP_NO", "56-78");
    k.hesaplar[1].insert("DOVIZ_KODU", "EUR");
    k.save();
    EXPECT_EQ(count("SELECT COUNT(*) FROM BANKAYR WHERE BANKA_KOD='ISBANK' AND BANKADI='İş Bankası'"), 2);

    BankaKart b(db);
    ASSERT_TRUE(b.ac("ISBANK"));
    ASSERT_EQ(b.hesaplar.size(), 2);
    EXPECT_EQ(toText(b.hesaplar.at(1).value("DOVIZ_KODU")), QStringLiteral("EUR"));
    EXPECT_FALSE(b.isModified());
    b.muhasebeKoduSecilebilir();
    b.hesaplar[0].insert("MUH_CHES", "102.01");
    EXPECT_TRUE(b.isModified());
    b.save();
    EXPECT_EQ(toText(db.scalar("SELECT MUH_CHES FROM BANKAYR WHERE HESAP_NO='12-34'")), QStringLiteral("102.01"));
}

TEST_F(BankaTest, AccountWithAFinanceRowAndBankWithAccountsCannotGo)
{
    bankRow("USD-1", 10, 0, {}, "B", "USD");
    BankaKart k(db);
    ASSERT_TRUE(k.ac("ZIRAAT"));
    EXPECT_FALSE(k.hesapSilinebilir("USD-1"));
    EXPECT_TRUE(k.hesapSilinebilir("TL-1"));
    k.hesaplar.removeIf([](const QVariantMap& h) { return h.value("HESAP_NO").toString() != "POS-1"; });
    EXPECT_EQ(refusal<FieldError>([&] { k.save(); }), QStringLiteral("Bu Banka Hesap No ile İlgili İşlem Var.Silinemez!"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM BANKAYR WHERE BANKA_KOD='ZIRAAT'"), 3);
    // The account without rows goes; the one with a row stays.
    k.ac("ZIRAAT");
    k.hesaplar.removeIf([](const QVariantMap& h) { return h.value("HESAP_NO").toString() == "TL-1"; });
    k.save();
    EXPECT_EQ(count("SELECT COUNT(*) FROM BANKAYR WHERE BANKA_KOD='ZIRAAT'"), 2);

    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_EQ(refusal<UserError>([&] { BankaKart::sil(db, "ZIRAAT"); }),
              QStringLiteral("Bu Banka ile Hesapları Var.Silinemez!"));
    exec("INSERT INTO BANKA (BANKA_KOD, BANKA_ADI) VALUES ('BOS', 'Hesapsız')");
    (*prompter)->expectAsk("Kayıt Silinsin mi?", false);
    EXPECT_FALSE(BankaKart::sil(db, "BOS"));
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_TRUE(BankaKart::sil(db, "BOS"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM BANKA"), 1);
}

TEST_F(BankaTest, BalanceCountsPaperRowsOnlyOnceCollected)
{
    card(1, "M", "T");
    card(2, "M", "V");
    card(3, "F", "T");
    card(4, "F", "P");
    bankRow("TL-1", 1000, 0);      // no cheque: counts
    bankRow("TL-1", 0, 200, 0.0);  // cheque number 0: counts
    bankRow("TL-1", 500, 0, 1);    // customer cheque collected, debit: counts
    bankRow("TL-1", 0, 300, 1);    // customer cheque collected, credit: does not
    bankRow("TL-1", 400, 0, 2);    // customer cheque at the bank: does not
    bankRow("TL-1", 0, 250, 3, "E"); // own cheque paid, kind E: counts
    bankRow("TL-1", 0, 150, 3, "B"); // own cheque paid, other kind: does not
    bankRow("TL-1", 0, 90, 4, "E");  // own cheque still ours: does not
    bankRow("TL-1", 60, 0, 9);       // a paper number no card has: does not
    bankRow("USD-1", 100, 40, {}, "B", "USD");
    exec("INSERT INTO BANKA (BANKA_KOD, BANKA_ADI, BANKA_SUBE) VALUES ('GARANTI', 'Garanti', 'Kadıköy')");
    bankRow("G-1", 70, 0, {}, "B", "TL", "GARANTI");
    f.finhrk("C1", 999, 0); // an account's row is no bank's

    BankaBakiye b(db);
    const QList<BankaToplam> tl = b.hesap("ZIRAAT", "TL-1");
    ASSERT_EQ(tl.size(), 1);
    EXPECT_DOUBLE_EQ(tl.first().borc, 1500);
    EXPECT_DOUBLE_EQ(tl.first().alacak, 450);
    EXPECT_DOUBLE_EQ(tl.first().bakiye(), 1050);

    const QList<BankaToplam> banka = b.banka("ZIRAAT");
    ASSERT_EQ(banka.size(), 2);
    EXPECT_EQ(banka.at(0).doviz, QStringLiteral("TL"));
    EXPECT_EQ(banka.at(1).doviz, QStringLiteral("USD"));
    EXPECT_DOUBLE_EQ(banka.at(1).bakiyeDvz(), 60);
    EXPECT_DOUBLE_EQ(banka.at(1).bakiye(), 1800);

    const QList<BankaToplam> tumu = b.hepsi(BankaBakiye::Grup::Tumu);
    ASSERT_EQ(tumu.size(), 2);
    EXPECT_DOUBLE_EQ(tumu.at(0).bakiye(), 1120);
    const QList<BankaToplam> sube = b.hepsi(BankaBakiye::Grup::Sube);
    ASSERT_EQ(sube.size(), 2); // one branch, two currencies
    EXPECT_EQ(sube.at(0).grup, QStringLiteral("Kadıköy"));
    EXPECT_DOUBLE_EQ(sube.at(0).bakiye(), 1120);
    const QList<BankaToplam> hesaplar = b.hepsi(BankaBakiye::Grup::Hesap);
    QStringList gruplar;
    for (const BankaToplam& t : hesaplar)
        gruplar << t.grup;
    EXPECT_EQ(gruplar, (QStringList{"GARANTI / G-1", "ZIRAAT / TL-1", "ZIRAAT / USD-1"}));
    EXPECT_TRUE(b.hesap("ZIRAAT", "POS-1").isEmpty());
}

TEST_F(BankaTest, PickerRefusesRowsWithoutNumberOrOfAnotherTypeOrCurrency)
{
    EXPECT_EQ(refusal<UserError>([] { BankaHesabi::secimKontrol("", "1", "TL", {}, {}); }),
              QStringLiteral("Hesap No.su Olmayan Kayıt Seçilemez."));
    EXPECT_EQ(refusal<UserError>([] { BankaHesabi::secimKontrol("POS-1", "5", "TL", "1", "TL"); }),
              QStringLiteral("Hesap Türü Uyumsuz !"));
    EXPECT_EQ(refusal<UserError>([] { BankaHesabi::secimKontrol("USD-1", "3", "USD", {}, "TL"); }),
              QStringLiteral("Döviz Tipi Uyumsuz  !"));
    BankaHesabi::secimKontrol("TL-1", "1", "TL", "1", "TL");
    const auto h = BankaHesabi::bul(db, "ZIRAAT", "POS-1");
    ASSERT_TRUE(h.has_value());
    EXPECT_EQ(h->tur, QStringLiteral("5"));
    EXPECT_DOUBLE_EQ(h->komisyon, 2);
    EXPECT_EQ(h->bankaAdi, QStringLiteral("Ziraat Bankası"));
    EXPECT_FALSE(BankaHesabi::bul(db, "ZIRAAT", "YOK").has_value());
    EXPECT_EQ(BankaHesabi::hepsi(db).size(), 3);
}

} // namespace nimbo::test
