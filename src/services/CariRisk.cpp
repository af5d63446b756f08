#include "services/CariRisk.h"
#include "services/Prompter.h"

#include <QSqlQuery>

namespace nimbo {

namespace {
double sum(const Db& db, const QString& sql, const QString& kod)
{
    return db.scalar(sql, {{QStringLiteral("kod"), kod}}).toDouble();
}

const QString kNotInvoiced = QStringLiteral("(FAT_NO IS NULL OR FAT_NO = '') AND (IRS_NO IS NOT NULL AND IRS_NO <> '')");
} // namespace

QString CariRiskSonucu::uyariMetni() const
{
    return cariKod + (alacakTarafi ? QStringLiteral(" Kodlu Hesabın Risk Alacak Limiti Aşılıyor !!!")
                                   : QStringLiteral(" Kodlu Hesabın Borç Risk Limiti Aşılıyor !!!"));
}

CariRiskBilesenleri cariRiskBilesenleri(const Db& db, const QString& cariKod)
{
    CariRiskBilesenleri b;
    b.bakiye = sum(db,
                   QStringLiteral("SELECT COALESCE(SUM(BORC_USD), 0) - COALESCE(SUM(ALACAK_USD), 0) FROM CARIHRK "
                                  "WHERE CARI_KOD = :kod"),
                   cariKod);
    b.acikSatisIrsaliye = sum(db,
                              QStringLiteral("SELECT COALESCE(SUM(NET_USD), 0) FROM SATIS WHERE CARIKOD = :kod AND ")
                                  + kNotInvoiced,
                              cariKod);
    b.acikAlisIrsaliye = sum(db,
                             QStringLiteral("SELECT COALESCE(SUM(NET_USD), 0) FROM ALIS WHERE CARIKOD = :kod AND ")
                                 + kNotInvoiced,
                             cariKod);
    b.alinanCekSenet = sum(db,
                           QStringLiteral("SELECT COALESCE(SUM(TUTAR_USD), 0) FROM CSKART WHERE "
                                          "COALESCE(SON_DURUMU, '') <> 'T' AND SAHIP = 'M' AND CARIKOD = :kod"),
                           cariKod);
    b.verilenCekSenet = sum(db,
                            QStringLiteral("SELECT COALESCE(SUM(TUTAR_USD), 0) FROM CSKART WHERE "
                                           "(COALESCE(SON_DURUMU, '') <> 'T' AND SAHIP = 'F' AND CARIKOD = :kod) OR "
                                           "(CIRO_CKOD = :kod AND SAHIP = 'M' AND COALESCE(SON_DURUMU, '') <> 'T')"),
                            cariKod);
    return b;
}

CariRiskSonucu cariRiskHesapla(const Db& db, const QString& cariKod, double satirTutari, double eskiTutar)
{
    CariRiskSonucu r;
    r.cariKod = cariKod;
    QSqlQuery q = db.exec(QStringLiteral("SELECT RISKRITER, RISBAKTIP, RISK_DIG, RISK_LIMITI FROM CARI "
                                         "WHERE CARI_KOD = :kod"),
                          {{QStringLiteral("kod"), cariKod}});
    if (!q.next())
        return r;
    const QString kriter = toText(q.value(0)).trimmed().toUpper();
    r.alacakTarafi = toText(q.value(1)).trimmed().toUpper() == QLatin1String("A");
    r.riskDig = toText(q.value(2)).trimmed().toUpper();
    r.limit = q.value(3).toDouble();
    r.denetlenir = (r.riskDig == QLatin1String("U") || r.riskDig == QLatin1String("D")) && !kriter.isEmpty()
                   && kriter != QLatin1String("Y");
    if (!r.denetlenir)
        return r;

    const CariRiskBilesenleri b = cariRiskBilesenleri(db, cariKod);
    const double bakiye = r.alacakTarafi ? -b.bakiye : b.bakiye;
    const double irsaliye = r.alacakTarafi ? b.acikAlisIrsaliye : b.acikSatisIrsaliye;
    const double kagit = r.alacakTarafi ? b.verilenCekSenet : b.alinanCekSenet;
    double tutar = 0;
    if (kriter == QLatin1String("B"))
        tutar = bakiye;
    else if (kriter == QLatin1String("1"))
        tutar = irsaliye;
    else if (kriter == QLatin1String("2"))
        tutar = bakiye + irsaliye;
    else if (kriter == QLatin1String("3"))
        tutar = bakiye + irsaliye + kagit;
    else if (kriter == QLatin1String("4"))
        tutar = bakiye + kagit;
    r.tutar = tutar + (satirTutari - eskiTutar);
    r.asildi = r.tutar > 0 && r.tutar > r.limit;
    return r;
}

CariRiskSonucu cariRiskUyar(const Db& db, const QString& cariKod, double satirTutari, double eskiTutar)
{
    const CariRiskSonucu r = cariRiskHesapla(db, cariKod, satirTutari, eskiTutar);
    if (r.asildi)
        Prompter::instance().warn(r.uyariMetni());
    return r;
}

} // namespace nimbo
