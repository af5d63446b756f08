#include "accounts/MailAyarlari.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"

#include <QSqlRecord>

namespace nimbo {

namespace {
QVariant orNull(const QString& s) { return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s); }
} // namespace

MailAyarlari MailAyarlari::oku(const Db& db)
{
    MailAyarlari a;
    const QVector<QSqlRecord> rows = db.records(QStringLiteral(
        "SELECT POSTASUNUCUSU, NETPORT, HESAPADI, HSPAROLA, EMAIL, FIRMA_ADI FROM EKIM"));
    if (rows.isEmpty())
        return a;
    const QSqlRecord& r = rows.first();
    a.postaSunucusu = toText(r.value(QStringLiteral("POSTASUNUCUSU"))).trimmed();
    const QVariant port = r.value(QStringLiteral("NETPORT"));
    a.netPort = port.isNull() ? QString() : QString::number(port.toInt());
    a.hesapAdi = toText(r.value(QStringLiteral("HESAPADI"))).trimmed();
    a.hsParola = toText(r.value(QStringLiteral("HSPAROLA")));
    a.email = toText(r.value(QStringLiteral("EMAIL"))).trimmed();
    a.firmaAdi = toText(r.value(QStringLiteral("FIRMA_ADI"))).trimmed();
    return a;
}

void MailAyarlari::sakla(const Db& db) const
{
    if (firmaAdi.trimmed().isEmpty())
        throw UserError(QStringLiteral("Gerekli Alanları Lüften Giriniz."));
    bool ok = true;
    const int port = netPort.trimmed().toInt(&ok);
    if (!netPort.trimmed().isEmpty() && (!ok || port <= 0 || port > 65535))
        throw UserError(QStringLiteral("Bağlantı Noktası Numarası 1 ile 65535 arasında bir sayı olmalıdır."));
    const Params p{{QStringLiteral("SUNUCU"), orNull(postaSunucusu.trimmed())},
                   {QStringLiteral("PORT"), netPort.trimmed().isEmpty() ? QVariant(QMetaType(QMetaType::Int)) : QVariant(port)},
                   {QStringLiteral("HESAP"), orNull(hesapAdi.trimmed())},
                   {QStringLiteral("PAROLA"), orNull(hsParola)},
                   {QStringLiteral("EMAIL"), orNull(email.trimmed())},
                   {QStringLiteral("FIRMA"), firmaAdi.trimmed()}};
    DbTransaction tx(db);
    const int changed = db.execAffected(QStringLiteral(
        "UPDATE EKIM SET POSTASUNUCUSU=:SUNUCU, NETPORT=:PORT, HESAPADI=:HESAP, HSPAROLA=:PAROLA, EMAIL=:EMAIL, "
        "FIRMA_ADI=:FIRMA"), p);
    if (changed == 0)
        db.exec(QStringLiteral("INSERT INTO EKIM (POSTASUNUCUSU, NETPORT, HESAPADI, HSPAROLA, EMAIL, FIRMA_ADI) "
                               "VALUES (:SUNUCU, :PORT, :HESAP, :PAROLA, :EMAIL, :FIRMA)"),
                p);
    tx.commit();
}

SmtpSettings MailAyarlari::smtp() const
{
    SmtpSettings s;
    s.host = postaSunucusu.trimmed();
    s.port = netPort.trimmed().toInt();
    s.userName = hesapAdi.trimmed();
    s.password = hsParola;
    return s;
}

} // namespace nimbo
