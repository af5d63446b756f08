#pragma once
#include "db/Db.h"

namespace nimbo::test {

// A second workstation on a test's year database while lock waits are cut to lockMs on both
// connections: a write that meets the other's lock fails fast instead of hanging the test.
// Going out of scope closes it and gives the test's connection its timeouts back.
class OtherWorkstation {
public:
    OtherWorkstation(const Db& mine, int lockMs, const QString& name = QStringLiteral("OTHER_WS"));
    ~OtherWorkstation();
    const Db& db() const { return m_db; }

private:
    Db m_mine;
    DbTimeouts m_saved;
    QString m_name;
    Db m_db;
};

} // namespace nimbo::test
