#include "services/FinansHareketi.h"
#include "db/DbTransaction.h"
#include "db/ServerObjects.h"
#include "services/SessionContext.h"

namespace nimbo {

namespace {
QVariant text(const QString& s) { return s.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(s); }
QVariant moment(const QDateTime& d) { return d.isValid() ? QVariant(d) : QVariant(QMetaType::fromType<QDateTime>()); }
} // namespace

Params finansHareketiParams(const FinansHareketi& h)
{
    return Params{{QStringLiteral("BELGE_TIP"), text(h.BELGE_TIP)}, {QStringLiteral("FIN_ID"), h.FIN_ID},
                   {QStringLiteral("SIRA_NO"), h.SIRA_NO},          {QStringLiteral("TIP"), text(h.TIP)},
                   {QStringLiteral("ISLEM_TIP"), text(h.ISLEM_TIP)}, {QStringLiteral("ISLEM_TIP2"), text(h.ISLEM_TIP2)},
                   {QStringLiteral("ISLEM_TIP3"), text(h.ISLEM_TIP3)}, {QStringLiteral("KODU"), text(h.KODU)},
                   {QStringLiteral("KODU2"), text(h.KODU2)},        {QStringLiteral("CARIKOD"), text(h.CARIKOD)},
                   {QStringLiteral("CEK_NO"), h.CEK_NO},            {QStringLiteral("ACIKLAMA"), text(h.ACIKLAMA)},
                   {QStringLiteral("BORC"), h.BORC},                {QStringLiteral("ALACAK"), h.ALACAK},
                   {QStringLiteral("BORC_DVZ"), h.BORC_DVZ},        {QStringLiteral("ALACAK_DVZ"), h.ALACAK_DVZ},
                   {QStringLiteral("DOVIZ_KODU"), text(h.DOVIZ_KODU)}, {QStringLiteral("DVZ_KUR"), h.DVZ_KUR},
                   {QStringLiteral("ADI"), text(h.ADI)},            {QStringLiteral("TARIH"), moment(h.TARIH)},
                   {QStringLiteral("VADE_TRH"), moment(h.VADE_TRH)}, {QStringLiteral("BELGE_NO"), text(h.BELGE_NO)},
                   {QStringLiteral("PERSON_KOD"), text(h.PERSON_KOD)}, {QStringLiteral("HRK_NO"), h.HRK_NO},
                   {QStringLiteral("BA_DOVIZ"), text(h.BA_DOVIZ)},  {QStringLiteral("BA_KUR"), h.BA_KUR},
                   {QStringLiteral("BA_BORC"), h.BA_BORC},          {QStringLiteral("BA_ALACAK"), h.BA_ALACAK}};
}

int FinansHareketiEkle(const FinansHareketi& h) { return FinansHareketiEkle(SessionContext::current().db(), h); }

int FinansHareketiEkle(const Db& db, const FinansHareketi& h)
{
    const Params p = finansHareketiParams(h);
    // Joins the caller's transaction; alone, the row is still written all or nothing.
    DbTransaction tx(db, DbTransaction::Nesting::Join);
    const int result = ServerObjects::SP_INS_FINHRK(db, p);
    tx.commit();
    return result;
}

} // namespace nimbo
