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

// The non-empty texts joined by the separator.
QString birlestir(const QStringList& parcalar, const QString& ayrac)
{
    QStringList dolu;
    for (const QString& p : parcalar)
        if (!p.trimmed().isEmpty())
            dolu << p.trimmed();
    return dolu.join(ayrac);
}

QString vergi(const QString& daire, const QString& no)
{
    if (daire.isEmpty() && no.isEmpty())
        return {};
    return QStringLiteral("V.D.: %1  V.No: %2").arg(daire, no);
}

// The trade name: name and title of the firm's identity, else the firm's registered name.
QString firmaAdi(const SessionContext& ss)
{
    const FirmaKimlik& k = ss.param.kimlik;
    const QString ad = birlestir({k.ad, k.unvan}, QStringLiteral(" "));
    return ad.isEmpty() ? ss.FirmaAdi : ad;
}

// The lines of a block that are not empty.
ReportBlock blok(const QStringList& satirlar)
{
    ReportBlock b;
    for (const QString& s : satirlar)
        if (!s.trimmed().isEmpty())
            b.lines << s.trimmed();
    return b;
}

ReportBlock firmaBlogu(const SessionContext& ss)
{
    const FirmaKimlik& k = ss.param.kimlik;
    const QString tel = birlestir({k.telefon.isEmpty() ? QString() : QStringLiteral("Tel: ") + k.telefon,
                                   k.fax.isEmpty() ? QString() : QStringLiteral("Faks: ") + k.fax},
                                  QStringLiteral("  "));
    return blok({firmaAdi(ss), k.adres1, k.adres2, k.adres3, tel, vergi(k.vergiDairesi, k.vergiNo)});
}

ReportBlock cariBlogu(const QVariantMap& cari, const QString& kod)
{
    auto c = [&cari](const char* k) { return toText(cari.value(QString::fromLatin1(k))).trimmed(); };
    const QString yer = birlestir({birlestir({c("POSTAKODU"), c("SEMT"), c("ILCE")}, QStringLiteral(" ")), c("ILI")},
                                  QStringLiteral(" / "));
    return blok({c("FIRMA_ADI"), c("ADRES_1"), yer,
                 c("TEL1").isEmpty() ? QString() : QStringLiteral("Tel: ") + c("TEL1"), vergi(c("VD"), c("VN")),
                 QStringLiteral("Cari Kod: ") + kod});
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
    const bool fatura = taraf.fatura(t("TIP"));

    const SessionContext& ss = SessionContext::current();
    m.title = fatura ? QStringLiteral("F A T U R A") : QStringLiteral("S E V K   İ R S A L İ Y E S İ");
    m.headerLeft = firmaAdi(ss);
    m.headerRight = taraf.tipAdi(t("TIP"));
    // The firm sells on the sales side and buys on the purchase side.
    ReportBlock firma = firmaBlogu(ss), hesap = cariBlogu(cari, t("CARIKOD"));
    const bool satis = taraf.cikis;
    firma.caption = satis ? (fatura ? QStringLiteral("SATICI") : QStringLiteral("GÖNDEREN")) : QStringLiteral("ALICI");
    hesap.caption = satis ? QStringLiteral("ALICI") : (fatura ? QStringLiteral("SATICI") : QStringLiteral("GÖNDEREN"));
    m.blocks << (satis ? firma : hesap) << (satis ? hesap : firma);
    ReportBlock belge{fatura ? QStringLiteral("FATURA BİLGİLERİ") : QStringLiteral("İRSALİYE BİLGİLERİ"), {}, 0.7};
    if (fatura) {
        belge.lines << QStringLiteral("Fatura No: ") + t("FAT_NO")
                    << QStringLiteral("Fatura Tarihi: ") + tarih(s.value(QStringLiteral("FATARIH")));
    }
    if (!t("IRS_NO").isEmpty())
        belge.lines << QStringLiteral("İrsaliye No: ") + t("IRS_NO")
                    << QStringLiteral("İrsaliye Tarihi: ") + tarih(s.value(QStringLiteral("IRSTARIH")));
    if (fatura)
        belge.lines << QStringLiteral("Vade Tarihi: ") + tarih(s.value(QStringLiteral("VADETRH")));
    m.blocks << belge;

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
    m.amountInWords = YaziylaTutar(s.value(QStringLiteral("NETTUT")).toDouble());
    return m;
}

} // namespace nimbo
