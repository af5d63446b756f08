#include "db/SchemaManager.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"

#include <QDateTime>
#include <QRegularExpression>

namespace nimbo {

namespace {
void ensureVersionTable(const Db& db)
{
    if (!db.tableExists(QStringLiteral("SCHEMA_SURUM")))
        db.exec(QStringLiteral("CREATE TABLE SCHEMA_SURUM (SURUM INTEGER NOT NULL, ACIKLAMA VARCHAR(200), "
                               "TARIH TIMESTAMP)"));
}

void recordVersion(const Db& db, int version, const QString& what)
{
    db.exec(QStringLiteral("INSERT INTO SCHEMA_SURUM (SURUM, ACIKLAMA, TARIH) VALUES (:v, :a, :t)"),
            {{QStringLiteral("v"), version}, {QStringLiteral("a"), what},
             {QStringLiteral("t"), QDateTime::currentDateTime()}});
}

QString columnSql(const Dialect& d, const QString& table, const ColumnDef& c, bool forAlter)
{
    QString rest = c.rest;
    if (forAlter) {
        // A column added to a filled table cannot start out NOT NULL without a default.
        if (!rest.contains(QLatin1String("DEFAULT"), Qt::CaseInsensitive))
            rest.remove(QLatin1String("NOT NULL"), Qt::CaseInsensitive);
        rest.remove(QLatin1String("PRIMARY KEY"), Qt::CaseInsensitive);
    }
    QString sql = (c.name + QLatin1Char(' ') + d.columnType(c.type) + QLatin1Char(' ') + rest).trimmed();
    // SQLite stores any length; the declared one is enforced by a named check, whose name
    // tells the error apart (DbFailure::ValueTooLong). PostgreSQL refuses by itself.
    static const QRegularExpression sized(QStringLiteral("^(?:VARCHAR|CHAR|STRING)\\s*\\((\\d+)\\)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto m = sized.match(c.type.trimmed());
    if (d.isSqlite() && m.hasMatch())
        sql += QStringLiteral(" CONSTRAINT LEN_%1_%2 CHECK (length(%2) <= %3)").arg(table, c.name, m.captured(1));
    return sql;
}

bool isEmptyDatabase(const Db& db)
{
    for (const QString& t : db.sql().tables(QSql::Tables))
        if (t.compare(QLatin1String("SCHEMA_SURUM"), Qt::CaseInsensitive) != 0
            && !t.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive))
            return false;
    return true;
}
} // namespace

QList<Migration> buildMigrations()
{
    // Version 1 is the declared schema itself. Later data steps go below, never edited once released.
    return {
        {1, QStringLiteral("İlk şema"), [](const Db&) {}},
        // IX_FINHRK_KODU_DVZ covers the per-currency balance too and replaces it.
        {2, QStringLiteral("FINHRK hesap indeksi döviz kodunu da kapsar"),
         [](const Db& db) { db.exec(QStringLiteral("DROP INDEX IF EXISTS IX_FINHRK_KODU")); }},
        // STOKDEPOYER and STOKPARCA come from the declarations; the step marks the years that lack them.
        {3, QStringLiteral("Stok kartının depo yerleri ve parçaları"), [](const Db&) {}},
        // FISTK, FISTKAYR, MALIFYT, the DEPOMIK view and the movement indexes come from the declarations.
        {4, QStringLiteral("Stok fişleri, maliyet geçmişi ve depo miktarları"), [](const Db&) {}},
        // The mail columns of EKIM come from the declarations.
        {5, QStringLiteral("Kurulum kaydının posta ayarları"), [](const Db&) {}},
        // Account movements, cash desks and the balance summary; the summary is filled from the
        // movements the year already has (the triggers that keep it come with the declarations).
        {6, QStringLiteral("Cari hareketler, kasalar ve hesap bakiye özeti"),
         [](const Db& db) {
             for (const TableDef& t : balanceSchema().tables)
                 if (!db.tableExists(t.name))
                     db.exec(SchemaManager::createTableSql(db.dialect(), t));
             if (db.tableExists(QStringLiteral("FINHRK")))
                 rebuildFinBakiye(db);
         }},
        // ALISAYR, ISCILIKA, MASRAFA, FATIRS_A and the purchase indexes come from the declarations.
        {7, QStringLiteral("Alış satırları, işçilik ve masrafları"), [](const Db&) {}},
        // FISG, FISGA and MASRAF come from the declarations.
        {8, QStringLiteral("Genel tahsil ve tediye fişleri, masraf kartları"), [](const Db&) {}},
        // ARIZA, the code group cards, SATMALIMUH, MALSAT, the remaining STOKMUH and MASRAF codes
        // and SATIS.MUHKASATIP come from the declarations.
        {9, QStringLiteral("Ticari belgelerin muhasebe kodları ve satışların maliyeti"), [](const Db&) {}},
        // Lines of manual account documents were once written with REF_NO = their own CARI_NO,
        // so a sale of the same number cleared them with its own cash rows. A manual line is
        // one whose CARI_NO is a CARIHRKM document of the line's type; bank, finance and
        // instalment lines draw their CARI_NO from the same counter but have no such header.
        {10, QStringLiteral("Elle girilen cari hareket satırlarının REF_NO değeri boşaltılır"),
         [](const Db& db) {
             if (!db.tableExists(QStringLiteral("CARIHRK")) || !db.tableExists(QStringLiteral("CARIHRKM")))
                 return;
             db.exec(QStringLiteral("UPDATE CARIHRK SET REF_NO = NULL WHERE REF_NO = CARI_NO AND EXISTS "
                                    "(SELECT 1 FROM CARIHRKM M WHERE M.CARI_NO = CARIHRK.CARI_NO "
                                    "AND M.TIP = CARIHRK.CRHRK_TUR)"));
         }},
        // IX_FINMAST_TIP comes from the declarations; the step makes years of version 10, which
        // lack it, ask for the upgrade that creates it.
        {11, QStringLiteral("Finans listesinin işlem türü indeksi"), [](const Db&) {}},
        // IX_MALIFYT_STOKTARIH comes from the declarations and replaces the item index of
        // the cost rows, adding the date the last purchase price is found by.
        {12, QStringLiteral("Maliyet geçmişinin ürün ve tarih indeksi"),
         [](const Db& db) { db.exec(QStringLiteral("DROP INDEX IF EXISTS IX_MALIFYT_STOK")); }},
    };
}

const QList<Migration>& SchemaManager::migrations()
{
    static const QList<Migration> m = buildMigrations();
    return m;
}

int SchemaManager::currentVersion() { return migrations().isEmpty() ? 0 : migrations().last().version; }

QString SchemaManager::createTableSql(const Dialect& d, const TableDef& t)
{
    QStringList items;
    for (const ColumnDef& c : parseColumns(t.body))
        items << columnSql(d, t.name, c, false);
    items << parseConstraints(t.body);
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(t.name, items.join(QStringLiteral(", ")));
}

void SchemaManager::apply(const Db& db, const QList<SchemaPart>& parts)
{
    DbTransaction tx(db);
    for (const SchemaPart& part : parts) {
        for (const TableDef& t : part.tables) {
            if (!db.tableExists(t.name)) {
                db.exec(createTableSql(db.dialect(), t));
                continue;
            }
            const QStringList have = db.columns(t.name);
            for (const ColumnDef& c : parseColumns(t.body))
                if (!have.contains(c.name))
                    db.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(t.name, columnSql(db.dialect(), t.name, c, true)));
        }
        for (const IndexDef& i : part.indexes)
            db.exec(QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2 ON %3 (%4)")
                        .arg(i.unique ? QStringLiteral("UNIQUE ") : QString(), i.name, i.table, i.columns));
    }
    // Views last: they may read any table.
    for (const SchemaPart& part : parts)
        for (const ViewDef& v : part.views) {
            db.exec(QStringLiteral("DROP VIEW IF EXISTS %1").arg(v.name));
            db.exec(QStringLiteral("CREATE VIEW %1 AS %2").arg(v.name, v.select(db)));
        }
    for (const SchemaPart& part : parts)
        for (const TriggerDef& t : part.triggers)
            for (const QString& sql : t.statements(db))
                db.exec(sql);
    for (const SchemaPart& part : parts)
        for (const SeedFn& seed : part.seeds)
            seed(db);
    tx.commit();
}

int SchemaManager::versionOf(const Db& db)
{
    if (!db.tableExists(QStringLiteral("SCHEMA_SURUM")))
        return 0;
    return db.scalar(QStringLiteral("SELECT MAX(SURUM) FROM SCHEMA_SURUM")).toInt();
}

void SchemaManager::createYear(const Db& db)
{
    upgradeYear(db);
}

void SchemaManager::upgradeYear(const Db& db)
{
    const bool fresh = isEmptyDatabase(db);
    ensureVersionTable(db);
    const int have = versionOf(db);
    if (have > currentVersion())
        throw UserError(versionMessage(have));
    // Numbered steps first: they prepare an old database for the declarations (renames,
    // conversions). A fresh database is born at the newest version and needs none of them.
    for (const Migration& m : migrations()) {
        if (m.version <= have)
            continue;
        DbTransaction tx(db);
        if (!fresh)
            m.run(db);
        recordVersion(db, m.version, m.what);
        tx.commit();
    }
    apply(db, yearSchema());
}

QString SchemaManager::versionMessage(int found)
{
    if (found > currentVersion())
        return QStringLiteral("Bu yılın veritabanı şeması (sürüm %1) programın tanıdığı sürümden (%2) daha yeni. "
                              "Programın yeni sürümünü kurunuz; veritabanı 'nimbo-admin upgrade' ile yeni sürüme "
                              "yükseltilmiş.")
            .arg(found)
            .arg(currentVersion());
    return QStringLiteral("Bu yılın veritabanı şeması (sürüm %1) programın beklediğinden (%2) eski. Veritabanını "
                          "'nimbo-admin upgrade' komutuyla güncelleyiniz.")
        .arg(found)
        .arg(currentVersion());
}

void SchemaManager::checkYearVersion(const Db& db)
{
    const int found = versionOf(db);
    if (found != currentVersion())
        throw UserError(versionMessage(found));
}

void SchemaManager::createFirms(const Db& db)
{
    ensureVersionTable(db);
    apply(db, {firmsSchema()});
    if (versionOf(db) == 0) {
        DbTransaction tx(db);
        recordVersion(db, 1, QStringLiteral("Firmalar"));
        tx.commit();
    }
}

} // namespace nimbo
