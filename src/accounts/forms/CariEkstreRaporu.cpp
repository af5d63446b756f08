#include "accounts/forms/CariEkstreRaporu.h"
#include "services/ExchangeRates.h"
#include "services/SessionContext.h"

#include <QRegularExpression>

namespace nimbo {

namespace {

struct Tutar {
    double borc = 0, alacak = 0;
};

// A row's amounts in the statement's basis.
Tutar tutar(const QSqlRecord& r, CariEkstreRaporu::Bicim b, const QString& hedef)
{
    using B = CariEkstreRaporu::Bicim;
    const double borc = r.value(QStringLiteral("BORC")).toDouble();
    const double alacak = r.value(QStringLiteral("ALACAK")).toDouble();
    const double borcDvz = r.value(QStringLiteral("BORC_DVZ")).toDouble();
    const double alacakDvz = r.value(QStringLiteral("ALACAK_DVZ")).toDouble();
    if (b == B::Yerel)
        return {borc, alacak};
    if (b == B::Dovizli || toText(r.value(QStringLiteral("DOVIZ_KODU"))).trimmed() == hedef)
        return {borcDvz, alacakDvz};
    const double kur = KurBulDeger(hedef, 2, toDate(r.value(QStringLiteral("TARIH"))));
    return {borc / kur, alacak / kur};
}

} // namespace

QString CariEkstreRaporu::baslik(Bicim b)
{
    switch (b) {
    case Bicim::Yerel: return QStringLiteral("Cari Hesap Ekstresi");
    case Bicim::Dovizli: return QStringLiteral("Dövizli Cari Hesap Ekstresi");
    case Bicim::Usd: return QStringLiteral(" USD Cinsinden Cari Hesap Ekstresi");
    case Bicim::Eur: return QStringLiteral(" EUR Cinsinden Cari Hesap Ekstresi");
    }
    return {};
}

ReportModel CariEkstreRaporu::olustur(const Db& db, const QString& kod, const CariEkstreFiltre& filtre, Bicim b,
                                      const QString& doviz, const QString& usd, const QString& eur)
{
    CariEkstreFiltre f = filtre;
    if (b == Bicim::Dovizli)
        f.doviz = doviz;
    const QString hedef = b == Bicim::Usd ? usd : b == Bicim::Eur ? eur : doviz;
    QVector<QSqlRecord> satirlar = CariEkstre(db).satirlar(kod, f);
    std::reverse(satirlar.begin(), satirlar.end());

    // Carried over: every row of the basis dated before the first printed day.
    QDate ilk = f.tarihBas;
    if (!ilk.isValid() && !satirlar.isEmpty())
        ilk = toDate(satirlar.first().value(QStringLiteral("TARIH")));
    Tutar devir;
    if (ilk.isValid()) {
        for (const QSqlRecord& r : CariEkstre(db).devirSatirlari(kod, ilk, b == Bicim::Dovizli ? doviz : QString())) {
            const Tutar t = tutar(r, b, hedef);
            devir.borc += t.borc;
            devir.alacak += t.alacak;
        }
    }

    const SessionContext& s = SessionContext::current();
    const FirmaKimlik& firma = s.param.kimlik;
    ReportModel m;
    m.title = baslik(b).trimmed() + (b == Bicim::Dovizli ? QStringLiteral(" (%1)").arg(doviz) : QString());
    m.headerLeft = firma.ad.isEmpty() ? s.FirmaAdi : firma.ad;
    m.headings << QStringList{firma.adres1, firma.adres2, firma.adres3}.filter(QRegularExpression(QStringLiteral("\\S"))).join(QStringLiteral(" "))
               << QStringLiteral("Tel: %1  Fax: %2").arg(firma.telefon, firma.fax)
               << kod + QStringLiteral(" ") + CariEkstre(db).cariAdi(kod);
    if (f.tarihBas.isValid() || f.tarihBit.isValid())
        m.headings << QStringLiteral("%1 - %2").arg(f.tarihBas.toString(QStringLiteral("dd.MM.yyyy")),
                                                   f.tarihBit.toString(QStringLiteral("dd.MM.yyyy")));
    m.columns = {{QStringLiteral("TARIH"), QStringLiteral("Tarih"), 20, ColumnKind::Date},
                 {QStringLiteral("BELGE_NO"), QStringLiteral("Belge No"), 18},
                 {QStringLiteral("TUR"), QStringLiteral("Hareket Türü"), 38},
                 {QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 40},
                 {QStringLiteral("VADE_TRH"), QStringLiteral("Vade"), 20, ColumnKind::Date},
                 {QStringLiteral("BORC"), QStringLiteral("Borç"), 24, ColumnKind::Amount, 2, true},
                 {QStringLiteral("ALACAK"), QStringLiteral("Alacak"), 24, ColumnKind::Amount, 2, true},
                 {QStringLiteral("BAKIYE"), QStringLiteral("Bakiye"), 28}};
    double borc = devir.borc, alacak = devir.alacak;
    m.rows.append({QVariant(), QVariant(), QStringLiteral("Devreden Bakiye"), QVariant(), QVariant(), devir.borc,
                   devir.alacak, CariBakiye::metin(borc, alacak)});
    for (const QSqlRecord& r : satirlar) {
        const Tutar t = tutar(r, b, hedef);
        borc += t.borc;
        alacak += t.alacak;
        m.rows.append({toDate(r.value(QStringLiteral("TARIH"))), toText(r.value(QStringLiteral("BELGE_NO"))).trimmed(),
                       CariEkstre::hareketTuru(toText(r.value(QStringLiteral("ISLEM_TIP"))).trimmed(),
                                               toText(r.value(QStringLiteral("ISLEM_TIP2"))).trimmed()),
                       toText(r.value(QStringLiteral("ACIKLAMA"))).trimmed(), toDate(r.value(QStringLiteral("VADE_TRH"))),
                       t.borc, t.alacak, CariBakiye::metin(borc, alacak)});
    }
    m.summary = {{QStringLiteral("Toplam Borç"), ReportModel::formatAmount(borc)},
                 {QStringLiteral("Toplam Alacak"), ReportModel::formatAmount(alacak)},
                 {QStringLiteral("Bakiye"), CariBakiye::metin(borc, alacak)}};
    m.page.landscape = true;
    m.page.paperMm = {297, 210};
    return m;
}

} // namespace nimbo
