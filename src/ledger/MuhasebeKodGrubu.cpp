#include "ledger/MuhasebeKodGrubu.h"
#include "db/DbTransaction.h"
#include "db/RecordWriter.h"
#include "ledger/HesapPlani.h"
#include "services/Prompter.h"

namespace nimbo {

namespace {

struct Kolon {
    const char* ad;
    const char* etiket;
};

const Kolon kKolonlar[] = {
    {"MUH_S", "Satış Kodu"},
    {"MUH_A", "Alış Kodu"},
    {"MUH_ISK_S", "Satış İskonto Kodu"},
    {"MUH_ISK_A", "Alış İskonto Kodu"},
    {"MUH_IADE_S", "Satış İade Kodu"},
    {"MUH_IADE_A", "Alış İade Kodu"},
    {"MUH_KDV_S", "Satış KDV Kodu"},
    {"MUH_KDV_A", "Alış KDV Kodu"},
    {"MUH_KDV_IADE_S", "Satış İade KDV Muh.Kodu"},
    {"MUH_KDV_IADE_A", "Alış İade KDV Muh.Kodu"},
    {"MUH_OTV_A", "Alış ÖTV Kodu"},
    {"MUH_MAL_S", "Satış Maliyet Muh. Kodu"},
    {"MUH_MAL_A", "Alış Maliyet Muh. Kodu"},
    {"MUH_GRSAT", "Garanti Satış Muh.Kodu"},
    {"MUH_GRSATISK", "Garanti Satış İsk. Muh.Kodu"},
    {"MUH_KDVTEV_S", "Satış KDV Tevkifat Kodu"},
    {"MUH_KDVTEV_A", "Alış KDV Tevkifat Kodu"},
};

// The item columns a stock group card selects by, when it names them.
const char* const kSecim[] = {"ANAGRUPNO", "GRUPNO", "ALTGRUPNO", "FIRMANO", "KDV"};

} // namespace

MuhasebeKodGrubu::MuhasebeKodGrubu(const Db& db, Tur tur) : m_db(db), m_tur(tur) { yeni(); }

QString MuhasebeKodGrubu::tablo(Tur tur)
{
    switch (tur) {
    case Tur::Stok: return QStringLiteral("MUHSTK");
    case Tur::Masraf: return QStringLiteral("MUHMASRF");
    case Tur::Hizmet: return QStringLiteral("MUHISCI");
    }
    return {};
}

QString MuhasebeKodGrubu::baslik(Tur tur)
{
    switch (tur) {
    case Tur::Stok: return QStringLiteral("MUHASEBE HESAP KODU GRUP KAYIT KARTI");
    case Tur::Masraf: return QStringLiteral("MASRAFLARIN HAZIR MUHASEBE HESAP KODU GRUP KARTI");
    case Tur::Hizmet: return QStringLiteral("İŞÇİLİK VE HİZMETLERİN HAZIR MUHASEBE HESAP KODU GRUP KARTI");
    }
    return {};
}

QString MuhasebeKodGrubu::table() const { return tablo(m_tur); }

const QStringList& MuhasebeKodGrubu::kodKolonlari()
{
    static const QStringList k = [] {
        QStringList out;
        for (const Kolon& c : kKolonlar)
            out << QString::fromLatin1(c.ad);
        return out;
    }();
    return k;
}

QString MuhasebeKodGrubu::etiket(const QString& kolon)
{
    for (const Kolon& c : kKolonlar)
        if (kolon == QLatin1String(c.ad))
            return QString::fromUtf8(c.etiket);
    return kolon;
}

void MuhasebeKodGrubu::yeni() { reset({{QStringLiteral("KODATAMA"), QStringLiteral("H")}}, true); }

bool MuhasebeKodGrubu::ac(const QString& ad)
{
    // The table name comes from the card's kind, never from input.
    const QVariantMap row = readRow(m_db, QStringLiteral("SELECT * FROM %1 WHERE ADI = :a").arg(table()),
                                    {{QStringLiteral("a"), ad}});
    if (row.isEmpty())
        return false;
    reset(row, false);
    return true;
}

void MuhasebeKodGrubu::store()
{
    const QString ad = text(QStringLiteral("ADI"));
    if (ad.isEmpty())
        throw FieldError(QStringLiteral("Grup Adı Bilgisini Vermeden Kayıt Saklanamaz."), QStringLiteral("ADI"));
    const HesapPlani plan(m_db);
    for (const QString& k : kodKolonlari()) {
        const QString kod = text(k);
        if (!kod.isEmpty() && !plan.SeviyeKontroluYap(kod))
            throw FieldError(QStringLiteral("Lütfen Hatalı Hesap kodunu Düzeltiniz"), k);
    }
    if ((isNew() || ad != toText(loaded().value(QStringLiteral("ADI"))).trimmed())
        && m_db.any(QStringLiteral("SELECT 1 FROM %1 WHERE ADI = :a").arg(table()), {{QStringLiteral("a"), ad}}))
        throw FieldError(QStringLiteral("Aynı Kodlu Kayıt Var."), QStringLiteral("ADI"));
    QVariantMap v = values();
    v.insert(QStringLiteral("ADI"), ad);
    DbTransaction tx(m_db);
    RecordWriter w(m_db, table());
    if (isNew())
        w.insert(v);
    else
        w.update(v, loaded(), {{QStringLiteral("ADI"), loaded().value(QStringLiteral("ADI"))}});
    tx.commit();
}

int MuhasebeKodGrubu::kodlariYaz() const
{
    QStringList set, bos;
    Params p;
    for (const QString& k : kodKolonlari()) {
        bos << k + QStringLiteral(" IS NULL");
        const QString kod = text(k);
        if (kod.isEmpty())
            continue;
        set << QStringLiteral("%1 = :%1").arg(k);
        p.insert(k, kod);
    }
    if (set.isEmpty())
        throw UserError(QStringLiteral("Hata : En az bir adet muhasebe kodu girmelisiniz!"));

    QString hedef, kosul;
    switch (m_tur) {
    case Tur::Stok: {
        hedef = QStringLiteral("STOKMUH");
        QStringList secim{QStringLiteral("STOK_NO > 0")};
        for (const char* c : kSecim) {
            const QString kolon = QString::fromLatin1(c);
            const QVariant v = value(kolon);
            if (v.isNull() || toText(v).trimmed().isEmpty() || v.toDouble() == 0)
                continue;
            secim << QStringLiteral("%1 = :S_%1").arg(kolon);
            p.insert(QStringLiteral("S_") + kolon, v);
        }
        kosul = QStringLiteral("STOK_NO IN (SELECT STOK_NO FROM STOK WHERE %1)").arg(secim.join(QStringLiteral(" AND ")));
        break;
    }
    case Tur::Masraf:
        hedef = QStringLiteral("MASRAF");
        kosul = QStringLiteral("KODU IS NOT NULL");
        break;
    case Tur::Hizmet:
        hedef = QStringLiteral("ARIZA");
        kosul = QStringLiteral("ARIZA_KODU IS NOT NULL");
        break;
    }
    if (text(QStringLiteral("KODATAMA")) == QLatin1String("O"))
        kosul += QStringLiteral(" AND ") + bos.join(QStringLiteral(" AND "));

    DbTransaction tx(m_db);
    // Every item gets its row first, so the update reaches items that never had codes.
    if (m_tur == Tur::Stok)
        m_db.exec(QStringLiteral("INSERT INTO STOKMUH(STOK_NO) SELECT STOK_NO FROM STOK WHERE STOK_NO NOT IN "
                                 "(SELECT STOK_NO FROM STOKMUH)"));
    const int n = m_db.execAffected(
        QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(hedef, set.join(QStringLiteral(", ")), kosul), p);
    tx.commit();
    return n;
}

bool MuhasebeKodGrubu::sil(const Db& db, Tur tur, const QString& ad)
{
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    DbTransaction tx(db);
    db.exec(QStringLiteral("DELETE FROM %1 WHERE ADI = :a").arg(tablo(tur)), {{QStringLiteral("a"), ad}});
    tx.commit();
    return true;
}

QStringList MuhasebeKodGrubu::adlar(const Db& db, Tur tur)
{
    QStringList out;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT ADI FROM %1 ORDER BY ADI").arg(tablo(tur))))
        out << toText(r.value(0)).trimmed();
    return out;
}

} // namespace nimbo
