#include "stock/StokFisi.h"
#include "db/DocumentWriter.h"
#include "model/CorrectionLog.h"
#include "db/SqlValues.h"
#include "model/LedgerHook.h"
#include "services/ExchangeRates.h"
#include "services/KullaniciIslemKaydi.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"
#include "stock/IthalatSevkBaglantisi.h"
#include "stock/MaliyetFiyati.h"
#include "stock/SeriTakip.h"
#include "stock/StokArama.h"
#include "stock/StokFisHaklari.h"
#include "stock/StokFisTipi.h"
#include "stock/StokFisiYazici.h"

#include <QDateTime>
#include <QSet>
#include <QSqlRecord>

namespace nimbo {

namespace {

const QString kNo = QStringLiteral("HRKNO");
const QString kSira = QStringLiteral("SIRANO");
const QString kTarih = QStringLiteral("TARIH");
const QString kDoviz = QStringLiteral("DOVIZ_KODU");
const QString kKur = QStringLiteral("TL_KURDEGER");
const QString kDepo = QStringLiteral("DEPO_KODU");
const QString kStok = QStringLiteral("STOK_NO");
const QString kMiktar = QStringLiteral("MIKTAR");
const QString kBirim = QStringLiteral("BIRIM");
const QString kSeriSoru = QStringLiteral("Silinmek istenen stoğa ait Seri No bilgileri var.Kaydın silinmesi durumunda "
                                         "seri no bilgileri de silinecektir.Kayıt Silinsin mi?");

// Header totals and the line amounts they add up, in local currency, USD and EUR.
const QString kBrut[3] = {QStringLiteral("BRUTTUT"), QStringLiteral("BRUT_USD"), QStringLiteral("BRUT_EUR")};
const QString kKdvTut[3] = {QStringLiteral("KDVTUT"), QStringLiteral("KDV_USD"), QStringLiteral("KDV_EUR")};
const QString kNet[3] = {QStringLiteral("NETTUT"), QStringLiteral("NET_USD"), QStringLiteral("NET_EUR")};
const QString kGerTut[3] = {QStringLiteral("GER_TUT"), QStringLiteral("GER_TUT_USD"), QStringLiteral("GER_TUT_EUR")};
const QString kFiyat[3] = {QStringLiteral("FIYAT"), QStringLiteral("FYT_USD"), QStringLiteral("FYT_EUR")};

QString depoAdi(const Db& db, int depoKodu)
{
    const QString ad =
        toText(db.scalar(QStringLiteral("SELECT DEPO_ADI FROM DEPO WHERE DEPO_KODU = :D"), {{"D", depoKodu}})).trimmed();
    return ad.isEmpty() ? QString::number(depoKodu) : ad;
}

bool seriTablosu(const Db& db) { return db.tableExists(QStringLiteral("SERIHRK")); }

} // namespace

StokFisi::StokFisi(const Db& db, const QString& tip) : DatedDocument(db, QStringLiteral("FISTK"), {kNo}, kTarih)
{
    addLineTable(kItems);
    m_yerel = SessionContext::current().param.YERELDOVIZ.trimmed();
    if (m_yerel.isEmpty())
        m_yerel = QStringLiteral("TL");
    m_yeniTip = tip.isEmpty() ? QStringLiteral("D") : tip;
    newDocument();
}

bool StokFisi::transfer() const { return StokFisTipi::transfer(tip()); }

double StokFisi::hareketMiktari(const QVariantMap& s)
{
    const QString birim = toText(s.value(kBirim)).trimmed();
    const double miktar = s.value(kMiktar).toDouble();
    if (birim.isEmpty() || birim == toText(s.value(QStringLiteral("BIRIM1"))).trimmed())
        return miktar;
    if (birim == toText(s.value(QStringLiteral("BIRIM2"))).trimmed())
        return miktar * s.value(QStringLiteral("B_KATSAYI2")).toDouble();
    if (birim == toText(s.value(QStringLiteral("BIRIM3"))).trimmed())
        return miktar * s.value(QStringLiteral("B_KATSAYI3")).toDouble();
    return -1;
}

double StokFisi::birimDeger(const QVariantMap& s, const QString& tutarKolonu)
{
    const double q = hareketMiktari(s);
    return q > 0 ? s.value(tutarKolonu).toDouble() / q : 0;
}

void StokFisi::defaults()
{
    const SessionContext& s = SessionContext::current();
    putHeader(QStringLiteral("TIP"), m_yeniTip);
    putHeader(kTarih, QDate::currentDate());
    putHeader(QStringLiteral("KULLANICI"), s.KullaniciAdi);
    putHeader(QStringLiteral("CARIKOD"), kCari);
    putHeader(QStringLiteral("PERSON_KOD"),
              toText(db().scalar(QStringLiteral("SELECT PERSON_KOD FROM KIMKUL WHERE KULLANICI = :K"),
                                 {{"K", s.KullaniciAdi}}))
                  .trimmed());
    putHeader(QStringLiteral("HRKDURUM"), transfer() ? QStringLiteral("E") : QString());
    redate();
    m_yuklenenStoklar.clear();
}

void StokFisi::headerRedated()
{
    putHeader(QStringLiteral("USDFYT"), KurBulDeger(QStringLiteral("USD"), 2, documentDate()));
    putHeader(QStringLiteral("EURFYT"), KurBulDeger(QStringLiteral("EUR"), 2, documentDate()));
}

// A line in another foreign currency takes that currency's rate of the day.
void StokFisi::lineRedated(int row)
{
    const QString k = lines().text(row, kDoviz);
    if (!k.isEmpty() && k != m_yerel && k != QLatin1String("USD") && k != QLatin1String("EUR"))
        lines().set(row, kKur, KurBulDeger(k, 2, documentDate()));
}

void StokFisi::load(const QVariant& key)
{
    const auto h = db().records(QStringLiteral("SELECT * FROM FISTK WHERE HRKNO = :H"), {{"H", key}});
    if (h.isEmpty())
        throw UserError(QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor."));
    QVariantMap header = rowMap(h.first());
    header.insert(kTarih, toDate(header.value(kTarih)));
    for (const char* c : {"TIP", "HRKDURUM", "PERSON_KOD", "CARIKOD", "KULLANICI", "OZELKOD"})
        header.insert(QLatin1String(c), toText(header.value(QLatin1String(c))).trimmed());
    loadHeader(header);
    QList<QVariantMap> rows;
    m_yuklenenStoklar.clear();
    for (const QSqlRecord& r : db().records(
             QStringLiteral("SELECT L.*, S.BIRIM1, S.BIRIM2, S.BIRIM3, S.B_KATSAYI2, S.B_KATSAYI3 FROM FISTKAYR L "
                            "LEFT OUTER JOIN STOK S ON (S.STOK_NO = L.STOK_NO) WHERE L.HRKNO = :H ORDER BY L.SIRANO"),
             {{"H", key}})) {
        QVariantMap m = rowMap(r);
        for (const char* c : {"BIRIM", "BIRIM1", "BIRIM2", "BIRIM3", "DOVIZ_KODU", "KDV_DAHIL", "STOK_KOD_NO", "STOK_ADI"})
            m.insert(QLatin1String(c), toText(m.value(QLatin1String(c))).trimmed());
        m_yuklenenStoklar << m.value(kStok).toDouble();
        rows << m;
    }
    lines().load(rows);
}

void StokFisi::allocateNumber() { putHeader(kNo, YeniKayitNo(db(), QStringLiteral("NEWSATIS"))); }

QVariantMap StokFisi::lineDefaults(const QString&)
{
    int sira = 0;
    for (int i = 0; i < lines().count(); ++i)
        sira = qMax(sira, lines().value(i, kSira).toInt());
    for (const QVariantMap& d : lines().deletedRows())
        sira = qMax(sira, d.value(kSira).toInt());
    return {{kSira, sira + 1},
            {kMiktar, 1.0},
            {QStringLiteral("KDV_DAHIL"), QStringLiteral("H")},
            {kDoviz, QString()},
            {kKur, 1.0},
            {kDepo, transfer() ? header(QStringLiteral("GIRDEPO")).toInt() : m_varsayilanDepo}};
}

void StokFisi::stokBilgisi(int row)
{
    const auto rs = db().records(QStringLiteral("SELECT STOK_KOD_NO, STOK_ADI_TR, BIRIM1, BIRIM2, BIRIM3, B_KATSAYI2, "
                                                "B_KATSAYI3, KDV, MALIYET_FYT_TL, ALIS_FYT_TL FROM STOK "
                                                "WHERE STOK_NO = :S"),
                                 {{"S", lines().value(row, kStok)}});
    if (rs.isEmpty())
        return;
    const QSqlRecord& r = rs.first();
    LineTable& l = lines();
    l.set(row, QStringLiteral("STOK_KOD_NO"), toText(r.value(0)).trimmed());
    l.set(row, QStringLiteral("STOK_ADI"), toText(r.value(1)).trimmed().left(60));
    for (int i = 0; i < 3; ++i)
        l.set(row, QStringLiteral("BIRIM%1").arg(i + 1), toText(r.value(2 + i)).trimmed());
    l.set(row, QStringLiteral("B_KATSAYI2"), r.value(5).toDouble());
    l.set(row, QStringLiteral("B_KATSAYI3"), r.value(6).toDouble());
    l.set(row, QStringLiteral("KDV"), r.value(7).toDouble());
    l.set(row, kBirim, toText(r.value(2)).trimmed());
    const double maliyet = r.value(8).toDouble();
    l.set(row, QStringLiteral("FYT_DOVIZ"), maliyet > 0 ? maliyet : r.value(9).toDouble());
    l.set(row, kDoviz, QString());
}

int StokFisi::satirEkle(double stokNo, double miktar, int depoKodu)
{
    const int depo = transfer() ? header(QStringLiteral("GIRDEPO")).toInt() : depoKodu != 0 ? depoKodu : m_varsayilanDepo;
    if (SessionContext::current().param.ayarlar.SFISURUN == QLatin1String("E"))
        for (int i = 0; i < lines().count(); ++i)
            if (lines().number(i, kStok) == stokNo && lines().value(i, kDepo).toInt() == depo
                && lines().text(i, kBirim) == lines().text(i, QStringLiteral("BIRIM1"))) {
                setLine(i, kMiktar, lines().number(i, kMiktar) + miktar);
                return i;
            }
    const int row = addLine();
    lines().set(row, kStok, stokNo);
    stokBilgisi(row);
    lines().set(row, kMiktar, miktar);
    lines().set(row, kDepo, depo);
    recompute();
    return row;
}

int StokFisi::satirEkleAranan(const QString& text, double miktar, int depoKodu)
{
    const StokArama::Sonuc bulunan = StokArama::bul(db(), text);
    if (bulunan.nasil == StokArama::Bulunan::Yok)
        throw UserError(QStringLiteral("Stok Kodu Bulunamadı."));
    const int row = satirEkle(bulunan.stokNo, miktar, depoKodu);
    const bool cikar = StokFisTipi::cikis(tip()) || transfer();
    if (bulunan.nasil == StokArama::Bulunan::Barkod && cikar
        && StokArama::kritikAltina(db(), bulunan.stokNo, hareketMiktari(row)))
        Prompter::instance().warn(QStringLiteral("Stok Miktarı Kritik Seviyenin Altına Düşecek"));
    return row;
}

void StokFisi::headerChanged(const QString& column)
{
    if (column == QLatin1String("TIP") && isNew()) {
        putHeader(QStringLiteral("HRKDURUM"), transfer() ? QStringLiteral("E") : QString());
    } else if (column == QLatin1String("GIRDEPO") && transfer()) {
        for (int i = 0; i < lines().count(); ++i)
            lines().set(i, kDepo, header(QStringLiteral("GIRDEPO")).toInt());
    } else {
        DatedDocument::headerChanged(column);
    }
}

void StokFisi::lineChanged(const QString&, int row, const QString& column)
{
    if (column == kStok) {
        stokBilgisi(row);
    } else if (column == QLatin1String("STOK_KOD_NO")) {
        // A code typed into the grid: the item it names (nothing when it names none).
        const StokArama::Sonuc s = StokArama::bul(db(), lines().text(row, column));
        if (s.nasil != StokArama::Bulunan::Yok) {
            lines().set(row, kStok, s.stokNo);
            stokBilgisi(row);
        }
    } else if (column == kBirim) {
        // A unit typed in any case is the item's own unit as it is written on the card.
        const QString typed = lines().text(row, kBirim);
        for (const char* b : {"BIRIM1", "BIRIM2", "BIRIM3"}) {
            const QString own = lines().text(row, QLatin1String(b));
            if (!own.isEmpty() && own.compare(typed, Qt::CaseInsensitive) == 0)
                lines().set(row, kBirim, own);
        }
    } else if (column == kDoviz) {
        lineRedated(row);
    }
}

void StokFisi::recompute()
{
    double brut[3] = {0, 0, 0}, kdv[3] = {0, 0, 0};
    const double usd = header(QStringLiteral("USDFYT")).toDouble() > 0 ? header(QStringLiteral("USDFYT")).toDouble() : 1;
    const double eur = header(QStringLiteral("EURFYT")).toDouble() > 0 ? header(QStringLiteral("EURFYT")).toDouble() : 1;
    LineTable& l = lines();
    for (int i = 0; i < l.count(); ++i) {
        // Unit prices in the three currencies from the price in the line's currency.
        const QString k = l.text(i, kDoviz);
        const bool yerel = k.isEmpty() || k == m_yerel;
        double kur = l.number(i, kKur);
        if (yerel)
            kur = 1;
        else if (k == QLatin1String("USD"))
            kur = usd;
        else if (k == QLatin1String("EUR"))
            kur = eur;
        else if (kur <= 0)
            kur = 1;
        const double dvz = l.number(i, QStringLiteral("FYT_DOVIZ"));
        const double tl = yerel ? dvz : dvz * kur;
        const double fiyat[3] = {tl, k == QLatin1String("USD") ? dvz : tl / usd, k == QLatin1String("EUR") ? dvz : tl / eur};
        l.set(i, kKur, kur);
        const double miktar = l.number(i, kMiktar);
        const double oran = l.number(i, QStringLiteral("KDV"));
        const bool dahil = l.text(i, QStringLiteral("KDV_DAHIL")) == QLatin1String("D");
        for (int p = 0; p < 3; ++p) {
            // A slip has no discounts: the amount net of VAT is quantity times price.
            const double tutar = dahil ? miktar * fiyat[p] * 100 / (oran + 100) : miktar * fiyat[p];
            l.set(i, kFiyat[p], fiyat[p]);
            l.set(i, kGerTut[p], miktar > 0 ? tutar : 0.0);
            brut[p] += tutar;
            kdv[p] += tutar * oran / 100;
        }
    }
    for (int p = 0; p < 3; ++p) {
        putHeader(kBrut[p], brut[p]);
        putHeader(kKdvTut[p], kdv[p]);
        putHeader(kNet[p], brut[p] + kdv[p]);
    }
}

QList<SaveCheck> StokFisi::checks()
{
    QList<SaveCheck> c;
    c << dateLockCheck();
    c << SaveCheck{QStringLiteral("transfer depoları"), [this](CheckContext& x) {
              if (!transfer())
                  return;
              const int cik = header(QStringLiteral("CIKDEPO")).toInt();
              const int gir = header(QStringLiteral("GIRDEPO")).toInt();
              if (cik == 0 || gir == 0 || cik == gir)
                  x.refuse(QStringLiteral("Lütfen Stokların Çıktığı/Girdiği Depoları Aynı Seçmeyin ve Boş Bırakmayın"),
                           cik == 0 || cik == gir ? QStringLiteral("CIKDEPO") : QStringLiteral("GIRDEPO"));
              const StokFisHaklari haklar(SessionContext::current());
              for (const QString& kolon : {QStringLiteral("CIKDEPO"), QStringLiteral("GIRDEPO")})
                  if (!haklar.depo(header(kolon).toInt()))
                      x.refuse(depoAdi(db(), header(kolon).toInt()) + QStringLiteral(" için Hakkınız Yok."), kolon);
              const bool yeniT = headerText(QStringLiteral("HRKDURUM")) == QLatin1String("T")
                                 && toText(headerModel().loaded().value(QStringLiteral("HRKDURUM"))).trimmed()
                                        != QLatin1String("T");
              if (yeniT && !haklar.transferEdildi())
                  x.refuse(QStringLiteral("Yetki Sınırlaması Transfer Edildi Seçimi Yapma Yetkiniz Yok!"),
                           QStringLiteral("HRKDURUM"));
          }};
    c << SaveCheck{QStringLiteral("sorumlu"), [this](CheckContext& x) {
              if (headerText(QStringLiteral("PERSON_KOD")).isEmpty())
                  x.refuse(QStringLiteral("Lütfen İşlem Sorumlusunu Boş Bırakmayın"), QStringLiteral("PERSON_KOD"));
          }};
    c << SaveCheck{QStringLiteral("boş fiş"), [this](CheckContext& x) {
              if (lines().isEmpty())
                  x.refuse(QStringLiteral("Boş Fiş Saklanmaz."));
          }};
    c << SaveCheck{QStringLiteral("satırlar"), [this](CheckContext& x) {
              const StokFisHaklari haklar(SessionContext::current());
              for (int i = 0; i < lines().count(); ++i) {
                  if (lines().number(i, kStok) <= 0)
                      x.refuse(QStringLiteral("Stok Kodu Bulunamadı."), QStringLiteral("STOK_KOD_NO"), i, kItems);
                  if (hareketMiktari(i) < 0)
                      x.refuse(QStringLiteral("Birimi, Lütfen Ürün İçin Tanımladığınız Birimlerden Birini Seçiniz."),
                               kBirim, i, kItems);
                  if (transfer())
                      continue;
                  const int depo = lines().value(i, kDepo).toInt();
                  if (depo == 0)
                      x.refuse(QStringLiteral("Depo seçiniz!"), kDepo, i, kItems);
                  if (!haklar.depo(depo))
                      x.refuse(depoAdi(db(), depo) + QStringLiteral(" için Hakkınız Yok."), kDepo, i, kItems);
              }
          }};
    return c;
}

void StokFisi::duzeltmeKaydi()
{
    const QString tipAdi = StokFisTipi::ad(tip());
    logCorrections(lines(), [&](const QVariantMap& r, const QString& metin) {
        KullanciNeYapti(db(), QStringLiteral("Stok Fişi"), key(), r.value(kSira), tip(), tipAdi,
                        headerText(QStringLiteral("CARIKOD")), r.value(kMiktar), r.value(QStringLiteral("FYT_DOVIZ")),
                        r.value(kDoviz), QString::number(hrkNo(), 'f', 0), r.value(QStringLiteral("GER_TUT")),
                        r.value(kStok), r.value(QStringLiteral("STOK_KOD_NO")), metin);
    });
}

void StokFisi::write(DocumentWriter& w)
{
    if (!isNew())
        duzeltmeKaydi();
    putHeader(QStringLiteral("KULLANICI"), SessionContext::current().KullaniciAdi);
    if (headerText(QStringLiteral("CARIKOD")).isEmpty())
        putHeader(QStringLiteral("CARIKOD"), kCari);
    QVariantMap h = headerModel().values();
    h.insert(kTarih, dayStart());
    for (const char* d : {"CIKDEPO", "GIRDEPO"})
        if (h.value(QLatin1String(d)).toInt() == 0)
            h.insert(QLatin1String(d), QVariant());
    w.upsert(QStringLiteral("FISTK"), {kNo}, h);

    QList<QVariantMap> satirlar;
    for (QVariantMap s : lines().rows()) {
        s.insert(kNo, key());
        if (s.value(kDepo).toInt() == 0)
            s.insert(kDepo, QVariant());
        satirlar << s;
    }
    w.replace(QStringLiteral("FISTKAYR"), {{kNo, key()}}, satirlar);

    StokFisiYazici y(w);
    y.hareketleriSil(hrkNo(), tip());
    const QString eskiTip = toText(headerModel().loaded().value(QStringLiteral("TIP"))).trimmed();
    if (!isNew() && !eskiTip.isEmpty() && eskiTip != tip())
        y.hareketleriSil(hrkNo(), eskiTip);
    y.hareketleriYaz(h, satirlar);

    // Serial rows of lines taken off the slip go with them.
    if (seriTablosu(db()))
        for (const QVariantMap& d : lines().deletedRows())
            w.remove(QStringLiteral("SERIHRK"), {{QStringLiteral("SATISNO"), key()}, {QStringLiteral("TIP"), tip()},
                                                 {kSira, d.value(kSira)}});

    y.maliyetleriSil(hrkNo());
    y.maliyetleriYaz(h, satirlar);
    QSet<double> stoklar(m_yuklenenStoklar.cbegin(), m_yuklenenStoklar.cend());
    for (const QVariantMap& s : satirlar)
        stoklar.insert(s.value(kStok).toDouble());
    for (double s : stoklar)
        MaliyetFiyati::guncelle(db(), s);

    IthalatSevkBaglantisi::fisKaydedildi(db(), hrkNo(), satirlar);
    if (seriTablosu(db()))
        // The serial rows of a line stand in the warehouse its movement went to.
        db().exec(QStringLiteral("UPDATE SERIHRK SET DEPO_KODU = (SELECT MAX(H.DEPO_KODU) FROM STOKHRK H WHERE "
                                 "H.SATISNO = SERIHRK.SATISNO AND H.TIP = SERIHRK.TIP AND H.SIRANO = SERIHRK.SIRANO "
                                 "AND H.CARIKOD = :C) WHERE SATISNO = :N AND TIP = :T"),
                  {{"C", kCari}, {"N", key()}, {"T", tip()}});
}

bool StokFisi::seriNolarUymuyor() const
{
    if (!seriTablosu(db()))
        return false;
    // Per movement row of a tracked item: its serial rows must number its quantity.
    const bool giris = !StokFisTipi::cikis(tip());
    const auto rows = db().records(
        QStringLiteral("SELECT SUM(H.GIRMIK), SUM(H.CIKMIK), "
                       "(SELECT COUNT(*) FROM SERIHRK R WHERE R.SATISNO = H.SATISNO AND R.TIP = H.TIP "
                       " AND R.SIRANO = H.SIRANO AND R.STOK_NO = H.STOK_NO) "
                       "FROM STOKHRK H INNER JOIN STOK S ON (S.STOK_NO = H.STOK_NO) "
                       "WHERE H.SATISNO = :N AND H.TIP = :T AND H.CARIKOD = :C AND S.SERITAKIP = 'E' "
                       "GROUP BY H.SATISNO, H.TIP, H.SIRANO, H.STOK_NO"),
        {{"N", key()}, {"T", tip()}, {"C", kCari}});
    for (const QSqlRecord& r : rows) {
        // A transfer's line moves its quantity once out and once in: its serials count once.
        const double beklenen = transfer() ? r.value(0).toDouble() : giris ? r.value(0).toDouble() : r.value(1).toDouble();
        if (r.value(2).toDouble() != beklenen)
            return true;
    }
    return false;
}

QList<AfterCommitStep> StokFisi::afterCommit()
{
    m_yuklenenStoklar.clear();
    for (int i = 0; i < lines().count(); ++i)
        m_yuklenenStoklar << lines().number(i, kStok);
    QList<AfterCommitStep> steps;
    // The ledger writes no voucher for a stock slip; the question is still the user's.
    if (auto s = LedgerHook::step(db(), {QStringLiteral("FISTK"), tip(), hrkNo()}, QStringLiteral("S")))
        steps << *s;
    else
        steps << AfterCommitStep{AfterCommitStep::Kind::Ledger, QStringLiteral("Muhasebe Kaydı Yapılsın mı?"), {}};
    if (seriNolarUymuyor())
        steps << AfterCommitStep{AfterCommitStep::Kind::Serial, {}, [] {
                                     Prompter::instance().warn(QStringLiteral(
                                         "Eksik veya Falza Yazılmış  Seri Nolar Var. Lütfen Düzeltmeyi Unutmayınız."));
                                 }};
    return steps;
}

void StokFisi::lineRemovalChecks(CheckContext& c, const QString&, int row)
{
    if (isNew() || lines().state(row) == LineTable::State::Added || !seriTablosu(db()))
        return;
    if (db().any(QStringLiteral("SELECT 1 FROM SERIHRK WHERE SATISNO = :N AND TIP = :T AND SIRANO = :S"),
                 {{"N", key()}, {"T", tip()}, {"S", lines().value(row, kSira)}}))
        c.ask(kSeriSoru);
}

QList<SaveCheck> StokFisi::deleteChecks()
{
    QList<SaveCheck> c;
    c << SaveCheck{QStringLiteral("muhasebe"), [this](CheckContext& x) {
              const QVariant fis = header(QStringLiteral("FIS_NO"));
              if (!fis.isNull() && fis.toDouble() != 0)
                  x.refuse(QStringLiteral("Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez."));
          }};
    c << SaveCheck{QStringLiteral("hak"), [this](CheckContext& x) {
              const QString engel = StokFisHaklari(SessionContext::current()).silmeEngeli(tip());
              if (!engel.isEmpty())
                  x.refuse(engel);
          }};
    c << SaveCheck{QStringLiteral("onay"), [this](CheckContext& x) {
              x.ask(QStringLiteral("Kayıt Silnsin mi?"));
              if (seriTablosu(db())
                  && db().any(QStringLiteral("SELECT 1 FROM SERIHRK WHERE SATISNO = :N AND TIP = :T"),
                              {{"N", key()}, {"T", tip()}}))
                  x.ask(QStringLiteral("Silinmek istenen alışa ait Seri No bilgileri var.Kaydın silinmesi durumunda "
                                       "seri no bilgileri de silinecektir.Kayıt Silinsin mi?"));
          }};
    return c;
}

void StokFisi::erase(DocumentWriter& w)
{
    const QVariantMap belge{{QStringLiteral("SATISNO"), key()}, {QStringLiteral("TIP"), tip()}};
    if (seriTablosu(db()))
        w.remove(QStringLiteral("SERIHRK"), belge);
    SeriTakip::alisiGeriAl(db(), key().toDouble(), kCari);
    StokFisiYazici y(w);
    y.hareketleriSil(hrkNo(), tip());
    // Its cost rows go with it, so the items' averages no longer count them.
    y.maliyetleriSil(hrkNo());
    for (double s : QSet<double>(m_yuklenenStoklar.cbegin(), m_yuklenenStoklar.cend()))
        MaliyetFiyati::guncelle(db(), s);
    IthalatSevkBaglantisi::fisSilindi(db(), hrkNo());
    w.remove(QStringLiteral("FISTKAYR"), {{kNo, key()}});
    db().exec(QStringLiteral("DELETE FROM FISTK WHERE HRKNO=:hrkNosu"), {{"hrkNosu", key()}});
}

} // namespace nimbo
