#include "SlipTestUtil.h"
#include "model/ListPager.h"
#include "stock/DepoStoklari.h"
#include "stock/Depolar.h"
#include "stock/StokDepoHareketleri.h"

#include <QSqlRecord>

using namespace nimbo;
using namespace nimbo::test;

namespace {

class DepoTest : public SlipTest {
protected:
    QVector<QSqlRecord> rows(const ListQuery& q) { return db.records(q.orderedSql(db.dialect()), q.params); }
};

} // namespace

// A warehouse card keeps its own selector column at 1 and the others at 0; a taken code,
// an empty name and a warehouse with movements are refused.
TEST_F(DepoTest, CardSelectorsDuplicatesAndDelete)
{
    DepoKarti k(db);
    k.startNew();
    EXPECT_EQ(k.depoKodu(), 3); // after 1 and 2
    k.setValue("DEPO_YERI", "İZMİR");
    try {
        k.save();
        ADD_FAILURE() << "saved without a name";
    } catch (const FieldError& e) {
        EXPECT_EQ(e.message(), "Gerekli Alanları Lüften Giriniz.");
        EXPECT_EQ(e.column(), "DEPO_ADI");
    }
    k.setValue("DEPO_ADI", "Ege");
    k.save();
    const auto r = db.records("SELECT * FROM DEPO WHERE DEPO_KODU = 3");
    for (int i = 1; i <= 20; ++i)
        EXPECT_DOUBLE_EQ(r[0].value(QStringLiteral("DEP%1").arg(i)).toDouble(), i == 3 ? 1 : 0) << i;

    DepoKarti dup(db);
    dup.startNew();
    dup.setValue("DEPO_KODU", 2);
    dup.setValue("DEPO_ADI", "İkinci");
    try {
        dup.save();
        ADD_FAILURE() << "a taken code was saved";
    } catch (const FieldError& e) {
        EXPECT_EQ(e.message(), "Aynı Kodlu Kayıt Var.");
    }

    DepoKarti edit(db);
    edit.open(3);
    EXPECT_EQ(edit.text("DEPO_YERI"), "İZMİR");
    edit.setValue("DEPO_ADI", "Ege Depo");
    EXPECT_TRUE(edit.isModified());
    edit.save();
    EXPECT_EQ(sqlText(db.scalar("SELECT DEPO_ADI FROM DEPO WHERE DEPO_KODU = 3")), "Ege Depo");

    const double item = saveItem(db, "DP-1");
    slip("D", {{item, 1, 1}}, 3);
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_THROW(Depolar(db).sil(3), UserError);
    (*prompter)->expectAsk("Kayıt Silinsin mi?", true);
    EXPECT_TRUE(Depolar(db).sil(2));
    const auto list = rows(Depolar::sorgu(db.dialect(), ""));
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(rows(Depolar::sorgu(db.dialect(), "ege")).size(), 1);
}

// Per warehouse and item: quantities and values in and out, the balance, and the filters
// for positive or negative balances, one warehouse, one unit and a code prefix.
TEST_F(DepoTest, WarehouseStockListAndFilters)
{
    const double a = saveItem(db, "WS-A", {{"UNITE_KODU", 1}});
    const double b = saveItem(db, "WS-B", {{"UNITE_KODU", 2}});
    slip("D", {{a, 10, 3}, {b, 2, 5}}, 1);
    slip("F", {{b, 5, 4}}, 1);
    slip("D", {{a, 1, 8}}, 2);

    DepoStoklari::Filtre f;
    auto all = rows(DepoStoklari::sorgu(f, db.dialect()));
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[0].value("DEPO_KODU").toInt(), 1);
    EXPECT_EQ(sqlText(all[0].value("STOK_KOD_NO")), "WS-A");
    EXPECT_EQ(sqlText(all[0].value("DEPO_ADI")), "Merkez");
    EXPECT_DOUBLE_EQ(all[1].value("GIRMIK").toDouble(), 2);
    EXPECT_DOUBLE_EQ(all[1].value("CIKMIK").toDouble(), 5);
    EXPECT_DOUBLE_EQ(all[1].value("MIKTAR").toDouble(), -3);
    EXPECT_DOUBLE_EQ(all[1].value("GIRTUTAR").toDouble(), 10);
    EXPECT_DOUBLE_EQ(all[1].value("CIKTUTAR").toDouble(), 20);

    f.bakiye = DepoStoklari::Bakiye::Negatif;
    auto neg = rows(DepoStoklari::sorgu(f, db.dialect()));
    ASSERT_EQ(neg.size(), 1);
    EXPECT_DOUBLE_EQ(neg[0].value("STOK_NO").toDouble(), b);
    f.bakiye = DepoStoklari::Bakiye::Pozitif;
    EXPECT_EQ(rows(DepoStoklari::sorgu(f, db.dialect())).size(), 2);
    f.depoKodu = 2;
    EXPECT_EQ(rows(DepoStoklari::sorgu(f, db.dialect())).size(), 1);
    f = {};
    f.uniteKodu = 2;
    EXPECT_EQ(rows(DepoStoklari::sorgu(f, db.dialect())).size(), 1);
    f = {};
    f.stokKodu = "WS-A";
    EXPECT_EQ(rows(DepoStoklari::sorgu(f, db.dialect())).size(), 2);
    f.stokKodu = "WS_"; // a wildcard in the prefix is a plain character
    EXPECT_EQ(rows(DepoStoklari::sorgu(f, db.dialect())).size(), 0);

    // Read a row at a time across warehouses, the list comes out whole and in the same order.
    const double c = saveItem(db, "WS-C");
    slip("D", {{c, 4, 1}}, 2);
    slip("D", {{c, 1, 1}}, 1);
    ListPager p;
    p.setPageSize(2);
    p.run(db, DepoStoklari::sorgu({}, db.dialect()));
    while (!p.atEnd())
        p.append(p.nextPage());
    QStringList order;
    for (const QSqlRecord& r : p.rows())
        order << QStringLiteral("%1/%2").arg(r.value("DEPO_KODU").toInt()).arg(sqlText(r.value("STOK_KOD_NO")));
    EXPECT_EQ(order.join(u' '), "1/WS-A 1/WS-B 1/WS-C 2/WS-A 2/WS-C");
}

// An item's movements between two dates, each with the kind of document that owns it; both
// ends of the range count whole days.
TEST_F(DepoTest, MovementHistoryBetweenDates)
{
    const double a = saveItem(db, "MH-A");
    slip("D", {{a, 10, 1}}, 1, QDate(2026, 1, 1));
    const double fire = slip("F", {{a, 1, 1}}, 1, QDate(2026, 2, 10));
    slip("R", {{a, 2, 1}}, 1, QDate(2026, 3, 5));
    db.exec("INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, FIYAT, TARIH, CARIKOD, DEPO_KODU) "
            "VALUES (9001, 'S', 1, :S, 0, 3, 5, :T, 'C1', 1)",
            {{"S", a}, {"T", QDateTime(QDate(2026, 2, 20), QTime(15, 30))}});

    const auto h = rows(StokDepoHareketleri::sorgu(a, QDate(2026, 2, 10), QDate(2026, 2, 20)));
    ASSERT_EQ(h.size(), 2);
    EXPECT_DOUBLE_EQ(h[0].value("SATISNO").toDouble(), fire);
    EXPECT_EQ(sqlText(h[0].value("BELGE")), "Stok Fişi");
    EXPECT_EQ(sqlText(h[0].value("DEPO_ADI")), "Merkez");
    EXPECT_DOUBLE_EQ(h[0].value("CIKMIK").toDouble(), 1);
    EXPECT_EQ(sqlText(h[0].value("FISTIP")), "F");
    EXPECT_EQ(sqlText(h[1].value("BELGE")), "Satış");
    EXPECT_EQ(sqlText(h[1].value("FISTIP")), "");
    EXPECT_EQ(rows(StokDepoHareketleri::sorgu(a, QDate(2026, 1, 1), QDate(2026, 12, 31))).size(), 4);
}
