#include "db/DbTransaction.h"
#include "services/SessionContext.h"
#include "session/MenuTree.h"
#include "session/Shortcuts.h"
#include "support/TestEnv.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
class MenuTreeTest : public YearDbTest {
protected:
    void addRow(int id, int parent, const QString& tanim, int ord, int image = 0)
    {
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO MENULIST (ID, PARENT, TANIM, IMAGEID, ORD) VALUES (:i, :p, :t, :m, :o)"),
                {{QStringLiteral("i"), id}, {QStringLiteral("p"), parent}, {QStringLiteral("t"), tanim},
                 {QStringLiteral("m"), image}, {QStringLiteral("o"), ord}});
        tx.commit();
    }
    void give(const QString& user, int id, int usrmn = 0)
    {
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO KIMKULMENU (KULLANICI, ID, USRMN) VALUES (:k, :i, :u)"),
                {{QStringLiteral("k"), user}, {QStringLiteral("i"), id}, {QStringLiteral("u"), usrmn}});
        tx.commit();
    }
    static QStringList captions(const QVector<MenuItem>& items)
    {
        QStringList out;
        for (const MenuItem& m : items)
            out << m.tanim;
        return out;
    }
    void SetUp() override
    {
        YearDbTest::SetUp();
        // Two top-level groups in display order opposite to their IDs, a group nested in the
        // second, a hidden group, and an entry with no children of its own.
        addRow(2, 0, QStringLiteral("Stok"), 10, 1);
        addRow(1, 0, QStringLiteral("Cari Hesaplar"), 20, 2);
        addRow(3, 2, QStringLiteral("Stok Raporları"), 30, 6);
        addRow(9999, 0, QStringLiteral("Gizli"), 5);
        addRow(101, 1, QStringLiteral("Cari Kayıtlar"), 2);
        addRow(102, 1, QStringLiteral("Cari Listesi"), 1);
        addRow(201, 2, QStringLiteral("Stok Kayıtları"), 1);
        addRow(301, 3, QStringLiteral("Stok Ekstresi"), 1);
        give(QStringLiteral("YONETICI"), 101, 1);
        give(QStringLiteral("YONETICI"), 102);
        give(QStringLiteral("YONETICI"), 201, 1);
        give(QStringLiteral("YONETICI"), 301);
        give(QStringLiteral("SATIS"), 101);
    }
};
} // namespace

// Groups come from MENULIST alone, entries only through the user's KIMKULMENU rows.
TEST_F(MenuTreeTest, UserWithoutMenuRowsSeesGroupsButNoEntries)
{
    const MenuTree none(db, QStringLiteral("BOS"));
    EXPECT_EQ(captions(none.groups()),
              (QStringList{QStringLiteral("Stok"), QStringLiteral("Cari Hesaplar"), QStringLiteral("Stok Raporları")}));
    for (int g : {1, 2, 3})
        EXPECT_TRUE(none.entries(g).isEmpty()) << g;
    EXPECT_TRUE(none.favourites().isEmpty());

    const MenuTree full(db, QStringLiteral("YONETICI"));
    EXPECT_EQ(captions(full.groups()), captions(none.groups()));
    EXPECT_EQ(captions(full.entries(1)), (QStringList{QStringLiteral("Cari Listesi"), QStringLiteral("Cari Kayıtlar")}));
    EXPECT_EQ(captions(full.entries(3)), QStringList{QStringLiteral("Stok Ekstresi")});
    EXPECT_EQ(full.entries(1).first().id, 102);
    EXPECT_EQ(captions(full.favourites()),
              (QStringList{QStringLiteral("Stok Kayıtları"), QStringLiteral("Cari Kayıtlar")}));

    // The login finds a user whatever the letter case, and so does his menu.
    EXPECT_EQ(captions(MenuTree(db, QStringLiteral("satis")).entries(1)), QStringList{QStringLiteral("Cari Kayıtlar")});
}

// "Listeme Ekle" and "Listeden Çıkar" change only that user's row; a name full of quotes
// is data, not SQL.
TEST_F(MenuTreeTest, FavouritesChangeOnlyTheUsersRowEvenWithQuotesInTheName)
{
    const QString odd = QStringLiteral("X\" OR \"1\"=\"1");
    give(odd, 102);
    MenuTree(db, odd).setFavourite(102, true);
    EXPECT_EQ(captions(MenuTree(db, odd).favourites()), QStringList{QStringLiteral("Cari Listesi")});
    EXPECT_EQ(captions(MenuTree(db, QStringLiteral("YONETICI")).favourites()),
              (QStringList{QStringLiteral("Stok Kayıtları"), QStringLiteral("Cari Kayıtlar")}));

    MenuTree(db, QStringLiteral("YONETICI")).setFavourite(201, false);
    MenuTree(db, QStringLiteral("YONETICI")).setFavourite(102, true);
    EXPECT_EQ(captions(MenuTree(db, QStringLiteral("YONETICI")).favourites()),
              (QStringList{QStringLiteral("Cari Listesi"), QStringLiteral("Cari Kayıtlar")}));
    // An entry the user does not have stays out of his list.
    MenuTree(db, QStringLiteral("SATIS")).setFavourite(201, true);
    EXPECT_TRUE(MenuTree(db, QStringLiteral("SATIS")).favourites().isEmpty());
}

// An occupied slot asks before replacing; No keeps the old caption, Yes replaces it; a slot
// with a row but an empty caption is free.
TEST_F(MenuTreeTest, OccupiedShortcutSlotAsksAndNoKeepsIt)
{
    const Shortcuts k(db);
    EXPECT_TRUE(k.add(3, QStringLiteral("Döviz Kurları")));
    EXPECT_EQ(k.caption(3), QStringLiteral("Döviz Kurları"));

    (*prompter)->expectAsk(QStringLiteral("Döviz Kurları Kısayolu Eklenmiş. Değiştirmek İstiyormusunuz ?"), false);
    EXPECT_FALSE(k.add(3, QStringLiteral("Stok Kayıtları")));
    EXPECT_EQ(k.caption(3), QStringLiteral("Döviz Kurları"));

    (*prompter)->expectAsk(QStringLiteral("Döviz Kurları Kısayolu Eklenmiş. Değiştirmek İstiyormusunuz ?"), true);
    EXPECT_TRUE(k.add(3, QStringLiteral("Stok Kayıtları")));
    EXPECT_EQ(k.caption(3), QStringLiteral("Stok Kayıtları"));

    {
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO KISAYOL (ID, ADI) VALUES (7, '')"));
        tx.commit();
    }
    EXPECT_TRUE(k.add(7, QStringLiteral("Cari Kayıtlar")));
    EXPECT_FALSE(k.add(11, QStringLiteral("Cari Kayıtlar")));
    EXPECT_FALSE(k.add(0, QStringLiteral("Cari Kayıtlar")));
    const QMap<int, QString> all = k.all();
    EXPECT_EQ(all.keys(), (QList<int>{3, 7}));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM KISAYOL WHERE ID = 3")).toInt(), 1);
}

// Shortcuts belong to the firm-year: what one workstation adds the other reads.
TEST_F(MenuTreeTest, ShortcutAddedOnOneConnectionIsReadOnAnother)
{
    const QString other = QStringLiteral("IKINCI_ISTASYON");
    {
        const Db second = Db::open(other, db.params());
        EXPECT_TRUE(Shortcuts(second).add(2, QStringLiteral("Cari Kayıtlar")));
    }
    EXPECT_EQ(Shortcuts(db).all().value(2), QStringLiteral("Cari Kayıtlar"));
    Db::close(other);
}
