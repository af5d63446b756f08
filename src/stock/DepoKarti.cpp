#include "stock/DepoKarti.h"
#include "db/DbTransaction.h"
#include "db/RecordWriter.h"
#include "db/SqlValues.h"

namespace nimbo {

void DepoKarti::startNew()
{
    const int sonraki = m_db.scalar(QStringLiteral("SELECT MAX(DEPO_KODU) FROM DEPO")).toInt() + 1;
    reset({{QStringLiteral("DEPO_KODU"), sonraki}}, true);
}

void DepoKarti::open(int depoKodu)
{
    const auto rows = m_db.records(QStringLiteral("SELECT DEPO_KODU, DEPO_ADI, DEPO_YERI FROM DEPO WHERE DEPO_KODU = :D"),
                                   {{"D", depoKodu}});
    if (rows.isEmpty())
        throw UserError(QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor."));
    QVariantMap v = rowMap(rows.first());
    v[QStringLiteral("DEPO_ADI")] = toText(v.value(QStringLiteral("DEPO_ADI"))).trimmed();
    v[QStringLiteral("DEPO_YERI")] = toText(v.value(QStringLiteral("DEPO_YERI"))).trimmed();
    reset(v, false);
}

void DepoKarti::store()
{
    const QString kod = QStringLiteral("DEPO_KODU");
    if (isBlank(value(kod)) || value(kod).toInt() <= 0)
        throw FieldError(QStringLiteral("Gerekli Alanları Lüften Giriniz."), kod);
    if (text(QStringLiteral("DEPO_ADI")).isEmpty())
        throw FieldError(QStringLiteral("Gerekli Alanları Lüften Giriniz."), QStringLiteral("DEPO_ADI"));
    const int d = value(kod).toInt();
    if (isNew() && m_db.any(QStringLiteral("SELECT 1 FROM DEPO WHERE DEPO_KODU = :D"), {{"D", d}}))
        throw FieldError(QStringLiteral("Aynı Kodlu Kayıt Var."), kod);
    QVariantMap v = {{kod, d},
                     {QStringLiteral("DEPO_ADI"), text(QStringLiteral("DEPO_ADI"))},
                     {QStringLiteral("DEPO_YERI"), text(QStringLiteral("DEPO_YERI"))}};
    for (int i = 1; i <= 20; ++i)
        v.insert(QStringLiteral("DEP%1").arg(i), i == d ? 1.0 : 0.0);
    DbTransaction tx(m_db);
    const RecordWriter w(m_db, table());
    if (isNew())
        w.insert(v);
    else
        w.update(v, loaded(), {{kod, d}});
    tx.commit();
}

} // namespace nimbo
