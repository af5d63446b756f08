#include "services/SessionContext.h"

namespace nimbo {

SessionContext& SessionContext::current()
{
    static SessionContext s;
    return s;
}

void SessionContext::reset() { *this = SessionContext(); }

bool SessionContext::anyRight() const
{
    for (const QString& v : m_rights)
        if (!v.isEmpty())
            return true;
    return false;
}

void SessionContext::clearUser()
{
    KullaniciAdi.clear();
    KullaniciSifresi.clear();
    for (auto it = m_rights.begin(); it != m_rights.end(); ++it)
        it.value().clear();
}

} // namespace nimbo
