#include "session/MenuDispatch.h"
#include "services/SessionContext.h"

namespace nimbo {

MenuDispatch::Result MenuDispatch::run(const QString& caption) const
{
    const MenuRight* row = MenuRights::find(caption);
    if (!row)
        return Result::Unknown;
    if (!MenuRights::allows(row->caption, m_s))
        return Result::Refused;
    if (row->target != MenuRight::Target::Window) {
        if (m_h.startProgram)
            m_h.startProgram(row->target);
        return Result::Opened;
    }
    if (!m_h.openWindow || !m_h.openWindow(row->caption, row->modal))
        return Result::NoWindow;
    return Result::Opened;
}

} // namespace nimbo
