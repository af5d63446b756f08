#include "stock/StokFisDokumu.h"
#include "db/Errors.h"
#include "services/SessionContext.h"
#include "stock/StokFisTipi.h"

#include <QSqlRecord>

namespace nimbo {

namespace {

QString depo(const Db& db, const QVariant& kod)
{
    if (kod.isNull() || kod.toInt() == 0)
        return {};
    const QString ad = toText(db.scalar(QStringLiteral("SELECT DEPO_ADI FROM DEPO WHERE DEPO_KODU = :D"),
                                        {{"D", kod.toInt()}}))
                           .trimmed();
    return QStringLiteral("%1 %2").arg(kod.toInt()).arg(ad).trimmed();
}

} // namespace

ReportModel StokFisDokumu::olustur(const Db& db, double hrkNo)
{
    const auto hs = db.records(QStringLiteral("SELECT F.*, C.ISCI_ADI FROM FISTK F LEFT OUTER JOIN CALISAN C ON "
                                              "(C.ISCI_KOD = F.PERSON_KOD) WHERE F.HRKNO = :H"),
                               {{"H", hrkNo}});
    if (hs.isEmpty())
        throw UserError(QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor."));
    const QSqlRecord h = hs.first();
    const QString tip = toText(h.value(QStringLiteral("TIP"))).trimmed();
    const bool transfer = StokFisTipi::transfer(tip);
    const SessionContext& s = SessionContext::current();

    ReportModel m;
    m.title = StokFisTipi::ad(tip);
    m.headerLeft = s.param.kimlik.ad.isEmpty() ? s.FirmaAdi : s.param.kimlik.ad;
    m.headings << QStringLiteral("Fiş No: %1   Tarih: %2")
                      .arg(qint64(hrkNo))
                      .arg(toDate(h.value(QStringLiteral("TARIH"))).toString(QStringLiteral("dd.MM.yyyy")));
    if (transfer) {
        const QString durum = toText(h.value(QStringLiteral("HRKDURUM"))).trimmed() == QLatin1String("T")
                                  ? QStringLiteral("Transfer Edildi")
                                  : QStringLiteral("Transfer Edilecek");
        m.headings << QStringLiteral("Çıkış Deposu: %1   Giriş Deposu: %2   %3")
                          .arg(depo(db, h.value(QStringLiteral("CIKDEPO"))), depo(db, h.value(QStringLiteral("GIRDEPO"))),
                               durum);
    }
    const QString sorumlu = toText(h.value(QStringLiteral("ISCI_ADI"))).trimmed();
    m.headings << QStringLiteral("İşlem Sorumlusu: %1")
                      .arg(sorumlu.isEmpty() ? toText(h.value(QStringLiteral("PERSON_KOD"))).trimmed() : sorumlu);
    for (const char* c : {"ACIKLAMA1", "ACIKLAMA2", "ACIKLAMA3"}) {
        const QString a = toText(h.value(QLatin1String(c))).trimmed();
        if (!a.isEmpty())
            m.headings << a;
    }

    m.columns = {{QStringLiteral("SIRANO"), QStringLiteral("Sıra"), 10, ColumnKind::Number, 0},
                 {QStringLiteral("STOK_KOD_NO"), QStringLiteral("Stok Kodu"), 28},
                 {QStringLiteral("STOK_ADI"), QStringLiteral("Stok Adı"), 55},
                 {QStringLiteral("MIKTAR"), QStringLiteral("Miktar"), 18, ColumnKind::Number, 2},
                 {QStringLiteral("BIRIM"), QStringLiteral("Birim"), 12},
                 {QStringLiteral("DEPO"), QStringLiteral("Depo"), 25},
                 {QStringLiteral("FIYAT"), QStringLiteral("Birim Fiyat"), 22, ColumnKind::Amount, 2},
                 {QStringLiteral("GER_TUT"), QStringLiteral("Tutar"), 24, ColumnKind::Amount, 2, true}};
    m.columns[5].visible = !transfer;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT * FROM FISTKAYR WHERE HRKNO = :H ORDER BY SIRANO"),
                                          {{"H", hrkNo}}))
        m.rows.append({r.value(QStringLiteral("SIRANO")).toInt(), toText(r.value(QStringLiteral("STOK_KOD_NO"))).trimmed(),
                       toText(r.value(QStringLiteral("STOK_ADI"))).trimmed(), r.value(QStringLiteral("MIKTAR")).toDouble(),
                       toText(r.value(QStringLiteral("BIRIM"))).trimmed(), depo(db, r.value(QStringLiteral("DEPO_KODU"))),
                       r.value(QStringLiteral("FIYAT")).toDouble(), r.value(QStringLiteral("GER_TUT")).toDouble()});
    m.pageTotals = false;
    m.carriedTotals = false;
    m.grandTotalLabel = QStringLiteral("Fiş Toplamı");
    m.summary = {{QStringLiteral("KDV"), ReportModel::formatAmount(h.value(QStringLiteral("KDVTUT")).toDouble())},
                 {QStringLiteral("Net Tutar"), ReportModel::formatAmount(h.value(QStringLiteral("NETTUT")).toDouble())}};
    m.signatures = {QStringLiteral("TESLİM EDEN"), QStringLiteral("TESLİM ALAN")};
    return m;
}

} // namespace nimbo
