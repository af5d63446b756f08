#include "accounts/CariHareketListesi.h"

namespace nimbo {

ListQuery CariHareketListesi::sorgu(const CariHareketListeFiltre& f) const
{
    ListQuery q;
    // A cash document is a collection when it credits the account, else a payment: its side
    // travels with the type so the list can name it.
    q.sql = QStringLiteral("SELECT CARIHRKM.*, CASE WHEN TIP<>'N' THEN TIP WHEN COALESCE(ALACAK, 0) > 0 THEN 'NB' "
                           "ELSE 'NA' END AS TIP_TARAF FROM CARIHRKM WHERE 1=1");
    if (!f.tip.isEmpty()) {
        q.sql += QStringLiteral(" AND TIP=:TIP");
        q.params.insert(QStringLiteral("TIP"), f.tip);
    }
    if (f.tarihBas.isValid()) {
        q.sql += QStringLiteral(" AND TARIH>=:TB");
        q.params.insert(QStringLiteral("TB"), QDateTime(f.tarihBas, QTime(0, 0)));
    }
    if (f.tarihBit.isValid()) {
        q.sql += QStringLiteral(" AND TARIH<=:TS");
        q.params.insert(QStringLiteral("TS"), QDateTime(f.tarihBit, QTime(23, 59, 59, 999)));
    }
    if (f.muhasebe == CariHareketListeFiltre::Muhasebe::Kayitli)
        q.sql += QStringLiteral(" AND FIS_NO IS NOT NULL");
    else if (f.muhasebe == CariHareketListeFiltre::Muhasebe::Kayitsiz)
        q.sql += QStringLiteral(" AND FIS_NO IS NULL");
    if (!f.cariKod.trimmed().isEmpty()) {
        // The code is data: its own % and _ do not act as wildcards.
        QString like = f.cariKod.trimmed();
        like.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        like.replace(QLatin1Char('%'), QStringLiteral("\\%"));
        like.replace(QLatin1Char('_'), QStringLiteral("\\_"));
        q.sql += QStringLiteral(" AND CARI_NO IN (SELECT CARI_NO FROM CARIHRK WHERE (CARI_KOD LIKE :CK ESCAPE '\\'))");
        q.params.insert(QStringLiteral("CK"), like + QLatin1Char('%'));
    }
    // Read a page at a time by document number, newest first.
    q.keyExpr = QStringLiteral("CARI_NO");
    q.keyField = QStringLiteral("CARI_NO");
    q.descending = true;
    q.sortable = {{QStringLiteral("TARIH"), QStringLiteral("TARIH")}, {QStringLiteral("TIP_TARAF"), QStringLiteral("TIP")}};
    return q;
}

double CariHareketListesi::sonNakitBelge() const
{
    return m_db.scalar(QStringLiteral("SELECT MAX(CARI_NO) FROM CARIHRKM WHERE TIP='N'")).toDouble();
}

QString CariHareketListesi::belgeTipi(double no) const
{
    return toText(m_db.scalar(QStringLiteral("SELECT TIP FROM CARIHRKM WHERE CARI_NO=:N"), {{QStringLiteral("N"), no}}))
        .trimmed();
}

QVector<QSqlRecord> CariHareketListesi::makbuzSatirlari(double no) const
{
    return m_db.records(
        QStringLiteral("SELECT H.CARI_KOD, C.FIRMA_ADI, H.TARIH, H.BELGE_NO, H.ACIKLAMA, H.KASAKOD, H.DOVIZ_KODU, "
                       "H.BORC, H.ALACAK, H.BORC_DVZ, H.ALACAK_DVZ FROM CARIHRK H LEFT JOIN CARI C ON "
                       "C.CARI_KOD=H.CARI_KOD WHERE H.CARI_NO=:N ORDER BY H.SIRANO"),
        {{QStringLiteral("N"), no}});
}

} // namespace nimbo
