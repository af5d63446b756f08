#pragma once
#include "db/Db.h"
#include "services/ScriptedPrompter.h"

#include <QString>
#include <gtest/gtest.h>

namespace nimbo::test {

// The engine this run tests (NIMBO_TEST_DRIVER) and where it lives.
struct TestEnv {
    static QString driver();   // SQLITE / PGSQL
    static bool isPg();
    static QString server();   // SQLite: this process's temporary folder; PostgreSQL: host:port
    static QString tempDir();  // scratch folder of this process
    static ConnectionParams params(const QString& database);
    static QString uniqueName(const QString& stem, const QString& year = QStringLiteral("2026"));
};

// A fresh year database with the full schema, copied from a template made once per process.
// Opened as the year connection ORBITA; dropped again by release().
// Name of the per-process template year database (created on first use).
QString yearTemplate(const QString& year);
Db freshYearDb(const QString& year = QStringLiteral("2026"));
void releaseYearDb(const Db& db);

// Installs a ScriptedPrompter for one test; on destruction every unexpected message and
// every expectation left unused fails the test.
class PrompterScope {
public:
    PrompterScope();
    ~PrompterScope();
    ScriptedPrompter& operator*() { return *m_p; }
    ScriptedPrompter* operator->() { return m_p; }

private:
    ScriptedPrompter* m_p;
    std::unique_ptr<Prompter> m_old;
};

// A year database as ORBITA, a reset session (firm DEMO, year 2026) and a scripted prompter.
class YearDbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Logs in a user with the given rights into the session (rows are written).
    void loginAs(const QString& user, const QString& defaultRight = QStringLiteral("H"));

    Db db;
    std::unique_ptr<PrompterScope> prompter;
};

QString sqlText(const QVariant& v);

} // namespace nimbo::test
