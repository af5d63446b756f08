#include "finance/KasaKart.h"
#include "accounts/KodAlani.h"
#include "db/RecordWriter.h"
#include "db/DbTransaction.h"
#include "services/Prompter.h"

namespace nimbo {

namespace {
const QString kKod = QStringLiteral("KASAKOD");
}

void KasaKart::yeni()
{
    reset({{kKod, QString()}, {QStringLiteral("DOVIZ_KOD"), toText(m_db.scalar(QStringLiteral(
                                                                "SELECT YERELDOVIZ FROM PARAMETRE")))}},
          true);
}

bool KasaKart::ac(const QString& kod)
{
    const QVariantMap row = readRow(m_db, QStringLiteral("SELECT * FROM KASA WHERE KASAKOD=:K"),
                                    {{QStringLiteral("K"), kod}});
    if (row.isEmpty())
        return false;
    reset(row, false);
    return true;
}

void KasaKart::kodKontrol(const QString& kod) const
{
    if (kod.trimmed().isEmpty())
        return;
    if (KodAlani::baskaTurdeVar(m_db, kod, KodAlani::Tur::Kasa))
        throw FieldError(QStringLiteral("Aynı Kasa Kodu, Başka Bir Kayda İşlenmiş.!!!"), kKod);
}

void KasaKart::store()
{
    const QString kod = text(kKod);
    if (kod.isEmpty())
        throw FieldError(QStringLiteral("Kodu Bilgisini Vermeden Kayıt Saklanamaz."), kKod);
    kodKontrol(kod);
    setValue(kKod, kod);
    DbTransaction tx(m_db);
    RecordWriter w(m_db, table());
    if (isNew())
        w.insert(values());
    else
        w.update(values(), loaded(), {{kKod, loaded().value(kKod)}});
    tx.commit();
    m_kaydedilen = kod;
}

bool KasaKart::sil(const Db& db, const QString& kod)
{
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    const Params p{{QStringLiteral("Akod"), kod}};
    // Expense codes live in a table of the expense module, when the year has one.
    if (db.any(QStringLiteral("SELECT KASAKOD FROM KASAHRKT WHERE KASAKOD=:Akod"), p)
        || (db.tableExists(QStringLiteral("MASRAFA"))
            && db.any(QStringLiteral("SELECT KODU FROM MASRAFA WHERE KODU=:Akod"), p)))
        throw UserError(QStringLiteral("Kayıt ile İlgili İşlem Var.Silinemez!"));
    DbTransaction tx(db);
    db.exec(QStringLiteral("DELETE FROM KIMKULKASA WHERE KASAKOD=:Akod"), p);
    db.exec(QStringLiteral("DELETE FROM KASA WHERE KASAKOD=:Akod"), p);
    tx.commit();
    return true;
}

} // namespace nimbo
