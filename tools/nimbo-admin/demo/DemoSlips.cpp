#include "db/SchemaDef.h"
#include "demo/DemoPlan.h"
#include "demo/DemoData.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"
#include "stock/StokFisi.h"

#include <QSqlRecord>

namespace nimbo::demo {

namespace {

struct Item {
    double no = 0;
    double cost = 0;
};

// The slips are saved as the demo's manager, on the year database opened as the session's.
class SlipWriter {
public:
    explicit SlipWriter(const Db& db) : m_db(db) {}

    double save(const QString& tip, const QDate& day, const QList<std::tuple<Item, double, int>>& lines,
                int from = 0, int to = 0, const QString& state = {}, const QString& note = {})
    {
        StokFisi f(m_db, tip);
        f.setHeader(QStringLiteral("TARIH"), demoTarihi(day));
        f.setHeader(QStringLiteral("PERSON_KOD"), m_staff.at(int(m_count++ % m_staff.size())));
        f.setHeader(QStringLiteral("CIKDEPO"), from);
        f.setHeader(QStringLiteral("GIRDEPO"), to);
        if (!state.isEmpty())
            f.setHeader(QStringLiteral("HRKDURUM"), state);
        f.setHeader(QStringLiteral("ACIKLAMA1"), note);
        for (const auto& [item, qty, depo] : lines)
            f.setLine(f.satirEkle(item.no, qty, depo), QStringLiteral("FYT_DOVIZ"), item.cost);
        f.save();
        return f.hrkNo();
    }
    void setStaff(const QStringList& s) { m_staff = s; }

private:
    Db m_db;
    QStringList m_staff;
    qint64 m_count = 0;
};

} // namespace

void fillSlipDemo(const Db& adminDb, int year)
{
    const Db db = Db::open(kOrbita, adminDb.params());
    SessionContext& s = SessionContext::current();
    s.KullaniciAdi = QStringLiteral("YONETICI");
    for (const QString& c : kimkulRightColumns())
        s.setHak(c, QStringLiteral("H"));
    s.setHak(QStringLiteral("STKFISDEPTRSFR"), QStringLiteral("E"));
    if (s.param.YERELDOVIZ.isEmpty())
        s.param.YERELDOVIZ = QStringLiteral("TL");

    QList<Item> items;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT STOK_NO, MALIYET_FYT_TL FROM STOK ORDER BY STOK_NO")))
        items << Item{r.value(0).toDouble(), r.value(1).toDouble()};
    SlipWriter w(db);
    QStringList staff;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT ISCI_KOD FROM CALISAN ORDER BY ISCI_KOD")))
        staff << toText(r.value(0)).trimmed();
    w.setStaff(staff.isEmpty() ? QStringList{QStringLiteral("P001")} : staff);

    // Opening balances: every warehouse gets its own slip. Four items in five sit in two of
    // the first three warehouses; a few also in the İzmir and consignment warehouses.
    const QDate opening(year, 1, 2);
    QList<std::tuple<Item, double, int>> perDepo[6];
    for (int i = 1; i <= items.size(); ++i) {
        const Item& it = items.at(i - 1);
        if (i % 5 == 0)
            continue;
        const double qty = 10 + (i * 17) % 190;
        perDepo[1 + i % 3] << std::tuple{it, qty, 1 + i % 3};
        perDepo[1 + (i + 1) % 3] << std::tuple{it, qty / 2, 1 + (i + 1) % 3};
        if (i % 7 == 0)
            perDepo[4] << std::tuple{it, 25.0, 4};
        if (i % 11 == 0)
            perDepo[5] << std::tuple{it, 12.0, 5};
    }
    for (int d = 1; d <= 5; ++d)
        w.save(QStringLiteral("D"), opening, perDepo[d], 0, 0, {}, QStringLiteral("Dönem başı devir"));

    auto pick = [&](int from, int n, double qty, int depo) {
        QList<std::tuple<Item, double, int>> out;
        for (int k = 0; k < n; ++k)
            out << std::tuple{items.at((from + k * 7) % items.size()), qty, depo};
        return out;
    };
    // Transfers between warehouses over the year; the last one is still on its way.
    const struct { int month, from, to, first; } transfers[] = {
        {2, 2, 4, 0}, {4, 2, 3, 31}, {6, 1, 2, 61}, {9, 3, 5, 91}, {10, 2, 1, 121}};
    for (const auto& t : transfers)
        w.save(QStringLiteral("O"), QDate(year, t.month, 10), pick(t.first, 6, 2, t.to), t.from, t.to,
               QStringLiteral("T"), QStringLiteral("Depolar arası sevk"));
    w.save(QStringLiteral("O"), QDate(year, 11, 20), pick(151, 4, 3, 2), 1, 2, QStringLiteral("E"),
           QStringLiteral("Planlanan sevk"));
    // Count differences, wastage and consumption.
    w.save(QStringLiteral("T"), QDate(year, 6, 30), pick(201, 5, 2, 1), 0, 0, {}, QStringLiteral("Yıl ortası sayım"));
    w.save(QStringLiteral("Z"), QDate(year, 12, 28), pick(301, 5, 1, 2), 0, 0, {}, QStringLiteral("Yıl sonu sayım"));
    w.save(QStringLiteral("F"), QDate(year, 3, 15), pick(401, 3, 1, 2), 0, 0, {}, QStringLiteral("Kırık ürün"));
    w.save(QStringLiteral("F"), QDate(year, 9, 5), pick(501, 3, 1, 1), 0, 0, {}, QStringLiteral("Nemden bozulan"));
    w.save(QStringLiteral("R"), QDate(year, 5, 12), pick(601, 4, 1, 3), 0, 0, {}, QStringLiteral("Servis sarfı"));

    closeCounterConnection(db);
    Db::close(kOrbita);
}

} // namespace nimbo::demo
