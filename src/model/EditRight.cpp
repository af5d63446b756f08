#include "model/EditRight.h"
#include "db/Errors.h"
#include "model/RightColumns.h"
#include "services/SessionContext.h"

namespace nimbo {

bool EditRight::mayChange() const
{
    const SessionContext& s = SessionContext::current();
    if (!m_column.isEmpty())
        RightColumns::note(m_column);
    // Maintenance and demo tools write without a logged-in user; rights are the user's.
    if (m_column.isEmpty() || s.KullaniciAdi.isEmpty())
        return true;
    const QString flag = s.hak(m_column).trimmed().toUpper();
    if (m_policy == Policy::ViewOnlyBlocks)
        return flag != QLatin1String("O");
    return flag == QLatin1String("H");
}

void EditRight::requireChange() const
{
    if (!mayChange())
        throw UserError(QStringLiteral("Bu Kaydı Değiştirme Yetkiniz Yok."));
}

void EditRight::requireDelete() const
{
    if (!mayChange())
        throw UserError(QStringLiteral("Bu Kaydı Silme Yetkiniz Yok."));
}

} // namespace nimbo
