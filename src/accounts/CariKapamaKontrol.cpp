#include "accounts/CariKapamaKontrol.h"

namespace nimbo {

namespace {
bool anyOf(const Db& db, const QString& where, const Params& p)
{
    for (const char* t : {"CODEKAP", "CODEKAPU", "CODEKAPE"})
        if (db.any(QStringLiteral("SELECT 1 FROM %1 WHERE %2 AND KCARI_NO>0").arg(QString::fromLatin1(t), where), p))
            return true;
    return false;
}
} // namespace

QString CariKapamaKontrol::mesaj()
{
    return QStringLiteral(
        "Borç Kapama İşlemi Yapılmış Bu Kaydın Silinmesi için Borç Kapama İşlemi Geri Alınmalıdır.");
}

bool CariKapamaKontrol::hareketEslesmis(const Db& db, double cariNo, int siraNo, const QString& crhrkTur)
{
    return anyOf(db, QStringLiteral("CARI_NO=:N AND SIRANO=:S AND CRHRK_TUR=:T"),
                 {{QStringLiteral("N"), cariNo}, {QStringLiteral("S"), siraNo}, {QStringLiteral("T"), crhrkTur}});
}

bool CariKapamaKontrol::belgeEslesmis(const Db& db, double refNo, const QString& crhrkTur)
{
    return anyOf(db, QStringLiteral("REFNO=:N AND CRHRK_TUR=:T"),
                 {{QStringLiteral("N"), refNo}, {QStringLiteral("T"), crhrkTur}});
}

} // namespace nimbo
