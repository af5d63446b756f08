#pragma once
#include "accounts/CariFiltre.h"
#include "model/CardModel.h"

#include <QDate>

namespace nimbo {

// The account list: its query with one bound clause per filled filter, and deletion.
class CariListe {
public:
    explicit CariListe(const Db& db) : m_db(db) {}

    // today decides the instalment filters (due after / before today).
    ListQuery sorgu(const CariFiltre& f, const QDate& today = QDate::currentDate()) const;
    // The quick-search choices: caption and column.
    static QList<QPair<QString, QString>> aramaAlanlari();

    // Asks "Kayıt Silinsin mi?", then inside one transaction checks finance movements, use
    // as a carrier, contact persons and dispatch addresses; deletes only when all are empty,
    // else shows "Bu Cari Kod ile ilgili işlem var.Silinemez!". True when deleted.
    bool sil(const QString& kod) const;

private:
    Db m_db;
};

} // namespace nimbo
