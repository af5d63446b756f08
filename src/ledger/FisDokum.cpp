#include "ledger/FisDokum.h"
#include "db/Errors.h"
#include "ledger/HesapKodu.h"
#include "printing/AmountInWords.h"
#include "printing/ReportTextRenderer.h"
#include "services/SessionContext.h"

#include <QSqlQuery>

#include <algorithm>

namespace nimbo {

namespace {

struct Tur {
    const char* ad;
    const char* kod;
};

const Tur kTurler[] = {{"Tahsil", "C"},   {"Tediye", "E"},          {"Mahsup", "M"},  {"Özel", "O"},
                       {"Açılış", "A"},   {"Yansıtma", "Y"},        {"Enflasyon Farkı", "F"},
                       {"Kapanış", "Z"}};

QString turKodu(const QString& ad)
{
    for (const Tur& t : kTurler)
        if (ad == QString::fromUtf8(t.ad))
            return QString::fromLatin1(t.kod);
    return {};
}

QString turAdi(const QString& kod)
{
    for (const Tur& t : kTurler)
        if (kod == QLatin1String(t.kod))
            return QString::fromUtf8(t.ad);
    return kod;
}

} // namespace

QStringList FisDokum::turler()
{
    QStringList out;
    for (const Tur& t : kTurler)
        out << QString::fromUtf8(t.ad);
    return out << QStringLiteral("Tümü");
}

QStringList FisDokum::iptalSecenekleri() { return {QStringLiteral("Dahil"), QStringLiteral("Hariç"), QStringLiteral("Yalnız İpt.")}; }

QStringList FisDokum::siralar()
{
    return {QStringLiteral("Fiş No"), QStringLiteral("Fiş Ref.No"), QStringLiteral("Tarih ve Fiş No"),
            QStringLiteral("Tarih ve Fiş Ref.No")};
}

QString FisDokum::turKosulu(const QString& tur)
{
    const QString k = turKodu(tur);
    return k.isEmpty() ? QString() : QStringLiteral("AND (TUR='%1')").arg(k);
}

QString FisDokum::baslik(const QString& tur)
{
    return turKodu(tur).isEmpty() ? QStringLiteral("Tüm Fişler") : tur + QStringLiteral(" Fişleri");
}

QList<ReportModel> FisDokum::raporlar(const FisDokumSecimi& s) const
{
    QString sql = QStringLiteral("SELECT FISNO, TARIH, TUR, FISNUMARA, YEVMIYE_NO, ENT_REF_NO, ACIKLAMA FROM FIS WHERE 1=1");
    Params p;
    if (s.fisNoBas > 0) {
        sql += QStringLiteral(" AND FISNO >= :fb");
        p.insert(QStringLiteral("fb"), s.fisNoBas);
    }
    if (s.fisNoBit > 0) {
        sql += QStringLiteral(" AND FISNO <= :fe");
        p.insert(QStringLiteral("fe"), s.fisNoBit);
    }
    if (s.tarihBas.isValid()) {
        sql += QStringLiteral(" AND TARIH >= :tb");
        p.insert(QStringLiteral("tb"), QDateTime(s.tarihBas, QTime(0, 0)));
    }
    if (s.tarihBit.isValid()) {
        sql += QStringLiteral(" AND TARIH < :te");
        p.insert(QStringLiteral("te"), QDateTime(s.tarihBit.addDays(1), QTime(0, 0)));
    }
    if (s.refBas > 0) {
        sql += QStringLiteral(" AND ENT_REF_NO >= :rb");
        p.insert(QStringLiteral("rb"), s.refBas);
    }
    if (s.refBit > 0) {
        sql += QStringLiteral(" AND ENT_REF_NO <= :re");
        p.insert(QStringLiteral("re"), s.refBit);
    }
    const QString tur = turKosulu(s.tur);
    if (!tur.isEmpty())
        sql += QLatin1Char(' ') + tur;
    if (s.iptal == QStringLiteral("Hariç"))
        sql += QStringLiteral(" AND (IPTAL IS NULL OR IPTAL='H')");
    else if (s.iptal == QStringLiteral("Yalnız İpt."))
        sql += QStringLiteral(" AND (IPTAL='E')");
    const int sira = int(siralar().indexOf(s.sira));
    sql += sira == 1 ? QStringLiteral(" ORDER BY ENT_REF_NO, FISNO")
           : sira == 2 ? QStringLiteral(" ORDER BY TARIH, FISNO")
           : sira == 3 ? QStringLiteral(" ORDER BY TARIH, ENT_REF_NO, FISNO")
                       : QStringLiteral(" ORDER BY FISNO");
    const auto fisler = m_db.records(sql, p);
    if (fisler.isEmpty())
        throw UserError(QStringLiteral("Belirtilen Aralığa Dahil Kayıt Yok"));

    QHash<QString, QString> adlar;
    if (s.kebirYazdir) {
        QSqlQuery a = m_db.exec(QStringLiteral("SELECT HKOD, HESAP_ADI FROM HSPLAN WHERE SEVIYE = 0"));
        while (a.next())
            adlar.insert(toText(a.value(0)), toText(a.value(1)));
    }
    const QString firma = SessionContext::current().param.FirmaUnvani.trimmed();
    QList<ReportModel> out;
    for (const QSqlRecord& f : fisler) {
        ReportModel r;
        r.title = baslik(s.tur);
        r.headerLeft = firma.isEmpty() ? SessionContext::current().FirmaAdi : firma;
        QString ust;
        if (s.fisNoYazdir)
            ust = QStringLiteral("Fiş No: ") + toText(f.value(QStringLiteral("FISNUMARA"))).trimmed() + QStringLiteral("   ");
        ust += QStringLiteral("Tarih: ") + toDate(f.value(QStringLiteral("TARIH"))).toString(QStringLiteral("dd.MM.yyyy"))
               + QStringLiteral("   Yevmiye No: ") + QString::number(f.value(QStringLiteral("YEVMIYE_NO")).toDouble(), 'f', 0)
               + QStringLiteral("   Tür: ") + turAdi(toText(f.value(QStringLiteral("TUR"))).trimmed());
        r.headings << ust;
        const QString aciklama = toText(f.value(QStringLiteral("ACIKLAMA"))).trimmed();
        if (!aciklama.isEmpty())
            r.headings << aciklama;
        r.columns = {{QStringLiteral("HSPKODU"), QStringLiteral("HESAP KODU"), 30},
                     {QStringLiteral("ACIKLAMA"), QStringLiteral("AÇIKLAMA"), 90},
                     {QStringLiteral("BORC"), QStringLiteral("BORÇ"), 30, ColumnKind::Amount, 2, true},
                     {QStringLiteral("ALACAK"), QStringLiteral("ALACAK"), 30, ColumnKind::Amount, 2, true}};
        r.pageTotals = false;
        r.carriedTotals = true;
        r.grandTotal = true;
        const QString sira = s.hesapKoduSirali || s.kebirYazdir ? QStringLiteral("HSPKODU, FA_ID") : QStringLiteral("FA_ID");
        double toplam = 0;
        QString kebir;
        for (const QSqlRecord& l :
             m_db.records(QStringLiteral("SELECT HSPKODU, ACIKLAMA, BORC, ALACAK FROM FISAYR WHERE FISNO = :n ORDER BY ") + sira,
                          {{QStringLiteral("n"), f.value(QStringLiteral("FISNO"))}})) {
            const QString kod = toText(l.value(QStringLiteral("HSPKODU")));
            if (s.kebirYazdir && HesapKodu::seviyeKodu(kod, 0) != kebir) {
                kebir = HesapKodu::seviyeKodu(kod, 0);
                r.rows << QVariantList{kebir, adlar.value(kebir), QVariant(), QVariant()};
            }
            const double b = l.value(QStringLiteral("BORC")).toDouble();
            const double a = l.value(QStringLiteral("ALACAK")).toDouble();
            toplam += b;
            r.rows << QVariantList{s.kebirYazdir ? QStringLiteral("  ") + kod : kod, toText(l.value(QStringLiteral("ACIKLAMA"))),
                                   b != 0 ? QVariant(b) : QVariant(), a != 0 ? QVariant(a) : QVariant()};
        }
        fisAltligi(r, toplam);
        out << r;
    }
    return out;
}

QString FisDokum::metin(const QList<ReportModel>& raporlar, bool herFisYeniSayfa, int satirSayisi)
{
    QStringList parcalar;
    for (const ReportModel& r : raporlar)
        parcalar << ReportTextRenderer(r).render(satirSayisi);
    return parcalar.join(herFisYeniSayfa ? QStringLiteral("\f") : QStringLiteral("\n\n"));
}

void FisDokum::fisAltligi(ReportModel& r, double toplam, const QString& grup)
{
    const QString etiket = QStringLiteral("Fiş Toplamı");
    r.signatures = {QStringLiteral("DÜZENLEYEN"), QStringLiteral("KONTROL"), QStringLiteral("YETKİLİ")};
    if (grup.isEmpty()) {
        r.grandTotalLabel = etiket;
        r.amountInWords = YaziylaTutar(toplam);
        return;
    }
    r.groupTotalCaption = etiket;
    r.groupAmountInWords.insert(grup, YaziylaTutar(toplam));
    r.groupSignatures = true;
}

ReportModel FisDokum::birlesik(const QList<ReportModel>& raporlar)
{
    if (raporlar.size() == 1)
        return raporlar.first();
    ReportModel r = raporlar.first();
    r.headings.clear();
    r.rows.clear();
    // The vouchers' grand total: "Genel Toplam".
    r.amountInWords.clear();
    r.grandTotalLabel.clear();
    r.columns.prepend({QStringLiteral("FIS"), QStringLiteral("FİŞ"), 0, ColumnKind::Text, 2, false, false});
    r.groupColumn = 0;
    for (const ReportModel& f : raporlar) {
        const QString fis = f.headings.value(0);
        const int borc = int(std::find_if(f.columns.cbegin(), f.columns.cend(),
                                          [](const ReportColumn& c) { return c.key == QLatin1String("BORC"); }) -
                             f.columns.cbegin());
        double toplam = 0;
        for (int i = 0; i < f.rows.size(); ++i) {
            toplam += f.number(i, borc);
            r.rows << (QVariantList{fis} + f.rows.at(i));
        }
        fisAltligi(r, toplam, fis);
    }
    return r;
}

} // namespace nimbo
