#include "accounts/CariListe.h"
#include "db/SqlValues.h"
#include "db/TextSearch.h"
#include "db/DbTransaction.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"

namespace nimbo {

namespace {

// Balances are money held as doubles: anything under half a kuruş counts as zero, so that
// 0,10 + 0,20 against 0,30 is settled here as it is on the card ("---   ").
// FINBAKIYE holds every code's totals, kept by the movement ledger's triggers. Probed per
// account (EXISTS) so that a page of the list costs a page of look-ups, not the whole summary.
const QString kBakiyeVar = QStringLiteral(
    " AND EXISTS (SELECT 1 FROM FINBAKIYE B WHERE B.KODU = CARI.CARI_KOD AND %1)");
const QString kBakiye = QStringLiteral("B.BORC - B.ALACAK");
} // namespace

QList<QPair<QString, QString>> CariListe::aramaAlanlari()
{
    return {{QStringLiteral("Cari Kodu"), QStringLiteral("CARI_KOD")},
            {QStringLiteral("Cari Adı"), QStringLiteral("FIRMA_ADI")},
            {QStringLiteral("Yetkili Adı"), QStringLiteral("YETKILI_ADI")},
            {QStringLiteral("TC Kimlik No"), QStringLiteral("TCKIMLIKNO")}};
}

ListQuery CariListe::sorgu(const CariFiltre& f, const QDate& today) const
{
    ListQuery q;
    QString& s = q.sql;
    s = QStringLiteral("SELECT CARI_KOD, FIRMA_ADI, YETKILI_ADI, MAKSVADEGUN, YETKILI_SOYAD, PASIF, SEMT, ILCE, ILI, "
                       "FAT_ISK, TEL1, ALT_GRUP, CARI_GRP_KOD, ACILISTRH, CANAGRUP.GRUP_ADI, ANA_GRUP, ACIKLAMA, "
                       "OZEL_GRUP, ISCI_KOD, DOVIZ_KODU, TCKIMLIKNO FROM CARI LEFT OUTER JOIN CANAGRUP "
                       "ON(KODU=ANA_GRUP) WHERE 1=1");
    auto add = [&](const QString& clause, const QString& name, const QVariant& v) {
        s += QLatin1Char(' ') + clause;
        q.params.insert(name, v);
    };
    if (f.durum == CariFiltre::Durum::Aktif)
        s += QStringLiteral(" AND (PASIF='A')");
    else if (f.durum == CariFiltre::Durum::Pasif)
        s += QStringLiteral(" AND (PASIF='P')");
    if (!f.grup.isEmpty())
        add(QStringLiteral("AND (CARI_GRP_KOD=:GRUP)"), QStringLiteral("GRUP"), f.grup);
    if (!f.altGrup.isEmpty())
        add(QStringLiteral("AND (ALT_GRUP=:ALTGRUP)"), QStringLiteral("ALTGRUP"), f.altGrup);
    if (f.anaGrup.isValid() && !f.anaGrup.toString().isEmpty())
        add(QStringLiteral("AND (ANA_GRUP=:ANAGRUP)"), QStringLiteral("ANAGRUP"), f.anaGrup.toInt());
    if (!f.ilce.isEmpty())
        add(QStringLiteral("AND (ILCE=:ILCE)"), QStringLiteral("ILCE"), f.ilce);
    if (!f.il.isEmpty())
        add(QStringLiteral("AND (ILI=:ILI)"), QStringLiteral("ILI"), f.il);
    if (!f.semt.isEmpty())
        // LIKE as typed ("%" stays a wildcard), but without regard to case.
        add(QStringLiteral("AND (%1 LIKE :SEMT)").arg(m_db.dialect().foldUpper(QStringLiteral("SEMT"))),
            QStringLiteral("SEMT"), TextSearch::pattern(f.semt));
    if (f.vadeGun.isValid() && !f.vadeGun.toString().isEmpty())
        add(QStringLiteral("AND (MAKSVADEGUN=:VADE)"), QStringLiteral("VADE"), f.vadeGun.toInt());

    switch (f.bakiye) {
    case CariFiltre::Bakiye::Tumu: break;
    case CariFiltre::Bakiye::Borclu:
        s += kBakiyeVar.arg(kBakiye + QStringLiteral(" > 0.005"));
        break;
    case CariFiltre::Bakiye::Alacakli:
        s += kBakiyeVar.arg(kBakiye + QStringLiteral(" < -0.005"));
        break;
    case CariFiltre::Bakiye::Bakiyesiz:
        // Accounts whose movements sum to zero; one that never moved has no group to compare.
        s += kBakiyeVar.arg(QStringLiteral("ABS(%1) < 0.005").arg(kBakiye));
        break;
    }
    switch (f.taksit) {
    case CariFiltre::Taksit::Tumu: break;
    case CariFiltre::Taksit::Taksitli:
        s += QStringLiteral(" AND CARI_KOD IN (SELECT CARI_KOD FROM TAKSITS)");
        break;
    case CariFiltre::Taksit::TaksitBakiyesiOlan:
        add(QStringLiteral("AND CARI_KOD IN (SELECT CARI_KOD FROM TAKSITS WHERE COALESCE(TAKSIT_ODENDI, 'H') <> 'E' "
                           "AND ODE_TRH >= :YARIN)"),
            QStringLiteral("YARIN"), today.addDays(1));
        break;
    case CariFiltre::Taksit::TaksitiOdemeyen:
        add(QStringLiteral("AND CARI_KOD IN (SELECT CARI_KOD FROM TAKSITS WHERE COALESCE(TAKSIT_ODENDI, 'H') <> 'E' "
                           "AND ODE_TRH < :BUGUN)"),
            QStringLiteral("BUGUN"), today);
        break;
    }

    if (!f.aramaDegeri.isEmpty()) {
        bool known = false;
        for (const auto& a : aramaAlanlari())
            known = known || a.second == f.aramaAlani;
        // Names are searched in Turkish upper case on both engines ("şük" finds "Şükrü", "ı" is
        // not "i"); codes and numbers as they are typed.
        const bool ad = f.aramaAlani == QLatin1String("FIRMA_ADI") || f.aramaAlani == QLatin1String("YETKILI_ADI");
        if (known && ad)
            add(QStringLiteral("AND (%1)").arg(TextSearch::clause(m_db.dialect(), f.aramaAlani, QStringLiteral("ARANAN"))),
                QStringLiteral("ARANAN"), TextSearch::startsWith(f.aramaDegeri));
        else if (known)
            add(QStringLiteral("AND (%1 %2 :ARANAN ESCAPE '\\')").arg(f.aramaAlani, m_db.dialect().ilike()),
                QStringLiteral("ARANAN"), escapeLike(f.aramaDegeri) + QLatin1Char('%'));
    }
    q.keyExpr = QStringLiteral("CARI.CARI_KOD");
    q.keyField = QStringLiteral("CARI_KOD");
    for (const char* c : {"FIRMA_ADI", "YETKILI_ADI", "MAKSVADEGUN", "YETKILI_SOYAD", "PASIF", "SEMT", "ILCE", "ILI",
                             "FAT_ISK", "TEL1", "ALT_GRUP", "CARI_GRP_KOD", "ACILISTRH", "ANA_GRUP", "OZEL_GRUP",
                             "ISCI_KOD", "DOVIZ_KODU", "TCKIMLIKNO"})
        q.sortable.insert(QLatin1String(c), QStringLiteral("CARI.") + QLatin1String(c));
    q.sortable.insert(QStringLiteral("GRUP_ADI"), QStringLiteral("CANAGRUP.GRUP_ADI"));
    return q;
}

bool CariListe::borcKapatabilir()
{
    if (SessionContext::current().hak(QStringLiteral("CHODEKAPAC")).trimmed() != QLatin1String("-"))
        return true;
    Prompter::instance().warn(QStringLiteral("Borç Kapatma Yetkiniz Yok..!"));
    return false;
}

bool CariListe::sil(const QString& kod) const
{
    // Only a user who may change account cards deletes one; a view-only list offers no
    // delete, and this holds for every other road too.
    if (SessionContext::current().hak(QStringLiteral("CARIKDUZEL")).trimmed().toUpper() != QLatin1String("H")) {
        Prompter::instance().warn(QStringLiteral("Cari Kartı Değiştirme Yetkiniz Yok..!"));
        return false;
    }
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    const Params p{{QStringLiteral("CKod"), kod}};
    DbTransaction tx(m_db);
    const bool used =
        // Finance movements on the code or naming it as their account; two look-ups, so that
        // each uses its own index (an OR of the two scans the whole ledger on SQLite).
        m_db.any(QStringLiteral("SELECT KODU FROM FINHRK WHERE KODU=:CKod"), p)
        || m_db.any(QStringLiteral("SELECT KODU FROM FINHRK WHERE CARIKOD=:CKod"), p)
        || m_db.any(QStringLiteral("SELECT TASI_FIRMA FROM SEVK WHERE TASI_FIRMA=:CKod"), p)
        || m_db.any(QStringLiteral("SELECT CARIKOD FROM CARIPERS WHERE CARIKOD=:CKod"), p)
        || m_db.any(QStringLiteral("SELECT CARIKOD FROM CARISEVK WHERE CARIKOD=:CKod"), p);
    if (used) {
        tx.rollback();
        Prompter::instance().info(QStringLiteral("Bu Cari Kod ile ilgili işlem var.Silinemez!"));
        return false;
    }
    // The banks and invoice addresses belong to the card and go with it.
    m_db.exec(QStringLiteral("DELETE FROM CARIBANKA WHERE CARI_KOD=:CKod"), p);
    m_db.exec(QStringLiteral("DELETE FROM CARIFATURA WHERE CARIKOD=:CKod"), p);
    m_db.exec(QStringLiteral("DELETE FROM CARI WHERE CARI_KOD=:CKod"), p);
    tx.commit();
    return true;
}

QString CariListe::ilkCari(const QString& table, const QString& column) const
{
    // Table and column are the program's own names, never typed text.
    return toText(m_db.scalar(QStringLiteral("SELECT MIN(%1) FROM %2").arg(column, table))).trimmed();
}

QStringList CariListe::kodlar() const
{
    QStringList out;
    for (const QSqlRecord& r : m_db.records(QStringLiteral("SELECT CARI_KOD FROM CARI ORDER BY CARI_KOD")))
        out << toText(r.value(0));
    return out;
}

QStringList CariListe::kodlar(const ListQuery& liste) const
{
    QStringList out;
    const ListQuery q = liste.whole(m_db.dialect());
    for (const QSqlRecord& r : m_db.records(q.sql, q.params))
        out << toText(r.value(QStringLiteral("CARI_KOD")));
    return out;
}

} // namespace nimbo
