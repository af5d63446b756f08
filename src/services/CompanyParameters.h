#pragma once
#include <QDate>
#include <QString>
#include <QVariantMap>

namespace nimbo {

// The company's identity on printed documents (invoices, statements, vouchers).
struct FirmaKimlik {
    QString kod;        // URET_BKOD
    QString ad;         // EADI
    QString unvan;      // OZEL1
    QString adres1, adres2, adres3;
    QString telefon;    // TLF
    QString fax;        // FAX
    QString vergiDairesi;
    QString vergiNo;
    QString tedBKod;    // TED_BKOD
    bool isEmpty() const { return kod.isEmpty() && ad.isEmpty() && unvan.isEmpty() && adres1.isEmpty(); }
};

// Coded operating settings of PARAMET (the stored one-letter codes). Modules that need the
// value as it is in the database right now read it again with readOperatingSettings().
struct OperatingSettings {
    QString FATYUVARTIP = QStringLiteral("H"); // Y up, A down, O nearest, H none
    double YUVARSAYI = 0;
    QString SIPSAT_TUR = QStringLiteral("A");
    QString SIPVADE = QStringLiteral("B");
    QString AA_MUH_KAY, SA_MUH_KAY;            // O automatic, S ask, Y none
    QString C_MUH_KAY, S_MUH_KAY;              // E yes, H no, S ask
    QString KIRIL_TAKIP = QStringLiteral("H");
    QString PASIF_CARIG = QStringLiteral("G");
    QString ISK_DUS = QStringLiteral("H");
    QString MUHSATIR = QStringLiteral("H");
    QString SATURUN = QStringLiteral("A"), ALURUN = QStringLiteral("A"), SFISURUN = QStringLiteral("A");
    QString STK_KDV_DH = QStringLiteral("H");
    QString KRTTIK_UYAR = QStringLiteral("H");
    QString STK_NEG = QStringLiteral("V");
    QString SATSIPAKTAR = QStringLiteral("E");
    QString SIPMINFYT_UYAR = QStringLiteral("Z");
    QString PASIF_URUNG = QStringLiteral("G");
    QString SIPKUR = QStringLiteral("S");
    QString ODEKAPAC = QStringLiteral("H");
    QString ALSERI_UYAR = QStringLiteral("Z");
    QString SPASEVKSER = QStringLiteral("E");
    QString ALISTAOTOFYT = QStringLiteral("H");
    int IRSFATTEK = 0;
    QString C_V_FARKSURE = QStringLiteral("G"), S_V_FARKSURE = QStringLiteral("G");
    QString C_V_FARKTIP = QStringLiteral("B"), S_V_FARKTIP = QStringLiteral("B");
    QString HSYAZ = QStringLiteral("Y");
    QString CARIOZELISK = QStringLiteral("H");
    QString ARCSATKURALM = QStringLiteral("MS"), SATISKURALM = QStringLiteral("MS");
    QString MUH_KAY, ITHALAT;
};

// The company parameters loaded from the year database at start-up and after a firm change.
struct CompanyParameters {
    // PARAMETRE: ledger structure, period and currencies.
    QString INDIR_KDV_KOD, HSP_KDV_KOD; // deductible and calculated VAT accounts
    double DF_KDV = 0;                  // default VAT figure
    int MUAVIN_HANE = 0, TALI_HANE = 0, DETAY_HANE = 0;
    QString SEVIYE;                     // number of ledger code levels
    QString AYRAC;                      // separator of ledger codes
    QString ALFADURUM;                  // letters allowed in ledger codes
    QString AB7;
    QDate HES_DON_BSTRH, HES_DON_BITRH; // accounting period
    QString RDOVIZ1, RDOVIZ2;           // report currencies 1 and 2
    QString YERELDOVIZ;                 // local currency
    QDate TRHKILIT;                     // ledger date lock

    // PARAMUH: posting switches.
    QString C_MUH_KAY, A_MUH_KAY, AA_MUH_KAY, S_MUH_KAY, SA_MUH_KAY, IE_MUH_KAY, ISK_DUS;
    QDate KILIT_TRH; // null: no lock

    // PARAMET: operating figures.
    double CLAIM_PRC_ISK = 0, CLAIM_ISC_ISK = 0, POQ_AYL_SAP = 0, POQ_YIL_SAP = 0;
    double STOK_ISKONTO = 0, ACIL_ISKONTO = 0;
    bool NEGATIF_STOK = false;
    double IZIN_YPAD = 0, IZIN_YPFYT = 0, IZIN_YPISK = 0;
    double IZIN_ISAD = 0, IZIN_ISFYT = 0, IZIN_ISISK = 0;
    double IZIN_FTAD = 0, IZIN_FTFYT = 0, IZIN_FTISK = 0;
    QString FTISKTIP, YP_SIP_ONAY;
    QString ODEKAPAC = QStringLiteral("H"); // A: open the matching window after a movement
    OperatingSettings ayarlar;

    // FIRKIM of the session branch.
    QString FirmaUnvani; // EADI + " " + OZEL1
    QString URET_BKOD, DIST_BKOD, TED_BKOD, URET_CKOD, DIST_CKOD, TED_CKOD, XXX;
    FirmaKimlik kimlik;

    // Money format of the fiscal year.
    bool kurusYazilir = true;                        // sub-units spelled in amounts in words
    QString paraBirimi = QStringLiteral("TL");
    QString altBirim = QStringLiteral("Kr");
    QString tutarGosterimBicimi = QStringLiteral(",0.00");
    QString tutarDuzenlemeBicimi = QStringLiteral("#.##");
    QString tutarDovizListesi = QStringLiteral("TL\nUSD\nDÖVİZ");

    QVariantMap values; // raw values by "TABLE.COLUMN", for parameters without a typed field
};

} // namespace nimbo
