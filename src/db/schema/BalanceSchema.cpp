#include "db/Db.h"
#include "db/SchemaDef.h"

namespace nimbo {

namespace {

// PostgreSQL runs writers side by side. Row triggers that updated the summary at once took
// its row locks in the order the movements were written, so two saves touching the same two
// codes in opposite order deadlocked. Now each movement only appends its change, keyed by
// the transaction, to FINBAKIYE_FARK (appends lock nothing another writer wants), and a
// deferred trigger folds the transaction's changes into the summary at commit in one
// statement, in code order: every writer locks summary rows in the same order and at most
// waits for the other. The change rows live only inside their transaction, so the table is
// unlogged.
QStringList postgresTriggers()
{
    // The change a movement row makes: its amounts and one row, added (NEW) or taken (OLD).
    const auto change = [](const QString& row, const QString& sign) {
        return QStringLiteral("INSERT INTO FINBAKIYE_FARK (TXID, KODU, BORC, ALACAK, SATIR) SELECT txid_current(), ")
               + row + QStringLiteral(".KODU, ") + sign + QStringLiteral("COALESCE(") + row + QStringLiteral(".BORC, 0), ")
               + sign + QStringLiteral("COALESCE(") + row + QStringLiteral(".ALACAK, 0), ") + sign
               + QStringLiteral("1 WHERE ") + row + QStringLiteral(".KODU IS NOT NULL");
    };
    return {
        QStringLiteral("CREATE UNLOGGED TABLE IF NOT EXISTS FINBAKIYE_FARK (TXID BIGINT NOT NULL, "
                       "KODU VARCHAR(22) NOT NULL, BORC DOUBLE PRECISION NOT NULL, ALACAK DOUBLE PRECISION NOT NULL, "
                       "SATIR INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS IX_FINBAKIYE_FARK ON FINBAKIYE_FARK (TXID)"),
        QStringLiteral("CREATE OR REPLACE FUNCTION FINHRK_BAKIYE() RETURNS trigger AS $$\n"
                       "BEGIN\n"
                       "  IF TG_OP <> 'INSERT' THEN\n    %1;\n  END IF;\n"
                       "  IF TG_OP <> 'DELETE' THEN\n    %2;\n  END IF;\n"
                       "  RETURN NULL;\n"
                       "END $$ LANGUAGE plpgsql")
            .arg(change(QStringLiteral("OLD"), QStringLiteral("-")), change(QStringLiteral("NEW"), QString())),
        QStringLiteral("CREATE OR REPLACE FUNCTION FINHRK_BAKIYE_YAZ() RETURNS trigger AS $$\n"
                       "DECLARE bitenler VARCHAR(22)[];\n"
                       "BEGIN\n"
                       "  WITH F AS (DELETE FROM FINBAKIYE_FARK WHERE TXID = txid_current() "
                       "RETURNING KODU, BORC, ALACAK, SATIR),\n"
                       "  T AS (SELECT KODU, SUM(BORC) AS BORC, SUM(ALACAK) AS ALACAK, SUM(SATIR) AS SATIR FROM F "
                       "GROUP BY KODU),\n"
                       "  Y AS (INSERT INTO FINBAKIYE (KODU, BORC, ALACAK, SATIR) "
                       "SELECT KODU, BORC, ALACAK, SATIR FROM T ORDER BY KODU "
                       "ON CONFLICT (KODU) DO UPDATE SET BORC = FINBAKIYE.BORC + EXCLUDED.BORC, "
                       "ALACAK = FINBAKIYE.ALACAK + EXCLUDED.ALACAK, SATIR = FINBAKIYE.SATIR + EXCLUDED.SATIR "
                       "RETURNING KODU, SATIR)\n"
                       "  SELECT array_agg(KODU) INTO bitenler FROM Y WHERE SATIR <= 0;\n"
                       "  IF bitenler IS NOT NULL THEN\n"
                       "    DELETE FROM FINBAKIYE WHERE KODU = ANY(bitenler) AND SATIR <= 0;\n"
                       "  END IF;\n"
                       "  RETURN NULL;\n"
                       "END $$ LANGUAGE plpgsql"),
        QStringLiteral("DROP TRIGGER IF EXISTS TR_FINHRK_BAKIYE ON FINHRK"),
        QStringLiteral("CREATE TRIGGER TR_FINHRK_BAKIYE AFTER INSERT OR DELETE OR UPDATE OF KODU, BORC, ALACAK "
                       "ON FINHRK FOR EACH ROW EXECUTE FUNCTION FINHRK_BAKIYE()"),
        // True for the first change of a transaction only (the flag is transaction-local and
        // goes with a rolled-back savepoint like the queued fold does), so a transaction that
        // writes a million rows queues one fold, not a million.
        QStringLiteral("CREATE OR REPLACE FUNCTION FINHRK_BAKIYE_ILK() RETURNS boolean AS $$\n"
                       "BEGIN\n"
                       "  IF current_setting('nimbo.finbakiye_fark', true) = 'E' THEN\n    RETURN false;\n  END IF;\n"
                       "  PERFORM set_config('nimbo.finbakiye_fark', 'E', true);\n"
                       "  RETURN true;\n"
                       "END $$ LANGUAGE plpgsql VOLATILE"),
        QStringLiteral("DROP TRIGGER IF EXISTS TR_FINHRK_BAKIYE_YAZ ON FINHRK"),
        QStringLiteral("CREATE CONSTRAINT TRIGGER TR_FINHRK_BAKIYE_YAZ AFTER INSERT OR DELETE OR UPDATE OF KODU, "
                       "BORC, ALACAK ON FINHRK DEFERRABLE INITIALLY DEFERRED FOR EACH ROW "
                       "WHEN (FINHRK_BAKIYE_ILK()) EXECUTE FUNCTION FINHRK_BAKIYE_YAZ()")};
}

} // namespace

// Every code's local-currency debit and credit totals and its row count, so that the balances
// of all accounts (the account list's balance filters, the balance reports) read one row per
// code instead of summing the whole movement ledger. The triggers keep it within the writing
// transaction on both engines (on PostgreSQL at its commit), so no writer has to know about
// it. A code whose last row goes is removed, which also drops whatever rounding the running
// sums gathered.
SchemaPart balanceSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("balances");
    p.tables << TableDef{QStringLiteral("FINBAKIYE"),
                         QStringLiteral("KODU VARCHAR(22) NOT NULL, BORC FLOAT NOT NULL DEFAULT 0, "
                                        "ALACAK FLOAT NOT NULL DEFAULT 0, SATIR INTEGER NOT NULL DEFAULT 0, "
                                        "PRIMARY KEY (KODU)")};
    p.triggers << TriggerDef{QStringLiteral("TR_FINHRK_BAKIYE"), [](const Db& db) -> QStringList {
        static const QString add = QStringLiteral(
            "INSERT INTO FINBAKIYE (KODU, BORC, ALACAK, SATIR) "
            "SELECT NEW.KODU, COALESCE(NEW.BORC, 0), COALESCE(NEW.ALACAK, 0), 1 WHERE NEW.KODU IS NOT NULL "
            "ON CONFLICT (KODU) DO UPDATE SET BORC = FINBAKIYE.BORC + EXCLUDED.BORC, "
            "ALACAK = FINBAKIYE.ALACAK + EXCLUDED.ALACAK, SATIR = FINBAKIYE.SATIR + 1");
        static const QString remove = QStringLiteral(
            "UPDATE FINBAKIYE SET BORC = BORC - COALESCE(OLD.BORC, 0), ALACAK = ALACAK - COALESCE(OLD.ALACAK, 0), "
            "SATIR = SATIR - 1 WHERE KODU = OLD.KODU");
        static const QString drop = QStringLiteral("DELETE FROM FINBAKIYE WHERE KODU = OLD.KODU AND SATIR <= 0");
        if (db.dialect().isPostgres())
            return postgresTriggers();
        // A null code matches nothing when removed and is not inserted.
        return {QStringLiteral("DROP TRIGGER IF EXISTS TR_FINHRK_BAKIYE_I"),
                QStringLiteral("DROP TRIGGER IF EXISTS TR_FINHRK_BAKIYE_D"),
                QStringLiteral("DROP TRIGGER IF EXISTS TR_FINHRK_BAKIYE_U"),
                QStringLiteral("CREATE TRIGGER TR_FINHRK_BAKIYE_I AFTER INSERT ON FINHRK BEGIN %1; END").arg(add),
                QStringLiteral("CREATE TRIGGER TR_FINHRK_BAKIYE_D AFTER DELETE ON FINHRK BEGIN %1; %2; END")
                    .arg(remove, drop),
                QStringLiteral("CREATE TRIGGER TR_FINHRK_BAKIYE_U AFTER UPDATE OF KODU, BORC, ALACAK ON FINHRK "
                               "BEGIN %1; %2; %3; END")
                    .arg(remove, drop, add)};
    }};
    return p;
}

void rebuildFinBakiye(const Db& db)
{
    // Changes this transaction queued are in the sums below already.
    if (db.dialect().isPostgres() && db.tableExists(QStringLiteral("FINBAKIYE_FARK")))
        db.exec(QStringLiteral("DELETE FROM FINBAKIYE_FARK WHERE TXID = txid_current()"));
    db.exec(QStringLiteral("DELETE FROM FINBAKIYE"));
    db.exec(QStringLiteral("INSERT INTO FINBAKIYE (KODU, BORC, ALACAK, SATIR) SELECT KODU, COALESCE(SUM(BORC), 0), "
                           "COALESCE(SUM(ALACAK), 0), COUNT(*) FROM FINHRK WHERE KODU IS NOT NULL GROUP BY KODU"));
}

} // namespace nimbo
