#include "ledger/FisSaklayici.h"
#include "db/DbTransaction.h"
#include "db/DocumentWriter.h"
#include "db/Errors.h"
#include "db/ServerObjects.h"
#include "ledger/FisNumaralari.h"
#include "services/Prompter.h"

#include <QLocale>
#include <cmath>

namespace nimbo {

namespace {

const QString kHataliKod = QStringLiteral("Hatalı Hesap Kodları Var. Fiş Kaydı Yapılamaz");

Params baslikParams(const Fis& f)
{
    return {{QStringLiteral("FISNO"), f.FISNO},
            {QStringLiteral("TARIH"), QDateTime(f.TARIH, QTime(0, 0))},
            {QStringLiteral("AY"), f.TARIH.month()},
            {QStringLiteral("TUR"), f.TUR},
            {QStringLiteral("BORC"), f.BORC},
            {QStringLiteral("ALACAK"), f.ALACAK},
            {QStringLiteral("ENT_TIP"), f.ENT_TIP},
            {QStringLiteral("ENT_REF_NO"), f.ENT_REF_NO},
            {QStringLiteral("YEVMIYE_NO"), f.YEVMIYE_NO},
            {QStringLiteral("FISNUMARA"), f.FISNUMARA},
            {QStringLiteral("BELGENO"), f.BELGENO},
            {QStringLiteral("ACIKLAMA"), f.ACIKLAMA},
            {QStringLiteral("MASRAFM_KOD"), f.MASRAFM_KOD},
            {QStringLiteral("MIKTAR"), f.MIKTAR},
            {QStringLiteral("IPTAL"), f.IPTAL}};
}

QVariant nullIfZero(int v) { return v ? QVariant(v) : QVariant(QMetaType::fromType<int>()); }

} // namespace

FisSaklayici::FisSaklayici(const Db& db) : m_db(db), m_hesaplar(db)
{
    m_kilit = toDate(db.scalar(QStringLiteral("SELECT TRHKILIT FROM PARAMETRE")));
}

FisSaklayici::FisSaklayici(const Db& db, HesapOnbellegi& hesaplar, const QDate& kilit)
    : m_db(db), m_kilit(kilit), m_hesaplar(db), m_disHesaplar(&hesaplar)
{
}

QString FisSaklayici::tutarMetni(double v)
{
    // Two decimals, more only when they matter (a 0.002 difference must be visible).
    const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    for (int d = 2; d < 4; ++d)
        if (std::fabs(v - std::round(v * std::pow(10, d)) / std::pow(10, d)) < 1e-9)
            return tr.toString(v, 'f', d);
    return tr.toString(v, 'f', 4);
}

QString FisSaklayici::dengesizMesaji(double borc, double alacak)
{
    return QStringLiteral("Fiş Borç-Alacak Tutarı Birbirine Eşit Değil.Dengesiz Fiş Kaydı Yapılamaz, Borç:")
           + tutarMetni(borc) + QStringLiteral(" Alacak:") + tutarMetni(alacak);
}

QString FisSaklayici::kilitMesaji(const QDate& kilit)
{
    return kilit.toString(QStringLiteral("dd.MM.yy")) + QStringLiteral(" Tarihinden Önce Muh Fiş Kaydı Yapılamaz.Değiştirilemez");
}

bool FisSaklayici::reddet(const QString& mesaj)
{
    m_hata = mesaj;
    if (!m_sessiz)
        Prompter::instance().warn(mesaj);
    return false;
}

bool FisSaklayici::tarihKontrol(Fis& fis)
{
    m_hata.clear();
    QDate eski;
    if (!fis.yeni())
        eski = toDate(m_db.scalar(QStringLiteral("SELECT TARIH FROM FIS WHERE FISNO = :n"),
                                  {{QStringLiteral("n"), fis.FISNO}}));
    if (m_kilit.isValid() && ((fis.TARIH.isValid() && fis.TARIH < m_kilit) || (eski.isValid() && eski < m_kilit))) {
        return reddet(kilitMesaji(m_kilit));
    }
    if (!fis.TARIH.isValid())
        fis.TARIH = QDate::currentDate();
    if (m_calismaYili > 0 && fis.TARIH.year() != m_calismaYili)
        fis.TARIH = QDate(m_calismaYili, fis.TARIH.month(), qMin(fis.TARIH.day(), QDate(m_calismaYili, fis.TARIH.month(), 1).daysInMonth()));
    return true;
}

void FisSaklayici::numarala(Fis& fis) { FisNumaralari::FisBelgeNumara(m_db, fis); }

bool FisSaklayici::dengeKontrol(Fis& fis)
{
    m_hata.clear();
    double borc = 0, alacak = 0;
    bool hatali = false;
    for (const FisSatiri& s : fis.satirlar) {
        borc += s.BORC;
        alacak += s.ALACAK;
        if (!s.HSPKODU.trimmed().isEmpty() && !hesaplar().SeviyeKontroluYap(s.HSPKODU))
            hatali = true;
    }
    fis.BORC = borc;
    fis.ALACAK = alacak;
    if (std::fabs(borc - alacak) > kTolerans) {
        reddet(dengesizMesaji(borc, alacak));
        if (m_tanilama && !m_sessiz)
            Prompter::instance().warn(QStringLiteral("Borç : ") + tutarMetni(borc) + QStringLiteral("  Alacak : ")
                                      + tutarMetni(alacak));
        return false;
    }
    if (hatali) {
        return reddet(kHataliKod);
    }
    return true;
}

bool FisSaklayici::sakla(Fis& fis, const std::function<void(const Db&, const Fis&)>& inTransaction)
{
    const bool yeni = fis.yeni();
    const bool toplu = m_db.inTransaction(); // a batch that writes inside a transaction of its own
    // A refused voucher keeps the numbers it had reached, as with every counter: a new
    // header's number when the date is refused, the journal and printed ones too when the
    // balance or a code is.
    if (!tarihKontrol(fis)) {
        if (yeni)
            FisNumaralari::numaralariAl(m_db, fis, true, false);
        return false;
    }
    if (!dengeKontrol(fis)) {
        FisNumaralari::numaralariAl(m_db, fis, yeni, true);
        return false;
    }
    DbTransaction tx(m_db);
    // Every number in one statement: on SQLite inside this transaction (it holds the only
    // write lock), on PostgreSQL in a short counter transaction of its own so that other
    // workstations wait for NEWFIS no longer than that.
    FisNumaralari::numaralariAl(m_db, fis, yeni, true, toplu);
    yaz(fis, yeni);
    if (inTransaction)
        inTransaction(m_db, fis);
    tx.commit();
    return true;
}

void FisSaklayici::yaz(const Fis& fis) { yaz(fis, false); }

void FisSaklayici::yaz(const Fis& fis, bool yeni)
{
    const Params p = baslikParams(fis);
    // A stored voucher is changed in place and loses its lines; any other is inserted.
    const bool vardi =
        !yeni && m_db.execAffected(QStringLiteral("UPDATE FIS SET TARIH = :TARIH, AY = :AY, TUR = :TUR, BORC = :BORC, "
                                                  "ALACAK = :ALACAK, ENT_TIP = :ENT_TIP, ENT_REF_NO = :ENT_REF_NO, "
                                                  "YEVMIYE_NO = :YEVMIYE_NO, FISNUMARA = :FISNUMARA, BELGENO = :BELGENO, "
                                                  "ACIKLAMA = :ACIKLAMA, MASRAFM_KOD = :MASRAFM_KOD, MIKTAR = :MIKTAR, "
                                                  "IPTAL = :IPTAL WHERE FISNO = :FISNO"),
                                   p) > 0;
    // Kept prepared: a posting run stores one voucher after another.
    if (vardi)
        m_db.execAffected(QStringLiteral("DELETE FROM FISAYR WHERE FISNO = :n"), {{QStringLiteral("n"), fis.FISNO}});
    else
        m_db.execAffected(QStringLiteral("INSERT INTO FIS (FISNO, TARIH, AY, TUR, BORC, ALACAK, ENT_TIP, ENT_REF_NO, YEVMIYE_NO, "
                                 "FISNUMARA, BELGENO, ACIKLAMA, MASRAFM_KOD, MIKTAR, IPTAL) VALUES (:FISNO, :TARIH, :AY, "
                                 ":TUR, :BORC, :ALACAK, :ENT_TIP, :ENT_REF_NO, :YEVMIYE_NO, :FISNUMARA, :BELGENO, "
                                 ":ACIKLAMA, :MASRAFM_KOD, :MIKTAR, :IPTAL)"),
                  p);
    if (fis.satirlar.isEmpty())
        return;
    // The lines go in a few multi-row statements, with ids drawn for all of them at once.
    const QList<int> ids = ServerObjects::SP_GET_NEWFISAYR(m_db, int(fis.satirlar.size()));
    const QVariant tarih = p.value(QStringLiteral("TARIH"));
    QList<QVariantMap> satirlar;
    satirlar.reserve(fis.satirlar.size());
    for (const FisSatiri& s : fis.satirlar) {
        const int sira = int(satirlar.size());
        satirlar << QVariantMap{{QStringLiteral("FISNO"), fis.FISNO},
                                {QStringLiteral("FA_ID"), ids.at(sira)},
                                {QStringLiteral("SIRANO"), sira + 1},
                                {QStringLiteral("HSPKODU"), s.HSPKODU},
                                {QStringLiteral("ACIKLAMA"), s.ACIKLAMA},
                                {QStringLiteral("BORC"), s.BORC},
                                {QStringLiteral("ALACAK"), s.ALACAK},
                                {QStringLiteral("DOVIZ_KOD"), s.DOVIZ_KOD.isEmpty() ? QStringLiteral("TL") : s.DOVIZ_KOD},
                                {QStringLiteral("DVZ_BORC"), s.DVZ_BORC},
                                {QStringLiteral("DVZ_ALACAK"), s.DVZ_ALACAK},
                                {QStringLiteral("TL_DEGERI"), s.TL_DEGERI},
                                {QStringLiteral("TARIH"), tarih},
                                {QStringLiteral("AY"), fis.TARIH.month()},
                                {QStringLiteral("TUR"), fis.TUR},
                                {QStringLiteral("YEVMIYE_NO"), fis.YEVMIYE_NO},
                                {QStringLiteral("FISNUMARA"), fis.FISNUMARA},
                                {QStringLiteral("ENT_REF_NO"), s.ENT_REF_NO},
                                {QStringLiteral("ENT_REF_TIP"), s.ENT_REF_TIP},
                                {QStringLiteral("HSINIF"), nullIfZero(s.HSINIF)},
                                {QStringLiteral("HGRUBU"), nullIfZero(s.HGRUBU)},
                                {QStringLiteral("KEBIR"), nullIfZero(s.KEBIR)},
                                {QStringLiteral("MUAVIN"), s.MUAVIN},
                                {QStringLiteral("TALI"), s.TALI},
                                {QStringLiteral("DETAY"), s.DETAY},
                                {QStringLiteral("MASRAFM_KOD"), s.MASRAFM_KOD},
                                {QStringLiteral("MIKTAR"), s.MIKTAR},
                                {QStringLiteral("GRUP1_KOD"), s.GRUP1_KOD}};
    }
    DocumentWriter(m_db).insertRows(QStringLiteral("FISAYR"), satirlar);
}

bool FisSaklayici::yukle(const Db& db, double fisNo, Fis& fis, bool satirlarla)
{
    const auto h = db.records(QStringLiteral("SELECT * FROM FIS WHERE FISNO = :n"), {{QStringLiteral("n"), fisNo}});
    if (h.isEmpty())
        return false;
    const QSqlRecord& r = h.first();
    fis = Fis{};
    fis.FISNO = fisNo;
    fis.TARIH = toDate(r.value(QStringLiteral("TARIH")));
    fis.TUR = toText(r.value(QStringLiteral("TUR"))).trimmed();
    fis.ENT_TIP = toText(r.value(QStringLiteral("ENT_TIP"))).trimmed();
    fis.ENT_REF_NO = r.value(QStringLiteral("ENT_REF_NO"));
    fis.YEVMIYE_NO = r.value(QStringLiteral("YEVMIYE_NO"));
    fis.FISNUMARA = toText(r.value(QStringLiteral("FISNUMARA"))).trimmed();
    fis.BELGENO = toText(r.value(QStringLiteral("BELGENO"))).trimmed();
    fis.ACIKLAMA = toText(r.value(QStringLiteral("ACIKLAMA")));
    fis.MASRAFM_KOD = toText(r.value(QStringLiteral("MASRAFM_KOD")));
    fis.MIKTAR = r.value(QStringLiteral("MIKTAR")).toDouble();
    fis.IPTAL = toText(r.value(QStringLiteral("IPTAL"))).trimmed();
    fis.BORC = r.value(QStringLiteral("BORC")).toDouble();
    fis.ALACAK = r.value(QStringLiteral("ALACAK")).toDouble();
    if (!satirlarla)
        return true;
    for (const QSqlRecord& l :
         db.records(QStringLiteral("SELECT * FROM FISAYR WHERE FISNO = :n ORDER BY FA_ID"), {{QStringLiteral("n"), fisNo}})) {
        FisSatiri s;
        s.FA_ID = l.value(QStringLiteral("FA_ID")).toInt();
        s.SIRANO = l.value(QStringLiteral("SIRANO")).toInt();
        s.HSPKODU = toText(l.value(QStringLiteral("HSPKODU")));
        s.ACIKLAMA = toText(l.value(QStringLiteral("ACIKLAMA")));
        s.BORC = l.value(QStringLiteral("BORC")).toDouble();
        s.ALACAK = l.value(QStringLiteral("ALACAK")).toDouble();
        s.DOVIZ_KOD = toText(l.value(QStringLiteral("DOVIZ_KOD"))).trimmed();
        s.DVZ_BORC = l.value(QStringLiteral("DVZ_BORC")).toDouble();
        s.DVZ_ALACAK = l.value(QStringLiteral("DVZ_ALACAK")).toDouble();
        s.TL_DEGERI = l.value(QStringLiteral("TL_DEGERI")).toDouble();
        s.ENT_REF_NO = l.value(QStringLiteral("ENT_REF_NO"));
        s.ENT_REF_TIP = toText(l.value(QStringLiteral("ENT_REF_TIP"))).trimmed();
        s.HSINIF = l.value(QStringLiteral("HSINIF")).toInt();
        s.HGRUBU = l.value(QStringLiteral("HGRUBU")).toInt();
        s.KEBIR = l.value(QStringLiteral("KEBIR")).toInt();
        s.MUAVIN = toText(l.value(QStringLiteral("MUAVIN")));
        s.TALI = toText(l.value(QStringLiteral("TALI")));
        s.DETAY = toText(l.value(QStringLiteral("DETAY")));
        s.MASRAFM_KOD = toText(l.value(QStringLiteral("MASRAFM_KOD")));
        s.MIKTAR = l.value(QStringLiteral("MIKTAR")).toDouble();
        s.GRUP1_KOD = toText(l.value(QStringLiteral("GRUP1_KOD")));
        fis.satirlar << s;
    }
    return true;
}

void FisSaklayici::sil(double fisNo)
{
    const QDate tarih = toDate(m_db.scalar(QStringLiteral("SELECT TARIH FROM FIS WHERE FISNO = :n"),
                                           {{QStringLiteral("n"), fisNo}}));
    if (m_kilit.isValid() && tarih.isValid() && tarih < m_kilit)
        throw UserError(kilitMesaji(m_kilit));
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("DELETE FROM FISAYR WHERE FISNO = :n"), {{QStringLiteral("n"), fisNo}});
    m_db.exec(QStringLiteral("DELETE FROM FIS WHERE FISNO = :n"), {{QStringLiteral("n"), fisNo}});
    tx.commit();
}

} // namespace nimbo
