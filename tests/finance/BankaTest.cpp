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

// Three banks in two branches, accounts in TL and USD, a year's worth of rows in both
// directions, a seventh of them carrying a paper of either owner in every status (and some a
// paper no card has): every reading, from one account up to all banks, equals the sum of
// the rows that count, worked out here row by row.
TEST_F(BankaTest, BalancesOfEveryGroupingEqualTheSumOfTheRowsThatCount)
{
    exec("INSERT INTO BANKA (BANKA_KOD, BANKA_ADI, BANKA_SUBE) VALUES ('GARANTI', 'Garanti', 'Kadıköy')");
    exec("INSERT INTO BANKA (BANKA_KOD, BANKA_ADI, BANKA_SUBE) VALUES ('AKBANK', 'Akbank', 'Beşiktaş')");
    // Papers 1 to 36, every third one collected, the others in the remaining statuses.
    const QString durumlar = QStringLiteral("PCBVK9IR");
    struct Kart { QString sahip, durum; };
    QHash<int, Kart> kartlar;
    for (int no = 1; no <= 36; ++no) {
        const Kart k{no % 2 ? QStringLiteral("M") : QStringLiteral("F"),
                     no % 3 == 0 ? QStringLiteral("T") : durumlar.mid(no % durumlar.size(), 1)};
        card(no, k.sahip, k.durum);
        kartlar.insert(no, k);
    }
    struct Hesap { const char* banka; const char* hesap; const char* doviz; };
    const Hesap hesaplar[] = {{"ZIRAAT", "TL-1", "TL"}, {"ZIRAAT", "USD-1", "USD"}, {"ZIRAAT", "POS-1", "TL"},
                              {"GARANTI", "G-1", "TL"},  {"GARANTI", "G-2", "USD"},  {"AKBANK", "A-1", "TL"}};
    QMap<QStringList, BankaToplam> beklenen; // by bank, account and currency
    int n = 0, sayilan = 0, sayilmayan = 0;
    auto satir = [&](const QVariant& cek, const QString& tip, bool borc) {
        const Hesap& h = hesaplar[n % 6];
        const double tutar = 10 + (n * 37) % 500 + 0.25 * (n % 4);
        ++n;
        bankRow(h.hesap, borc ? tutar : 0, borc ? 0 : tutar, cek, tip, h.doviz, h.banka);
        bool sayilir = cek.isNull() || cek.toDouble() == 0;
        if (!sayilir && kartlar.contains(cek.toInt())) {
            const Kart& k = kartlar.value(cek.toInt());
            sayilir = k.durum == "T" && ((tip == "E" && k.sahip == "F") || (borc && k.sahip == "M"));
        }
        (sayilir ? sayilan : sayilmayan)++;
        if (!sayilir)
            return;
        BankaToplam& t = beklenen[{h.banka, h.hesap, h.doviz}];
        const double kur = QString::fromLatin1(h.doviz) == "TL" ? 1 : 30;
        (borc ? t.borc : t.alacak) += tutar * kur;
        (borc ? t.borcDvz : t.alacakDvz) += tutar;
    };
    // Every paper (37 to 40 have no card) in both kinds and both directions, among rows
    // without a paper or with paper number 0.
    for (int cek = 1; cek <= 40; ++cek)
        for (const QString tip : {QStringLiteral("E"), QStringLiteral("B")})
            for (bool borc : {true, false}) {
                satir(cek, tip, borc);
                satir(cek % 5 ? QVariant() : QVariant(0.0), tip, !borc);
            }
    // The plain rows, six own papers of kind E either way, six customer papers as debit of either kind.
    ASSERT_EQ(sayilan, 160 + 12 + 12);
    f.finhrk("C1", 999, 0); // an account's row is no bank's

    // The expected sums of the chosen rows folded to a grouping, by group and currency.
    using Anahtar = QStringList; // bank, account, currency
    using Toplamlar = QMap<std::pair<QString, QString>, BankaToplam>;
    auto topla = [&](const std::function<bool(const Anahtar&)>& secili,
                     const std::function<QString(const Anahtar&)>& grup) {
        Toplamlar out;
        for (auto it = beklenen.cbegin(); it != beklenen.cend(); ++it) {
            if (!secili(it.key()))
                continue;
            BankaToplam& t = out[{grup(it.key()), it.key().at(2)}];
            t.borc += it->borc;
            t.alacak += it->alacak;
            t.borcDvz += it->borcDvz;
            t.alacakDvz += it->alacakDvz;
        }
        return out;
    };
    auto ayni = [](const QList<BankaToplam>& okunan, const Toplamlar& hesaplanan, const QString& ne) {
        ASSERT_EQ(okunan.size(), hesaplanan.size()) << ne.toStdString();
        auto it = hesaplanan.cbegin();
        for (const BankaToplam& t : okunan) {
            const std::string yer = (ne + QStringLiteral(": ") + t.grup + QLatin1Char(' ') + t.doviz).toStdString();
            EXPECT_EQ(t.grup, it.key().first) << yer;
            EXPECT_EQ(t.doviz, it.key().second) << yer;
            EXPECT_NEAR(t.borc, it->borc, 1e-6) << yer;
            EXPECT_NEAR(t.alacak, it->alacak, 1e-6) << yer;
            EXPECT_NEAR(t.borcDvz, it->borcDvz, 1e-6) << yer;
            EXPECT_NEAR(t.alacakDvz, it->alacakDvz, 1e-6) << yer;
            ++it;
        }
    };
    auto hepsi = [](const Anahtar&) { return true; };
    auto hesapAdi = [](const Anahtar& k) { return k.at(0) + QStringLiteral(" / ") + k.at(1); };

    BankaBakiye b(db);
    for (const Hesap& h : hesaplar) {
        const QString banka = QString::fromLatin1(h.banka), hesap = QString::fromLatin1(h.hesap);
        ayni(b.hesap(banka, hesap),
             topla([&](const Anahtar& k) { return k.at(0) == banka && k.at(1) == hesap; },
                   [](const Anahtar& k) { return k.at(1); }),
             banka + QStringLiteral(" / ") + hesap);
    }
    for (const QString banka : {QStringLiteral("ZIRAAT"), QStringLiteral("GARANTI"), QStringLiteral("AKBANK")}) {
        auto bu = [&](const Anahtar& k) { return k.at(0) == banka; };
        ayni(b.banka(banka), topla(bu, [](const Anahtar& k) { return k.at(0); }), banka);
        ayni(b.hesaplari(banka), topla(bu, hesapAdi), banka + QStringLiteral(" per account"));
    }
    ayni(b.hepsi(BankaBakiye::Grup::Hesap), topla(hepsi, hesapAdi), QStringLiteral("by account"));
    ayni(b.hepsi(BankaBakiye::Grup::Banka), topla(hepsi, [](const Anahtar& k) { return k.at(0); }),
         QStringLiteral("by bank"));
    ayni(b.hepsi(BankaBakiye::Grup::Sube),
         topla(hepsi, [](const Anahtar& k) {
             return k.at(0) == QLatin1String("AKBANK") ? QStringLiteral("Beşiktaş") : QStringLiteral("Kadıköy");
         }),
         QStringLiteral("by branch"));
    ayni(b.hepsi(BankaBakiye::Grup::Tumu), topla(hepsi, [](const Anahtar&) { return QString(); }),
         QStringLiteral("all banks"));
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
