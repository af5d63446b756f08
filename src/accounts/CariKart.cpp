#include "accounts/CariKart.h"
#include "accounts/KodAlani.h"
#include "db/RecordWriter.h"
#include "db/SqlValues.h"
#include "db/DbTransaction.h"
#include "services/SessionContext.h"

#include <QDate>
#include <QLocale>

namespace nimbo {

namespace {
const QString kKod = QStringLiteral("CARI_KOD");
const QStringList kBankaKolonlari = {QStringLiteral("BANKA_KOD"), QStringLiteral("TEM_BANK"),
                                     QStringLiteral("TEM_TUTAR"), QStringLiteral("VADE_TAR"), QStringLiteral("CTIP")};
} // namespace

CariKart::CariKart(const Db& db) : m_db(db) {}

QStringList CariKart::kopyalanmayanlar()
{
    return {QStringLiteral("ISKGRUP"),       QStringLiteral("DOVIZ_KODU"),   QStringLiteral("POSTAKODU"),
            QStringLiteral("TEDARIKCI"),     QStringLiteral("BAYI_KOD"),     QStringLiteral("MUH_KOD2"),
            QStringLiteral("KIRILIMLI"),     QStringLiteral("ARC_MUH_SATIS"), QStringLiteral("ARC_MUH_ALIS"),
            QStringLiteral("TCKIMLIKNO"),    QStringLiteral("ILCE"),         QStringLiteral("ABMFYTUYG")};
}

QString CariKart::yerelDoviz(const Db& db)
{
    const QVariant fromSession = SessionContext::current().param.values.value(QStringLiteral("PARAMETRE.YERELDOVIZ"));
    if (!isBlank(fromSession))
        return toText(fromSession).trimmed();
    if (db.tableExists(QStringLiteral("PARAMETRE"))) {
        const QString v = toText(db.scalar(QStringLiteral("SELECT YERELDOVIZ FROM PARAMETRE"))).trimmed();
        if (!v.isEmpty())
            return v;
    }
    return QStringLiteral("TL");
}

void CariKart::startNew(const QString& kaynakKod)
{
    QVariantMap v;
    v.insert(QStringLiteral("ACILISTRH"), QDate::currentDate());
    v.insert(QStringLiteral("PASIF"), QStringLiteral("A"));
    v.insert(QStringLiteral("AVUKATVER"), QStringLiteral("H"));
    v.insert(QStringLiteral("WEBDENMI"), QStringLiteral("H"));
    v.insert(QStringLiteral("DOVIZ_KODU"), yerelDoviz(m_db));
    v.insert(QStringLiteral("KIRILIMLI"), QStringLiteral("E"));
    v.insert(QStringLiteral("RISKRITER"), QStringLiteral("Y"));
    v.insert(QStringLiteral("RISBAKTIP"), QStringLiteral("B"));
    bankalar.clear();
    if (!kaynakKod.isEmpty()) {
        const QVariantMap src = readRow(m_db, QStringLiteral("SELECT * FROM CARI WHERE CARI_KOD = :K"),
                                                      {{QStringLiteral("K"), kaynakKod}});
        const QStringList keep = kopyalanmayanlar();
        for (auto it = src.begin(); it != src.end(); ++it)
            if (it.key() != kKod && !keep.contains(it.key()))
                v.insert(it.key(), it.value());
    }
    v.insert(kKod, QString());
    reset(v, true);
    m_yuklenenBankalar.clear();
}

bool CariKart::open(const QString& kod)
{
    QVariantMap v = readRow(m_db, QStringLiteral("SELECT * FROM CARI WHERE CARI_KOD = :K"),
                                          {{QStringLiteral("K"), kod}});
    if (v.isEmpty())
        return false;
    if (isBlank(v.value(QStringLiteral("AVUKATVER"))))
        v.insert(QStringLiteral("AVUKATVER"), QStringLiteral("H"));
    reset(v, false);
    bankalar.clear();
    for (const QSqlRecord& r : m_db.records(QStringLiteral("SELECT BANKA_KOD, TEM_BANK, TEM_TUTAR, VADE_TAR, CTIP "
                                                           "FROM CARIBANKA WHERE CARI_KOD = :K ORDER BY ROW_ID"),
                                            {{QStringLiteral("K"), kod}})) {
        QVariantMap b;
        for (int i = 0; i < r.count(); ++i)
            b.insert(r.fieldName(i).toUpper(), r.value(i));
        bankalar << b;
    }
    m_yuklenenBankalar = bankalar;
    return true;
}

void CariKart::checkCode(const QString& kod) const
{
    if (kod.isEmpty())
        return;
    if (KodAlani::baskaTurdeVar(m_db, kod, KodAlani::Tur::Cari))
        throw FieldError(QStringLiteral("Aynı Cari Kodu, Başka Bir Kayda İşlenmiş.!!!"), kKod);
}

bool CariKart::ayniAdVar(const QString& kod, const QString& ad) const
{
    if (ad.trimmed().isEmpty())
        return false;
    return m_db.any(QStringLiteral("SELECT CARI_KOD, FIRMA_ADI FROM CARI WHERE CARI_KOD<>:cad AND FIRMA_ADI=:fad"),
                    {{QStringLiteral("cad"), kod}, {QStringLiteral("fad"), ad}});
}

QString CariKart::ayniAdUyarisi()
{
    return QStringLiteral("Dikkat Aynı Firma Adı Başka Cari Kodlu bir Kayıda da Verilmiş.");
}

QString CariKart::sonCariKodu(const QString& onEk) const
{
    // The prefix is data: its own % and _ must not act as wildcards.
    QString like = onEk;
    like.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    like.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    like.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    const QString kod = toText(m_db.scalar(
        QStringLiteral("SELECT MAX( CARI_KOD ) AS NEW_KOD FROM CARI WHERE CARI_KOD LIKE :ANA_KOD ESCAPE '\\'"),
        {{QStringLiteral("ANA_KOD"), like + QLatin1Char('%')}}));
    if (kod.isEmpty())
        throw FieldError(QStringLiteral("Verilen Ana Hesap Ait Alt Hesap Bulunamadı!"), kKod, FieldError::Kind::Error);
    return kod;
}

void CariKart::setAnaGrup(const QVariant& anaGrup)
{
    setValue(QStringLiteral("ANA_GRUP"), anaGrup);
    setValue(QStringLiteral("CARI_GRP_KOD"), QVariant());
    setValue(QStringLiteral("ALT_GRUP"), QVariant());
}

void CariKart::setGrup(const QVariant& grup)
{
    setValue(QStringLiteral("CARI_GRP_KOD"), grup);
    setValue(QStringLiteral("ALT_GRUP"), QVariant());
}

void CariKart::store()
{
    const struct { const char* column; const char* message; } required[] = {
        {"ADRES_1", "Lütfen Adres Bilgisini Giriniz."},
        {"TEL1", "Lütfen Telefon Bilgisini Giriniz."},
        {"VD", "Lütfen VD Bilgisini Giriniz."},
        {"VN", "Lütfen VN Bilgisini Giriniz."},
    };
    for (const auto& r : required)
        if (isBlank(value(QString::fromLatin1(r.column))))
            throw FieldError(QString::fromUtf8(r.message), QString::fromLatin1(r.column));
    if (isBlank(value(kKod)) || isBlank(value(QStringLiteral("FIRMA_ADI"))))
        throw FieldError(QStringLiteral("Cari Kodu, Adı Bilgisini Vermeden Kayıt Saklanamaz."), {},
                         FieldError::Kind::Info);

    // The code is stored exactly as typed: spaces inside and quotes are part of it.
    const QString kod = toText(value(kKod));
    setValue(kKod, kod);
    setValue(QStringLiteral("AKTARILDI"), QStringLiteral("H"));
    DbTransaction tx(m_db);
    RecordWriter cari(m_db, table());
    if (isNew())
        cari.insert(values());
    else
        cari.update(values(), loaded(), {{kKod, loaded().value(kKod)}});
    m_db.exec(QStringLiteral("DELETE FROM CARIBANKA WHERE CARI_KOD = :K"), {{QStringLiteral("K"), kod}});
    RecordWriter banka(m_db, QStringLiteral("CARIBANKA"));
    for (QVariantMap b : bankalar) {
        if (isBlank(b.value(QStringLiteral("BANKA_KOD"))) && isBlank(b.value(QStringLiteral("TEM_BANK"))))
            continue;
        b.insert(kKod, kod);
        banka.insert(b);
    }
    tx.commit();
    m_kaydedilen = kod;
    setNew(false);
    markClean();
    m_yuklenenBankalar = bankalar;
}

QVariantMap CariKart::bankaSatiri(const QStringList& hucreler, int satirNo)
{
    auto cell = [&](int i) { return i < hucreler.size() ? hucreler.at(i).trimmed() : QString(); };
    auto refuse = [&](const QString& what, const QString& column) {
        throw FieldError(QStringLiteral("Bankalar %1. satır: %2 okunamadı (\"%3\").")
                             .arg(satirNo)
                             .arg(what, cell(kBankaKolonlari.indexOf(column))),
                         column);
    };
    QVariantMap b;
    b.insert(QStringLiteral("BANKA_KOD"), cell(0).left(22));
    b.insert(QStringLiteral("TEM_BANK"), cell(1).left(22));
    QVariant tutar;
    if (!cell(2).isEmpty()) {
        bool ok = false;
        double v = QLocale(QLocale::Turkish).toDouble(cell(2), &ok);
        if (!ok)
            v = QLocale::c().toDouble(cell(2), &ok);
        if (!ok)
            refuse(QStringLiteral("Tem.Tutarı"), QStringLiteral("TEM_TUTAR"));
        tutar = v;
    }
    b.insert(QStringLiteral("TEM_TUTAR"), tutar);
    QVariant vade;
    if (!cell(3).isEmpty()) {
        const QDate d = QDate::fromString(cell(3), QStringLiteral("d.M.yyyy"));
        if (!d.isValid())
            refuse(QStringLiteral("Vade tarihi (gg.aa.yyyy)"), QStringLiteral("VADE_TAR"));
        vade = d;
    }
    b.insert(QStringLiteral("VADE_TAR"), vade);
    QVariant tip;
    if (!cell(4).isEmpty()) {
        bool ok = false;
        const int t = cell(4).toInt(&ok);
        if (!ok)
            refuse(QStringLiteral("İşlem tipi"), QStringLiteral("CTIP"));
        tip = t;
    }
    b.insert(QStringLiteral("CTIP"), tip);
    return b;
}

CariKartHaklari CariKartHaklari::of(const SessionContext& s)
{
    CariKartHaklari h;
    h.riskDegistirir = s.hak(QStringLiteral("CRISK")) == QLatin1String("H");
    h.kartDegistirir = s.hak(QStringLiteral("CARIKDUZEL")) == QLatin1String("H");
    return h;
}

QStringList CariKartHaklari::riskKolonlari()
{
    return {QStringLiteral("MAKSVADEGUN"), QStringLiteral("RISK_LIMITI"), QStringLiteral("FAT_ISK")};
}

} // namespace nimbo
