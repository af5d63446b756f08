#include "accounts/CariEkstre.h"
#include "db/RowStream.h"

#include <QSqlQuery>

namespace nimbo {

namespace {

const char* const kTurler[][3] = {
    {"K", "G", "Kasa Nakit Giren"},          {"K", "C", "Kasa Nakit Çıkan"},
    {"K", "I", "Kasa İlk Açılış"},           {"K", "V", "Kasa Virman"},
    {"C", "N", "Cari Nakit Tahsilat"},       {"C", "A", "Cari Nakit Ödeme"},
    {"C", "V", "Cari Virman"},               {"C", "D", "Cari Dekont(Yatırılan)"},
    {"C", "L", "Cari Dekont(Çekilen)"},      {"C", "I", "Cari İlk Açılış(Borç)"},
    {"C", "F", "Cari İlk Açılış(Alacak)"},   {"C", "S", "Satış İşlemi Hareketi"},
    {"C", "Ş", "Alış İşlemi Hareketi"},      {"C", "P", "Perakende Satış İşlemi Hareketi"},
    {"B", "G", "Banka Gelen Havale"},        {"B", "H", "Banka Gönderilen Havale"},
    {"B", "Y", "Banka Nakit Yatırılan"},     {"B", "C", "Banka Nakit Çekilen"},
    {"B", "I", "Banka Açılış(Borç)"},        {"B", "M", "Banka Açılış(Alacak)"},
    {"B", "D", "Banka Dekont(Yatırılan)"},   {"B", "A", "Banka Dekont(Çekilen)"},
    {"B", "V", "Banka Virman"},              {"B", "K", "Kredi Kartı ile Tahsilat"},
    {"B", "O", "Kredi Kartı ile Ödeme"},     {"B", "T", "Kredi Kartı Transferi"},
    {"E", "0", "Cariden Çek/Senet Girişi"},  {"E", "1", "Cari Hesaba Çek/Senet Çıkışı"},
    {"E", "2", "Çek/Senet Müşteriden İade"}, {"E", "3", "Çek/Senet Bankaya Tahsile Verilen"},
    {"E", "4", "Çek/Senet Bankadan Portföye İade"}, {"E", "5", "Çek/Senet Bankada Tahsil"},
    {"E", "6", "Çek/Senet Müşteriden Tahsil"}, {"E", "7", "Çek/Senet Tahsil Olmuyor"},
    {"E", "8", "Çek/Senet Karşılısız"},      {"E", "9", "Çek/Senet Müşteriye İade"},
};

EkstreToplam sums(const Db& db, const QString& where, const Params& p)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT SUM(BORC), SUM(ALACAK), SUM(BORC_DVZ), SUM(ALACAK_DVZ) FROM FINHRK "
                                         "WHERE (KODU=:cKod) AND (KODU<>'PK')")
                              + where,
                          p);
    EkstreToplam t;
    if (q.next()) {
        t.borc = q.value(0).toDouble();
        t.alacak = q.value(1).toDouble();
        t.borcDvz = q.value(2).toDouble();
        t.alacakDvz = q.value(3).toDouble();
    }
    return t;
}

} // namespace

ListQuery CariEkstre::sorgu(const QString& kod, const CariEkstreFiltre& f) const
{
    ListQuery q;
    q.sql = QStringLiteral(
        "SELECT FIN_ID, BELGE_TIP, SIRA_NO, KODU, TARIH, ISLEM_TIP, ISLEM_TIP2, HRK_NO, VADE_TRH, BORC, ALACAK, "
        "BORC_DVZ, ALACAK_DVZ, ADI, DOVIZ_KODU, ACIKLAMA, AY, YIL, DVZ_KUR, BELGE_NO, BA_DOVIZ, BA_KUR, BA_BORC, "
        "BA_ALACAK, CEK_NO, %1 AS HRK_TURU FROM FINHRK WHERE (KODU=:cKod) AND (KODU<>'PK')")
                .arg(m_db.dialect().concat({QStringLiteral("ISLEM_TIP"), QStringLiteral("ISLEM_TIP2")}));
    q.params.insert(QStringLiteral("cKod"), kod);
    auto range = [&](const QString& col, const QDate& from, const QDate& to, const QString& name) {
        if (from.isValid()) {
            q.sql += QStringLiteral(" AND (%1>=:%2B)").arg(col, name);
            q.params.insert(name + QStringLiteral("B"), QDateTime(from, QTime(0, 0)));
        }
        if (to.isValid()) {
            q.sql += QStringLiteral(" AND (%1<=:%2S)").arg(col, name);
            q.params.insert(name + QStringLiteral("S"), QDateTime(to, QTime(23, 59, 59, 999)));
        }
    };
    range(QStringLiteral("TARIH"), f.tarihBas, f.tarihBit, QStringLiteral("T"));
    range(QStringLiteral("VADE_TRH"), f.vadeBas, f.vadeBit, QStringLiteral("V"));
    if (!f.islemTip.isEmpty()) {
        q.sql += QStringLiteral(" AND (ISLEM_TIP=:IT) AND (ISLEM_TIP2=:IT2)");
        q.params.insert(QStringLiteral("IT"), f.islemTip);
        q.params.insert(QStringLiteral("IT2"), f.islemTip2);
    }
    if (!f.doviz.isEmpty()) {
        q.sql += QStringLiteral(" AND (DOVIZ_KODU=:DVZ)");
        q.params.insert(QStringLiteral("DVZ"), f.doviz);
    }
    q.sql += QStringLiteral(" ORDER BY TARIH DESC, HRK_NO");
    return q;
}

QVector<QSqlRecord> CariEkstre::satirlar(const QString& kod, const CariEkstreFiltre& f) const
{
    const ListQuery q = sorgu(kod, f);
    return m_db.records(q.sql, q.params);
}

EkstreToplam CariEkstre::toplam(const QString& kod) const { return sums(m_db, {}, {{QStringLiteral("cKod"), kod}}); }

EkstreToplam CariEkstre::devir(const QString& kod, const QDate& ilkTarih) const
{
    return sums(m_db, QStringLiteral(" AND (TARIH<:ILK)"),
                {{QStringLiteral("cKod"), kod}, {QStringLiteral("ILK"), QDateTime(ilkTarih, QTime(0, 0))}});
}

QMap<QDate, EkstreToplam> CariEkstre::yuruyenBakiye(const QString& kod) const
{
    // One pass over the account's rows in date order (from the covering index): per day
    // the sums so far, so a row's balance includes every row of its own day.
    QSqlQuery q = m_db.exec(QStringLiteral("SELECT TARIH, BORC, ALACAK, BORC_DVZ, ALACAK_DVZ FROM FINHRK "
                                           "WHERE (KODU=:cKod) AND (KODU<>'PK') ORDER BY TARIH"),
                            {{QStringLiteral("cKod"), kod}});
    QMap<QDate, EkstreToplam> out;
    EkstreToplam t;
    while (q.next()) {
        t.borc += q.value(1).toDouble();
        t.alacak += q.value(2).toDouble();
        t.borcDvz += q.value(3).toDouble();
        t.alacakDvz += q.value(4).toDouble();
        out.insert(toDate(q.value(0)), t);
    }
    return out;
}

double CariEkstre::ortalamaUsdKuru(const QString& kod, const QString& usd) const
{
    const EkstreToplam tl = toplam(kod);
    const EkstreToplam u = sums(m_db, QStringLiteral(" AND (DOVIZ_KODU=:USD)"),
                                {{QStringLiteral("cKod"), kod}, {QStringLiteral("USD"), usd}});
    return u.bakiyeDvz() == 0 ? 0 : tl.bakiye() / u.bakiyeDvz();
}

QHash<QString, EkstreToplam> CariEkstre::tumBakiyeler() const
{
    // A hundred thousand codes: read as a stream, not a QVariant per value.
    QHash<QString, EkstreToplam> out;
    RowStream::read(m_db, QStringLiteral("SELECT KODU, BORC, ALACAK FROM FINBAKIYE WHERE KODU<>'PK'"),
                    [&](const RowStream& r) {
                        EkstreToplam t;
                        t.borc = r.number(1);
                        t.alacak = r.number(2);
                        out.insert(r.text(0).trimmed(), t);
                    });
    return out;
}

QList<AylikToplam> CariEkstre::aylik(const QString& kod, int yil) const
{
    QSqlQuery q = m_db.exec(
        QStringLiteral("SELECT A.AY, A.AY_ADI, H.B, H.A, H.BD, H.AD FROM AYLAR A LEFT JOIN "
                       "(SELECT AY, SUM(BORC) AS B, SUM(ALACAK) AS A, SUM(BORC_DVZ) AS BD, SUM(ALACAK_DVZ) AS AD "
                       "FROM FINHRK WHERE (KODU=:cKod) AND (KODU<>'PK') AND (YIL=:YIL) GROUP BY AY) H "
                       "ON H.AY=A.AY ORDER BY A.AY"),
        {{QStringLiteral("cKod"), kod}, {QStringLiteral("YIL"), yil}});
    QList<AylikToplam> out;
    while (q.next()) {
        AylikToplam a;
        a.ay = q.value(0).toInt();
        a.ayAdi = toText(q.value(1)).trimmed();
        a.toplam.borc = q.value(2).toDouble();
        a.toplam.alacak = q.value(3).toDouble();
        a.toplam.borcDvz = q.value(4).toDouble();
        a.toplam.alacakDvz = q.value(5).toDouble();
        out << a;
    }
    return out;
}

QString CariEkstre::hareketTuru(const QString& islemTip, const QString& islemTip2)
{
    for (const auto& t : kTurler)
        if (islemTip == QString::fromUtf8(t[0]) && islemTip2 == QString::fromUtf8(t[1]))
            return QString::fromUtf8(t[2]);
    return {};
}

QList<QPair<QString, QString>> CariEkstre::hareketTurleri()
{
    QList<QPair<QString, QString>> out;
    for (const auto& t : kTurler)
        out.append({QString::fromUtf8(t[0]) + QString::fromUtf8(t[1]), QString::fromUtf8(t[2])});
    return out;
}

QVector<QSqlRecord> CariEkstre::devirSatirlari(const QString& kod, const QDate& ilkTarih, const QString& doviz) const
{
    QString sql = QStringLiteral("SELECT TARIH, BORC, ALACAK, BORC_DVZ, ALACAK_DVZ, DOVIZ_KODU FROM FINHRK "
                                 "WHERE (KODU=:cKod) AND (KODU<>'PK') AND (TARIH<:ILK)");
    Params p{{QStringLiteral("cKod"), kod}, {QStringLiteral("ILK"), QDateTime(ilkTarih, QTime(0, 0))}};
    if (!doviz.isEmpty()) {
        sql += QStringLiteral(" AND (DOVIZ_KODU=:DVZ)");
        p.insert(QStringLiteral("DVZ"), doviz);
    }
    return m_db.records(sql, p);
}

QString CariEkstre::ilkHareketliCari() const
{
    return toText(m_db.scalar(QStringLiteral("SELECT MIN(KODU) FROM FINHRK WHERE ISLEM_TIP='C' AND KODU<>'PK'")))
        .trimmed();
}

QString CariEkstre::cariAdi(const QString& kod) const
{
    return toText(m_db.scalar(QStringLiteral("SELECT FIRMA_ADI FROM CARI WHERE CARI_KOD=:K"),
                              {{QStringLiteral("K"), kod}}))
        .trimmed();
}

} // namespace nimbo
