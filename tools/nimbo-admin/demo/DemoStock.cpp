#include "demo/DemoData.h"
#include "demo/DemoPlan.h"

#include <QDateTime>
#include <QtMath>

namespace nimbo::demo {

namespace {
struct MainGroup {
    const char* name;
    const char* groups[4];
};

// A hardware and electrical wholesaler's range.
const MainGroup kMainGroups[] = {
    {"HIRDAVAT", {"Vida ve Civata", "Dübel", "Menteşe", "Kilit"}},
    {"ELEKTRİK", {"Kablo", "Anahtar ve Priz", "Sigorta", "Aydınlatma"}},
    {"EL ALETLERİ", {"Tornavida", "Pense", "Anahtar Takımı", "Çekiç"}},
    {"ELEKTRİKLİ ALETLER", {"Matkap", "Taşlama", "Şarjlı Vidalama", "Dekupaj"}},
    {"BOYA", {"İç Cephe", "Dış Cephe", "Vernik", "Fırça ve Rulo"}},
    {"TESİSAT", {"Boru", "Vana", "Bağlantı Parçası", "Musluk"}},
};
const char* const kSubGroups[] = {"Standart", "Profesyonel", "Ekonomik"};
const char* const kBrands[] = {"Bosch", "Makita", "Stanley", "Viko", "Legrand", "Filli Boya", "Marshall",
                               "Fischer", "Würth", "Knipex", "Ceta Form", "Pimaş", "Artema", "Philips", "Osram"};
const char* const kColours[][2] = {{"BYZ", "Beyaz"}, {"SYH", "Siyah"}, {"KRM", "Kırmızı"}, {"MAV", "Mavi"},
                                   {"YSL", "Yeşil"}, {"GRI", "Gri"},   {"SRI", "Sarı"},    {"KHV", "Kahverengi"}};
const char* const kUnits[] = {"ADET", "KG", "MT", "LT", "KOLI", "PKT", "TAKIM", "KUTU", "RULO"};
const double kVat[] = {0, 1, 10, 20};
const char* const kAdjectives[] = {"Galvaniz", "Paslanmaz", "Plastik", "Çelik", "Pirinç", "Alüminyum",
                                   "Krom", "Siyah", "Beyaz", "Ağır Hizmet", "Mini", "Profesyonel"};
const char* const kSizes[] = {"3 mm", "4 mm", "5 mm", "6 mm", "8 mm", "10 mm", "12 mm", "1/2\"", "3/4\"", "1\"",
                              "2,5 mm²", "1,5 mm²", "750 W", "1200 W", "18 V", "2,5 L", "15 L", "20 cm"};

void exec(const Db& db, const char* sql, const Params& p = {}) { db.exec(QString::fromUtf8(sql), p); }
} // namespace

void fillStockDemo(const Db& db, int year)
{
    for (const char* u : kUnits)
        exec(db, "INSERT INTO BIRIM (BIRIM_ADI) VALUES (:b)", {{"b", QString::fromUtf8(u)}});
    for (int i = 0; i < 4; ++i)
        exec(db, "INSERT INTO KDVLER (SIRA, KDV, ACIKLAMA) VALUES (:s, :k, :a)",
             {{"s", i + 1}, {"k", kVat[i]}, {"a", QStringLiteral("%%1 KDV").arg(kVat[i])}});
    for (const auto& c : kColours)
        exec(db, "INSERT INTO RENKLER (RENK_KOD, RENK_ADI) VALUES (:k, :a)",
             {{"k", QString::fromUtf8(c[0])}, {"a", QString::fromUtf8(c[1])}});
    int brand = 0;
    for (const char* b : kBrands) {
        ++brand;
        exec(db, "INSERT INTO FIRMA (FIRMANO, FIRMA_ADI) VALUES (:n, :a)", {{"n", brand}, {"a", QString::fromUtf8(b)}});
        for (int m = 1; m <= 2; ++m)
            exec(db, "INSERT INTO STKMODEL (MODEL_KOD, MODEL_ADI, MARKA_NO) VALUES (:k, :a, :b)",
                 {{"k", QStringLiteral("M%1-%2").arg(brand).arg(m)},
                  {"a", QStringLiteral("%1 Seri %2").arg(QString::fromUtf8(b)).arg(m * 100)}, {"b", brand}});
    }
    for (const auto& t : {std::pair{"KMY", "Kamyonet"}, {"PNL", "Panelvan"}, {"KMN", "Kamyon"}})
        exec(db, "INSERT INTO MODEL (MODEL_KODU, MODEL_ADI) VALUES (:k, :a)",
             {{"k", QString::fromUtf8(t.first)}, {"a", QString::fromUtf8(t.second)}});

    // Group codes share one series: main groups 1.., groups 100.., sub-groups 1000...
    struct Leaf { int ana, grup, alt; QString name; };
    QList<Leaf> leaves;
    int ana = 0, grupKod = 100, altKod = 1000;
    for (const MainGroup& mg : kMainGroups) {
        ++ana;
        exec(db, "INSERT INTO ANAGRUP (GRUP_KODU, GRUP_ADI, FYTLISTECIK) VALUES (:k, :a, 'E')",
             {{"k", ana}, {"a", QString::fromUtf8(mg.name)}});
        for (const char* g : mg.groups) {
            ++grupKod;
            exec(db, "INSERT INTO GRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU, FYTLISTECIK) VALUES (:k, :a, :u, 'E')",
                 {{"k", grupKod}, {"a", QString::fromUtf8(g)}, {"u", ana}});
            for (const char* s : kSubGroups) {
                ++altKod;
                exec(db, "INSERT INTO ALTGRUP (GRUP_KODU, GRUP_ADI, ANA_GRUP_KODU, ALT_GRUP_KODU, FYTLISTECIK) "
                         "VALUES (:k, :a, :u, :g, 'E')",
                     {{"k", altKod}, {"a", QString::fromUtf8(g) + QLatin1Char(' ') + QString::fromUtf8(s)},
                      {"u", ana}, {"g", grupKod}});
                leaves << Leaf{ana, grupKod, altKod, QString::fromUtf8(g)};
            }
        }
    }

    const double usd = 35.36 * qPow(1.16, year - 2025);
    const double eur = 36.74 * qPow(1.22, year - 2025);
    const int items = 3000;
    const QDate opening(year, 1, 2);
    int hrk = 0;
    for (int i = 1; i <= items; ++i) {
        const Leaf& leaf = leaves.at(i % leaves.size());
        const int b = 1 + (i * 7) % int(std::size(kBrands));
        const QString name = QStringLiteral("%1 %2 %3").arg(leaf.name, QString::fromUtf8(kAdjectives[i % 12]),
                                                          QString::fromUtf8(kSizes[(i / 12) % 18]));
        const QString kod = QStringLiteral("%1%2-%3")
                                .arg(QChar(u'A' + leaf.ana - 1))
                                .arg(leaf.grup % 100, 2, 10, QLatin1Char('0'))
                                .arg(i, 5, 10, QLatin1Char('0'));
        // Imported power tools are priced in EUR, some tools in USD, the rest in TL.
        const QString dvz = leaf.ana == 4 ? QStringLiteral("EUR") : leaf.ana == 3 && i % 2 ? QStringLiteral("USD")
                                                                                             : QStringLiteral("TL");
        const double rate = dvz == QLatin1String("EUR") ? eur : dvz == QLatin1String("USD") ? usd : 1.0;
        const double own = dvz == QLatin1String("TL") ? 5.0 + (i * 37) % 2500 / 4.0 : 1.0 + (i * 13) % 400 / 2.0;
        const double alisTl = own * rate;
        Params p{{"n", i},
                 {"k", kod},
                 {"a", name},
                 {"bk", QStringLiteral("869%1").arg(1000000000 + i * 7, 10, 10, QLatin1Char('0'))},
                 {"ana", leaf.ana},
                 {"grup", leaf.grup},
                 {"alt", leaf.alt},
                 {"firma", b},
                 {"model", QStringLiteral("M%1-%2").arg(b).arg(1 + i % 2)},
                 {"renk", QString::fromUtf8(kColours[i % 8][0])},
                 {"birim", QString::fromUtf8(kUnits[i % 5 == 0 ? 1 + i % 3 : 0])},
                 {"kdv", i % 11 == 0 ? 10.0 : 20.0},
                 {"dvz", dvz},
                 {"trh", QDateTime(opening, QTime(0, 0))}};
        const double factors[] = {1.0, 1.45, 1.3, 1.2, 1.05, 1.1};
        const char* kinds[] = {"ALIS", "SK", "AB", "B", "MAL", "MIN"};
        for (int k = 0; k < 6; ++k) {
            const double tl = alisTl * factors[k];
            p.insert(QStringLiteral("%1_TL").arg(QLatin1String(kinds[k])), tl);
            p.insert(QStringLiteral("%1_USD").arg(QLatin1String(kinds[k])), tl / usd);
            p.insert(QStringLiteral("%1_EUR").arg(QLatin1String(kinds[k])), tl / eur);
            p.insert(QStringLiteral("%1_DVZ").arg(QLatin1String(kinds[k])), own * factors[k]);
        }
        p.insert(QStringLiteral("yer"), QStringLiteral("R%1-%2").arg(i % 40).arg(i % 6));
        p.insert(QStringLiteral("pasif"), i % 97 == 0 ? QStringLiteral("P") : QStringLiteral("A"));
        exec(db,
             "INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, BARKOD, BARK_TIP, ANAGRUPNO, GRUPNO, ALTGRUPNO, "
             "FIRMANO, MODEL, RENK, BIRIM1, BIRIM2, B_KATSAYI2, KDV, KDV_DAHIL, DOVIZ_KODU, PARA_BAZ, KAR_TIP, "
             "KAR_ORAN, ACILIS_TRH, FYT_TRH, PASIF, AKTARILDI, WEBDENMI, SERITAKIP, INSOTOM, PAY, ORJ, YER1, "
             "KRITIK_SEV, "
             "ALIS_FYT_TL, ALIS_FYT_USD, ALIS_FYT_EUR, ALIS_FYT_DOVIZ, SAT_SKFYT_TL, SAT_SKFYT_USD, SAT_SKFYT_EUR, "
             "SAT_SKFYT_DOVIZ, SAT_ABFYT_TL, SAT_ABFYT_USD, SAT_ABFYT_EUR, SAT_ABFYT_DOVIZ, SAT_BFYT_TL, "
             "SAT_BFYT_USD, SAT_BFYT_EUR, SAT_BFYT_DOVIZ, MALIYET_FYT_TL, MALIYET_FYT_USD, MALIYET_FYT_EUR, "
             "MALIYET_FYT_DOVIZ, MINSATFYT_TL, MINSATFYT_USD, MINSATFYT_EUR, MINSATFYT_DVZ) VALUES "
             "(:n, :k, :a, :bk, 'E', :ana, :grup, :alt, :firma, :model, :renk, :birim, 'KOLI', 12, :kdv, 'H', :dvz, "
             "'T', 'A', 45, :trh, :trh, :pasif, 'H', 'H', 'H', 1, 'P', 'O', :yer, 5, "
             ":ALIS_TL, :ALIS_USD, :ALIS_EUR, :ALIS_DVZ, :SK_TL, :SK_USD, :SK_EUR, :SK_DVZ, :AB_TL, :AB_USD, "
             ":AB_EUR, :AB_DVZ, :B_TL, :B_USD, :B_EUR, :B_DVZ, :MAL_TL, :MAL_USD, :MAL_EUR, :MAL_DVZ, :MIN_TL, "
             ":MIN_USD, :MIN_EUR, :MIN_DVZ)",
             p);
        // The items' ledger codes come from the ledger demo's code group cards.
        if (i % 4 == 0)
            exec(db, "INSERT INTO STOKBARK (STOK_KOD_NO, BARKOD, BARK_TIP, BIRIM, FIYAT) VALUES (:k, :b, 'C', 'KOLI', :f)",
                 {{"k", kod}, {"b", QStringLiteral("868%1").arg(2000000000 + i, 10, 10, QLatin1Char('0'))},
                  {"f", p.value(QStringLiteral("SK_TL")).toDouble() * 12}});
        // Some sales out of the opening balances (the opening slips come from the slip demo).
        if (i % 5 != 0) {
            const double qty = 10 + (i * 17) % 190;
            if (i % 3 == 0) {
                ++hrk;
                const QDate sold = demoTarihi(opening.addDays(10 + i % 300));
                exec(db, "INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, FIYAT, FYT_USD, "
                         "FYT_EUR, KDV, TARIH, AY, YIL, CARIKOD, DEPO_KODU, BELGETIP) VALUES (:s, 'S', 1, :n, 0, :q, "
                         ":f, :fu, :fe, :kdv, :t, :ay, :y, '', :d, 'S')",
                     {{"s", 900000 + hrk}, {"n", i}, {"q", qty / 3}, {"f", p.value(QStringLiteral("SK_TL"))},
                      {"fu", p.value(QStringLiteral("SK_USD"))}, {"fe", p.value(QStringLiteral("SK_EUR"))},
                      {"kdv", p.value(QStringLiteral("kdv"))}, {"t", QDateTime(sold, QTime(0, 0))},
                      {"ay", sold.month()}, {"y", sold.year()}, {"d", 1 + i % 3}});
            }
        }
    }
    // The counters continue after the demo's own numbers.
    exec(db, "UPDATE NEWSTOK SET YENINO = :n", {{"n", items + 1}});
    exec(db, "UPDATE NEWGR SET YENINO = :n", {{"n", altKod + 1}});
    exec(db, "UPDATE NEWFIR SET YENINO = :n", {{"n", brand + 1}});
}

} // namespace nimbo::demo
