#pragma once
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "services/CompanyParameterLoader.h"
#include "services/SessionContext.h"
#include "support/TestEnv.h"

#include <QDateTime>

namespace nimbo::test {

// A year database with the company parameters loaded into the session.
class ServicesTest : public YearDbTest {
protected:
    void SetUp() override
    {
        YearDbTest::SetUp();
        loadCompanyParameters(db, SessionContext::current());
    }

    void addRate(const QString& dvz, const QDateTime& at, double alis, double satis, double efAlis = 0,
                 double efSatis = 0, double ozelSatis = 0)
    {
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO KURDEGER (TARIH, DOVIZ_KODU, TLDEGERI_ALIS, TLDEGERI_SATIS, "
                               "EFKTLDEGERI_ALIS, EFKTLDEGERI_SATIS, OZELTLDEGERI_SATIS) VALUES (:t, :d, :a, :s, "
                               ":ea, :es, :os)"),
                {{QStringLiteral("t"), at}, {QStringLiteral("d"), dvz}, {QStringLiteral("a"), alis},
                 {QStringLiteral("s"), satis}, {QStringLiteral("ea"), efAlis}, {QStringLiteral("es"), efSatis},
                 {QStringLiteral("os"), ozelSatis}});
        tx.commit();
    }

    void addCurrency(const QString& kod)
    {
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI, AKTIF) VALUES (:k, :k, 'E')"),
                {{QStringLiteral("k"), kod}});
        tx.commit();
    }

    int count(const QString& sql, const Params& p = {}) { return db.scalar(sql, p).toInt(); }
};

inline QDateTime at(int y, int m, int d, int h = 0, int min = 0) { return QDateTime(QDate(y, m, d), QTime(h, min)); }

} // namespace nimbo::test
