#include "db/DbTransaction.h"
#include "support/TestEnv.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
class TurkishText : public YearDbTest {
protected:
    void add(const QStringList& names)
    {
        DbTransaction tx(db);
        DbStatement ins = db.prepare(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES (:k, :a)"));
        int n = 0;
        for (const QString& a : names)
            ins.exec({{QStringLiteral("k"), QStringLiteral("T%1").arg(++n)}, {QStringLiteral("a"), a}});
        tx.commit();
    }
    QStringList names(const QString& sql, const Params& p = {})
    {
        QStringList out;
        for (const QSqlRecord& r : db.records(sql, p))
            out << toText(r.value(0));
        return out;
    }
    // Names whose folded form starts with the folded text, as a quick search asks.
    QStringList search(const QString& typed)
    {
        const Dialect& d = db.dialect();
        return names(QStringLiteral("SELECT ISCI_ADI FROM CALISAN WHERE %1 LIKE :s ORDER BY ISCI_KOD")
                         .arg(d.foldUpper(QStringLiteral("ISCI_ADI"))),
                     {{QStringLiteral("s"), Dialect::foldText(typed) + QLatin1Char('%')}});
    }
};
} // namespace

// Case-insensitive search folds the Turkish letters the same way on both engines: "i" finds
// "İzmir" but not "Isparta", "ı" finds "Isparta" and "ılgaz" but not "izmit".
TEST_F(TurkishText, QuickSearchFoldsTurkishLettersAlike)
{
    EXPECT_EQ(Dialect::foldText(QStringLiteral("ıiğüşöç")), QStringLiteral("IİĞÜŞÖÇ"));
    add({QStringLiteral("İzmir"), QStringLiteral("izmit"), QStringLiteral("Isparta"), QStringLiteral("ılgaz"),
         QStringLiteral("ŞİŞLİ"), QStringLiteral("şişli ticaret"), QStringLiteral("Çağlayan"),
         QStringLiteral("çağrı"), QStringLiteral("Ünye"), QStringLiteral("ÖZGÜR")});
    EXPECT_EQ(search(QStringLiteral("iz")), (QStringList{"İzmir", "izmit"}));
    EXPECT_EQ(search(QStringLiteral("İZ")), (QStringList{"İzmir", "izmit"}));
    EXPECT_EQ(search(QStringLiteral("ı")), (QStringList{"Isparta", "ılgaz"}));
    EXPECT_EQ(search(QStringLiteral("şiş")), (QStringList{"ŞİŞLİ", "şişli ticaret"}));
    EXPECT_EQ(search(QStringLiteral("ÇAĞ")), (QStringList{"Çağlayan", "çağrı"}));
    EXPECT_EQ(search(QStringLiteral("ün")), (QStringList{"Ünye"}));
    EXPECT_EQ(search(QStringLiteral("özg")), (QStringList{"ÖZGÜR"}));
    // A NULL name folds to NULL and matches nothing.
    db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('T99', NULL)"));
    EXPECT_EQ(search(QString()).size(), 10);
}

// Names sort in Turkish alphabetical order on both engines (Ç after C, Ş after S, İ after I,
// Ö after O); codes keep byte order, so MAX(code) agrees between the engines.
TEST_F(TurkishText, NamesSortTurkishCodesSortByBytes)
{
    add({QStringLiteral("KONAK"), QStringLiteral("ÇİĞLİ"), QStringLiteral("CAN"), QStringLiteral("DAVUT"),
         QStringLiteral("ŞENOL"), QStringLiteral("SAMİ"), QStringLiteral("TUNA"), QStringLiteral("ÖZ"),
         QStringLiteral("OYA"), QStringLiteral("İLKER"), QStringLiteral("IŞIK"), QStringLiteral("HASAN")});
    EXPECT_EQ(names(QStringLiteral("SELECT ISCI_ADI FROM CALISAN ORDER BY %1, ISCI_KOD")
                        .arg(db.dialect().turkishOrder(QStringLiteral("ISCI_ADI")))),
              (QStringList{"CAN", "ÇİĞLİ", "DAVUT", "HASAN", "IŞIK", "İLKER", "KONAK", "OYA", "ÖZ", "SAMİ", "ŞENOL",
                           "TUNA"}));
    // A keyset page continues after a name in the same order.
    EXPECT_EQ(names(QStringLiteral("SELECT ISCI_ADI FROM CALISAN WHERE %1 > :s ORDER BY %1 LIMIT 3")
                        .arg(db.dialect().turkishOrder(QStringLiteral("ISCI_ADI"))),
                    {{QStringLiteral("s"), QStringLiteral("CAN")}}),
              (QStringList{"ÇİĞLİ", "DAVUT", "HASAN"}));

    DbTransaction tx(db);
    db.exec(QStringLiteral("DELETE FROM CALISAN"));
    for (const char* k : {"120.01", "120-01", "120a", "120B", "120_9", "1200"})
        db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD) VALUES (:k)"), {{QStringLiteral("k"), QString::fromLatin1(k)}});
    tx.commit();
    EXPECT_EQ(names(QStringLiteral("SELECT ISCI_KOD FROM CALISAN ORDER BY ISCI_KOD")),
              (QStringList{"120-01", "120.01", "1200", "120B", "120_9", "120a"}));
    EXPECT_EQ(toText(db.scalar(QStringLiteral("SELECT MAX(ISCI_KOD) FROM CALISAN"))), QStringLiteral("120a"));
    // Whatever the server's own default: the program makes its databases byte-ordered.
    if (db.dialect().isPostgres())
        EXPECT_EQ(toText(db.scalar(QStringLiteral("SELECT datcollate FROM pg_database WHERE datname = current_database()"))),
                  QStringLiteral("C"));
}

// The database's fold and the program's agree letter for letter, so a bound search text
// folded in C++ meets the column folded in SQL: every Turkish letter, ASCII, Latin capitals
// that are one step apart and, on SQLite, the letters its fast path leaves to Qt.
TEST_F(TurkishText, DatabaseFoldEqualsProgramFold)
{
    QStringList texts{QString(), QStringLiteral("abcçdefgğhıijklmnoöprsştuüvyz"),
                      QStringLiteral("ABCÇDEFGĞHIİJKLMNOÖPRSŞTUÜVYZ"), QStringLiteral("0123 %_\\'\" -.,;:/()"),
                      QStringLiteral("âîû ÂÎÛ éèàñ ÉÈÀÑ åæøþ"), QStringLiteral("İstanbul ılık Iğdır şeker ŞEKER")};
    if (db.dialect().isSqlite())
        texts << QStringLiteral("straße ÿ × ÷ µ € Ω ж ﬁ 日本");
    for (const QString& t : texts) {
        const QVariant folded = db.scalar(QStringLiteral("SELECT %1").arg(db.dialect().foldUpper(QStringLiteral(":s"))),
                                          {{QStringLiteral("s"), t}});
        EXPECT_EQ(folded.toString(), Dialect::foldText(t)) << t.toStdString();
    }
}
