#include "stock/StockParts.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "model/CardModel.h"
#include "stock/StockCard.h"

#include <QSqlRecord>

namespace nimbo {

StockParts::StockParts(const Db& db, double stokNo) : m_db(db), m_stokNo(stokNo) {}

void StockParts::load()
{
    m_rows.clear();
    for (const QSqlRecord& r : m_db.records(QStringLiteral("SELECT P.PARCA_STOK_NO, S.STOK_KOD_NO, S.STOK_ADI_TR, "
                                                           "P.MIKTAR FROM STOKPARCA P LEFT OUTER JOIN STOK S ON "
                                                           "(S.STOK_NO = P.PARCA_STOK_NO) WHERE P.STOK_NO = :S "
                                                           "ORDER BY P.SIRANO"),
                                            {{QStringLiteral("S"), m_stokNo}}))
        m_rows << Row{r.value(0).toDouble(), toText(r.value(1)).trimmed(), toText(r.value(2)).trimmed(),
                      r.value(3).toDouble()};
}

void StockParts::addByCode(const QString& kod)
{
    const auto found = m_db.records(QStringLiteral("SELECT STOK_NO, STOK_KOD_NO, STOK_ADI_TR FROM STOK "
                                                   "WHERE STOK_KOD_NO = :K"),
                                    {{QStringLiteral("K"), kod.trimmed()}});
    if (found.isEmpty())
        throw UserError(QStringLiteral("Stok Bulunamadı."));
    const double no = found.first().value(0).toDouble();
    if (no == m_stokNo)
        throw UserError(QStringLiteral("Bir Ürün Kendi Parçası Olamaz."));
    for (Row& r : m_rows)
        if (r.parcaStokNo == no) {
            r.miktar += 1;
            return;
        }
    m_rows << Row{no, toText(found.first().value(1)).trimmed(), toText(found.first().value(2)).trimmed(), 1};
}

void StockParts::save()
{
    StockCard::stockRight().requireChange();
    if (m_rows.isEmpty())
        throw FieldError(QStringLiteral("İçindeki Parçalar Boş Olarak Saklanmamaz"));
    for (int i = 0; i < m_rows.size(); ++i)
        if (!(m_rows[i].miktar > 0))
            throw FieldError(QStringLiteral("%1 için miktar sıfırdan büyük olmalı.").arg(m_rows[i].kod),
                             QStringLiteral("MIKTAR"));
    const Params s{{QStringLiteral("S"), m_stokNo}};
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("DELETE FROM STOKPARCA WHERE STOK_NO = :S"), s);
    for (int i = 0; i < m_rows.size(); ++i)
        m_db.exec(QStringLiteral("INSERT INTO STOKPARCA (STOK_NO, SIRANO, PARCA_STOK_NO, MIKTAR) "
                                 "VALUES (:S, :N, :P, :M)"),
                  {{QStringLiteral("S"), m_stokNo}, {QStringLiteral("N"), i + 1},
                   {QStringLiteral("P"), m_rows[i].parcaStokNo}, {QStringLiteral("M"), m_rows[i].miktar}});
    tx.commit();
}

} // namespace nimbo
