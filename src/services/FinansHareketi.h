#pragma once
#include "db/Db.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include "db/Db.h"

namespace nimbo {

// The 28 values of one finance movement, named after the FINHRK columns they fill.
// Unset numbers and texts are stored as NULL.
struct FinansHareketi {
    QString BELGE_TIP;
    QVariant FIN_ID, SIRA_NO;
    QString TIP, ISLEM_TIP, ISLEM_TIP2, ISLEM_TIP3;
    QString KODU, KODU2, CARIKOD;
    QVariant CEK_NO;
    QString ACIKLAMA;
    double BORC = 0, ALACAK = 0, BORC_DVZ = 0, ALACAK_DVZ = 0;
    QString DOVIZ_KODU;
    double DVZ_KUR = 1;
    QString ADI;
    QDateTime TARIH, VADE_TRH;
    QString BELGE_NO, PERSON_KOD;
    QVariant HRK_NO;
    QString BA_DOVIZ;
    double BA_KUR = 1, BA_BORC = 0, BA_ALACAK = 0;
};

// The parameters of SP_INS_FINHRK for one movement (keys without "@").
Params finansHareketiParams(const FinansHareketi& h);

// Writes one FINHRK row through SP_INS_FINHRK on the session's year database, inside the
// transaction the caller has open (a rollback of the caller removes it). Returns the
// procedure's result.
int FinansHareketiEkle(const FinansHareketi& h);
// The same on the given connection (a document writing on its own Db).
int FinansHareketiEkle(const Db& db, const FinansHareketi& h);

} // namespace nimbo
