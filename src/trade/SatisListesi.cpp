#include "trade/SatisListesi.h"
#include "db/SqlValues.h"
#include "db/TextSearch.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "trade/TicariBelge.h"

#include <QDateTime>

namespace nimbo {

namespace {

// %1 the header table, %2 its key column.
const QString kSecim = QStringLiteral(
    "SELECT S.%2, S.TIP, S.FAT_NO, S.FATARIH, S.IRS_NO, S.IRSTARIH, S.VADETRH, S.CARIKOD, C.FIRMA_ADI, "
    "S.ODE_TIP, S.DOVIZ_KODU, S.BRUTTUT, S.KDVTUT, S.NETTUT, S.NET_USD, S.NET_EUR, S.FAT_REFNO, S.FIS_NO, "
    "S.ACIKLAMA FROM %1 S LEFT JOIN CARI C ON C.CARI_KOD=S.CARIKOD WHERE 1=1");

void tarihAraligi(ListQuery& q, const QString& kolon, const QDate& bas, const QDate& bit, const QString& ad)
{
    if (bas.isValid())
        q.addWhere(QStringLiteral("%1>=:%2B").arg(kolon, ad), ad + QLatin1Char('B'), QDateTime(bas, QTime(0, 0)));
    if (bit.isValid())
        q.addWhere(QStringLiteral("%1<=:%2S").arg(kolon, ad), ad + QLatin1Char('S'),
                   QDateTime(bit, QTime(23, 59, 59, 999)));
}

// The documents of the accounts whose name holds the text. When it matches a few accounts,
// their documents are read through the account index and ordered; when it matches many,
// that would read and order most of the year, so the documents are read in list order and
// each one's account is tested: a page fills after a few rows.
void cariAdi(const Db& db, ListQuery& q, const QString& ad)
{
    const QString sart = TextSearch::clause(db.dialect(), QStringLiteral("A.FIRMA_ADI"), QStringLiteral("CA"));
    const QString deger = TextSearch::contains(ad);
    const double eslesen =
        db.scalar(QStringLiteral("SELECT COUNT(*) FROM CARI A WHERE ") + sart, {{QStringLiteral("CA"), deger}}).toDouble();
    const double hepsi = db.scalar(QStringLiteral("SELECT COUNT(*) FROM CARI")).toDouble();
    if (eslesen * 40 <= hepsi)
        q.addWhere(QStringLiteral("S.CARIKOD IN (SELECT A.CARI_KOD FROM CARI A WHERE %1)").arg(sart), QStringLiteral("CA"),
                   deger);
    else
        q.addWhere(QStringLiteral("(SELECT COUNT(*) FROM CARI A WHERE A.CARI_KOD=S.CARIKOD AND %1) > 0").arg(sart),
                   QStringLiteral("CA"), deger);
}

QString secim(const TicariTaraf& t) { return kSecim.arg(t.baslik, t.anahtar); }

void sirala(ListQuery& q, const TicariTaraf& t)
{
    q.keyExpr = QStringLiteral("S.") + t.anahtar;
    q.keyField = t.anahtar;
    q.descending = true;
    q.sortable = {{QStringLiteral("FATARIH"), QStringLiteral("S.FATARIH")},
                  {QStringLiteral("FAT_NO"), QStringLiteral("S.FAT_NO")},
                  {QStringLiteral("CARIKOD"), QStringLiteral("S.CARIKOD")}};
}

} // namespace

ListQuery SatisListesi::sorgu(const Db& db, const SatisListeFiltre& f, const TicariTaraf& taraf)
{
    ListQuery q;
    q.sql = secim(taraf);
    if (!f.tip.isEmpty())
        q.addWhere(QStringLiteral("S.TIP=:TIP"), QStringLiteral("TIP"), f.tip);
    tarihAraligi(q, QStringLiteral("COALESCE(S.FATARIH, S.IRSTARIH)"), f.tarihBas, f.tarihBit, QStringLiteral("T"));
    if (!f.cariKod.trimmed().isEmpty())
        q.addWhere(QStringLiteral("S.CARIKOD LIKE :CK ESCAPE '\\'"), QStringLiteral("CK"),
                   escapeLike(f.cariKod.trimmed()) + QLatin1Char('%'));
    if (!f.cariAdi.trimmed().isEmpty())
        cariAdi(db, q, f.cariAdi.trimmed());
    if (f.fatura == SatisListeFiltre::Fatura::Kesilmis)
        q.addWhere(QStringLiteral("S.FAT_REFNO IS NOT NULL"));
    else if (f.fatura == SatisListeFiltre::Fatura::Kesilmemis)
        q.addWhere(QStringLiteral("S.FAT_REFNO IS NULL"));
    sirala(q, taraf);
    return q;
}

ListQuery SatisListesi::acikIrsaliyeler(const TicariTaraf& taraf, const QString& cariKod, const QDate& irsBas, const QDate& irsBit,
                                        const QDate& vadeBas, const QDate& vadeBit)
{
    ListQuery q;
    q.sql = secim(taraf);
    q.addWhere(QStringLiteral("S.CARIKOD=:CK"), QStringLiteral("CK"), cariKod);
    q.addWhere(QStringLiteral("S.IRS_NO IS NOT NULL AND (S.FAT_NO IS NULL OR S.FAT_NO='') AND S.FAT_REFNO IS NULL"));
    // Only documents that are nothing but a dispatch note.
    QStringList tipler;
    for (const BelgeTipi& t : taraf.tipler)
        if (t.irsaliye && !t.fatura)
            tipler << t.harf;
    QStringList yer;
    for (int i = 0; i < tipler.size(); ++i) {
        yer << QStringLiteral(":IT%1").arg(i);
        q.params.insert(QStringLiteral("IT%1").arg(i), tipler[i]);
    }
    q.addWhere(QStringLiteral("S.TIP IN (%1)").arg(yer.join(QLatin1Char(','))));
    tarihAraligi(q, QStringLiteral("S.IRSTARIH"), irsBas, irsBit, QStringLiteral("I"));
    tarihAraligi(q, QStringLiteral("S.VADETRH"), vadeBas, vadeBit, QStringLiteral("V"));
    sirala(q, taraf);
    return q;
}

namespace {
// Import invoices and purchases tied to an import file.
bool ithalatAlisi(const TicariBelge& belge)
{
    return belge.taraf().yazan == QLatin1String("A")
           && (!belge.headerText(QStringLiteral("ITHAL_KODU")).isEmpty() || belge.tip() == QLatin1String("H")
               || belge.tip() == QLatin1String("Y"));
}
} // namespace

QString SatisListesi::silmeEngeli(const TicariBelge& belge)
{
    const SessionContext& ss = SessionContext::current();
    const bool alis = belge.taraf().yazan == QLatin1String("A");
    if (ss.hak(QStringLiteral("SATIS_SIL")) != QLatin1String("H"))
        return alis ? QStringLiteral("Alış Silme Hakkınız Yok.") : QStringLiteral("Satış Silme Hakkınız Yok.");
    // Import purchases need the import right besides.
    if (ithalatAlisi(belge) && ss.hak(QStringLiteral("ITHAL_SIL")) != QLatin1String("H"))
        return QStringLiteral("İthalat Alışlarını Silme Hakkınız Yok.");
    return {};
}

QString SatisListesi::duzeltmeEngeli(const TicariBelge& belge)
{
    if (ithalatAlisi(belge) && SessionContext::current().hak(QStringLiteral("ITHAL_DUZELT")) != QLatin1String("H"))
        return QStringLiteral("İthalat Alışları Düzeltme Hakkınız Yok.");
    return {};
}

bool SatisListesi::sil(TicariBelge& belge)
{
    const QString engel = silmeEngeli(belge);
    if (!engel.isEmpty()) {
        Prompter::instance().warn(engel);
        return false;
    }
    return belge.deleteIfAllowed();
}

double SatisListesi::sonBelgeNo(const Db& db, const TicariTaraf& taraf)
{
    return db.scalar(QStringLiteral("SELECT MAX(%1) FROM %2").arg(taraf.anahtar, taraf.baslik)).toDouble();
}

} // namespace nimbo
