#include "StockTestUtil.h"
#include "stock/StockListQuery.h"
#include "support/TestEnv.h"

#include <QSqlQuery>

using namespace nimbo;
using namespace nimbo::test;

namespace {
class StockListQueryTest : public YearDbTest {
protected:
    QStringList codes(const StockFilter& f)
    {
        const ListQuery q = StockListQuery::build(db.dialect(), f).whole(db.dialect());
        QStringList out;
        QSqlQuery r = db.exec(q.sql, q.params);
        while (r.next())
            out << toText(r.value(QStringLiteral("STOK_KOD_NO"))).trimmed();
        return out;
    }
};
} // namespace

// Unfiltered: the first 500 rows only. A filter reads every matching row.
TEST_F(StockListQueryTest, UnfilteredListStopsAt500)
{
    DbTransaction tx(db);
    for (int i = 0; i < 520; ++i)
        db.exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, PASIF) VALUES (:N, :K, 'x', 'A')",
                {{"N", i + 1}, {"K", QStringLiteral("K%1").arg(i, 4, 10, QLatin1Char('0'))}});
    tx.commit();
    EXPECT_EQ(codes({}).size(), 500);
    StockFilter f;
    f.pasif = "A";
    EXPECT_EQ(codes(f).size(), 520);
}

// Free text matches any of the concatenated columns, a quote is data, and stock state,
// groups and order work together.
TEST_F(StockListQueryTest, FilterClausesAndOrder)
{
    db.exec("INSERT INTO FIRMA (FIRMANO, FIRMA_ADI) VALUES (7, 'Bosch')");
    const double a = saveItem(db, "A-1", {{"STOK_ADI_TR", "O'Neil vida"}, {"FIRMANO", 7}, {"YER4", "RAF9"}});
    const double b = saveItem(db, "B-1", {{"STOK_ADI_TR", "Somun"}, {"ESKI_STOK_KOD", "ESKI77"}, {"ANAGRUPNO", 2}});
    const double c = saveItem(db, "C-1", {{"STOK_ADI_TR", "Pul"}, {"TEMSILCI", "T01"}, {"YENI_KOD_SON", "C-2"}});
    addMovement(db, a, 1, 5, 0, 1);
    addMovement(db, b, 1, 5, 5, 2); // nothing left
    addMovement(db, c, 2, 1, 0, 3);

    StockFilter f;
    // Turkish case folding: the capital of "i" is "İ" (a capital "I" would be "ı").
    f.text = "o'nEİL";
    EXPECT_EQ(codes(f), QStringList{"A-1"});
    f.text = "raf9";
    EXPECT_EQ(codes(f), QStringList{"A-1"});
    f.text = "ESKI77";
    EXPECT_EQ(codes(f), QStringList{"B-1"});
    f.text = "%";
    EXPECT_TRUE(codes(f).isEmpty()); // a wildcard typed by the user is a character
    f.text.clear();

    f.stock = StockFilter::InStock::InStock;
    EXPECT_EQ(codes(f), (QStringList{"A-1", "C-1"}));
    f.stock = StockFilter::InStock::NotInStock;
    EXPECT_EQ(codes(f), QStringList{"B-1"});
    f.stock = StockFilter::InStock::All;

    f.firmaNo = 7;
    EXPECT_EQ(codes(f), QStringList{"A-1"});
    f.firmaNo = {};
    f.anaGrupNo = 2;
    EXPECT_EQ(codes(f), QStringList{"B-1"});
    f.anaGrupNo = {};
    f.temsilci = "T01";
    EXPECT_EQ(codes(f), QStringList{"C-1"});
    f.temsilci.clear();
    f.kodFrom = "B";
    f.kodTo = "C-9";
    f.orderBy = "STOK_ADI_TR";
    f.descending = true;
    EXPECT_EQ(codes(f), (QStringList{"B-1", "C-1"}));
    f.descending = false;
    EXPECT_EQ(codes(f), (QStringList{"C-1", "B-1"}));

    StockFilter byBrand;
    byBrand.orderBy = "FIRMA_ADI";
    byBrand.descending = true;
    byBrand.pasif = "A";
    EXPECT_EQ(codes(byBrand).first(), "A-1");

    const ListQuery q = StockListQuery::build(db.dialect(), StockFilter{.kod = "C-1"}).whole(db.dialect());
    QSqlQuery r = db.exec(q.sql, q.params);
    ASSERT_TRUE(r.next());
    EXPECT_EQ(toText(r.value("DEGISEN")).trimmed(), "D");
}

// 'A' is the only active value: the passive filter finds every other value, an empty one too.
TEST_F(StockListQueryTest, PassiveFilterTakesEveryValueButA)
{
    saveItem(db, "P-A");
    saveItem(db, "P-P", {{"PASIF", "P"}});
    saveItem(db, "P-H", {{"PASIF", "H"}});
    saveItem(db, "P-0", {{"PASIF", QVariant()}});
    StockFilter f;
    f.pasif = "P";
    f.orderBy = "STOK_KOD_NO";
    EXPECT_EQ(codes(f), (QStringList{"P-0", "P-H", "P-P"}));
    f.pasif = "A";
    EXPECT_EQ(codes(f), QStringList{"P-A"});
    f.pasif.clear();
    f.text = "P-";
    EXPECT_EQ(codes(f).size(), 4);
}

// Stock on hand is the sum over all warehouses: an item whose warehouses cancel out is not in
// stock, and a movement that names no item leaves both lists as they are.
TEST_F(StockListQueryTest, InStockSumsEveryWarehouseAndIgnoresMovementsWithoutItem)
{
    const double a = saveItem(db, "H-A");
    const double b = saveItem(db, "H-B");
    saveItem(db, "H-C");
    addMovement(db, a, 1, 4, 0, 1);
    addMovement(db, a, 2, 0, 1, 2);
    addMovement(db, b, 1, 3, 0, 3);
    addMovement(db, b, 2, 0, 3, 4);
    db.exec("INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, DEPO_KODU) "
            "VALUES (9, 'D', 1, NULL, 5, 0, 1)");
    StockFilter f;
    f.orderBy = "STOK_KOD_NO";
    f.stock = StockFilter::InStock::InStock;
    EXPECT_EQ(codes(f), QStringList{"H-A"});
    f.stock = StockFilter::InStock::NotInStock;
    EXPECT_EQ(codes(f), (QStringList{"H-B", "H-C"}));
    f.text = "h-c";
    EXPECT_EQ(codes(f), QStringList{"H-C"});
}

// The changed flag needs a successor code: none, an empty one or only spaces leave it blank.
TEST_F(StockListQueryTest, ChangedFlagOnlyForARealSuccessorCode)
{
    saveItem(db, "Y-1", {{"YENI_KOD_SON", "Y-9"}});
    saveItem(db, "Y-2", {{"YENI_KOD_SON", "   "}});
    saveItem(db, "Y-3", {{"YENI_KOD_SON", ""}});
    saveItem(db, "Y-4");
    StockFilter f;
    f.text = "Y-";
    f.orderBy = "STOK_KOD_NO";
    const ListQuery q = StockListQuery::build(db.dialect(), f).whole(db.dialect());
    QSqlQuery r = db.exec(q.sql, q.params);
    QStringList flags;
    while (r.next())
        flags << toText(r.value("STOK_KOD_NO")).trimmed() + QLatin1Char('=') + toText(r.value("DEGISEN")).trimmed();
    EXPECT_EQ(flags, (QStringList{"Y-1=D", "Y-2=", "Y-3=", "Y-4="}));
}
