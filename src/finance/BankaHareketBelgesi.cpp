#include "finance/BankaHareketBelgesi.h"
#include "accounts/CariKapamaKontrol.h"
#include "accounts/CariRiskDenetimi.h"
#include "db/DocumentWriter.h"
#include "db/RecordWriter.h"
#include "db/SqlValues.h"
#include "finance/BankaHesabi.h"
#include "model/CorrectionLog.h"
#include "model/LedgerHook.h"
#include "services/ExchangeRates.h"
#include "services/FinansHareketi.h"
#include "services/KullaniciIslemKaydi.h"
#include "services/MoneyFormat.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"

#include <QSet>

namespace nimbo {

namespace {

const QString kNo = QStringLiteral("HRK_NO");
const QString kSira = QStringLiteral("SIRANO");
const QString kTarih = QStringLiteral("TARIH");
const QString kDoviz = QStringLiteral("DOVIZ_KODU");
const QString kKur = QStringLiteral("TL_KURDEGER");
const QString kBanka = QStringLiteral("BANKA_KOD");
const QString kHesap = QStringLiteral("HESAP_NO");
const QString kCari = QStringLiteral("CARI_KOD");
const QString kKasa = QStringLiteral("KASAKOD");
const QString kOran = QStringLiteral("KRDKMSYN");
const QString kBrut = QStringLiteral("KRDKMSYN_TUT");
const QString kKomisyon = QStringLiteral("KOMISYON"); // a card transfer's commission rate
const QString kKomisyonOnEki = QStringLiteral("-Kredi Komisyon Bedeli (");
const QString kKusurat = QStringLiteral("KUSURAT");

const QStringList kToplamlar{QStringLiteral("BORC"), QStringLiteral("ALACAK"), QStringLiteral("BORC_USD"),
                             QStringLiteral("ALACAK_USD"), QStringLiteral("BORC_EUR"), QStringLiteral("ALACAK_EUR")};

bool bos(const QVariant& v) { return v.isNull() || !v.isValid() || v.toDouble() == 0; }
double bol(double a, double b) { return b == 0 ? 0 : a / b; }

// A number typed into a line: empty, or a value that cannot be read.
bool sayiOku(const QVariant& v, double& out)
{
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        out = MoneyFormat::parse(v.toString().trimmed(), &ok);
        return ok;
    }
    bool ok = false;
    out = v.toDouble(&ok);
    return ok;
}

// A rounding row ("E") books only its ledger counter account: it is one on a line with no
// account and no desk beside the bank, of a type whose posting leaves the bank out of it
// (not a transfer, not a card transfer). Every other line is "H".
QString kusurat(const QString& tip, const QVariantMap& satir)
{
    const bool olabilir = tip != QLatin1String("V") && tip != QLatin1String("R")
                          && toText(satir.value(kCari)).trimmed().isEmpty()
                          && toText(satir.value(kKasa)).trimmed().isEmpty();
    return olabilir && toText(satir.value(kKusurat)).trimmed() == QLatin1String("E") ? QStringLiteral("E")
                                                                                     : QStringLiteral("H");
}

} // namespace

BankaHareketBelgesi::BankaHareketBelgesi(const Db& db, const QString& tip)
    : DatedDocument(db, QStringLiteral("BANKHRK"), {kNo}, kTarih, kTarih), m_tip(tip)
{
    addLineTable(kItems);
    const auto p = db.records(QStringLiteral("SELECT YERELDOVIZ, RDOVIZ1, RDOVIZ2 FROM PARAMETRE"));
    auto ayar = [&](int i, const char* varsayilan) {
        const QString v = p.isEmpty() ? QString() : toText(p.first().value(i)).trimmed();
        return v.isEmpty() ? QString::fromLatin1(varsayilan) : v;
    };
    m_yerel = ayar(0, "TL");
    m_usd = ayar(1, "USD");
    m_eur = ayar(2, "EUR");
    const QVariant ctip = db.scalar(QStringLiteral("SELECT FINANSCTIP FROM PARAMET"));
    if (!ctip.isNull() && ctip.toInt() > 0)
        m_varsayilanTip = ctip.toInt();
    m_kur = [db](const QString& d, const QDate& t) { return KurBulDeger(db, d, 2, t); };
    newDocument();
}

const QStringList& BankaHareketBelgesi::tipler()
{
    static const QStringList t{QStringLiteral("I"), QStringLiteral("V"), QStringLiteral("G"), QStringLiteral("H"),
                               QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("R")};
    return t;
}

QString BankaHareketBelgesi::tipAdi(const QString& tip)
{
    static const QHash<QString, QString> adlar{{QStringLiteral("I"), QStringLiteral("Banka İşlemleri")},
                                               {QStringLiteral("V"), QStringLiteral("Banka Virman")},
                                               {QStringLiteral("G"), QStringLiteral("Gelen Havaleler")},
                                               {QStringLiteral("H"), QStringLiteral("Gönderilen Havaleler")},
                                               {QStringLiteral("A"), QStringLiteral("Açılış")},
                                               {QStringLiteral("K"), QStringLiteral("Kredi Kartı İşlemleri")},
                                               {QStringLiteral("R"), QStringLiteral("Kredi Kartı Transferi")}};
    return adlar.value(tip, QStringLiteral("Diğer Banka İşlemleri"));
}

QString BankaHareketBelgesi::bankaHesapDegeri(const QString& bankaKod, const QString& hesapNo)
{
    return bankaKod.isEmpty() ? QString() : bankaKod + QLatin1Char('\t') + hesapNo;
}

QString BankaHareketBelgesi::kodAdi(const QString& tablo, const QString& kod) const
{
    if (kod.isEmpty())
        return {};
    static const QHash<QString, QString> sql{
        {QStringLiteral("CARI"), QStringLiteral("SELECT FIRMA_ADI FROM CARI WHERE CARI_KOD=:K")},
        {QStringLiteral("KASA"), QStringLiteral("SELECT ADI FROM KASA WHERE KASAKOD=:K")},
        {QStringLiteral("BANKA"), QStringLiteral("SELECT BANKA_ADI FROM BANKA WHERE BANKA_KOD=:K")}};
    return toText(db().scalar(sql.value(tablo), {{QStringLiteral("K"), kod}})).trimmed();
}

QString BankaHareketBelgesi::personel() const
{
    const SessionContext& s = SessionContext::current();
    return (s.PersonelAdi.isEmpty() ? s.KullaniciAdi : s.PersonelAdi).left(11);
}

void BankaHareketBelgesi::defaults()
{
    putHeader(QStringLiteral("TIP"), m_tip);
    putHeader(kTarih, QDate::currentDate());
    m_cariNo = 0;
}

void BankaHareketBelgesi::load(const QVariant& key)
{
    QVariantMap h = readRow(db(), QStringLiteral("SELECT * FROM BANKHRK WHERE HRK_NO=:N"), {{QStringLiteral("N"), key}});
    if (h.isEmpty())
        throw UserError(QStringLiteral("Hareket Kaydı Bulunamadı."));
    h.insert(kTarih, toDate(h.value(kTarih)));
    loadHeader(h);
    m_tip = toText(h.value(QStringLiteral("TIP"))).trimmed();
    QList<QVariantMap> rows;
    m_cariNo = 0;
    for (const QSqlRecord& r : db().records(QStringLiteral("SELECT * FROM BANKHRKA WHERE HRK_NO=:N ORDER BY SIRANO"),
                                            {{QStringLiteral("N"), key}})) {
        QVariantMap m = rowMap(r);
        if (!m.value(kTarih).isNull())
            m.insert(kTarih, toDate(m.value(kTarih)));
        m.insert(kBankaHesap, bankaHesapDegeri(toText(m.value(kBanka)).trimmed(), toText(m.value(kHesap)).trimmed()));
        m.insert(kKusurat, kusurat(m_tip, m));
        if (!toText(m.value(kCari)).trimmed().isEmpty())
            m_cariNo = qMax(m_cariNo, m.value(QStringLiteral("REF_NO")).toDouble());
        rows << m;
    }
    lines().load(rows);
}

void BankaHareketBelgesi::allocateNumber() { putHeader(kNo, YeniKayitNo(db(), QStringLiteral("NEWBHRK"))); }

QVariantMap BankaHareketBelgesi::lineDefaults(const QString&)
{
    QVariantMap v{{kNo, header(kNo)}, {kSira, lines().nextNumber(kSira)}, {kTarih, documentDate()}, {kDoviz, m_yerel},
                  {QStringLiteral("TIP"), m_tip}, {QStringLiteral("CTIP"), m_varsayilanTip},
                  {QStringLiteral("PARA_BAZ"), QStringLiteral("D")}, {kKusurat, QStringLiteral("H")}};
    // A new line goes to the account of the line above it.
    if (lines().count() > 0) {
        const int son = lines().count() - 1;
        for (const QString& c : {kBanka, kHesap, kBankaHesap, kDoviz})
            v.insert(c, lines().value(son, c));
    }
    return v;
}

void BankaHareketBelgesi::lineChanged(const QString&, int row, const QString& column)
{
    LineTable& l = lines();
    if (column == kBankaHesap) {
        const QStringList p = l.text(row, kBankaHesap).split(QLatin1Char('\t'));
        l.set(row, kBanka, p.value(0));
        l.set(row, kHesap, p.value(1));
        hesapSecildi(row);
    } else if (column == kBanka || column == kHesap) {
        l.set(row, kBankaHesap, bankaHesapDegeri(l.text(row, kBanka), l.text(row, kHesap)));
        hesapSecildi(row);
    } else if (column == kDoviz) {
        // Another currency: its rate is looked up again.
        l.set(row, kKur, QVariant());
    } else if ((column == kOran || column == kBrut || column == kKomisyon)
               && l.value(row, column).typeId() == QMetaType::QString) {
        // Typed text becomes a number when it reads as one; anything else is refused on saving.
        double v = 0;
        const QString typed = l.text(row, column);
        if (typed.isEmpty())
            l.set(row, column, QVariant());
        else if (sayiOku(typed, v))
            l.set(row, column, v);
    }
    l.set(row, kKusurat, kusurat(m_tip, l.row(row)));
    kurlariDoldur(row);
}

// A chosen bank account brings its currency, and to a card line its commission rate.
void BankaHareketBelgesi::hesapSecildi(int row)
{
    LineTable& l = lines();
    const auto h = BankaHesabi::bul(db(), l.text(row, kBanka), l.text(row, kHesap));
    if (!h)
        return;
    if (!h->doviz.isEmpty() && h->doviz != l.text(row, kDoviz)) {
        l.set(row, kDoviz, h->doviz);
        l.set(row, kKur, QVariant());
    }
    // A card collection keeps the rate it books the gross at; a card transfer takes the rate
    // its commission is posted at from each account chosen.
    if (m_tip == QLatin1String("K") && isBlank(l.value(row, kOran)))
        l.set(row, kOran, h->komisyon);
    if (m_tip == QLatin1String("R"))
        l.set(row, kKomisyon, h->komisyon);
}

void BankaHareketBelgesi::kurlariDoldur(int row)
{
    LineTable& l = lines();
    const QString doviz = l.text(row, kDoviz);
    if (doviz.isEmpty())
        return; // the currency comes first ("Lütfen Döviz Kodunu Seçiniz.")
    const QDate gun = documentDate();
    if (bos(l.value(row, QStringLiteral("TL_USDEGER"))))
        l.set(row, QStringLiteral("TL_USDEGER"), m_kur(m_usd, gun));
    if (bos(l.value(row, QStringLiteral("TL_EUREGER"))))
        l.set(row, QStringLiteral("TL_EUREGER"), m_kur(m_eur, gun));
    if (bos(l.value(row, kKur)))
        l.set(row, kKur, doviz == m_yerel ? 1.0 : m_kur(doviz, gun));
}

// A card line with a rate and a gross amount books the gross less the commission; the
// commission stays on the account's side and the description says so.
void BankaHareketBelgesi::komisyonHesapla(int row)
{
    LineTable& l = lines();
    double oran = 0, brut = 0;
    const bool gecerli = sayiOku(l.value(row, kOran), oran) && sayiOku(l.value(row, kBrut), brut);
    const double kur = l.number(row, kKur);
    if (!gecerli || oran <= 0 || brut <= 0 || kur <= 0) {
        if (l.text(row, QStringLiteral("ACIKLAMA")).startsWith(kKomisyonOnEki))
            l.set(row, QStringLiteral("ACIKLAMA"), QString());
        for (const char* c : {"KREDIKMSYNDVZ", "KREDIKMSYNTL", "KREDIKMSYNUSD", "KREDIKMSYNEUR"})
            l.set(row, QString::fromLatin1(c), 0.0);
        return;
    }
    const QString doviz = l.text(row, kDoviz);
    const double tl = brut * oran / 100;
    const double dvz = tl / kur;
    l.set(row, QStringLiteral("BORC_DVZ"), brut * (100 - oran) / 100 / kur);
    l.set(row, QStringLiteral("KREDIKMSYNTL"), tl);
    l.set(row, QStringLiteral("KREDIKMSYNDVZ"), dvz);
    l.set(row, QStringLiteral("KREDIKMSYNUSD"), doviz == m_usd ? dvz : bol(tl, l.number(row, QStringLiteral("TL_USDEGER"))));
    l.set(row, QStringLiteral("KREDIKMSYNEUR"), doviz == m_eur ? dvz : bol(tl, l.number(row, QStringLiteral("TL_EUREGER"))));
    l.set(row, QStringLiteral("ACIKLAMA"), kKomisyonOnEki + MoneyFormat::formatNumber(dvz, 2) + QLatin1Char(' ') + doviz
                                               + QStringLiteral(") Cari Borç Tutarına Eklenmiştir."));
}

void BankaHareketBelgesi::satirHesapla(int row)
{
    LineTable& l = lines();
    const QString doviz = l.text(row, kDoviz);
    if (doviz.isEmpty())
        return;
    const double kur = l.number(row, kKur);
    for (const QString& s : {QStringLiteral("BORC"), QStringLiteral("ALACAK")}) {
        const double dvz = l.number(row, s + QStringLiteral("_DVZ"));
        const double tl = doviz == m_yerel ? dvz : dvz * kur;
        l.set(row, s, tl);
        l.set(row, s + QStringLiteral("_USD"), doviz == m_usd ? dvz : bol(tl, l.number(row, QStringLiteral("TL_USDEGER"))));
        l.set(row, s + QStringLiteral("_EUR"), doviz == m_eur ? dvz : bol(tl, l.number(row, QStringLiteral("TL_EUREGER"))));
    }
}

void BankaHareketBelgesi::recompute()
{
    QList<double> toplam(kToplamlar.size(), 0.0);
    for (int i = 0; i < lines().count(); ++i) {
        komisyonHesapla(i);
        satirHesapla(i);
        for (int k = 0; k < kToplamlar.size(); ++k)
            toplam[k] += lines().number(i, kToplamlar[k]);
    }
    for (int k = 0; k < kToplamlar.size(); ++k)
        putHeader(kToplamlar[k], toplam[k]);
}

void BankaHareketBelgesi::satirKontrol(CheckContext& x, int i)
{
    const LineTable& l = lines();
    const QString doviz = l.text(i, kDoviz);
    if (doviz.isEmpty())
        x.refuse(QStringLiteral("Lütfen Döviz Kodunu Seçiniz."), kDoviz, i, kItems);
    const auto hesap = BankaHesabi::bul(db(), l.text(i, kBanka), l.text(i, kHesap));
    if (!hesap)
        x.refuse(QStringLiteral("Hesap No.su Olmayan Kayıt Seçilemez."), kBankaHesap, i, kItems);
    if (!hesap->doviz.isEmpty() && hesap->doviz != doviz)
        x.refuse(QStringLiteral("Döviz Tipi Uyumsuz  !"), kDoviz, i, kItems);
    double oran = 0, brut = 0;
    if (!isBlank(l.value(i, kBrut)) && (!sayiOku(l.value(i, kBrut), brut) || brut < 0))
        x.refuse(QStringLiteral("Kredi Kartı Brüt Tutarı Hatalı !"), kBrut, i, kItems);
    if (brut > 0) {
        if (isBlank(l.value(i, kOran)))
            x.refuse(QStringLiteral("Kredi Kartı Komisyon Oranını Giriniz !"), kOran, i, kItems);
        if (!sayiOku(l.value(i, kOran), oran) || oran < 0 || oran >= 100)
            x.refuse(QStringLiteral("Kredi Kartı Komisyon Oranı Hatalı !"), kOran, i, kItems);
    }
    if (!isBlank(l.value(i, kKomisyon)) && (!sayiOku(l.value(i, kKomisyon), oran) || oran < 0 || oran >= 100))
        x.refuse(QStringLiteral("Kredi Kartı Komisyon Oranı Hatalı !"), kKomisyon, i, kItems);
    if (l.number(i, QStringLiteral("BORC_DVZ")) <= 0 && l.number(i, QStringLiteral("ALACAK_DVZ")) <= 0)
        x.refuse(QStringLiteral("Tutar Girilmeden Hareket Kaydı Yapılamaz"), QStringLiteral("BORC_DVZ"), i, kItems);
    if (l.number(i, kKur) <= 0)
        x.refuse(QStringLiteral("Kur Değeri Sıfır Olamaz"), kKur, i, kItems);
    const QString cari = l.text(i, kCari);
    if (!cari.isEmpty()) {
        if (l.value(i, QStringLiteral("CTIP")).toInt() < 0 || isBlank(l.value(i, QStringLiteral("CTIP"))))
            x.refuse(QStringLiteral("Cari İşlem tipini seçmeden harekette değişiklik yapamazsınız..."),
                     QStringLiteral("CTIP"), i, kItems);
        if (!db().any(QStringLiteral("SELECT 1 FROM CARI WHERE CARI_KOD=:K"), {{QStringLiteral("K"), cari}}))
            x.refuse(QStringLiteral("Lütfen Geçerli Cari Kod Seçin"), kCari, i, kItems);
    }
    const QString kasa = l.text(i, kKasa);
    if (!kasa.isEmpty()
        && !db().any(QStringLiteral("SELECT 1 FROM KASA WHERE KASAKOD=:K AND KASAKOD<>'PK'"), {{QStringLiteral("K"), kasa}}))
        x.refuse(QStringLiteral("Kasa Kodu Seçilmelidir !"), kKasa, i, kItems);
}

bool BankaHareketBelgesi::eslesmis(int sira) const
{
    return m_cariNo > 0 && CariKapamaKontrol::hareketEslesmis(db(), m_cariNo, sira, m_tip);
}

QList<SaveCheck> BankaHareketBelgesi::checks()
{
    QList<SaveCheck> c;
    c << SaveCheck{QStringLiteral("satır var"), [this](CheckContext& x) {
              if (lines().isEmpty())
                  x.refuse(QStringLiteral("Dikkat Hareket Kaydı olmadan Kayıt Yapılmaz"));
          }};
    c << dateLockCheck();
    c << lineCheck([this](CheckContext& x, int i) { satirKontrol(x, i); });
    c << SaveCheck{QStringLiteral("eşleşmiş satır"), [this](CheckContext& x) {
              if (isNew())
                  return;
              for (int i = 0; i < lines().count(); ++i)
                  if (lines().state(i) == LineTable::State::Changed
                      && eslesmis(lines().loadedRow(i).value(kSira).toInt()))
                      x.refuse(CariKapamaKontrol::mesaj(), kCari, i, kItems);
              for (const QVariantMap& d : lines().deletedRows())
                  if (eslesmis(d.value(kSira).toInt()))
                      x.refuse(CariKapamaKontrol::mesaj());
          }};
    c << SaveCheck{QStringLiteral("risk"), [this](CheckContext& x) {
              if (m_tip == QLatin1String("A"))
                  return;
              for (int i = 0; i < lines().count(); ++i) {
                  const QString kod = lines().text(i, kCari);
                  if (kod.isEmpty())
                      continue;
                  // Money into the bank credits the account; money out debits it.
                  const QVariantMap& eski = lines().loadedRow(i);
                  cariRiskDenetle(x, db(), kod, lines().number(i, QStringLiteral("ALACAK_USD")),
                                  lines().number(i, QStringLiteral("BORC_USD")),
                                  eski.value(QStringLiteral("ALACAK_USD")).toDouble(),
                                  eski.value(QStringLiteral("BORC_USD")).toDouble(), kCari, i, kItems);
              }
          }};
    // The account movements' number is drawn before the save's transaction opens.
    c << SaveCheck{QStringLiteral("cari hareket numarası"), [this](CheckContext&) {
              if (m_cariNo > 0)
                  return;
              for (int i = 0; i < lines().count(); ++i)
                  if (!lines().text(i, kCari).isEmpty()) {
                      m_cariNo = YeniKayitNo(db(), QStringLiteral("NEWCARI"));
                      return;
                  }
          }};
    return c;
}

void BankaHareketBelgesi::duzeltmeKaydi()
{
    logCorrections(lines(), [this](const QVariantMap& r, const QString& metin) {
        const QString s = loggedSide(r);
        const QString kod = toText(r.value(kBanka)).trimmed();
        KullanciNeYapti(db(), QStringLiteral("BANKHRK"), key(), r.value(kSira), m_tip, kodAdi(QStringLiteral("BANKA"), kod),
                        kod, {}, r.value(s + QStringLiteral("_DVZ")), r.value(kDoviz), r.value(QStringLiteral("BELGE_NO")),
                        r.value(s), {}, {}, metin);
    });
}

void BankaHareketBelgesi::satirlariDamgala()
{
    const QDate gun = documentDate();
    const int sube = SessionContext::current().SubeKodu;
    for (int i = 0; i < lines().count(); ++i) {
        LineTable& l = lines();
        l.set(i, kNo, key());
        l.set(i, kTarih, dayStart());
        l.set(i, QStringLiteral("AY"), gun.month());
        l.set(i, QStringLiteral("YIL"), gun.year());
        l.set(i, QStringLiteral("TIP"), m_tip);
        l.set(i, QStringLiteral("PARA_BAZ"), QStringLiteral("D"));
        l.set(i, QStringLiteral("SUBEKODU"), sube);
        l.set(i, kKusurat, kusurat(m_tip, l.row(i)));
        l.set(i, QStringLiteral("REF_NO"), l.text(i, kCari).isEmpty() ? QVariant() : QVariant(m_cariNo));
    }
}

// Deletes the rows the document wrote; account movements that are matched stay. Returns
// the line numbers of those that stayed.
QSet<int> BankaHareketBelgesi::removeDerived(DocumentWriter& w)
{
    w.remove(QStringLiteral("KASAHRKT"), {{QStringLiteral("HRKNO"), key()}, {QStringLiteral("REF_TIP"), kYazan}});
    w.remove(QStringLiteral("FINHRK"), {{QStringLiteral("HRK_NO"), key()}, {QStringLiteral("BELGE_TIP"), kYazan}});
    QSet<int> kalanlar;
    if (m_cariNo <= 0)
        return kalanlar;
    const Params p{{QStringLiteral("C"), m_cariNo}, {QStringLiteral("N"), key()}, {QStringLiteral("T"), m_tip}};
    for (const QSqlRecord& r : db().records(QStringLiteral("SELECT SIRANO FROM CARIHRK WHERE CARI_NO=:C AND REF_NO=:N "
                                                           "AND CRHRK_TUR=:T"),
                                            p)) {
        const int sira = r.value(0).toInt();
        if (eslesmis(sira))
            kalanlar.insert(sira);
        else
            db().exec(QStringLiteral("DELETE FROM CARIHRK WHERE CARI_NO=:C AND SIRANO=:S"),
                      {{QStringLiteral("C"), m_cariNo}, {QStringLiteral("S"), sira}});
    }
    return kalanlar;
}

void BankaHareketBelgesi::write(DocumentWriter& w)
{
    if (!isNew())
        duzeltmeKaydi();
    satirlariDamgala();
    const QSet<int> kalanlar = removeDerived(w);
    QVariantMap h = headerModel().values();
    h.insert(kNo, key());
    h.insert(kTarih, dayStart());
    h.insert(QStringLiteral("TIP"), m_tip);
    if (isNew())
        h.insert(QStringLiteral("PERSONEL"), personel());
    w.upsert(QStringLiteral("BANKHRK"), {kNo}, h);
    w.replace(QStringLiteral("BANKHRKA"), {{kNo, key()}}, lines().rows());
    yazCariSatirlari(w, kalanlar);
    yazKasaSatirlari(w);
    yazFinansSatirlari(w);
}

void BankaHareketBelgesi::yazCariSatirlari(DocumentWriter& w, const QSet<int>& kalanlar)
{
    for (int i = 0; i < lines().count(); ++i) {
        const QVariantMap& l = lines().row(i);
        const QString kod = toText(l.value(kCari)).trimmed();
        if (kod.isEmpty() || kalanlar.contains(l.value(kSira).toInt()))
            continue;
        // The account's side mirrors the bank's: money into the bank is the account's credit.
        QVariantMap c{{QStringLiteral("CARI_NO"), m_cariNo},
                      {kSira, l.value(kSira)},
                      {kCari, kod},
                      {QStringLiteral("CRHRK_TUR"), m_tip},
                      {QStringLiteral("TIP"), l.value(QStringLiteral("CTIP"))},
                      {QStringLiteral("REF_NO"), key()},
                      {kTarih, dayStart()},
                      {QStringLiteral("VADE_TRH"), dayStart()},
                      {QStringLiteral("AY"), l.value(QStringLiteral("AY"))},
                      {QStringLiteral("YIL"), l.value(QStringLiteral("YIL"))},
                      {kDoviz, l.value(kDoviz)},
                      {kKur, l.value(kKur)},
                      {QStringLiteral("TL_USDEGER"), l.value(QStringLiteral("TL_USDEGER"))},
                      {QStringLiteral("TL_EUREGER"), l.value(QStringLiteral("TL_EUREGER"))},
                      {QStringLiteral("PARA_BAZ"), QStringLiteral("D")},
                      {QStringLiteral("KARSIDOVIZ"), l.value(kDoviz)},
                      {QStringLiteral("KARSI_KURDEGER"), l.value(kKur)},
                      {QStringLiteral("KARSI_BORC"), l.value(QStringLiteral("ALACAK_DVZ"))},
                      {QStringLiteral("KARSI_ALACAK"), l.value(QStringLiteral("BORC_DVZ"))},
                      {QStringLiteral("BELGE_NO"), l.value(QStringLiteral("BELGE_NO"))},
                      {QStringLiteral("CARHRKFATNO"), l.value(QStringLiteral("BELGE_NO"))},
                      {QStringLiteral("PORTFOYNO"), l.value(QStringLiteral("PORTFOYNO"))},
                      {QStringLiteral("OZEL_KODU"), l.value(QStringLiteral("OZEL_KODU"))},
                      {QStringLiteral("ACIKLAMA"), l.value(QStringLiteral("ACIKLAMA"))},
                      {QStringLiteral("MUH_KARSI"), l.value(QStringLiteral("MUH_KARSI"))}};
        for (const QString& s : {QString(), QStringLiteral("_USD"), QStringLiteral("_EUR"), QStringLiteral("_DVZ")}) {
            c.insert(QStringLiteral("BORC") + s, l.value(QStringLiteral("ALACAK") + s));
            c.insert(QStringLiteral("ALACAK") + s, l.value(QStringLiteral("BORC") + s));
        }
        w.insert(QStringLiteral("CARIHRK"), c);
    }
}

// The line's amount in the desk's own currency, and the desk currency's rate.
double BankaHareketBelgesi::kasaTutari(int row, const QString& kasaDoviz, double& kur) const
{
    const LineTable& l = lines();
    const QString s = l.number(row, QStringLiteral("ALACAK")) > 0 ? QStringLiteral("ALACAK") : QStringLiteral("BORC");
    const QString doviz = l.text(row, kDoviz);
    if (kasaDoviz.isEmpty() || kasaDoviz == doviz) {
        kur = l.number(row, kKur);
        return l.number(row, s + QStringLiteral("_DVZ"));
    }
    if (kasaDoviz == m_yerel) {
        kur = 1;
        return l.number(row, s);
    }
    kur = m_kur(kasaDoviz, documentDate());
    if (kasaDoviz == m_usd)
        return l.number(row, s + QStringLiteral("_USD"));
    if (kasaDoviz == m_eur)
        return l.number(row, s + QStringLiteral("_EUR"));
    return bol(l.number(row, s), kur);
}

void BankaHareketBelgesi::yazKasaSatirlari(DocumentWriter& w)
{
    const SessionContext& s = SessionContext::current();
    for (int i = 0; i < lines().count(); ++i) {
        const QVariantMap& l = lines().row(i);
        const QString kasa = toText(l.value(kKasa)).trimmed();
        const bool giris = l.value(QStringLiteral("ALACAK")).toDouble() > 0;
        const bool cikis = l.value(QStringLiteral("BORC")).toDouble() > 0;
        if (kasa.isEmpty() || (!giris && !cikis))
            continue;
        const QString t = giris ? QStringLiteral("ALACAK") : QStringLiteral("BORC");
        const QString kasaDoviz = toText(db().scalar(QStringLiteral("SELECT DOVIZ_KOD FROM KASA WHERE KASAKOD=:K"),
                                                     {{QStringLiteral("K"), kasa}}))
                                      .trimmed();
        double kur = 1;
        const double dvz = kasaTutari(i, kasaDoviz, kur);
        w.insert(QStringLiteral("KASAHRKT"),
                 {{kTarih, dayStart()}, {QStringLiteral("REF_TIP"), kYazan}, {QStringLiteral("HRKNO"), key()},
                  {QStringLiteral("SIRANO"), l.value(kSira)}, {QStringLiteral("HRK_TURU"), QStringLiteral("w")},
                  {QStringLiteral("REFAYRTIP"), m_tip}, {QStringLiteral("BELGE_NO"), l.value(QStringLiteral("BELGE_NO"))},
                  {kKasa, kasa}, {QStringLiteral("KARSIKOD"), l.value(kBanka)}, {QStringLiteral("ACIKLAMA1"), l.value(kHesap)},
                  {QStringLiteral("TIP"), giris ? QStringLiteral("B") : QStringLiteral("A")},
                  {QStringLiteral("TUTAR"), l.value(t)}, {QStringLiteral("TUTAR_USD"), l.value(t + QStringLiteral("_USD"))},
                  {QStringLiteral("TUTAR_EUR"), l.value(t + QStringLiteral("_EUR"))}, {QStringLiteral("TUTAR_DVZ"), dvz},
                  {kKur, kur}, {QStringLiteral("TL_USDEGER"), l.value(QStringLiteral("TL_USDEGER"))},
                  {QStringLiteral("TL_EUREGER"), l.value(QStringLiteral("TL_EUREGER"))},
                  {QStringLiteral("KARSI_KURDEGER"), l.value(kKur)}, {QStringLiteral("KARSI_DOVIZKOD"), l.value(kDoviz)},
                  {QStringLiteral("PARA_BAZ"), QStringLiteral("D")},
                  {QStringLiteral("DOVIZ_KOD"), kasaDoviz.isEmpty() ? l.value(kDoviz) : QVariant(kasaDoviz)},
                  {QStringLiteral("ACIKLAMA"), l.value(QStringLiteral("ACIKLAMA"))},
                  {QStringLiteral("AY"), l.value(QStringLiteral("AY"))}, {QStringLiteral("YIL"), l.value(QStringLiteral("YIL"))},
                  {QStringLiteral("FIS_NO"), header(QStringLiteral("FIS_NO"))}, {QStringLiteral("PERSONEL"), personel()},
                  {QStringLiteral("SUBEKODU"), s.SubeKodu}});
    }
}

// The bank's operation in the finance ledger for a line.
QString BankaHareketBelgesi::bankaIslemi(int row) const
{
    const bool giren = lines().number(row, QStringLiteral("BORC")) > 0;
    if (!lines().text(row, kKasa).isEmpty())
        return giren ? QStringLiteral("Y") : QStringLiteral("C");
    static const QHash<QString, QString> tur{{QStringLiteral("G"), QStringLiteral("G")},
                                             {QStringLiteral("H"), QStringLiteral("H")},
                                             {QStringLiteral("K"), QStringLiteral("K")},
                                             {QStringLiteral("R"), QStringLiteral("T")},
                                             {QStringLiteral("V"), QStringLiteral("V")}};
    if (tur.contains(m_tip))
        return tur.value(m_tip);
    if (m_tip == QLatin1String("A"))
        return giren ? QStringLiteral("I") : QStringLiteral("M");
    return giren ? QStringLiteral("D") : QStringLiteral("A");
}

// The other side's operation: the account's or the desk's.
QString BankaHareketBelgesi::karsiIslemi(int row) const
{
    const bool giren = lines().number(row, QStringLiteral("BORC")) > 0;
    if (lines().text(row, kCari).isEmpty())
        return giren ? QStringLiteral("C") : QStringLiteral("G");
    if (m_tip == QLatin1String("V"))
        return QStringLiteral("V");
    if (m_tip == QLatin1String("A"))
        return giren ? QStringLiteral("F") : QStringLiteral("I");
    return giren ? QStringLiteral("L") : QStringLiteral("D");
}

void BankaHareketBelgesi::yazFinansSatirlari(DocumentWriter& w)
{
    for (int i = 0; i < lines().count(); ++i) {
        const QVariantMap& l = lines().row(i);
        // A rounding row moves no bank balance, as it moves no bank account in the ledger.
        if (toText(l.value(kKusurat)) == QLatin1String("E"))
            continue;
        FinansHareketi f;
        f.BELGE_TIP = kYazan;
        f.FIN_ID = key().toInt();
        f.SIRA_NO = l.value(kSira);
        f.HRK_NO = key();
        f.TIP = m_tip;
        f.ISLEM_TIP = QStringLiteral("B");
        f.ISLEM_TIP2 = bankaIslemi(i);
        f.KODU = toText(l.value(kBanka)).trimmed();
        f.KODU2 = toText(l.value(kHesap)).trimmed();
        f.CARIKOD = toText(l.value(kCari)).trimmed();
        f.CEK_NO = l.value(QStringLiteral("PORTFOYNO"));
        f.ADI = kodAdi(QStringLiteral("BANKA"), f.KODU).left(70);
        f.ACIKLAMA = toText(l.value(QStringLiteral("ACIKLAMA")));
        f.BORC = l.value(QStringLiteral("BORC")).toDouble();
        f.ALACAK = l.value(QStringLiteral("ALACAK")).toDouble();
        f.BORC_DVZ = l.value(QStringLiteral("BORC_DVZ")).toDouble();
        f.ALACAK_DVZ = l.value(QStringLiteral("ALACAK_DVZ")).toDouble();
        f.DOVIZ_KODU = toText(l.value(kDoviz)).trimmed();
        f.DVZ_KUR = l.value(kKur).toDouble();
        f.BA_DOVIZ = f.DOVIZ_KODU;
        f.BA_KUR = f.DVZ_KUR;
        f.BA_BORC = f.BORC_DVZ;
        f.BA_ALACAK = f.ALACAK_DVZ;
        f.TARIH = dayStart();
        f.VADE_TRH = f.TARIH;
        f.BELGE_NO = toText(l.value(QStringLiteral("BELGE_NO")));
        f.PERSON_KOD = personel();
        w.insertFinhrk(finansHareketiParams(f));

        const QString cari = f.CARIKOD;
        const QString kasa = toText(l.value(kKasa)).trimmed();
        if (cari.isEmpty() && kasa.isEmpty())
            continue;
        FinansHareketi k = f;
        k.ISLEM_TIP = cari.isEmpty() ? QStringLiteral("K") : QStringLiteral("C");
        k.ISLEM_TIP2 = karsiIslemi(i);
        k.KODU = cari.isEmpty() ? kasa : cari;
        k.KODU2 = f.KODU;
        k.CARIKOD = cari.isEmpty() ? QString() : cari;
        k.ADI = kodAdi(cari.isEmpty() ? QStringLiteral("KASA") : QStringLiteral("CARI"), k.KODU).left(70);
        k.BORC = f.ALACAK;
        k.ALACAK = f.BORC;
        k.BORC_DVZ = f.ALACAK_DVZ;
        k.ALACAK_DVZ = f.BORC_DVZ;
        if (cari.isEmpty()) {
            // The desk keeps its rows in its own currency.
            const QString kasaDoviz = toText(db().scalar(QStringLiteral("SELECT DOVIZ_KOD FROM KASA WHERE KASAKOD=:K"),
                                                         {{QStringLiteral("K"), kasa}}))
                                          .trimmed();
            double kur = 1;
            const double dvz = kasaTutari(i, kasaDoviz, kur);
            k.BORC_DVZ = k.BORC > 0 ? dvz : 0;
            k.ALACAK_DVZ = k.ALACAK > 0 ? dvz : 0;
            if (!kasaDoviz.isEmpty())
                k.DOVIZ_KODU = kasaDoviz;
            k.DVZ_KUR = kur;
        }
        k.BA_DOVIZ = k.DOVIZ_KODU;
        k.BA_KUR = k.DVZ_KUR;
        k.BA_BORC = k.BORC_DVZ;
        k.BA_ALACAK = k.ALACAK_DVZ;
        w.insertFinhrk(finansHareketiParams(k));
    }
}

QList<AfterCommitStep> BankaHareketBelgesi::afterCommit()
{
    const QString mod = SessionContext::current().param.ayarlar.MUH_KAY.trimmed();
    if (auto s = LedgerHook::step(db(), {QStringLiteral("BANKHRK"), m_tip, key().toDouble()}, mod))
        return {*s};
    return {};
}

void BankaHareketBelgesi::lineRemovalChecks(CheckContext& c, const QString&, int row)
{
    if (lines().state(row) != LineTable::State::Added && eslesmis(lines().loadedRow(row).value(kSira).toInt()))
        c.refuse(CariKapamaKontrol::mesaj(), kCari, row, kItems);
    c.ask(QStringLiteral("Silinsin mi?."));
}

QList<SaveCheck> BankaHareketBelgesi::deleteChecks()
{
    return {{QStringLiteral("eşleşme"),
             [this](CheckContext& c) {
                 for (const QVariantMap& r : lines().rows())
                     if (eslesmis(r.value(kSira).toInt()))
                         c.refuse(QStringLiteral("Bu Hareketin Ödemeleri Kapanmış.Önce Ödemeleri İptal Edin."));
             }},
            {QStringLiteral("muhasebe"),
             [this](CheckContext& c) {
                 if (headerNumber(QStringLiteral("FIS_NO")) > 0)
                     c.refuse(QStringLiteral("Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez."));
             }},
            {QStringLiteral("soru"), [](CheckContext& c) { c.ask(QStringLiteral("Kayıt Silinsin mi?")); }}};
}

void BankaHareketBelgesi::erase(DocumentWriter& w)
{
    removeDerived(w);
    w.remove(QStringLiteral("BANKHRKA"), {{kNo, key()}});
    w.remove(QStringLiteral("BANKHRK"), {{kNo, key()}});
    KullanciNeYapti(db(), QStringLiteral("BANKHRK"), key(), {}, m_tip, {}, {}, {}, {}, {}, {},
                    headerNumber(QStringLiteral("BORC")) + headerNumber(QStringLiteral("ALACAK")), {}, {},
                    QStringLiteral("Bnk.Hrk.Silindi."));
}

} // namespace nimbo
