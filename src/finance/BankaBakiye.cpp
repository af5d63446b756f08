#include "finance/BankaBakiye.h"

namespace nimbo {

namespace {
// The condition over FINHRK F that lets a row count. The paper is looked up only for the rows
// that carry one, a key look-up each: joined instead, PostgreSQL hashed all of CSKART for one
// account's few hundred cheque rows.
const char* const kSayilir =
    "(COALESCE(F.CEK_NO, 0)=0 OR EXISTS (SELECT 1 FROM CSKART C WHERE C.PORTFOYNO=F.CEK_NO AND C.SON_DURUMU='T' "
    "AND ((F.ISLEM_TIP='E' AND C.SAHIP='F') OR (F.BORC>0 AND C.SAHIP='M'))))";

ListQuery toplamlar(const QString& grupSql, const QString& where, const Params& p)
{
    // Without a group the totals are per currency alone (PostgreSQL refuses a constant in GROUP BY).
    const QString secilen = grupSql.isEmpty() ? QStringLiteral("''") : grupSql;
    const QString grupla = grupSql.isEmpty() ? QString() : grupSql + QStringLiteral(", ");
    ListQuery q;
    q.sql = QStringLiteral("SELECT %1 AS GRUP, F.DOVIZ_KODU, SUM(F.BORC), SUM(F.ALACAK), SUM(F.BORC_DVZ), "
                           "SUM(F.ALACAK_DVZ) FROM BANKA B JOIN FINHRK F ON F.KODU=B.BANKA_KOD WHERE %2 AND %3 "
                           "GROUP BY %4F.DOVIZ_KODU ORDER BY 1, 2")
                .arg(secilen, where, QLatin1String(kSayilir), grupla);
    q.params = p;
    return q;
}
} // namespace

ListQuery BankaBakiye::hesapSorgusu(const QString& bankaKod, const QString& hesapNo)
{
    return toplamlar(QStringLiteral("F.KODU2"), QStringLiteral("B.BANKA_KOD=:B AND F.KODU2=:H"),
                     {{QStringLiteral("B"), bankaKod}, {QStringLiteral("H"), hesapNo}});
}

ListQuery BankaBakiye::bankaSorgusu(const QString& bankaKod)
{
    return toplamlar(QStringLiteral("B.BANKA_KOD"), QStringLiteral("B.BANKA_KOD=:B"), {{QStringLiteral("B"), bankaKod}});
}

ListQuery BankaBakiye::hepsiSorgusu(Grup grup)
{
    switch (grup) {
    case Grup::Hesap:
        return toplamlar(QStringLiteral("B.BANKA_KOD || ' / ' || F.KODU2"), QStringLiteral("1=1"), {});
    case Grup::Banka:
        return toplamlar(QStringLiteral("B.BANKA_KOD"), QStringLiteral("1=1"), {});
    case Grup::Sube:
        return toplamlar(QStringLiteral("COALESCE(B.BANKA_SUBE, '')"), QStringLiteral("1=1"), {});
    case Grup::Tumu:
        break;
    }
    return toplamlar({}, QStringLiteral("1=1"), {});
}

QList<BankaToplam> BankaBakiye::oku(const ListQuery& q) const
{
    QList<BankaToplam> out;
    for (const QSqlRecord& r : m_db.records(q.sql, q.params)) {
        BankaToplam t;
        t.grup = toText(r.value(0)).trimmed();
        t.doviz = toText(r.value(1)).trimmed();
        t.borc = r.value(2).toDouble();
        t.alacak = r.value(3).toDouble();
        t.borcDvz = r.value(4).toDouble();
        t.alacakDvz = r.value(5).toDouble();
        out << t;
    }
    return out;
}

} // namespace nimbo
