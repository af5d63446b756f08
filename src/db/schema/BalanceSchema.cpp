#include "db/Db.h"
#include "db/SchemaDef.h"

namespace nimbo {

// Every code's local-currency debit and credit totals and its row count, so that the balances
// of all accounts (the account list's balance filters, the balance reports) read one row per
// code instead of summing the whole movement ledger. The triggers keep it inside the writing
// transaction on both engines, so no writer has to know about it. A code whose last row goes
// is removed, which also drops whatever rounding the running sums gathered.
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
            return {QStringLiteral("CREATE OR REPLACE FUNCTION FINHRK_BAKIYE() RETURNS trigger AS $$\n"
                                   "BEGIN\n"
                                   "  IF TG_OP <> 'INSERT' THEN\n"
                                   "    %1;\n    %2;\n"
                                   "  END IF;\n"
                                   "  IF TG_OP <> 'DELETE' THEN\n"
                                   "    %3;\n"
                                   "  END IF;\n"
                                   "  RETURN NULL;\n"
                                   "END $$ LANGUAGE plpgsql")
                        .arg(remove, drop, add),
                    QStringLiteral("DROP TRIGGER IF EXISTS TR_FINHRK_BAKIYE ON FINHRK"),
                    QStringLiteral("CREATE TRIGGER TR_FINHRK_BAKIYE AFTER INSERT OR DELETE OR UPDATE OF KODU, BORC, "
                                   "ALACAK ON FINHRK FOR EACH ROW EXECUTE FUNCTION FINHRK_BAKIYE()")};
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
    db.exec(QStringLiteral("DELETE FROM FINBAKIYE"));
    db.exec(QStringLiteral("INSERT INTO FINBAKIYE (KODU, BORC, ALACAK, SATIR) SELECT KODU, COALESCE(SUM(BORC), 0), "
                           "COALESCE(SUM(ALACAK), 0), COUNT(*) FROM FINHRK WHERE KODU IS NOT NULL GROUP BY KODU"));
}

} // namespace nimbo
