#include "services/CompanyParameterLoader.h"
#include "services/SessionContext.h"

#include <QSqlField>
#include <QSqlQuery>

namespace nimbo {

namespace {

// The one row of a settings table; an empty record when the table has no row.
QSqlRecord oneRow(const Db& db, const QString& table)
{
    QSqlQuery q = db.exec(db.dialect().limit(QStringLiteral("SELECT * FROM %1").arg(table), 1));
    return q.next() ? q.record() : QSqlRecord();
}

void keepRaw(CompanyParameters& p, const QString& table, const QSqlRecord& r)
{
    for (int i = 0; i < r.count(); ++i)
        p.values.insert(table + QLatin1Char('.') + r.fieldName(i).toUpper(), r.value(i));
}

QString text(const QSqlRecord& r, const char* col) { return toText(r.value(QLatin1String(col))).trimmed(); }
double number(const QSqlRecord& r, const char* col) { return r.value(QLatin1String(col)).toDouble(); }
int integer(const QSqlRecord& r, const char* col) { return r.value(QLatin1String(col)).toInt(); }

// A stored code, or the default when the column is empty.
void code(QString& target, const QSqlRecord& r, const char* col)
{
    const QString v = text(r, col);
    if (!v.isEmpty())
        target = v;
}

int sessionYear(const SessionContext& s)
{
    if (s.CalismaYiliNo > 0)
        return s.CalismaYiliNo;
    const int y = s.CalismaYili.toInt();
    return y > 0 ? y : QDate::currentDate().year();
}

} // namespace

void loadMoneyFormat(SessionContext& s)
{
    CompanyParameters& p = s.param;
    // Compared as text, as the year has always been kept.
    const bool after2004 = s.CalismaYili > QLatin1String("2004");
    p.kurusYazilir = after2004;
    p.paraBirimi = QStringLiteral("TL");
    p.altBirim = QStringLiteral("Kr");
    p.tutarGosterimBicimi = after2004 ? QStringLiteral(",0.00") : QStringLiteral(",0");
    p.tutarDuzenlemeBicimi = after2004 ? QStringLiteral("#.##") : QStringLiteral("#");
    p.tutarDovizListesi = QStringLiteral("TL\nUSD\nDÖVİZ");
}

void loadParametre(const Db& db, SessionContext& s)
{
    CompanyParameters& p = s.param;
    const QSqlRecord r = oneRow(db, QStringLiteral("PARAMETRE"));
    keepRaw(p, QStringLiteral("PARAMETRE"), r);
    p.INDIR_KDV_KOD = text(r, "INDIR_KDV_KOD");
    p.HSP_KDV_KOD = text(r, "HSP_KDV_KOD");
    p.DF_KDV = number(r, "DF_KDV");
    p.MUAVIN_HANE = qMax(0, integer(r, "MUAVIN_HANE"));
    p.TALI_HANE = qMax(0, integer(r, "TALI_HANE"));
    p.DETAY_HANE = qMax(0, integer(r, "DETAY_HANE"));
    p.SEVIYE = text(r, "SEVIYE");
    p.AYRAC = text(r, "AYRAC");
    p.ALFADURUM = text(r, "ALFADURUM");
    p.AB7 = text(r, "AB7");
    const int year = sessionYear(s);
    p.HES_DON_BSTRH = toDate(r.value(QStringLiteral("HES_DON_BSTRH")));
    if (!p.HES_DON_BSTRH.isValid())
        p.HES_DON_BSTRH = QDate(year, 1, 1);
    p.HES_DON_BITRH = toDate(r.value(QStringLiteral("HES_DON_BITRH")));
    if (!p.HES_DON_BITRH.isValid())
        p.HES_DON_BITRH = QDate(year, 12, 31);
    p.RDOVIZ1 = text(r, "RDOVIZ1");
    p.RDOVIZ2 = text(r, "RDOVIZ2");
    p.YERELDOVIZ = text(r, "YERELDOVIZ");
    p.TRHKILIT = toDate(r.value(QStringLiteral("TRHKILIT")));
}

void loadPostingSwitches(const Db& db, SessionContext& s)
{
    CompanyParameters& p = s.param;
    const QSqlRecord r = oneRow(db, QStringLiteral("PARAMUH"));
    keepRaw(p, QStringLiteral("PARAMUH"), r);
    p.C_MUH_KAY = text(r, "C_MUH_KAY");
    p.A_MUH_KAY = text(r, "A_MUH_KAY");
    p.AA_MUH_KAY = text(r, "AA_MUH_KAY");
    p.S_MUH_KAY = text(r, "S_MUH_KAY");
    p.SA_MUH_KAY = text(r, "SA_MUH_KAY");
    p.IE_MUH_KAY = text(r, "IE_MUH_KAY");
    p.ISK_DUS = text(r, "ISK_DUS");
    p.KILIT_TRH = toDate(r.value(QStringLiteral("KILIT_TRH"))); // empty: no lock
    loadParametre(db, s);
}

OperatingSettings readOperatingSettings(const Db& db)
{
    OperatingSettings a;
    const QSqlRecord r = oneRow(db, QStringLiteral("PARAMET"));
    if (r.isEmpty())
        return a;
    code(a.FATYUVARTIP, r, "FATYUVARTIP");
    a.YUVARSAYI = number(r, "YUVARSAYI");
    code(a.SIPSAT_TUR, r, "SIPSAT_TUR");
    code(a.SIPVADE, r, "SIPVADE");
    code(a.AA_MUH_KAY, r, "AA_MUH_KAY");
    code(a.SA_MUH_KAY, r, "SA_MUH_KAY");
    code(a.C_MUH_KAY, r, "C_MUH_KAY");
    code(a.S_MUH_KAY, r, "S_MUH_KAY");
    code(a.KIRIL_TAKIP, r, "KIRIL_TAKIP");
    code(a.PASIF_CARIG, r, "PASIF_CARIG");
    code(a.ISK_DUS, r, "ISK_DUS");
    code(a.MUHSATIR, r, "MUHSATIR");
    code(a.SATURUN, r, "SATURUN");
    code(a.ALURUN, r, "ALURUN");
    code(a.SFISURUN, r, "SFISURUN");
    code(a.STK_KDV_DH, r, "STK_KDV_DH");
    code(a.KRTTIK_UYAR, r, "KRTTIK_UYAR");
    code(a.STK_NEG, r, "STK_NEG");
    code(a.SATSIPAKTAR, r, "SATSIPAKTAR");
    code(a.SIPMINFYT_UYAR, r, "SIPMINFYT_UYAR");
    code(a.PASIF_URUNG, r, "PASIF_URUNG");
    code(a.SIPKUR, r, "SIPKUR");
    code(a.ODEKAPAC, r, "ODEKAPAC");
    code(a.ALSERI_UYAR, r, "ALSERI_UYAR");
    code(a.SPASEVKSER, r, "SPASEVKSER");
    code(a.ALISTAOTOFYT, r, "ALISTAOTOFYT");
    a.IRSFATTEK = integer(r, "IRSFATTEK");
    code(a.C_V_FARKSURE, r, "C_V_FARKSURE");
    code(a.S_V_FARKSURE, r, "S_V_FARKSURE");
    code(a.C_V_FARKTIP, r, "C_V_FARKTIP");
    code(a.S_V_FARKTIP, r, "S_V_FARKTIP");
    code(a.HSYAZ, r, "HSYAZ");
    code(a.CARIOZELISK, r, "CARIOZELISK");
    code(a.ARCSATKURALM, r, "ARCSATKURALM");
    code(a.SATISKURALM, r, "SATISKURALM");
    code(a.MUH_KAY, r, "MUH_KAY");
    code(a.ITHALAT, r, "ITHALAT");
    return a;
}

void loadOperatingFigures(const Db& db, SessionContext& s)
{
    CompanyParameters& p = s.param;
    const QSqlRecord r = oneRow(db, QStringLiteral("PARAMET"));
    keepRaw(p, QStringLiteral("PARAMET"), r);
    p.CLAIM_PRC_ISK = number(r, "CLAIM_PRC_ISK");
    p.CLAIM_ISC_ISK = number(r, "CLAIM_ISC_ISK");
    p.POQ_AYL_SAP = number(r, "POQ_AYL_SAP");
    p.POQ_YIL_SAP = number(r, "POQ_YIL_SAP");
    p.STOK_ISKONTO = number(r, "STOK_ISKONTO");
    p.ACIL_ISKONTO = number(r, "ACIL_ISKONTO");
    p.NEGATIF_STOK = integer(r, "NEGATIF_STOK") == 1;
    p.IZIN_YPAD = number(r, "IZIN_YPAD");
    p.IZIN_YPFYT = number(r, "IZIN_YPFYT");
    p.IZIN_YPISK = number(r, "IZIN_YPISK");
    p.IZIN_ISAD = number(r, "IZIN_ISAD");
    p.IZIN_ISFYT = number(r, "IZIN_ISFYT");
    p.IZIN_ISISK = number(r, "IZIN_ISISK");
    p.IZIN_FTAD = number(r, "IZIN_FTAD");
    p.IZIN_FTFYT = number(r, "IZIN_FTFYT");
    p.IZIN_FTISK = number(r, "IZIN_FTISK");
    p.FTISKTIP = text(r, "FTISKTIP");
    p.YP_SIP_ONAY = text(r, "YP_SIP_ONAY");
    p.ayarlar = readOperatingSettings(db);
    keepRaw(p, QStringLiteral("PARAMET2"), oneRow(db, QStringLiteral("PARAMET2")));
}

void loadMainFormSwitches(const Db& db, SessionContext& s)
{
    const QVariant v = db.scalar(QStringLiteral("SELECT ODEKAPAC FROM PARAMET"));
    const QString odekapac = toText(v).trimmed();
    s.param.ODEKAPAC = odekapac.isEmpty() ? QStringLiteral("H") : odekapac;
}

void loadBranchIdentity(const Db& db, SessionContext& s)
{
    CompanyParameters& p = s.param;
    QSqlRecord r;
    if (!s.SubeKoduMetni.trimmed().isEmpty()) {
        QSqlQuery q = db.exec(QStringLiteral("SELECT * FROM FIRKIM WHERE SUBEKODU = :s"),
                              {{QStringLiteral("s"), s.SubeKoduMetni.trimmed().toInt()}});
        if (q.next())
            r = q.record();
    } else {
        // Before the login there is no branch yet: the first identity stands in.
        QSqlQuery q = db.exec(db.dialect().limit(QStringLiteral("SELECT * FROM FIRKIM ORDER BY SUBEKODU"), 1));
        if (q.next())
            r = q.record();
    }
    const QString eadi = text(r, "EADI");
    const QString ozel1 = text(r, "OZEL1");
    p.FirmaUnvani = r.isEmpty() ? QString() : (eadi + QLatin1Char(' ') + ozel1).trimmed();
    p.URET_BKOD = text(r, "URET_BKOD");
    p.DIST_BKOD = text(r, "DIST_BKOD");
    p.TED_BKOD = text(r, "TED_BKOD");
    p.URET_CKOD = text(r, "URET_CKOD");
    p.DIST_CKOD = text(r, "DIST_CKOD");
    p.TED_CKOD = text(r, "TED_CKOD");
    p.XXX = text(r, "XXX");
    FirmaKimlik k;
    k.kod = p.URET_BKOD;
    k.ad = eadi;
    k.unvan = ozel1;
    k.adres1 = text(r, "ADR1");
    k.adres2 = text(r, "ADR2");
    k.adres3 = text(r, "ADR3");
    k.telefon = text(r, "TLF");
    k.fax = text(r, "FAX");
    k.vergiDairesi = text(r, "VERGIDAIRE");
    k.vergiNo = text(r, "VERGINO");
    k.tedBKod = p.TED_BKOD;
    p.kimlik = k;
}

void loadCompanyParameters(const Db& db, SessionContext& s)
{
    s.param = CompanyParameters();
    loadMoneyFormat(s);
    loadParametre(db, s);
    loadBranchIdentity(db, s);
    loadPostingSwitches(db, s);
    loadOperatingFigures(db, s);
    loadMainFormSwitches(db, s);
}

} // namespace nimbo
