#include "stock/StokFisListesi.h"
#include "db/Dialect.h"
#include "db/SqlValues.h"

#include <QDateTime>

namespace nimbo {

namespace {

// One value that orders by warehouse, then by day: the warehouse number widened to six
// digits (none is 0) followed by the date as text.
QString depoTarih(const Dialect& d, const char* depo)
{
    return d.concat({QStringLiteral("CAST(COALESCE(%1, 0) + 100000 AS VARCHAR(6))").arg(QLatin1String(depo)),
                     QStringLiteral("CAST(%1 AS VARCHAR(10))").arg(d.datePart(QStringLiteral("TARIH")))});
}

} // namespace

QStringList StokFisListesi::siraAdlari()
{
    return {QStringLiteral("Fiş No"),
            QStringLiteral("Fiş Tipi"),
            QStringLiteral("Tarih"),
            QStringLiteral("Net Tutar"),
            QStringLiteral("Çıkış Deposu ve Tarih"),
            QStringLiteral("Giriş Deposu ve Tarih"),
            QStringLiteral("Kullanıcı"),
            QStringLiteral("İşlem Sorumlusu")};
}

ListQuery StokFisListesi::sorgu(const Dialect& d, const Filtre& f)
{
    ListQuery q;
    QStringList w;
    auto add = [&](const QString& cond, const char* name, const QVariant& v) {
        w << cond;
        q.params.insert(QLatin1String(name), v);
    };
    if (!f.personKod.isEmpty())
        add(QStringLiteral("PERSON_KOD = :pkod"), "pkod", f.personKod);
    if (!f.tip.isEmpty())
        add(QStringLiteral("TIP = :ftip"), "ftip", f.tip);
    if (f.ilkTarih.isValid())
        add(QStringLiteral("TARIH>=:ftrhb"), "ftrhb", QDateTime(f.ilkTarih, QTime(0, 0)));
    if (f.sonTarih.isValid())
        add(QStringLiteral("TARIH<=:ftrhs"), "ftrhs", QDateTime(f.sonTarih, QTime(23, 59, 59)));
    if (f.ilkNo > 0)
        add(QStringLiteral("HRKNO >= :fnob"), "fnob", f.ilkNo);
    if (f.sonNo > 0)
        add(QStringLiteral("HRKNO <= :fnos"), "fnos", f.sonNo);
    if (!f.durum.isEmpty())
        add(QStringLiteral("HRKDURUM = :fdurum"), "fdurum", f.durum);
    if (!f.stokAdi.trimmed().isEmpty())
        add(QStringLiteral("HRKNO IN (SELECT L.HRKNO FROM FISTKAYR L WHERE %1 LIKE :fstok ESCAPE '\\')")
                .arg(d.foldUpper(QStringLiteral("L.STOK_ADI"))),
            "fstok", QLatin1Char('%') + escapeLike(Dialect::foldText(f.stokAdi.trimmed())) + QLatin1Char('%'));
    const QString cikis = depoTarih(d, "CIKDEPO");
    const QString giris = depoTarih(d, "GIRDEPO");
    q.sql = QStringLiteral("SELECT HRKNO, TIP, TARIH, NETTUT, NET_USD, CIKDEPO, GIRDEPO, HRKDURUM, KULLANICI, "
                           "PERSON_KOD, FIS_NO, ACIKLAMA1, %1 AS CIKDEPOTARIH, %2 AS GIRDEPOTARIH FROM FISTK WHERE 1=1%3")
                .arg(cikis, giris,
                     w.isEmpty() ? QString() : QStringLiteral(" AND ") + w.join(QStringLiteral(" AND ")));
    q.keyExpr = q.keyField = QStringLiteral("HRKNO");
    for (const char* c : {"TIP", "TARIH", "NETTUT", "CIKDEPO", "GIRDEPO", "KULLANICI", "PERSON_KOD"})
        q.sortable.insert(QLatin1String(c), QLatin1String(c));
    q.sortable.insert(QStringLiteral("CIKDEPOTARIH"), cikis);
    q.sortable.insert(QStringLiteral("GIRDEPOTARIH"), giris);
    static const char* const siralar[] = {"HRKNO",        "TIP",          "TARIH",     "NETTUT",
                                          "CIKDEPOTARIH", "GIRDEPOTARIH", "KULLANICI", "PERSON_KOD"};
    // Newest first by default; every other order ascending, then by number.
    q.sortBy(QLatin1String(siralar[int(f.sira)]), f.sira == Sira::NoAzalan);
    return q;
}

} // namespace nimbo
