#include "ledger/HesapEkstresi.h"
#include "ledger/HesapPlani.h"

#include <QSqlQuery>

namespace nimbo {

QString HesapEkstresi::hesapAdi() const
{
    const auto h = HesapPlani(m_db).hesap(m_kod);
    return h ? toText(h->value(QStringLiteral("HESAP_ADI"))) : QString();
}

QString HesapEkstresi::ilkHareketliHesap(const Db& db)
{
    return toText(db.scalar(QStringLiteral("SELECT MIN(HSPKODU) FROM FISAYR")));
}

QList<EkstreSatiri> HesapEkstresi::oku(const QDate& bas, const QDate& bit)
{
    Params p{{QStringLiteral("bas"), QDateTime(bas, QTime(0, 0))},
             {QStringLiteral("son"), QDateTime(bit.addDays(1), QTime(0, 0))}};
    const QString kosul = HesapPlani::kodKosulu(HesapPlani(m_db).altKodlarIle(m_kod), p);
    devirBorc = devirAlacak = toplamBorc = toplamAlacak = 0;
    {
        QSqlQuery q = m_db.exec(
            QStringLiteral("SELECT SUM(BORC), SUM(ALACAK) FROM FISAYR WHERE %1 AND TARIH < :bas").arg(kosul), p);
        if (q.next()) {
            devirBorc = q.value(0).toDouble();
            devirAlacak = q.value(1).toDouble();
        }
    }
    QSqlQuery q = m_db.exec(QStringLiteral("SELECT TARIH, FISNO, FISNUMARA, YEVMIYE_NO, HSPKODU, ACIKLAMA, BORC, ALACAK "
                                           "FROM FISAYR WHERE %1 AND TARIH >= :bas AND TARIH < :son "
                                           "ORDER BY TARIH, FISNO, FA_ID")
                                .arg(kosul),
                            p);
    QList<EkstreSatiri> out;
    double bakiye = devirBorc - devirAlacak;
    while (q.next()) {
        EkstreSatiri s;
        s.tarih = toDate(q.value(0));
        s.fisNo = q.value(1).toDouble();
        s.fisNumara = toText(q.value(2)).trimmed();
        s.yevmiyeNo = q.value(3).toDouble();
        s.hesapKodu = toText(q.value(4));
        s.aciklama = toText(q.value(5));
        s.borc = q.value(6).toDouble();
        s.alacak = q.value(7).toDouble();
        bakiye += s.borc - s.alacak;
        s.bakiye = bakiye;
        toplamBorc += s.borc;
        toplamAlacak += s.alacak;
        out << s;
    }
    return out;
}

} // namespace nimbo
