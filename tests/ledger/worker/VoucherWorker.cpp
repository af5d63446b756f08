// Stores balanced two-line vouchers one after another through the voucher store, alternating
// journal ("M") and collection ("C") vouchers, and prints each one's internal and printed
// number on a line. Started several times at once by the voucher numbering test.
#include "db/Db.h"
#include "db/Errors.h"
#include "ledger/FisSaklayici.h"

#include <QCoreApplication>
#include <cstdio>

using namespace nimbo;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 5) {
        std::fprintf(stderr, "usage: nimbo_voucher_worker DRIVER SERVER DATABASE COUNT\n");
        return 2;
    }
    try {
        ConnectionParams p;
        p.driver = a[1];
        p.server = a[2];
        p.database = a[3]; // already the physical name
        const Db db = Db::open(QStringLiteral("WORKER"), p);
        const int n = a[4].toInt();
        QByteArray out;
        for (int i = 0; i < n; ++i) {
            Fis f;
            f.TARIH = QDate(2026, 3, 15);
            f.TUR = i % 2 ? QStringLiteral("C") : QStringLiteral("M");
            for (const auto& [kod, borc] : {std::pair{"120.01", true}, std::pair{"600.01", false}}) {
                FisSatiri s;
                s.HSPKODU = QString::fromLatin1(kod);
                (borc ? s.BORC : s.ALACAK) = 100 + i;
                f.satirlar << s;
            }
            FisSaklayici saklayici(db);
            saklayici.setSessiz(true);
            if (!saklayici.sakla(f)) {
                std::fprintf(stderr, "%s\n", qPrintable(saklayici.hata()));
                return 1;
            }
            out += QByteArray::number(qRound64(f.FISNO)) + ' ' + f.FISNUMARA.toUtf8() + '\n';
        }
        std::fwrite(out.constData(), 1, out.size(), stdout);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
