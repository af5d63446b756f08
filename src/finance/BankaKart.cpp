#include "finance/BankaKart.h"
#include "accounts/KodAlani.h"
#include "db/DbTransaction.h"
#include "db/RecordWriter.h"
#include "db/SqlValues.h"
#include "services/MoneyFormat.h"
#include "services/Prompter.h"

#include <QSet>

namespace nimbo {

namespace {
const QString kKod = QStringLiteral("BANKA_KOD");
const QString kHesap = QStringLiteral("HESAP_NO");
const QString kGerekli = QStringLiteral("Gerekli Alanları Lüften Giriniz.");
} // namespace

void BankaKart::yeni()
{
    reset({{kKod, QString()}}, true);
    hesaplar.clear();
    m_yuklenenHesaplar.clear();
}

bool BankaKart::ac(const QString& kod)
{
    const QVariantMap row = readRow(m_db, QStringLiteral("SELECT * FROM BANKA WHERE BANKA_KOD=:K"),
                                    {{QStringLiteral("K"), kod}});
    if (row.isEmpty())
        return false;
    reset(row, false);
    hesaplar.clear();
    for (const QSqlRecord& r : m_db.records(QStringLiteral("SELECT * FROM BANKAYR WHERE BANKA_KOD=:K ORDER BY HESAP_NO"),
                                           {{QStringLiteral("K"), kod}}))
        hesaplar << rowMap(r);
    m_yuklenenHesaplar = hesaplar;
    m_kaydedilen = kod;
    return true;
}

void BankaKart::kodKontrol(const QString& kod) const
{
    if (kod.trimmed().isEmpty())
        return;
    if (KodAlani::baskaTurdeVar(m_db, kod, KodAlani::Tur::Banka))
        throw FieldError(QStringLiteral("Aynı Banka Kodu, Başka Bir Kayda İşlenmiş.!!!"), kKod);
}

QVariantMap BankaKart::yeniHesap() const
{
    return {{QStringLiteral("HESAR_TURU"), QStringLiteral("1")},
            {QStringLiteral("DOVIZ_KODU"), toText(m_db.scalar(QStringLiteral("SELECT YERELDOVIZ FROM PARAMETRE")))},
            {QStringLiteral("VALOR"), 0},
            {QStringLiteral("KOMISYON"), 0.0}};
}

const QStringList& BankaKart::hesapTurleri()
{
    static const QStringList t{QStringLiteral("1.Ticari Hesap"), QStringLiteral("2.Kredi Hesabı"),
                               QStringLiteral("3.Dövizli Hesap"), QStringLiteral("4.Dövizli Kredili Hesap"),
                               QStringLiteral("5.POS Hesabı")};
    return t;
}

QVariantMap BankaKart::hesapSatiri(const QStringList& hucreler, int satirNo)
{
    auto cell = [&](int i) { return i < hucreler.size() ? hucreler.at(i).trimmed() : QString(); };
    auto number = [&](int i, const QString& what, const QString& column) -> QVariant {
        if (cell(i).isEmpty())
            return 0;
        bool ok = false;
        const double v = MoneyFormat::parse(cell(i), &ok);
        if (!ok)
            throw FieldError(QStringLiteral("Hesaplar %1. satır: %2 okunamadı (\"%3\").").arg(satirNo).arg(what, cell(i)),
                             column, FieldError::Kind::Warn, satirNo - 1);
        return v;
    };
    QVariantMap h;
    h.insert(kHesap, cell(0).left(25));
    h.insert(QStringLiteral("HESAP_ADI"), cell(1).left(36));
    h.insert(QStringLiteral("HESAR_TURU"), cell(2).left(1));
    h.insert(QStringLiteral("DOVIZ_KODU"), cell(3).left(5));
    h.insert(QStringLiteral("VALOR"), qRound(number(4, QStringLiteral("Valör(Gün)"), QStringLiteral("VALOR")).toDouble()));
    h.insert(QStringLiteral("KOMISYON"), number(5, QStringLiteral("Komisyon%"), QStringLiteral("KOMISYON")));
    return h;
}

void BankaKart::muhasebeKoduSecilebilir() const
{
    if (hesaplar.isEmpty())
        throw UserError(QStringLiteral("Lütfen Önce Bankanın Hesaplarını Tanımlayın"));
}

QString BankaKart::hesapSilinemezMesaji() { return QStringLiteral("Bu Banka Hesap No ile İlgili İşlem Var.Silinemez!"); }

bool BankaKart::hesapSilinebilir(const QString& hesapNo) const
{
    return !m_db.any(QStringLiteral("SELECT 1 FROM FINHRK WHERE KODU=:B AND KODU2=:H"),
                     {{QStringLiteral("B"), m_kaydedilen.isEmpty() ? text(kKod) : m_kaydedilen},
                      {QStringLiteral("H"), hesapNo}});
}

void BankaKart::hesapKontrol()
{
    QSet<QString> gorulen;
    for (int i = 0; i < hesaplar.size(); ++i) {
        const QString no = toText(hesaplar.at(i).value(kHesap)).trimmed();
        if (no.isEmpty())
            throw FieldError(kGerekli, kHesap, FieldError::Kind::Warn, i);
        if (gorulen.contains(no))
            throw FieldError(QStringLiteral("Aynı Kodlu Kayıt Var."), kHesap, FieldError::Kind::Warn, i);
        gorulen.insert(no);
    }
    for (const QVariantMap& eski : m_yuklenenHesaplar) {
        const QString no = toText(eski.value(kHesap)).trimmed();
        if (!gorulen.contains(no) && !hesapSilinebilir(no))
            throw FieldError(hesapSilinemezMesaji(), kHesap);
    }
}

void BankaKart::store()
{
    const QString kod = text(kKod);
    if (kod.isEmpty())
        throw FieldError(kGerekli, kKod);
    if (isNew())
        kodKontrol(kod);
    hesapKontrol();
    setValue(kKod, kod);
    DbTransaction tx(m_db);
    RecordWriter banka(m_db, table());
    if (isNew())
        banka.insert(values());
    else
        banka.update(values(), loaded(), {{kKod, kod}});
    m_db.exec(QStringLiteral("DELETE FROM BANKAYR WHERE BANKA_KOD=:K"), {{QStringLiteral("K"), kod}});
    RecordWriter hesap(m_db, QStringLiteral("BANKAYR"));
    for (QVariantMap h : hesaplar) {
        h.insert(kKod, kod);
        h.insert(QStringLiteral("BANKADI"), text(QStringLiteral("BANKA_ADI")).left(40));
        hesap.insert(h);
    }
    tx.commit();
    m_kaydedilen = kod;
    m_yuklenenHesaplar = hesaplar;
}

bool BankaKart::sil(const Db& db, const QString& kod)
{
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    const Params p{{QStringLiteral("K"), kod}};
    if (db.any(QStringLiteral("SELECT 1 FROM BANKAYR WHERE BANKA_KOD=:K"), p))
        throw UserError(QStringLiteral("Bu Banka ile Hesapları Var.Silinemez!"));
    DbTransaction tx(db);
    db.exec(QStringLiteral("DELETE FROM BANKA WHERE BANKA_KOD=:K"), p);
    tx.commit();
    return true;
}

} // namespace nimbo
