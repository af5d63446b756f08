#pragma once
#include "db/Db.h"

#include <QList>
#include <QString>

namespace nimbo {

// The placeholders of an IN list, ":S0,:S1,...", each value bound in `p` under the prefix
// and its position. An empty list gives an empty text.
QString inList(const QList<double>& values, Params& p, const QString& prefix = QStringLiteral("S"));

} // namespace nimbo
