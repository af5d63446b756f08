#include "SlipTestUtil.h"
#include "model/ListPager.h"
#include "stock/StokFisListesi.h"

#include <QSqlRecord>

using namespace nimbo;
using namespace nimbo::test;

namespace {

class StokFisListesiTest : public SlipTest {
protected:
    // The slip numbers of the list in order, read two rows a page as the grid reads them.
    QList<double> numbers(const StokFisListesi::Filtre& f)
    {
        ListPager p;
        p.setPageSize(2);
        p.run(db, StokFisListesi::sorgu(db.dialect(), f));
        while (!p.atEnd())
            p.append(p.nextPage());
        QList<double> out;
        for (const QSqlRecord& r : p.rows())
            out << r.value(QStringLiteral("HRKNO")).toDouble();
        return out;
    }
    double make(const QString& tip, const QDate& day, int from, int to, const QString& person = QStringLiteral("P1"),
                const QString& durum = QStringLiteral("T"))
    {
        StokFisi f(db, tip);
        f.setHeader("TARIH", day);
        f.setHeader("PERSON_KOD", person);
        if (f.transfer()) {
            f.setHeader("CIKDEPO", from);
            f.setHeader("GIRDEPO", to);
            f.setHeader("HRKDURUM", durum);
        }
        f.satirEkle(m_item, 1, from);
        f.save();
        return f.hrkNo();
    }
    void SetUp() override
    {
        SlipTest::SetUp();
        depo(3, "Ege");
        m_item = saveItem(db, "LS-1", {{"STOK_ADI_TR", "Işıklı Çıta"}});
    }
    double m_item = 0;
};

} // namespace

// The filters narrow by person, type, date (whole days), number range, state and an item
// name typed in any case; the orders by warehouse put the warehouse first and the day
// second, and a list read two rows at a time comes out the same.
TEST_F(StokFisListesiTest, FiltersAndWarehouseDateOrders)
{
    const double a = make("O", QDate(2026, 3, 5), 2, 1);
    const double b = make("O", QDate(2026, 1, 9), 2, 3, QStringLiteral("P2"), QStringLiteral("E"));
    const double c = make("O", QDate(2026, 2, 1), 1, 3);
    const double d = make("F", QDate(2026, 2, 1), 1, 0);
    const double e = make("O", QDate(2026, 1, 20), 1, 2);

    StokFisListesi::Filtre f;
    EXPECT_EQ(numbers(f), (QList<double>{e, d, c, b, a})); // newest number first
    f.sira = StokFisListesi::Sira::CikisDepoTarih;
    EXPECT_EQ(numbers(f), (QList<double>{d, e, c, b, a})); // no source first, then 1 by day, then 2
    f.sira = StokFisListesi::Sira::GirisDepoTarih;
    EXPECT_EQ(numbers(f), (QList<double>{d, a, e, b, c}));
    f.sira = StokFisListesi::Sira::Tarih;
    EXPECT_EQ(numbers(f), (QList<double>{b, e, c, d, a}));

    f = {};
    f.personKod = QStringLiteral("P2");
    EXPECT_EQ(numbers(f), (QList<double>{b}));
    f = {};
    f.tip = QStringLiteral("F");
    EXPECT_EQ(numbers(f), (QList<double>{d}));
    f = {};
    f.ilkTarih = QDate(2026, 1, 20);
    f.sonTarih = QDate(2026, 2, 1);
    EXPECT_EQ(numbers(f), (QList<double>{e, d, c}));
    f = {};
    f.ilkNo = b;
    f.sonNo = d;
    EXPECT_EQ(numbers(f), (QList<double>{d, c, b}));
    f = {};
    f.durum = QStringLiteral("E");
    EXPECT_EQ(numbers(f), (QList<double>{b}));
    f = {};
    f.stokAdi = QStringLiteral("ışıklı çı");
    EXPECT_EQ(numbers(f).size(), 5);
    f.stokAdi = QStringLiteral("vida");
    EXPECT_TRUE(numbers(f).isEmpty());
    f.stokAdi = QStringLiteral("50%'");
    EXPECT_TRUE(numbers(f).isEmpty()); // typed text is data, never SQL
}
