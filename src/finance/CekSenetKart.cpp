#include "finance/CekSenetKart.h"
#include "db/DbTransaction.h"
#include "db/RecordWriter.h"
#include "finance/CekSenetDurumu.h"
#include "services/ExchangeRates.h"
#include "services/KullaniciIslemKaydi.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"

namespace nimbo {

namespace {
const QString kNo = QStringLiteral("PORTFOYNO");
const QString kDevir = QStringLiteral("D");

QString param(const Db& db, const char* column, const char* fallback)
{
    const QString v = toText(db.scalar(QStringLiteral("SELECT %1 FROM PARAMETRE").arg(QLatin1String(column)))).trimmed();
    return v.isEmpty() ? QString::fromLatin1(fallback) : v;
}
} // namespace

void CekSenetKart::yeni(Giris giris, const QString& csTip, const QString& sahip)
{
    m_giris = giris;
    const QDate bugun = QDate::currentDate();
    QVariantMap v{{QStringLiteral("CS_TIP"), csTip},
                  {QStringLiteral("SAHIP"), sahip},
                  {QStringLiteral("DOVIZ_KOD"), param(m_db, "YERELDOVIZ", "TL")},
                  {QStringLiteral("TANZIMTARIH"), bugun},
                  {QStringLiteral("TARIH"), bugun}};
    if (giris == Giris::Kart)
        v.insert(QStringLiteral("SON_DURUMU"), QStringLiteral("P"));
    else
        v.insert(QStringLiteral("B_TUR"), kDevir);
    reset(v, true);
}

bool CekSenetKart::ac(double portfoyNo)
{
    QVariantMap row = readRow(m_db, QStringLiteral("SELECT * FROM CSKART WHERE PORTFOYNO=:P"),
                              {{QStringLiteral("P"), portfoyNo}});
    if (row.isEmpty())
        return false;
    for (const char* c : {"TANZIMTARIH", "TARIH", "VADETARIH"})
        if (!row.value(QLatin1String(c)).isNull())
            row.insert(QLatin1String(c), toDate(row.value(QLatin1String(c))));
    m_giris = toText(row.value(QStringLiteral("B_TUR"))).trimmed() == kDevir ? Giris::Devir : Giris::Kart;
    reset(row, false);
    return true;
}

const QList<DevirDurumu>& CekSenetKart::devirDurumlari()
{
    static const QList<DevirDurumu> d{
        {QStringLiteral("Kendi Çekimiz"), QStringLiteral("P"), CekSenetDurumu::kKendi, CekSenetDurumu::kCek},
        {QStringLiteral("Portföyde"), QStringLiteral("P"), CekSenetDurumu::kMusteri, {}},
        {QStringLiteral("Ciro Edildi"), QStringLiteral("C"), CekSenetDurumu::kMusteri, {}},
        {QStringLiteral("Teminata verildi"), QStringLiteral("B"), CekSenetDurumu::kMusteri, {}},
        {QStringLiteral("Tahsile verildi"), QStringLiteral("V"), CekSenetDurumu::kMusteri, {}},
        {QStringLiteral("Protestolu"), QStringLiteral("K"), CekSenetDurumu::kMusteri, {}},
        {QStringLiteral("Tahsile verildi(Protestolu)"), QStringLiteral("R"), CekSenetDurumu::kMusteri, {}},
        {QStringLiteral("Tahsil Edilemiyor"), QStringLiteral("9"), CekSenetDurumu::kMusteri, {}},
        {QStringLiteral("Borç Senedimiz"), QStringLiteral("P"), CekSenetDurumu::kKendi, CekSenetDurumu::kSenet}};
    return d;
}

void CekSenetKart::setDevirDurumu(const QString& etiket)
{
    for (const DevirDurumu& d : devirDurumlari()) {
        if (d.etiket != etiket)
            continue;
        setValue(QStringLiteral("SON_DURUMU"), d.durum);
        setValue(QStringLiteral("SAHIP"), d.sahip);
        if (!d.csTip.isEmpty())
            setValue(QStringLiteral("CS_TIP"), d.csTip);
        return;
    }
    setValue(QStringLiteral("SON_DURUMU"), QString());
}

QDate CekSenetKart::tarih(const QString& column) const { return toDate(value(column)); }

void CekSenetKart::tutarlariHesapla()
{
    const QString yerel = param(m_db, "YERELDOVIZ", "TL");
    const QString doviz = text(QStringLiteral("DOVIZ_KOD")).isEmpty() ? yerel : text(QStringLiteral("DOVIZ_KOD"));
    QDate gun = tarih(QStringLiteral("TANZIMTARIH"));
    if (!gun.isValid())
        gun = QDate::currentDate();
    auto kur = [&](const QString& d) {
        const double k = d == yerel ? 1.0 : KurBulDeger(m_db, d, 2, gun);
        return k > 0 ? k : 1.0;
    };
    double dvz = value(QStringLiteral("TUTAR_DOVIZ")).toDouble();
    if (dvz == 0 && doviz == yerel)
        dvz = value(QStringLiteral("TUTAR")).toDouble();
    const double kurDvz = kur(doviz), kurUsd = kur(param(m_db, "RDOVIZ1", "USD")), kurEur = kur(param(m_db, "RDOVIZ2", "EUR"));
    const double tl = dvz * kurDvz;
    setValue(QStringLiteral("DOVIZ_KOD"), doviz);
    setValue(QStringLiteral("TUTAR_DOVIZ"), dvz);
    setValue(QStringLiteral("TL_KURDEGER"), kurDvz);
    setValue(QStringLiteral("TL_USDEGER"), kurUsd);
    setValue(QStringLiteral("TL_EUREGER"), kurEur);
    setValue(QStringLiteral("TUTAR"), tl);
    setValue(QStringLiteral("TUTAR_USD"), tl / kurUsd);
    setValue(QStringLiteral("TUTAR_EUR"), tl / kurEur);
}

QString CekSenetKart::sonNumKod(const QString& onEk) const
{
    return toText(m_db.scalar(QStringLiteral("SELECT MAX(NUMKOD) AS NEW_KOD FROM CSKART WHERE NUMKOD LIKE :ANA_KOD"),
                              {{QStringLiteral("ANA_KOD"), onEk + QLatin1Char('%')}}))
        .trimmed();
}

bool CekSenetKart::bankaHesabiVar() const
{
    return !text(QStringLiteral("HESAP_NO")).isEmpty()
           && m_db.any(QStringLiteral("SELECT 1 FROM BANKAYR WHERE BANKA_KOD=:B AND HESAP_NO=:H"),
                       {{QStringLiteral("B"), text(QStringLiteral("BANKA_KOD"))},
                        {QStringLiteral("H"), text(QStringLiteral("HESAP_NO"))}});
}

void CekSenetKart::kontrolKart()
{
    if (!tarih(QStringLiteral("TANZIMTARIH")).isValid())
        throw FieldError(QStringLiteral("Tanzim/Port.Giriş tarihi yazılmalıdır!"), QStringLiteral("TANZIMTARIH"));
    if (!tarih(QStringLiteral("VADETARIH")).isValid())
        throw FieldError(QStringLiteral("Vade yazılmalıdır!"), QStringLiteral("VADETARIH"));
    if (value(QStringLiteral("TUTAR_DOVIZ")).toDouble() <= 0 && value(QStringLiteral("TUTAR")).toDouble() <= 0)
        throw FieldError(QStringLiteral("Tutar yazılmalıdır!"), QStringLiteral("TUTAR_DOVIZ"));
}

void CekSenetKart::kontrolDevir()
{
    const QString durum = text(QStringLiteral("SON_DURUMU"));
    if (durum.isEmpty())
        throw FieldError(QStringLiteral("Durumu İşaretlenmelidir!"), QStringLiteral("SON_DURUMU"));
    if (!tarih(QStringLiteral("VADETARIH")).isValid())
        throw FieldError(QStringLiteral("Vade yazılmalıdır!"), QStringLiteral("VADETARIH"));
    if (value(QStringLiteral("TUTAR_DOVIZ")).toDouble() <= 0 && value(QStringLiteral("TUTAR")).toDouble() <= 0)
        throw FieldError(QStringLiteral("Tutar yazılmalıdır!"), QStringLiteral("TUTAR_DOVIZ"));
    const bool musteri = text(QStringLiteral("SAHIP")) != CekSenetDurumu::kKendi;
    if (musteri && !m_db.any(QStringLiteral("SELECT 1 FROM CARI WHERE CARI_KOD=:K"),
                             {{QStringLiteral("K"), text(QStringLiteral("CARIKOD"))}}))
        throw FieldError(QStringLiteral("Cari Kodu Seçilmelidir !"), QStringLiteral("CARIKOD"));
    if (durum == QLatin1String("C")
        && !m_db.any(QStringLiteral("SELECT 1 FROM CARI WHERE CARI_KOD=:K"),
                     {{QStringLiteral("K"), text(QStringLiteral("CIRO_CKOD"))}}))
        throw FieldError(QStringLiteral("Cirolandığı Cari Kodu Seçilmelidir!"), QStringLiteral("CIRO_CKOD"));
    if (QStringLiteral("BVR").contains(durum)) {
        if (text(QStringLiteral("BANKA_KOD")).isEmpty())
            throw FieldError(QStringLiteral("Banka Kodu Seçilmelidir!"), QStringLiteral("BANKA_KOD"));
        if (!m_db.any(QStringLiteral("SELECT 1 FROM BANKA WHERE BANKA_KOD=:B"),
                      {{QStringLiteral("B"), text(QStringLiteral("BANKA_KOD"))}}))
            throw FieldError(QStringLiteral("İlgili Banka Kodu Seçilmelidir!"), QStringLiteral("BANKA_KOD"));
    }
}

void CekSenetKart::seriKontrol()
{
    const QString seri = text(QStringLiteral("SERI_NO"));
    if (seri.isEmpty())
        return;
    if (m_db.any(QStringLiteral("SELECT 1 FROM CSKART WHERE SERI_NO=:S AND CS_TIP=:T AND "
                                "COALESCE(BANKA_ADI, '')=:B AND PORTFOYNO<>:P"),
                 {{QStringLiteral("S"), seri},
                  {QStringLiteral("T"), text(QStringLiteral("CS_TIP"))},
                  {QStringLiteral("B"), text(QStringLiteral("BANKA_ADI"))},
                  {QStringLiteral("P"), portfoyNo()}}))
        throw FieldError(QStringLiteral("Bu Seri No ile Portföyde Kayıtlı Çek/Senet Var."), QStringLiteral("SERI_NO"));
}

void CekSenetKart::store()
{
    if (m_giris == Giris::Kart)
        kontrolKart();
    else
        kontrolDevir();
    const bool kendiCeki = text(QStringLiteral("SAHIP")) == CekSenetDurumu::kKendi
                           && text(QStringLiteral("CS_TIP")) == CekSenetDurumu::kCek;
    if (kendiCeki) {
        if (!bankaHesabiVar())
            throw FieldError(QStringLiteral("Banka Hesap Kodu Seçilmelidir !"), QStringLiteral("HESAP_NO"));
        setValue(QStringLiteral("MUH_KOD"),
                 m_db.scalar(QStringLiteral("SELECT MUH_KESCEK FROM BANKAYR WHERE BANKA_KOD=:B AND HESAP_NO=:H"),
                             {{QStringLiteral("B"), text(QStringLiteral("BANKA_KOD"))},
                              {QStringLiteral("H"), text(QStringLiteral("HESAP_NO"))}}));
    }
    seriKontrol();
    tutarlariHesapla();
    if (!tarih(QStringLiteral("TARIH")).isValid())
        setValue(QStringLiteral("TARIH"), value(QStringLiteral("TANZIMTARIH")));
    const bool yeniKart = isNew();
    if (yeniKart && portfoyNo() <= 0)
        setValue(kNo, YeniKayitNo(m_db, QStringLiteral("NEWCSNO")));
    if (yeniKart) {
        const SessionContext& s = SessionContext::current();
        setValue(QStringLiteral("ACILIS_TRH"), QDateTime::currentDateTime());
        setValue(QStringLiteral("PERSONEL"), (s.PersonelAdi.isEmpty() ? s.KullaniciAdi : s.PersonelAdi).left(11));
    }
    // Dates are stored as the start of the day, as the lists compare them.
    for (const char* c : {"TANZIMTARIH", "TARIH", "VADETARIH"})
        if (tarih(QLatin1String(c)).isValid())
            setValue(QLatin1String(c), QDateTime(tarih(QLatin1String(c)), QTime(0, 0)));
    DbTransaction tx(m_db);
    RecordWriter w(m_db, table());
    if (yeniKart)
        w.insert(values());
    else
        w.update(values(), loaded(), {{kNo, portfoyNo()}});
    tx.commit();
}

bool CekSenetKart::sil(const Db& db, double portfoyNo)
{
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    const Params p{{QStringLiteral("PrtNo"), portfoyNo}};
    if (db.any(QStringLiteral("SELECT CEK_NO FROM FINHRK WHERE (CEK_NO=:PrtNo) AND (ISLEM_TIP='E')"), p))
        throw UserError(QStringLiteral("Bu Çek/Senet ile ilgili İşlem var.Silinemez!"));
    const QString seri = toText(db.scalar(QStringLiteral("SELECT SERI_NO FROM CSKART WHERE PORTFOYNO=:PrtNo"), p));
    DbTransaction tx(db);
    const int n = db.execAffected(QStringLiteral("DELETE FROM CSKART WHERE (PORTFOYNO=:PrtNo) AND (B_TUR='D')"), p);
    if (n > 0)
        KullanciNeYapti(db, QStringLiteral("CSKART"), portfoyNo, {}, QStringLiteral("D"), {}, {}, {}, {}, {}, seri, {},
                        {}, {}, QStringLiteral("Devir Çek/Senet Silindi.Seri No:") + seri);
    tx.commit();
    return n > 0;
}

} // namespace nimbo
