#include "stock/StokFisSilici.h"
#include "db/Errors.h"
#include "db/DbTransaction.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "stock/MaliyetFiyati.h"
#include "stock/StokFisHaklari.h"
#include "stock/StokFisiYazici.h"

#include <QSqlRecord>

namespace nimbo {

bool StokFisSilici::sil(double hrkNo) const
{
    const auto hs = m_db.records(QStringLiteral("SELECT TIP, FIS_NO FROM FISTK WHERE HRKNO = :H"), {{"H", hrkNo}});
    if (hs.isEmpty())
        return false;
    const QString tip = toText(hs.first().value(0)).trimmed();
    if (!hs.first().value(1).isNull() && hs.first().value(1).toDouble() != 0)
        throw UserError(QStringLiteral("Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez."));
    const QString engel = StokFisHaklari(SessionContext::current()).silmeEngeli(tip);
    if (!engel.isEmpty())
        throw UserError(engel);
    Prompter& p = Prompter::instance();
    if (!p.ask(QStringLiteral("Kayıt Silnsin mi?")))
        return false;
    const bool seri = m_db.tableExists(QStringLiteral("SERIHRK"));
    if (seri && m_db.any(QStringLiteral("SELECT 1 FROM SERIHRK WHERE SATISNO = :H AND TIP = :T"),
                         {{"H", hrkNo}, {"T", tip}})
        && !p.ask(QStringLiteral("Silinmek istenen alışa ait Seri No bilgileri var.Kaydın silinmesi durumunda seri no "
                                 "bilgileri de silinecektir.Kayıt Silinsin mi?")))
        return false;

    QList<double> stoklar;
    for (const QSqlRecord& r :
         m_db.records(QStringLiteral("SELECT DISTINCT STOK_NO FROM MALIFYT WHERE ALIS_NO = :H AND TIP = 'F'"),
                      {{"H", hrkNo}}))
        stoklar << r.value(0).toDouble();

    DbTransaction tx(m_db);
    if (seri)
        m_db.exec(QStringLiteral("DELETE FROM SERIHRK WHERE SATISNO = :H AND TIP = :T"), {{"H", hrkNo}, {"T", tip}});
    StokFisiYazici::hareketleriSil(m_db, hrkNo, tip);
    // Its cost rows go with it, so the item's average no longer counts them.
    StokFisiYazici::maliyetleriSil(m_db, hrkNo);
    for (double s : stoklar)
        MaliyetFiyati::guncelle(m_db, s);
    m_db.exec(QStringLiteral("DELETE FROM FISTKAYR WHERE HRKNO = :H"), {{"H", hrkNo}});
    m_db.exec(QStringLiteral("DELETE FROM FISTK WHERE HRKNO=:hrkNosu"), {{"hrkNosu", hrkNo}});
    tx.commit();
    return true;
}

} // namespace nimbo
