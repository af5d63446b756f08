#pragma once
#include "db/Db.h"

#include <QList>

namespace nimbo {

// "İçindeki Parçalar": the items an item is made of (STOKPARCA), edited as one list and saved
// in one transaction.
class StockParts {
public:
    struct Row {
        double parcaStokNo = 0;
        QString kod;
        QString adi;
        double miktar = 1;
    };

    StockParts(const Db& db, double stokNo);
    void load();
    QList<Row>& rows() { return m_rows; }
    const QList<Row>& rows() const { return m_rows; }

    // A part typed by its stock code: an unknown code is refused ("Stok Bulunamadı."), so is
    // the item itself; a part already listed gets one more.
    void addByCode(const QString& kod);
    // Refuses an empty list ("İçindeki Parçalar Boş Olarak Saklanmamaz") and a quantity that is
    // not above zero; otherwise replaces the stored list.
    void save();

private:
    Db m_db;
    double m_stokNo;
    QList<Row> m_rows;
};

} // namespace nimbo
