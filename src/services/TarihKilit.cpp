#include "services/TarihKilit.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"

#include <QSqlQuery>

namespace nimbo {

bool TarihKilitKontrol(const QDate& tarih, bool mesajGoster)
{
    return TarihKilitKontrol(SessionContext::current().db(), tarih, mesajGoster);
}

bool TarihKilitKontrol(const Db& db, const QDate& tarih, bool mesajGoster)
{
    const QVector<QSqlRecord> rows = db.records(QStringLiteral("SELECT KILIT_TRH, KILIT_TRH2 FROM PARAMET"));
    if (rows.isEmpty())
        return true;
    const QDate from = toDate(rows.first().value(0));
    const QDate to = toDate(rows.first().value(1));
    if (!from.isValid() || !to.isValid())
        return true;
    if (from <= tarih && tarih <= to)
        return true;
    if (mesajGoster) {
        const QString f = QStringLiteral("dd.MM.yyyy");
        Prompter::instance().error(QStringLiteral("Sadece ") + from.toString(f) + QLatin1Char('-') + to.toString(f)
                                   + QStringLiteral(" tarihleri arasında işlem yapabilirsiniz !") + QLatin1Char('\n')
                                   + QStringLiteral("İşlem tarihi : ") + tarih.toString(f));
    }
    return false;
}

} // namespace nimbo
