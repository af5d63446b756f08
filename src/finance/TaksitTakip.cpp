#include "finance/TaksitTakip.h"
#include "db/DbTransaction.h"
#include "db/DocumentWriter.h"
#include "db/Errors.h"
#include "db/RecordWriter.h"
#include "services/FinansHareketi.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"

namespace nimbo {

namespace {
const QString kNo = QStringLiteral("SATIS_NO");
const QString kSira = QStringLiteral("SIRANO");
const QString kDur = QStringLiteral("TAKSIT_ODENDI");
const double kKurus = 0.005;

Params anahtar(double satisNo, int siraNo)
{
    return {{QStringLiteral("N"), satisNo}, {QStringLiteral("S"), siraNo}};
}
} // namespace

TaksitCezaAyari TaksitCezaAyari::oku(const Db& db)
{
    TaksitCezaAyari a;
    const QVariantMap r = readRow(db, QStringLiteral("SELECT TAK_CEZA_ORAN, TAK_CEZA_GUN FROM PARAMET"));
    a.oran = r.value(QStringLiteral("TAK_CEZA_ORAN")).toInt();
    a.gun = r.value(QStringLiteral("TAK_CEZA_GUN")).toInt();
    return a;
}

TaksitTakip::TaksitTakip(const Db& db) : m_db(db), m_ceza(TaksitCezaAyari::oku(db)) {}

QVariantMap TaksitTakip::taksit(double satisNo, int siraNo) const
{
    const QVariantMap t = readRow(m_db, QStringLiteral("SELECT * FROM TAKSITS WHERE SATIS_NO=:N AND SIRANO=:S"),
                                  anahtar(satisNo, siraNo));
    if (t.isEmpty())
        throw UserError(QStringLiteral("Taksit Kaydı Bulunamadı."));
    return t;
}

void TaksitTakip::tahsilEt(double satisNo, int siraNo, double tutar, const QDate& tarih, const QString& sekli)
{
    QVariantMap t = taksit(satisNo, siraNo);
    if (tutar <= 0)
        throw UserError(QStringLiteral("Tahsil Tutarı Girilmemiş!"));
    // An earlier penalty is taken off first; the delay decides it again.
    double odenecek = t.value(QStringLiteral("ODEME_TUT")).toDouble() - t.value(QStringLiteral("CEZA_TUTAR")).toDouble();
    int cezaOran = 0;
    double ceza = 0;
    const QDate vade = toDate(t.value(QStringLiteral("ODE_TRH")));
    const int gecikme = vade.isValid() ? int(vade.daysTo(tarih)) : 0;
    if (gecikme > 0 && m_ceza.oran > 0 && gecikme >= m_ceza.gun
        && Prompter::instance().ask(QStringLiteral("Bu ödeme vade tarihinden itibaren ") + QString::number(gecikme)
                                    + QStringLiteral(" gün geciktirilmiştir. Bu takside %") + QString::number(m_ceza.oran)
                                    + QStringLiteral(" oranında ceza uygulansın mı?"))) {
        cezaOran = m_ceza.oran;
        ceza = odenecek * m_ceza.oran / 100;
    }
    odenecek += ceza;
    const double tahsil = t.value(QStringLiteral("TAH_TUTAR")).toDouble() + tutar;
    if (tahsil > odenecek + kKurus)
        throw UserError(QStringLiteral("Tahsil Tutarı Ödenecek Tutardan fazla olamaz. İşlem iptal edildi."));
    const double kalan = odenecek - tahsil;
    t.insert(QStringLiteral("ODEME_TUT"), odenecek);
    t.insert(QStringLiteral("CEZA_ORAN"), cezaOran > 0 ? QVariant(cezaOran) : QVariant());
    t.insert(QStringLiteral("CEZA_TUTAR"), ceza > 0 ? QVariant(ceza) : QVariant());
    t.insert(QStringLiteral("TAH_TUTAR"), tahsil);
    t.insert(QStringLiteral("TAH_KALAN"), kalan);
    t.insert(QStringLiteral("TAH_TRH"), QDateTime(tarih, QTime(0, 0)));
    t.insert(QStringLiteral("TAH_EDILDI"), QStringLiteral("E"));
    if (!sekli.isEmpty())
        t.insert(QStringLiteral("TAH_SEKLI"), sekli);
    t.insert(kDur, kalan <= kKurus ? QStringLiteral("E") : QStringLiteral("Y"));
    // The movement number is a finance number, drawn before the transaction opens: the row is
    // found and removed by it, so it must be no other document's FIN_ID.
    double cariNo = t.value(QStringLiteral("CARI_NO")).toDouble();
    if (cariNo <= 0)
        cariNo = YeniKayitNo(m_db, QStringLiteral("NEWFINHRK"));
    yaz(t, cariNo);
}

void TaksitTakip::topluTahsil(const QList<QPair<double, int>>& taksitler, const QDate& tarih, const QString& sekli)
{
    QString cari;
    for (const auto& [no, sira] : taksitler) {
        const QString c = toText(taksit(no, sira).value(QStringLiteral("CARI_KOD"))).trimmed();
        if (!cari.isEmpty() && c != cari)
            throw UserError(QStringLiteral("Aynı anda Farklı Carilerin taksit ödemesi yapılamaz"));
        cari = c;
    }
    for (const auto& [no, sira] : taksitler) {
        const QVariantMap t = taksit(no, sira);
        const double kalan = t.value(QStringLiteral("ODEME_TUT")).toDouble() - t.value(QStringLiteral("CEZA_TUTAR")).toDouble()
                             - t.value(QStringLiteral("TAH_TUTAR")).toDouble();
        if (kalan > kKurus)
            tahsilEt(no, sira, kalan, tarih, sekli);
    }
}

void TaksitTakip::yaz(const QVariantMap& t, double cariNo)
{
    const QString satTip = toText(t.value(QStringLiteral("SAT_TIP"))).trimmed();
    const bool alis = satTip == QLatin1String("A");
    const double tutar = t.value(QStringLiteral("TAH_TUTAR")).toDouble();
    const QDateTime tarih = toDateTime(t.value(QStringLiteral("TAH_TRH")));
    FinansHareketi f;
    f.BELGE_TIP = satTip.isEmpty() ? QStringLiteral("S") : satTip;
    f.FIN_ID = cariNo;
    f.SIRA_NO = t.value(kSira);
    // No HRK_NO: a sale's re-save clears its own rows by HRK_NO, and a number of another
    // counter there would one day equal a sale's number.
    f.HRK_NO = QVariant();
    f.ISLEM_TIP = QStringLiteral("C");
    // A customer's instalment is a collection (credit); one paid to a supplier a payment.
    f.ISLEM_TIP2 = alis ? QStringLiteral("A") : QStringLiteral("N");
    f.KODU = toText(t.value(QStringLiteral("CARI_KOD"))).trimmed();
    f.CARIKOD = f.KODU;
    f.ADI = toText(m_db.scalar(QStringLiteral("SELECT FIRMA_ADI FROM CARI WHERE CARI_KOD=:K"), {{QStringLiteral("K"), f.KODU}}))
                .trimmed()
                .left(70);
    f.ACIKLAMA = QString::number(t.value(kSira).toInt()) + QStringLiteral(". Taksit Ödemesi.");
    (alis ? f.BORC : f.ALACAK) = tutar;
    (alis ? f.BORC_DVZ : f.ALACAK_DVZ) = tutar;
    (alis ? f.BA_BORC : f.BA_ALACAK) = tutar;
    f.DOVIZ_KODU = toText(t.value(QStringLiteral("DOVIZ_KOD"))).trimmed();
    if (f.DOVIZ_KODU.isEmpty())
        f.DOVIZ_KODU = SessionContext::current().param.YERELDOVIZ.isEmpty() ? QStringLiteral("TL")
                                                                           : SessionContext::current().param.YERELDOVIZ;
    f.BA_DOVIZ = f.DOVIZ_KODU;
    f.TARIH = tarih;
    f.VADE_TRH = tarih;
    f.BELGE_NO = QString::number(t.value(kNo).toDouble(), 'f', 0);
    f.PERSON_KOD = SessionContext::current().KullaniciAdi.left(11);

    DocumentWriter w(m_db);
    DbTransaction tx(m_db);
    w.remove(QStringLiteral("FINHRK"), {{QStringLiteral("FIN_ID"), cariNo}, {QStringLiteral("BELGE_TIP"), f.BELGE_TIP}});
    w.insertFinhrk(finansHareketiParams(f));
    QVariantMap row = t;
    row.insert(QStringLiteral("CARI_NO"), cariNo);
    row.insert(QStringLiteral("TAH_REF"), cariNo);
    w.upsert(QStringLiteral("TAKSITS"), {kNo, kSira}, row);
    tx.commit();
}

bool TaksitTakip::odenmediYap(double satisNo, int siraNo)
{
    QVariantMap t = taksit(satisNo, siraNo);
    if (t.value(QStringLiteral("TAH_TUTAR")).toDouble() <= 0 && toText(t.value(kDur)).trimmed() != QLatin1String("E"))
        return false;
    if (!Prompter::instance().ask(
            QStringLiteral("Ödenmiş taksidi carinin hareketlerinden silmek üzeresiniz. Devam edilsin mi?")))
        return false;
    const double odenecek = t.value(QStringLiteral("ODEME_TUT")).toDouble() - t.value(QStringLiteral("CEZA_TUTAR")).toDouble();
    const QString satTip = toText(t.value(QStringLiteral("SAT_TIP"))).trimmed();
    DocumentWriter w(m_db);
    DbTransaction tx(m_db);
    if (t.value(QStringLiteral("CARI_NO")).toDouble() > 0)
        w.remove(QStringLiteral("FINHRK"), {{QStringLiteral("FIN_ID"), t.value(QStringLiteral("CARI_NO"))},
                                            {QStringLiteral("BELGE_TIP"), satTip.isEmpty() ? QStringLiteral("S") : satTip}});
    m_db.exec(QStringLiteral("UPDATE TAKSITS SET ODEME_TUT=:O, TAH_TUTAR=0, TAH_KALAN=:O, TAKSIT_ODENDI='H', "
                             "TAH_EDILDI=NULL, TAH_TRH=NULL, CEZA_ORAN=NULL, CEZA_TUTAR=NULL, CARI_NO=NULL, TAH_REF=NULL "
                             "WHERE SATIS_NO=:N AND SIRANO=:S"),
              {{QStringLiteral("O"), odenecek}, {QStringLiteral("N"), satisNo}, {QStringLiteral("S"), siraNo}});
    tx.commit();
    return true;
}

void TaksitTakip::vadeDegistir(double satisNo, int siraNo, const QDate& vade)
{
    const QVariantMap t = taksit(satisNo, siraNo);
    if (toText(t.value(kDur)).trimmed() == QLatin1String("E"))
        throw UserError(QStringLiteral("Ödemesi yapılmış taksidin Ödeme Tarihi değiştirilemez. İşlem iptal edildi."));
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("UPDATE TAKSITS SET ODE_TRH=:V WHERE SATIS_NO=:N AND SIRANO=:S"),
              {{QStringLiteral("V"), QDateTime(vade, QTime(0, 0))}, {QStringLiteral("N"), satisNo}, {QStringLiteral("S"), siraNo}});
    tx.commit();
}

void TaksitTakip::makbuzKontrol(double satisNo, int siraNo) const
{
    if (toText(taksit(satisNo, siraNo).value(kDur)).trimmed() != QLatin1String("E"))
        throw UserError(QStringLiteral("Ödemesi yapılmamış taksit için makbuz kesilemez."));
}

double TaksitTakip::kalanTutar(const Db& db, double satisNo)
{
    return db.scalar(QStringLiteral("SELECT (SUM(ODEME_TUT)-SUM(TAH_TUTAR)) AS KALAN_TUTAR FROM TAKSITS WHERE "
                                    "(SATIS_NO = :pSATIS_NO)"),
                     {{QStringLiteral("pSATIS_NO"), satisNo}})
        .toDouble();
}

ListQuery TaksitTakip::sorgu(const TaksitFiltre& f)
{
    ListQuery q;
    q.sql = QStringLiteral("SELECT SATIS_NO, SIRANO, ODE_TIP, ODE_TRH, ODEME_TUT, DOVIZ_KOD, CARI_KOD, BANKA_KOD, "
                           "HESAP_NO, TAKSIT_ODENDI, TAKSIT_ACIKLAMA, CARI_NO, TAH_TRH, ODEME_SEKLI, CEZA_ORAN, "
                           "CEZA_TUTAR, SAT_TIP, TAH_TUTAR, TAH_KALAN FROM TAKSITS WHERE (1=1)");
    auto aralik = [&](const QString& col, const QDate& bas, const QDate& son, const QString& ad) {
        if (bas.isValid())
            q.addWhere(col + QStringLiteral(">=:") + ad + QStringLiteral("B"), ad + QStringLiteral("B"),
                       QDateTime(bas, QTime(0, 0)));
        if (son.isValid())
            q.addWhere(col + QStringLiteral("<=:") + ad + QStringLiteral("S"), ad + QStringLiteral("S"),
                       QDateTime(son, QTime(23, 59, 59)));
    };
    aralik(QStringLiteral("TAH_TRH"), f.tahsilBas, f.tahsilSon, QStringLiteral("TAH"));
    aralik(QStringLiteral("ODE_TRH"), f.vadeBas, f.vadeSon, QStringLiteral("ODE"));
    if (f.durum == QLatin1String("H"))
        q.addWhere(QStringLiteral("(TAKSIT_ODENDI='H' OR TAKSIT_ODENDI IS NULL OR TAKSIT_ODENDI='')"));
    else if (!f.durum.isEmpty())
        q.addWhere(QStringLiteral("TAKSIT_ODENDI=:DURUM"), QStringLiteral("DURUM"), f.durum);
    if (!f.satTip.isEmpty())
        q.addWhere(QStringLiteral("SAT_TIP=:SATTIP"), QStringLiteral("SATTIP"), f.satTip);
    if (f.satisNo > 0)
        q.addWhere(QStringLiteral("SATIS_NO=:SATISNO"), QStringLiteral("SATISNO"), f.satisNo);
    if (!f.cariKod.isEmpty())
        q.addWhere(QStringLiteral("CARI_KOD=:CARI"), QStringLiteral("CARI"), f.cariKod);
    q.sql += QStringLiteral(" ORDER BY ODE_TRH, SATIS_NO, SIRANO");
    return q;
}

} // namespace nimbo
