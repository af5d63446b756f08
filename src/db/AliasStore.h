#pragma once
#include <QMap>
#include <QString>
#include <QStringList>

namespace nimbo {

// A named connection profile: the driver ("Type") and its six parameters.
struct Alias {
    QString name;
    QString driver; // SQLITE, PGSQL, MSSQL
    QMap<QString, QString> params; // "SERVER NAME", "DATABASE NAME", "DATE MODE", "LANGDRIVER", "USER NAME", "PASSWORD"

    QString param(const QString& key) const { return params.value(key); }
};

// Parameter lists are kept as "KEY=value" lines, as the start-up builds them.
QMap<QString, QString> parseParamList(const QStringList& lines);
QStringList toParamList(const QMap<QString, QString>& params);

// Persistent store of aliases of this workstation (an INI file).
class AliasStore {
public:
    explicit AliasStore(const QString& file = {}); // empty: Paths::aliasFile()

    bool exists(const QString& name) const;
    Alias read(const QString& name) const; // throws UserError when missing
    void add(const QString& name, const QString& driver, const QMap<QString, QString>& params);
    void modify(const QString& name, const QMap<QString, QString>& params);
    void save(); // writes the pending changes
    QStringList names() const;
    QString file() const { return m_file; }

private:
    void load();
    QString m_file;
    QMap<QString, Alias> m_aliases; // keyed by upper-case name
};

} // namespace nimbo
