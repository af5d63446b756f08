#include "demo/DemoData.h"
#include "demo/DemoPrompter.h"
#include "finance/TaksitTakip.h"
#include "services/SessionContext.h"
#include "trade/AlisBelgesi.h"
#include "trade/SatisBelgesi.h"

#include <QSqlRecord>
#include <cmath>

namespace nimbo::demo {

namespace {

// One instalment document and what has been collected on it by `bugun`.
struct Ornek {
    int gunOnce;       // sold (or bought) this many days before bugun
    int sayi;          // instalments, monthly from a month after the sale
    QList<int> odenen; // collected in full on their due date
    int kismi;         // collected half, a few days before its due date (0: none)
};

// The four states the account list and the tracking list tell apart: paid off, late, partly
// paid and still open; in date order, as their invoice numbers run.
const Ornek kSatislar[] = {{200, 3, {1, 2, 3}, 0}, {130, 4, {1}, 0}, {50, 6, {1}, 2}, {20, 6, {}, 0}};
const Ornek kAlis{80, 4, {1, 2}, 0};

// The invoice numbers of the instalment series sort before the plain numeric series, so the
// "earlier number, later date" check of the sales never meets the other demo invoices.
QString faturaNo(const char* seri, int i) { return QStringLiteral("0%1%2").arg(QLatin1String(seri)).arg(i, 3, 10, QLatin1Char('0')); }

void planla(TicariBelge& b, const QDate& gun, int sayi)
{
    TaksitPlanGirdisi g = b.taksitGirdisi();
    g.pesinat = std::round(b.headerNumber(QStringLiteral("NETTUT")) * 0.2);
    g.pesinatTarihi = gun;
    g.taksitSayisi = sayi;
    g.odemeSekli = QStringLiteral("N");
    b.setTaksitPlani(g, b.taksit().planla(g));
}

void tahsilEt(TaksitTakip& t, const TicariBelge& b, const Ornek& o, const QDate& bugun)
{
    const double no = b.key().toDouble();
    for (const QVariantMap& r : b.taksit().taksitler()) {
        const int sira = r.value(QStringLiteral("SIRANO")).toInt();
        const QDate vade = toDate(r.value(QStringLiteral("ODE_TRH")));
        const double tutar = r.value(QStringLiteral("ODEME_TUT")).toDouble();
        if (o.odenen.contains(sira))
            t.tahsilEt(no, sira, tutar, vade, QStringLiteral("N"));
        else if (sira == o.kismi)
            t.tahsilEt(no, sira, std::round(tutar / 2), std::min(vade.addDays(-5), bugun), QStringLiteral("N"));
    }
}

void satirlar(TicariBelge& b, const QList<double>& stoklar, int i)
{
    for (int k = 0; k < 2; ++k) {
        const int r = b.stokEkle(stoklar.at((i * 5 + k * 3) % stoklar.size()));
        b.setLine(r, QStringLiteral("MIKTAR"), double(2 + k));
        // An item without a price of this side's list is typed at a round price.
        if (b.lines().number(r, QStringLiteral("FYT_DOVIZ")) <= 0)
            b.setLine(r, QStringLiteral("FYT_DOVIZ"), 250.0);
    }
}

} // namespace

void fillInstalmentDemo(const Db& db, int year)
{
    // Customers for the sales and a supplier for the purchase, from the ends of their code
    // groups; a chart without those groups gives any lira accounts.
    auto hesaplar = [&db](const QString& onek) {
        QStringList out;
        for (const QSqlRecord& r : db.records(
                 QStringLiteral("SELECT CARI_KOD FROM CARI WHERE CARI_KOD LIKE :O AND COALESCE(DOVIZ_KODU, 'TL') = 'TL' "
                                "AND COALESCE(RISK_DIG, '') NOT IN ('U', 'D') AND COALESCE(RISK_IRS, '') NOT IN "
                                "('U', 'D') AND COALESCE(AVUKATVER, 'H') <> 'E' ORDER BY CARI_KOD DESC"),
                 {{QStringLiteral("O"), onek}}))
            out << toText(r.value(0)).trimmed();
        return out;
    };
    const int adet = int(std::size(kSatislar));
    QStringList cariler = hesaplar(QStringLiteral("120%"));
    if (cariler.size() < adet)
        cariler = hesaplar(QStringLiteral("%"));
    const QStringList saticilar = hesaplar(QStringLiteral("320%"));
    const QString satici = saticilar.isEmpty() ? cariler.value(adet) : saticilar.first();
    QList<double> stoklar;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT STOK_NO FROM STOK WHERE SAT_SKFYT_TL > 0 ORDER BY STOK_NO")))
        stoklar << r.value(0).toDouble();
    if (cariler.size() < adet || satici.isEmpty() || stoklar.isEmpty())
        return;
    // The states are told apart by today; a past year is seen from its middle of December.
    const QDate bugun = QDate::currentDate().year() == year ? QDate::currentDate() : QDate(year, 12, 15);
    std::unique_ptr<Prompter> onceki = Prompter::install(std::make_unique<DemoPrompter>());
    TaksitTakip takip(db);

    for (int i = 0; i < adet; ++i) {
        const Ornek& o = kSatislar[i];
        const QDate gun = bugun.addDays(-o.gunOnce);
        SatisBelgesi b(db);
        b.setHeader(QStringLiteral("TIP"), QStringLiteral("F"));
        b.setHeader(QStringLiteral("FATARIH"), gun);
        b.setHeader(QStringLiteral("VADETRH"), gun);
        b.setHeader(QStringLiteral("FAT_NO"), faturaNo("TK", i + 1));
        b.setHeader(QStringLiteral("CARIKOD"), cariler.at(i));
        b.setHeader(QStringLiteral("ODE_TIP"), QStringLiteral("T"));
        b.setHeader(QStringLiteral("ACIKLAMA"), QStringLiteral("Taksitli Demo"));
        satirlar(b, stoklar, i);
        planla(b, gun, o.sayi);
        b.save();
        tahsilEt(takip, b, o, bugun);
    }

    const QDate gun = bugun.addDays(-kAlis.gunOnce);
    AlisBelgesi a(db);
    a.setHeader(QStringLiteral("TIP"), QStringLiteral("F"));
    a.setHeader(QStringLiteral("FATARIH"), gun);
    a.setHeader(QStringLiteral("VADETRH"), gun);
    a.setHeader(QStringLiteral("FAT_NO"), faturaNo("TA", 1));
    a.setHeader(QStringLiteral("CARIKOD"), satici);
    a.setHeader(QStringLiteral("ODE_TIP"), QStringLiteral("T"));
    a.setHeader(QStringLiteral("ACIKLAMA"), QStringLiteral("Taksitli Demo"));
    satirlar(a, stoklar, adet);
    planla(a, gun, kAlis.sayi);
    a.save();
    tahsilEt(takip, a, kAlis, bugun);
    Prompter::install(std::move(onceki));
}

} // namespace nimbo::demo
