#include "stock/SeriTakip.h"

namespace nimbo {

void SeriTakip::alisiGeriAl(const Db& db, double alimNo, const QString& cariKod)
{
    if (!db.tableExists(QStringLiteral("SERTAKIP")))
        return;
    const Params p{{QStringLiteral("N"), alimNo}, {QStringLiteral("C"), cariKod}};
    db.exec(QStringLiteral("DELETE FROM SERTAKIP WHERE ALIMNO = :N AND ALIS_CARI = :C "
                           "AND (SATISNO IS NULL OR SATISNO = 0)"),
            p);
    db.exec(QStringLiteral("UPDATE SERTAKIP SET ALIMNO = 0, ALIS_CARI = NULL, AL_FRADI = NULL, AL_FAT_NO = NULL, "
                           "AL_IRS_NO = NULL, AL_SIRANO = 0 WHERE ALIMNO = :N AND ALIS_CARI = :C"),
            p);
}

} // namespace nimbo
