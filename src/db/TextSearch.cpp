#include "db/TextSearch.h"
#include "db/Dialect.h"
#include "db/SqlValues.h"

namespace nimbo {

QString TextSearch::clause(const Dialect& d, const QString& expr, const QString& param)
{
    return QStringLiteral("%1 LIKE :%2 ESCAPE '\\'").arg(d.foldUpper(expr), param);
}

QString TextSearch::startsWith(const QString& typed) { return escapeLike(Dialect::foldText(typed)) + QLatin1Char('%'); }

QString TextSearch::contains(const QString& typed) { return QLatin1Char('%') + startsWith(typed); }

QString TextSearch::pattern(const QString& typed)
{
    QString s = Dialect::foldText(typed);
    return s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

} // namespace nimbo
