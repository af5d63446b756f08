#pragma once
#include "FirmAdmin.h"
#include "services/SessionContext.h"
#include "support/TestEnv.h"

#include <QStringList>

namespace nimbo::test {

// A clean workstation (no NIMBO.ini, no aliases, nothing remembered) and a server that
// holds the firms database with the firm "TEST FİRMA" and its years.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    admin::Server server() const;
    // Creates a year database registered in FIRMALAR; returns its database name.
    QString addYear(const QString& firm, const QString& year, const QString& dbName = {}, int sube = 1);
    // Adds a user with every right "H" and the given branches to a year database.
    void addUser(const QString& dbName, const QString& user, const QString& password, const QList<int>& branches);

    SessionContext& s = SessionContext::current();
    std::unique_ptr<PrompterScope> prompter;
    QStringList databases;
};

} // namespace nimbo::test
