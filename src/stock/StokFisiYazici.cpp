#include "stock/StokFisiYazici.h"
#include "db/Errors.h"
#include "stock/MaliyetFiyati.h"
#include "stock/StokFisTipi.h"

#include <QDateTime>
#include <QSet>

namespace nimbo {

namespace {

const QString kStokFisiCari = QStringLiteral("-STOK FİŞİ-");

QVariant metin(const QString& s) { return s; }
QVariant depo(int d) { return d == 0 ? QVariant() : QVariant(d); }
QDateTime gun(const QDate& d) { return QDateTime(d, QTime(0, 0)); }

} // namespace

void StokFisiYazici::baslikYaz(const StokFisBaslik& b, bool yeni) const
{
    const QString cols = QStringLiteral(
        "TIP, TARIH, BRUTTUT, KDVTUT, NETTUT, BRUT_USD, KDV_USD, NET_USD, BRUT_EUR, KDV_EUR, NET_EUR, USDFYT, "
        "EURFYT, GUM_KURU, OZELKOD, ACIKLAMA1, ACIKLAMA2, ACIKLAMA3, KULLANICI, CIKDEPO, GIRDEPO, HRKDURUM, "
        "PERSON_KOD, FIS_NO, CARIKOD");
    const Params p = {{"HRKNO", b.hrkNo},       {"TIP", b.tip},
                      {"TARIH", gun(b.tarih)},  {"BRUTTUT", b.brut[TL]},
                      {"KDVTUT", b.kdv[TL]},    {"NETTUT", b.net[TL]},
                      {"BRUT_USD", b.brut[USD]}, {"KDV_USD", b.kdv[USD]},
                      {"NET_USD", b.net[USD]},  {"BRUT_EUR", b.brut[EUR]},
                      {"KDV_EUR", b.kdv[EUR]},  {"NET_EUR", b.net[EUR]},
                      {"USDFYT", b.usdFyt},     {"EURFYT", b.eurFyt},
                      {"GUM_KURU", b.gumKuru},  {"OZELKOD", metin(b.ozelKod)},
                      {"ACIKLAMA1", metin(b.aciklama1)}, {"ACIKLAMA2", metin(b.aciklama2)},
                      {"ACIKLAMA3", metin(b.aciklama3)}, {"KULLANICI", metin(b.kullanici)},
                      {"CIKDEPO", depo(b.cikDepo)}, {"GIRDEPO", depo(b.girDepo)},
                      {"HRKDURUM", metin(b.hrkDurum)}, {"PERSON_KOD", metin(b.personKod)},
                      {"FIS_NO", b.fisNo},      {"CARIKOD", metin(b.cariKod)}};
    const QStringList names = cols.split(QStringLiteral(", "));
    if (yeni) {
        QStringList holders;
        for (const QString& n : names)
            holders << QLatin1Char(':') + n;
        m_db.exec(QStringLiteral("INSERT INTO FISTK (HRKNO, %1) VALUES (:HRKNO, %2)")
                      .arg(cols, holders.join(QStringLiteral(", "))),
                  p);
        return;
    }
    QStringList sets;
    for (const QString& n : names)
        sets << QStringLiteral("%1 = :%1").arg(n);
    m_db.exec(QStringLiteral("UPDATE FISTK SET %1 WHERE HRKNO = :HRKNO").arg(sets.join(QStringLiteral(", "))), p);
}

void StokFisiYazici::satirlariYaz(double hrkNo, const QList<StokFisSatiri>& satirlar) const
{
    m_db.exec(QStringLiteral("DELETE FROM FISTKAYR WHERE HRKNO = :H"), {{"H", hrkNo}});
    const QString sql = QStringLiteral(
        "INSERT INTO FISTKAYR (HRKNO, SIRANO, STOK_NO, STOK_KOD_NO, STOK_ADI, MIKTAR, BIRIM, FIYAT, FYT_USD, "
        "FYT_EUR, FYT_DOVIZ, DOVIZ_KODU, TL_KURDEGER, KDV, KDV_DAHIL, PARA_BAZ, DEPO_KODU, GER_TUT, GER_TUT_USD, "
        "GER_TUT_EUR, FIS_NO, SIP_NO, SIRANOS) VALUES (:H, :SIRA, :STOK, :KOD, :AD, :MIK, :BIRIM, :FYT, :USD, "
        ":EUR, :DVZ, :DVZKOD, :KUR, :KDV, :DAHIL, :BAZ, :DEPO, :GT, :GTU, :GTE, :FIS, :SIP, :SIRANOS)");
    for (const StokFisSatiri& s : satirlar) {
        const bool q = s.miktar > 0;
        m_db.exec(sql, {{"H", hrkNo},
                        {"SIRA", s.siraNo},
                        {"STOK", s.stokNo},
                        {"KOD", s.stokKodNo},
                        {"AD", s.stokAdi.left(60)},
                        {"MIK", s.miktar},
                        {"BIRIM", s.birim},
                        {"FYT", s.fiyat},
                        {"USD", s.fytUsd},
                        {"EUR", s.fytEur},
                        {"DVZ", s.fytDoviz},
                        {"DVZKOD", s.dovizKodu},
                        {"KUR", s.tlKurDeger},
                        {"KDV", s.kdv},
                        {"DAHIL", s.kdvDahil},
                        {"BAZ", s.paraBaz},
                        {"DEPO", depo(s.depoKodu)},
                        {"GT", q ? s.netKdvsizTut[TL] : 0.0},
                        {"GTU", q ? s.netKdvsizTut[USD] : 0.0},
                        {"GTE", q ? s.netKdvsizTut[EUR] : 0.0},
                        {"FIS", s.fisNo},
                        {"SIP", s.sipNo},
                        {"SIRANOS", s.siranos}});
    }
}

void StokFisiYazici::hareketleriSil(const Db& db, double hrkNo, const QString& tip)
{
    // The slip's own rows only: a purchase numbered alike also writes TIP 'A'.
    db.exec(QStringLiteral("DELETE FROM STOKHRK WHERE (SATISNO=:SatNo) AND (TIP=:TipNe) AND CARIKOD = :C"),
            {{"SatNo", hrkNo}, {"TipNe", tip}, {"C", kStokFisiCari}});
}

void StokFisiYazici::hareketleriYaz(const StokFisBaslik& b, const QList<StokFisSatiri>& satirlar) const
{
    const bool transfer = StokFisTipi::transfer(b.tip);
    if (transfer && b.hrkDurum != QLatin1String("T"))
        return; // a planned transfer moves nothing yet
    QSqlQuery q(m_db.sql());
    if (!q.prepare(QStringLiteral(
            "INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, FIYAT, FYT_USD, FYT_EUR, KDV, "
            "TARIH, AY, YIL, CARIKOD, DEPO_KODU, FIS_NO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")))
        throw DbError(q.lastError());
    auto row = [&](const StokFisSatiri& s, double gir, double cik, int depoKodu) {
        const QVariantList v = {b.hrkNo, b.tip, s.siraNo, s.stokNo, gir, cik, s.birimDeger(TL), s.birimDeger(USD),
                                s.birimDeger(EUR), s.kdv, gun(b.tarih), b.tarih.month(), b.tarih.year(),
                                kStokFisiCari, depo(depoKodu), s.fisNo};
        for (int i = 0; i < v.size(); ++i)
            q.bindValue(i, v.at(i));
        if (!q.exec())
            throw DbError(q.lastError());
    };
    for (const StokFisSatiri& s : satirlar) {
        const double m = s.hareketMiktari();
        if (transfer) {
            row(s, 0, m, b.cikDepo);
            row(s, m, 0, b.girDepo);
        } else if (StokFisTipi::cikis(b.tip)) {
            row(s, 0, m, s.depoKodu);
        } else {
            row(s, m, 0, s.depoKodu);
        }
    }
}

void StokFisiYazici::maliyetleriSil(const Db& db, double hrkNo)
{
    db.exec(QStringLiteral("DELETE FROM MALIFYT WHERE ALIS_NO = :H AND TIP = 'F'"), {{"H", hrkNo}});
}

void StokFisiYazici::maliyetleriYaz(const StokFisBaslik& b, const QList<StokFisSatiri>& satirlar,
                                    const QList<double>& eskiStoklar) const
{
    maliyetleriSil(m_db, b.hrkNo);
    QSet<double> stoklar(eskiStoklar.cbegin(), eskiStoklar.cend());
    if (StokFisTipi::maliyetYazar(b.tip)) {
        const QString sql = QStringLiteral(
            "INSERT INTO MALIFYT (ALIS_NO, STOK_NO, FATTARIH, MIKTAR, BELGETIP, AY, YIL, SIRANO, DOVIZ_KODU, "
            "MALIYET_TL, MALIYET_USD, MALIYET_DVZ, MALIYET_EUR, TIP) VALUES (:H, :S, :T, :M, :B, :AY, :YIL, :SIRA, "
            ":DVZ, :TL, :USD, :DVZFYT, :EUR, 'F')");
        for (const StokFisSatiri& s : satirlar) {
            // Quantity and costs per main unit, net of VAT, as the movement rows carry them.
            const double q = s.hareketMiktari();
            const double kur = s.tlKurDeger > 0 ? s.tlKurDeger : 1;
            m_db.exec(sql, {{"H", b.hrkNo},
                            {"S", s.stokNo},
                            {"T", gun(b.tarih)},
                            {"M", q},
                            {"B", b.tip},
                            {"AY", b.tarih.month()},
                            {"YIL", b.tarih.year()},
                            {"SIRA", s.siraNo},
                            {"DVZ", s.dovizKodu},
                            {"TL", s.birimDeger(TL)},
                            {"USD", s.birimDeger(USD)},
                            {"DVZFYT", s.birimDeger(TL) / kur},
                            {"EUR", s.birimDeger(EUR)}});
            stoklar.insert(s.stokNo);
        }
    }
    for (double stokNo : stoklar)
        MaliyetFiyati::guncelle(m_db, stokNo);
}

} // namespace nimbo
