#include "ledger/KasaHareketMuhasebesi.h"

#include <QSqlRecord>

namespace nimbo::KasaHareketMuhasebesi {

namespace {
const QString kKosul = QStringLiteral("HRK_TURU IN ('I', 'A', 'B', 'V')");
}

QString turAdi(const QString& hrkTuru)
{
    static const QHash<QString, QString> adlar{{QStringLiteral("I"), QStringLiteral("Açılış (Borç)")},
                                               {QStringLiteral("A"), QStringLiteral("Açılış (Alacak)")},
                                               {QStringLiteral("B"), QStringLiteral("Kasa Virman (Borç)")},
                                               {QStringLiteral("V"), QStringLiteral("Kasa Virman (Alacak)")}};
    return adlar.value(hrkTuru);
}

void muhasebelestir(TDMuh& m, bool)
{
    const auto rows = m.db().records(
        QStringLiteral("SELECT H.TARIH, H.BELGE_NO, H.HRK_TURU, H.TUTAR, K.MUH_KOD, KK.MUH_KOD AS KARSI_MUH FROM KASAHRKT H "
                       "LEFT JOIN KASA K ON K.KASAKOD = H.KASAKOD LEFT JOIN KASA KK ON KK.KASAKOD = H.KARSIKOD "
                       "WHERE H.HRKNO = :n AND H.%1 ORDER BY H.SIRANO")
            .arg(kKosul),
        {{QStringLiteral("n"), m.belgeNo}});
    if (rows.isEmpty()) {
        m.reddet(QStringLiteral("Kasa hareketi bulunamadı: ") + TDMuh::numaraMetni(m.belgeNo));
        return;
    }
    const QSqlRecord& ilk = rows.first();
    m.fisAc(toDate(ilk.value(QStringLiteral("TARIH"))), QStringLiteral("M"), toText(ilk.value(QStringLiteral("BELGE_NO"))).trimmed(),
            TDMuh::numaraMetni(m.belgeNo) + QStringLiteral(" No.lu Kasa Hareketi"));
    for (const QSqlRecord& r : rows) {
        const QString tur = toText(r.value(QStringLiteral("HRK_TURU"))).trimmed();
        const QString kasa = toText(r.value(QStringLiteral("MUH_KOD"))).trimmed();
        const QString karsi = toText(r.value(QStringLiteral("KARSI_MUH"))).trimmed();
        const double tutar = r.value(QStringLiteral("TUTAR")).toDouble();
        const QString nar = QStringLiteral("Kasa İşlemi ") + turAdi(tur);
        if (tur == QLatin1String("B")) {
            m.AyrHesapGir(kasa, QStringLiteral("B"), tutar, nar);
            m.AyrHesapGir(karsi, QStringLiteral("A"), tutar, nar);
        } else if (tur == QLatin1String("V")) {
            m.AyrHesapGir(kasa, QStringLiteral("A"), tutar, nar);
            m.AyrHesapGir(karsi, QStringLiteral("B"), tutar, nar);
        } else {
            m.AyrHesapGir(kasa, tur == QLatin1String("I") ? QStringLiteral("B") : QStringLiteral("A"), tutar, nar);
        }
    }
    m.FisiSakla(QStringLiteral("KASAHRKT"), QStringLiteral("HRKNO"), kKosul);
}

BelgeTuru tanim()
{
    BelgeTuru t;
    t.tur = QLatin1Char('P');
    t.ad = QStringLiteral("Kasa Hareketleri");
    t.tablo = QStringLiteral("KASAHRKT");
    t.anahtar = QStringLiteral("HRKNO");
    t.kosul = kKosul;
    // Transfers; a desk's opening goes with the ledger's opening voucher.
    t.bekleyenSql = QStringLiteral("SELECT HRKNO AS NO, MIN(TARIH) AS TARIH, MIN(ACIKLAMA) AS ACIKLAMA FROM KASAHRKT "
                                   "WHERE FIS_NO IS NULL AND HRK_TURU IN ('B', 'V') AND TARIH >= :bas AND TARIH < :son "
                                   "GROUP BY HRKNO");
    t.rutin = &muhasebelestir;
    return t;
}

} // namespace nimbo::KasaHareketMuhasebesi
