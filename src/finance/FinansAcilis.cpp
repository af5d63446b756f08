#include "finance/FinansAcilis.h"
#include "db/RecordWriter.h"
#include "db/SqlValues.h"

namespace nimbo {

QString FinansAcilis::ilkKasa() const
{
    return toText(m_db.scalar(QStringLiteral("SELECT MIN(KASAKOD) FROM KASA WHERE KASAKOD<>'PK'"))).trimmed();
}

QString FinansAcilis::ilkBanka() const
{
    return toText(m_db.scalar(QStringLiteral("SELECT MIN(BANKA_KOD) FROM BANKA"))).trimmed();
}

double FinansAcilis::ilkCekSenet() const
{
    return m_db.scalar(QStringLiteral("SELECT MIN(PORTFOYNO) FROM CSKART")).toDouble();
}

FinansAcilis::Belge FinansAcilis::sonBankaHareketi() const
{
    const QVariantMap r = readRow(
        m_db, QStringLiteral("SELECT HRK_NO, TIP FROM BANKHRK WHERE HRK_NO=(SELECT MAX(HRK_NO) FROM BANKHRK)"));
    Belge b;
    if (!r.isEmpty()) {
        b.no = r.value(QStringLiteral("HRK_NO")).toDouble();
        b.tip = toText(r.value(QStringLiteral("TIP"))).trimmed();
    }
    return b;
}

FinansAcilis::Belge FinansAcilis::sonFinansBelgesi() const
{
    const QVariantMap r = readRow(m_db, QStringLiteral("SELECT FIN_ID, ISLEM_TIP, ISLEM_TIP2 FROM FINMAST WHERE "
                                                       "FIN_ID=(SELECT MAX(FIN_ID) FROM FINMAST)"));
    Belge b;
    if (!r.isEmpty()) {
        b.no = r.value(QStringLiteral("FIN_ID")).toDouble();
        b.tip = toText(r.value(QStringLiteral("ISLEM_TIP"))).trimmed();
        b.tip2 = toText(r.value(QStringLiteral("ISLEM_TIP2"))).trimmed();
    }
    return b;
}

} // namespace nimbo
