#include "trade/SatisDokumu.h"
#include "db/SqlValues.h"
#include "printing/AmountInWords.h"
#include "services/SessionContext.h"
#include "trade/TicariTaraf.h"

#include <QMap>

namespace nimbo {

namespace {

QString tarih(const QVariant& v)
{
    const QDate d = toDate(v);
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

} // namespace

ReportModel SatisDokumu::olustur(const Db& db, double belgeNo, const TicariTaraf& taraf)
{
    const Params p{{QStringLiteral("N"), belgeNo}};
    const auto h = db.records(QStringLiteral("SELECT * FROM %1 WHERE %2=:N").arg(taraf.baslik, taraf.anahtar), p);
    ReportModel m;
    if (h.isEmpty())
        return m;
    const QVariantMap s = rowMap(h.first());
    auto t = [&s](const char* c) { return toText(s.value(QString::fromLatin1(c))).trimmed(); };
    const auto c = db.records(QStringLiteral("SELECT * FROM CARI WHERE CARI_KOD=:K"), {{QStringLiteral("K"), t("CARIKOD")}});
    const QVariantMap cari = c.isEmpty() ? QVariantMap() : rowMap(c.first());
    auto ct = [&cari](const char* k) { return toText(cari.value(QString::fromLatin1(k))).trimmed(); };
    const bool fatura = taraf.fatura(t("TIP"));

    const SessionContext& ss = SessionContext::current();
    const FirmaKimlik& k = ss.param.kimlik;
    m.title = fatura ? QStringLiteral("F A T U R A") : QStringLiteral("S E V K   İ R S A L İ Y E S İ");
    m.headerLeft = k.unvan.isEmpty() ? (k.ad.isEmpty() ? ss.FirmaAdi : k.ad) : k.ad + QLatin1Char(' ') + k.unvan;
    m.headerRight = taraf.tipAdi(t("TIP"));
    QStringList firma{k.adres1, k.adres2, k.adres3};
    if (!k.vergiDairesi.isEmpty() || !k.vergiNo.isEmpty())
        firma << QStringLiteral("V.D.: %1  V.No: %2").arg(k.vergiDairesi, k.vergiNo);
    for (const QString& f : firma)
        if (!f.trimmed().isEmpty())
            m.headings << f.trimmed();
    m.headings << QStringLiteral("Sayın: %1  %2").arg(t("CARIKOD"), ct("FIRMA_ADI"));
    const QString adres = QStringList{ct("ADRES_1"), ct("ADRES_2"), ct("SEMT"), ct("ILI")}.join(QLatin1Char(' ')).simplified();
    if (!adres.isEmpty())
        m.headings << adres;
    if (!ct("VD").isEmpty() || !ct("VN").isEmpty())
        m.headings << QStringLiteral("V.D.: %1  V.No: %2").arg(ct("VD"), ct("VN"));
    if (fatura)
        m.headings << QStringLiteral("Fatura No: %1  Fatura Tarihi: %2  Vade Tarihi: %3")
                          .arg(t("FAT_NO"), tarih(s.value(QStringLiteral("FATARIH"))), tarih(s.value(QStringLiteral("VADETRH"))));
    if (!t("IRS_NO").isEmpty())
        m.headings << QStringLiteral("İrsaliye No: %1  İrsaliye Tarihi: %2").arg(t("IRS_NO"), tarih(s.value(QStringLiteral("IRSTARIH"))));

    m.columns = {{QStringLiteral("STOK_KOD_NO"), QStringLiteral("Stok Kodu"), 28},
                 {QStringLiteral("STOK_ADI"), QStringLiteral("Ürün Adı"), fatura ? 58.0 : 110.0},
                 {QStringLiteral("MIKTAR"), QStringLiteral("Miktar"), 18, ColumnKind::Number, 2},
                 {QStringLiteral("BIRIM"), QStringLiteral("Birim"), 12}};
    if (fatura)
        m.columns << ReportColumn{QStringLiteral("FIYAT"), QStringLiteral("Birim Fiyat"), 22, ColumnKind::Amount}
                  << ReportColumn{QStringLiteral("ISKONTO"), QStringLiteral("İsk.%"), 12, ColumnKind::Number, 2}
                  << ReportColumn{QStringLiteral("KDV"), QStringLiteral("KDV%"), 10, ColumnKind::Number, 0}
                  << ReportColumn{QStringLiteral("GER_TUT"), QStringLiteral("Tutar"), 26, ColumnKind::Amount, 2, true};
    QMap<double, std::pair<double, double>> kdvler; // rate -> (base, VAT)
    const auto satirlar = db.records(
        QStringLiteral("SELECT * FROM %1 WHERE %2=:N ORDER BY SIRANO").arg(taraf.satirlar, taraf.anahtar), p);
    for (const QSqlRecord& r : satirlar) {
        QVariantList row{toText(r.value(QStringLiteral("STOK_KOD_NO"))).trimmed(),
                         toText(r.value(QStringLiteral("STOK_ADI"))).trimmed(), r.value(QStringLiteral("MIKTAR")).toDouble(),
                         toText(r.value(QStringLiteral("BIRIM"))).trimmed()};
        if (fatura) {
            const double kdv = r.value(QStringLiteral("KDV")).toDouble();
            const double ger = r.value(QStringLiteral("GER_TUT")).toDouble();
            row << r.value(QStringLiteral("FIYAT")).toDouble() << r.value(QStringLiteral("ISKONTO")).toDouble() << kdv << ger;
            kdvler[kdv].first += ger;
            kdvler[kdv].second += ger * kdv / 100;
        }
        m.rows << row;
    }
    m.pageTotals = false;
    m.grandTotal = false;
    m.signatures = {QStringLiteral("TESLİM EDEN"), QStringLiteral("TESLİM ALAN")};
    if (!fatura)
        return m;
    auto tutar = [&s](const char* c) { return ReportModel::formatAmount(s.value(QString::fromLatin1(c)).toDouble()); };
    m.summary << ReportSummaryLine{QStringLiteral("Brüt Toplam"), tutar("BRUTTUT")};
    const double iskonto = s.value(QStringLiteral("KALEMISK")).toDouble() + s.value(QStringLiteral("INR_YUZD")).toDouble()
                           + s.value(QStringLiteral("INDIRIM")).toDouble();
    if (iskonto != 0) {
        m.summary << ReportSummaryLine{QStringLiteral("İskonto"), ReportModel::formatAmount(iskonto)};
        m.summary << ReportSummaryLine{QStringLiteral("Ara Toplam"),
                                       ReportModel::formatAmount(s.value(QStringLiteral("BRUTTUT")).toDouble() - iskonto)};
    }
    for (auto it = kdvler.begin(); it != kdvler.end(); ++it)
        m.summary << ReportSummaryLine{QStringLiteral("KDV %%1 (Matrah %2)").arg(it.key()).arg(ReportModel::formatAmount(it->first)),
                                       ReportModel::formatAmount(it->second)};
    if (s.value(QStringLiteral("OTV_TUTAR")).toDouble() != 0)
        m.summary << ReportSummaryLine{QStringLiteral("ÖTV Toplamı"), tutar("OTV_TUTAR")};
    m.summary << ReportSummaryLine{QStringLiteral("KDV Toplamı"), tutar("KDVTUT")};
    if (s.value(QStringLiteral("YUVARLANAN")).toDouble() != 0)
        m.summary << ReportSummaryLine{QStringLiteral("Yuvarlama"), tutar("YUVARLANAN")};
    m.summary << ReportSummaryLine{QStringLiteral("Genel Toplam"), tutar("NETTUT")};
    if (!t("DOVIZ_KODU").isEmpty() && t("DOVIZ_KODU") != ss.param.YERELDOVIZ && s.value(QStringLiteral("TL_KURDEGER")).toDouble() > 0)
        m.summary << ReportSummaryLine{QStringLiteral("Döviz Karşılığı ") + t("DOVIZ_KODU"),
                                       ReportModel::formatAmount(s.value(QStringLiteral("NETTUT")).toDouble()
                                                                 / s.value(QStringLiteral("TL_KURDEGER")).toDouble())};
    m.summary << ReportSummaryLine{QStringLiteral("Vade Tarihi"), tarih(s.value(QStringLiteral("VADETRH")))};
    m.amountInWords = YaziylaTutar(s.value(QStringLiteral("NETTUT")).toDouble());
    return m;
}

} // namespace nimbo
