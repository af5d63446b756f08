#include "accounts/CariHareketBelgesi.h"
#include "accounts/CariKapamaKontrol.h"
#include "accounts/CariRiskDenetimi.h"
#include "db/DocumentWriter.h"
#include "model/CorrectionLog.h"
#include "model/LedgerHook.h"
#include "services/ExchangeRates.h"
#include "services/FinansHareketi.h"
#include "services/KullaniciIslemKaydi.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"

#include <QSqlRecord>

namespace nimbo {

namespace {

const QString kNo = QStringLiteral("CARI_NO");
const QString kSira = QStringLiteral("SIRANO");
const QString kTarih = QStringLiteral("TARIH");
const QString kDoviz = QStringLiteral("DOVIZ_KODU");
const QString kKasa = QStringLiteral("KASAKOD");

const QStringList kTutarlar{QStringLiteral("BORC"), QStringLiteral("ALACAK"), QStringLiteral("BORC_USD"),
                            QStringLiteral("ALACAK_USD"), QStringLiteral("BORC_EUR"), QStringLiteral("ALACAK_EUR")};

bool empty(const QVariant& v) { return v.isNull() || !v.isValid() || v.toDouble() == 0; }
double div(double a, double b) { return b == 0 ? 0 : a / b; }

QVariantMap recordMap(const QSqlRecord& r)
{
    QVariantMap m;
    for (int i = 0; i < r.count(); ++i)
        m.insert(r.fieldName(i).toUpper(), r.value(i));
    return m;
}

} // namespace

CariHareketBelgesi::CariHareketBelgesi(const Db& db, const QString& tip, const QString& taraf)
    : DatedDocument(db, QStringLiteral("CARIHRKM"), {kNo}, kTarih, kTarih), m_tip(tip), m_taraf(taraf)
{
    addLineTable(kItems);
    const auto p = db.records(QStringLiteral("SELECT YERELDOVIZ, RDOVIZ1, RDOVIZ2 FROM PARAMETRE"));
    m_yerel = p.isEmpty() ? QStringLiteral("TL") : toText(p.first().value(0)).trimmed();
    m_usd = p.isEmpty() ? QStringLiteral("USD") : toText(p.first().value(1)).trimmed();
    m_eur = p.isEmpty() ? QStringLiteral("EUR") : toText(p.first().value(2)).trimmed();
    m_kur = [](const QString& d, const QDate& t) { return KurBulDeger(d, 2, t); };
    // The firm's default desk, or the first desk when that one is not defined.
    m_varsayilanKasa = toText(db.scalar(QStringLiteral("SELECT K.KASAKOD FROM PARAMETRE P JOIN KASA K ON "
                                                       "K.KASAKOD=P.DEF_KASA WHERE K.KASAKOD<>'PK'")))
                           .trimmed();
    if (m_varsayilanKasa.isEmpty())
        m_varsayilanKasa =
            toText(db.scalar(QStringLiteral("SELECT MIN(KASAKOD) FROM KASA WHERE KASAKOD<>'PK'"))).trimmed();
    newDocument();
}

QString CariHareketBelgesi::tipAdi(const QString& tip, const QString& taraf)
{
    if (tip == QLatin1String("N"))
        return taraf == QLatin1String("A") ? QStringLiteral("Nakit Ödeme") : QStringLiteral("Nakit Tahsilat");
    static const QHash<QString, QString> adlar{{QStringLiteral("D"), QStringLiteral("Dekont")},
                                               {QStringLiteral("V"), QStringLiteral("Virman")},
                                               {QStringLiteral("O"), QStringLiteral("Özel")},
                                               {QStringLiteral("F"), QStringLiteral("Kur-Vade Farkı")},
                                               {QStringLiteral("I"), QStringLiteral("İlk Açılış")},
                                               {QStringLiteral("R"), QStringLiteral("Verilen V.F.Fat.")},
                                               {QStringLiteral("L"), QStringLiteral("Alınan V.F.Fat")}};
    return adlar.value(tip);
}

QString CariHareketBelgesi::baslik() const { return tipAdi(tip(), m_taraf); }

QString CariHareketBelgesi::cariAdi(const QString& kod) const
{
    return toText(db().scalar(QStringLiteral("SELECT FIRMA_ADI FROM CARI WHERE CARI_KOD=:K"),
                              {{QStringLiteral("K"), kod}}))
        .trimmed();
}

void CariHareketBelgesi::setKurHesapla(bool on)
{
    m_kurHesapla = on;
    recompute();
}

void CariHareketBelgesi::defaults()
{
    putHeader(QStringLiteral("TIP"), m_tip);
    putHeader(kTarih, QDate::currentDate());
    putHeader(kDoviz, m_yerel);
    m_sonDoviz.clear();
}

void CariHareketBelgesi::load(const QVariant& key)
{
    const auto h = db().records(QStringLiteral("SELECT * FROM CARIHRKM WHERE CARI_NO=:N"), {{QStringLiteral("N"), key}});
    if (h.isEmpty())
        throw UserError(QStringLiteral("Hareket Kaydı Bulunamadı."));
    QVariantMap header = recordMap(h.first());
    header.insert(kTarih, toDate(header.value(kTarih)));
    loadHeader(header);
    m_tip = toText(header.value(QStringLiteral("TIP"))).trimmed();
    QList<QVariantMap> rows;
    for (const QSqlRecord& r : db().records(QStringLiteral("SELECT * FROM CARIHRK WHERE CARI_NO=:N ORDER BY SIRANO"),
                                            {{QStringLiteral("N"), key}})) {
        QVariantMap m = recordMap(r);
        for (const QString& d : {kTarih, QStringLiteral("VADE_TRH"), QStringLiteral("FATARIH")})
            if (!m.value(d).isNull())
                m.insert(d, toDate(m.value(d)));
        rows << m;
    }
    lines().load(rows);
    if (!rows.isEmpty()) {
        m_taraf = lines().number(0, QStringLiteral("ALACAK")) > 0 ? QStringLiteral("B") : QStringLiteral("A");
        m_sonDoviz = lines().text(lines().count() - 1, kDoviz);
    }
}

void CariHareketBelgesi::allocateNumber() { putHeader(kNo, YeniKayitNo(db(), QStringLiteral("NEWCARI"))); }

QVariantMap CariHareketBelgesi::lineDefaults(const QString&)
{
    QVariantMap v{{QStringLiteral("TIP"), -1},
                  {kNo, header(kNo)},
                  {kTarih, documentDate()},
                  {QStringLiteral("VADE_TRH"), documentDate()},
                  {kSira, lines().nextNumber(kSira)},
                  {QStringLiteral("CRHRK_TUR"), tip()},
                  {kDoviz, m_yerel}};
    if (nakit())
        v.insert(kKasa, m_varsayilanKasa);
    if (!m_sabitCari.isEmpty())
        v.insert(QStringLiteral("CARI_KOD"), m_sabitCari);
    return v;
}

void CariHareketBelgesi::lineChanged(const QString&, int row, const QString& column)
{
    static const QStringList kurAlanlari{kDoviz, QStringLiteral("BORC_DVZ"), QStringLiteral("ALACAK_DVZ"),
                                         QStringLiteral("KARSIDOVIZ"), kKasa};
    if (column == kDoviz && lines().text(row, kDoviz) != m_sonDoviz) {
        // Another currency than the last one: its rate is looked up again.
        lines().set(row, QStringLiteral("TL_KURDEGER"), QVariant());
        lines().set(row, QStringLiteral("KARSI_KURDEGER"), QVariant());
        lines().set(row, QStringLiteral("KARSIDOVIZ"), QVariant());
    }
    if (kurAlanlari.contains(column) || column.startsWith(QLatin1String("BORC"))
        || column.startsWith(QLatin1String("ALACAK")))
        kurlariDoldur(row);
    if (column == kDoviz)
        m_sonDoviz = lines().text(row, kDoviz);
}

void CariHareketBelgesi::kurlariDoldur(int row)
{
    LineTable& l = lines();
    const QDate gun = documentDate();
    if (tip() == QLatin1String("F") || m_kurHesapla)
        return;
    if (empty(l.value(row, QStringLiteral("TL_USDEGER"))))
        l.set(row, QStringLiteral("TL_USDEGER"), m_kur(m_usd, gun));
    if (empty(l.value(row, QStringLiteral("TL_EUREGER"))))
        l.set(row, QStringLiteral("TL_EUREGER"), m_kur(m_eur, gun));
    const QString doviz = l.text(row, kDoviz);
    if (empty(l.value(row, QStringLiteral("TL_KURDEGER"))))
        l.set(row, QStringLiteral("TL_KURDEGER"), doviz == m_yerel || doviz.isEmpty() ? 1.0 : m_kur(doviz, gun));
    if (nakit()) {
        if (l.text(row, QStringLiteral("KARSIDOVIZ")).isEmpty())
            l.set(row, QStringLiteral("KARSIDOVIZ"), doviz);
        const QString karsi = l.text(row, QStringLiteral("KARSIDOVIZ"));
        if (empty(l.value(row, QStringLiteral("KARSI_KURDEGER"))))
            l.set(row, QStringLiteral("KARSI_KURDEGER"), karsi == m_yerel ? 1.0 : m_kur(karsi, gun));
    }
}

bool CariHareketBelgesi::alacakSatiri(int row) const
{
    for (const char* c : {"ALACAK", "ALACAK_USD", "ALACAK_DVZ", "ALACAK_EUR"})
        if (lines().number(row, QString::fromLatin1(c)) > 0)
            return true;
    return false;
}

void CariHareketBelgesi::satirHesapla(int row)
{
    LineTable& l = lines();
    const QString s = alacakSatiri(row) ? QStringLiteral("ALACAK") : QStringLiteral("BORC");
    const QString doviz = l.text(row, kDoviz);
    const double dvz = l.number(row, s + QStringLiteral("_DVZ"));
    l.set(row, QStringLiteral("PARA_BAZ"), QStringLiteral("D"));
    l.set(row, QStringLiteral("CARHRKFATNO"), l.value(row, QStringLiteral("BELGE_NO")));
    if (tip() == QLatin1String("F")) {
        // A difference is booked only in the column of its own currency.
        l.set(row, s, doviz == m_yerel ? dvz : 0.0);
        l.set(row, s + QStringLiteral("_USD"), doviz == m_usd ? dvz : 0.0);
        l.set(row, s + QStringLiteral("_EUR"), doviz == m_eur ? dvz : 0.0);
        return;
    }
    if (m_kurHesapla) {
        const double tl = l.number(row, s);
        if (l.number(row, s + QStringLiteral("_USD")) != 0)
            l.set(row, QStringLiteral("TL_USDEGER"), tl / l.number(row, s + QStringLiteral("_USD")));
        if (dvz != 0)
            l.set(row, QStringLiteral("TL_KURDEGER"), tl / dvz);
        if (l.number(row, s + QStringLiteral("_EUR")) != 0)
            l.set(row, QStringLiteral("TL_EUREGER"), tl / l.number(row, s + QStringLiteral("_EUR")));
    } else {
        const double tl = doviz == m_yerel ? dvz : dvz * l.number(row, QStringLiteral("TL_KURDEGER"));
        l.set(row, s, tl);
        l.set(row, s + QStringLiteral("_USD"), doviz == m_usd ? dvz : div(tl, l.number(row, QStringLiteral("TL_USDEGER"))));
        l.set(row, s + QStringLiteral("_EUR"), doviz == m_eur ? dvz : div(tl, l.number(row, QStringLiteral("TL_EUREGER"))));
    }
    if (nakit()) {
        const QString karsi = l.text(row, QStringLiteral("KARSIDOVIZ"));
        double v;
        if (karsi == m_yerel || karsi.isEmpty())
            v = l.number(row, s);
        else if (karsi == m_usd)
            v = l.number(row, s + QStringLiteral("_USD"));
        else if (karsi == m_eur)
            v = l.number(row, s + QStringLiteral("_EUR"));
        else
            v = div(l.number(row, s), l.number(row, QStringLiteral("KARSI_KURDEGER")));
        l.set(row, QStringLiteral("KARSI_") + s, v);
    }
}

void CariHareketBelgesi::recompute()
{
    QList<double> toplam(kTutarlar.size(), 0.0);
    for (int i = 0; i < lines().count(); ++i) {
        satirHesapla(i);
        for (int k = 0; k < kTutarlar.size(); ++k)
            toplam[k] += lines().number(i, kTutarlar[k]);
    }
    for (int k = 0; k < kTutarlar.size(); ++k)
        putHeader(kTutarlar[k], toplam[k]);
}

QList<SaveCheck> CariHareketBelgesi::checks()
{
    QList<SaveCheck> c;
    c << SaveCheck{QStringLiteral("satır var"), [this](CheckContext& x) {
              if (lines().isEmpty())
                  x.refuse(QStringLiteral("Dikkat Hareket Kaydı olmadan Kayıt Yapılmaz"));
          }};
    c << dateLockCheck();
    c << lineCheck([this](CheckContext& x, int i) {
        if (lines().value(i, QStringLiteral("TIP")).toInt() < 0)
            x.refuse(QStringLiteral("Cari İşlem tipini seçmeden harekette değişiklik yapamazsınız..."),
                     QStringLiteral("TIP"), i, kItems);
        const QString doviz = lines().text(i, kDoviz);
        if (doviz.isEmpty()
            || !db().any(QStringLiteral("SELECT 1 FROM DOVIZ WHERE DOVIZ_KODU=:D"), {{QStringLiteral("D"), doviz}}))
            x.refuse(QStringLiteral("Lütfen Geçerli Bir Döviz Kodu Seçin"), kDoviz, i, kItems);
        const bool alacak = alacakSatiri(i);
        const QString s = alacak ? QStringLiteral("ALACAK") : QStringLiteral("BORC");
        if (lines().number(i, s) == 0 && lines().number(i, s + QStringLiteral("_DVZ")) == 0
            && lines().number(i, s + QStringLiteral("_USD")) == 0 && lines().number(i, s + QStringLiteral("_EUR")) == 0)
            x.refuse(QStringLiteral("Tutar Girilmeden Hareket Kaydı Yapılamaz"), QStringLiteral("BORC_DVZ"), i, kItems);
        if (tip() != QLatin1String("F") && lines().number(i, QStringLiteral("TL_KURDEGER")) <= 0)
            x.refuse(QStringLiteral("Kur Değeri Sıfır Olamaz"), QStringLiteral("TL_KURDEGER"), i, kItems);
    });
    c << SaveCheck{QStringLiteral("cari ve kasa"), [this](CheckContext& x) {
              for (int i = 0; i < lines().count(); ++i)
                  if (cariAdi(lines().text(i, QStringLiteral("CARI_KOD"))).isEmpty()
                      && !db().any(QStringLiteral("SELECT 1 FROM CARI WHERE CARI_KOD=:K"),
                                   {{QStringLiteral("K"), lines().text(i, QStringLiteral("CARI_KOD"))}}))
                      x.refuse(QStringLiteral("Lütfen Geçerli Cari Kod Seçin"), QStringLiteral("CARI_KOD"), i, kItems);
              if (!nakit())
                  return;
              for (int i = 0; i < lines().count(); ++i)
                  if (!db().any(QStringLiteral("SELECT 1 FROM KASA WHERE KASAKOD=:K AND KASAKOD<>'PK'"),
                                {{QStringLiteral("K"), lines().text(i, kKasa)}}))
                      x.refuse(QStringLiteral("Kasa Kodu Seçilmelidir !"), kKasa, i, kItems);
          }};
    c << SaveCheck{QStringLiteral("virman dengesi"), [this](CheckContext& x) {
              if (tip() == QLatin1String("V")
                  && qAbs(headerNumber(QStringLiteral("BORC")) - headerNumber(QStringLiteral("ALACAK"))) > 1e-9)
                  x.refuse(QStringLiteral("Borç-Alacak Toplamları Eşit olmalı"));
          }};
    c << SaveCheck{QStringLiteral("eşleşmiş satır"), [this](CheckContext& x) {
              if (isNew())
                  return;
              for (int i = 0; i < lines().count(); ++i)
                  if (lines().state(i) == LineTable::State::Changed
                      && CariKapamaKontrol::hareketEslesmis(db(), key().toDouble(),
                                                            lines().loadedRow(i).value(kSira).toInt(), tip()))
                      x.refuse(CariKapamaKontrol::mesaj(), QStringLiteral("CARI_KOD"), i, kItems);
              for (const QVariantMap& d : lines().deletedRows())
                  if (CariKapamaKontrol::hareketEslesmis(db(), key().toDouble(), d.value(kSira).toInt(), tip()))
                      x.refuse(CariKapamaKontrol::mesaj());
          }};
    c << SaveCheck{QStringLiteral("risk"), [this](CheckContext& x) {
              if (tip() == QLatin1String("I"))
                  return;
              for (int i = 0; i < lines().count(); ++i) {
                  const QVariantMap& eski = lines().loadedRow(i);
                  cariRiskDenetle(x, db(), lines().text(i, QStringLiteral("CARI_KOD")),
                                  lines().number(i, QStringLiteral("BORC_USD")),
                                  lines().number(i, QStringLiteral("ALACAK_USD")),
                                  eski.value(QStringLiteral("BORC_USD")).toDouble(),
                                  eski.value(QStringLiteral("ALACAK_USD")).toDouble(), QStringLiteral("CARI_KOD"), i, kItems);
              }
          }};
    return c;
}

void CariHareketBelgesi::duzeltmeKaydi()
{
    logCorrections(
        lines(),
        [this](const QVariantMap& r, const QString& metin) {
            const QString s = loggedSide(r);
            KullanciNeYapti(QStringLiteral("CARIHRK"), key(), r.value(kSira), tip(),
                            cariAdi(toText(r.value(QStringLiteral("CARI_KOD")))), r.value(QStringLiteral("CARI_KOD")),
                            {}, r.value(s + QStringLiteral("_DVZ")), r.value(kDoviz),
                            r.value(QStringLiteral("BELGE_NO")), r.value(s), {}, {}, metin);
        },
        QString()); // this document's entries end without a full stop
}

// Every line takes the document's number and date (month and year with it); a line without
// a due date falls due on the document date.
void CariHareketBelgesi::satirlariDamgala()
{
    const QDate gun = documentDate();
    for (int i = 0; i < lines().count(); ++i) {
        lines().set(i, kNo, key());
        lines().set(i, kTarih, gun);
        lines().set(i, QStringLiteral("AY"), gun.month());
        lines().set(i, QStringLiteral("YIL"), gun.year());
        if (lines().value(i, QStringLiteral("VADE_TRH")).isNull())
            lines().set(i, QStringLiteral("VADE_TRH"), gun);
    }
}

void CariHareketBelgesi::removeDerived(DocumentWriter& w)
{
    // Cash sales and purchases write their desk row with the same writer type and their own
    // number in HRKNO, on a reserved line number: a document numbered alike must leave it.
    w.db().exec(QStringLiteral("DELETE FROM KASAHRKT WHERE HRKNO=:N AND REF_TIP=:T AND SIRANO<:S"),
                {{QStringLiteral("N"), key()}, {QStringLiteral("T"), kYazan}, {QStringLiteral("S"), 1000000000}});
    w.remove(QStringLiteral("FINHRK"), {{QStringLiteral("HRK_NO"), key()}, {QStringLiteral("BELGE_TIP"), kYazan}});
}

void CariHareketBelgesi::write(DocumentWriter& w)
{
    if (!isNew())
        duzeltmeKaydi();
    satirlariDamgala();
    removeDerived(w);
    QVariantMap h = headerModel().values();
    h.insert(kNo, key());
    h.insert(kTarih, documentDate());
    w.upsert(QStringLiteral("CARIHRKM"), {kNo}, h);
    QList<QVariantMap> rows;
    for (int i = 0; i < lines().count(); ++i) {
        QVariantMap r = lines().row(i);
        r.insert(QStringLiteral("CRHRK_TUR"), tip());
        // REF_NO names another module's source document; a manual line has none. Set to the
        // movement number it collided with the sale of the same number, whose save clears the
        // cash rows ('N') it refers to.
        r.insert(QStringLiteral("REF_NO"), QVariant());
        rows << r;
    }
    w.replace(QStringLiteral("CARIHRK"), {{kNo, key()}}, rows);
    if (nakit())
        yazKasaSatirlari(w);
    yazFinansSatirlari(w);
}

void CariHareketBelgesi::yazKasaSatirlari(DocumentWriter& w)
{
    const SessionContext& s = SessionContext::current();
    const QString personel = s.PersonelAdi.isEmpty() ? s.KullaniciAdi : s.PersonelAdi;
    for (int i = 0; i < lines().count(); ++i) {
        const QVariantMap& l = lines().row(i);
        const bool giris = l.value(QStringLiteral("ALACAK")).toDouble() > 0;
        const bool cikis = l.value(QStringLiteral("BORC")).toDouble() > 0;
        if (!giris && !cikis)
            continue;
        const QString t = giris ? QStringLiteral("ALACAK") : QStringLiteral("BORC");
        const QDate gun = documentDate();
        w.insert(QStringLiteral("KASAHRKT"),
                 {{QStringLiteral("TARIH"), gun}, {QStringLiteral("REF_TIP"), kYazan}, {QStringLiteral("HRKNO"), key()},
                  {QStringLiteral("SIRANO"), l.value(kSira)}, {QStringLiteral("HRK_TURU"), QStringLiteral("w")},
                  {QStringLiteral("REFAYRTIP"), tip()}, {QStringLiteral("BELGE_NO"), l.value(QStringLiteral("BELGE_NO"))},
                  {QStringLiteral("KASAKOD"), l.value(kKasa)}, {QStringLiteral("KARSIKOD"), l.value(QStringLiteral("CARI_KOD"))},
                  {QStringLiteral("TIP"), giris ? QStringLiteral("B") : QStringLiteral("A")},
                  {QStringLiteral("TUTAR"), l.value(t)}, {QStringLiteral("TUTAR_USD"), l.value(t + QStringLiteral("_USD"))},
                  {QStringLiteral("TUTAR_EUR"), l.value(t + QStringLiteral("_EUR"))},
                  {QStringLiteral("TUTAR_DVZ"), l.value(QStringLiteral("KARSI_") + t)},
                  {QStringLiteral("TL_KURDEGER"), l.value(QStringLiteral("KARSI_KURDEGER"))},
                  {QStringLiteral("TL_USDEGER"), l.value(QStringLiteral("TL_USDEGER"))},
                  {QStringLiteral("TL_EUREGER"), l.value(QStringLiteral("TL_EUREGER"))},
                  {QStringLiteral("KARSI_KURDEGER"), l.value(QStringLiteral("TL_KURDEGER"))},
                  {QStringLiteral("KARSI_DOVIZKOD"), l.value(kDoviz)}, {QStringLiteral("PARA_BAZ"), QStringLiteral("D")},
                  {QStringLiteral("DOVIZ_KOD"), l.value(QStringLiteral("KARSIDOVIZ"))},
                  {QStringLiteral("ACIKLAMA"), l.value(QStringLiteral("ACIKLAMA"))}, {QStringLiteral("AY"), gun.month()},
                  {QStringLiteral("YIL"), gun.year()}, {QStringLiteral("FIS_NO"), header(QStringLiteral("FIS_NO"))},
                  {QStringLiteral("PERSONEL"), personel.left(11)}, {QStringLiteral("SUBEKODU"), s.SubeKodu}});
    }
}

void CariHareketBelgesi::yazFinansSatirlari(DocumentWriter& w)
{
    const SessionContext& s = SessionContext::current();
    const QString personel = (s.PersonelAdi.isEmpty() ? s.KullaniciAdi : s.PersonelAdi).left(11);
    for (int i = 0; i < lines().count(); ++i) {
        const QVariantMap& l = lines().row(i);
        const bool alacak = l.value(QStringLiteral("ALACAK")).toDouble() > 0;
        const QString kod = toText(l.value(QStringLiteral("CARI_KOD"))).trimmed();
        FinansHareketi f;
        f.BELGE_TIP = kYazan;
        f.FIN_ID = key().toInt();
        f.SIRA_NO = l.value(kSira);
        f.HRK_NO = key();
        f.TIP = tip();
        f.ISLEM_TIP = QStringLiteral("C");
        const QString t = tip();
        if (t == QLatin1String("N"))
            f.ISLEM_TIP2 = alacak ? QStringLiteral("N") : QStringLiteral("A");
        else if (t == QLatin1String("V"))
            f.ISLEM_TIP2 = QStringLiteral("V");
        else if (t == QLatin1String("I"))
            f.ISLEM_TIP2 = alacak ? QStringLiteral("F") : QStringLiteral("I");
        else
            f.ISLEM_TIP2 = alacak ? QStringLiteral("L") : QStringLiteral("D");
        f.KODU = kod;
        f.ADI = cariAdi(kod).left(70);
        f.ACIKLAMA = toText(l.value(QStringLiteral("ACIKLAMA")));
        f.BORC = l.value(QStringLiteral("BORC")).toDouble();
        f.ALACAK = l.value(QStringLiteral("ALACAK")).toDouble();
        f.BORC_DVZ = l.value(QStringLiteral("BORC_DVZ")).toDouble();
        f.ALACAK_DVZ = l.value(QStringLiteral("ALACAK_DVZ")).toDouble();
        f.DOVIZ_KODU = toText(l.value(kDoviz)).trimmed();
        f.DVZ_KUR = l.value(QStringLiteral("TL_KURDEGER")).toDouble();
        f.BA_DOVIZ = f.DOVIZ_KODU;
        f.BA_KUR = f.DVZ_KUR;
        f.BA_BORC = f.BORC_DVZ;
        f.BA_ALACAK = f.ALACAK_DVZ;
        f.TARIH = dayStart();
        f.VADE_TRH = QDateTime(toDate(l.value(QStringLiteral("VADE_TRH"))), QTime(0, 0));
        f.BELGE_NO = toText(l.value(QStringLiteral("BELGE_NO")));
        f.PERSON_KOD = personel;
        w.insertFinhrk(finansHareketiParams(f));
        if (!nakit())
            continue;
        // The desk's side: money in when the account is credited.
        FinansHareketi k = f;
        k.ISLEM_TIP = QStringLiteral("K");
        k.ISLEM_TIP2 = alacak ? QStringLiteral("G") : QStringLiteral("C");
        k.KODU = toText(l.value(kKasa)).trimmed();
        k.CARIKOD = kod;
        k.BORC = f.ALACAK;
        k.ALACAK = f.BORC;
        k.BORC_DVZ = l.value(QStringLiteral("KARSI_ALACAK")).toDouble();
        k.ALACAK_DVZ = l.value(QStringLiteral("KARSI_BORC")).toDouble();
        k.DOVIZ_KODU = toText(l.value(QStringLiteral("KARSIDOVIZ"))).trimmed();
        k.DVZ_KUR = l.value(QStringLiteral("KARSI_KURDEGER")).toDouble();
        k.BA_DOVIZ = k.DOVIZ_KODU;
        k.BA_KUR = k.DVZ_KUR;
        k.BA_BORC = k.BORC_DVZ;
        k.BA_ALACAK = k.ALACAK_DVZ;
        w.insertFinhrk(finansHareketiParams(k));
    }
}

QList<AfterCommitStep> CariHareketBelgesi::afterCommit()
{
    if (tip() == QLatin1String("I") || tip() == QLatin1String("O"))
        return {};
    const QString mod = SessionContext::current().param.ayarlar.MUH_KAY.trimmed();
    if (auto s = LedgerHook::step(db(), {QStringLiteral("CARIHRKM"), tip(), key().toDouble()}, mod))
        return {*s};
    return {};
}

void CariHareketBelgesi::lineRemovalChecks(CheckContext& c, const QString&, int row)
{
    if (lines().state(row) != LineTable::State::Added
        && CariKapamaKontrol::hareketEslesmis(db(), key().toDouble(), lines().loadedRow(row).value(kSira).toInt(),
                                              tip()))
        c.refuse(CariKapamaKontrol::mesaj(), QStringLiteral("CARI_KOD"), row, kItems);
    c.ask(QStringLiteral("Silinsin mi?."));
}

QList<SaveCheck> CariHareketBelgesi::deleteChecks()
{
    return {{QStringLiteral("soru"), [](CheckContext& c) { c.ask(QStringLiteral("Kayıt Silinsin mi?")); }},
            {QStringLiteral("eşleşme"),
             [this](CheckContext& c) {
                 for (const QVariantMap& r : lines().rows())
                     if (CariKapamaKontrol::hareketEslesmis(db(), key().toDouble(), r.value(kSira).toInt(), tip()))
                         c.refuse(CariKapamaKontrol::mesaj());
             }},
            {QStringLiteral("muhasebe"), [this](CheckContext& c) {
                 if (headerNumber(QStringLiteral("FIS_NO")) > 0)
                     c.refuse(QStringLiteral("Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez."));
             }}};
}

void CariHareketBelgesi::erase(DocumentWriter& w)
{
    removeDerived(w);
    w.remove(QStringLiteral("CARIHRK"), {{kNo, key()}});
    w.remove(QStringLiteral("CARIHRKM"), {{kNo, key()}});
    KullanciNeYapti(QStringLiteral("CARIHRK"), key(), {}, tip(), {}, {}, {}, {}, {}, {}, headerNumber(QStringLiteral("BORC")) + headerNumber(QStringLiteral("ALACAK")), {}, {},
                    QStringLiteral("Cari.Hrk.Silindi"));
}

} // namespace nimbo
