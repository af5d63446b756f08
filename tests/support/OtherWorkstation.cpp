#include "support/OtherWorkstation.h"

namespace nimbo::test {

namespace {
DbTimeouts withLock(int lockMs)
{
    DbTimeouts t = Db::timeouts();
    t.lock = lockMs;
    Db::setTimeouts(t);
    return t;
}
} // namespace

OtherWorkstation::OtherWorkstation(const Db& mine, int lockMs, const QString& name)
    : m_mine(mine), m_saved(Db::timeouts()), m_name(name)
{
    withLock(lockMs);
    m_mine.reopen();
    m_db = Db::open(m_name, m_mine.params());
}

OtherWorkstation::~OtherWorkstation()
{
    m_db = Db();
    Db::close(m_name);
    Db::setTimeouts(m_saved);
    m_mine.reopen();
}

} // namespace nimbo::test
