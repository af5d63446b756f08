#include "accounts/KodAlani.h"

namespace nimbo {

bool KodAlani::baskaTurdeVar(const Db& db, const QString& kod, Tur kendi)
{
    const struct { Tur tur; const char* sql; } kayitlar[] = {
        {Tur::Cari, "SELECT CARI_KOD FROM CARI WHERE CARI_KOD=:KOD"},
        {Tur::Kasa, "SELECT KASAKOD FROM KASA WHERE KASAKOD=:KOD"},
        {Tur::Banka, "SELECT BANKA_KOD FROM BANKA WHERE BANKA_KOD=:KOD"}};
    for (const auto& k : kayitlar)
        if (k.tur != kendi && db.any(QString::fromLatin1(k.sql), {{QStringLiteral("KOD"), kod}}))
            return true;
    return false;
}

} // namespace nimbo
