#pragma once
#include "db/Db.h"
#include "model/ListQuery.h"

#include <QDate>

namespace nimbo {

// What the portfolio list is narrowed by; empty fields do not filter.
struct CekSenetFiltre {
    QString csTip, sahip; // kind and owner pair ("Ç"/"E", "M"/"F")
    QString durum;        // SON_DURUMU
    QString bTur;         // bordereau type ...
    bool bTurHaric = false; // ... equal to it, or any other
    QString cariKod;      // CARIKOD LIKE prefix
    QString bankaAdi;     // drawee bank
    QVariant tutarMin, tutarMax, portfoyMin, portfoyMax;
    QDate girisBas, girisSon, vadeBas, vadeSon;
    QString aramaAlani, aramaDegeri; // quick search
    QString islem;        // the picker: only papers that may undergo this operation
};

// One line of a paper's history: a finance line that named it.
struct CekSenetTarihceSatiri {
    int finId = 0;
    QDate tarih, vade;
    QString islem, islemAdi;   // the line's operation (TIP2)
    QString durum, durumAdi;   // the status it gave
    QString kodu, kodu2, adi;  // the line's code
    QString anaKodu, anaAdi;   // the document's main code
};

// The portfolio lists (by status, due date, owner, ...) and the history of one paper.
class CekSenetListe {
public:
    explicit CekSenetListe(const Db& db) : m_db(db) {}

    // Keyed by portfolio number, ordered by due date; DURUM_ADI carries the status label.
    ListQuery sorgu(const CekSenetFiltre& f) const;
    // The SQL expression of the status label over CSKART columns.
    static QString durumAdiSql();
    QList<CekSenetTarihceSatiri> tarihce(double portfoyNo) const;
    // The papers an operation may move, by due date: portfolio number and a line of portfolio
    // number, serial, debtor, amount and currency to choose it by.
    QList<QPair<double, QString>> secenekler(const QString& islem) const;

private:
    Db m_db;
};

} // namespace nimbo
