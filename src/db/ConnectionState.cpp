#include "db/ConnectionState.h"

#include <QHash>

namespace nimbo {

namespace {
QHash<QString, ConnectionState>& states()
{
    static QHash<QString, ConnectionState> s;
    return s;
}
} // namespace

ConnectionState& ConnectionState::of(const QString& connectionName) { return states()[connectionName]; }

void ConnectionState::forget(const QString& connectionName) { states().remove(connectionName); }

} // namespace nimbo
