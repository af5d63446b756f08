#include "trade/TicariBelge.h"
#include "db/DbStatement.h"
#include "db/DocumentWriter.h"
#include "db/InList.h"
#include "db/SqlValues.h"
#include "model/DocumentError.h"
#include "services/ExchangeRates.h"
#include "services/KullaniciIslemKaydi.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"
#include "trade/SatirHesabi.h"
#include "trade/StokHareketi.h"
#include "trade/Yuvarlama.h"

#include <array>
#include <cmath>
#include <ctime>

namespace nimbo {

namespace {

const QString kTip = QStringLiteral("TIP");
const QString kSira = QStringLiteral("SIRANO");
const QString kStokNo = QStringLiteral("STOK_NO");
const QString kDoviz = QStringLiteral("DOVIZ_KODU");
const QString kMiktar = QStringLiteral("MIKTAR");
const QString kFatarih = QStringLiteral("FATARIH");

// Price columns and the suffix of computed values, per currency: local, USD, EUR.
const char* const kFiyat[3] = {"FIYAT", "FYT_USD", "FYT_EUR"};
const char* const kEk[3] = {"", "_USD", "_EUR"};

// Header total columns per currency.
struct ToplamKolonlari {
    const char *brut, *kalemisk, *inrYuzd, *kdv, *net, *parca, *isci, *masraf, *indirim, *otv;
};
const ToplamKolonlari kToplam[3] = {
    {"BRUTTUT", "KALEMISK", "INR_YUZD", "KDVTUT", "NETTUT", "PARCA_NET", "ISCI_NET", "MASRAF", "INDIRIM", "OTV_TUTAR"},
    {"BRUT_USD", "KALEMISKUSD", "INR_YUZD_USD", "KDV_USD", "NET_USD", "PARCA_NET_USD", "ISCI_NET_USD", "MASRAF_USD",
     "INDIR_USD", "OTV_TUT_USD"},
    {"BRUT_EUR", "KALEMISKEUR", "INR_YUZD_EUR", "KDV_EUR", "NET_EUR", "PARCA_NET_EUR", "ISCI_NET_EUR", "MASRAF_EUR",
     "INDIR_EUR", "OTV_TUT_EUR"}};

// Indexes into the running sums of recompute().
enum { Brut, KalemIsk, Kdv, Net, Parca, Isci, Masraf, NetKdvsiz, Otv, Sayi };

QString s(const char* c) { return QString::fromLatin1(c); }
double bol(double a, double b) { return b == 0 ? 0 : a / b; }
bool bosmu(const QVariant& v) { return v.isNull() || !v.isValid() || v.toDouble() == 0; }

// Today, asked again only when the second changes: a line takes the date twice and the
// local-time conversion behind QDate::currentDate is not cheap.
QDate bugun()
{
    thread_local std::time_t son = 0;
    thread_local QDate gun;
    const std::time_t simdi = std::time(nullptr);
    if (simdi != son) {
        son = simdi;
        gun = QDate::currentDate();
    }
    return gun;
}

} // namespace

TicariBelge::TicariBelge(const Db& db, const TicariTaraf& taraf)
    : DocumentModel(db, taraf.baslik, {taraf.anahtar}), m_taraf(taraf), m_taksit(db, taraf.yazan)
{
    addLineTable(kItems);
    addLineTable(kIscilik);
    addLineTable(kMasraf);
    const auto p = db.records(QStringLiteral("SELECT YERELDOVIZ, RDOVIZ1, RDOVIZ2 FROM PARAMETRE"));
    auto oku = [&p](int i, const char* yoksa) {
        const QString v = p.isEmpty() ? QString() : toText(p.first().value(i)).trimmed();
        return v.isEmpty() ? s(yoksa) : v;
    };
    m_yerel = oku(0, "TL");
    m_usd = oku(1, "USD");
    m_eur = oku(2, "EUR");
    const auto y = db.records(QStringLiteral("SELECT FATYUVARTIP, YUVARSAYI, SAT_DEP FROM PARAMET"));
    if (!y.isEmpty())
        setYuvarlama(toText(y.first().value(0)).trimmed(), y.first().value(1).toDouble());
    m_kur = [db](const QString& d, const QDate& t) { return KurBulDeger(db, d, 2, t); };
    const int depo = y.isEmpty() ? 0 : y.first().value(2).toInt();
    m_satisDeposu = depo > 0 ? depo : 1;
}

TicariBelge::~TicariBelge() = default;

void TicariBelge::setYuvarlama(const QString& mod, double adim)
{
    m_yuvarlamaMod = mod;
    m_yuvarlamaAdim = adim;
}

double TicariBelge::kur(const QString& doviz) const
{
    if (doviz.isEmpty() || doviz == m_yerel)
        return 1;
    if (doviz == m_usd)
        return headerNumber(QStringLiteral("USDFYT"));
    if (doviz == m_eur)
        return headerNumber(QStringLiteral("EURFYT"));
    QDate gun = toDate(header(kFatarih));
    return m_kur(doviz, gun.isValid() ? gun : QDate::currentDate());
}

// What a document reads of an item: identity, units, VAT, currency, the price lists and the
// discount group. The card has many more columns; reading them all for every line showed.
QString TicariBelge::stokKolonlari()
{
    static const QString kolonlar = [] {
        QStringList c{QStringLiteral("STOK_NO"),  QStringLiteral("STOK_KOD_NO"), QStringLiteral("STOK_ADI_TR"),
                      QStringLiteral("BIRIM1"),   QStringLiteral("BIRIM2"),      QStringLiteral("BIRIM3"),
                      QStringLiteral("B_KATSAYI2"), QStringLiteral("B_KATSAYI3"), QStringLiteral("SAT_BIRIM"),
                      QStringLiteral("AL_BIRIM"), QStringLiteral("KDV"),         QStringLiteral("KDV_DAHIL"),
                      QStringLiteral("DOVIZ_KODU"), QStringLiteral("SERITAKIP"), QStringLiteral("RAF_YERI"),
                      QStringLiteral("GARANTI_SURE"), QStringLiteral("ISKGRUP"), QStringLiteral("KRITIK_SEV")};
        for (const char* f : {"ALIS_FYT", "SAT_SKFYT", "SAT_ABFYT", "SAT_BFYT"})
            for (const char* e : {"TL", "USD", "EUR", "DOVIZ"})
                c << QStringLiteral("%1_%2").arg(QLatin1String(f), QLatin1String(e));
        for (const char* e : {"TL", "USD", "EUR", "DVZ"})
            c << QStringLiteral("MINSATFYT_%1").arg(QLatin1String(e));
        return c.join(QStringLiteral(", "));
    }();
    return kolonlar;
}

QVariantMap TicariBelge::stok(double stokNo) const
{
    auto it = m_stoklar.find(stokNo);
    if (it != m_stoklar.end())
        return *it;
    if (!m_stokSorgusu)
        m_stokSorgusu = std::make_unique<DbStatement>(
            db().prepare(QStringLiteral("SELECT %1 FROM STOK WHERE STOK_NO=:N").arg(stokKolonlari())));
    const QList<QVariantMap> r = m_stokSorgusu->rowMaps({{QStringLiteral("N"), stokNo}});
    const QVariantMap m = r.isEmpty() ? QVariantMap() : r.first();
    if (!m.isEmpty())
        m_stoklar.insert(stokNo, m);
    return m;
}

void TicariBelge::cariyiOku()
{
    const QString kod = headerText(QStringLiteral("CARIKOD"));
    const QList<QVariantMap> r =
        kod.isEmpty() ? QList<QVariantMap>()
                      : db().rowMaps(QStringLiteral("SELECT CARI_KOD, FIRMA_ADI, DOVIZ_KODU, FAT_ISK, CARI_GRP_KOD, ISKGRUP, "
                                                    "MAKSVADEGUN, AVUKATVER, ABMFYTUYG, RISKRITER, RISK_IRS, RISBAKTIP, "
                                                    "RISK_LIMITI FROM CARI WHERE CARI_KOD=:K"),
                                     {{QStringLiteral("K"), kod}});
    m_cari = r.isEmpty() ? QVariantMap() : r.first();
}

double TicariBelge::birimKatsayisi(int row) const
{
    const QVariantMap st = stok(lines().number(row, kStokNo));
    const QString birim = lines().text(row, QStringLiteral("BIRIM"));
    if (!birim.isEmpty() && birim == toText(st.value(QStringLiteral("BIRIM2"))).trimmed())
        return st.value(QStringLiteral("B_KATSAYI2")).toDouble();
    if (!birim.isEmpty() && birim == toText(st.value(QStringLiteral("BIRIM3"))).trimmed())
        return st.value(QStringLiteral("B_KATSAYI3")).toDouble();
    return 1;
}

bool TicariBelge::birimGecerli(int row) const
{
    const QVariantMap st = stok(lines().number(row, kStokNo));
    const QString birim = lines().text(row, QStringLiteral("BIRIM"));
    if (st.isEmpty())
        return true; // the missing item is told apart
    QStringList birimler;
    for (const char* c : {"BIRIM1", "BIRIM2", "BIRIM3"}) {
        const QString b = toText(st.value(s(c))).trimmed();
        if (!b.isEmpty())
            birimler << b;
    }
    // An item without units sells in ADET.
    if (birimler.isEmpty())
        birimler << QStringLiteral("ADET");
    return birimler.contains(birim);
}

void TicariBelge::defaults()
{
    const QDate bugun = QDate::currentDate();
    const SessionContext& ss = SessionContext::current();
    putHeader(kTip, QStringLiteral("R"));
    putHeader(kFatarih, bugun);
    // The default type R dispatches on the invoice date; another type chosen later takes its
    // own (headerChanged), and an R takes the invoice date again when it is saved.
    putHeader(QStringLiteral("IRSTARIH"), bugun);
    putHeader(QStringLiteral("VADETRH"), bugun);
    putHeader(QStringLiteral("SAAT"), QDateTime::currentDateTime());
    putHeader(QStringLiteral("VADEHES"), QStringLiteral("Y"));
    putHeader(QStringLiteral("ODE_TIP"), QStringLiteral("P"));
    putHeader(QStringLiteral("PERSON_KOD"), (ss.PersonelAdi.isEmpty() ? ss.KullaniciAdi : ss.PersonelAdi).left(11));
    putHeader(kDoviz, m_yerel);
    putHeader(QStringLiteral("TL_KURDEGER"), 1.0);
    putHeader(QStringLiteral("USDFYT"), m_kur(m_usd, bugun));
    putHeader(QStringLiteral("EURFYT"), m_kur(m_eur, bugun));
    putHeader(QStringLiteral("YUZDE"), 0.0);
    m_oncekiBakiye = 0;
    m_eskiNet = 0;
    m_eskiKasa.clear();
    m_eskiBanka.clear();
    m_cari.clear();
    m_girdiler.clear();
    m_taksit.temizle();
}

void TicariBelge::load(const QVariant& key)
{
    const auto h = db().records(QStringLiteral("SELECT * FROM %1 WHERE %2=:N").arg(m_taraf.baslik, m_taraf.anahtar),
                                {{QStringLiteral("N"), key}});
    if (h.isEmpty())
        throw UserError(QStringLiteral("Belge Bulunamadı."));
    QVariantMap baslik = rowMap(h.first());
    for (const char* c : {"FATARIH", "IRSTARIH", "VADETRH"})
        if (!baslik.value(s(c)).isNull())
            baslik.insert(s(c), toDate(baslik.value(s(c))));
    const auto o = db().records(
        QStringLiteral("SELECT ODEME_TIP, KODU, HESAP_NO FROM ODEMES WHERE REFNO=:N ORDER BY SIRANO"),
        {{QStringLiteral("N"), key}});
    for (const QSqlRecord& r : o) {
        if (toText(r.value(0)).trimmed() == QLatin1String("P"))
            baslik.insert(QStringLiteral("KASAKOD"), toText(r.value(1)).trimmed());
        else {
            baslik.insert(QStringLiteral("BANKA_KOD"), toText(r.value(1)).trimmed());
            baslik.insert(QStringLiteral("HESAP_NO"), toText(r.value(2)).trimmed());
        }
    }
    loadHeader(baslik);
    m_eskiKasa = headerText(QStringLiteral("KASAKOD"));
    m_eskiBanka = headerText(QStringLiteral("BANKA_KOD"));
    m_girdiler.clear();
    auto satirlar = [this](const QString& sql, const Params& p) {
        QList<QVariantMap> rows;
        for (const QSqlRecord& r : db().records(sql, p)) {
            QVariantMap m = rowMap(r);
            for (const char* c : {"KAYIT_TRH", "GRN_BIT_TRH"})
                if (!m.value(s(c)).isNull())
                    m.insert(s(c), toDate(m.value(s(c))));
            rows << m;
        }
        return rows;
    };
    lines().load(satirlar(QStringLiteral("SELECT * FROM %1 WHERE %2=:N ORDER BY SIRANO").arg(m_taraf.satirlar, m_taraf.anahtar),
                          {{QStringLiteral("N"), key}}));
    const Params p{{QStringLiteral("N"), key}, {QStringLiteral("T"), m_taraf.yazan}};
    lines(kIscilik).load(satirlar(QStringLiteral("SELECT * FROM %1 WHERE BELGE_NO=:N AND BELGE_TIP=:T ORDER BY SIRANO").arg(m_taraf.iscilikTablosu), p));
    lines(kMasraf).load(satirlar(QStringLiteral("SELECT * FROM %1 WHERE BELGE_NO=:N AND BELGE_TIP=:T ORDER BY SIRANO").arg(m_taraf.masrafTablosu), p));
    m_eskiNet = baslik.value(QStringLiteral("NETTUT")).toDouble();
    m_taksit.oku(key.toDouble(), m_eskiNet, toDate(baslik.value(kFatarih)));
    cariyiOku();
    oncekiBakiyeyiOku();
}

// A new document takes its number with its finance numbers, once every check has passed.
void TicariBelge::allocateNumber() {}

void TicariBelge::oncekiBakiyeyiOku()
{
    const QString kod = headerText(QStringLiteral("CARIKOD"));
    if (kod.isEmpty()) {
        m_oncekiBakiye = 0;
        return;
    }
    const auto r = db().records(QStringLiteral("SELECT SUM(ALACAK), SUM(BORC) FROM FINHRK WHERE KODU=:K"),
                                {{QStringLiteral("K"), kod}});
    const double alacak = r.isEmpty() ? 0 : r.first().value(0).toDouble();
    const double borc = r.isEmpty() ? 0 : r.first().value(1).toDouble();
    // A document being corrected is taken out of its own "before" balance.
    m_oncekiBakiye = alacak - borc + (faturaKismi() ? (m_taraf.cikis ? m_eskiNet : -m_eskiNet) : 0);
}

void TicariBelge::headerChanged(const QString& column)
{
    if (column == QLatin1String("CARIKOD")) {
        cariyiOku();
        m_kurallar.reset(); // rules and exceptions as they are now
        const QVariantMap c = cari();
        if (!c.isEmpty()) {
            if (headerNumber(QStringLiteral("YUZDE")) < 0.0001)
                putHeader(QStringLiteral("YUZDE"), c.value(QStringLiteral("FAT_ISK")).toDouble());
            const QString doviz = toText(c.value(kDoviz)).trimmed();
            if (!doviz.isEmpty()) {
                putHeader(kDoviz, doviz);
                putHeader(QStringLiteral("TL_KURDEGER"), kur(doviz));
            }
            cariSecildi(c);
        }
        oncekiBakiyeyiOku();
        for (int i = 0; i < lines().count(); ++i)
            iskontoBul(i);
    } else if (column == kFatarih) {
        const QDate gun = toDate(header(kFatarih));
        if (gun.isValid()) {
            putHeader(QStringLiteral("USDFYT"), m_kur(m_usd, gun));
            putHeader(QStringLiteral("EURFYT"), m_kur(m_eur, gun));
            if (tip() == QLatin1String("R") || tip() == QLatin1String("E"))
                putHeader(QStringLiteral("IRSTARIH"), gun);
        }
    } else if (column == kTip) {
        // An invoice with dispatch ships on the invoice date, a pure invoice has no dispatch
        // date, and a new dispatch note takes the one typed for it.
        if (tip() == QLatin1String("R") || tip() == QLatin1String("E"))
            putHeader(QStringLiteral("IRSTARIH"), header(kFatarih));
        else if (!irsaliyeKismi() || isNew())
            putHeader(QStringLiteral("IRSTARIH"), QVariant());
        oncekiBakiyeyiOku();
    } else if (column == kDoviz) {
        putHeader(QStringLiteral("TL_KURDEGER"), kur(headerText(kDoviz)));
    }
    // The amount discount may be typed in any one currency; the others follow.
    const double usdKur = headerNumber(QStringLiteral("USDFYT")), eurKur = headerNumber(QStringLiteral("EURFYT"));
    if (column == QLatin1String("INDIRIM")) {
        putHeader(QStringLiteral("INDIR_USD"), bol(headerNumber(QStringLiteral("INDIRIM")), usdKur));
        putHeader(QStringLiteral("INDIR_EUR"), bol(headerNumber(QStringLiteral("INDIRIM")), eurKur));
    } else if (column == QLatin1String("INDIR_USD")) {
        putHeader(QStringLiteral("INDIRIM"), headerNumber(QStringLiteral("INDIR_USD")) * usdKur);
        putHeader(QStringLiteral("INDIR_EUR"), bol(headerNumber(QStringLiteral("INDIRIM")), eurKur));
    } else if (column == QLatin1String("INDIR_EUR")) {
        putHeader(QStringLiteral("INDIRIM"), headerNumber(QStringLiteral("INDIR_EUR")) * eurKur);
        putHeader(QStringLiteral("INDIR_USD"), bol(headerNumber(QStringLiteral("INDIRIM")), usdKur));
    }
    if (column == QLatin1String("USDFYT") || column == QLatin1String("EURFYT") || column == kFatarih)
        for (const QString& t : {kItems, kIscilik, kMasraf})
            for (int i = 0; i < lines(t).count(); ++i)
                fiyatlariCevir(t, i);
}

int TicariBelge::yeniSira(const QString& name) const
{
    int sira = 0;
    const LineTable& l = lines(name);
    for (int i = 0; i < l.count(); ++i)
        sira = qMax(sira, l.value(i, kSira).toInt());
    for (const QVariantMap& d : l.deletedRows())
        sira = qMax(sira, d.value(kSira).toInt());
    return sira + 1;
}

QVariantMap TicariBelge::lineDefaults(const QString& name)
{
    QVariantMap v{{kSira, yeniSira(name)},
                  {kDoviz, m_yerel},
                  {QStringLiteral("TL_KURDEGER"), 1.0},
                  {kMiktar, 1.0},
                  {QStringLiteral("KDV_DAHIL"), QStringLiteral("H")},
                  {QStringLiteral("KAYIT_TRH"), bugun()}};
    if (name == kItems)
        v.insert(QStringLiteral("DEPO_KODU"), m_satisDeposu);
    return v;
}

QVariantMap TicariBelge::yeniStokSatiri(const QVariantMap& st)
{
    auto t = [&st](const char* c) { return toText(st.value(s(c))).trimmed(); };
    QString birim = t("SAT_BIRIM");
    if (birim.isEmpty())
        birim = t("BIRIM1");
    if (birim.isEmpty())
        birim = QStringLiteral("ADET");
    QString doviz = t("DOVIZ_KODU");
    if (doviz.isEmpty())
        doviz = m_yerel;
    QString paraBaz = QStringLiteral("D");
    if (doviz == m_yerel)
        paraBaz = QStringLiteral("T");
    else if (doviz == m_usd)
        paraBaz = QStringLiteral("U");
    else if (doviz == m_eur || doviz == QLatin1String("ECU"))
        paraBaz = QStringLiteral("E");
    const QString f = fiyatKolonu();
    QVariantMap v{{kStokNo, st.value(kStokNo)},
                  {QStringLiteral("STOK_ADI"), t("STOK_ADI_TR")},
                  {QStringLiteral("STOK_KOD_NO"), t("STOK_KOD_NO")},
                  {QStringLiteral("BIRIM"), birim},
                  {QStringLiteral("KDV"), st.value(QStringLiteral("KDV")).toDouble()},
                  {QStringLiteral("KDV_DAHIL"), t("KDV_DAHIL").isEmpty() ? QStringLiteral("H") : t("KDV_DAHIL")},
                  {kDoviz, doviz},
                  {QStringLiteral("PARA_BAZ"), paraBaz},
                  {QStringLiteral("SERITAKIP"), t("SERITAKIP")},
                  {QStringLiteral("RAF_YERI"), t("RAF_YERI").left(7)},
                  {QStringLiteral("KAYIT_TRH"), bugun()},
                  {QStringLiteral("FIYAT"), st.value(f + QStringLiteral("_TL")).toDouble()},
                  {QStringLiteral("FYT_USD"), st.value(f + QStringLiteral("_USD")).toDouble()},
                  {QStringLiteral("FYT_EUR"), st.value(f + QStringLiteral("_EUR")).toDouble()},
                  {QStringLiteral("FYT_DOVIZ"), st.value(f + QStringLiteral("_DOVIZ")).toDouble()}};
    const int garanti = st.value(QStringLiteral("GARANTI_SURE")).toInt();
    if (garanti > 0)
        v.insert(QStringLiteral("GRN_BIT_TRH"), bugun().addMonths(garanti));
    return v;
}

int TicariBelge::stokEkle(double stokNo)
{
    CheckContext c(*this);
    if (headerText(QStringLiteral("CARIKOD")).isEmpty())
        c.refuse(QStringLiteral("Lütfen Bir Cari Seçiniz!.."), QStringLiteral("CARIKOD"));
    const QVariantMap st = stok(stokNo);
    if (st.isEmpty())
        c.refuse(QStringLiteral("Stok Kartı Bulunamadı."));
    for (int i = 0; i < lines().count(); ++i) {
        if (lines().number(i, kStokNo) != stokNo)
            continue;
        if (!bosmu(lines().value(i, QStringLiteral("SIP_NO"))))
            return i; // a line taken from an order keeps its quantity
        setLine(i, kMiktar, lines().number(i, kMiktar) + 1);
        return i;
    }
    QVariantMap v = lineDefaults(kItems);
    const QVariantMap y = yeniStokSatiri(st);
    for (auto it = y.begin(); it != y.end(); ++it)
        v.insert(it.key(), it.value());
    v.insert(QStringLiteral("ISLEM_TIP"), QStringLiteral("U"));
    const int row = lines().append(v);
    fiyatlariCevir(kItems, row);
    iskontoBul(row);
    recompute();
    return row;
}

QList<int> TicariBelge::stoklarEkle(const QList<double>& stokNolari)
{
    QList<double> okunacak;
    for (double no : stokNolari)
        if (!m_stoklar.contains(no))
            okunacak << no;
    Params p;
    if (!okunacak.isEmpty())
        for (const QVariantMap& r : db().rowMaps(QStringLiteral("SELECT %1 FROM STOK WHERE STOK_NO IN (%2)")
                                                     .arg(stokKolonlari(), inList(okunacak, p)),
                                                 p))
            m_stoklar.insert(r.value(kStokNo).toDouble(), r);
    kurallar().ozelleriOku(headerText(QStringLiteral("CARIKOD")), stokNolari);
    QList<int> satirlar;
    m_hesapErtelendi = true;
    auto bitir = [this] {
        m_hesapErtelendi = false;
        m_kurallar->ozelleriBirak();
        recompute();
    };
    try {
        for (double no : stokNolari)
            satirlar << stokEkle(no);
    } catch (...) {
        bitir(); // the items added before the refusal keep their values
        throw;
    }
    bitir();
    return satirlar;
}

int TicariBelge::stokEkle(const QString& kodBarkodAd)
{
    const QString k = kodBarkodAd.trimmed();
    if (k.isEmpty())
        return -1;
    QVariant no = db().scalar(QStringLiteral("SELECT STOK_NO FROM STOK WHERE STOK_KOD_NO=:K"), {{QStringLiteral("K"), k}});
    if (!no.isValid())
        no = db().scalar(QStringLiteral("SELECT STOK_NO FROM STOK WHERE BARKOD=:K"), {{QStringLiteral("K"), k}});
    if (!no.isValid())
        no = db().scalar(QStringLiteral("SELECT MIN(STOK_NO) FROM STOK WHERE STOK_ADI_TR=:K"), {{QStringLiteral("K"), k}});
    if (!no.isValid() || no.isNull())
        return -1;
    return stokEkle(no.toDouble());
}

IskontoKurallari& TicariBelge::kurallar()
{
    if (!m_kurallar)
        m_kurallar = std::make_unique<IskontoKurallari>(db());
    return *m_kurallar;
}

void TicariBelge::iskontoBul(int row)
{
    const double stokNo = lines().number(row, kStokNo);
    if (stokNo <= 0)
        return;
    const std::optional<IskontoKosulu> k =
        kurallar().bul(headerText(QStringLiteral("CARIKOD")), toText(m_cari.value(QStringLiteral("ISKGRUP"))).trimmed(),
                        stokNo, toText(stok(stokNo).value(QStringLiteral("ISKGRUP"))).trimmed());
    if (!k)
        return;
    LineTable& l = lines();
    l.set(row, QStringLiteral("ODEKOS"), k->kodu);
    l.set(row, QStringLiteral("VADEFARKI"), k->vadeFarki);
    l.set(row, QStringLiteral("VADEGUN"), k->vadeGun);
    l.set(row, QStringLiteral("ISKONTO"), k->iskonto);
}

// The user types the price in the line's currency; the local, USD and EUR prices follow
// from the document's rates.
void TicariBelge::fiyatlariCevir(const QString& name, int row)
{
    LineTable& l = lines(name);
    QString doviz = l.text(row, kDoviz);
    if (doviz.isEmpty()) {
        doviz = m_yerel;
        l.set(row, kDoviz, doviz);
    }
    const double r = kur(doviz);
    l.set(row, QStringLiteral("TL_KURDEGER"), r);
    const double dvz = l.number(row, QStringLiteral("FYT_DOVIZ"));
    const double fiyat = doviz == m_yerel ? dvz : dvz * r;
    l.set(row, QStringLiteral("FIYAT"), fiyat);
    l.set(row, QStringLiteral("FYT_USD"), doviz == m_usd ? dvz : bol(fiyat, headerNumber(QStringLiteral("USDFYT"))));
    l.set(row, QStringLiteral("FYT_EUR"), doviz == m_eur ? dvz : bol(fiyat, headerNumber(QStringLiteral("EURFYT"))));
}

void TicariBelge::lineChanged(const QString& name, int row, const QString& column)
{
    LineTable& l = lines(name);
    if (column == QLatin1String("FIYAT")) {
        // A local price typed directly: the line's own currency price follows.
        const QString doviz = l.text(row, kDoviz);
        const double r = kur(doviz.isEmpty() ? m_yerel : doviz);
        l.set(row, QStringLiteral("FYT_DOVIZ"), bol(l.number(row, QStringLiteral("FIYAT")), r));
        fiyatlariCevir(name, row);
    } else if (column == QLatin1String("FYT_DOVIZ") || column == kDoviz) {
        fiyatlariCevir(name, row);
    }
    if (name != kItems)
        return;
    if (column == QLatin1String("STOK_KOD_NO")) {
        // A code typed into the grid: the item by code, barcode or name.
        const QString k = l.text(row, column);
        QVariant no = db().scalar(QStringLiteral("SELECT STOK_NO FROM STOK WHERE STOK_KOD_NO=:K"), {{QStringLiteral("K"), k}});
        if (!no.isValid())
            no = db().scalar(QStringLiteral("SELECT STOK_NO FROM STOK WHERE BARKOD=:K"), {{QStringLiteral("K"), k}});
        if (!no.isValid()) {
            CheckContext c(*this);
            c.refuse(QStringLiteral("Stok Kartı Bulunamadı."), column, row, kItems);
        }
        l.set(row, kStokNo, no.toDouble());
        lineChanged(name, row, kStokNo);
    } else if (column == kStokNo) {
        const QVariantMap st = stok(l.number(row, kStokNo));
        if (st.isEmpty())
            return;
        const QVariantMap y = yeniStokSatiri(st);
        for (auto it = y.begin(); it != y.end(); ++it)
            l.set(row, it.key(), it.value());
        fiyatlariCevir(name, row);
        iskontoBul(row);
    } else if (column == QLatin1String("BIRIM") && !birimGecerli(row)) {
        const QVariantMap y = yeniStokSatiri(stok(l.number(row, kStokNo)));
        l.set(row, QStringLiteral("BIRIM"), y.value(QStringLiteral("BIRIM")));
        recompute();
        CheckContext c(*this);
        c.refuse(QStringLiteral("Birimi, Lütfen Ürün İçin Tanımladığınız Birimlerden Birini Seçiniz."),
                 QStringLiteral("BIRIM"), row, kItems);
    } else if (column == kMiktar) {
        miktarSiniri(row);
    }
}

void TicariBelge::satirDegerleri(const QString& name, double yuzde, double yuzde1, double toplam[][Sayi])
{
    LineTable& l = lines(name);
    const bool kalem = name == kItems;
    QList<SatirOnbellegi>& onceki = m_girdiler[name];
    const bool ayniIskonto = yuzde == m_sonYuzde && yuzde1 == m_sonYuzde1;
    if (onceki.size() > l.count())
        onceki.resize(l.count());
    // Column names per currency, made once.
    struct Adlar {
        QString kdvliFyt, kdvsizFyt, kdvsizTut, kdvTut, kdvliTut, kiskon, yuzdIskon, musIskon, net, asilKdv, otv, brFyt;
    };
    static const auto adlar = [] {
        std::array<Adlar, 3> a;
        for (int c = 0; c < 3; ++c) {
            const QString ek = s(kEk[c]);
            a[c] = {QStringLiteral("KDVLIFYT") + ek,  QStringLiteral("KDVSIZFYT") + ek, QStringLiteral("KDVSIZTUT") + ek,
                    QStringLiteral("KDV_TUT") + ek,   QStringLiteral("KDVLI_TUT") + ek, QStringLiteral("KISKON") + ek,
                    QStringLiteral("YUZDISKON") + ek, QStringLiteral("MUSISKON") + ek,  QStringLiteral("NETKDVSIZTUT") + ek,
                    QStringLiteral("ASILKDV") + ek,   QStringLiteral("OTVTUT") + ek,    QStringLiteral("ISKONTOLUBRFYT") + ek};
        }
        return a;
    }();
    static const QString fiyatlar[3] = {s(kFiyat[0]), s(kFiyat[1]), s(kFiyat[2])};
    static const QString gerTut[3] = {QStringLiteral("GER_TUT"), QStringLiteral("GER_TUT_USD"), QStringLiteral("GER_TUT_EUR")};
    static const QString kKdv = QStringLiteral("KDV"), kVade = QStringLiteral("VADEFARKI"),
                         kIskonto = QStringLiteral("ISKONTO"), kDahil = QStringLiteral("KDV_DAHIL"),
                         kTopIsk = QStringLiteral("TOPISKTUT");
    auto topla = [&](const SatirDegerleri& d, int c) {
        double* t = toplam[c];
        t[Brut] += d.kdvsizTut;
        t[Kdv] += d.asilKdv;
        t[NetKdvsiz] += d.netKdvsizTut;
        t[Net] += d.netKdvsizTut + d.otvTut + d.asilKdv;
        t[Otv] += d.otvTut;
        if (kalem) {
            t[KalemIsk] += d.kiskon;
            t[Parca] += d.netKdvsizTut + d.otvTut + d.asilKdv;
        } else if (name == kIscilik) {
            t[Isci] += d.netKdvsizTut + d.asilKdv;
        } else {
            t[Masraf] += d.netKdvsizTut + d.asilKdv;
        }
    };
    for (int i = 0; i < l.count(); ++i) {
        if (ayniIskonto && m_baslikAyni && i < onceki.size() && onceki.at(i).nesil == l.generation(i)) {
            for (int c = 0; c < 3; ++c)
                topla(onceki.at(i).degerler[c], c);
            continue;
        }
        const QVariantMap& r = l.row(i);
        SatirOnbellegi yeni;
        QList<double>& girdi = yeni.girdi;
        girdi.reserve(13);
        girdi << r.value(fiyatlar[0]).toDouble() << r.value(fiyatlar[1]).toDouble() << r.value(fiyatlar[2]).toDouble()
              << r.value(kMiktar).toDouble() << r.value(kKdv).toDouble() << r.value(kVade).toDouble()
              << (kalem ? r.value(kIskonto).toDouble() : 0.0)
              << (toText(r.value(kDahil)).trimmed() == QLatin1String("D") ? 1.0 : 0.0) << r.value(gerTut[0]).toDouble()
              << r.value(gerTut[1]).toDouble() << r.value(gerTut[2]).toDouble();
        // The side's own inputs (a purchase's surcharge on the net, special tax) count too.
        SatirGirdisi yan;
        satirGirdisi(name, i, yan);
        girdi << yan.otv << (yan.netteVade ? 1.0 : 0.0);
        // A line whose inputs did not change keeps the values it has.
        const bool hesapla = !ayniIskonto || i >= onceki.size() || onceki.at(i).girdi != girdi;
        for (int c = 0; c < 3; ++c) {
            const Adlar& k = adlar[c];
            SatirDegerleri& d = yeni.degerler[c];
            if (hesapla) {
                SatirGirdisi g;
                g.fiyat = girdi[c];
                g.miktar = girdi[3];
                g.kdv = girdi[4];
                g.vadeFarki = girdi[5];
                g.iskonto = girdi[6];
                g.kdvDahil = girdi[7] != 0;
                g.netteVade = yan.netteVade;
                g.otv = yan.otv;
                d = satirHesapla(g, yuzde, yuzde1);
                l.set(i, k.kdvliFyt, d.kdvliFyt);
                l.set(i, k.kdvsizFyt, d.kdvsizFyt);
                l.set(i, k.kdvsizTut, d.kdvsizTut);
                l.set(i, k.kdvTut, d.kdvTut);
                l.set(i, k.kdvliTut, d.kdvliTut);
                l.set(i, k.kiskon, d.kiskon);
                l.set(i, k.yuzdIskon, d.yuzdIskon);
                l.set(i, k.musIskon, d.musIskon);
                l.set(i, k.net, d.netKdvsizTut);
                l.set(i, k.asilKdv, d.asilKdv);
                l.set(i, k.otv, d.otvTut);
                const double ger = girdi[8 + c];
                if (ger > 0 && g.miktar > 0)
                    l.set(i, k.brFyt, ger / g.miktar);
                if (c == 0)
                    l.set(i, kTopIsk, g.fiyat - ger);
            } else {
                d = onceki.at(i).degerler[c];
            }
            topla(d, c);
        }
        yeni.nesil = l.generation(i);
        if (i < onceki.size())
            onceki[i] = std::move(yeni);
        else
            onceki.append(std::move(yeni));
    }
}

void TicariBelge::recompute()
{
    if (m_hesapErtelendi)
        return;
    m_baslikAyni = headerVersion() == m_hesaplananBaslik;
    const double yuzde = headerNumber(QStringLiteral("YUZDE"));
    // The gross total does not depend on any discount: one pass gives it, and with it the
    // amount discount as a percent.
    double brut[3] = {0, 0, 0};
    const bool indirimVar = headerNumber(QStringLiteral("INDIRIM")) != 0 || headerNumber(QStringLiteral("INDIR_USD")) != 0
                            || headerNumber(QStringLiteral("INDIR_EUR")) != 0;
    for (const QString& t : {kItems, kIscilik, kMasraf}) {
        if (!indirimVar)
            break;
        const LineTable& l = lines(t);
        for (int i = 0; i < l.count(); ++i)
            for (int c = 0; c < 3; ++c) {
                SatirGirdisi g;
                g.fiyat = l.number(i, s(kFiyat[c]));
                g.miktar = l.number(i, kMiktar);
                g.kdv = l.number(i, QStringLiteral("KDV"));
                g.vadeFarki = l.number(i, QStringLiteral("VADEFARKI"));
                g.kdvDahil = l.text(i, QStringLiteral("KDV_DAHIL")) == QLatin1String("D");
                brut[c] += satirHesapla(g, 0, 0).kdvsizTut;
            }
    }
    double yuzde1 = 0;
    for (int c = 0; c < 3; ++c) {
        const double indirim = headerNumber(s(kToplam[c].indirim));
        if (indirim != 0 && brut[c] != 0) {
            yuzde1 = indirim / brut[c] * 100;
            break;
        }
    }
    putHeader(QStringLiteral("YUZDE1"), yuzde1);

    double toplam[3][Sayi] = {};
    for (const QString& t : {kItems, kIscilik, kMasraf})
        satirDegerleri(t, yuzde, yuzde1, toplam);
    m_sonYuzde = yuzde;
    m_sonYuzde1 = yuzde1;
    for (int c = 0; c < 3; ++c) {
        const ToplamKolonlari& k = kToplam[c];
        const double* t = toplam[c];
        putHeader(s(k.brut), t[Brut]);
        putHeader(s(k.kalemisk), t[KalemIsk]);
        putHeader(s(k.inrYuzd), (t[Brut] - t[KalemIsk]) * yuzde / 100);
        putHeader(s(k.kdv), t[Kdv]);
        putHeader(s(k.parca), t[Parca]);
        putHeader(s(k.isci), t[Isci]);
        putHeader(s(k.masraf), t[Masraf]);
        putHeader(s(k.otv), t[Otv]);
        double net = t[Net];
        if (c == 0) {
            const double fark = yuvarlamaFarki(net, m_yuvarlamaAdim, m_yuvarlamaMod);
            putHeader(QStringLiteral("YUVARLANAN"), fark);
            net += fark;
        }
        putHeader(s(k.net), net);
    }
    const double topIskon = headerNumber(QStringLiteral("INDIRIM")) + headerNumber(QStringLiteral("INR_YUZD"))
                            + headerNumber(QStringLiteral("KALEMISK"));
    putHeader(QStringLiteral("TOPISKON"), topIskon);
    putHeader(QStringLiteral("ARATOPTL"), headerNumber(QStringLiteral("BRUTTUT")) - topIskon);
    putHeader(QStringLiteral("OBAKIYE"), m_oncekiBakiye);
    // A sale debits the customer, a purchase credits the supplier.
    const double etki = faturaKismi() ? headerNumber(QStringLiteral("NETTUT")) : 0;
    putHeader(QStringLiteral("SBAKIYE"), m_oncekiBakiye + (m_taraf.cikis ? -etki : etki));
    m_hesaplananBaslik = headerVersion();
}

double TicariBelge::ortalamaVade() const
{
    double tutar = 0, agirlik = 0;
    for (int i = 0; i < lines().count(); ++i) {
        const double n = lines().number(i, QStringLiteral("NETKDVSIZTUT"));
        tutar += n;
        agirlik += n * lines().number(i, QStringLiteral("VADEGUN"));
    }
    return bol(agirlik, tutar);
}

QDate TicariBelge::hareketTarihi() const
{
    QDate d = toDate(header(kFatarih));
    if (!d.isValid())
        d = toDate(header(QStringLiteral("IRSTARIH")));
    return d.isValid() ? d : QDate::currentDate();
}

QVariantMap TicariBelge::depolanacak(QVariantMap values) const
{
    // Read first, changed after: a map without dates is not copied.
    QStringList gunler;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (it.value().typeId() == QMetaType::QDate)
            gunler << it.key();
    for (const QString& k : std::as_const(gunler))
        values.insert(k, QDateTime(values.value(k).toDate(), QTime(0, 0)));
    return values;
}

void TicariBelge::eskiSil(DocumentWriter& w, const QString& table, const QVariantMap& where)
{
    if (!isNew())
        w.remove(table, where);
}

void TicariBelge::yeniden(DocumentWriter& w, const QString& table, const QVariantMap& where, const QList<QVariantMap>& rows)
{
    eskiSil(w, table, where);
    w.insertRows(table, rows);
}

void TicariBelge::girdiDenetimi(CheckContext& c)
{
    m_kasa.reset(); // the desk as it is at this save
    const QStringList sayilar{kMiktar, QStringLiteral("FIYAT"), QStringLiteral("FYT_USD"), QStringLiteral("FYT_EUR"),
                              QStringLiteral("FYT_DOVIZ"), QStringLiteral("KDV"), QStringLiteral("ISKONTO"),
                              QStringLiteral("VADEFARKI"), QStringLiteral("TL_KURDEGER")};
    for (const QString& t : {kItems, kIscilik, kMasraf})
        for (int i = 0; i < lines(t).count(); ++i)
            for (const QString& k : sayilar) {
                const QVariant v = lines(t).value(i, k);
                if (v.isValid() && !v.isNull() && !std::isfinite(v.toDouble()))
                    c.refuse(QStringLiteral("%1.Satırda Geçersiz Sayı Var. Lütfen Düzeltin.").arg(i + 1), k, i, t);
            }
    for (const char* k : {"YUZDE", "INDIRIM", "INDIR_USD", "INDIR_EUR", "TL_KURDEGER", "USDFYT", "EURFYT"})
        if (!std::isfinite(headerNumber(s(k))))
            c.refuse(QStringLiteral("Geçersiz Sayı Var. Lütfen Düzeltin."), s(k));
    // Customer and items as they are now: another workstation may have changed or deleted them.
    cariyiOku();
    const QString kod = headerText(QStringLiteral("CARIKOD"));
    if (!kod.isEmpty() && cari().isEmpty())
        c.refuse(kod + QStringLiteral(" Kodlu Cari Bulunamadı. Başka Bir Kullanıcı Silmiş Olabilir."),
                 QStringLiteral("CARIKOD"));
    stoklariYenile();
    for (int i = 0; i < lines().count(); ++i) {
        if (lines().number(i, kMiktar) < 0)
            c.refuse(QStringLiteral("%1.Satırda Miktar Eksi Olamaz.").arg(i + 1), kMiktar, i, kItems);
        if (stok(lines().number(i, kStokNo)).isEmpty())
            c.refuse(QStringLiteral("%1.Satırdaki Ürün Bulunamadı. Başka Bir Kullanıcı Silmiş Olabilir.").arg(i + 1),
                     kStokNo, i, kItems);
        if (!birimGecerli(i))
            c.refuse(QStringLiteral("Birimi, Lütfen Ürün İçin Tanımladığınız Birimlerden Birini Seçiniz."),
                     QStringLiteral("BIRIM"), i, kItems);
    }
}

// The units of every item of the document in one read; an item no longer there leaves the cache.
void TicariBelge::stoklariYenile()
{
    QList<double> stoklar;
    for (int i = 0; i < lines().count(); ++i)
        stoklar << lines().number(i, kStokNo);
    if (stoklar.isEmpty())
        return;
    Params p;
    QHash<double, QVariantMap> simdi;
    for (const QVariantMap& r : db().rowMaps(QStringLiteral("SELECT STOK_NO, BIRIM1, BIRIM2, BIRIM3, B_KATSAYI2, "
                                                            "B_KATSAYI3 FROM STOK WHERE STOK_NO IN (%1)")
                                                 .arg(inList(stoklar, p)),
                                             p))
        simdi.insert(r.value(kStokNo).toDouble(), r);
    for (auto it = m_stoklar.begin(); it != m_stoklar.end();) {
        const auto r = simdi.constFind(it.key());
        if (r == simdi.constEnd()) {
            it = m_stoklar.erase(it);
            continue;
        }
        for (auto c = r->begin(); c != r->end(); ++c)
            it->insert(c.key(), c.value());
        ++it;
    }
}

void TicariBelge::saklananTutarlar()
{
    for (const QString& t : {kItems, kIscilik, kMasraf}) {
        LineTable& l = lines(t);
        for (int i = 0; i < l.count(); ++i)
            for (int c = 0; c < 3; ++c) {
                const QString ek = s(kEk[c]);
                if (l.number(i, kMiktar) > 0)
                    l.set(i, QStringLiteral("GER_TUT") + ek, l.number(i, QStringLiteral("NETKDVSIZTUT") + ek));
                const double kalem = t == kItems ? l.number(i, QStringLiteral("KISKON") + ek) : 0;
                l.set(i, QStringLiteral("ISK_TUT") + ek,
                      kalem + l.number(i, QStringLiteral("YUZDISKON") + ek) + l.number(i, QStringLiteral("MUSISKON") + ek));
            }
    }
}

void TicariBelge::duzeltmeKaydi()
{
    auto log = [this](const QVariantMap& r, const QString& metin) {
        KullanciNeYapti(db(), m_taraf.islemBolumu, key(), r.value(kSira), tip(), r.value(QStringLiteral("STOK_ADI")),
                        header(QStringLiteral("CARIKOD")), r.value(kMiktar), r.value(QStringLiteral("FYT_DOVIZ")),
                        r.value(kDoviz), header(QStringLiteral("FAT_NO")), r.value(QStringLiteral("GER_TUT")),
                        r.value(kStokNo), r.value(QStringLiteral("STOK_KOD_NO")), metin);
    };
    for (const QVariantMap& r : lines().removedForLog())
        log(r, QStringLiteral("Düzeltmede Silindi."));
    for (const QVariantMap& r : lines().addedForLog())
        log(r, QStringLiteral("Düzeltmede Eklendi."));
}

void TicariBelge::yazBaslik(DocumentWriter& w)
{
    if (isNew()) {
        w.insert(m_taraf.baslik, depolanacak(headerModel().values()));
        return;
    }
    // The voucher number belongs to the ledger: a posting made after the document was opened
    // (its own after-save step included) must survive the next save.
    QVariantMap v = depolanacak(headerModel().values());
    v.remove(QStringLiteral("FIS_NO"));
    w.upsert(m_taraf.baslik, {m_taraf.anahtar}, v);
}

double TicariBelge::muhasebeFisi() const
{
    if (isNew())
        return 0;
    return db().scalar(QStringLiteral("SELECT FIS_NO FROM %1 WHERE %2 = :N").arg(m_taraf.baslik, m_taraf.anahtar),
                       {{QStringLiteral("N"), key()}})
        .toDouble();
}

void TicariBelge::yazSatirlar(DocumentWriter& w)
{
    QList<QVariantMap> rows;
    for (int i = 0; i < lines().count(); ++i) {
        QVariantMap r = depolanacak(lines().row(i));
        r.insert(m_taraf.anahtar, key());
        rows << r;
    }
    yeniden(w, m_taraf.satirlar, {{m_taraf.anahtar, key()}}, rows);
    const QList<std::pair<QString, QString>> hizmet{{kIscilik, m_taraf.iscilikTablosu},
                                                    {kMasraf, m_taraf.masrafTablosu}};
    for (const auto& [ad, tablo] : hizmet) {
        QList<QVariantMap> h;
        for (int i = 0; i < lines(ad).count(); ++i) {
            QVariantMap r = depolanacak(lines(ad).row(i));
            r.insert(QStringLiteral("BELGE_NO"), key());
            r.insert(QStringLiteral("BELGE_TIP"), m_taraf.yazan);
            h << r;
        }
        yeniden(w, tablo, {{QStringLiteral("BELGE_NO"), key()}, {QStringLiteral("BELGE_TIP"), m_taraf.yazan}}, h);
    }
}

void TicariBelge::yazStokHareketleri(DocumentWriter& w)
{
    const QDate gun = hareketTarihi();
    QList<StokHareketi> hareketler;
    for (int i = 0; i < lines().count(); ++i) {
        const LineTable& l = lines();
        StokHareketi h;
        h.siraNo = l.value(i, kSira).toInt();
        h.stokNo = l.number(i, kStokNo);
        h.depoKodu = l.value(i, QStringLiteral("DEPO_KODU")).toInt();
        h.miktar = l.number(i, kMiktar) * birimKatsayisi(i);
        if (h.miktar > 0) {
            const double net[3] = {l.number(i, QStringLiteral("NETKDVSIZTUT")), l.number(i, QStringLiteral("NETKDVSIZTUT_USD")),
                                   l.number(i, QStringLiteral("NETKDVSIZTUT_EUR"))};
            for (int c = 0; c < 3; ++c)
                h.fiyat[c] = net[c] / h.miktar;
        }
        h.kdv = l.number(i, QStringLiteral("KDV"));
        hareketler << h;
    }
    StokHareketBelgesi b;
    b.belgeNo = key().toDouble();
    b.tip = m_taraf.yazan;
    b.belgeTipi = tip();
    b.cariKod = headerText(QStringLiteral("CARIKOD"));
    b.tarih = gun;
    b.cikis = m_taraf.cikis;
    b.eskiler = !isNew();
    stokHareketleriniYaz(w, b, hareketler);
}

} // namespace nimbo

namespace nimbo {

// A return cannot take back more than is left of the line it refers to, nor an invoice
// collect more of a dispatch line than has not been invoiced yet.
void TicariBelge::miktarSiniri(int row)
{
    LineTable& l = lines();
    auto bubelgede = [&](const QString& refKolon, const QString& siraKolon, double ref, int sira) {
        double m = 0;
        for (int i = 0; i < l.count(); ++i)
            if (i != row && l.number(i, refKolon) == ref && l.value(i, siraKolon).toInt() == sira)
                m += l.number(i, QStringLiteral("MIKTAR"));
        return m;
    };
    auto kalan = [&](const QString& kaynak, const QString& kaynakAnahtar, const QString& refKolon,
                     const QString& siraKolon) -> double {
        const double ref = l.number(row, refKolon);
        if (ref <= 0 || !db().tableExists(kaynak))
            return -1;
        const int sira = l.value(row, siraKolon).toInt();
        const Params p{{QStringLiteral("N"), ref}, {QStringLiteral("S"), sira}, {QStringLiteral("B"), key().toDouble()}};
        const double asil =
            db().scalar(QStringLiteral("SELECT MIKTAR FROM %1 WHERE %2=:N AND SIRANO=:S").arg(kaynak, kaynakAnahtar),
                        {{QStringLiteral("N"), ref}, {QStringLiteral("S"), sira}})
                .toDouble();
        const double baska = db().scalar(QStringLiteral("SELECT SUM(MIKTAR) FROM %1 WHERE %2=:N AND %3=:S AND %4<>:B")
                                             .arg(m_taraf.satirlar, refKolon, siraKolon, m_taraf.anahtar),
                                         p)
                                 .toDouble();
        return qMax(0.0, asil - baska - bubelgede(refKolon, siraKolon, ref, sira));
    };
    double sinir = kalan(m_taraf.iadeSatirlari, m_taraf.iadeAnahtar, QStringLiteral("IADE_REFNO"),
                         QStringLiteral("IADE_SIRA"));
    const double irs = kalan(m_taraf.satirlar, m_taraf.anahtar, QStringLiteral("IRS_REFNO"), QStringLiteral("IRS_SIRA"));
    if (irs >= 0 && (sinir < 0 || irs < sinir))
        sinir = irs;
    if (sinir >= 0 && l.number(row, QStringLiteral("MIKTAR")) > sinir)
        l.set(row, QStringLiteral("MIKTAR"), sinir);
}

} // namespace nimbo
