#include "db/DbTransaction.h"
#include "db/DocumentWriter.h"
#include "db/Errors.h"
#include "model/DocumentError.h"
#include "model/DocumentModel.h"
#include "model/LedgerHook.h"
#include "support/TestEnv.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {

// A small two-table document (header TBELGE, lines TBELGESATIR) and a derived table TTURETILEN
// that rows of several writers share.
class TestBelge : public DocumentModel {
public:
    explicit TestBelge(const Db& db) : DocumentModel(db, QStringLiteral("TBELGE"), {QStringLiteral("NO")})
    {
        addLineTable(kItems);
    }

    double nextNumber = 100;
    int numbersTaken = 0;
    bool failAfterLines = false;
    QStringList order;

    void recompute() override
    {
        double toplam = 0;
        for (int i = 0; i < lines().count(); ++i) {
            const double tutar = lines().number(i, QStringLiteral("MIKTAR")) * lines().number(i, QStringLiteral("FIYAT"));
            lines().set(i, QStringLiteral("TUTAR"), tutar);
            toplam += tutar;
        }
        putHeader(QStringLiteral("TOPLAM"), toplam);
    }
    QList<SaveCheck> checks() override
    {
        return {{QStringLiteral("lines"),
                 [this](CheckContext& c) {
                     order << QStringLiteral("check1");
                     if (lines().isEmpty())
                         c.refuse(QStringLiteral("Satır yok"));
                 }},
                {QStringLiteral("price"),
                 [this](CheckContext& c) {
                     order << QStringLiteral("check2");
                     for (int i = 0; i < lines().count(); ++i)
                         if (lines().number(i, QStringLiteral("FIYAT")) <= 0)
                             c.refuse(QStringLiteral("Fiyat sıfır"), QStringLiteral("FIYAT"), i, kItems);
                 }},
                {QStringLiteral("big"), [this](CheckContext& c) {
                     if (headerNumber(QStringLiteral("TOPLAM")) > 1000)
                         c.ask(QStringLiteral("Büyük tutar. Devam?"));
                 }}};
    }

protected:
    void defaults() override { putHeader(QStringLiteral("ACIKLAMA"), QStringLiteral("yeni")); }
    void load(const QVariant& key) override
    {
        const auto h = db().records(QStringLiteral("SELECT NO, ACIKLAMA, TOPLAM FROM TBELGE WHERE NO=:N"),
                                    {{QStringLiteral("N"), key}});
        loadHeader({{QStringLiteral("NO"), h.at(0).value(0)}, {QStringLiteral("ACIKLAMA"), toText(h.at(0).value(1))}});
        QList<QVariantMap> rows;
        for (const QSqlRecord& r : db().records(
                 QStringLiteral("SELECT SIRA, MIKTAR, FIYAT FROM TBELGESATIR WHERE NO=:N ORDER BY SIRA"),
                 {{QStringLiteral("N"), key}}))
            rows.append({{QStringLiteral("SIRA"), r.value(0).toInt()}, {QStringLiteral("MIKTAR"), r.value(1).toDouble()},
                         {QStringLiteral("FIYAT"), r.value(2).toDouble()}});
        lines().load(rows);
    }
    void allocateNumber() override
    {
        order << QStringLiteral("number");
        ++numbersTaken;
        putHeader(QStringLiteral("NO"), nextNumber++);
    }
    void write(DocumentWriter& w) override
    {
        order << QStringLiteral("write");
        w.upsert(QStringLiteral("TBELGE"), {QStringLiteral("NO")},
                 {{QStringLiteral("NO"), key()}, {QStringLiteral("ACIKLAMA"), header(QStringLiteral("ACIKLAMA"))},
                  {QStringLiteral("TOPLAM"), header(QStringLiteral("TOPLAM"))}, {QStringLiteral("YOK"), 1}});
        QList<QVariantMap> rows;
        QList<QVariantMap> derived;
        for (int i = 0; i < lines().count(); ++i) {
            QVariantMap r = lines().row(i);
            r.insert(QStringLiteral("NO"), key());
            r.insert(QStringLiteral("SIRA"), i + 1);
            rows << r;
            derived << QVariantMap{{QStringLiteral("YAZAN"), QStringLiteral("T")}, {QStringLiteral("BELGE"), key()},
                                   {QStringLiteral("TUTAR"), r.value(QStringLiteral("TUTAR"))}};
        }
        w.replace(QStringLiteral("TBELGESATIR"), {{QStringLiteral("NO"), key()}}, rows);
        if (failAfterLines)
            w.db().exec(QStringLiteral("INSERT INTO TBELGE (NO) VALUES (NULL)")); // NOT NULL key
        w.replace(QStringLiteral("TTURETILEN"), {{QStringLiteral("YAZAN"), QStringLiteral("T")},
                                                 {QStringLiteral("BELGE"), key()}},
                  derived);
    }
    QList<AfterCommitStep> afterCommit() override
    {
        QList<AfterCommitStep> steps;
        if (auto s = LedgerHook::step(db(), {QStringLiteral("TBELGE"), QStringLiteral("T"), key().toDouble()},
                                      QStringLiteral("S")))
            steps << *s;
        return steps;
    }
    void lineRemovalChecks(CheckContext& c, const QString&, int row) override
    {
        if (lines().number(row, QStringLiteral("MIKTAR")) == 13)
            c.refuse(QStringLiteral("Bu satır silinemez"), QStringLiteral("MIKTAR"), row, kItems);
        c.ask(QStringLiteral("Silinsin mi?."));
    }
    void erase(DocumentWriter& w) override
    {
        w.remove(QStringLiteral("TTURETILEN"), {{QStringLiteral("YAZAN"), QStringLiteral("T")},
                                                {QStringLiteral("BELGE"), key()}});
        w.remove(QStringLiteral("TBELGESATIR"), {{QStringLiteral("NO"), key()}});
        w.remove(QStringLiteral("TBELGE"), {{QStringLiteral("NO"), key()}});
    }
};

class DocumentModelTest : public YearDbTest {
protected:
    void SetUp() override
    {
        YearDbTest::SetUp();
        DbTransaction tx(db);
        db.exec(QStringLiteral("CREATE TABLE TBELGE (NO FLOAT NOT NULL, ACIKLAMA VARCHAR(20), TOPLAM %1, "
                               "PRIMARY KEY (NO))").arg(db.dialect().columnType(QStringLiteral("FLOAT"))));
        db.exec(QStringLiteral("CREATE TABLE TBELGESATIR (NO FLOAT NOT NULL, SIRA INTEGER NOT NULL, MIKTAR %1, "
                               "FIYAT %1, TUTAR %1)").arg(db.dialect().columnType(QStringLiteral("FLOAT"))));
        db.exec(QStringLiteral("CREATE TABLE TTURETILEN (YAZAN VARCHAR(1), BELGE FLOAT, TUTAR %1)")
                    .arg(db.dialect().columnType(QStringLiteral("FLOAT"))));
        tx.commit();
    }
    void TearDown() override
    {
        LedgerHook::install({});
        YearDbTest::TearDown();
    }
    int count(const QString& sql) { return db.scalar(sql).toInt(); }
    static void line(TestBelge& b, double miktar, double fiyat)
    {
        const int r = b.addLine();
        b.setLine(r, QStringLiteral("MIKTAR"), miktar);
        b.setLine(r, QStringLiteral("FIYAT"), fiyat);
    }
};

} // namespace

TEST_F(DocumentModelTest, SaveTakesNumberThenChecksThenWritesHeaderLinesAndDerivedRows)
{
    TestBelge b(db);
    b.newDocument();
    EXPECT_FALSE(b.isModified());
    EXPECT_EQ(b.headerText(QStringLiteral("ACIKLAMA")), QStringLiteral("yeni"));
    line(b, 2, 10);
    line(b, 3, 5);
    EXPECT_TRUE(b.isModified());
    EXPECT_DOUBLE_EQ(b.headerNumber(QStringLiteral("TOPLAM")), 35);

    const SaveResult r = b.save();
    EXPECT_EQ(b.order, (QStringList{"number", "check1", "check2", "write"}));
    EXPECT_EQ(r.key.toDouble(), 100);
    EXPECT_TRUE(r.steps.isEmpty()); // no ledger poster installed: nothing offered
    EXPECT_FALSE(b.isNew());
    EXPECT_FALSE(b.isModified());
    EXPECT_DOUBLE_EQ(db.scalar(QStringLiteral("SELECT TOPLAM FROM TBELGE WHERE NO=100")).toDouble(), 35);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TBELGESATIR WHERE NO=100")), 2);
    EXPECT_DOUBLE_EQ(db.scalar(QStringLiteral("SELECT SUM(TUTAR) FROM TTURETILEN WHERE BELGE=100")).toDouble(), 35);

    // Correction: one line out, one changed, one added; derived rows follow, number kept.
    TestBelge c(db);
    c.open(100);
    EXPECT_FALSE(c.isModified());
    ASSERT_EQ(c.lines().count(), 2);
    (*prompter)->expectAsk(QStringLiteral("Silinsin mi?."), true);
    c.removeLine(DocumentModel::kItems, 0);
    c.setLine(0, QStringLiteral("FIYAT"), 7.0);
    line(c, 1, 1);
    EXPECT_EQ(c.lines().deletedRows().size(), 1);
    EXPECT_EQ(c.lines().removedForLog().size(), 2); // the deleted and the changed line as loaded
    EXPECT_EQ(c.lines().addedForLog().size(), 2);   // the changed line as now and the new one
    c.save();
    EXPECT_EQ(c.numbersTaken, 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TBELGE")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TBELGESATIR WHERE NO=100")), 2);
    EXPECT_DOUBLE_EQ(db.scalar(QStringLiteral("SELECT SUM(TUTAR) FROM TTURETILEN WHERE BELGE=100")).toDouble(), 22);
    EXPECT_TRUE(c.lines().deletedRows().isEmpty());

    c.deleteDocument();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TBELGE")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TBELGESATIR")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TTURETILEN")), 0);
}

TEST_F(DocumentModelTest, RefusalsStopInOrderAndPointAtTheCell)
{
    TestBelge b(db);
    b.newDocument();
    (*prompter)->expectWarn(QStringLiteral("Satır yok"));
    EXPECT_THROW(b.save(), DocumentError);
    EXPECT_EQ(b.order, (QStringList{"number", "check1"}));

    line(b, 1, 4);
    line(b, 1, 0);
    (*prompter)->expectWarn(QStringLiteral("Fiyat sıfır"));
    try {
        b.save();
        ADD_FAILURE() << "saved with a zero price";
    } catch (const DocumentError& e) {
        EXPECT_EQ(e.column(), QStringLiteral("FIYAT"));
        EXPECT_EQ(e.row(), 1);
        EXPECT_EQ(e.lines(), DocumentModel::kItems);
    }
    EXPECT_EQ(b.numbersTaken, 1); // the number taken first is kept for the next try

    b.setLine(1, QStringLiteral("FIYAT"), 2000.0);
    (*prompter)->expectAsk(QStringLiteral("Büyük tutar. Devam?"), false);
    EXPECT_THROW(b.save(), DocumentError);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TBELGE")), 0);
    EXPECT_TRUE(b.isNew());

    // A matched line refuses removal before its question.
    b.setLine(0, QStringLiteral("MIKTAR"), 13.0);
    (*prompter)->expectWarn(QStringLiteral("Bu satır silinemez"));
    EXPECT_THROW(b.removeLine(DocumentModel::kItems, 0), DocumentError);
    (*prompter)->expectAsk(QStringLiteral("Silinsin mi?."), false);
    EXPECT_THROW(b.removeLine(DocumentModel::kItems, 1), DocumentError);
    EXPECT_EQ(b.lines().count(), 2);
}

TEST_F(DocumentModelTest, AFailedWriteLeavesNothingAndTheDocumentStaysUnsaved)
{
    TestBelge b(db);
    b.newDocument();
    line(b, 2, 3);
    b.failAfterLines = true;
    EXPECT_THROW(b.save(), DbError);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TBELGE")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TBELGESATIR")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TTURETILEN")), 0);
    EXPECT_TRUE(b.isNew());
    EXPECT_TRUE(b.isModified());

    b.failAfterLines = false;
    b.save();
    EXPECT_EQ(b.numbersTaken, 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TBELGE WHERE NO=100")), 1);
}

TEST_F(DocumentModelTest, LedgerStepIsOfferedOnlyOnceAPosterIsInstalled)
{
    QList<double> posted;
    LedgerHook::install([&](const Db&, const LedgerRequest& r) { posted << r.number; });
    TestBelge b(db);
    b.newDocument();
    line(b, 1, 1);
    SaveResult r = b.save();
    ASSERT_EQ(r.steps.size(), 1);
    EXPECT_EQ(r.steps[0].kind, AfterCommitStep::Kind::Ledger);
    (*prompter)->expectAsk(QStringLiteral("Muhasebe Kaydı Yapılsın mı?"), false);
    runAfterCommitSteps(r.steps);
    EXPECT_TRUE(posted.isEmpty());
    (*prompter)->expectAsk(QStringLiteral("Muhasebe Kaydı Yapılsın mı?"), true);
    runAfterCommitSteps(r.steps);
    EXPECT_EQ(posted, (QList<double>{100}));

    EXPECT_FALSE(LedgerHook::step(db, {}, QStringLiteral("H")).has_value());
    const auto automatic = LedgerHook::step(db, {}, QStringLiteral("O"));
    ASSERT_TRUE(automatic.has_value());
    EXPECT_TRUE(automatic->question.isEmpty());
}

TEST_F(DocumentModelTest, WriterUpsertsByKeyAndRemovesOnlyTheNamedRows)
{
    DbTransaction tx(db);
    DocumentWriter w(db);
    w.upsert(QStringLiteral("TBELGE"), {QStringLiteral("NO")}, {{QStringLiteral("NO"), 1}, {QStringLiteral("ACIKLAMA"), QStringLiteral("a")}});
    w.upsert(QStringLiteral("TBELGE"), {QStringLiteral("NO")}, {{QStringLiteral("NO"), 1}, {QStringLiteral("ACIKLAMA"), QStringLiteral("b")}});
    w.upsert(QStringLiteral("TBELGE"), {QStringLiteral("NO")}, {{QStringLiteral("NO"), 2}, {QStringLiteral("ACIKLAMA"), QStringLiteral("  ")}});
    for (int i = 0; i < 5; ++i)
        w.insert(QStringLiteral("TTURETILEN"), {{QStringLiteral("YAZAN"), i % 2 ? QStringLiteral("X") : QStringLiteral("T")},
                                                {QStringLiteral("BELGE"), 1}, {QStringLiteral("TUTAR"), i}});
    EXPECT_EQ(w.remove(QStringLiteral("TTURETILEN"), {{QStringLiteral("YAZAN"), QStringLiteral("T")}, {QStringLiteral("BELGE"), 1}}), 3);
    tx.commit();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TBELGE")), 2);
    EXPECT_EQ(toText(db.scalar(QStringLiteral("SELECT ACIKLAMA FROM TBELGE WHERE NO=1"))), QStringLiteral("b"));
    EXPECT_TRUE(db.scalar(QStringLiteral("SELECT ACIKLAMA FROM TBELGE WHERE NO=2")).isNull()); // blank text is NULL
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TTURETILEN WHERE YAZAN='X'")), 2);
}
