#pragma once
#include <QString>
#include <QStringList>

namespace nimbo {

// NIMBO.ini beside the executable, section "SERVER".
class NimboSettings {
public:
    static QString serverAdi();                 // "ServerAdi", empty when absent
    static void setServerAdi(const QString& v);
    static QString surucu();                    // "Surucu", SQLITE when absent
    static void setSurucu(const QString& v);
    // Hosts the server finder tries; this workstation when none are listed.
    static QStringList aramaAdaylari();
    static int aramaPortu();                    // 1433 unless set
    static QString value(const QString& section, const QString& key, const QString& fallback = {});
    static void setValue(const QString& section, const QString& key, const QString& v);
};

// What the program remembers for the person at this workstation.
class UserMemory {
public:
    static QString firma();                     // key "OrbitaSoft Firma"
    static void setFirma(const QString& v);
    static QString kullanici();                 // section "OrbitaSoft_User"
    static void setKullanici(const QString& v);
    static QString sube();                      // "yok" when never chosen
    static void setSube(const QString& v);
};

} // namespace nimbo
