#include "finance/TaksitMakbuzu.h"
#include "db/SqlValues.h"
#include "finance/TaksitTakip.h"
#include "printing/Makbuz.h"

namespace nimbo {

namespace {
QString sekliAdi(const QString& k)
{
    static const QHash<QString, QString> adlar{{QStringLiteral("N"), QStringLiteral("Nakit")},
                                               {QStringLiteral("C"), QStringLiteral("Cek")},
                                               {QStringLiteral("S"), QStringLiteral("Senet")},
                                               {QStringLiteral("H"), QStringLiteral("Havale")},
                                               {QStringLiteral("K"), QStringLiteral("Kredi Kartı")}};
    return adlar.value(k, k);
}
} // namespace

ReportModel TaksitMakbuzu::olustur(const Db& db, double satisNo, int siraNo)
{
    TaksitTakip takip(db);
    takip.makbuzKontrol(satisNo, siraNo);
    const QVariantMap t = takip.taksit(satisNo, siraNo);
    auto v = [&t](const char* c) { return t.value(QString::fromLatin1(c)); };
    const QString cari = toText(v("CARI_KOD")).trimmed();
    const QString adi = toText(db.scalar(QStringLiteral("SELECT FIRMA_ADI FROM CARI WHERE CARI_KOD=:K"),
                                         {{QStringLiteral("K"), cari}}))
                            .trimmed();
    QString sekli = toText(v("TAH_SEKLI")).trimmed();
    if (sekli.isEmpty())
        sekli = toText(v("ODEME_SEKLI")).trimmed();
    Makbuz m;
    m.baslik = QStringLiteral("TAHSİLAT MAKBUZU");
    m.basliklar << cari + QStringLiteral("  ") + adi
                << QStringLiteral("Satış No: %1    %2. Taksit").arg(qint64(satisNo)).arg(siraNo);
    m.kolonlar = {{QStringLiteral("SIRANO"), QStringLiteral("Taksit"), 16},
                  {QStringLiteral("ODE_TRH"), QStringLiteral("Vade"), 22, ColumnKind::Date},
                  {QStringLiteral("TAH_TRH"), QStringLiteral("Tahsil Tarihi"), 24, ColumnKind::Date},
                  {QStringLiteral("TAH_SEKLI"), QStringLiteral("Ödeme Şekli"), 26},
                  {QStringLiteral("DOVIZ_KOD"), QStringLiteral("Döviz"), 14},
                  {QStringLiteral("CEZA_TUTAR"), QStringLiteral("Ceza"), 24, ColumnKind::Amount},
                  {QStringLiteral("TAH_TUTAR"), QStringLiteral("Tahsil Edilen"), 30, ColumnKind::Amount, 2, true}};
    m.toplam = v("TAH_TUTAR").toDouble();
    m.satirlar.append({siraNo, toDate(v("ODE_TRH")), toDate(v("TAH_TRH")), sekliAdi(sekli),
                       toText(v("DOVIZ_KOD")).trimmed(), v("CEZA_TUTAR").toDouble(), m.toplam});
    return m.model();
}

} // namespace nimbo
