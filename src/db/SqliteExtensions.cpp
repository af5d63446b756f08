#include "db/SqliteExtensions.h"
#include "db/Dialect.h"

#include <QCollator>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>
#include <sys/vfs.h>

namespace nimbo {

namespace {

QString textArg(sqlite3_value* v)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

// Dialect::foldText on the UTF-8 bytes for the letters a Turkish text holds: ASCII and the
// two-byte Latin letters with a one-byte-apart capital (ç ö ü â î û and the like), ğ ş and
// the two i's. False (the caller folds through QString) on anything else.
bool foldUtf8(const unsigned char* p, int n, QByteArray& out)
{
    out.resize(0);
    out.reserve(n + 8);
    for (int i = 0; i < n; ++i) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            if (c == 'i')
                out.append("\xC4\xB0", 2); // İ
            else
                out.append(char(c >= 'a' && c <= 'z' ? c - 0x20 : c));
            continue;
        }
        if (i + 1 >= n)
            return false;
        const unsigned char d = p[i + 1];
        if (c == 0xC3 && d >= 0x80 && d <= 0x9E && d != 0x97) {
            out.append(char(c)).append(char(d)); // already capital
        } else if (c == 0xC3 && d >= 0xA0 && d <= 0xBE && d != 0xB7) {
            out.append(char(c)).append(char(d - 0x20)); // à..þ -> À..Þ
        } else if (c == 0xC4 && d == 0xB1) {
            out.append('I'); // ı
        } else if ((c == 0xC4 && (d == 0x9E || d == 0xB0)) || (c == 0xC5 && d == 0x9E)) {
            out.append(char(c)).append(char(d)); // Ğ İ Ş
        } else if ((c == 0xC4 && d == 0x9F) || (c == 0xC5 && d == 0x9F)) {
            out.append(char(c)).append(char(d - 1)); // ğ ş
        } else {
            return false;
        }
        ++i;
    }
    return true;
}

void trUpper(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    // Called once per row by every folded list search: the common letters skip QString.
    thread_local QByteArray out;
    const auto* p = sqlite3_value_text(argv[0]);
    if (!p || !foldUtf8(p, sqlite3_value_bytes(argv[0]), out))
        out = Dialect::foldText(textArg(argv[0])).toUtf8();
    sqlite3_result_text(ctx, out.constData(), int(out.size()), SQLITE_TRANSIENT);
}

const QCollator& turkishCollator()
{
    static const QCollator c = [] {
        QCollator col{QLocale(QLocale::Turkish, QLocale::Turkey)};
        col.setCaseSensitivity(Qt::CaseSensitive);
        return col;
    }();
    return c;
}

int trCompare(void*, int n1, const void* s1, int n2, const void* s2)
{
    const QString a = QString::fromUtf8(static_cast<const char*>(s1), n1);
    const QString b = QString::fromUtf8(static_cast<const char*>(s2), n2);
    const int r = turkishCollator().compare(a, b);
    if (r != 0)
        return r;
    // Equal to the collator but different text: fall back to code points so the order is total.
    return a.compare(b);
}

sqlite3* handleOf(const QSqlDatabase& db)
{
    const QVariant v = db.driver() ? db.driver()->handle() : QVariant();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

} // namespace

namespace SqliteExtensions {

sqlite3* handle(const QSqlDatabase& db) { return handleOf(db); }

void install(const QSqlDatabase& db)
{
    sqlite3* h = handleOf(db);
    if (!h)
        return;
    sqlite3_create_function_v2(h, "TRUPPER", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, trUpper, nullptr,
                               nullptr, nullptr);
    sqlite3_create_collation_v2(h, "TRNAME", SQLITE_UTF8, nullptr, trCompare, nullptr);
}

bool onNetworkFileSystem(const QString& folder)
{
    struct statfs fs {};
    if (statfs(folder.toLocal8Bit().constData(), &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x6969UL:      // NFS
    case 0x517BUL:      // SMB
    case 0xFF534D42UL:  // CIFS
    case 0xFE534D42UL:  // SMB2
    case 0x564C4653UL:  // AFS ("VLFS")
    case 0x65735546UL:  // FUSE (sshfs and the like)
        return true;
    default: return false;
    }
}

} // namespace SqliteExtensions
} // namespace nimbo
