#include "ledger/Mizan.h"
#include "ledger/HesapKodu.h"

#include <QMap>
#include <QSqlQuery>

namespace nimbo {

void MizanSatiri::ekle(const MizanSatiri& o)
{
    acilisBorc += o.acilisBorc;
    acilisAlacak += o.acilisAlacak;
    donemBorc += o.donemBorc;
    donemAlacak += o.donemAlacak;
}

QList<MizanSatiri> Mizan::hesapla(HesapKodu::Duzey duzey, const QDate& bas, const QDate& bit)
{
    const Params p{{QStringLiteral("bas"), QDateTime(bas, QTime(0, 0))},
                   {QStringLiteral("son"), QDateTime(bit.addDays(1), QTime(0, 0))}};
    QMap<QString, MizanSatiri> toplamlar; // by code, in code order
    m_toplam = MizanSatiri{};
    const auto ekle = [&](const QString& kod, const MizanSatiri& s) {
        MizanSatiri& t = toplamlar[kod];
        t.kod = kod;
        t.ekle(s);
    };
    // Two plain sums over the covering index, one per side of the first day: a third of the
    // work of one pass that sorts every line into both columns with CASE.
    for (const bool acilis : {true, false}) {
        QSqlQuery q = m_db.exec(acilis ? QStringLiteral("SELECT HSPKODU, SUM(BORC), SUM(ALACAK) FROM FISAYR "
                                                        "WHERE TARIH < :bas GROUP BY HSPKODU")
                                       : QStringLiteral("SELECT HSPKODU, SUM(BORC), SUM(ALACAK) FROM FISAYR "
                                                        "WHERE TARIH >= :bas AND TARIH < :son GROUP BY HSPKODU"),
                                acilis ? Params{{QStringLiteral("bas"), p.value(QStringLiteral("bas"))}} : p);
        while (q.next()) {
            MizanSatiri s;
            const QString kod = toText(q.value(0));
            (acilis ? s.acilisBorc : s.donemBorc) = q.value(1).toDouble();
            (acilis ? s.acilisAlacak : s.donemAlacak) = q.value(2).toDouble();
            m_toplam.ekle(s);
            if (duzey == HesapKodu::Duzey::Tumu) {
                for (const QString& k : HesapKodu::tumDuzeyKodlari(kod))
                    ekle(k, s);
            } else {
                ekle(HesapKodu::duzeyKodu(kod, duzey), s);
            }
        }
    }

    QHash<QString, QString> adlar;
    QSqlQuery a = m_db.exec(QStringLiteral("SELECT HKOD, HESAP_ADI FROM HSPLAN"));
    while (a.next())
        adlar.insert(toText(a.value(0)), toText(a.value(1)));

    QList<MizanSatiri> out;
    m_bakiyeBorc = m_bakiyeAlacak = 0;
    for (MizanSatiri s : toplamlar) {
        s.ad = adlar.value(s.kod);
        s.seviye = HesapKodu::seviye(s.kod);
        if (duzey != HesapKodu::Duzey::Tumu || s.kod == HesapKodu::duzeyKodu(s.kod, HesapKodu::Duzey::Sinif)) {
            m_bakiyeBorc += s.bakiyeBorc();
            m_bakiyeAlacak += s.bakiyeAlacak();
        }
        out << s;
    }
    return out;
}

} // namespace nimbo
