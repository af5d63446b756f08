#pragma once
#include "db/Db.h"

#include <functional>

namespace nimbo {

// The next number of a series kept in a one-row counter table (NEWSATIS, NEWCARI, ...).
// The counter is advanced in a short transaction of its own on a connection of its own,
// so the number is consumed even when the caller's transaction later rolls back, and two
// workstations never receive the same number. While another workstation holds the
// counter past the lock timeout, "Diğer Kullanıcı Dosyaya Yazıyor.2-3 saniye sonra OK
// tuşuna basın." is shown and the counter is tried again after OK, without limit.
double YeniKayitNo(const QString& counterTable);                 // on the session's year database
double YeniKayitNo(const Db& yearDb, const QString& counterTable);

// Numbers of several counters in one short transaction on the counter connection (a
// document's own number and its finance numbers): `adet` consecutive numbers of each.
// Returns the first number of each counter, in the order asked.
struct SayacIstegi {
    QString tablo;
    int adet = 1;
};
QList<double> YeniKayitNolari(const Db& yearDb, const QList<SayacIstegi>& istekler);

// Runs fn on the counter connection in a short transaction of its own, with the same lock
// timeout, busy message and retry as YeniKayitNo; for counters with more than one number
// (NEWFIS). fn locks its row itself (UPDATE first, or SELECT ... FOR UPDATE on PostgreSQL).
// With joinOpenTransaction a caller that already has a transaction open (a batch writing
// many documents at once) advances the counter inside it, holding the row until it commits.
void withCounterLock(const Db& yearDb, const std::function<void(const Db&)>& fn, bool joinOpenTransaction = false);

// How long one attempt waits for a counter held by someone else (milliseconds).
void setCounterLockTimeout(int ms);
int counterLockTimeout();

// Closes the counter connection that belongs to a year connection (firm change, tests).
void closeCounterConnection(const Db& yearDb);

} // namespace nimbo
