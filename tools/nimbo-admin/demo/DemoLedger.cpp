#include "demo/DemoData.h"
#include "demo/DemoPlan.h"
#include "ledger/ElleFis.h"
#include "ledger/HesapKart.h"
#include "ledger/MuhasebeKodGrubu.h"
#include "ledger/MuhasebeKurulumu.h"
#include "ledger/TopluMuhasebe.h"

#include <QDate>
#include <algorithm>
#include <vector>

namespace nimbo::demo {

namespace {

struct Hesap {
    const char* kod;
    const char* ad;
    const char* birim = "";
};

// The uniform chart's classes, groups and the main accounts a trading firm uses, with
// sub-accounts per cash desk, bank, VAT rate and customer or supplier group.
const Hesap kPlan[] = {
    {"1", "DÖNEN VARLIKLAR"}, {"10", "HAZIR DEĞERLER"}, {"100", "KASA"}, {"100.01", "MERKEZ KASA"},
    {"100.02", "DÖVİZ KASASI (USD)"}, {"100.03", "EURO KASASI"}, {"101", "ALINAN ÇEKLER"},
    {"101.01", "PORTFÖYDEKİ ÇEKLER"}, {"101.02", "TAKASTAKİ ÇEKLER"}, {"101.03", "TEMİNATTAKİ ÇEKLER"},
    {"101.09", "KARŞILIKSIZ ÇEKLER"}, {"102", "BANKALAR"}, {"102.01", "T.C. ZİRAAT BANKASI"},
    {"102.02", "TÜRKİYE İŞ BANKASI"}, {"102.03", "GARANTİ BBVA"}, {"102.04", "ZİRAAT USD HESABI"},
    {"102.05", "ZİRAAT EUR HESABI"}, {"102.06", "İŞ BANKASI POS HESABI"}, {"102.07", "GARANTİ USD HESABI"},
    {"102.08", "GARANTİ EUR HESABI"}, {"103", "VERİLEN ÇEKLER VE ÖDEME EMİRLERİ (-)"}, {"103.01", "VERİLEN ÇEKLER"},
    {"108", "DİĞER HAZIR DEĞERLER"}, {"12", "TİCARİ ALACAKLAR"}, {"120", "ALICILAR"},
    {"120.01", "PERAKENDE MÜŞTERİLER"}, {"120.02", "TOPTAN MÜŞTERİLER"}, {"120.03", "KAMU KURUMLARI"},
    {"120.04", "BAYİLER"}, {"121", "ALACAK SENETLERİ"}, {"121.01", "PORTFÖYDEKİ SENETLER"},
    {"121.02", "TAHSİLDEKİ SENETLER"}, {"121.03", "TEMİNATTAKİ SENETLER"}, {"121.08", "BANKADA PROTESTOLU SENETLER"},
    {"121.09", "PORTFÖYDE PROTESTOLU SENETLER"}, {"126", "VERİLEN DEPOZİTO VE TEMİNATLAR"},
    {"128", "ŞÜPHELİ TİCARİ ALACAKLAR"}, {"15", "STOKLAR"}, {"153", "TİCARİ MALLAR"},
    {"153.01", "TİCARİ MALLAR", "ADET"}, {"159", "VERİLEN SİPARİŞ AVANSLARI"}, {"19", "DİĞER DÖNEN VARLIKLAR"},
    {"191", "İNDİRİLECEK KDV"}, {"191.01", "İNDİRİLECEK KDV %20"}, {"191.02", "İNDİRİLECEK KDV %10"},
    {"191.03", "İNDİRİLECEK KDV %1"}, {"2", "DURAN VARLIKLAR"}, {"25", "MADDİ DURAN VARLIKLAR"},
    {"253", "TESİS MAKİNE VE CİHAZLAR"}, {"254", "TAŞITLAR"}, {"255", "DEMİRBAŞLAR"},
    {"257", "BİRİKMİŞ AMORTİSMANLAR (-)"}, {"3", "KISA VADELİ YABANCI KAYNAKLAR"}, {"30", "MALİ BORÇLAR"},
    {"300", "BANKA KREDİLERİ"}, {"32", "TİCARİ BORÇLAR"}, {"320", "SATICILAR"},
    {"320.01", "HAMMADDE TEDARİKÇİLERİ"}, {"320.02", "HİZMET TEDARİKÇİLERİ"}, {"321", "BORÇ SENETLERİ"}, {"321.01", "BORÇ SENETLERİ"},
    {"335", "PERSONELE BORÇLAR"}, {"36", "ÖDENECEK VERGİ VE DİĞER YÜKÜMLÜLÜKLER"},
    {"360", "ÖDENECEK VERGİ VE FONLAR"}, {"361", "ÖDENECEK SOSYAL GÜVENLİK KESİNTİLERİ"},
    {"39", "DİĞER KISA VADELİ YABANCI KAYNAKLAR"}, {"391", "HESAPLANAN KDV"}, {"391.01", "HESAPLANAN KDV %20"},
    {"391.02", "HESAPLANAN KDV %10"}, {"391.03", "HESAPLANAN KDV %1"}, {"4", "UZUN VADELİ YABANCI KAYNAKLAR"},
    {"40", "MALİ BORÇLAR"}, {"400", "BANKA KREDİLERİ"}, {"5", "ÖZKAYNAKLAR"}, {"50", "ÖDENMİŞ SERMAYE"},
    {"500", "SERMAYE"}, {"57", "GEÇMİŞ YILLAR KARLARI"}, {"570", "GEÇMİŞ YILLAR KARLARI"},
    {"59", "DÖNEM NET KARI (ZARARI)"}, {"590", "DÖNEM NET KARI"}, {"591", "DÖNEM NET ZARARI (-)"},
    {"6", "GELİR TABLOSU HESAPLARI"}, {"60", "BRÜT SATIŞLAR"}, {"600", "YURTİÇİ SATIŞLAR"},
    {"600.01", "TİCARİ MAL SATIŞLARI"}, {"600.02", "HİZMET SATIŞLARI"}, {"601", "YURTDIŞI SATIŞLAR"},
    {"61", "SATIŞ İNDİRİMLERİ (-)"}, {"610", "SATIŞTAN İADELER (-)"}, {"611", "SATIŞ İSKONTOLARI (-)"},
    {"62", "SATIŞLARIN MALİYETİ (-)"}, {"621", "SATILAN TİCARİ MALLAR MALİYETİ (-)"},
    {"64", "DİĞER FAALİYETLERDEN OLAĞAN GELİR VE KARLAR"}, {"642", "FAİZ GELİRLERİ"}, {"646", "KAMBİYO KARLARI"},
    {"65", "DİĞER FAALİYETLERDEN OLAĞAN GİDER VE ZARARLAR (-)"}, {"656", "KAMBİYO ZARARLARI (-)"},
    {"66", "FİNANSMAN GİDERLERİ (-)"}, {"660", "KISA VADELİ BORÇLANMA GİDERLERİ (-)"}, {"7", "MALİYET HESAPLARI"},
    {"76", "PAZARLAMA SATIŞ VE DAĞITIM GİDERLERİ"}, {"760", "PAZARLAMA SATIŞ VE DAĞITIM GİDERLERİ"},
    {"77", "GENEL YÖNETİM GİDERLERİ"}, {"770", "GENEL YÖNETİM GİDERLERİ"}, {"770.01", "KİRA GİDERLERİ"},
    {"770.02", "ELEKTRİK SU DOĞALGAZ"}, {"770.03", "PERSONEL GİDERLERİ"},
    {"78", "FİNANSMAN GİDERLERİ"}, {"780", "FİNANSMAN GİDERLERİ"}, {"780.01", "BANKA KOMİSYONLARI"},
    {"780.02", "ÇEK PROVİZYON MASRAFLARI"}, {"780.03", "PROTESTO MASRAFLARI"}, {"8", "SERBEST HESAPLAR"},
    {"9", "NAZIM HESAPLAR"}, {"900", "BORÇLU NAZIM HESAPLAR"}, {"901", "ALACAKLI NAZIM HESAPLAR"},
};

struct Fis {
    int ay, gun;
    const char* tur;
    const char* aciklama;
    std::initializer_list<std::tuple<const char*, double, double>> satirlar;
};

const Fis kFisler[] = {
    {1, 2, "A", "Açılış fişi", {{"100.01", 25000, 0}, {"102.01", 180000, 0}, {"153.01", 95000, 0},
                               {"320.01", 0, 60000}, {"500", 0, 240000}}},
    {1, 15, "M", "Toptan satış faturası", {{"120.02", 36000, 0}, {"600.01", 0, 30000}, {"391.01", 0, 6000}}},
    {1, 20, "C", "Tahsilat", {{"100.01", 12000, 0}, {"120.02", 0, 12000}}},
    {2, 3, "M", "Mal alışı", {{"153.01", 40000, 0}, {"191.01", 8000, 0}, {"320.01", 0, 48000}}},
    {2, 28, "E", "Kira ödemesi", {{"770.01", 15000, 0}, {"191.01", 3000, 0}, {"102.01", 0, 18000}}},
    {3, 10, "M", "Perakende satış", {{"120.01", 12000, 0}, {"600.01", 0, 10000}, {"391.01", 0, 2000}}},
    {3, 25, "E", "Satıcı ödemesi", {{"320.01", 30000, 0}, {"102.02", 0, 30000}}},
};

} // namespace

namespace {

// The items' ledger codes, written through code group cards: one for the sales, purchase,
// discount, return and cost accounts of every item, one per VAT rate for the VAT accounts.
void kodGruplari(const Db& db)
{
    struct Grup {
        const char* ad;
        double kdv;
        std::initializer_list<std::pair<const char*, const char*>> kodlar;
    };
    const Grup gruplar[] = {
        {"GENEL", 0, {{"MUH_S", "600.01"}, {"MUH_A", "153.01"}, {"MUH_ISK_S", "611"}, {"MUH_ISK_A", "153.01"},
                      {"MUH_IADE_S", "610"}, {"MUH_IADE_A", "153.01"}, {"MUH_MAL_S", "621"}}},
        {"KDV %20", 20, {{"MUH_KDV_S", "391.01"}, {"MUH_KDV_A", "191.01"}, {"MUH_KDV_IADE_S", "391.01"},
                         {"MUH_KDV_IADE_A", "191.01"}}},
        {"KDV %10", 10, {{"MUH_KDV_S", "391.02"}, {"MUH_KDV_A", "191.02"}, {"MUH_KDV_IADE_S", "391.02"},
                         {"MUH_KDV_IADE_A", "191.02"}}},
        {"KDV %1", 1, {{"MUH_KDV_S", "391.03"}, {"MUH_KDV_A", "191.03"}, {"MUH_KDV_IADE_S", "391.03"},
                       {"MUH_KDV_IADE_A", "191.03"}}},
    };
    for (const Grup& g : gruplar) {
        MuhasebeKodGrubu kart(db, MuhasebeKodGrubu::Tur::Stok);
        kart.setValue(QStringLiteral("ADI"), QString::fromUtf8(g.ad));
        kart.setValue(QStringLiteral("KODATAMA"), QStringLiteral("H"));
        if (g.kdv > 0)
            kart.setValue(QStringLiteral("KDV"), g.kdv);
        for (const auto& [kolon, kod] : g.kodlar)
            kart.setValue(QString::fromLatin1(kolon), QString::fromLatin1(kod));
        kart.save();
        kart.kodlariYaz();
    }
}

} // namespace

void fillLedgerDemo(const Db& db, int year)
{
    // Children before parents: the card then finds no posting parent to ask about, and each
    // parent is saved as a non-posting account.
    std::vector<const Hesap*> sira;
    for (const Hesap& h : kPlan)
        sira.push_back(&h);
    std::sort(sira.begin(), sira.end(), [](const Hesap* a, const Hesap* b) { return qstrcmp(a->kod, b->kod) > 0; });
    HesapKart kart(db);
    for (const Hesap* h : sira) {
        kart.yeni(QString::fromUtf8(h->kod));
        kart.setValue(QStringLiteral("HESAP_ADI"), QString::fromUtf8(h->ad));
        kart.setValue(QStringLiteral("BIRIM"), QString::fromUtf8(h->birim));
        kart.kebirDegisti();
        kart.save();
    }

    // The cards' ledger codes are the sub-accounts of their groups (customers, dealers,
    // suppliers; a debit note to a customer debits the customer account too), and the fixed
    // accounts of maturity differences.
    for (const auto& [onek, kod] : {std::pair{"120.01.", "120.01"}, std::pair{"120.05.", "120.04"},
                                    std::pair{"320.01.", "320.01"}})
        db.exec(QStringLiteral("UPDATE CARI SET MUH_KOD = :m, MUH_KOD2 = :m WHERE CARI_KOD LIKE :p"),
                {{QStringLiteral("m"), QString::fromLatin1(kod)}, {QStringLiteral("p"), QString::fromLatin1(onek) + QLatin1Char('%')}});
    db.exec(QStringLiteral("UPDATE PARAMET SET MUH_ALVADEFARK = '660', MUH_VERVADEFARK = '642'"));
    // Where cheques and notes sit while in hand, protested, or charged for.
    db.exec(QStringLiteral("UPDATE PARAMET SET MUH_ELCEK = '101.01', MUH_ELSEN = '121.01', MUH_KESCEK = '103.01', "
                           "MUH_BORCSEN = '321.01', MUH_PROSEN = '121.09', MUH_PROTES_SENET = '121.08', "
                           "MUH_PROVIZMAS = '780.02', MUH_PROTESMAS = '780.03'"));

    db.exec(QStringLiteral("UPDATE NEWFIS SET TIP = 'A', TAHSIL_SB = 'TH', TEDIYE_SB = 'TD', MAHSUP_SB = 'MH', "
                           "OZEL_SB = 'OZ', ORTAK_SB = 'GN'"));
    for (const auto& [dvz, kir] : {std::pair{"USD", ".02"}, std::pair{"EUR", ".03"}})
        db.exec(QStringLiteral("INSERT INTO CARI_KIRILKOD (DVZ_KOD, KIR_KOD) VALUES (:d, :k)"),
                {{QStringLiteral("d"), QString::fromLatin1(dvz)}, {QStringLiteral("k"), QString::fromLatin1(kir)}});

    for (const Fis& f : kFisler) {
        ElleFis fis(db);
        fis.setHeader(QStringLiteral("TARIH"), demoTarihi(QDate(year, f.ay, f.gun)));
        fis.setHeader(QStringLiteral("TUR"), QString::fromLatin1(f.tur));
        fis.setHeader(QStringLiteral("ACIKLAMA"), QString::fromUtf8(f.aciklama));
        for (const auto& [kod, borc, alacak] : f.satirlar)
            fis.satirEkle(QString::fromLatin1(kod), borc, alacak, QString::fromUtf8(f.aciklama));
        fis.save();
    }
    kodGruplari(db);
}

void postDemoDocuments(const Db& db, int year)
{
    muhasebeyiKur();
    TopluMuhasebe toplu(db);
    // Movements without a counter side (a one-line note or difference) are refused and stay
    // unposted, as they would in the bulk posting window.
    toplu.muhasebelestir(toplu.bekleyenler(QDate(year, 1, 1), QDate(year, 12, 31)));
}

} // namespace nimbo::demo
