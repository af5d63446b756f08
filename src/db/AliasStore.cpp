#include "db/AliasStore.h"
#include "db/Errors.h"
#include "db/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace nimbo {

namespace {
const QStringList kParamNames = {QStringLiteral("SERVER NAME"), QStringLiteral("DATABASE NAME"),
                                 QStringLiteral("DATE MODE"),   QStringLiteral("LANGDRIVER"),
                                 QStringLiteral("USER NAME"),   QStringLiteral("PASSWORD")};

// QSettings treats spaces in keys fine but not slashes; keep the names as they are.
QString keyOf(const QString& p) { return QString(p).replace(QLatin1Char(' '), QLatin1Char('_')); }
} // namespace

QMap<QString, QString> parseParamList(const QStringList& lines)
{
    QMap<QString, QString> m;
    for (const QString& l : lines) {
        const int eq = l.indexOf(QLatin1Char('='));
        if (eq > 0)
            m.insert(l.left(eq), l.mid(eq + 1));
    }
    return m;
}

QStringList toParamList(const QMap<QString, QString>& params)
{
    QStringList out;
    for (const QString& n : kParamNames)
        if (params.contains(n))
            out << n + QLatin1Char('=') + params.value(n);
    for (auto it = params.begin(); it != params.end(); ++it)
        if (!kParamNames.contains(it.key()))
            out << it.key() + QLatin1Char('=') + it.value();
    return out;
}

AliasStore::AliasStore(const QString& file) : m_file(file.isEmpty() ? Paths::aliasFile() : file) { load(); }

void AliasStore::load()
{
    m_aliases.clear();
    QSettings s(m_file, QSettings::IniFormat);
    // A damaged file reads as far as it can; unreadable groups are simply absent.
    for (const QString& group : s.childGroups()) {
        s.beginGroup(group);
        Alias a;
        a.name = s.value(QStringLiteral("Name"), group).toString();
        a.driver = s.value(QStringLiteral("Type")).toString();
        for (const QString& p : kParamNames)
            if (s.contains(keyOf(p)))
                a.params.insert(p, s.value(keyOf(p)).toString());
        s.endGroup();
        if (!a.name.isEmpty())
            m_aliases.insert(a.name.toUpper(), a);
    }
}

bool AliasStore::exists(const QString& name) const { return m_aliases.contains(name.trimmed().toUpper()); }

Alias AliasStore::read(const QString& name) const
{
    const auto it = m_aliases.find(name.trimmed().toUpper());
    if (it == m_aliases.end())
        throw UserError(QStringLiteral("Veritabanı tanımı bulunamadı: %1").arg(name));
    return *it;
}

void AliasStore::add(const QString& name, const QString& driver, const QMap<QString, QString>& params)
{
    Alias a;
    a.name = name.trimmed();
    a.driver = driver;
    a.params = params;
    m_aliases.insert(a.name.toUpper(), a);
}

void AliasStore::modify(const QString& name, const QMap<QString, QString>& params)
{
    auto it = m_aliases.find(name.trimmed().toUpper());
    if (it == m_aliases.end())
        throw UserError(QStringLiteral("Veritabanı tanımı bulunamadı: %1").arg(name));
    for (auto p = params.begin(); p != params.end(); ++p)
        it->params.insert(p.key(), p.value());
}

void AliasStore::save()
{
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QSettings s(m_file, QSettings::IniFormat);
    s.clear();
    for (const Alias& a : m_aliases) {
        s.beginGroup(a.name.toUpper());
        s.setValue(QStringLiteral("Name"), a.name);
        s.setValue(QStringLiteral("Type"), a.driver);
        for (auto p = a.params.begin(); p != a.params.end(); ++p)
            s.setValue(keyOf(p.key()), p.value());
        s.endGroup();
    }
    s.sync();
    if (s.status() != QSettings::NoError)
        throw UserError(QStringLiteral("Veritabanı tanımları yazılamadı: %1").arg(m_file));
}

QStringList AliasStore::names() const
{
    QStringList out;
    for (const Alias& a : m_aliases)
        out << a.name;
    return out;
}

} // namespace nimbo
