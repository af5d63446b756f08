#include "accounts/forms/CariHareketMakbuzu.h"
#include "accounts/CariHareketListesi.h"
#include "printing/Makbuz.h"
#include "printing/forms/ReportOutput.h"

#include <QSqlRecord>

namespace nimbo {

ReportModel CariHareketMakbuzu::olustur(const Db& db, double no)
{
    const auto satirlar = CariHareketListesi(db).makbuzSatirlari(no);
    double alacak = 0;
    for (const QSqlRecord& r : satirlar)
        alacak += r.value(QStringLiteral("ALACAK")).toDouble();
    const bool tahsilat = alacak > 0;
    Makbuz m;
    m.baslik = tahsilat ? QStringLiteral(" T A H S İ L A T    M A K B U Z U") : QStringLiteral(" T E D İ Y E    M A K B U Z U");
    m.basliklar << QStringLiteral("Hrk.No: %1").arg(qint64(no));
    m.kolonlar = {{QStringLiteral("TARIH"), QStringLiteral("Tarih"), 20, ColumnKind::Date},
                  {QStringLiteral("CARI_KOD"), QStringLiteral("Cari Kod"), 24},
                  {QStringLiteral("FIRMA_ADI"), QStringLiteral("Firma Adı"), 50},
                  {QStringLiteral("BELGE_NO"), QStringLiteral("Belge No"), 18},
                  {QStringLiteral("KASAKOD"), QStringLiteral("Kasa"), 14},
                  {QStringLiteral("DOVIZ_KODU"), QStringLiteral("Döviz"), 12},
                  {QStringLiteral("TUTAR_DVZ"), QStringLiteral("Döviz Tutar"), 24, ColumnKind::Amount},
                  {QStringLiteral("TUTAR"), QStringLiteral("Tutar TL"), 24, ColumnKind::Amount, 2, true}};
    for (const QSqlRecord& r : satirlar) {
        const QString t = tahsilat ? QStringLiteral("ALACAK") : QStringLiteral("BORC");
        const double tutar = r.value(t).toDouble();
        m.toplam += tutar;
        m.satirlar.append({toDate(r.value(QStringLiteral("TARIH"))), toText(r.value(QStringLiteral("CARI_KOD"))).trimmed(),
                           toText(r.value(QStringLiteral("FIRMA_ADI"))).trimmed(),
                           toText(r.value(QStringLiteral("BELGE_NO"))).trimmed(),
                           toText(r.value(QStringLiteral("KASAKOD"))).trimmed(),
                           toText(r.value(QStringLiteral("DOVIZ_KODU"))).trimmed(),
                           r.value(t + QStringLiteral("_DVZ")).toDouble(), tutar});
    }
    return m.model();
}

void CariHareketMakbuzu::yazdir(QWidget* parent, const Db& db, double no, const QString& output)
{
    if (CariHareketListesi(db).belgeTipi(no) != QLatin1String("N"))
        return;
    ReportOutput::send(olustur(db, no), output, QStringLiteral("TFormCariHarek"), QStringLiteral("Makbuz"), parent);
}

} // namespace nimbo
