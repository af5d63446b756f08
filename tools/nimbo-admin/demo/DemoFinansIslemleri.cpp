#include "demo/DemoData.h"
#include "demo/DemoPlan.h"
#include "finance/FinansBelgesi.h"

#include <QSqlRecord>

namespace nimbo::demo {

namespace {

QStringList kodlar(const Db& db, const char* sql)
{
    QStringList out;
    for (const QSqlRecord& r : db.records(QString::fromUtf8(sql)))
        out << toText(r.value(0)).trimmed();
    return out;
}

int belge(const Db& db, const QString& tip, const QString& tip2, const QDate& gun, const QString& kod,
          const QString& kod2, const QList<std::function<void(FinansBelgesi&, int)>>& satirlar, const QString& aciklama)
{
    FinansBelgesi b(db, tip, tip2);
    b.setHeader(QStringLiteral("ISLEM_TRH"), demoTarihi(gun));
    b.setHeader(QStringLiteral("KODU"), kod);
    if (!kod2.isEmpty())
        b.setHeader(QStringLiteral("KODU2"), kod2);
    b.setHeader(QStringLiteral("ACIKLAMA"), aciklama);
    for (const auto& s : satirlar)
        s(b, b.addLine());
    return b.save().key.toInt();
}

std::function<void(FinansBelgesi&, int)> satir(const QString& kod, double tutar, const QString& kod2 = {})
{
    return [=](FinansBelgesi& b, int r) {
        b.setLine(r, QStringLiteral("KODU"), kod);
        if (!kod2.isEmpty())
            b.setLine(r, QStringLiteral("KODU2"), kod2);
        b.setLine(r, FinansBelgesi::kTutar, tutar);
    };
}

std::function<void(FinansBelgesi&, int)> cek(const QString& seri, const QString& borclu, const QDate& vade, double tutar)
{
    return [=](FinansBelgesi& b, int r) {
        b.setLine(r, QStringLiteral("KODU"), seri);
        b.setLine(r, QStringLiteral("ADI"), borclu);
        b.setLine(r, QStringLiteral("VADE_TRH"), vade);
        b.setLine(r, FinansBelgesi::kTutar, tutar);
    };
}

std::function<void(FinansBelgesi&, int)> portfoy(double no)
{
    return [=](FinansBelgesi& b, int r) { b.setLine(r, QStringLiteral("CEK_NO"), no); };
}

} // namespace

// A year of finance documents of every main kind, written through the finance document:
// collections and payments through the desks, cash in and out, transfers and deposits at
// the bank, debit and credit notes, and cheques received, endorsed, given to the bank and
// collected there.
void fillFinansIslemleriDemo(const Db& db, int year, const QStringList& cariler)
{
    const QStringList kasalar = kodlar(db, "SELECT KASAKOD FROM KASA WHERE KASAKOD<>'PK' AND "
                                           "COALESCE(DOVIZ_KOD, 'TL')='TL' ORDER BY KASAKOD");
    const auto hesaplar = db.records(QStringLiteral("SELECT BANKA_KOD, HESAP_NO FROM BANKAYR WHERE DOVIZ_KODU='TL' "
                                                    "AND HESAR_TURU='1' ORDER BY BANKA_KOD, HESAP_NO"));
    if (kasalar.isEmpty() || hesaplar.isEmpty() || cariler.size() < 2)
        return;
    const QString banka = toText(hesaplar.first().value(0)).trimmed();
    const QString hesap = toText(hesaplar.first().value(1)).trimmed();
    const QString kasa = kasalar.first();
    const QString kasa2 = kasalar.value(1, kasa);
    auto cari = [&](int i) { return cariler.at(i % cariler.size()); };

    for (int ay = 1; ay <= 12; ++ay) {
        const QDate gun(year, ay, 5);
        const double t = 1000 + ay * 125;
        belge(db, QStringLiteral("C"), QStringLiteral("N"), gun, cari(ay), {}, {satir(kasa, t), satir(kasa2, t / 4)},
              QString::fromUtf8("Nakit tahsilat"));
        belge(db, QStringLiteral("C"), QStringLiteral("A"), gun.addDays(2), cari(ay + 3), {}, {satir(kasa, t / 2)},
              QString::fromUtf8("Nakit ödeme"));
        belge(db, QStringLiteral("K"), QStringLiteral("C"), gun.addDays(3), kasa, {}, {satir(kasa2, 150)},
              QString::fromUtf8("Kasadan kasaya"));
        belge(db, QStringLiteral("B"), QStringLiteral("G"), gun.addDays(6), banka, hesap,
              {satir(cari(ay + 1), t * 2), satir(cari(ay + 2), t)}, QString::fromUtf8("Gelen havaleler"));
        belge(db, QStringLiteral("B"), QStringLiteral("Y"), gun.addDays(8), banka, hesap, {satir(kasa, t / 3)},
              QString::fromUtf8("Bankaya yatırılan"));
        if (ay % 3 == 0) {
            belge(db, QStringLiteral("C"), QStringLiteral("D"), gun.addDays(10), cari(ay), {}, {satir(cari(ay + 5), 80)},
                  QString::fromUtf8("Cari dekont"));
        }
        // Cheques: two received, one endorsed, one given to the bank and (most months) collected.
        const QString seri = QStringLiteral("D%1-%2").arg(year).arg(ay, 2, 10, QLatin1Char('0'));
        belge(db, QStringLiteral("E"), QStringLiteral("0"), gun.addDays(1), cari(ay), {},
              {cek(seri + QStringLiteral("A"), QString::fromUtf8("Borçlu A"), gun.addMonths(2), t),
               cek(seri + QStringLiteral("B"), QString::fromUtf8("Borçlu B"), gun.addMonths(3), t / 2)},
              QString::fromUtf8("Çek girişi"));
        auto no = [&](const QString& s) {
            return db.scalar(QStringLiteral("SELECT PORTFOYNO FROM CSKART WHERE SERI_NO=:S"), {{QStringLiteral("S"), s}})
                .toDouble();
        };
        if (ay % 2 == 0)
            belge(db, QStringLiteral("E"), QStringLiteral("1"), gun.addDays(12), cari(ay + 4), {},
                  {portfoy(no(seri + QStringLiteral("B")))}, QString::fromUtf8("Ciro"));
        belge(db, QStringLiteral("E"), QStringLiteral("3"), gun.addDays(15), banka, {},
              {portfoy(no(seri + QStringLiteral("A")))}, QString::fromUtf8("Bankaya tahsile"));
        if (ay < 11)
            belge(db, QStringLiteral("E"), QStringLiteral("5"), gun.addMonths(2), banka, {},
                  {portfoy(no(seri + QStringLiteral("A")))}, QString::fromUtf8("Bankada tahsil"));
    }
}

} // namespace nimbo::demo
