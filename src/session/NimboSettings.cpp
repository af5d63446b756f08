#include "session/NimboSettings.h"
#include "db/Paths.h"
#include "services/Prompter.h"

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

// Writes one value and tells the user when it could not be kept.
bool write(const QString& file, const QString& key, const QVariant& v)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSettings s(file, QSettings::IniFormat);
    if (s.isWritable()) {
        s.setValue(key, v);
        s.sync();
        // A damaged file reads as FormatError and is written over; only a refused write fails.
        if (s.status() != QSettings::AccessError)
            return true;
    }
    Prompter::instance().warn(QStringLiteral("Ayar kaydedilemedi: %1 dosyasına yazılamıyor. Dosyanın ve klasörün "
                                             "yazılabilir olduğundan emin olunuz.")
                                  .arg(QDir::toNativeSeparators(file)));
    return false;
}

QVariant read(const QString& key, const QVariant& fallback)
{
    QSettings s(Paths::settingsFile(), QSettings::IniFormat);
    if (s.contains(key) || Paths::settingsFile() == Paths::shippedSettingsFile())
        return s.value(key, fallback);
    // The user's copy lacks it: the one shipped beside the program gives the default.
    return QSettings(Paths::shippedSettingsFile(), QSettings::IniFormat).value(key, fallback);
}
} // namespace

QString NimboSettings::value(const QString& section, const QString& key, const QString& fallback)
{
    return read(section + QLatin1Char('/') + key, fallback).toString();
}

bool NimboSettings::setValue(const QString& section, const QString& key, const QString& v)
{
    return write(Paths::settingsFile(), section + QLatin1Char('/') + key, v);
}

QString NimboSettings::serverAdi() { return value(QStringLiteral("SERVER"), QStringLiteral("ServerAdi")).trimmed(); }
bool NimboSettings::setServerAdi(const QString& v)
{
    return setValue(QStringLiteral("SERVER"), QStringLiteral("ServerAdi"), v);
}

QString NimboSettings::surucu()
{
    const QString v = value(QStringLiteral("SERVER"), QStringLiteral("Surucu")).trimmed().toUpper();
    return v.isEmpty() ? QStringLiteral("SQLITE") : v;
}
bool NimboSettings::setSurucu(const QString& v) { return setValue(QStringLiteral("SERVER"), QStringLiteral("Surucu"), v); }

QStringList NimboSettings::aramaAdaylari()
{
    QStringList list = read(QStringLiteral("SERVER/AramaAdaylari"), {}).toStringList();
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
bool UserMemory::setFirma(const QString& v) { return write(Paths::userFile(), QStringLiteral("OrbitaSoft/OrbitaSoft Firma"), v); }
QString UserMemory::kullanici() { return user().value(QStringLiteral("OrbitaSoft_User/edKullanici")).toString(); }
bool UserMemory::setKullanici(const QString& v) { return write(Paths::userFile(), QStringLiteral("OrbitaSoft_User/edKullanici"), v); }
QString UserMemory::sube() { return user().value(QStringLiteral("OrbitaSoft_User/cbSube"), QStringLiteral("yok")).toString(); }
bool UserMemory::setSube(const QString& v) { return write(Paths::userFile(), QStringLiteral("OrbitaSoft_User/cbSube"), v); }

} // namespace nimbo
