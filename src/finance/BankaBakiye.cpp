#include "finance/BankaBakiye.h"

namespace nimbo {

QString BankaBakiye::sayilirKosulu()
{
    return QStringLiteral("(COALESCE(F.CEK_NO, 0)=0 OR (F.ISLEM_TIP='E' AND C.SAHIP='F' AND C.SON_DURUMU='T') "
                          "OR (F.BORC>0 AND C.SAHIP='M' AND C.SON_DURUMU='T'))");
}

QList<BankaToplam> BankaBakiye::oku(const QString& grupSql, const QString& where, const Params& p) const
{
    // Without a group the totals are per currency alone (PostgreSQL refuses a constant in GROUP BY).
    const QString secilen = grupSql.isEmpty() ? QStringLiteral("''") : grupSql;
    const QString grupla = grupSql.isEmpty() ? QString() : grupSql + QStringLiteral(", ");
    const QString sql = QStringLiteral("SELECT %1 AS GRUP, F.DOVIZ_KODU, SUM(F.BORC), SUM(F.ALACAK), SUM(F.BORC_DVZ), "
                                       "SUM(F.ALACAK_DVZ) FROM BANKA B JOIN FINHRK F ON F.KODU=B.BANKA_KOD "
                                       "LEFT JOIN CSKART C ON C.PORTFOYNO=F.CEK_NO WHERE %2 AND %3 "
                                       "GROUP BY %4F.DOVIZ_KODU ORDER BY 1, 2")
                            .arg(secilen, where, sayilirKosulu(), grupla);
    QList<BankaToplam> out;
    for (const QSqlRecord& r : m_db.records(sql, p)) {
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

QList<BankaToplam> BankaBakiye::hesap(const QString& bankaKod, const QString& hesapNo) const
{
    return oku(QStringLiteral("F.KODU2"), QStringLiteral("B.BANKA_KOD=:B AND F.KODU2=:H"),
               {{QStringLiteral("B"), bankaKod}, {QStringLiteral("H"), hesapNo}});
}

QList<BankaToplam> BankaBakiye::banka(const QString& bankaKod) const
{
    return oku(QStringLiteral("B.BANKA_KOD"), QStringLiteral("B.BANKA_KOD=:B"), {{QStringLiteral("B"), bankaKod}});
}

QList<BankaToplam> BankaBakiye::hepsi(Grup grup) const
{
    switch (grup) {
    case Grup::Hesap:
        return oku(QStringLiteral("B.BANKA_KOD || ' / ' || F.KODU2"), QStringLiteral("1=1"), {});
    case Grup::Banka:
        return oku(QStringLiteral("B.BANKA_KOD"), QStringLiteral("1=1"), {});
    case Grup::Sube:
        return oku(QStringLiteral("COALESCE(B.BANKA_SUBE, '')"), QStringLiteral("1=1"), {});
    case Grup::Tumu:
        break;
    }
    return oku({}, QStringLiteral("1=1"), {});
}

} // namespace nimbo
