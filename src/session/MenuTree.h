#pragma once
#include "db/Db.h"
#include "session/MenuItem.h"

#include <QVector>

namespace nimbo {

// The lists of the access tree for one user: groups, a group's entries and the favourites.
class MenuTree {
public:
    // IDs from this one up are hidden from the tree.
    static constexpr int kHiddenFrom = 9999;

    MenuTree(const Db& db, const QString& user) : m_db(db), m_user(user) {}

    // Top-level rows and rows that are parent of another, whatever the user's rows.
    QVector<MenuItem> groups() const;
    // The user's entries of one group.
    QVector<MenuItem> entries(int groupId) const;
    // The user's favourites ("Kullanıcı Seçimleri").
    QVector<MenuItem> favourites() const;
    // "Listeme Ekle" (true) and "Listeden Çıkar" (false).
    void setFavourite(int id, bool on) const;

private:
    QVector<MenuItem> read(const QString& sql, const Params& p) const;
    Db m_db;
    QString m_user;
};

} // namespace nimbo
