#pragma once
#include "BenchRunner.h"
#include "db/Db.h"

#include <functional>

namespace nimbo::bench {

// What the sales and purchase scenarios share: the firm's currencies, rates, desk and
// warehouse; a user with every right; and saves timed beside the raw insert of the rows
// they wrote, in the same run.
void tradeBasics(const Db& db);
void loginBenchUser();
QString engineName(const Db& db);

struct SaveRun {
    QList<Timing> timings; // the saves, the raw inserts, the ratio
    qint64 rowsPerDocument = 0;
};
// Runs save(i) for i in [0, saves) (each returns the document's number) in rounds; after
// each round the rows its documents wrote (found in `tables` by their number column) are
// inserted raw again, under new numbers.
SaveRun timeSavesBesideRaw(const Db& db, const QString& what, int saves, const std::function<double(int)>& save,
                           const QList<std::pair<QString, QString>>& tables);

} // namespace nimbo::bench
