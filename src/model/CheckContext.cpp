#include "model/CheckContext.h"
#include "model/DocumentError.h"
#include "services/Prompter.h"

namespace nimbo {

void CheckContext::refuse(const QString& message, const QString& column, int row, const QString& lines)
{
    Prompter::instance().warn(message);
    throw DocumentError(message, column, row, lines);
}

void CheckContext::warn(const QString& message) { Prompter::instance().warn(message); }

void CheckContext::inform(const QString& message) { Prompter::instance().info(message); }

void CheckContext::ask(const QString& question)
{
    if (!Prompter::instance().ask(question))
        throw DocumentError(question);
}

} // namespace nimbo
