#include "session/NimboSettings.h"
#include "db/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QHostInfo>
#include <QSettings>

namespace nimbo {

namespace {
QSettings user()
{
    QDir().mkpath(Paths::configDir());
    return QSettings(Paths::userFile(), QSettings::IniFormat);
}
} // namespace

QString NimboSettings::value(const QString& section, const QString& key, const QString& fallback)
{
    QSettings s(Paths::settingsFile(), QSettings::IniFormat);
    return s.value(section + QLatin1Char('/') + key, fallback).toString();
}

void NimboSettings::setValue(const QString& section, const QString& key, const QString& v)
{
    QDir().mkpath(QFileInfo(Paths::settingsFile()).absolutePath());
    QSettings s(Paths::settingsFile(), QSettings::IniFormat);
    s.setValue(section + QLatin1Char('/') + key, v);
    s.sync();
}

QString NimboSettings::serverAdi() { return value(QStringLiteral("SERVER"), QStringLiteral("ServerAdi")).trimmed(); }
void NimboSettings::setServerAdi(const QString& v) { setValue(QStringLiteral("SERVER"), QStringLiteral("ServerAdi"), v); }

QString NimboSettings::surucu()
{
    const QString v = value(QStringLiteral("SERVER"), QStringLiteral("Surucu")).trimmed().toUpper();
    return v.isEmpty() ? QStringLiteral("SQLITE") : v;
}
void NimboSettings::setSurucu(const QString& v) { setValue(QStringLiteral("SERVER"), QStringLiteral("Surucu"), v); }

QStringList NimboSettings::aramaAdaylari()
{
    QSettings s(Paths::settingsFile(), QSettings::IniFormat);
    QStringList list = s.value(QStringLiteral("SERVER/AramaAdaylari")).toStringList();
    QStringList out;
    for (const QString& h : list)
        if (!h.trimmed().isEmpty())
            out << h.trimmed();
    if (out.isEmpty())
        out << QHostInfo::localHostName();
    return out;
}

int NimboSettings::aramaPortu()
{
    const int p = value(QStringLiteral("SERVER"), QStringLiteral("AramaPortu")).toInt();
    return p > 0 ? p : 1433;
}

QString UserMemory::firma() { return user().value(QStringLiteral("OrbitaSoft/OrbitaSoft Firma")).toString(); }
void UserMemory::setFirma(const QString& v)
{
    QSettings s = user();
    s.setValue(QStringLiteral("OrbitaSoft/OrbitaSoft Firma"), v);
}
QString UserMemory::kullanici() { return user().value(QStringLiteral("OrbitaSoft_User/edKullanici")).toString(); }
void UserMemory::setKullanici(const QString& v)
{
    QSettings s = user();
    s.setValue(QStringLiteral("OrbitaSoft_User/edKullanici"), v);
}
QString UserMemory::sube() { return user().value(QStringLiteral("OrbitaSoft_User/cbSube"), QStringLiteral("yok")).toString(); }
void UserMemory::setSube(const QString& v)
{
    QSettings s = user();
    s.setValue(QStringLiteral("OrbitaSoft_User/cbSube"), v);
}

} // namespace nimbo
