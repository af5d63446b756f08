#include "accounts/CariRiskDenetimi.h"
#include "model/CheckContext.h"
#include "services/CariRisk.h"

namespace nimbo {

void cariRiskDenetle(CheckContext& x, const Db& db, const QString& kod, double borcUsd, double alacakUsd,
                     double eskiBorcUsd, double eskiAlacakUsd, const QString& column, int row, const QString& lines)
{
    const CariRiskSonucu yon = cariRiskHesapla(db, kod, 0);
    if (!yon.denetlenir)
        return;
    const double tutar = yon.alacakTarafi ? alacakUsd : borcUsd;
    if (tutar <= 0)
        return;
    const CariRiskSonucu r = cariRiskHesapla(db, kod, tutar, yon.alacakTarafi ? eskiAlacakUsd : eskiBorcUsd);
    if (!r.asildi)
        return;
    if (r.riskDig == QLatin1String("U"))
        x.ask(kod + QStringLiteral(" Borç Risk Limiti Aşılmış! Buna Rağmen İşlem Devam Etsin mı?"));
    else
        x.refuse(kod + QStringLiteral(" Kodlu Hesabın Borç Risk Limiti Aşıldığı İçin Bu Kayıt Saklanamaz !!!"), column,
                 row, lines);
}

} // namespace nimbo
