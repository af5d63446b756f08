#include "services/TarihKilit.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"

#include <QSqlQuery>

namespace nimbo {

bool TarihKilitKontrol(const QDate& tarih, bool mesajGoster)
{
    const Db db = SessionContext::current().db();
    QSqlQuery q = db.exec(QStringLiteral("SELECT KILIT_TRH, KILIT_TRH2 FROM PARAMET"));
    if (!q.next())
        return true;
    const QDate from = toDate(q.value(0));
    const QDate to = toDate(q.value(1));
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
