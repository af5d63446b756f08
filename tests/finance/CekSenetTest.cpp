#include "FinansFixture.h"
#include "db/ServerObjects.h"
#include "finance/CekSenetBordro.h"
#include "finance/CekSenetDurumu.h"
#include "finance/CekSenetHareketi.h"
#include "finance/CekSenetKart.h"
#include "finance/CekSenetListe.h"

#include <set>

namespace nimbo::test {

namespace {

class CekSenetTest : public FinansTestBase {
protected:
    void kart(double no, const QString& tip, const QString& sahip, const QString& durum, const QDate& vade = {},
              const QVariantMap& extra = {})
    {
        QVariantMap v{{"PORTFOYNO", no}, {"CS_TIP", tip}, {"SAHIP", sahip}, {"SON_DURUMU", durum},
                      {"CARIKOD", "C1"}, {"TUTAR", 100.0 * no}, {"SERI_NO", QStringLiteral("S%1").arg(no)},
                      {"VADETARIH", QDateTime(vade.isValid() ? vade : kGun, QTime(0, 0))},
                      {"TARIH", QDateTime(kGun, QTime(0, 0))}};
        for (auto it = extra.begin(); it != extra.end(); ++it)
            v.insert(it.key(), it.value());
        f.insert("CSKART", v);
    }
    QString durum(double no) { return toText(db.scalar("SELECT SON_DURUMU FROM CSKART WHERE PORTFOYNO=:P", {{"P", no}})); }
    static QString refusal(const std::function<void()>& fn)
    {
        try {
            fn();
        } catch (const UserError& e) {
            return e.message();
        }
        return QStringLiteral("(no refusal)");
    }
};

} // namespace

TEST_F(CekSenetTest, StatusLabelsFollowKindAndOwner)
{
    const QString cek = CekSenetDurumu::kCek, senet = CekSenetDurumu::kSenet;
    EXPECT_EQ(CekSenetDurumu::etiket("K", senet, "M"), QStringLiteral("Protestolu"));
    EXPECT_EQ(CekSenetDurumu::etiket("K", cek, "M"), QStringLiteral("Karşılıksız"));
    EXPECT_EQ(CekSenetDurumu::etiket("P", cek, "M"), QStringLiteral("Portföyde"));
    EXPECT_EQ(CekSenetDurumu::etiket("P", senet, "M"), QStringLiteral("Portföyde"));
    EXPECT_EQ(CekSenetDurumu::etiket("P", cek, "F"), QStringLiteral("Kendi Çekimiz"));
    EXPECT_EQ(CekSenetDurumu::etiket("P", senet, "F"), QStringLiteral("Borç Senedimiz"));
    const QList<std::pair<const char*, const char*>> others{
        {"C", "Cirolu"}, {"B", "Bankaya Teminata Verildi"}, {"V", "Bankaya Tahsil Verildi"},
        {"9", "Tahsil Edilemiyor"}, {"T", "Tahsil Edildi"}, {"I", "İade Edildi."}, {"R", "Tahsile verildi(Protestolu)"}};
    for (const auto& [d, label] : others)
        for (const QString& t : {cek, senet})
            EXPECT_EQ(CekSenetDurumu::etiket(d, t, "M"), QString::fromUtf8(label)) << d;

    // The list shows the same labels, computed by the database.
    kart(1, senet, "M", "K");
    kart(2, cek, "M", "K");
    kart(3, cek, "F", "P");
    kart(4, senet, "F", "P");
    kart(5, cek, "M", "I");
    QStringList shown;
    const ListQuery q = CekSenetListe(db).sorgu({});
    for (const QSqlRecord& r : db.records(q.orderedSql(db.dialect()), q.params))
        shown << toText(r.value("DURUM_ADI"));
    EXPECT_EQ(shown, (QStringList{"Protestolu", "Karşılıksız", "Kendi Çekimiz", "Borç Senedimiz", "İade Edildi."}));
}

// Every operation on every status of both owners: the allowed moves give their status, the
// others are refused and leave the card as it was. The picker offers exactly the allowed ones.
TEST_F(CekSenetTest, EveryTransitionIsAllowedOrRefusedAsTheLifecycleSays)
{
    struct Move {
        const char* sahip;
        const char* islem;
        const char* from;
        const char* to;
    };
    const Move allowed[] = {
        {"M", "1", "P", "C"}, {"M", "3", "P", "B"}, {"M", "4", "B", "P"}, {"M", "4", "V", "P"},
        {"M", "5", "B", "V"}, {"M", "5", "V", "V"}, {"M", "8", "B", "K"}, {"M", "8", "V", "K"},
        {"M", "7", "K", "9"}, {"M", "9", "K", "I"}, {"M", "9", "P", "I"}, {"M", "2", "C", "P"},
        {"F", "1", "P", "P"}, {"F", "2", "P", "P"}, {"F", "6", "P", "T"}};
    auto expected = [&](const QString& sahip, const QString& islem, const QString& from) -> QString {
        for (const Move& m : allowed)
            if (sahip == QLatin1String(m.sahip) && islem == QLatin1String(m.islem) && from == QLatin1String(m.from))
                return QString::fromLatin1(m.to);
        return {};
    };
    double no = 0;
    for (const QString& sahip : {QStringLiteral("M"), QStringLiteral("F")})
        for (const QString& from : CekSenetDurumu::durumlar())
            for (const QString& islem : CekSenetDurumu::islemler()) {
                if (islem == QLatin1String("0"))
                    continue; // receiving makes a new card
                SCOPED_TRACE((sahip + " " + islem + " " + from).toStdString());
                kart(++no, CekSenetDurumu::kCek, sahip, from);
                const QString to = expected(sahip, islem, from);
                EXPECT_EQ(CekSenetDurumu::uygun(islem, from, sahip), !to.isEmpty());
                CekSenetSatiri s{islem, "C2", 150, 150, "ZIRAAT", "TL-1", kGun};
                DbTransaction tx(db);
                if (to.isEmpty()) {
                    EXPECT_EQ(refusal([&] { CekSenetHareketi::uygula(db, no, s); }).left(14),
                              QStringLiteral("Bu Çek/Senet \""));
                    EXPECT_EQ(durum(no), from);
                    EXPECT_EQ(toText(db.scalar("SELECT CARIKOD FROM CSKART WHERE PORTFOYNO=:P", {{"P", no}})), QStringLiteral("C1"));
                } else {
                    EXPECT_EQ(CekSenetHareketi::uygula(db, no, s), to);
                    EXPECT_EQ(durum(no), to);
                    EXPECT_EQ(toText(db.scalar("SELECT CARIKOD FROM CSKART WHERE PORTFOYNO=:P", {{"P", no}})), QStringLiteral("C2"));
                    EXPECT_DOUBLE_EQ(db.scalar("SELECT TUTAR FROM CSKART WHERE PORTFOYNO=:P", {{"P", no}}).toDouble(), 150);
                }
                tx.commit();
            }
    // A paper already returned is not collected: the message names the operation and the status.
    kart(++no, CekSenetDurumu::kCek, "M", "I");
    EXPECT_EQ(refusal([&] { CekSenetHareketi::uygula(db, no, {"5", "ZIRAAT", 1, 1, {}, {}, kGun}); }),
              QStringLiteral("Bu Çek/Senet \"Çek/Senet Bankada Tahsil\" işlemine uygun değil. Durumu: İade Edildi."));
    EXPECT_EQ(refusal([&] { CekSenetHareketi::uygula(db, 9999, {"5", "ZIRAAT", 1, 1, {}, {}, kGun}); }),
              QStringLiteral("9999 Portföy Nolu Çek/Senet Bulunamadı."));

    // The picker's condition offers the papers the rule accepts, and no others.
    exec("DELETE FROM CSKART");
    no = 0;
    for (const QString& sahip : {QStringLiteral("M"), QStringLiteral("F")})
        for (const QString& from : CekSenetDurumu::durumlar())
            kart(++no, CekSenetDurumu::kCek, sahip, from);
    kart(++no, CekSenetDurumu::kSenet, "M", "P"); // notes are not offered
    for (const QString& islem : CekSenetDurumu::islemler()) {
        CekSenetFiltre f;
        f.islem = islem;
        const ListQuery q = CekSenetListe(db).sorgu(f);
        std::set<std::pair<QString, QString>> offered, wanted;
        for (const QSqlRecord& r : db.records(q.orderedSql(db.dialect()), q.params))
            offered.insert({toText(r.value("SAHIP")), toText(r.value("SON_DURUMU"))});
        for (const Move& m : allowed)
            if (islem == QLatin1String(m.islem))
                wanted.insert({QString::fromLatin1(m.sahip), QString::fromLatin1(m.from)});
        EXPECT_EQ(offered, wanted) << islem.toStdString();
    }
}

TEST_F(CekSenetTest, CardEntryAndCarryOverRequireWhatThePaperNeeds)
{
    CekSenetKart k(db);
    k.yeni(CekSenetKart::Giris::Kart, CekSenetDurumu::kCek, CekSenetDurumu::kMusteri);
    k.setValue("TANZIMTARIH", QVariant());
    EXPECT_EQ(refusal([&] { k.save(); }), QStringLiteral("Tanzim/Port.Giriş tarihi yazılmalıdır!"));
    k.setValue("TANZIMTARIH", kGun);
    EXPECT_EQ(refusal([&] { k.save(); }), QStringLiteral("Vade yazılmalıdır!"));
    k.setValue("VADETARIH", kGun.addDays(45));
    EXPECT_EQ(refusal([&] { k.save(); }), QStringLiteral("Tutar yazılmalıdır!"));
    k.setValue("DOVIZ_KOD", "USD");
    k.setValue("TUTAR_DOVIZ", 100.0);
    k.setValue("SERI_NO", "A-1");
    k.setValue("BANKA_ADI", "Akbank");
    k.setValue("CARIKOD", "C1");
    k.setValue("NUMKOD", "AK0007");
    k.save();
    const double no = k.portfoyNo();
    EXPECT_GT(no, 0);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT TUTAR FROM CSKART WHERE PORTFOYNO=:P", {{"P", no}}).toDouble(), 3000);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT TUTAR_EUR FROM CSKART WHERE PORTFOYNO=:P", {{"P", no}}).toDouble(), 3000.0 / 33);
    EXPECT_EQ(durum(no), QStringLiteral("P"));
    EXPECT_EQ(k.sonNumKod("AK"), QStringLiteral("AK0007"));
    // A card saved through the entry is found by a due-date range that starts on its day.
    CekSenetFiltre gun;
    gun.vadeBas = gun.vadeSon = kGun.addDays(45);
    const ListQuery q = CekSenetListe(db).sorgu(gun);
    EXPECT_EQ(db.records(q.orderedSql(db.dialect()), q.params).size(), 1);

    // The same serial of the same bank is refused; another bank's is not.
    CekSenetKart ikinci(db);
    ikinci.yeni(CekSenetKart::Giris::Kart, CekSenetDurumu::kCek, CekSenetDurumu::kMusteri);
    ikinci.setValue("VADETARIH", kGun);
    ikinci.setValue("TUTAR_DOVIZ", 10.0);
    ikinci.setValue("SERI_NO", "A-1");
    ikinci.setValue("BANKA_ADI", "Akbank");
    EXPECT_EQ(refusal([&] { ikinci.save(); }), QStringLiteral("Bu Seri No ile Portföyde Kayıtlı Çek/Senet Var."));
    ikinci.setValue("BANKA_ADI", "Garanti");
    ikinci.save();

    // Our own cheque is drawn on one of our accounts and takes its issued-cheques account.
    CekSenetKart kendi(db);
    kendi.yeni(CekSenetKart::Giris::Kart, CekSenetDurumu::kCek, CekSenetDurumu::kKendi);
    kendi.setValue("VADETARIH", kGun);
    kendi.setValue("TUTAR_DOVIZ", 10.0);
    EXPECT_EQ(refusal([&] { kendi.save(); }), QStringLiteral("Banka Hesap Kodu Seçilmelidir !"));
    kendi.setValue("BANKA_KOD", "ZIRAAT");
    kendi.setValue("HESAP_NO", "TL-1");
    kendi.save();
    EXPECT_EQ(toText(db.scalar("SELECT MUH_KOD FROM CSKART WHERE PORTFOYNO=:P", {{"P", kendi.portfoyNo()}})),
              QStringLiteral("103.TL-1"));

    // Carry-over cards.
    CekSenetKart d(db);
    d.yeni(CekSenetKart::Giris::Devir, CekSenetDurumu::kSenet, CekSenetDurumu::kMusteri);
    EXPECT_EQ(refusal([&] { d.save(); }), QStringLiteral("Durumu İşaretlenmelidir!"));
    d.setDevirDurumu("Ciro Edildi");
    d.setValue("VADETARIH", kGun);
    d.setValue("TUTAR_DOVIZ", 500.0);
    EXPECT_EQ(refusal([&] { d.save(); }), QStringLiteral("Cari Kodu Seçilmelidir !"));
    d.setValue("CARIKOD", "C1");
    EXPECT_EQ(refusal([&] { d.save(); }), QStringLiteral("Cirolandığı Cari Kodu Seçilmelidir!"));
    d.setDevirDurumu("Tahsile verildi(Protestolu)");
    EXPECT_EQ(refusal([&] { d.save(); }), QStringLiteral("Banka Kodu Seçilmelidir!"));
    d.setValue("BANKA_KOD", "YOK");
    EXPECT_EQ(refusal([&] { d.save(); }), QStringLiteral("İlgili Banka Kodu Seçilmelidir!"));
    d.setValue("BANKA_KOD", "ZIRAAT");
    d.save();
    EXPECT_EQ(toText(db.scalar("SELECT B_TUR || SON_DURUMU || SAHIP FROM CSKART WHERE PORTFOYNO=:P",
                               {{"P", d.portfoyNo()}})),
              QStringLiteral("DRM"));
    CekSenetKart borc(db);
    borc.yeni(CekSenetKart::Giris::Devir, CekSenetDurumu::kCek, CekSenetDurumu::kMusteri);
    borc.setDevirDurumu("Borç Senedimiz"); // our own note, no account needed
    borc.setValue("VADETARIH", kGun);
    borc.setValue("TUTAR_DOVIZ", 75.0);
    borc.save();
    EXPECT_EQ(toText(db.scalar("SELECT CS_TIP || SAHIP || SON_DURUMU FROM CSKART WHERE PORTFOYNO=:P",
                               {{"P", borc.portfoyNo()}})),
              QStringLiteral("EFP"));
}

TEST_F(CekSenetTest, CardNamedByAFinanceRowStaysAndCarryOverCardsGo)
{
    kart(1, CekSenetDurumu::kCek, "M", "P", {}, {{"B_TUR", "D"}});
    kart(2, CekSenetDurumu::kCek, "M", "P", {}, {{"B_TUR", "D"}});
    kart(3, CekSenetDurumu::kCek, "M", "P", {}, {{"B_TUR", "0"}});
    f.insert("FINHRK", {{"KODU", "PK"}, {"CEK_NO", 1.0}, {"ISLEM_TIP", "E"}, {"BORC", 100.0}});
    f.insert("FINHRK", {{"KODU", "ZIRAAT"}, {"CEK_NO", 2.0}, {"ISLEM_TIP", "B"}, {"BORC", 100.0}});
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_EQ(refusal([&] { CekSenetKart::sil(db, 1); }), QStringLiteral("Bu Çek/Senet ile ilgili İşlem var.Silinemez!"));
    (*prompter)->expectAsk("Kayıt Silinsin mi?", false);
    EXPECT_FALSE(CekSenetKart::sil(db, 2));
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_TRUE(CekSenetKart::sil(db, 2)); // a bank row of another kind does not hold it
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_FALSE(CekSenetKart::sil(db, 3)); // only carry-over cards are deleted here
    EXPECT_EQ(count("SELECT COUNT(*) FROM CSKART"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM UISLEM WHERE ACIKLAMA='Devir Çek/Senet Silindi.Seri No:S2'"), 1);
}

TEST_F(CekSenetTest, BordereauWhosePaperMovedLaterStays)
{
    kart(7, CekSenetDurumu::kCek, "M", "V", {}, {{"BORDRONO", 1.0}});
    for (const auto& [b, tur, d] : {std::tuple{1.0, "0", "P"}, std::tuple{2.0, "2", "V"}}) {
        f.insert("CSBORDRO", {{"BORDRONO", b}, {"B_TUR", tur}, {"B_CARIKOD", "C1"}});
        f.insert("CSBORAYR", {{"BORDRONO", b}, {"PORTFOYNO", 7.0}, {"SON_DURUMU", d}, {"B_TUR", tur}});
    }
    f.insert("KASAHRKT", {{"HRKNO", 2.0}, {"REF_TIP", "E"}, {"KASAKOD", "K01"}});
    f.insert("CARIHRK", {{"CARI_NO", 50.0}, {"SIRANO", 1}, {"CARI_KOD", "C1"}, {"CRHRK_TUR", "Ç"}, {"REF_NO", 2.0}, {"TIP", 1}, {"DOVIZ_KODU", "TL"},
                         {"PORTFOYNO", 7.0}});
    EXPECT_EQ(CekSenetBordro::turAdi("2"), QStringLiteral("Çek Çıkışı (Banka Tahsil)"));

    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_EQ(refusal([&] { CekSenetBordro::sil(db, 1); }), QStringLiteral("Sonradan İşlem Görmüş Satırları var. Silenemez."));
    exec("INSERT INTO CODEKAP (CARI_NO, SIRANO, CRHRK_TUR, KCARI_NO) VALUES (50, 1, 'Ç', 3)");
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_EQ(refusal([&] { CekSenetBordro::sil(db, 2); }),
              QStringLiteral("Borç Kapama İşlemi Yapılmış Bu Kaydın Silinmesi için Borç Kapama İşlemi Geri Alınmalıdır."));
    exec("DELETE FROM CODEKAP");
    exec("UPDATE CSBORDRO SET FIS_NO=4 WHERE BORDRONO=2");
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_EQ(refusal([&] { CekSenetBordro::sil(db, 2); }), QStringLiteral("Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez."));
    exec("UPDATE CSBORDRO SET FIS_NO=NULL WHERE BORDRONO=2");

    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_TRUE(CekSenetBordro::sil(db, 2));
    EXPECT_EQ(durum(7), QStringLiteral("P")); // the status the entry gave it
    EXPECT_EQ(count("SELECT COUNT(*) FROM CARIHRK") + count("SELECT COUNT(*) FROM KASAHRKT")
                  + count("SELECT COUNT(*) FROM CSBORAYR WHERE BORDRONO=2") + count("SELECT COUNT(*) FROM CSBORDRO WHERE BORDRONO=2"),
              0);
    // Now the entry may go, and the paper that came in with it goes too.
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_TRUE(CekSenetBordro::sil(db, 1));
    EXPECT_EQ(count("SELECT COUNT(*) FROM CSKART"), 0);
}

TEST_F(CekSenetTest, PortfolioListsByDueDateAndHistoryFromTheFinanceLines)
{
    kart(1, CekSenetDurumu::kCek, "M", "P", kGun.addDays(30));
    kart(2, CekSenetDurumu::kCek, "M", "V", kGun.addDays(10));
    kart(3, CekSenetDurumu::kSenet, "M", "P", kGun.addDays(20), {{"CARIKOD", "C2"}});
    kart(4, CekSenetDurumu::kCek, "F", "P", kGun.addDays(5), {{"B_TUR", "D"}});
    auto liste = [&](const CekSenetFiltre& f) {
        QList<int> out;
        const ListQuery q = CekSenetListe(db).sorgu(f);
        for (const QSqlRecord& r : db.records(q.orderedSql(db.dialect()), q.params))
            out << r.value("PORTFOYNO").toInt();
        return out;
    };
    EXPECT_EQ(liste({}), (QList<int>{4, 2, 3, 1}));
    CekSenetFiltre f;
    f.sahip = "M";
    f.durum = "P";
    EXPECT_EQ(liste(f), (QList<int>{3, 1}));
    f = {};
    f.csTip = CekSenetDurumu::kCek;
    f.vadeBas = kGun.addDays(6);
    f.vadeSon = kGun.addDays(30);
    EXPECT_EQ(liste(f), (QList<int>{2, 1}));
    f = {};
    f.cariKod = "C2";
    EXPECT_EQ(liste(f), (QList<int>{3}));
    f = {};
    f.bTur = "D";
    f.bTurHaric = true;
    EXPECT_EQ(liste(f), (QList<int>{2, 3, 1}));
    f = {};
    f.tutarMin = 150.0;
    f.tutarMax = 300.0;
    EXPECT_EQ(liste(f), (QList<int>{2, 3}));
    f = {};
    f.aramaAlani = "FIRMA_ADI";
    f.aramaDegeri = "firma c2";
    EXPECT_EQ(liste(f), (QList<int>{3}));

    f.aramaAlani = "PORTFOYNO";
    f.aramaDegeri = "2";
    EXPECT_EQ(liste(f), (QList<int>{2}));

    // History: the finance lines that named the paper, in date order, with their labels.
    f.aramaDegeri.clear();
    this->f.insert("FINMAST", {{"FIN_ID", 10}, {"KODU", "C1"}, {"ADI", "Firma C1"}, {"ISLEM_TIP", "E"}});
    this->f.insert("FINMAST", {{"FIN_ID", 11}, {"KODU", "ZIRAAT"}, {"ADI", "Ziraat"}, {"ISLEM_TIP", "E"}});
    this->f.insert("FINDET", {{"FIN_ID", 11}, {"SIRA_NO", 1}, {"CEK_NO", 2.0}, {"TIP2", "3"}, {"CS_DURUM", "B"},
                              {"TARIH", QDateTime(kGun.addDays(2), QTime(0, 0))}, {"KODU", "ZIRAAT"}, {"KODU2", "TL-1"}});
    this->f.insert("FINDET", {{"FIN_ID", 10}, {"SIRA_NO", 1}, {"CEK_NO", 2.0}, {"TIP2", "0"}, {"CS_DURUM", "P"},
                              {"TARIH", QDateTime(kGun, QTime(0, 0))}, {"KODU", "PK"}});
    const QList<CekSenetTarihceSatiri> t = CekSenetListe(db).tarihce(2);
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t.at(0).finId, 10);
    EXPECT_EQ(t.at(0).islemAdi, QStringLiteral("Cariden Çek/Senet Girişi"));
    EXPECT_EQ(t.at(0).durumAdi, QStringLiteral("Portföyde"));
    EXPECT_EQ(t.at(0).anaKodu, QStringLiteral("C1"));
    EXPECT_EQ(t.at(1).islemAdi, QStringLiteral("Çek/Senet Bankaya Tahsile Verilen"));
    EXPECT_EQ(t.at(1).durumAdi, QStringLiteral("Bankaya Teminata Verildi"));
    EXPECT_EQ(t.at(1).kodu2, QStringLiteral("TL-1"));
    EXPECT_EQ(t.at(1).anaAdi, QStringLiteral("Ziraat"));
    EXPECT_TRUE(CekSenetListe(db).tarihce(1).isEmpty());
}

TEST_F(CekSenetTest, PortfolioAccountAndProtestFunctions)
{
    exec("UPDATE PARAMET SET MUH_ELCEK='101.01', MUH_ELSEN='121.01', MUH_KESCEK='103.01', MUH_BORCSEN='321.01', "
         "CEKSENETUZUNVADEAY=12");
    const QDate bugun = kGun;
    using ServerObjects::EldekiMuhDondur;
    EXPECT_EQ(EldekiMuhDondur(db, "TL", "Ç", "M", bugun.addDays(30), bugun), QStringLiteral("101.01"));
    EXPECT_EQ(EldekiMuhDondur(db, "USD", "E", "M", bugun.addMonths(3), bugun), QStringLiteral("121.01"));
    EXPECT_EQ(EldekiMuhDondur(db, "TL", "Ç", "F", bugun, bugun), QStringLiteral("103.01"));
    EXPECT_EQ(EldekiMuhDondur(db, "TL", "E", "F", bugun.addMonths(6), bugun), QStringLiteral("321.01"));
    // Beyond the long-term limit a note goes to the long-term account; exactly at it, not yet.
    EXPECT_EQ(EldekiMuhDondur(db, "TL", "E", "M", bugun.addMonths(13), bugun), QStringLiteral("221.01"));
    EXPECT_EQ(EldekiMuhDondur(db, "TL", "E", "F", bugun.addMonths(13), bugun), QStringLiteral("421.01"));
    EXPECT_EQ(EldekiMuhDondur(db, "TL", "E", "M", bugun.addMonths(12), bugun), QStringLiteral("121.01"));
    exec("UPDATE PARAMET SET CEKSENETUZUNVADEAY=0, MUH_ELSEN=NULL");
    EXPECT_EQ(EldekiMuhDondur(db, "TL", "E", "M", bugun.addMonths(13), bugun), QString());

    kart(1, CekSenetDurumu::kSenet, "M", "K");
    kart(2, CekSenetDurumu::kCek, "M", "R");
    kart(3, CekSenetDurumu::kCek, "M", "P");
    kart(4, CekSenetDurumu::kCek, "M", "T", {}, {{"PROTESTOLU_TAHSIL", "E"}});
    EXPECT_EQ(ServerObjects::CekSenetProtesto(db, 1), QStringLiteral("E"));
    EXPECT_EQ(ServerObjects::CekSenetProtesto(db, 2), QStringLiteral("E"));
    EXPECT_EQ(ServerObjects::CekSenetProtesto(db, 3), QStringLiteral("H"));
    EXPECT_EQ(ServerObjects::CekSenetProtesto(db, 4), QStringLiteral("E"));
    EXPECT_EQ(ServerObjects::CekSenetProtesto(db, 99), QString());
}

} // namespace nimbo::test
