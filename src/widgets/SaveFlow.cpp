#include "widgets/SaveFlow.h"
#include "services/Prompter.h"

#include <QDialog>

namespace nimbo {

bool SaveFlow::save()
{
    if (m_steps.before && !m_steps.before())
        return false;
    if (!ErrorPresenter::run(m_steps.store, ErrorPresenter::Store, m_steps.focus))
        return false;
    if (m_steps.after)
        m_steps.after();
    m_done = true;
    m_window->accept();
    return true;
}

bool SaveFlow::mayClose()
{
    if (m_done || !m_steps.modified || !m_steps.modified())
        return true;
    if (!Prompter::instance().ask(QStringLiteral("Kaydı Saklamak İstiyormusunuz?")))
        return true;
    save(); // accepts on success; the window stays open with its message otherwise
    return false;
}

} // namespace nimbo
