// Draws numbers from one counter table and prints each on its own line. Started several
// times at once by the counter tests.
#include "db/Db.h"
#include "db/Errors.h"
#include "services/YeniKayitNo.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 6) {
        std::fprintf(stderr, "usage: nimbo_counter_worker DRIVER SERVER DATABASE TABLE COUNT\n");
        return 2;
    }
    try {
        nimbo::ConnectionParams p;
        p.driver = a[1];
        p.server = a[2];
        p.database = a[3]; // already the physical name
        const nimbo::Db db = nimbo::Db::open(QStringLiteral("WORKER"), p);
        const int n = a[5].toInt();
        QByteArray out;
        for (int i = 0; i < n; ++i)
            out += QByteArray::number(qRound64(nimbo::YeniKayitNo(db, a[4]))) + '\n';
        std::fwrite(out.constData(), 1, out.size(), stdout);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
