#include "ledger/ElleFis.h"
#include "ledger/FisNumaralari.h"
#include "ledger/FisSaklayici.h"
#include "ledger/TDMuh.h"
#include "model/DocumentError.h"
#include "services/SessionContext.h"

#include <cmath>

namespace nimbo {

namespace {
const QString kKod = QStringLiteral("HSPKODU");
const QString kBorc = QStringLiteral("BORC");
const QString kAlacak = QStringLiteral("ALACAK");

const char* const kBaslikKolonlari[] = {"FISNO", "TARIH", "TUR", "ENT_TIP", "ENT_REF_NO", "YEVMIYE_NO", "FISNUMARA",
                                        "BELGENO", "ACIKLAMA", "MASRAFM_KOD", "MIKTAR", "IPTAL", "BORC", "ALACAK"};

bool bos(const QVariantMap& r)
{
    return toText(r.value(kKod)).trimmed().isEmpty() && r.value(kBorc).toDouble() == 0 && r.value(kAlacak).toDouble() == 0;
}

FisSaklayici saklayici(const Db& db)
{
    FisSaklayici s(db);
    s.setCalismaYili(SessionContext::current().CalismaYiliNo);
    s.setTanilama(TDMuh::tanilama());
    return s;
}
} // namespace

ElleFis::ElleFis(const Db& db) : DocumentModel(db, QStringLiteral("FIS"), {QStringLiteral("FISNO")}), m_hesaplar(db)
{
    addLineTable(kItems);
    newDocument();
}

void ElleFis::defaults()
{
    putHeader(QStringLiteral("TARIH"), QDate::currentDate());
    putHeader(QStringLiteral("TUR"), QStringLiteral("M"));
}

QVariantMap ElleFis::lineDefaults(const QString&) { return {{QStringLiteral("DOVIZ_KOD"), QStringLiteral("TL")}}; }

void ElleFis::load(const QVariant& key)
{
    Fis f;
    if (!FisSaklayici::yukle(db(), key.toDouble(), f))
        throw UserError(QStringLiteral("Fiş bulunamadı: ") + key.toString());
    QVariantMap h;
    loadHeader(h, false);
    fisiBasligaYaz(f);
    QList<QVariantMap> rows;
    for (const FisSatiri& s : f.satirlar)
        rows << QVariantMap{{kKod, s.HSPKODU},
                            {QStringLiteral("ACIKLAMA"), s.ACIKLAMA},
                            {kBorc, s.BORC},
                            {kAlacak, s.ALACAK},
                            {QStringLiteral("DOVIZ_KOD"), s.DOVIZ_KOD},
                            {QStringLiteral("DVZ_BORC"), s.DVZ_BORC},
                            {QStringLiteral("DVZ_ALACAK"), s.DVZ_ALACAK},
                            {QStringLiteral("TL_DEGERI"), s.TL_DEGERI},
                            {QStringLiteral("ENT_REF_NO"), s.ENT_REF_NO},
                            {QStringLiteral("ENT_REF_TIP"), s.ENT_REF_TIP},
                            {QStringLiteral("MASRAFM_KOD"), s.MASRAFM_KOD},
                            {QStringLiteral("MIKTAR"), s.MIKTAR},
                            {QStringLiteral("GRUP1_KOD"), s.GRUP1_KOD}};
    lines().load(rows);
}

void ElleFis::fisiBasligaYaz(const Fis& f)
{
    putHeader(QStringLiteral("FISNO"), f.FISNO > 0 ? QVariant(f.FISNO) : QVariant());
    putHeader(QStringLiteral("TARIH"), f.TARIH);
    putHeader(QStringLiteral("TUR"), f.TUR);
    putHeader(QStringLiteral("ENT_TIP"), f.ENT_TIP);
    putHeader(QStringLiteral("ENT_REF_NO"), f.ENT_REF_NO);
    putHeader(QStringLiteral("YEVMIYE_NO"), f.YEVMIYE_NO);
    putHeader(QStringLiteral("FISNUMARA"), f.FISNUMARA);
    putHeader(QStringLiteral("BELGENO"), f.BELGENO);
    putHeader(QStringLiteral("ACIKLAMA"), f.ACIKLAMA);
    putHeader(QStringLiteral("MASRAFM_KOD"), f.MASRAFM_KOD);
    putHeader(QStringLiteral("MIKTAR"), f.MIKTAR);
    putHeader(QStringLiteral("IPTAL"), f.IPTAL);
}

int ElleFis::satirEkle(const QString& kod, double borc, double alacak, const QString& aciklama)
{
    const int r = addLine();
    setLine(r, kKod, kod);
    setLine(r, QStringLiteral("ACIKLAMA"), aciklama);
    setLine(r, kBorc, borc);
    setLine(r, kAlacak, alacak);
    return r;
}

void ElleFis::taslaktan(const Fis& taslak)
{
    setHeader(QStringLiteral("TARIH"), taslak.TARIH);
    setHeader(QStringLiteral("TUR"), taslak.TUR);
    setHeader(QStringLiteral("BELGENO"), taslak.BELGENO);
    setHeader(QStringLiteral("ACIKLAMA"), taslak.ACIKLAMA);
    setHeader(QStringLiteral("IPTAL"), taslak.IPTAL);
    for (const FisSatiri& l : taslak.satirlar) {
        const int r = satirEkle(l.HSPKODU, l.BORC, l.ALACAK, l.ACIKLAMA);
        if (l.MIKTAR != 0)
            setLine(r, QStringLiteral("MIKTAR"), l.MIKTAR);
    }
}

bool ElleFis::sakla()
{
    try {
        save();
        return true;
    } catch (const DocumentError&) {
        return false;
    }
}

QString ElleFis::hesapAdi(const QString& kod) const
{
    const auto& h = m_hesaplar.hesap(kod.trimmed());
    return h ? toText(h->value(QStringLiteral("HESAP_ADI"))) : QString();
}

void ElleFis::recompute()
{
    double borc = 0, alacak = 0;
    for (int i = 0; i < lines().count(); ++i) {
        borc += lines().number(i, kBorc);
        alacak += lines().number(i, kAlacak);
    }
    putHeader(kBorc, borc);
    putHeader(kAlacak, alacak);
    putHeader(QStringLiteral("FARK"), borc - alacak);
}

Fis ElleFis::fis() const
{
    Fis f;
    f.FISNO = header(QStringLiteral("FISNO")).isNull() ? -1 : headerNumber(QStringLiteral("FISNO"));
    f.TARIH = toDate(header(QStringLiteral("TARIH")));
    f.TUR = headerText(QStringLiteral("TUR")).trimmed();
    f.ENT_TIP = headerText(QStringLiteral("ENT_TIP")).trimmed();
    f.ENT_REF_NO = header(QStringLiteral("ENT_REF_NO"));
    f.YEVMIYE_NO = header(QStringLiteral("YEVMIYE_NO"));
    f.FISNUMARA = headerText(QStringLiteral("FISNUMARA")).trimmed();
    f.BELGENO = headerText(QStringLiteral("BELGENO")).trimmed();
    f.ACIKLAMA = headerText(QStringLiteral("ACIKLAMA"));
    f.MASRAFM_KOD = headerText(QStringLiteral("MASRAFM_KOD"));
    f.MIKTAR = headerNumber(QStringLiteral("MIKTAR"));
    f.IPTAL = headerText(QStringLiteral("IPTAL")).trimmed();
    for (int i = 0; i < lines().count(); ++i) {
        const QVariantMap& r = lines().row(i);
        if (bos(r))
            continue; // an untouched row of the grid
        FisSatiri s;
        s.SIRANO = int(f.satirlar.size()) + 1;
        s.HSPKODU = toText(r.value(kKod)).trimmed();
        s.ACIKLAMA = toText(r.value(QStringLiteral("ACIKLAMA")));
        s.BORC = r.value(kBorc).toDouble();
        s.ALACAK = r.value(kAlacak).toDouble();
        s.DOVIZ_KOD = toText(r.value(QStringLiteral("DOVIZ_KOD"))).trimmed();
        if (s.DOVIZ_KOD.isEmpty())
            s.DOVIZ_KOD = QStringLiteral("TL");
        s.DVZ_BORC = r.value(QStringLiteral("DVZ_BORC")).toDouble();
        s.DVZ_ALACAK = r.value(QStringLiteral("DVZ_ALACAK")).toDouble();
        s.TL_DEGERI = r.value(QStringLiteral("TL_DEGERI")).toDouble();
        s.ENT_REF_NO = r.value(QStringLiteral("ENT_REF_NO"));
        s.ENT_REF_TIP = toText(r.value(QStringLiteral("ENT_REF_TIP"))).trimmed();
        s.MASRAFM_KOD = toText(r.value(QStringLiteral("MASRAFM_KOD")));
        s.MIKTAR = r.value(QStringLiteral("MIKTAR")).toDouble();
        s.GRUP1_KOD = toText(r.value(QStringLiteral("GRUP1_KOD")));
        if (const auto& h = m_hesaplar.hesap(s.HSPKODU))
            HesapPlani::satiraKopyala(*h, s);
        f.satirlar << s;
    }
    return f;
}

void ElleFis::allocateNumber() { putHeader(QStringLiteral("FISNO"), FisNumaralari::YeniFisKayitNo(db())); }

QList<SaveCheck> ElleFis::checks()
{
    return {{QStringLiteral("belge fişi"),
             [this](CheckContext& c) {
                 if (belgeFisi())
                     c.refuse(belgeFisiMesaji());
             }},
            {QStringLiteral("tarih"),
             [this](CheckContext&) {
                 m_hazir = fis();
                 FisSaklayici s = saklayici(db());
                 if (!s.tarihKontrol(m_hazir))
                     throw DocumentError(s.hata(), QStringLiteral("TARIH"));
                 putHeader(QStringLiteral("TARIH"), m_hazir.TARIH);
             }},
            {QStringLiteral("numara"),
             [this](CheckContext&) {
                 saklayici(db()).numarala(m_hazir);
                 // Numbers once taken stay with the voucher, also when a later check refuses it.
                 putHeader(QStringLiteral("YEVMIYE_NO"), m_hazir.YEVMIYE_NO);
                 putHeader(QStringLiteral("FISNUMARA"), m_hazir.FISNUMARA);
             }},
            {QStringLiteral("denge ve hesap kodları"), [this](CheckContext& c) {
                 const QString hataliKod = QStringLiteral("Hatalı Hesap Kodları Var. Fiş Kaydı Yapılamaz");
                 FisSaklayici s = saklayici(db());
                 const bool ok = s.dengeKontrol(m_hazir);
                 // The first line with a code that is no posting account, or with an amount and no code.
                 int hatali = -1;
                 for (int i = 0; i < lines().count() && hatali < 0; ++i) {
                     const QString kod = toText(lines().value(i, kKod)).trimmed();
                     if ((kod.isEmpty() && !bos(lines().row(i))) || (!kod.isEmpty() && !m_hesaplar.SeviyeKontroluYap(kod)))
                         hatali = i;
                 }
                 if (!ok && s.hata() == hataliKod)
                     throw DocumentError(s.hata(), kKod, hatali, kItems);
                 if (!ok)
                     throw DocumentError(s.hata(), kBorc);
                 if (hatali >= 0)
                     c.refuse(hataliKod, kKod, hatali, kItems);
             }}};
}

void ElleFis::write(DocumentWriter&)
{
    saklayici(db()).yaz(m_hazir);
    fisiBasligaYaz(m_hazir);
}

QList<SaveCheck> ElleFis::deleteChecks()
{
    return {{QStringLiteral("belge fişi"),
             [this](CheckContext& c) {
                 if (belgeFisi())
                     c.refuse(belgeFisiMesaji());
             }},
            {QStringLiteral("soru"), [](CheckContext& c) { c.ask(QStringLiteral("Kayıt Silinsin mi?")); }}};
}

void ElleFis::erase(DocumentWriter&)
{
    // The lock is checked by the voucher's store; a refused deletion throws before anything goes.
    saklayici(db()).sil(headerNumber(QStringLiteral("FISNO")));
}

} // namespace nimbo
