#include "accounts/CariListe.h"
#include "db/DbTransaction.h"
#include "model/ListPager.h"
#include "stock/StockListQuery.h"
#include "support/TestEnv.h"

#include <algorithm>

using namespace nimbo;
using namespace nimbo::test;

namespace {
// 1 000 accounts; SEMT repeats every 7 codes and is empty for every 10th, so sorting by it has
// ties and nulls that only the key can order.
class ListPagerTest : public YearDbTest {
protected:
    static constexpr int kRows = 1000;

    void SetUp() override
    {
        YearDbTest::SetUp();
        DbTransaction tx(db);
        for (int i = 0; i < kRows; ++i) {
            const QString kod = QStringLiteral("120.%1").arg(i, 4, 10, QLatin1Char('0'));
            const QVariant semt = i % 10 == 0 ? QVariant() : QVariant(QStringLiteral("Semt %1").arg(i % 7));
            db.exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, SEMT, PASIF) VALUES (:k, :a, :s, :p)",
                    {{"k", kod}, {"a", QStringLiteral("Firma %1").arg(kRows - i)}, {"s", semt},
                     {"p", i % 3 == 0 ? "P" : "A"}});
        }
        tx.commit();
    }

    static QStringList keys(const QVector<QSqlRecord>& rows, const QString& field = QStringLiteral("CARI_KOD"))
    {
        QStringList out;
        for (const QSqlRecord& r : rows)
            out << toText(r.value(field));
        return out;
    }

    // Reads a list the way the grid does: first page, then page after page.
    QStringList paged(const ListQuery& q, int pageSize, int* pages = nullptr,
                      const QString& field = QStringLiteral("CARI_KOD"))
    {
        ListPager p;
        p.setPageSize(pageSize);
        p.run(db, q);
        int n = 1;
        EXPECT_LE(p.rows().size(), pageSize);
        while (!p.atEnd()) {
            const auto page = p.nextPage();
            EXPECT_LE(page.size(), pageSize);
            p.append(page);
            ++n;
        }
        if (pages)
            *pages = n;
        return keys(p.rows(), field);
    }

    // The order the list promises, computed here: empty names first, then by value, ties by code.
    static QStringList expectedBySemt(bool descending)
    {
        QList<QPair<QString, QString>> rows;
        for (int i = 0; i < kRows; ++i)
            rows.append({i % 10 == 0 ? QString() : QStringLiteral("Semt %1").arg(i % 7),
                         QStringLiteral("120.%1").arg(i, 4, 10, QLatin1Char('0'))});
        std::sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
            const bool an = a.first.isNull(), bn = b.first.isNull();
            if (an != bn)
                return descending ? bn : an; // empties lowest
            if (a.first != b.first)
                return descending ? a.first > b.first : a.first < b.first;
            return descending ? a.second > b.second : a.second < b.second;
        });
        QStringList out;
        for (const auto& r : rows)
            out << r.second;
        return out;
    }
};
} // namespace

// The list comes in pages of at most the page size, each after the last row of the one before;
// together they are every row once, in code order, and the same rows a print reads.
TEST_F(ListPagerTest, PagesReadTheWholeListOnceInOrder)
{
    const ListQuery q = CariListe(db).sorgu({});
    int pages = 0;
    const QStringList all = paged(q, 100, &pages);
    ASSERT_EQ(all.size(), kRows);
    EXPECT_EQ(pages, 11); // ten full pages and the empty read that says the list ended
    QStringList sorted = all;
    sorted.sort();
    sorted.removeDuplicates();
    EXPECT_EQ(sorted, all);

    ListPager p;
    p.run(db, q);
    EXPECT_EQ(p.rows().size(), ListPager::kPageSize);
    EXPECT_EQ(keys(p.all()), all);

    // A filter pages the same way: only the active accounts.
    CariFiltre aktif;
    aktif.durum = CariFiltre::Durum::Aktif;
    EXPECT_EQ(paged(CariListe(db).sorgu(aktif), 64).size(), kRows - 334);
}

// Sorted by a column with repeated and empty values, pages neither skip nor repeat a row at a
// page edge that falls inside a run of equal values, both ways.
TEST_F(ListPagerTest, SortingByAColumnWithTiesAndEmpties)
{
    for (const bool desc : {false, true}) {
        ListQuery q = CariListe(db).sorgu({});
        ASSERT_TRUE(q.sortBy("SEMT", desc));
        const QStringList expected = expectedBySemt(desc);
        EXPECT_EQ(paged(q, 37), expected) << "descending " << desc;
        ListPager p;
        p.run(db, q);
        EXPECT_EQ(keys(p.all()), expected) << "descending " << desc;
    }
    ListQuery q = CariListe(db).sorgu({});
    EXPECT_FALSE(q.sortBy("NOT_A_COLUMN", true));
    EXPECT_FALSE(q.descending);
}

// Locating a saved row seeks it: the window starts around it, the rows before it read back
// page by page, and the list read that way is the list read from the start. A row outside the
// filter is not found.
TEST_F(ListPagerTest, SeekStartsTheWindowAtTheRowAndReadsBackwards)
{
    for (const bool bySemt : {false, true}) {
        ListQuery q = CariListe(db).sorgu({});
        if (bySemt)
            q.sortBy("SEMT", false);
        ListPager p;
        p.setPageSize(50);
        p.run(db, q);
        const QString target = QStringLiteral("120.0731");
        ASSERT_EQ(p.indexOf(target), -1);
        const ListPager::Window w = p.seek(target);
        ASSERT_GE(w.row, 0);
        EXPECT_EQ(toText(w.rows.at(w.row).value("CARI_KOD")), target);
        EXPECT_LE(w.rows.size(), 25 + 1 + 50);
        p.setWindow(w);
        while (!p.atStart())
            p.prepend(p.previousPage());
        while (!p.atEnd())
            p.append(p.nextPage());
        EXPECT_EQ(keys(p.rows()), keys(p.all())) << "by SEMT " << bySemt;
        EXPECT_EQ(p.rows().size(), kRows);
    }
    CariFiltre aktif;
    aktif.durum = CariFiltre::Durum::Aktif;
    ListPager p;
    p.run(db, CariListe(db).sorgu(aktif));
    EXPECT_EQ(p.seek(QStringLiteral("120.0300")).row, -1); // passive
    EXPECT_EQ(p.seek(QStringLiteral("120.9999")).row, -1); // no such account
}

// The stock list without a filter stops at its 500 rows, but a card saved beyond them is
// still found; sorted by a joined name that is empty for most items it pages like the rest.
TEST_F(ListPagerTest, CappedStockListAndJoinedSort)
{
    {
        DbTransaction tx(db);
        db.exec("INSERT INTO RENKLER (RENK_KOD, RENK_ADI) VALUES ('K', 'Kırmızı')");
        for (int i = 1; i <= 620; ++i)
            db.exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, PASIF, RENK) VALUES (:n, :k, 'x', 'A', :r)",
                    {{"n", i}, {"k", QStringLiteral("K%1").arg(i, 4, 10, QLatin1Char('0'))},
                     {"r", i % 9 == 0 ? QVariant("K") : QVariant()}});
        tx.commit();
    }
    const ListQuery q = StockListQuery::build(db.dialect(), {});
    ListPager p;
    p.run(db, q);
    while (!p.atEnd())
        p.append(p.nextPage());
    EXPECT_EQ(p.rows().size(), StockListQuery::kUnfilteredRows);
    EXPECT_EQ(toText(p.rows().last().value("STOK_KOD_NO")), "K0500");
    const ListPager::Window w = p.seek(600);
    ASSERT_GE(w.row, 0);
    EXPECT_EQ(toText(w.rows.at(w.row).value("STOK_KOD_NO")), "K0600");

    StockFilter f;
    f.pasif = "A";
    f.orderBy = "RENK_ADI";
    f.descending = true;
    const ListQuery byColour = StockListQuery::build(db.dialect(), f);
    const QStringList all = paged(byColour, 33, nullptr, "STOK_NO");
    ASSERT_EQ(all.size(), 620);
    // Descending: the 68 red items first (by number, descending), the uncoloured after them.
    ListPager whole;
    whole.run(db, byColour);
    const QStringList numbers = keys(whole.all(), "STOK_NO");
    EXPECT_EQ(all, numbers);
    EXPECT_EQ(numbers.first().toDouble(), 612);
    EXPECT_EQ(numbers.at(67).toDouble(), 9);
    EXPECT_EQ(numbers.at(68).toDouble(), 620);
    EXPECT_EQ(numbers.last().toDouble(), 1);
}
