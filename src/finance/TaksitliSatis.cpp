#include "finance/TaksitliSatis.h"
#include "db/DocumentWriter.h"
#include "db/Errors.h"
#include "db/SqlValues.h"

#include <cmath>

namespace nimbo {

namespace {

const QString kNo = QStringLiteral("SATIS_NO");
const QString kSira = QStringLiteral("SIRANO");
const QString kVade = QStringLiteral("ODE_TRH");
const QString kTutar = QStringLiteral("ODEME_TUT");
const QString kCeza = QStringLiteral("CEZA_TUTAR");
const QString kTahsil = QStringLiteral("TAH_TUTAR");
const QString kDurum = QStringLiteral("TAKSIT_ODENDI");
const double kKurus = 0.005;

// What a collection leaves on an instalment, besides the amount collected.
const QStringList& tahsilKolonlari()
{
    static const QStringList k{QStringLiteral("CARI_NO"),   QStringLiteral("TAH_TRH"),   QStringLiteral("TAH_REF"),
                               QStringLiteral("TAH_EDILDI"), QStringLiteral("TAH_SEKLI"), QStringLiteral("CEZA_ORAN"),
                               kCeza,                        QStringLiteral("BANKA_KOD"), QStringLiteral("HESAP_NO"),
                               kTahsil};
    return k;
}

double taban(const QVariantMap& t) { return t.value(kTutar).toDouble() - t.value(kCeza).toDouble(); }

bool aySonu(const QDate& d) { return d.isValid() && d.day() == d.daysInMonth(); }

[[noreturn]] void degistirilemez()
{
    throw UserError(QStringLiteral("Bu Hareketin Taksit Ödemesi Yapılmış.Değiştirilemez."));
}

} // namespace

TaksitliSatis::TaksitliSatis(const Db& db, const QString& satTip) : m_db(db), m_satTip(satTip) { temizle(); }

void TaksitliSatis::temizle()
{
    m_girdi = TaksitPlanGirdisi{};
    m_girdi.satTip = m_satTip;
    m_taksitler.clear();
}

void TaksitliSatis::oku(double belgeNo, double net, const QDate& tarih)
{
    temizle();
    m_girdi.satisNo = belgeNo;
    m_girdi.satisTutari = net;
    m_girdi.pesinatTarihi = tarih;
    double toplam = 0;
    bool hepsiAySonu = true;
    for (const QSqlRecord& r :
         m_db.records(QStringLiteral("SELECT * FROM TAKSITS WHERE SATIS_NO=:N ORDER BY SIRANO"), {{QStringLiteral("N"), belgeNo}})) {
        QVariantMap t = rowMap(r);
        for (const char* c : {"ODE_TRH", "TAH_TRH", "CDATE"})
            if (!t.value(QString::fromLatin1(c)).isNull())
                t.insert(QString::fromLatin1(c), toDateTime(t.value(QString::fromLatin1(c))));
        const QDate vade = toDate(t.value(kVade));
        if (!m_girdi.ilkVade.isValid() || vade < m_girdi.ilkVade)
            m_girdi.ilkVade = vade;
        hepsiAySonu = hepsiAySonu && aySonu(vade);
        toplam += taban(t);
        m_taksitler << t;
    }
    if (m_taksitler.isEmpty())
        return;
    const QVariantMap& ilk = m_taksitler.first();
    m_girdi.cariKod = toText(ilk.value(QStringLiteral("CARI_KOD"))).trimmed();
    m_girdi.doviz = toText(ilk.value(QStringLiteral("DOVIZ_KOD"))).trimmed();
    m_girdi.odemeSekli = toText(ilk.value(QStringLiteral("ODEME_SEKLI"))).trimmed();
    m_girdi.pesinat = net - toplam;
    if (std::abs(m_girdi.pesinat) < kKurus)
        m_girdi.pesinat = 0;
    m_girdi.taksitSayisi = int(m_taksitler.size());
    m_girdi.aySonu = hepsiAySonu;
}

void TaksitliSatis::okuKayitli(double belgeNo)
{
    const QString tip = toText(m_db.scalar(QStringLiteral("SELECT MAX(SAT_TIP) FROM TAKSITS WHERE SATIS_NO=:N"),
                                           {{QStringLiteral("N"), belgeNo}}))
                            .trimmed();
    if (!tip.isEmpty())
        m_satTip = tip;
    const bool alis = m_satTip == QLatin1String("A");
    const auto r = m_db.records(alis ? QStringLiteral("SELECT NETTUT, FATARIH FROM ALIS WHERE ALIS_NO=:N")
                                     : QStringLiteral("SELECT NETTUT, FATARIH FROM SATIS WHERE SATIS_NO=:N"),
                                {{QStringLiteral("N"), belgeNo}});
    oku(belgeNo, r.isEmpty() ? 0 : r.first().value(0).toDouble(), r.isEmpty() ? QDate() : toDate(r.first().value(1)));
}

double TaksitliSatis::sonTaksitliBelge(const Db& db)
{
    return db.scalar(QStringLiteral("SELECT MAX(SATIS_NO) FROM TAKSITS")).toDouble();
}

QList<QVariantMap> TaksitliSatis::tahsilEdilenler(double belgeNo) const
{
    QList<QVariantMap> out;
    if (belgeNo <= 0)
        return out;
    for (const QSqlRecord& r : m_db.records(QStringLiteral("SELECT * FROM TAKSITS WHERE SATIS_NO=:N AND (TAH_TUTAR>0 "
                                                            "OR TAKSIT_ODENDI='E' OR TAKSIT_ODENDI='Y') ORDER BY SIRANO"),
                                            {{QStringLiteral("N"), belgeNo}}))
        out << rowMap(r);
    return out;
}

bool TaksitliSatis::tahsilatVar(const Db& db, double belgeNo)
{
    return db.any(QStringLiteral("SELECT 1 FROM TAKSITS WHERE SATIS_NO=:N AND (TAH_TUTAR>0 OR TAKSIT_ODENDI='E' OR "
                                 "TAKSIT_ODENDI='Y')"),
                  {{QStringLiteral("N"), belgeNo}});
}

QList<QVariantMap> TaksitliSatis::birlestir(QList<QVariantMap> plan, const QList<QVariantMap>& tahsil, bool kati)
{
    // Every row starts unpaid at its own amount; a collection found on the stored document
    // is then laid over its instalment.
    for (QVariantMap& p : plan) {
        const double t = taban(p);
        for (const QString& k : tahsilKolonlari())
            p.remove(k);
        p.insert(kTutar, t);
        p.insert(kTahsil, 0.0);
        p.insert(QStringLiteral("TAH_KALAN"), t);
        p.insert(kDurum, QStringLiteral("H"));
    }
    for (const QVariantMap& c : tahsil) {
        const int sira = c.value(kSira).toInt();
        auto it = std::find_if(plan.begin(), plan.end(), [sira](const QVariantMap& p) { return p.value(kSira).toInt() == sira; });
        if (it == plan.end() || toDate(it->value(kVade)) != toDate(c.value(kVade))) {
            if (kati)
                throw UserError(QStringLiteral("Ödemesi yapılmış taksidin Ödeme Tarihi değiştirilemez. İşlem iptal edildi."));
            continue;
        }
        QVariantMap& p = *it;
        for (const QString& k : tahsilKolonlari())
            p.insert(k, c.value(k));
        const double odenecek = p.value(kTutar).toDouble() + c.value(kCeza).toDouble();
        const double kalan = odenecek - c.value(kTahsil).toDouble();
        if (kalan < -kKurus && kati)
            throw UserError(QStringLiteral("Tahsil Tutarı Ödenecek Tutardan fazla olamaz. İşlem iptal edildi."));
        p.insert(kTutar, odenecek);
        p.insert(QStringLiteral("TAH_KALAN"), kalan);
        p.insert(kDurum, kalan <= kKurus ? QStringLiteral("E") : QStringLiteral("Y"));
        if (!p.value(QStringLiteral("TAH_TRH")).isNull())
            p.insert(QStringLiteral("TAH_TRH"), toDateTime(p.value(QStringLiteral("TAH_TRH"))));
    }
    return plan;
}

QList<QVariantMap> TaksitliSatis::planla(const TaksitPlanGirdisi& g) const
{
    return birlestir(TaksitPlani::olustur(g), tahsilEdilenler(g.satisNo), false);
}

void TaksitliSatis::kabul(const TaksitPlanGirdisi& g, const QList<QVariantMap>& taksitler)
{
    TaksitPlani::denetle(g, taksitler);
    QList<QVariantMap> rows = birlestir(taksitler, tahsilEdilenler(g.satisNo), true);
    m_girdi = g;
    m_girdi.satTip = m_satTip;
    m_taksitler = rows;
}

QList<QVariantMap> TaksitliSatis::hazirla(const Belge& b) const
{
    const QList<QVariantMap> tahsil = tahsilEdilenler(b.no);
    if (!b.taksitli) {
        if (!tahsil.isEmpty())
            degistirilemez();
        return {};
    }
    if (m_taksitler.isEmpty())
        throw UserError(QStringLiteral("Taksit Sayısı Girilmeden Taksitli ") + b.ad + QStringLiteral(" Saklanamaz."));
    TaksitPlanGirdisi g = m_girdi;
    g.satisTutari = b.net;
    TaksitPlani::denetle(g, m_taksitler);
    for (const QVariantMap& c : tahsil)
        if (toText(c.value(QStringLiteral("CARI_KOD"))).trimmed() != b.cariKod)
            degistirilemez();
    QList<QVariantMap> rows = birlestir(m_taksitler, tahsil, true);
    const QDateTime simdi = QDateTime::currentDateTime();
    for (QVariantMap& r : rows) {
        r.insert(kNo, b.no);
        r.insert(QStringLiteral("SAT_TIP"), m_satTip);
        r.insert(QStringLiteral("CARI_KOD"), b.cariKod);
        r.insert(QStringLiteral("DOVIZ_KOD"), b.doviz);
        r.insert(kVade, QDateTime(toDate(r.value(kVade)), QTime(0, 0)));
        if (r.value(QStringLiteral("CDATE")).isNull())
            r.insert(QStringLiteral("CDATE"), simdi);
    }
    return rows;
}

void TaksitliSatis::yaz(DocumentWriter& w, const Belge& b) const
{
    w.replace(QStringLiteral("TAKSITS"), {{kNo, b.no}}, hazirla(b));
}

} // namespace nimbo
