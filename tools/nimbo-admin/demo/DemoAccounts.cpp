#include "demo/DemoData.h"
#include "demo/DemoPlan.h"
#include "db/ServerObjects.h"

#include <QDate>
#include <QDateTime>
#include <QSqlRecord>
#include <QStringList>

namespace nimbo::demo {

namespace {

const char* const kIller[] = {
    "ADANA", "ADIYAMAN", "AFYONKARAHİSAR", "AĞRI", "AMASYA", "ANKARA", "ANTALYA", "ARTVİN", "AYDIN", "BALIKESİR",
    "BİLECİK", "BİNGÖL", "BİTLİS", "BOLU", "BURDUR", "BURSA", "ÇANAKKALE", "ÇANKIRI", "ÇORUM", "DENİZLİ",
    "DİYARBAKIR", "EDİRNE", "ELAZIĞ", "ERZİNCAN", "ERZURUM", "ESKİŞEHİR", "GAZİANTEP", "GİRESUN", "GÜMÜŞHANE",
    "HAKKARİ", "HATAY", "ISPARTA", "MERSİN", "İSTANBUL", "İZMİR", "KARS", "KASTAMONU", "KAYSERİ", "KIRKLARELİ",
    "KIRŞEHİR", "KOCAELİ", "KONYA", "KÜTAHYA", "MALATYA", "MANİSA", "KAHRAMANMARAŞ", "MARDİN", "MUĞLA", "MUŞ",
    "NEVŞEHİR", "NİĞDE", "ORDU", "RİZE", "SAKARYA", "SAMSUN", "SİİRT", "SİNOP", "SİVAS", "TEKİRDAĞ", "TOKAT",
    "TRABZON", "TUNCELİ", "ŞANLIURFA", "UŞAK", "VAN", "YOZGAT", "ZONGULDAK", "AKSARAY", "BAYBURT", "KARAMAN",
    "KIRIKKALE", "BATMAN", "ŞIRNAK", "BARTIN", "ARDAHAN", "IĞDIR", "YALOVA", "KARABÜK", "KİLİS", "OSMANİYE",
    "DÜZCE"};

struct Ilce {
    int plaka;
    const char* ad;
};
const Ilce kIlceler[] = {
    {34, "KADIKÖY"}, {34, "ÜSKÜDAR"}, {34, "BEŞİKTAŞ"}, {34, "ŞİŞLİ"}, {34, "BAKIRKÖY"}, {34, "ATAŞEHİR"},
    {34, "MALTEPE"}, {34, "PENDİK"}, {34, "ÜMRANİYE"}, {34, "BEYLİKDÜZÜ"}, {6, "ÇANKAYA"}, {6, "KEÇİÖREN"},
    {6, "YENİMAHALLE"}, {6, "ETİMESGUT"}, {6, "SİNCAN"}, {35, "BORNOVA"}, {35, "KARŞIYAKA"}, {35, "KONAK"},
    {35, "BUCA"}, {35, "ÇİĞLİ"}, {16, "NİLÜFER"}, {16, "OSMANGAZİ"}, {16, "YILDIRIM"}, {7, "MURATPAŞA"},
    {7, "KONYAALTI"}, {7, "ALANYA"}, {42, "SELÇUKLU"}, {42, "MERAM"}, {41, "İZMİT"}, {41, "GEBZE"},
    {1, "SEYHAN"}, {1, "ÇUKUROVA"}, {27, "ŞAHİNBEY"}, {27, "ŞEHİTKAMİL"}, {26, "ODUNPAZARI"}, {26, "TEPEBAŞI"},
    {55, "İLKADIM"}, {55, "ATAKUM"}, {61, "ORTAHİSAR"}, {38, "KOCASİNAN"}, {38, "MELİKGAZİ"}};

// Where the demo accounts live: province, its counties and some districts.
struct Yer {
    const char* il;
    int plaka;
    const char* ilceler[3];
    const char* semtler[3];
    const char* tel;
};
const Yer kYerler[] = {
    {"İSTANBUL", 34, {"KADIKÖY", "ÜSKÜDAR", "ŞİŞLİ"}, {"Moda", "Altunizade", "Mecidiyeköy"}, "0216"},
    {"ANKARA", 6, {"ÇANKAYA", "YENİMAHALLE", "KEÇİÖREN"}, {"Kızılay", "Demetevler", "Etlik"}, "0312"},
    {"İZMİR", 35, {"BORNOVA", "KONAK", "KARŞIYAKA"}, {"Erzene", "Alsancak", "Bostanlı"}, "0232"},
    {"BURSA", 16, {"NİLÜFER", "OSMANGAZİ", "YILDIRIM"}, {"Görükle", "Heykel", "Setbaşı"}, "0224"},
    {"ANTALYA", 7, {"MURATPAŞA", "KONYAALTI", "ALANYA"}, {"Lara", "Hurma", "Oba"}, "0242"},
    {"KONYA", 42, {"SELÇUKLU", "MERAM", "SELÇUKLU"}, {"Bosna Hersek", "Havzan", "Yazır"}, "0332"},
    {"KOCAELİ", 41, {"İZMİT", "GEBZE", "İZMİT"}, {"Yahyakaptan", "Osman Yılmaz", "Kuruçeşme"}, "0262"},
    {"GAZİANTEP", 27, {"ŞAHİNBEY", "ŞEHİTKAMİL", "ŞAHİNBEY"}, {"Karataş", "İbrahimli", "Gaziler"}, "0342"},
};

const char* const kUnvanBas[] = {"Yıldız", "Anadolu", "Ege", "Marmara", "Karadeniz", "Akdeniz", "Başkent", "Doğu",
                                 "Güney", "Kuzey", "Öztürk", "Çelik", "Şahin", "Demir", "Kaya", "Aydın", "Arslan",
                                 "Koç", "Erdem", "Polat", "Güneş", "Ilgaz", "Uğur", "Özkan", "Çınar"};
const char* const kSektor[] = {"Gıda", "Tekstil", "Otomotiv", "İnşaat", "Elektrik", "Mobilya", "Kırtasiye",
                               "Hırdavat", "Plastik", "Ambalaj", "Kimya", "Tarım", "Bilişim", "Lojistik", "Medikal"};
const char* const kSonEk[] = {"Ltd. Şti.", "A.Ş.", "San. ve Tic. A.Ş.", "Tic. Ltd. Şti."};
const char* const kAdlar[] = {"Ahmet", "Mehmet", "Ayşe", "Fatma", "Mustafa", "Emine", "Ali", "Zeynep", "Hüseyin",
                              "Elif", "İbrahim", "Hatice", "Osman", "Şükrü", "Gülay", "Çağlar", "Özlem", "Ümit"};
const char* const kSoyadlar[] = {"Yılmaz", "Kaya", "Demir", "Şahin", "Çelik", "Yıldız", "Yıldırım", "Öztürk",
                                 "Aydın", "Özdemir", "Arslan", "Doğan", "Kılıç", "Aslan", "Çetin", "Koç"};
const char* const kVergiDaireleri[] = {"Kadıköy", "Çankaya", "Bornova", "Nilüfer", "Muratpaşa", "Selçuklu",
                                       "Kocaeli", "Şahinbey"};

QString u(const char* s) { return QString::fromUtf8(s); }

void fillPlaces(const Db& db)
{
    int plaka = 0;
    for (const char* il : kIller)
        db.exec(QStringLiteral("INSERT INTO SEHIR (SEHIR_KODU, SEHIR_ADI) VALUES (:k, :a)"),
                {{QStringLiteral("k"), ++plaka}, {QStringLiteral("a"), u(il)}});
    for (const Ilce& i : kIlceler)
        db.exec(QStringLiteral("INSERT INTO ILCE (SEHIR_KODU, ILCE_ADI) VALUES (:k, :a)"),
                {{QStringLiteral("k"), i.plaka}, {QStringLiteral("a"), u(i.ad)}});
}

void fillCashAndBanks(const Db& db)
{
    const struct { const char* kod; const char* ad; const char* doviz; const char* muh; } kasalar[] = {
        {"MERKEZ", "Merkez Kasa", "TL", "100.01"},
        {"DOVIZ", "Döviz Kasası", "USD", "100.02"},
        {"EURO", "Euro Kasası", "EUR", "100.03"},
        {"PK", "PORTFÖY KASASI", "TL", "101.01"}};
    for (const auto& k : kasalar)
        db.exec(QStringLiteral("INSERT INTO KASA (KASAKOD, ADI, DOVIZ_KOD, MUH_KOD) VALUES (:k, :a, :d, :m)"),
                {{QStringLiteral("k"), u(k.kod)}, {QStringLiteral("a"), u(k.ad)}, {QStringLiteral("d"), u(k.doviz)},
                 {QStringLiteral("m"), u(k.muh)}});
    const struct { const char* kod; const char* ad; const char* sube; const char* subeKodu; const char* tel; } bankalar[] = {
        {"ZIRAAT", "T.C. Ziraat Bankası", "Kozyatağı", "0742", "0216 444 00 00"},
        {"ISBANK", "Türkiye İş Bankası", "Kadıköy", "1021", "0216 444 02 02"},
        {"GARANTI", "Garanti BBVA", "Ataşehir", "0356", "0216 444 03 33"}};
    for (const auto& b : bankalar)
        db.exec(QStringLiteral("INSERT INTO BANKA (BANKA_KOD, BANKA_ADI, BANKA_SUBE, SUBE_KODU, TEL, ADRES) "
                               "VALUES (:k, :a, :s, :sk, :t, :ad)"),
                {{QStringLiteral("k"), u(b.kod)}, {QStringLiteral("a"), u(b.ad)}, {QStringLiteral("s"), u(b.sube)},
                 {QStringLiteral("sk"), u(b.subeKodu)}, {QStringLiteral("t"), u(b.tel)},
                 {QStringLiteral("ad"), u(b.sube) + QStringLiteral(" Şubesi")}});
}

// Main groups, groups and subgroups; returns the main group numbers in insertion order.
QList<int> fillGroups(const Db& db)
{
    QList<int> ana;
    for (const char* ad : {"MÜŞTERİLER", "TEDARİKÇİLER", "BAYİLER"})
        ana << db.scalar(QStringLiteral("INSERT INTO CANAGRUP (GRUP_ADI) VALUES (:a) RETURNING KODU"),
                         {{QStringLiteral("a"), u(ad)}})
                   .toInt();
    const struct { const char* kod; const char* ad; int ana; } gruplar[] = {
        {"PER", "Perakende Müşteriler", 0}, {"TOP", "Toptan Müşteriler", 0}, {"KAM", "Kamu Kurumları", 0},
        {"HAM", "Hammadde Tedarikçileri", 1}, {"HIZ", "Hizmet Tedarikçileri", 1},
        {"BLG", "Bölge Bayileri", 2}, {"YET", "Yetkili Servisler", 2}};
    for (const auto& g : gruplar)
        db.exec(QStringLiteral("INSERT INTO CARIGRUP (GRUP_KOD, GRUP_ADI, KODU) VALUES (:k, :a, :u)"),
                {{QStringLiteral("k"), u(g.kod)}, {QStringLiteral("a"), u(g.ad)}, {QStringLiteral("u"), ana.at(g.ana)}});
    const struct { const char* kod; const char* grup; const char* ad; } altlar[] = {
        {"PER01", "PER", "Mağaza Müşterileri"}, {"PER02", "PER", "İnternet Müşterileri"},
        {"TOP01", "TOP", "Marketler"}, {"TOP02", "TOP", "Zincir Mağazalar"}, {"KAM01", "KAM", "Belediyeler"},
        {"HAM01", "HAM", "Yurt İçi"}, {"HAM02", "HAM", "İthalat"}, {"HIZ01", "HIZ", "Nakliye"},
        {"BLG01", "BLG", "Marmara Bölgesi"}, {"BLG02", "BLG", "İç Anadolu Bölgesi"}, {"YET01", "YET", "Servis Noktaları"}};
    for (const auto& a : altlar)
        db.exec(QStringLiteral("INSERT INTO CALTGRUP (KODU, GRUP_KOD, GRUP_ADI) VALUES (:k, :g, :a)"),
                {{QStringLiteral("k"), u(a.kod)}, {QStringLiteral("g"), u(a.grup)}, {QStringLiteral("a"), u(a.ad)}});
    return ana;
}

struct Kind {
    const char* prefix;
    int count;
    int ana;
    const char* gruplar[3];
    const char* altlar[3];
};

void fillAccounts(const Db& db, int year, const QList<int>& ana)
{
    const Kind kinds[] = {
        {"120.01.", 180, 0, {"PER", "TOP", "KAM"}, {"PER01", "TOP01", "KAM01"}},
        {"320.01.", 70, 1, {"HAM", "HIZ", "HAM"}, {"HAM01", "HIZ01", "HAM02"}},
        {"120.05.", 40, 2, {"BLG", "YET", "BLG"}, {"BLG01", "YET01", "BLG02"}},
    };
    const QString sql = QStringLiteral(
        "INSERT INTO CARI (CARI_KOD, FIRMA_ADI, YETKILI_ADI, YETKILI_SOYAD, ADRES_1, ADRES_2, SEMT, ILI, ILCE, ULKE, "
        "POSTAKODU, TEL1, TEL2, TEL3, FAKS, EMAIL, VD, VN, TCKIMLIKNO, ANA_GRUP, CARI_GRP_KOD, ALT_GRUP, OZEL_GRUP, "
        "ISKGRUP, FAT_ISK, MAKSVADEGUN, DOVIZ_KODU, RISK_LIMITI, RISKRITER, RISBAKTIP, RISK_SIP, RISK_IRS, RISK_DIG, "
        "TEMINAT_1, BANKA_1, MUH_KOD, ISCI_KOD, BAYI_KOD, TEDARIKCI, ACILISTRH, PASIF, AVUKATVER, AKTARILDI, "
        "WEBDENMI, ABMFYTUYG, KIRILIMLI, ACIKLAMA) VALUES (:kod, :ad, :yad, :ysoyad, :adr1, :adr2, :semt, :il, "
        ":ilce, 'TÜRKİYE', :pk, :tel1, :tel2, :gsm, :faks, :email, :vd, :vn, :tc, :ana, :grup, :alt, :ozel, :isk, "
        ":fisk, :vade, :dvz, :risk, :kriter, :taraf, :rsip, :rirs, :rdig, :tem, :banka, :muh, :isci, :bayi, :ted, "
        ":acilis, :pasif, 'H', 'H', 'H', 'H', :kiril, :acik)");
    int n = 0;
    for (const Kind& k : kinds) {
        for (int i = 1; i <= k.count; ++i, ++n) {
            const Yer& yer = kYerler[n % 8];
            const int slot = (n / 8) % 3;
            const QString kod = QString::fromLatin1(k.prefix) + QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
            const bool sahis = k.ana == 0 && i % 9 == 0;
            const QString yad = u(kAdlar[n % 18]);
            const QString ysoyad = u(kSoyadlar[(n * 7) % 16]);
            const QString ad = sahis ? yad + QLatin1Char(' ') + ysoyad
                                     : u(kUnvanBas[n % 25]) + QLatin1Char(' ') + u(kSektor[(n / 25 + n) % 15])
                                           + QLatin1Char(' ') + u(kSonEk[n % 4]);
            const QString tel = QStringLiteral("%1 %2 %3 %4")
                                    .arg(u(yer.tel))
                                    .arg(300 + (n * 37) % 600)
                                    .arg(10 + n % 89)
                                    .arg(10 + (n * 13) % 89);
            const QString riskKriter = QStringLiteral("YB1234").mid(n % 6, 1);
            db.exec(sql, {{QStringLiteral("kod"), kod},
                          {QStringLiteral("ad"), ad},
                          {QStringLiteral("yad"), yad},
                          {QStringLiteral("ysoyad"), ysoyad},
                          {QStringLiteral("adr1"), QStringLiteral("%1 Cad. No:%2").arg(u(kSoyadlar[n % 16])).arg(1 + n % 140)},
                          {QStringLiteral("adr2"), n % 5 == 0 ? QStringLiteral("Organize Sanayi Bölgesi %1. Cad.").arg(1 + n % 9)
                                                             : QString()},
                          {QStringLiteral("semt"), u(yer.semtler[slot])},
                          {QStringLiteral("il"), u(yer.il)},
                          {QStringLiteral("ilce"), u(yer.ilceler[slot])},
                          {QStringLiteral("pk"), QStringLiteral("%1%2").arg(yer.plaka, 2, 10, QLatin1Char('0')).arg(100 + n % 800)},
                          {QStringLiteral("tel1"), tel},
                          {QStringLiteral("tel2"), n % 3 == 0 ? tel.left(tel.size() - 2) + QStringLiteral("99") : QString()},
                          {QStringLiteral("gsm"), QStringLiteral("05%1 %2 %3 %4").arg(30 + n % 26).arg(100 + n % 900).arg(10 + n % 80).arg(20 + n % 70)},
                          {QStringLiteral("faks"), n % 4 == 0 ? tel.left(tel.size() - 2) + QStringLiteral("98") : QString()},
                          {QStringLiteral("email"), sahis ? QString() : QStringLiteral("info%1@ornekfirma.com.tr").arg(n)},
                          {QStringLiteral("vd"), u(kVergiDaireleri[n % 8])},
                          {QStringLiteral("vn"), QStringLiteral("%1").arg(1000000000LL + n * 7919LL)},
                          {QStringLiteral("tc"), sahis ? QStringLiteral("%1").arg(10000000000LL + n * 104729LL) : QString()},
                          {QStringLiteral("ana"), ana.at(k.ana)},
                          {QStringLiteral("grup"), u(k.gruplar[i % 3])},
                          {QStringLiteral("alt"), u(k.altlar[i % 3])},
                          {QStringLiteral("ozel"), i % 4 == 0 ? QStringLiteral("VIP") : QString()},
                          {QStringLiteral("isk"), k.ana == 0 ? QStringLiteral("İskonto Grubu %1").arg(1 + i % 3) : QString()},
                          {QStringLiteral("fisk"), k.ana == 2 ? 10.0 : (i % 5 == 0 ? 5.0 : 0.0)},
                          {QStringLiteral("vade"), QList<int>{0, 30, 45, 60, 90}.at(n % 5)},
                          {QStringLiteral("dvz"), k.ana == 1 && i % 7 == 0 ? QStringLiteral("USD") : QStringLiteral("TL")},
                          {QStringLiteral("risk"), riskKriter == QLatin1String("Y") ? 0.0 : 25000.0 + 5000.0 * (n % 10)},
                          {QStringLiteral("kriter"), riskKriter},
                          {QStringLiteral("taraf"), k.ana == 1 ? QStringLiteral("A") : QStringLiteral("B")},
                          {QStringLiteral("rsip"), n % 2 ? QStringLiteral("E") : QStringLiteral("H")},
                          {QStringLiteral("rirs"), n % 3 ? QStringLiteral("E") : QStringLiteral("H")},
                          {QStringLiteral("rdig"), riskKriter == QLatin1String("Y") ? QStringLiteral("H")
                                                   : n % 2 ? QStringLiteral("U") : QStringLiteral("D")},
                          {QStringLiteral("tem"), n % 6 == 0 ? 10000.0 : 0.0},
                          {QStringLiteral("banka"), QStringList{u("Ziraat"), u("İş Bankası"), u("Garanti")}.at(n % 3)},
                          {QStringLiteral("muh"), kod},
                          {QStringLiteral("isci"), QStringLiteral("P00%1").arg(1 + n % 3)},
                          {QStringLiteral("bayi"), k.ana == 2 ? QStringLiteral("B%1").arg(i, 3, 10, QLatin1Char('0')) : QString()},
                          {QStringLiteral("ted"), k.ana == 1 ? 1 : 0},
                          {QStringLiteral("acilis"), demoTarihi(QDate(year, 1, 1).addDays((n * 3) % 330))},
                          {QStringLiteral("pasif"), n % 23 == 0 ? QStringLiteral("P") : QStringLiteral("A")},
                          {QStringLiteral("kiril"), n % 5 == 0 ? QStringLiteral("H") : QStringLiteral("E")},
                          {QStringLiteral("acik"), n % 10 == 0 ? QStringLiteral("Ödemeleri düzenli, yıllık anlaşmalı.") : QString()}});

            if (k.ana == 2)
                db.exec(QStringLiteral("INSERT INTO SERVISLR (SER_KOD, SER_CARIKOD, SER_ADI, SEHIR, TEL1, FAKS, ARAC_SAT, "
                                       "ORG_TIP) VALUES (:k, :c, :a, :s, :t, :f, 'H', 'B')"),
                        {{QStringLiteral("k"), kod}, {QStringLiteral("c"), kod}, {QStringLiteral("a"), ad.left(40)},
                         {QStringLiteral("s"), u(yer.il).left(15)}, {QStringLiteral("t"), tel},
                         {QStringLiteral("f"), tel.left(tel.size() - 2) + QStringLiteral("98")}});
            if (n % 4 == 0)
                db.exec(QStringLiteral("INSERT INTO CARIPERS (CARIKOD, ADI, SOYAD, TEL, CEPTEL, GOREV, ACIKLAMA) VALUES "
                                       "(:k, :a, :s, :t, :c, :g, :ac)"),
                        {{QStringLiteral("k"), kod}, {QStringLiteral("a"), u(kAdlar[(n + 5) % 18])},
                         {QStringLiteral("s"), u(kSoyadlar[(n + 3) % 16])}, {QStringLiteral("t"), tel},
                         {QStringLiteral("c"), QStringLiteral("0532 %1 %2 %3").arg(200 + n % 700).arg(10 + n % 80).arg(11 + n % 77)},
                         {QStringLiteral("g"), QStringList{u("Satın Alma Müdürü"), u("Muhasebe"), u("Genel Müdür")}.at(n % 3)},
                         {QStringLiteral("ac"), QString()}});
            if (n % 6 == 0)
                for (int s = 1; s <= 1 + n % 2; ++s)
                    db.exec(QStringLiteral("INSERT INTO CARISEVK (CARIKOD, SUBE, YETKILI_ADI, YETKILI_SOYAD, SEVKADR1, "
                                           "SEVKADR2, SEMT, ILI, TEL1, FAX, ACIKLAMA) VALUES (:k, :s, :ya, :ys, :a1, "
                                           ":a2, :se, :il, :t, :f, :ac)"),
                            {{QStringLiteral("k"), kod}, {QStringLiteral("s"), s == 1 ? QStringLiteral("DEPO") : QStringLiteral("ŞUBE %1").arg(s)},
                             {QStringLiteral("ya"), yad}, {QStringLiteral("ys"), ysoyad},
                             {QStringLiteral("a1"), QStringLiteral("Sanayi Sitesi %1. Blok No:%2").arg(s).arg(1 + n % 40)},
                             {QStringLiteral("a2"), QString()}, {QStringLiteral("se"), u(yer.semtler[(slot + 1) % 3])},
                             {QStringLiteral("il"), u(yer.il)}, {QStringLiteral("t"), tel}, {QStringLiteral("f"), QString()},
                             {QStringLiteral("ac"), s == 1 ? QStringLiteral("Hafta içi 09:00-17:00 teslim") : QString()}});
            if (n % 10 == 0)
                db.exec(QStringLiteral("INSERT INTO CARIFATURA (CARIKOD, ADRES_TANIM, FIRMA_ADI, YETKILI_ADI, "
                                       "YETKILI_SOYAD, SEVKADR1, SEMT, POSTAKODU, ILI, TEL1, VD, VN, TCKIMLIKNO, CINSIYET, "
                                       "KULLANILDI, AKTIF) VALUES (:k, 'MERKEZ', :f, :ya, :ys, :a, :se, :pk, :il, :t, :vd, "
                                       ":vn, :tc, :c, 'H', 'E')"),
                        {{QStringLiteral("k"), kod}, {QStringLiteral("f"), ad}, {QStringLiteral("ya"), yad},
                         {QStringLiteral("ys"), ysoyad},
                         {QStringLiteral("a"), QStringLiteral("%1 Bulvarı No:%2").arg(u(kUnvanBas[n % 25])).arg(n % 99 + 1)},
                         {QStringLiteral("se"), u(yer.semtler[slot])}, {QStringLiteral("pk"), QStringLiteral("%1100").arg(yer.plaka)},
                         {QStringLiteral("il"), u(yer.il)}, {QStringLiteral("t"), tel},
                         {QStringLiteral("vd"), sahis ? QString() : u(kVergiDaireleri[n % 8])},
                         {QStringLiteral("vn"), sahis ? QString() : QStringLiteral("%1").arg(1000000000LL + n * 7919LL)},
                         {QStringLiteral("tc"), sahis ? QStringLiteral("%1").arg(10000000000LL + n * 104729LL) : QString()},
                         {QStringLiteral("c"), sahis ? QStringLiteral("E") : QStringLiteral("F")}});
            if (n % 7 == 0)
                db.exec(QStringLiteral("INSERT INTO CARIBANKA (CARI_KOD, BANKA_KOD, TEM_BANK, TEM_TUTAR, VADE_TAR) VALUES "
                                       "(:k, :b, :t, :tt, :v)"),
                        {{QStringLiteral("k"), kod}, {QStringLiteral("b"), QStringList{"ZIRAAT", "ISBANK", "GARANTI"}.at(n % 3)},
                         {QStringLiteral("t"), n % 2 ? QStringLiteral("GARANTI") : QString()},
                         {QStringLiteral("tt"), n % 2 ? 50000.0 : 0.0}, {QStringLiteral("v"), QDate(year, 12, 31)}});
        }
    }
}

// Opening balances on the first day of the year, one finance document per account, written
// through the finance-row procedure as every module writes them. Customers mostly open in
// debt, some with an advance (credit); suppliers open in credit; every fourth account and the
// foreign-currency ones open with nothing, so each balance filter of the list finds accounts.
void fillOpeningBalances(const Db& db, int year)
{
    int finId = db.scalar(QStringLiteral("SELECT YENINO FROM NEWFINHRK")).toInt();
    if (finId < 1)
        finId = 1;
    const QDateTime acilis(QDate(year, 1, 1), QTime(0, 0));
    int n = 0;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT CARI_KOD, FIRMA_ADI, DOVIZ_KODU FROM CARI "
                                                         "ORDER BY CARI_KOD"))) {
        const QString kod = toText(r.value(0));
        const QString doviz = toText(r.value(2));
        if (++n % 4 == 0 || doviz != QLatin1String("TL"))
            continue;
        const bool musteri = kod.startsWith(QLatin1String("120."));
        const bool borc = musteri && n % 5 != 0;
        const double tutar = 1500.0 + double((n * 7919) % 97) * 250.0 + (n % 3) * 0.25;
        const Params p{{QStringLiteral("BELGE_TIP"), QStringLiteral("F")},
                       {QStringLiteral("FIN_ID"), finId},
                       {QStringLiteral("SIRA_NO"), 1},
                       {QStringLiteral("ISLEM_TIP"), QStringLiteral("C")},
                       {QStringLiteral("ISLEM_TIP2"), borc ? QStringLiteral("I") : QStringLiteral("F")},
                       {QStringLiteral("KODU"), kod},
                       {QStringLiteral("ACIKLAMA"), u("Açılış Bakiyesi")},
                       {QStringLiteral("BORC"), borc ? tutar : 0.0},
                       {QStringLiteral("ALACAK"), borc ? 0.0 : tutar},
                       {QStringLiteral("BORC_DVZ"), borc ? tutar : 0.0},
                       {QStringLiteral("ALACAK_DVZ"), borc ? 0.0 : tutar},
                       {QStringLiteral("DOVIZ_KODU"), doviz},
                       {QStringLiteral("DVZ_KUR"), 1.0},
                       {QStringLiteral("ADI"), toText(r.value(1)).left(70)},
                       {QStringLiteral("TARIH"), acilis},
                       {QStringLiteral("VADE_TRH"), acilis},
                       {QStringLiteral("HRK_NO"), finId},
                       {QStringLiteral("BA_DOVIZ"), doviz},
                       {QStringLiteral("BA_KUR"), 1.0},
                       {QStringLiteral("BA_BORC"), borc ? tutar : 0.0},
                       {QStringLiteral("BA_ALACAK"), borc ? 0.0 : tutar}};
        ServerObjects::SP_INS_FINHRK(db, p);
        ++finId;
    }
    db.exec(QStringLiteral("UPDATE NEWFINHRK SET YENINO = :n"), {{QStringLiteral("n"), finId}});
}

} // namespace

void fillAccountsDemo(const Db& db, int year)
{
    fillPlaces(db);
    fillCashAndBanks(db);
    fillAccounts(db, year, fillGroups(db));
    fillOpeningBalances(db, year);
}

} // namespace nimbo::demo
