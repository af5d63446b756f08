#pragma once
#include "accounts/CariFiltre.h"
#include "model/ListQuery.h"

#include <QDate>

namespace nimbo {

// The account list: its query with one bound clause per filled filter, and deletion.
class CariListe {
public:
    explicit CariListe(const Db& db) : m_db(db) {}

    // Keyed by CARI_KOD, sortable by every list column. today decides the instalment
    // filters (due after / before today).
    ListQuery sorgu(const CariFiltre& f, const QDate& today = QDate::currentDate()) const;
    // The lowest account code of a table (a window opened by name alone shows it).
    QString ilkCari(const QString& table = QStringLiteral("CARI"), const QString& column = QStringLiteral("CARI_KOD")) const;
    // The quick-search choices: caption and column.
    static QList<QPair<QString, QString>> aramaAlanlari();
    // Every account code in code order; or the codes of a list (its sorgu() with the
    // window's search and order) in list order.
    QStringList kodlar() const;
    QStringList kodlar(const ListQuery& liste) const;

    // Refused unless the user's CARIKDUZEL right is "H". Asks "Kayıt Silinsin mi?", then inside one transaction checks finance movements, use
    // as a carrier, contact persons and dispatch addresses; deletes only when all are empty,
    // else shows "Bu Cari Kod ile ilgili işlem var.Silinemez!". True when deleted.
    bool sil(const QString& kod) const;
    // The list's debt-closing windows open only while the user's CHODEKAPAC right is not "-";
    // otherwise "Borç Kapatma Yetkiniz Yok..!" is shown and false returned.
    static bool borcKapatabilir();

private:
    Db m_db;
};

} // namespace nimbo
