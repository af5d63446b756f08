#pragma once
#include "BenchRunner.h"
#include "db/Db.h"

#include <QChar>
#include <initializer_list>
#include <utility>

namespace nimbo::bench {

// What the ledger posting scenarios share. A year database opened for posting (working year
// 2026, the trace beside the bench's files, the posting routines registered); chart accounts
// opened through the account card; the SQL of a date spread over 2026 by the generator's I;
// and the timed phases: n documents posted one at a time as a window's after-save step posts
// them, the same ones re-posted in place, then the rest listed and posted in bulk.
Db openPostingYear(const ConnectionParams& p);
void openAccounts(const Db& db, std::initializer_list<std::pair<const char*, const char*>> codesAndNames);
QString dateOfYearSql(const Db& db);

struct PostingPhases {
    QChar kind;           // the document kind the documents are posted as
    QString document;     // row titles: "post one <document>", "re-post a posted <document> in place",
    QString listed;       // "bulk posting: list <listed>",
    QString bulk;         // "bulk posting: <bulk>"
    int linesPerVoucher = 0;
    bool listOnlyThisKind = true; // false: the bulk list covers every kind, as the window opens it
    int oneByOne = 200;
};
// A refused posting ends the scenario: its timings would not be those of a posting.
QList<Timing> timePostingPhases(const Db& db, const PostingPhases& phases);

// Ends a scenario that made its own year: connections closed, database dropped, session reset.
void dropYear(const Db& db, const ConnectionParams& p);

} // namespace nimbo::bench
