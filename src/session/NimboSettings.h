#pragma once
#include <QString>
#include <QStringList>

namespace nimbo {

// NIMBO.ini (beside the executable, or in the user's configuration folder when the program
// folder cannot be written; see Paths), section "SERVER". A write that cannot be kept is
// told to the user through the Prompter and returns false.
class NimboSettings {
public:
    static QString serverAdi();                 // "ServerAdi", empty when absent
    static bool setServerAdi(const QString& v);
    static QString surucu();                    // "Surucu", SQLITE when absent
    static bool setSurucu(const QString& v);
    // Hosts the server finder tries; this workstation when none are listed.
    static QStringList aramaAdaylari();
    static int aramaPortu();                    // 1433 unless set
    static QString value(const QString& section, const QString& key, const QString& fallback = {});
    static bool setValue(const QString& section, const QString& key, const QString& v);
};

// What the program remembers for the person at this workstation.
class UserMemory {
public:
    static QString firma();                     // key "OrbitaSoft Firma"
    static bool setFirma(const QString& v);
    static QString kullanici();                 // section "OrbitaSoft_User"
    static bool setKullanici(const QString& v);
    static QString sube();                      // "yok" when never chosen
    static bool setSube(const QString& v);
};

} // namespace nimbo
