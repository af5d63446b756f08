#pragma once
#include "db/Db.h"
#include "ledger/Fis.h"
#include "ledger/HesapPlani.h"

#include <functional>

namespace nimbo {

// Stores a voucher after the checks every voucher passes, in this order: the date lock
// (PARAMETRE.TRHKILIT, read once), the date moved into the working year, the journal and
// printed numbers, then the balance (0.001 tolerance) and posting-account checks. Header
// and lines are written in one transaction; a re-stored voucher keeps its numbers and its
// lines are replaced. A refusal shows its message, stores nothing and returns false.
class FisSaklayici {
public:
    explicit FisSaklayici(const Db& db);
    // For a posting that has read the lock date and looked the chart up already: the
    // checks use its look-ups (which must outlive this object).
    FisSaklayici(const Db& db, HesapOnbellegi& hesaplar, const QDate& kilit);

    // The working year (Part of the login); 0 leaves dates as they are.
    void setCalismaYili(int yil) { m_calismaYili = yil; }
    // The "D" start argument: the imbalance message is followed by a diagnostic one.
    void setTanilama(bool on) { m_tanilama = on; }
    // Batch runs: a refusal is not shown, only kept in hata().
    void setSessiz(bool on) { m_sessiz = on; }
    // Why the last store was refused (empty after a stored voucher).
    QString hata() const { return m_hata; }

    // inTransaction runs inside the store's transaction after the voucher is written
    // (a posting marks its source document there).
    bool sakla(Fis& fis, const std::function<void(const Db&, const Fis&)>& inTransaction = {});

    // The checks one by one, in their order, for an editor that runs them itself. Each
    // refusal is shown (unless quiet) and kept in hata().
    // The date lock, then a missing date becomes today and a date of another year moves
    // into the working year.
    bool tarihKontrol(Fis& fis);
    // Journal and printed numbers when still empty.
    void numarala(Fis& fis);
    // Header sums; the balance within the tolerance and every coded line on a posting account.
    bool dengeKontrol(Fis& fis);
    // Header and lines inside the caller's transaction; a stored voucher's lines are replaced.
    void yaz(const Fis& fis);

    // The voucher as stored (lines in FA_ID order unless only the header is wanted); false
    // when there is none.
    static bool yukle(const Db& db, double fisNo, Fis& fis, bool satirlarla = true);
    // Deletes a voucher and its lines; a voucher dated before the lock is refused.
    void sil(double fisNo);

    static constexpr double kTolerans = 0.001;
    static QString dengesizMesaji(double borc, double alacak);
    static QString kilitMesaji(const QDate& kilit);
    static QString tutarMetni(double v);

private:
    bool reddet(const QString& mesaj);
    HesapOnbellegi& hesaplar() { return m_disHesaplar ? *m_disHesaplar : m_hesaplar; }
    // yeni: the header is known not to be stored yet.
    void yaz(const Fis& fis, bool yeni);

    Db m_db;
    QDate m_kilit;
    int m_calismaYili = 0;
    bool m_tanilama = false;
    bool m_sessiz = false;
    QString m_hata;
    HesapOnbellegi m_hesaplar;
    HesapOnbellegi* m_disHesaplar = nullptr;
};

} // namespace nimbo
