#include "finance/BankaBakiye.h"

#include <QMap>

namespace nimbo {

namespace {
// Whether a row of FINHRK F counts. For one bank or account the paper of each cheque row is
// looked up by key: a few thousand look-ups. For every bank at once that is one look-up per
// cheque row of the year (on PostgreSQL a third of the time), so there the collected papers
// are read once, one set for our own and one for the customers'.
const char* const kTekTek =
    "(COALESCE(F.CEK_NO, 0)=0 OR EXISTS (SELECT 1 FROM CSKART C WHERE C.PORTFOYNO=F.CEK_NO AND C.SON_DURUMU='T' "
    "AND ((F.ISLEM_TIP='E' AND C.SAHIP='F') OR (F.BORC>0 AND C.SAHIP='M'))))";
const char* const kKumeyle =
    "(COALESCE(F.CEK_NO, 0)=0 "
    "OR (F.ISLEM_TIP='E' AND F.CEK_NO IN (SELECT PORTFOYNO FROM CSKART WHERE SON_DURUMU='T' AND SAHIP='F')) "
    "OR (F.BORC>0 AND F.CEK_NO IN (SELECT PORTFOYNO FROM CSKART WHERE SON_DURUMU='T' AND SAHIP='M')))";

// Grouped in the index's own order: PostgreSQL aggregates as it walks the index (it sorted
// and spilled 260 000 rows to disk when grouped by a "bank / account" expression), SQLite
// needs no temporary tree.
ListQuery hesapToplamlari(const QString& where, const char* sayilir, const Params& p)
{
    ListQuery q;
    q.sql = QStringLiteral("SELECT F.KODU, F.KODU2, F.DOVIZ_KODU, SUM(F.BORC), SUM(F.ALACAK), SUM(F.BORC_DVZ), "
                           "SUM(F.ALACAK_DVZ) FROM FINHRK F WHERE %1 AND %2 "
                           "GROUP BY F.KODU, F.KODU2, F.DOVIZ_KODU ORDER BY F.KODU, F.KODU2, F.DOVIZ_KODU")
                .arg(where, QLatin1String(sayilir));
    q.params = p;
    return q;
}

QString hesapEtiketi(const QString& banka, const QString& hesap)
{
    return hesap.isEmpty() ? banka : banka + QStringLiteral(" / ") + hesap;
}
} // namespace

ListQuery BankaBakiye::hesapSorgusu(const QString& bankaKod, const QString& hesapNo)
{
    return hesapToplamlari(QStringLiteral("F.KODU=:B AND F.KODU2=:H"), kTekTek,
                           {{QStringLiteral("B"), bankaKod}, {QStringLiteral("H"), hesapNo}});
}

ListQuery BankaBakiye::bankaSorgusu(const QString& bankaKod)
{
    return hesapToplamlari(QStringLiteral("F.KODU=:B"), kTekTek, {{QStringLiteral("B"), bankaKod}});
}

ListQuery BankaBakiye::hepsiSorgusu(const QStringList& bankaKodlari)
{
    // The codes as a list rather than a sub-select: PostgreSQL then walks the index once per
    // code in code order and needs no sort to group.
    QStringList yerler;
    Params p;
    for (int i = 0; i < bankaKodlari.size(); ++i) {
        yerler << QStringLiteral(":B%1").arg(i);
        p.insert(QStringLiteral("B%1").arg(i), bankaKodlari.at(i));
    }
    return hesapToplamlari(QStringLiteral("F.KODU IN (%1)").arg(yerler.join(QStringLiteral(", "))), kKumeyle, p);
}

QList<BankaToplam> BankaBakiye::hesap(const QString& bankaKod, const QString& hesapNo) const
{
    return grupla(oku(hesapSorgusu(bankaKod, hesapNo)), [](const Satir& s) { return s.hesap; });
}

QList<BankaToplam> BankaBakiye::banka(const QString& bankaKod) const
{
    return grupla(oku(bankaSorgusu(bankaKod)), [](const Satir& s) { return s.banka; });
}

QList<BankaToplam> BankaBakiye::hesaplari(const QString& bankaKod) const
{
    return grupla(oku(bankaSorgusu(bankaKod)), [](const Satir& s) { return hesapEtiketi(s.banka, s.hesap); });
}

QList<BankaToplam> BankaBakiye::hepsi(Grup grup) const
{
    QStringList kodlar;
    QHash<QString, QString> subeler;
    for (const QSqlRecord& r : m_db.records(QStringLiteral("SELECT BANKA_KOD, BANKA_SUBE FROM BANKA"))) {
        const QString kod = toText(r.value(0));
        kodlar << kod;
        subeler.insert(kod, toText(r.value(1)).trimmed());
    }
    if (kodlar.isEmpty())
        return {};
    kodlar.sort(); // the order the index is walked in
    const QList<Satir> satirlar = oku(hepsiSorgusu(kodlar));
    switch (grup) {
    case Grup::Hesap:
        return grupla(satirlar, [](const Satir& s) { return hesapEtiketi(s.banka, s.hesap); });
    case Grup::Banka:
        return grupla(satirlar, [](const Satir& s) { return s.banka; });
    case Grup::Sube:
        return grupla(satirlar, [&subeler](const Satir& s) { return subeler.value(s.banka); });
    case Grup::Tumu:
        break;
    }
    return grupla(satirlar, [](const Satir&) { return QString(); });
}

QList<BankaBakiye::Satir> BankaBakiye::oku(const ListQuery& q) const
{
    QList<Satir> out;
    for (const QSqlRecord& r : m_db.records(q.sql, q.params)) {
        Satir s;
        s.banka = toText(r.value(0)).trimmed();
        s.hesap = toText(r.value(1)).trimmed();
        s.toplam.doviz = toText(r.value(2)).trimmed();
        s.toplam.borc = r.value(3).toDouble();
        s.toplam.alacak = r.value(4).toDouble();
        s.toplam.borcDvz = r.value(5).toDouble();
        s.toplam.alacakDvz = r.value(6).toDouble();
        out << s;
    }
    return out;
}

QList<BankaToplam> BankaBakiye::grupla(const QList<Satir>& satirlar,
                                       const std::function<QString(const Satir&)>& grup)
{
    // Ordered by group, then currency.
    QMap<std::pair<QString, QString>, BankaToplam> toplamlar;
    for (const Satir& s : satirlar) {
        const QString g = grup(s);
        BankaToplam& t = toplamlar[{g, s.toplam.doviz}];
        t.grup = g;
        t.doviz = s.toplam.doviz;
        t.borc += s.toplam.borc;
        t.alacak += s.toplam.alacak;
        t.borcDvz += s.toplam.borcDvz;
        t.alacakDvz += s.toplam.alacakDvz;
    }
    return toplamlar.values();
}

} // namespace nimbo
