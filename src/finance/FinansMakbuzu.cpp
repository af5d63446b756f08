#include "finance/FinansMakbuzu.h"
#include "db/Errors.h"
#include "db/RecordWriter.h"
#include "db/SqlValues.h"
#include "finance/FinansIslemTuru.h"
#include "printing/Makbuz.h"

#include <QSqlRecord>

namespace nimbo {

ReportModel FinansMakbuzu::olustur(const Db& db, int finId)
{
    const Params no{{QStringLiteral("N"), finId}};
    const QVariantMap h = readRow(db, QStringLiteral("SELECT ISLEM_TIP, ISLEM_TIP2, ISLEM_TRH, KODU, ADI, ACIKLAMA "
                                                     "FROM FINMAST WHERE FIN_ID=:N"),
                                  no);
    if (h.isEmpty())
        throw UserError(QStringLiteral("Belge Bulunamadı."));
    auto t = [&h](const char* c) { return toText(h.value(QString::fromLatin1(c))).trimmed(); };
    Makbuz m;
    m.baslik = FinansIslemTuru::baslik(t("ISLEM_TIP"), t("ISLEM_TIP2"));
    m.basliklar << QStringLiteral("Belge No: %1    Tarih: %2")
                       .arg(finId)
                       .arg(toDate(h.value(QStringLiteral("ISLEM_TRH"))).toString(QStringLiteral("dd.MM.yyyy")))
                << t("KODU") + QStringLiteral("  ") + t("ADI");
    if (!t("ACIKLAMA").isEmpty())
        m.basliklar << t("ACIKLAMA");
    m.kolonlar = {{QStringLiteral("KODU"), QStringLiteral("Kodu"), 26},
                  {QStringLiteral("ADI"), QStringLiteral("Adı"), 50},
                  {QStringLiteral("SERI_NO"), QStringLiteral("Seri No"), 22},
                  {QStringLiteral("CEK_NO"), QStringLiteral("Portföy No"), 20},
                  {QStringLiteral("DOVIZ_KODU"), QStringLiteral("Döviz"), 12},
                  {QStringLiteral("TUTAR_DVZ"), QStringLiteral("Tutar Dvz"), 26, ColumnKind::Amount},
                  {QStringLiteral("TUTAR"), QStringLiteral("Tutar TL"), 26, ColumnKind::Amount, 2, true}};
    for (const QSqlRecord& r : db.records(
             QStringLiteral("SELECT D.KODU, D.ADI, C.SERI_NO, D.CEK_NO, D.DOVIZ_KODU, D.BORC, D.ALACAK, D.BORC_DVZ, "
                            "D.ALACAK_DVZ FROM FINDET D LEFT JOIN CSKART C ON C.PORTFOYNO=D.CEK_NO AND D.CEK_NO>0 "
                            "WHERE D.FIN_ID=:N ORDER BY D.SIRA_NO"),
             no)) {
        // A line moves money on one side only.
        const double tutar = r.value(5).toDouble() + r.value(6).toDouble();
        const double cek = r.value(3).toDouble();
        m.toplam += tutar;
        m.satirlar.append({toText(r.value(0)).trimmed(), toText(r.value(1)).trimmed(), toText(r.value(2)).trimmed(),
                           cek > 0 ? QString::number(qint64(cek)) : QString(), toText(r.value(4)).trimmed(),
                           r.value(7).toDouble() + r.value(8).toDouble(), tutar});
    }
    return m.model();
}

} // namespace nimbo
