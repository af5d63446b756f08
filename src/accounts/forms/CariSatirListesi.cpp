#include "accounts/forms/CariSatirListesi.h"
#include "accounts/CariListe.h"
#include "accounts/CariSatirKart.h"
#include "accounts/forms/CariSatirFormu.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"

#include <memory>

namespace nimbo {

CariSatirListesi::CariSatirListesi(const QString& caption, const QString& table, const QString& orderBy,
                                   const QString& cariKod, QWidget* parent)
    : ListWindow(caption, parent), m_table(table), m_orderBy(orderBy), m_cariKod(cariKod)
{
    setCommands(New | Change | Delete | Print | Export);
    resize(900, 420);
}

QString CariSatirListesi::ilkCari(const QString& table)
{
    return CariListe(SessionContext::current().db()).ilkCari(table, QStringLiteral("CARIKOD"));
}

void CariSatirListesi::setCariKod(const QString& kod)
{
    m_cariKod = kod;
    setWindowTitle(windowTitle().section(QStringLiteral(" - "), 0, 0) + QStringLiteral(" - ") + kod);
    refresh();
}

ListQuery CariSatirListesi::query() const
{
    return CariSatirKart(db(), m_table, {}).liste(m_cariKod, m_orderBy);
}

void CariSatirListesi::newRecord()
{
    std::unique_ptr<CariSatirFormu> f(kartFormu({}));
    if (f && f->exec() == QDialog::Accepted)
        refresh();
}

void CariSatirListesi::changeRecord(const QSqlRecord& row)
{
    std::unique_ptr<CariSatirFormu> f(kartFormu(anahtar(row)));
    if (f && f->exec() == QDialog::Accepted)
        refresh();
}

void CariSatirListesi::setAnahtar(const QStringList& columns)
{
    m_anahtar = columns;
    setKeyField(columns.last());
}

QVariantMap CariSatirListesi::anahtar(const QSqlRecord& row) const
{
    QVariantMap key;
    for (const QString& c : m_anahtar)
        key.insert(c, row.value(c));
    return key;
}

CariSatirFormu* CariSatirListesi::satirFormu(std::unique_ptr<CariSatirKart> kart, const QVariantMap& key,
                                             const QString& caption, QList<CariSatirFormu::Alan> alanlar)
{
    if (key.isEmpty())
        kart->startNew(cariKod());
    else if (!kart->open(key))
        return nullptr;
    if (alanlar.isEmpty())
        for (const ListColumn& c : gridModel()->columns())
            alanlar.append({c.field, c.title});
    return new CariSatirFormu(std::move(kart), caption, alanlar, this);
}

bool CariSatirListesi::deleteRecord(const QSqlRecord& row)
{
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    const QVariantMap key = anahtar(row);
    return deleteGuarded([&] {
        CariSatirKart(db(), m_table, {}).remove(key);
        return true;
    });
}

} // namespace nimbo
