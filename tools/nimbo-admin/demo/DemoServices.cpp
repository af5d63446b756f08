#include "demo/DemoData.h"

#include <QDate>
#include <QDateTime>
#include <QtMath>

namespace nimbo::demo {

namespace {

void fillParameters(const Db& db, int year)
{
    db.exec(QStringLiteral("UPDATE PARAMETRE SET MUAVIN_HANE = 2, TALI_HANE = 3, DETAY_HANE = 0, SEVIYE = '3', "
                           "AB7 = 'H', ALFADURUM = 'H', AYRAC = '.', INDIR_KDV_KOD = '191.01', "
                           "HSP_KDV_KOD = '391.01', DF_KDV = 20, DEF_KASA = 'MERKEZ', HES_DON_BSTRH = :b, "
                           "HES_DON_BITRH = :e, CALIS_AY_KONT = 1, DOVIZ_RPR = 'USD', RDOVIZ1 = 'USD', "
                           "RDOVIZ2 = 'EUR', YERELDOVIZ = 'TL'"),
            {{QStringLiteral("b"), QDateTime(QDate(year, 1, 1), QTime(0, 0))},
             {QStringLiteral("e"), QDateTime(QDate(year, 12, 31), QTime(0, 0))}});
    // Invoice totals are not rounded: a rounded total differs from its lines by more than the
    // ledger lets a voucher differ, and the demo's invoices are all posted.
    db.exec(QStringLiteral(
        "UPDATE PARAMET SET FATYUVARTIP = 'H', YUVARSAYI = 0.01, SIPSAT_TUR = 'A', SIPVADE = 'G', AA_MUH_KAY = 'S', "
        "SA_MUH_KAY = 'S', C_MUH_KAY = 'S', S_MUH_KAY = 'S', KIRIL_TAKIP = 'H', PASIF_CARIG = 'H', ISK_DUS = 'D', "
        "MUHSATIR = 'B', SATURUN = 'E', ALURUN = 'E', SFISURUN = 'A', STK_KDV_DH = 'H', KRTTIK_UYAR = 'S', "
        "STK_NEG = 'U', SATSIPAKTAR = 'E', SIPMINFYT_UYAR = 'U', PASIF_URUNG = 'H', SIPKUR = 'S', ODEKAPAC = 'H', "
        "ALSERI_UYAR = 'U', SPASEVKSER = 'H', ALISTAOTOFYT = 'H', IRSFATTEK = 0, C_V_FARKSURE = 'A', "
        "S_V_FARKSURE = 'A', C_V_FARKTIP = 'B', S_V_FARKTIP = 'B', HSYAZ = 'I', CARIOZELISK = 'E', "
        "ARCSATKURALM = 'MS', SATISKURALM = 'ES', MUH_KAY = 'S', ITHALAT = 'H', AL_DEP = 1, SAT_DEP = 1, "
        "PCDEPO = 1, MONJ_DEP = 3, ISEMRI_DEP = 3, STK_DVZ = 'TL', HZMT_DVZ = 'TL', CBHRK_DVZ = 'TL', "
        "STK_KDV = 20, STK_KAR = 25, STK_PARABAZ = 'T', ORT_TEDARIK = 7, CEKSENETUZUNVADEAY = 6, PUL_ORAN = 0.00948, "
        "C_VADEFARKO = 3.5, S_VADEFARKO = 4, REEISKONFAIZ = 45, CIROTAKSURE = 30, GARANTI_SURE = 24, "
        "DEF_KASA = 'MERKEZ', SIPBELTIP = 'F', SIPCARIONAYI = 'H', STOK_ISKONTO = 10, ACIL_ISKONTO = 5, "
        "NEGATIF_STOK = 0, IZIN_YPAD = 5, IZIN_YPFYT = 5, IZIN_YPISK = 5, IZIN_ISAD = 5, IZIN_ISFYT = 5, "
        "IZIN_ISISK = 5, IZIN_FTAD = 5, IZIN_FTFYT = 5, IZIN_FTISK = 5, FTISKTIP = 'Y', YP_SIP_ONAY = 'H', "
        "SATISCTIP = 1, ALISCTIP = 2, FINANSCTIP = 3, GRSIPTIP = 1, ALSIPTIP = 2, ARACCTIP = 1, "
        "TS_ADR1 = 'Atatürk Cad. No:112', TS_ADR2 = 'Kozyatağı / İstanbul', TS_TEL1 = '0216 555 10 20', "
        "TS_FAX = '0216 555 10 21', TS_EMAIL = 'servis@nimbodemo.com.tr', "
        "HIZMETSART1 = 'Cihaz teslim tarihinden itibaren 30 gün içinde alınmalıdır.'"));
    db.exec(QStringLiteral("UPDATE PARAMUH SET C_MUH_KAY = 'S', A_MUH_KAY = 'S', AA_MUH_KAY = 'S', S_MUH_KAY = 'S', "
                           "SA_MUH_KAY = 'S', IE_MUH_KAY = 'S', ISK_DUS = 'D'"));
    db.exec(QStringLiteral("UPDATE PARAMET2 SET ALISMHVIR = 'H'"));
}

void fillBranchIdentities(const Db& db)
{
    const struct {
        int sube;
        const char* ozel1;
        const char* adr1;
        const char* adr2;
        const char* ili;
        const char* tlf;
        const char* fax;
    } rows[] = {
        {1, "TİCARET A.Ş.", "Atatürk Cad. No:112", "Kozyatağı", "İSTANBUL", "02165551020", "0216 555 10 21"},
        {2, "TİCARET A.Ş. ANKARA ŞUBESİ", "Eskişehir Yolu 9. Km No:44", "Çankaya", "ANKARA", "03124442233",
         "0312 444 22 34"},
        {3, "TİCARET A.Ş. İZMİR ŞUBESİ", "Kazım Dirik Mah. 372 Sok. No:8", "Bornova", "İZMİR", "02323331144",
         "0232 333 11 45"},
        {99, "TİCARET A.Ş.", "Atatürk Cad. No:112", "Kozyatağı", "İSTANBUL", "02165551020", "0216 555 10 21"},
    };
    for (const auto& r : rows)
        db.exec(QStringLiteral("INSERT INTO FIRKIM (SUBEKODU, SER_KOD, EADI, OZEL1, ADI, MESULAD, TLF, FAX, MAIL, "
                               "WEB, VERGINO, VERGIDAIRE, ADR1, ADR2, ADR3, PK, ILI, URET_BKOD, DIST_BKOD, TED_BKOD, "
                               "URET_CKOD, DIST_CKOD, TED_CKOD, XXX, HATIRLA, BAYI_TIP, ORG_TIP) VALUES (:s, :ser, "
                               "'NİMBO', :o, :adi, 'Ayşe Yılmaz', :t, :f, 'info@nimbodemo.com.tr', "
                               "'www.nimbodemo.com.tr', '6310045872', 'KOZYATAĞI', :a1, :a2, :ili, '34742', :ili, "
                               "'NMB001', 'NMB-D01', 'NMB-T01', '120.01.001', '120.01.002', '320.01.001', 'NIMBO', "
                               "'H', 'B', 1)"),
                {{QStringLiteral("s"), r.sube},
                 {QStringLiteral("ser"), QStringLiteral("S%1").arg(r.sube)},
                 {QStringLiteral("o"), QString::fromUtf8(r.ozel1)},
                 {QStringLiteral("adi"), QStringLiteral("NİMBO ") + QString::fromUtf8(r.ozel1)},
                 {QStringLiteral("t"), QString::fromUtf8(r.tlf)},
                 {QStringLiteral("f"), QString::fromUtf8(r.fax)},
                 {QStringLiteral("a1"), QString::fromUtf8(r.adr1)},
                 {QStringLiteral("a2"), QString::fromUtf8(r.adr2)},
                 {QStringLiteral("ili"), QString::fromUtf8(r.ili)}});
}

// Local-currency value of one unit on the first day of the year, and the yearly drift.
struct DemoCurrency {
    const char* kod;
    const char* ad;
    double startOf2025;
    double yearlyRise;
};

const DemoCurrency kCurrencies[] = {
    {"TL", "Türk Lirası", 1.0, 0.0},
    {"USD", "Amerikan Doları", 35.36, 0.16},
    {"EUR", "Euro", 36.74, 0.22},
    {"GBP", "İngiliz Sterlini", 44.30, 0.20},
    {"JPY", "Japon Yeni", 0.2245, 0.19},
};

void fillCurrencies(const Db& db, int year)
{
    for (const DemoCurrency& c : kCurrencies)
        db.exec(QStringLiteral("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI, AKTIF) VALUES (:k, :a, 'E')"),
                {{QStringLiteral("k"), QString::fromLatin1(c.kod)}, {QStringLiteral("a"), QString::fromUtf8(c.ad)}});

    // One row per working day, as the central bank publishes them, with a gentle rise and a
    // small wobble so that no two days are alike.
    const QDate first(year, 1, 1);
    // No rates for days that have not come yet.
    const QDate last = qMin(QDate(year, 12, 31), QDate::currentDate());
    for (const DemoCurrency& c : kCurrencies) {
        const double start = c.startOf2025 * qPow(1.0 + c.yearlyRise, year - 2025);
        for (QDate d = first; d <= last; d = d.addDays(1)) {
            if (d.dayOfWeek() > 5)
                continue;
            const double t = first.daysTo(d) / 365.0;
            const double wobble = c.yearlyRise > 0 ? 1.0 + 0.004 * qSin(d.dayOfYear() * 0.7) : 1.0;
            const double mid = start * (1.0 + c.yearlyRise * t) * wobble;
            const double spread = c.yearlyRise > 0 ? 0.0018 : 0.0;
            auto r4 = [](double v) { return qRound64(v * 10000.0) / 10000.0; };
            db.exec(QStringLiteral("INSERT INTO KURDEGER (TARIH, DOVIZ_KODU, TLDEGERI_ALIS, TLDEGERI_SATIS, "
                                   "EFKTLDEGERI_ALIS, EFKTLDEGERI_SATIS, BANKATLDEGERI_SATIS, BAYITLDEGERI_SATIS, "
                                   "OZELTLDEGERI_SATIS, AKTARILDI) VALUES (:t, :k, :a, :s, :ea, :es, :bs, :ys, :os, "
                                   "'E')"),
                    {{QStringLiteral("t"), QDateTime(d, QTime(0, 0))},
                     {QStringLiteral("k"), QString::fromLatin1(c.kod)},
                     {QStringLiteral("a"), r4(mid * (1 - spread))},
                     {QStringLiteral("s"), r4(mid * (1 + spread))},
                     {QStringLiteral("ea"), r4(mid * (1 - 2 * spread))},
                     {QStringLiteral("es"), r4(mid * (1 + 2 * spread))},
                     {QStringLiteral("bs"), r4(mid * (1 + 3 * spread))},
                     {QStringLiteral("ys"), r4(mid * (1 + 2.5 * spread))},
                     {QStringLiteral("os"), r4(mid * (1 + 1.5 * spread))}});
        }
    }
}

void fillPickLists(const Db& db)
{
    const struct { int kod; const char* ad; const char* yer; } depolar[] = {
        {1, "MERKEZ DEPO", "İSTANBUL"}, {2, "ANKARA DEPO", "ANKARA"}, {3, "SERVİS DEPO", "İSTANBUL"},
        {4, "İZMİR DEPO", "İZMİR"},     {5, "KONSİNYE DEPO", "İSTANBUL"}};
    for (const auto& d : depolar) {
        // Each warehouse's own selector column is 1, so per-warehouse quantities spread out.
        db.exec(QStringLiteral("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI, DEPO_YERI, DEP%1) VALUES (:k, :a, :y, 1)")
                    .arg(d.kod),
                {{QStringLiteral("k"), d.kod},
                 {QStringLiteral("a"), QString::fromUtf8(d.ad)},
                 {QStringLiteral("y"), QString::fromUtf8(d.yer)}});
    }
    db.exec(QStringLiteral("INSERT INTO FIKTIFDEPO (DEPO_KODU, DEPO_ADI) VALUES (90, 'YOLDAKİ MALLAR')"));
    db.exec(QStringLiteral("INSERT INTO FIKTIFDEPO (DEPO_KODU, DEPO_ADI) VALUES (91, 'GÜMRÜK ANTREPO')"));

    const struct { int kod; const char* ad; } uniteler[] = {
        {1, "SATIŞ"}, {2, "SERVİS"}, {3, "YEDEK PARÇA"}, {99, "TÜM BİRİMLER"}};
    for (const auto& u : uniteler)
        db.exec(QStringLiteral("INSERT INTO UNITE (UNITE_KODU, UNITE_ADI) VALUES (:k, :a)"),
                {{QStringLiteral("k"), u.kod}, {QStringLiteral("a"), QString::fromUtf8(u.ad)}});

    const struct { const char* kod; const char* ad; } kaynaklar[] = {
        {"YRL", "Yerli Üretim"}, {"ITH", "İthal"}, {"FSN", "Fason Üretim"}};
    for (const auto& k : kaynaklar)
        db.exec(QStringLiteral("INSERT INTO KAYNAK (KAYNAK_KOD, KAYNAK_ADI) VALUES (:k, :a)"),
                {{QStringLiteral("k"), QString::fromLatin1(k.kod)}, {QStringLiteral("a"), QString::fromUtf8(k.ad)}});

    const struct { int kod; const char* ad; } tedarikciler[] = {
        {1, "Anadolu Dağıtım Ltd."}, {2, "Ege Endüstri A.Ş."}, {3, "Marmara İthalat Ltd."}};
    for (const auto& t : tedarikciler)
        db.exec(QStringLiteral("INSERT INTO TEDARIKCI (TED_KOD, TED_ADI) VALUES (:k, :a)"),
                {{QStringLiteral("k"), t.kod}, {QStringLiteral("a"), QString::fromUtf8(t.ad)}});

    const struct { int tip; const char* ad; const char* grup; } tipler[] = {
        {1, "Satış", "SA"},     {2, "Alış", "AL"},      {3, "Tahsilat", "TH"},  {4, "Ödeme", "OD"},
        {5, "Virman", "VR"},    {6, "İlk Açılış", "AC"}, {7, "Kur Farkı", "KF"}, {8, "Vade Farkı", "VF"},
        {9, "Masraf", "MS"}};
    for (const auto& t : tipler)
        db.exec(QStringLiteral("INSERT INTO CARIHRKTIP (TIP, AD, GRUP_KOD) VALUES (:t, :a, :g)"),
                {{QStringLiteral("t"), t.tip},
                 {QStringLiteral("a"), QString::fromUtf8(t.ad)},
                 {QStringLiteral("g"), QString::fromLatin1(t.grup)}});
}

} // namespace

void fillServicesDemo(const Db& db, int year)
{
    fillParameters(db, year);
    fillBranchIdentities(db);
    fillCurrencies(db, year);
    fillPickLists(db);
}

} // namespace nimbo::demo
