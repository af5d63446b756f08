#include "services/KullaniciIslemKaydi.h"
#include "services/SessionContext.h"

#include <QDateTime>

namespace nimbo {

namespace {
QString staffCode(const Db& db, const SessionContext& s)
{
    if (s.KullaniciAdi.isEmpty())
        return {};
    const QString kod = toText(db.scalar(QStringLiteral("SELECT PERSON_KOD FROM KIMKUL WHERE KULLANICI = :k"),
                                         {{QStringLiteral("k"), s.KullaniciAdi}}))
                            .trimmed();
    return kod.isEmpty() ? s.KullaniciAdi : kod;
}

// Unset arguments are stored as NULL, whatever their type.
QVariant orNull(const QVariant& v) { return v.isValid() ? v : QVariant(QMetaType::fromType<QString>()); }
} // namespace

void KullanciNeYapti(const QVariant& BOLUM, const QVariant& REFNO, const QVariant& SNO, const QVariant& KTIP,
                     const QVariant& ALTB, const QVariant& CKOD, const QVariant& MIKTAR, const QVariant& FYTDVZ,
                     const QVariant& DVZ, const QVariant& BELGE_NO, const QVariant& GER_TUT, const QVariant& STOK_NO,
                     const QVariant& SIM_KOD, const QVariant& ACIKLAMA)
{
    KullanciNeYapti(SessionContext::current().db(), BOLUM, REFNO, SNO, KTIP, ALTB, CKOD, MIKTAR, FYTDVZ, DVZ, BELGE_NO,
                    GER_TUT, STOK_NO, SIM_KOD, ACIKLAMA);
}

void KullanciNeYapti(const Db& db, const QVariant& BOLUM, const QVariant& REFNO, const QVariant& SNO,
                     const QVariant& KTIP, const QVariant& ALTB, const QVariant& CKOD, const QVariant& MIKTAR,
                     const QVariant& FYTDVZ, const QVariant& DVZ, const QVariant& BELGE_NO, const QVariant& GER_TUT,
                     const QVariant& STOK_NO, const QVariant& SIM_KOD, const QVariant& ACIKLAMA)
{
    const SessionContext& s = SessionContext::current();
    const Params p{{QStringLiteral("xBOLUM"), orNull(BOLUM)},
                   {QStringLiteral("xALTB"), orNull(ALTB)},
                   {QStringLiteral("xREFNO"), orNull(REFNO)},
                   {QStringLiteral("xSNO"), orNull(SNO)},
                   {QStringLiteral("xKTIP"), orNull(KTIP)},
                   {QStringLiteral("xTARIH"), QDateTime::currentDateTime()},
                   {QStringLiteral("xPERS_KOD"), staffCode(db, s)},
                   {QStringLiteral("xCKOD"), orNull(CKOD)},
                   {QStringLiteral("xSTOK_NO"), orNull(STOK_NO)},
                   {QStringLiteral("xSIM_KOD"), orNull(SIM_KOD)},
                   {QStringLiteral("xMIKTAR"), orNull(MIKTAR)},
                   {QStringLiteral("xGER_TUT"), orNull(GER_TUT)},
                   {QStringLiteral("xFYTDVZ"), orNull(FYTDVZ)},
                   {QStringLiteral("xDVZ"), orNull(DVZ)},
                   {QStringLiteral("xBELGE_NO"), orNull(BELGE_NO)},
                   {QStringLiteral("xACIKLAMA"), orNull(ACIKLAMA)}};
    db.exec(QStringLiteral("INSERT INTO UISLEM (BOLUM, ALTB, REFNO, SNO, KTIP, TARIH, PERS_KOD, CKOD, STOK_NO, "
                           "SIM_KOD, MIKTAR, GER_TUT, FYTDVZ, DVZ, BELGE_NO, ACIKLAMA) VALUES (:xBOLUM, :xALTB, "
                           ":xREFNO, :xSNO, :xKTIP, :xTARIH, :xPERS_KOD, :xCKOD, :xSTOK_NO, :xSIM_KOD, :xMIKTAR, "
                           ":xGER_TUT, :xFYTDVZ, :xDVZ, :xBELGE_NO, :xACIKLAMA)"),
            p);
}

} // namespace nimbo
