#pragma once
#include "db/Db.h"

#include <QHash>
#include <QSqlRecord>

namespace nimbo {

class TDMuh;

// Where the finance posting routines find their ledger codes: the current-account card
// (with the currency suffix of the movement), the cash desk, the bank account, the fixed
// accounts of PARAMET and the group code of a movement kind. Each card is read once per
// posting.
class HesapKaynaklari {
public:
    explicit HesapKaynaklari(const TDMuh& m);

    // The card's MUH_KOD (customer side) or MUH_KOD2 (supplier side) followed by the
    // suffix of the currency; empty when the card or its code is missing.
    QString cari(const QString& cariKod, const QString& doviz, bool saticiTarafi = false);
    QString kasa(const QString& kasaKod);
    // One BANKAYR column (MUH_CHES, MUH_TAKCEK, HESAR_TURU, ...) of a bank account.
    QString banka(const QString& bankaKod, const QString& hesapNo, const QString& kolon);
    // A fixed account of PARAMET (MUH_ELCEK, MUH_PROVIZMAS, ...).
    QString sabit(const QString& kolon);
    // CARIHRKTIP.GRUP_KOD of a movement kind, shown in front of a line's narration.
    QString grup(const QVariant& tip);

private:
    const QSqlRecord& satir(QHash<QString, QSqlRecord>& cache, const QString& key, const QString& sql, const Params& p);

    const TDMuh& m_muh;
    QHash<QString, QSqlRecord> m_cariler, m_kasalar, m_bankalar, m_gruplar;
    QSqlRecord m_paramet;
    bool m_parametOkundu = false;
};

} // namespace nimbo
