#include "db/DocumentWriter.h"
#include "db/SqlValues.h"
#include "model/DocumentError.h"
#include "trade/TicariBelge.h"

#include <QMap>
#include <QSet>

namespace nimbo {

namespace {
QString s(const char* c) { return QString::fromLatin1(c); }
} // namespace

int TicariBelge::irsaliyeAl(double irsaliyeNo, const QList<int>& siralar)
{
    // Only an invoice without a dispatch part collects notes: one with its own dispatch would
    // move the goods a second time.
    if (!faturaKismi() || irsaliyeKismi())
        throw UserError(QStringLiteral("İrsaliyeler Yalnız İrsaliyesiz Faturaya Aktarılabilir."));
    const auto baslik = db().records(QStringLiteral("SELECT CARIKOD, TIP FROM %1 WHERE %2=:N").arg(m_taraf.baslik, m_taraf.anahtar),
                                     {{QStringLiteral("N"), irsaliyeNo}});
    if (baslik.isEmpty() || !m_taraf.irsaliye(toText(baslik.first().value(1)).trimmed())
        || m_taraf.fatura(toText(baslik.first().value(1)).trimmed()))
        throw UserError(QStringLiteral("İrsaliye Bulunamadı."));
    if (toText(baslik.first().value(0)).trimmed() != headerText(QStringLiteral("CARIKOD")))
        throw UserError(QStringLiteral("İrsaliye Seçilen Cariye Ait Değil."));

    const auto kalemler =
        db().records(QStringLiteral("SELECT * FROM %1 WHERE %2=:N ORDER BY SIRANO").arg(m_taraf.satirlar, m_taraf.anahtar),
                     {{QStringLiteral("N"), irsaliyeNo}});
    int eklenen = 0;
    for (const QSqlRecord& r : kalemler) {
        QVariantMap k = rowMap(r);
        const int sira = k.value(QStringLiteral("SIRANO")).toInt();
        if (!siralar.isEmpty() && !siralar.contains(sira))
            continue;
        bool var = false;
        for (int i = 0; i < lines().count(); ++i)
            var = var || (lines().number(i, QStringLiteral("IRS_REFNO")) == irsaliyeNo
                          && lines().value(i, QStringLiteral("IRS_SIRA")).toInt() == sira);
        if (var)
            continue;
        QVariantMap v = lineDefaults(kItems);
        for (const char* c : {"STOK_NO", "STOK_KOD_NO", "STOK_ADI", "MIKTAR", "BIRIM", "FYT_DOVIZ", "DOVIZ_KODU",
                              "PARA_BAZ", "KDV", "KDV_DAHIL", "ISKONTO", "VADEFARKI", "VADEGUN", "ODEKOS", "DEPO_KODU",
                              "SERITAKIP", "RAF_YERI", "GARANTI", "OTV", "OTV_VARMI"})
            if (k.contains(s(c)))
                v.insert(s(c), k.value(s(c)));
        v.insert(QStringLiteral("IRS_REFNO"), irsaliyeNo);
        v.insert(QStringLiteral("IRS_SIRA"), sira);
        const int row = lines().append(v);
        setLine(row, QStringLiteral("FYT_DOVIZ"), v.value(QStringLiteral("FYT_DOVIZ")));
        setLine(row, QStringLiteral("MIKTAR"), v.value(QStringLiteral("MIKTAR"))); // capped to what is left
        if (lines().number(row, QStringLiteral("MIKTAR")) <= 0) {
            lines().remove(row);
            continue;
        }
        ++eklenen;
    }
    recompute();
    return eklenen;
}

// A note's movements carry its own prices again once no invoice collects it.
void TicariBelge::birakToplananIrsaliyeler()
{
    if (isNew())
        return;
    const Params no{{QStringLiteral("N"), key()}};
    const auto notlar =
        db().records(QStringLiteral("SELECT %1 FROM %2 WHERE FAT_REFNO=:N").arg(m_taraf.anahtar, m_taraf.baslik), no);
    if (notlar.isEmpty())
        return;
    const QString miktar = m_taraf.cikis ? QStringLiteral("CIKMIK") : QStringLiteral("GIRMIK");
    for (const QSqlRecord& n : notlar) {
        const double irs = n.value(0).toDouble();
        const auto kalemler = db().records(
            QStringLiteral("SELECT A.SIRANO, A.GER_TUT, A.GER_TUT_USD, A.KDV, H.%1 FROM %2 A JOIN STOKHRK H ON "
                           "H.SATISNO=A.%3 AND H.TIP=:T AND H.SIRANO=A.SIRANO WHERE A.%3=:N")
                .arg(miktar, m_taraf.satirlar, m_taraf.anahtar),
            {{QStringLiteral("N"), irs}, {QStringLiteral("T"), m_taraf.yazan}});
        for (const QSqlRecord& k : kalemler) {
            const double q = k.value(4).toDouble();
            db().exec(QStringLiteral("UPDATE STOKHRK SET FIYAT=:F, FYT_USD=:U, KDV=:K WHERE SATISNO=:N AND TIP=:T AND "
                                     "SIRANO=:S"),
                      {{QStringLiteral("F"), q > 0 ? k.value(1).toDouble() / q : 0.0},
                       {QStringLiteral("U"), q > 0 ? k.value(2).toDouble() / q : 0.0},
                       {QStringLiteral("K"), k.value(3).toDouble()},
                       {QStringLiteral("N"), irs},
                       {QStringLiteral("T"), m_taraf.yazan},
                       {QStringLiteral("S"), k.value(0).toInt()}});
        }
    }
    db().exec(QStringLiteral("UPDATE %1 SET FAT_REFNO=NULL, FAT_NO=NULL%2 WHERE FAT_REFNO=:N")
                  .arg(m_taraf.baslik, m_taraf.toplananTarihAlir ? QStringLiteral(", FATARIH=NULL") : QString()),
              no);
}

// The notes this invoice collects: their movements take the invoice's prices, they carry
// the invoice's number, and the link table lists them.
void TicariBelge::yazToplananIrsaliyeler(DocumentWriter& w)
{
    birakToplananIrsaliyeler();
    struct Toplam {
        double ger = 0, gerUsd = 0, miktar = 0, kdv = 0;
    };
    QMap<std::pair<double, int>, Toplam> satirlar;
    QSet<double> notlar;
    for (int i = 0; i < lines().count(); ++i) {
        const double ref = lines().number(i, QStringLiteral("IRS_REFNO"));
        if (ref <= 0)
            continue;
        Toplam& t = satirlar[{ref, lines().value(i, QStringLiteral("IRS_SIRA")).toInt()}];
        t.ger += lines().number(i, QStringLiteral("GER_TUT"));
        t.gerUsd += lines().number(i, QStringLiteral("GER_TUT_USD"));
        t.miktar += lines().number(i, QStringLiteral("MIKTAR"));
        t.kdv = qMax(t.kdv, lines().number(i, QStringLiteral("KDV")));
        notlar.insert(ref);
    }
    for (auto it = satirlar.begin(); it != satirlar.end(); ++it) {
        if (it->miktar == 0)
            continue;
        db().exec(QStringLiteral("UPDATE STOKHRK SET FIYAT=:F, FYT_USD=:U, KDV=:K WHERE SATISNO=:N AND TIP=:T AND SIRANO=:S"),
                  {{QStringLiteral("F"), it->ger / it->miktar},
                   {QStringLiteral("U"), it->gerUsd / it->miktar},
                   {QStringLiteral("K"), it->kdv},
                   {QStringLiteral("N"), it.key().first},
                   {QStringLiteral("T"), m_taraf.yazan},
                   {QStringLiteral("S"), it.key().second}});
    }
    QList<QVariantMap> baglar;
    for (double n : notlar) {
        const auto r = db().records(QStringLiteral("SELECT IRS_NO, IRSTARIH FROM %1 WHERE %2=:N").arg(m_taraf.baslik, m_taraf.anahtar),
                                    {{QStringLiteral("N"), n}});
        baglar << QVariantMap{{QStringLiteral("S_NO"), key()},
                              {QStringLiteral("IRS_SNO"), n},
                              {QStringLiteral("IRS_NO"), r.isEmpty() ? QVariant() : r.first().value(0)},
                              {QStringLiteral("IRSTARIH"), r.isEmpty() ? QVariant() : r.first().value(1)}};
        Params p{{QStringLiteral("F"), key()}, {QStringLiteral("FN"), headerText(QStringLiteral("FAT_NO"))}, {QStringLiteral("N"), n}};
        if (m_taraf.toplananTarihAlir)
            p.insert(QStringLiteral("FT"), QDateTime(toDate(header(QStringLiteral("FATARIH"))), QTime(0, 0)));
        db().exec(QStringLiteral("UPDATE %1 SET FAT_REFNO=:F, FAT_NO=:FN%2 WHERE %3=:N")
                      .arg(m_taraf.baslik, m_taraf.toplananTarihAlir ? QStringLiteral(", FATARIH=:FT") : QString(),
                           m_taraf.anahtar),
                  p);
    }
    yeniden(w, m_taraf.faturaIrsaliye, {{QStringLiteral("S_NO"), key()}}, baglar);
}

} // namespace nimbo
