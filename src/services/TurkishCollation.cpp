#include "services/TurkishCollation.h"

#include <QCollator>
#include <QLocale>

namespace nimbo {

bool TurkishCollation::less(const QString& a, const QString& b)
{
    // One collator per thread: QCollator is not safe to share between threads.
    thread_local const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Turkish, QLocale::Turkey));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    const int r = collator.compare(a, b);
    return r != 0 ? r < 0 : a < b;
}

} // namespace nimbo
