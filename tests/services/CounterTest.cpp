#include "ServicesTestSupport.h"
#include "services/Prompter.h"
#include "services/YeniKayitNo.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSet>

using namespace nimbo;
using namespace nimbo::test;

class Counter : public ServicesTest {
protected:
    void TearDown() override
    {
        closeCounterConnection(db);
        setCounterLockTimeout(1500);
        ServicesTest::TearDown();
    }
};

// The stored number is handed out and the next one stored; every counter table of the
// schema works; only counter tables pass into the statement.
TEST_F(Counter, HandsOutStoredNumberForEverySeries)
{
    EXPECT_EQ(YeniKayitNo("NEWSATIS"), 1);
    EXPECT_EQ(YeniKayitNo("NEWSATIS"), 2);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT YENINO FROM NEWSATIS").toDouble(), 3);

    for (const char* t : {"NEWCARI", "NEWBHRK", "NEWCSNO", "NEWCSHRK", "NEWFINHRK", "NEWFATF", "NEWFIS", "NEWSTOK",
                          "NEWGR", "NEWFIR", "NEWSIPAL", "NEWSEVK", "NEWTEKLF", "NEWITHAL", "NEWITHALKR", "NEWKASA",
                          "NEWKMP", "NEWFYTLS", "NEWFOY", "NEWOEMPC"})
        EXPECT_EQ(YeniKayitNo(QString::fromLatin1(t)), 1) << t;

    EXPECT_THROW(YeniKayitNo("CARI; DROP TABLE CARI"), UserError);
}

// A number drawn inside the caller's transaction stays used up when the caller rolls back,
// on both engines: SQLite once gave it out again to the next document. The same holds for
// an inner scope that rolls back, for several numbers in one save, and for a counter row
// that did not exist yet. A committed save keeps its number too.
TEST_F(Counter, NumberDrawnInsideARolledBackSaveIsNotHandedOutAgain)
{
    EXPECT_EQ(YeniKayitNo("NEWSATIS"), 1);
    {
        DbTransaction tx(db);
        db.exec("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('S1', 'kayıt')");
        EXPECT_EQ(YeniKayitNo("NEWSATIS"), 2);
        EXPECT_EQ(YeniKayitNo("NEWSATIS"), 3);
        tx.rollback();
    }
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM CALISAN").toInt(), 0); // the save itself is gone
    EXPECT_EQ(YeniKayitNo("NEWSATIS"), 4);
    {
        // An exception leaving the scope is the common way a save fails.
        try {
            DbTransaction tx(db);
            EXPECT_EQ(YeniKayitNo("NEWSATIS"), 5);
            throw UserError("kayıt reddedildi");
        } catch (const UserError&) {
        }
    }
    {
        DbTransaction tx(db);
        {
            DbTransaction inner(db);
            EXPECT_EQ(YeniKayitNo("NEWSATIS"), 6);
            inner.rollback();
        }
        EXPECT_EQ(YeniKayitNo("NEWSATIS"), 7);
        tx.rollback();
    }
    EXPECT_EQ(YeniKayitNo("NEWSATIS"), 8);

    db.exec("DELETE FROM NEWKMP");
    {
        DbTransaction tx(db);
        EXPECT_EQ(YeniKayitNo("NEWKMP"), 1);
        tx.rollback();
    }
    EXPECT_EQ(YeniKayitNo("NEWKMP"), 2);

    {
        DbTransaction tx(db);
        EXPECT_EQ(YeniKayitNo("NEWCARI"), 1);
        tx.commit();
    }
    EXPECT_EQ(YeniKayitNo("NEWCARI"), 2);
    EXPECT_DOUBLE_EQ(db.scalar("SELECT YENINO FROM NEWSATIS").toDouble(), 9);
}

namespace {
// Answers the busy message by letting the other workstation finish.
class ReleasingPrompter : public ScriptedPrompter {
public:
    std::function<void()> onError;
    void error(const QString& text) override
    {
        ScriptedPrompter::error(text);
        if (onError)
            onError();
    }
};
} // namespace

// A counter held by another workstation shows the message and is tried again after OK.
TEST_F(Counter, BusyCounterShowsMessageAndRetries)
{
    setCounterLockTimeout(200);
    const QString other = QStringLiteral("OTHER_WS");
    {
        QSqlDatabase c = QSqlDatabase::cloneDatabase(db.sql(), other);
        ASSERT_TRUE(c.open());
    }
    Db ws = Db::existing(other);
    ws.exec(db.dialect().isSqlite() ? "BEGIN IMMEDIATE" : "BEGIN");
    ws.exec("UPDATE NEWKASA SET YENINO = YENINO + 10");

    auto p = std::make_unique<ReleasingPrompter>();
    ReleasingPrompter* rp = p.get();
    const QString busy = "Diğer Kullanıcı Dosyaya Yazıyor.2-3 saniye sonra OK tuşuna basın.";
    rp->expectError(busy);
    rp->onError = [&] { ws.exec("COMMIT"); };
    auto old = Prompter::install(std::move(p));
    const double n = YeniKayitNo("NEWKASA");
    EXPECT_TRUE(rp->unexpected().isEmpty()) << rp->unexpected().join(" | ").toStdString();
    EXPECT_TRUE(rp->unused().isEmpty());
    EXPECT_EQ(rp->shown(), QStringList{busy});
    Prompter::install(std::move(old));
    Db::close(other);
    EXPECT_EQ(n, 11); // the other workstation's numbers were not handed out again
}

// Several processes drawing from one counter at once: every number exactly once, no gap.
TEST_F(Counter, ConcurrentProcessesNeverShareANumber)
{
    const int procs = 4;
    const int each = 500;
    const QString worker = QCoreApplication::applicationDirPath() + "/nimbo_counter_worker";
    ASSERT_TRUE(QFile::exists(worker)) << worker.toStdString();
    const QString physical =
        db.dialect().isPostgres() ? db.sql().databaseName() : db.params().database;
    closeCounterConnection(db);

    QList<QProcess*> running;
    for (int i = 0; i < procs; ++i) {
        auto* p = new QProcess;
        p->setProgram(worker);
        p->setArguments({TestEnv::driver(), TestEnv::server(), physical, "NEWCSHRK", QString::number(each)});
        p->start();
        running << p;
    }
    QList<double> all;
    for (QProcess* p : running) {
        ASSERT_TRUE(p->waitForFinished(300000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        const QList<QByteArray> lines = p->readAllStandardOutput().split('\n');
        for (const QByteArray& l : lines)
            if (!l.trimmed().isEmpty())
                all << l.trimmed().toDouble();
        delete p;
    }
    ASSERT_EQ(all.size(), procs * each);
    QSet<qint64> seen;
    for (double v : all)
        seen.insert(qRound64(v));
    EXPECT_EQ(seen.size(), procs * each); // no number twice
    for (int n = 1; n <= procs * each; ++n)
        ASSERT_TRUE(seen.contains(n)) << "missing " << n;
    EXPECT_DOUBLE_EQ(db.scalar("SELECT YENINO FROM NEWCSHRK").toDouble(), procs * each + 1);
}
