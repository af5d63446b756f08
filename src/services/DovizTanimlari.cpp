#include "services/DovizTanimlari.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"

#include <QSqlQuery>

namespace nimbo {

namespace {
const QString kGerekli = QStringLiteral("Lütfen Gerekli alanı girin.");
}

QVector<DovizTanimi> DovizTanimlari::liste() const
{
    QVector<DovizTanimi> out;
    QSqlQuery q = m_db.exec(QStringLiteral("SELECT DOVIZ_KODU, DOVIZ_ADI, AKTIF FROM DOVIZ ORDER BY DOVIZ_KODU"));
    while (q.next())
        out << DovizTanimi{toText(q.value(0)).trimmed(), toText(q.value(1)).trimmed(), toText(q.value(2)).trimmed()};
    return out;
}

bool DovizTanimlari::kullaniliyor(const QString& kod) const
{
    if (!m_db.tableExists(QStringLiteral("STOK")))
        return false;
    return m_db.any(QStringLiteral("SELECT DOVIZ_KODU FROM STOK WHERE (DOVIZ_KODU = :KodNe)"),
                    {{QStringLiteral("KodNe"), kod}});
}

void DovizTanimlari::ekle(const DovizTanimi& d) const
{
    const QString kod = d.kod.trimmed().toUpper();
    if (kod.isEmpty())
        throw UserError(kGerekli);
    DbTransaction tx(m_db);
    if (m_db.any(QStringLiteral("SELECT 1 FROM DOVIZ WHERE DOVIZ_KODU = :k"), {{QStringLiteral("k"), kod}}))
        throw UserError(QStringLiteral("Aynı Adlı Kayıt Zaten Vardı. Bu Yüzden Kaydedilmedi."));
    m_db.exec(QStringLiteral("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI, AKTIF) VALUES (:k, :a, :ak)"),
              {{QStringLiteral("k"), kod},
               {QStringLiteral("a"), d.ad.trimmed()},
               {QStringLiteral("ak"), d.aktif.isEmpty() ? QStringLiteral("E") : d.aktif}});
    tx.commit();
}

void DovizTanimlari::degistir(const QString& eskiKod, const DovizTanimi& d) const
{
    const QString kod = d.kod.trimmed().toUpper();
    if (kod.isEmpty())
        throw UserError(kGerekli);
    if (kullaniliyor(eskiKod))
        throw UserError(QStringLiteral("Bu Döviz Kodu ile ilgili işlem var.Değiştirilemez!"));
    DbTransaction tx(m_db);
    if (kod != eskiKod
        && m_db.any(QStringLiteral("SELECT 1 FROM DOVIZ WHERE DOVIZ_KODU = :k"), {{QStringLiteral("k"), kod}}))
        throw UserError(QStringLiteral("Aynı Adlı Kayıt Zaten Vardı. Bu Yüzden Kaydedilmedi."));
    m_db.exec(QStringLiteral("UPDATE DOVIZ SET DOVIZ_KODU = :k, DOVIZ_ADI = :a, AKTIF = :ak WHERE DOVIZ_KODU = :e"),
              {{QStringLiteral("k"), kod},
               {QStringLiteral("a"), d.ad.trimmed()},
               {QStringLiteral("ak"), d.aktif.isEmpty() ? QStringLiteral("E") : d.aktif},
               {QStringLiteral("e"), eskiKod}});
    // The rates follow their currency to its new code.
    if (kod != eskiKod)
        m_db.exec(QStringLiteral("UPDATE KURDEGER SET DOVIZ_KODU = :k WHERE DOVIZ_KODU = :e"),
                  {{QStringLiteral("k"), kod}, {QStringLiteral("e"), eskiKod}});
    tx.commit();
}

void DovizTanimlari::sil(const QString& kod) const
{
    if (kullaniliyor(kod))
        throw UserError(QStringLiteral("Bu Döviz Kodu ile ilgili işlem var.Silinemez!"));
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("DELETE FROM DOVIZ WHERE DOVIZ_KODU = :k"), {{QStringLiteral("k"), kod}});
    tx.commit();
}

} // namespace nimbo
