#pragma once
#include "db/AliasStore.h"
#include "db/Db.h"

#include <QString>
#include <QVector>
#include <functional>

namespace nimbo {

class SessionContext;

// Result of the database-opening dialog.
struct VeriTabaniGirisSonucu {
    QString kullanici;
    QString sifre;
    QString server;
    QString veritabani;
    QString kabul = QStringLiteral("0"); // "1" after "Tamam", "0" after "Vazgeç"
};

// One fiscal year of a firm as FIRMALAR lists it.
struct FirmYear {
    QString yili, aliasAdi, serverAdi, dbTipi, dbAdi, kullanAdi, sifreDb;
};

// Installation constants.
inline const QString kFirmsAlias = QStringLiteral("FIRMANIMB");
inline const QString kFirmsDatabase = QStringLiteral("FIRMANIMB");
inline const QString kDbUser = QStringLiteral("NIMB");
inline const QString kOldAlias = QStringLiteral("ORBITA1");

// The firm-selection logic: opening the firms database through its alias (creating or
// rewriting the alias as needed) and turning the chosen firm-year into the session's
// year alias. Messages go through the Prompter.
class FirmSelection {
public:
    // Shows the database-opening dialog (mode, user name, caption).
    using DbLoginAsker = std::function<VeriTabaniGirisSonucu(int mode, const QString& user, const QString& caption)>;

    FirmSelection(SessionContext& session, AliasStore& aliases, DbLoginAsker asker);

    // "On show": returns false when the program has to end.
    bool prepare();
    int state() const { return m_state; }
    int attempts() const { return m_attempts; }

    QStringList firms() const;                       // SELECT DISTINCT FIRMA_ADI
    QVector<FirmYear> years(const QString& firm) const; // table order, newest last
    QString initialFirm() const;                     // remembered or first

    // "Tamam": true when the dialog ends with OK.
    bool accept(const QString& firm, const FirmYear& year);

    Db firmsDb() const { return m_db; }

    // The year-alias parameter list: the stored parameters of the session's year alias, or
    // the list "Tamam" last built when that alias is not stored.
    static QMap<QString, QString> yearAliasParams(const SessionContext& s, const AliasStore& aliases);
    void close();

private:
    bool openFirms();
    SessionContext& m_s;
    AliasStore& m_aliases;
    DbLoginAsker m_asker;
    int m_state = 0;
    int m_attempts = 0;
    bool m_rewrite = false;
    QMap<QString, QString> m_firmParams;
    Db m_db;
    static QMap<QString, QString> s_yearParams;
};

} // namespace nimbo
