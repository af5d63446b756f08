#pragma once
#include "model/CardModel.h"

#include <QSqlRecord>
#include <QVector>

#include <QDate>

namespace nimbo {

struct CariHareketListeFiltre {
    QString tip;               // N, D, V, I, F, O, R, L; empty: all
    QDate tarihBas, tarihBit;
    enum class Muhasebe { Hepsi, Kayitli, Kayitsiz } muhasebe = Muhasebe::Hepsi;
    QString cariKod;           // documents with a line of accounts starting so
};

// The list of manual movement documents ("Cari Hareketler", CARIHRKM), newest first, read by
// document number a page at a time.
class CariHareketListesi {
public:
    explicit CariHareketListesi(const Db& db) : m_db(db) {}
    ListQuery sorgu(const CariHareketListeFiltre& f) const;
    // The newest cash document, 0 when there is none.
    double sonNakitBelge() const;
    // The type of a document (CARIHRKM.TIP), empty when there is no such document.
    QString belgeTipi(double no) const;
    // A document's lines with the account names, in line order (the receipt).
    QVector<QSqlRecord> makbuzSatirlari(double no) const;

private:
    Db m_db;
};

} // namespace nimbo
