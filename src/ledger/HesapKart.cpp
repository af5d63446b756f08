#include "ledger/HesapKart.h"
#include "db/RecordWriter.h"
#include "db/DbTransaction.h"
#include "ledger/HesapKodu.h"
#include "ledger/HesapPlani.h"
#include "services/Prompter.h"

namespace nimbo {

HesapKart::HesapKart(const Db& db) : m_db(db) { yeni(); }

void HesapKart::yeni(const QString& kod)
{
    reset({{QStringLiteral("HKOD"), kod},
           {QStringLiteral("BAKIYETIP"), QStringLiteral("I")},
           {QStringLiteral("BILANCOTIP"), QStringLiteral("-")}},
          true);
    m_tasi.reset();
    m_kaydedildi = false;
}

bool HesapKart::ac(const QString& k)
{
    const QVariantMap row = readRow(m_db, QStringLiteral("SELECT * FROM HSPLAN WHERE HKOD = :k"),
                                                  {{QStringLiteral("k"), k}});
    if (row.isEmpty())
        return false;
    reset(row, false);
    m_tasi.reset();
    m_kaydedildi = false;
    return true;
}

void HesapKart::kebirDegisti()
{
    const int k = HesapKodu::kebir(kod());
    if (k >= 1 && k <= 299)
        setValue(QStringLiteral("BILANCOTIP"), QStringLiteral("A"));
    else if (k >= 300 && k <= 599)
        setValue(QStringLiteral("BILANCOTIP"), QStringLiteral("P"));
}

QString HesapKart::anaHesap() const { return HesapPlani(m_db).anaHesap(kod()); }
QString HesapKart::sonAltHesap() const { return HesapPlani(m_db).sonAltHesap(kod()); }

bool HesapKart::tasimaSor()
{
    m_tasi = false;
    m_tasinacakAna.clear();
    if (!isNew())
        return true;
    const QString ana = anaHesap();
    if (ana.isEmpty() || !HesapPlani(m_db).SeviyeKontroluYap(ana))
        return true;
    switch (Prompter::instance().askYesNoCancel(tasimaSorusu())) {
    case Prompter::Answer::Cancel:
        m_tasi.reset();
        return false;
    case Prompter::Answer::Yes:
        m_tasi = true;
        m_tasinacakAna = ana;
        break;
    case Prompter::Answer::No:
        break;
    }
    return true;
}

void HesapKart::kontrolEt() const
{
    if (text(QStringLiteral("HESAP_ADI")).isEmpty())
        throw FieldError(QStringLiteral("Hesap Adı Verilmeden Kayıt Saklanamaz."), QStringLiteral("HESAP_ADI"));
    if (!isNew())
        return;
    const QString k = value(QStringLiteral("HKOD")).toString();
    const auto rakam = [&](int i, QChar from) { return i >= k.size() || (k.at(i) >= from && k.at(i) <= QLatin1Char('9')); };
    if (k.isEmpty() || !rakam(0, QLatin1Char('1')) || !rakam(1, QLatin1Char('0')) || !rakam(2, QLatin1Char('0')))
        throw FieldError(kebirMesaji(), QStringLiteral("HKOD"));
    if (HesapKodu::bicimHatali(k))
        throw FieldError(QStringLiteral("Hesap Kodunda Boşluk veya Art Arda Ayraç Olamaz."), QStringLiteral("HKOD"));
    if (m_db.any(QStringLiteral("SELECT HKOD FROM HSPLAN WHERE HKOD = :k"), {{QStringLiteral("k"), k}}))
        throw FieldError(QStringLiteral("Aynı Kodlu Kayıt Var."), QStringLiteral("HKOD"));
}

void HesapKart::store()
{
    m_kaydedildi = false;
    kontrolEt();
    const QString k = value(QStringLiteral("HKOD")).toString();
    if (isNew() && !m_tasi.has_value() && !tasimaSor())
        throw Vazgecildi();
    setValue(QStringLiteral("SEVIYE"), HesapKodu::seviye(k));
    setValue(QStringLiteral("SON_SEVIYE"), HesapPlani(m_db).altHesabiVar(k) ? 0 : 1);
    setValue(QStringLiteral("KEBIR"), HesapKodu::kebir(k));

    DbTransaction tx(m_db);
    RecordWriter w(m_db, table());
    if (isNew())
        w.insert(values());
    else
        w.update(values(), loaded(), {{QStringLiteral("HKOD"), k}});
    if (isNew() && m_tasi.value_or(false) && !m_tasinacakAna.isEmpty()) {
        m_db.exec(QStringLiteral("UPDATE HSPLAN SET SON_SEVIYE = 0 WHERE HKOD = :a"), {{QStringLiteral("a"), m_tasinacakAna}});
        m_db.exec(QStringLiteral("UPDATE FISAYR SET HSPKODU = :y WHERE HSPKODU = :a"),
                  {{QStringLiteral("y"), k}, {QStringLiteral("a"), m_tasinacakAna}});
    }
    tx.commit();
    setNew(false);
    markClean();
    m_tasi.reset();
    m_kaydedildi = true;
}

bool HesapKart::sil(const Db& db, const QString& kod)
{
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    QString desen = kod;
    desen.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    desen += QLatin1Char('%');
    const Params p{{QStringLiteral("d"), desen}, {QStringLiteral("k"), kod}};
    if (db.any(QStringLiteral("SELECT FISNO FROM FISAYR WHERE HSPKODU LIKE :d ESCAPE '\\'"), p)
        || db.any(QStringLiteral("SELECT HKOD FROM HSPLAN WHERE HKOD LIKE :d ESCAPE '\\' AND HKOD <> :k"), p))
        throw UserError(QStringLiteral("Bu Hesap Kodu ile İlgili İşlem veya Alt Kodları Var.Silinemez!"));
    DbTransaction tx(db);
    db.exec(QStringLiteral("DELETE FROM HSPLAN WHERE HKOD = :k"), {{QStringLiteral("k"), kod}});
    tx.commit();
    return true;
}

} // namespace nimbo
