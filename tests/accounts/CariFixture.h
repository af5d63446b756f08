#pragma once
#include "db/DbTransaction.h"
#include "support/TestEnv.h"

#include <QDate>

namespace nimbo::test {

// Rows the account tests build on, written directly.
struct CariFixture {
    Db db;

    void cari(const QString& kod, const QVariantMap& extra = {}) const
    {
        QVariantMap v{{QStringLiteral("CARI_KOD"), kod},
                      {QStringLiteral("FIRMA_ADI"), QStringLiteral("Firma ") + kod},
                      {QStringLiteral("PASIF"), QStringLiteral("A")}};
        for (auto it = extra.begin(); it != extra.end(); ++it)
            v.insert(it.key(), it.value());
        insert(QStringLiteral("CARI"), v);
    }
    void finhrk(const QString& kodu, double borc, double alacak, const QString& doviz = QStringLiteral("TL"),
                const QString& carikod = {}) const
    {
        insert(QStringLiteral("FINHRK"), {{QStringLiteral("KODU"), kodu}, {QStringLiteral("BORC"), borc},
                                          {QStringLiteral("ALACAK"), alacak}, {QStringLiteral("BORC_DVZ"), borc},
                                          {QStringLiteral("ALACAK_DVZ"), alacak}, {QStringLiteral("DOVIZ_KODU"), doviz},
                                          {QStringLiteral("CARIKOD"), carikod.isEmpty() ? QVariant() : QVariant(carikod)},
                                          {QStringLiteral("ISLEM_TIP"), QStringLiteral("C")}});
    }
    void taksit(const QString& kod, int satisNo, int sira, const QDate& vade, const QString& odendi) const
    {
        insert(QStringLiteral("TAKSITS"), {{QStringLiteral("SATIS_NO"), satisNo}, {QStringLiteral("SIRANO"), sira},
                                           {QStringLiteral("CARI_KOD"), kod}, {QStringLiteral("ODE_TRH"), vade},
                                           {QStringLiteral("ODEME_TUT"), 100.0},
                                           {QStringLiteral("TAKSIT_ODENDI"),
                                            odendi.isEmpty() ? QVariant() : QVariant(odendi)}});
    }
    void insert(const QString& table, const QVariantMap& v) const
    {
        QStringList cols, holders;
        for (auto it = v.begin(); it != v.end(); ++it) {
            cols << it.key();
            holders << QLatin1Char(':') + it.key();
        }
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(table, cols.join(QLatin1Char(',')), holders.join(QLatin1Char(','))),
                v);
        tx.commit();
    }
    int count(const QString& sql, const Params& p = {}) const { return db.scalar(sql, p).toInt(); }
};

} // namespace nimbo::test
