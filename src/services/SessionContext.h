#pragma once
#include "db/Db.h"
#include "services/CompanyParameters.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace nimbo {

// Names of the logical connections.
inline const QString kOrbita = QStringLiteral("ORBITA");           // the year database
inline const QString kFirmsOfDialog = QStringLiteral("FIRMALAR_SEC"); // firm-selection dialog
inline const QString kFirmsOfModule = QStringLiteral("FIRMALAR_DM");  // shared data module

struct PickItem {
    QString text;
    QVariant value;
};

// The process-wide record every module reads: firm, year, user, rights, branch, folders,
// server identity and the loaded company parameters.
class SessionContext {
public:
    static SessionContext& current();
    void reset(); // back to a fresh process (tests)

    // Start-up and firm selection.
    bool traceMode = false;
    QString ServerAdi;       // from NIMBO.ini or typed at the database-opening dialog
    QString SurucuAdi;       // driver of the firms alias: SQLITE, PGSQL
    QString FirmaAdi;
    QString CalismaYili;
    int CalismaYiliNo = 0;
    QString YilAliasi;
    int FirmaSubeNo = 0;
    QString AliasDbAdi;      // "DATABASE NAME" of the year alias
    QString AliasServerAdi;  // "SERVER NAME" of the year alias
    QString DbAdi;           // what the server calls the open year database
    QString SunucuAdi;       // what the server calls itself
    QString MobilBaglanti;   // mobile-terminal connection string (configured only)
    QDate BazTarih;

    // Folders and files, each folder with a trailing slash.
    QString ProgramKlasoru, YedekKlasoru, TempKlasoru, SistemTempKlasoru;
    QString StokResimDosyasi, GridDesignDosyasi;
    QStringList IzgaraDosyalari;

    // Login.
    QString KullaniciAdi;
    QString KullaniciSifresi;
    QString PersonelAdi;
    int UniteKodu = 0;
    int SubeKodu = 0;
    QString SubeKoduMetni;
    QString SubeAdi;
    bool MerkezSube = false;
    QString MalAlacagiDepo;
    QString ServisDepo;

    // Right flags by KIMKUL column name; an unknown right reads empty (no access).
    QString hak(const QString& column) const { return m_rights.value(column.toUpper()); }
    void setHak(const QString& column, const QString& value) { m_rights.insert(column.toUpper(), value); }
    void clearRights() { m_rights.clear(); }
    bool anyRight() const;

    // Lists filled by the shared data module for the logged-in user.
    QList<PickItem> kullaniciSubeleri;   // SUBE_ADI / SUBE_NO
    QList<PickItem> malAlacagiDepolar;   // DEPO_ADI / DEPO_KODU
    // Shared pick lists of the entry windows (OrtakListeleriDoldur), each ordered by its code.
    QList<PickItem> uniteler;            // UNITE_ADI / UNITE_KODU (without 99)
    QList<PickItem> kaynaklar;           // KAYNAK_ADI / KAYNAK_KOD
    QList<PickItem> tedarikciler;        // TED_ADI / TED_KOD
    QList<PickItem> fiktifDepolar;       // DEPO_ADI / DEPO_KODU of FIKTIFDEPO
    QList<PickItem> depolar;             // DEPO_ADI / DEPO_KODU
    QList<PickItem> dovizler;            // DOVIZ_ADI / DOVIZ_KODU
    QList<PickItem> cariHrkTipleri;      // AD / TIP

    CompanyParameters param;

    // The open year database.
    Db db() const { return Db::existing(kOrbita); }

    // Logged-out state: no user, no password, no right passes.
    void clearUser();

private:
    QHash<QString, QString> m_rights;
};

} // namespace nimbo
