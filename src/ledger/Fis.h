#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

namespace nimbo {

// One line of a journal voucher (FISAYR).
struct FisSatiri {
    int FA_ID = 0; // 0 until stored
    int SIRANO = 0;
    QString HSPKODU;
    QString ACIKLAMA;
    double BORC = 0;
    double ALACAK = 0;
    QString DOVIZ_KOD = QStringLiteral("TL");
    double DVZ_BORC = 0;
    double DVZ_ALACAK = 0;
    double TL_DEGERI = 0;
    QVariant ENT_REF_NO;
    QString ENT_REF_TIP;
    int HSINIF = 0, HGRUBU = 0, KEBIR = 0;
    QString MUAVIN, TALI, DETAY;
    QString MASRAFM_KOD;
    double MIKTAR = 0;
    QString GRUP1_KOD;
};

// A journal voucher header (FIS) with its lines. Numbers left null are assigned on store.
struct Fis {
    double FISNO = -1; // -1 until the header is inserted
    QDate TARIH;
    QString TUR = QStringLiteral("M");
    QString ENT_TIP;
    QVariant ENT_REF_NO;
    QVariant YEVMIYE_NO;
    QString FISNUMARA; // empty: not numbered yet
    QString BELGENO;
    QString ACIKLAMA;
    QString MASRAFM_KOD;
    double MIKTAR = 0;
    QString IPTAL;
    double BORC = 0, ALACAK = 0; // set by the pre-store check
    QList<FisSatiri> satirlar;

    bool yeni() const { return FISNO <= 0; }
};

} // namespace nimbo
