#include "finance/FinansBelgesi.h"
#include "accounts/CariKapamaKontrol.h"
#include "db/DocumentWriter.h"
#include "db/RecordWriter.h"
#include "db/SqlValues.h"
#include "finance/CekSenetDurumu.h"
#include "finance/FinansIslemTuru.h"
#include "model/CorrectionLog.h"
#include "model/DocumentError.h"
#include "services/ExchangeRates.h"
#include "services/FinansHareketi.h"
#include "services/KullaniciIslemKaydi.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"

namespace nimbo {

namespace {

const QString kNo = QStringLiteral("FIN_ID");
const QString kSira = QStringLiteral("SIRA_NO");
const QString kTarih = QStringLiteral("ISLEM_TRH");
const QString kKod = QStringLiteral("KODU");
const QString kKod2 = QStringLiteral("KODU2");
const QString kAdi = QStringLiteral("ADI");
const QString kDoviz = QStringLiteral("DOVIZ_KODU");
const QString kKur = QStringLiteral("DVZ_KUR");
const QString kCek = QStringLiteral("CEK_NO");
const QString kEksik = QStringLiteral("Eksik Bilgi Var Kayıt Yapamazsınız...");

double bol(double a, double b) { return b == 0 ? 0 : a / b; }

QString sahipOf(const QVariantMap& kart)
{
    const QString s = toText(kart.value(QStringLiteral("SAHIP"))).trimmed();
    return s.isEmpty() ? CekSenetDurumu::kMusteri : s;
}

} // namespace

FinansBelgesi::FinansBelgesi(const Db& db, const QString& tip, const QString& tip2, double hrkNo)
    : DatedDocument(db, QStringLiteral("FINMAST"), {kNo}, kTarih, QStringLiteral("TARIH")), m_tip(tip), m_tip2(tip2), m_hrkNo(hrkNo)
{
    addLineTable(kItems);
    m_yerel = toText(db.scalar(QStringLiteral("SELECT YERELDOVIZ FROM PARAMETRE"))).trimmed();
    if (m_yerel.isEmpty())
        m_yerel = QStringLiteral("TL");
    m_kur = [db](const QString& d, const QDate& t) { return KurBulDeger(db, d, 2, t); };
    newDocument();
}

QString FinansBelgesi::baslik() const { return FinansIslemTuru::etiket(m_tip, m_tip2); }

QString FinansBelgesi::kodAdi(const QString& tur, const QString& kod) const
{
    if (kod.isEmpty())
        return {};
    const Params p{{QStringLiteral("K"), kod}};
    auto ad = [&](const char* sql) { return toText(db().scalar(QLatin1String(sql), p)).trimmed(); };
    if (tur == QLatin1String("K"))
        return ad("SELECT ADI FROM KASA WHERE KASAKOD=:K");
    if (tur == QLatin1String("B"))
        return ad("SELECT BANKA_ADI FROM BANKA WHERE BANKA_KOD=:K");
    const QString cari = ad("SELECT FIRMA_ADI FROM CARI WHERE CARI_KOD=:K");
    if (tur == QLatin1String("E") && cari.isEmpty())
        return ad("SELECT BANKA_ADI FROM BANKA WHERE BANKA_KOD=:K");
    return cari;
}

QString FinansBelgesi::kodDovizi(const QString& tur, const QString& kod, const QString& kod2) const
{
    if (tur == QLatin1String("K"))
        return toText(db().scalar(QStringLiteral("SELECT DOVIZ_KOD FROM KASA WHERE KASAKOD=:K"),
                                  {{QStringLiteral("K"), kod}}))
            .trimmed();
    if (tur == QLatin1String("B") && !kod2.isEmpty())
        return toText(db().scalar(QStringLiteral("SELECT DOVIZ_KODU FROM BANKAYR WHERE BANKA_KOD=:K AND HESAP_NO=:H"),
                                  {{QStringLiteral("K"), kod}, {QStringLiteral("H"), kod2}}))
            .trimmed();
    return {};
}

QVariant FinansBelgesi::hrkNo() const
{
    const double h = headerNumber(QStringLiteral("HRK_NO"));
    return h > 0 ? QVariant(h) : key();
}

void FinansBelgesi::defaults()
{
    putHeader(QStringLiteral("ISLEM_TIP"), m_tip);
    putHeader(QStringLiteral("ISLEM_TIP2"), m_tip2);
    putHeader(kTarih, QDate::currentDate());
    putHeader(kDoviz, m_yerel);
    putHeader(kKur, 1.0);
    putHeader(QStringLiteral("BA_DOVIZ"), m_yerel);
    putHeader(QStringLiteral("BA_KUR"), 1.0);
    if (m_hrkNo > 0)
        putHeader(QStringLiteral("HRK_NO"), m_hrkNo);
}

void FinansBelgesi::load(const QVariant& key)
{
    QVariantMap h = readRow(db(), QStringLiteral("SELECT * FROM FINMAST WHERE FIN_ID=:N"), {{QStringLiteral("N"), key}});
    if (h.isEmpty())
        throw UserError(QStringLiteral("Hareket Kaydı Bulunamadı."));
    h.insert(kTarih, toDate(h.value(kTarih)));
    loadHeader(h);
    m_tip = toText(h.value(QStringLiteral("ISLEM_TIP"))).trimmed();
    m_tip2 = toText(h.value(QStringLiteral("ISLEM_TIP2"))).trimmed();
    m_hrkNo = h.value(QStringLiteral("HRK_NO")).toDouble();
    QList<QVariantMap> rows;
    for (const QSqlRecord& r : db().records(QStringLiteral("SELECT * FROM FINDET WHERE FIN_ID=:N ORDER BY SIRA_NO"),
                                            {{QStringLiteral("N"), key}})) {
        QVariantMap m = rowMap(r);
        m.insert(kTutar, m.value(QStringLiteral("BORC_DVZ")).toDouble() + m.value(QStringLiteral("ALACAK_DVZ")).toDouble());
        rows << m;
    }
    lines().load(rows);
}

void FinansBelgesi::allocateNumber() { putHeader(kNo, YeniKayitNo(db(), QStringLiteral("NEWFINHRK"))); }

QVariantMap FinansBelgesi::lineDefaults(const QString&)
{
    int sira = 0;
    for (int i = 0; i < lines().count(); ++i)
        sira = qMax(sira, lines().value(i, kSira).toInt());
    for (const QVariantMap& d : lines().deletedRows())
        sira = qMax(sira, d.value(kSira).toInt());
    const auto tur = FinansIslemTuru::satirTuru(m_tip, m_tip2);
    QVariantMap v{{kNo, key()},
                  {kSira, sira + 1},
                  {QStringLiteral("TIP"), tur.first},
                  {QStringLiteral("TIP2"), tur.second},
                  {QStringLiteral("TIP3"), header(QStringLiteral("ISLEM_TIP3"))},
                  {kDoviz, header(kDoviz)},
                  {QStringLiteral("HRK_NO"), header(QStringLiteral("HRK_NO"))},
                  {QStringLiteral("TARIH"), documentDate()}};
    if (m_tip == QLatin1String("E")) {
        // A paper received is a customer's cheque unless the line says otherwise.
        if (m_tip2 == QLatin1String("0") && v.value(QStringLiteral("TIP3")).toString().isEmpty())
            v.insert(QStringLiteral("TIP3"), CekSenetDurumu::kCek);
        v.insert(QStringLiteral("CS_DURUM"), CekSenetDurumu::yeniDurum(m_tip2, CekSenetDurumu::kMusteri));
    }
    return v;
}

void FinansBelgesi::headerChanged(const QString& column)
{
    if (column == kKod) {
        putHeader(kAdi, kodAdi(m_tip, headerText(kKod)).left(70));
        const QString d = kodDovizi(m_tip, headerText(kKod), headerText(kKod2));
        putHeader(QStringLiteral("BA_DOVIZ"), d.isEmpty() ? m_yerel : d);
        putHeader(QStringLiteral("BA_KUR"), QVariant());
    } else if (column == kKod2) {
        const QString d = kodDovizi(m_tip, headerText(kKod), headerText(kKod2));
        if (!d.isEmpty())
            putHeader(QStringLiteral("BA_DOVIZ"), d);
        putHeader(QStringLiteral("BA_KUR"), QVariant());
    } else {
        DatedDocument::headerChanged(column);
    }
}

// Another date: every rate is that day's again.
void FinansBelgesi::headerRedated() { putHeader(QStringLiteral("BA_KUR"), QVariant()); }

void FinansBelgesi::lineRedated(int row)
{
    lines().set(row, kKur, QVariant());
    satirKuru(row);
}

void FinansBelgesi::lineChanged(const QString&, int row, const QString& column)
{
    LineTable& l = lines();
    const QString tur = l.text(row, QStringLiteral("TIP"));
    if (column == kCek) {
        cekSecildi(row);
    } else if (column == kKod || column == kKod2) {
        if (tur != QLatin1String("E"))
            l.set(row, kAdi, kodAdi(tur, l.text(row, kKod)).left(70));
        const QString d = kodDovizi(tur, l.text(row, kKod), l.text(row, kKod2));
        if (!d.isEmpty() && d != l.text(row, kDoviz)) {
            l.set(row, kDoviz, d);
            l.set(row, kKur, QVariant());
        }
        l.set(row, QStringLiteral("BA_DOVIZ"), d.isEmpty() ? l.value(row, kDoviz) : QVariant(d));
        l.set(row, QStringLiteral("BA_KUR"), QVariant());
    } else if (column == kDoviz || column == kTutar) {
        // A new currency or amount takes the rate of the day again.
        l.set(row, kKur, QVariant());
        if (column == kDoviz && kodDovizi(tur, l.text(row, kKod), l.text(row, kKod2)).isEmpty()) {
            l.set(row, QStringLiteral("BA_DOVIZ"), l.value(row, kDoviz));
            l.set(row, QStringLiteral("BA_KUR"), QVariant());
        }
    }
    satirKuru(row);
}

// A paper chosen for a line brings its serial number, debtor, due date and amount, and the
// status this operation gives it.
void FinansBelgesi::cekSecildi(int row)
{
    LineTable& l = lines();
    const QVariantMap k = readRow(db(), QStringLiteral("SELECT * FROM CSKART WHERE PORTFOYNO=:P"),
                                  {{QStringLiteral("P"), l.value(row, kCek)}});
    if (k.isEmpty())
        return;
    l.set(row, kKod, toText(k.value(QStringLiteral("SERI_NO"))).trimmed());
    l.set(row, kAdi, toText(k.value(QStringLiteral("BORCLUSU"))).trimmed().left(70));
    l.set(row, QStringLiteral("TIP3"), toText(k.value(QStringLiteral("CS_TIP"))).trimmed());
    l.set(row, QStringLiteral("VADE_TRH"), toDate(k.value(QStringLiteral("VADETARIH"))));
    const QString d = toText(k.value(QStringLiteral("DOVIZ_KOD"))).trimmed();
    l.set(row, kDoviz, d.isEmpty() ? m_yerel : d);
    l.set(row, QStringLiteral("BA_DOVIZ"), l.value(row, kDoviz));
    l.set(row, kKur, QVariant());
    l.set(row, QStringLiteral("BA_KUR"), QVariant());
    const double tutar = k.value(QStringLiteral("TUTAR_DOVIZ")).toDouble();
    l.set(row, kTutar, tutar > 0 ? tutar : k.value(QStringLiteral("TUTAR")).toDouble());
    l.set(row, QStringLiteral("CS_DURUM"), CekSenetDurumu::yeniDurum(m_tip2, sahipOf(k)));
}

void FinansBelgesi::satirKuru(int row)
{
    LineTable& l = lines();
    const QString doviz = l.text(row, kDoviz);
    if (doviz.isEmpty())
        return;
    if (doviz == m_yerel)
        l.set(row, kKur, 1.0);
    else if (l.number(row, kKur) <= 0)
        l.set(row, kKur, m_kur(doviz, documentDate()));
}

void FinansBelgesi::recompute()
{
    double borc = 0, alacak = 0, borcDvz = 0, alacakDvz = 0;
    QString dovizler;
    for (int i = 0; i < lines().count(); ++i) {
        LineTable& l = lines();
        const bool borcta = FinansIslemTuru::borcTarafi(l.text(i, QStringLiteral("TIP")), l.text(i, QStringLiteral("TIP2")));
        const double dvz = l.number(i, kTutar);
        const double kur = l.text(i, kDoviz) == m_yerel ? 1.0 : l.number(i, kKur);
        l.set(i, QStringLiteral("BORC_DVZ"), borcta ? dvz : 0.0);
        l.set(i, QStringLiteral("ALACAK_DVZ"), borcta ? 0.0 : dvz);
        l.set(i, QStringLiteral("BORC"), borcta ? dvz * kur : 0.0);
        l.set(i, QStringLiteral("ALACAK"), borcta ? 0.0 : dvz * kur);
        l.set(i, QStringLiteral("BORCTL"), l.value(i, QStringLiteral("BORC")));
        l.set(i, QStringLiteral("ALACAKTL"), l.value(i, QStringLiteral("ALACAK")));
        // The master line takes the other side.
        borc += l.number(i, QStringLiteral("ALACAK"));
        alacak += l.number(i, QStringLiteral("BORC"));
        borcDvz += l.number(i, QStringLiteral("ALACAK_DVZ"));
        alacakDvz += l.number(i, QStringLiteral("BORC_DVZ"));
        if (!dovizler.contains(l.text(i, kDoviz)))
            dovizler += l.text(i, kDoviz) + QLatin1Char(' ');
    }
    putHeader(QStringLiteral("BORC"), borc);
    putHeader(QStringLiteral("ALACAK"), alacak);
    // Currency totals mean something only while the lines share one currency.
    const QString dvz = dovizler.trimmed();
    if (!dvz.isEmpty() && !dvz.contains(QLatin1Char(' '))) {
        putHeader(kDoviz, dvz);
        putHeader(kKur, dvz == m_yerel ? 1.0 : (lines().isEmpty() ? 1.0 : lines().number(0, kKur)));
        putHeader(QStringLiteral("DVZ_BORC"), borcDvz);
        putHeader(QStringLiteral("DVZ_ALACAK"), alacakDvz);
    } else {
        putHeader(QStringLiteral("DVZ_BORC"), borc);
        putHeader(QStringLiteral("DVZ_ALACAK"), alacak);
        if (!dvz.isEmpty()) {
            putHeader(kDoviz, m_yerel);
            putHeader(kKur, 1.0);
        }
    }
}

bool FinansBelgesi::sonradanIslemGormus(double cekNo, const QDateTime& tarih) const
{
    return db().any(QStringLiteral("SELECT FIN_ID,TARIH,CEK_NO FROM FINDET WHERE CEK_NO=:cekno AND (TARIH>=:tarih) "
                                   "and (FIN_ID>:bordno)"),
                    {{QStringLiteral("cekno"), cekNo}, {QStringLiteral("tarih"), tarih}, {QStringLiteral("bordno"), key()}});
}

void FinansBelgesi::satirKontrol(CheckContext& x, int i)
{
    const LineTable& l = lines();
    const QString tur = l.text(i, QStringLiteral("TIP"));
    if (tur == QLatin1String("E") && m_tip2 != QLatin1String("0")) {
        // Every other paper operation moves an existing card that is in a status it accepts; a
        // line already stored with the same paper gave it its present status itself.
        const double cek = l.number(i, kCek);
        const QVariantMap k = readRow(db(), QStringLiteral("SELECT SON_DURUMU, SAHIP FROM CSKART WHERE PORTFOYNO=:P"),
                                      {{QStringLiteral("P"), cek}});
        if (cek <= 0 || k.isEmpty())
            x.refuse(QStringLiteral("Çek/Senet Seçilmelidir !"), kCek, i, kItems);
        const bool kayitli = l.state(i) != LineTable::State::Added && l.loadedRow(i).value(kCek).toDouble() == cek;
        if (!kayitli
            && !CekSenetDurumu::uygun(m_tip2, toText(k.value(QStringLiteral("SON_DURUMU"))).trimmed(), sahipOf(k)))
            x.refuse(QStringLiteral("Çek/Senet bu işlem için uygun durumda değil: ")
                         + CekSenetDurumu::etiket(toText(k.value(QStringLiteral("SON_DURUMU"))).trimmed(),
                                                  l.text(i, QStringLiteral("TIP3")), sahipOf(k)),
                     kCek, i, kItems);
    }
    if (l.text(i, kKod).isEmpty())
        x.refuse(kEksik, kKod, i, kItems);
    if (l.text(i, kDoviz).isEmpty())
        x.refuse(QStringLiteral("Lütfen Döviz Kodunu Seçiniz."), kDoviz, i, kItems);
    const QString kodDoviz = kodDovizi(tur, l.text(i, kKod), l.text(i, kKod2));
    if (!kodDoviz.isEmpty() && kodDoviz != l.text(i, kDoviz))
        x.refuse(QStringLiteral("Döviz Tipi Uyumsuz  !"), kDoviz, i, kItems);
    if (l.number(i, kTutar) <= 0)
        x.refuse(QStringLiteral("Tutar Girilmeden Hareket Kaydı Yapılamaz"), kTutar, i, kItems);
    if (l.number(i, kKur) <= 0)
        x.refuse(QStringLiteral("Kur Değeri Sıfır Olamaz"), kKur, i, kItems);
    if (tur == QLatin1String("K") && !db().any(QStringLiteral("SELECT 1 FROM KASA WHERE KASAKOD=:K AND KASAKOD<>'PK'"),
                                               {{QStringLiteral("K"), l.text(i, kKod)}}))
        x.refuse(QStringLiteral("Kasa Kodu Seçilmelidir !"), kKod, i, kItems);
    if (tur == QLatin1String("C")
        && !db().any(QStringLiteral("SELECT 1 FROM CARI WHERE CARI_KOD=:K"), {{QStringLiteral("K"), l.text(i, kKod)}}))
        x.refuse(QStringLiteral("Lütfen Geçerli Cari Kod Seçin"), kKod, i, kItems);
}

QList<SaveCheck> FinansBelgesi::checks()
{
    QList<SaveCheck> c;
    c << SaveCheck{QStringLiteral("tür"), [this](CheckContext& x) {
              if (!FinansIslemTuru::gecerli(m_tip, m_tip2))
                  x.refuse(QStringLiteral("İşlem Tipi Seçilmelidir !"));
          }};
    c << SaveCheck{QStringLiteral("eksik bilgi"), [this](CheckContext& x) {
              if (headerText(kKod).isEmpty())
                  x.refuse(kEksik, kKod);
              if (lines().isEmpty())
                  x.refuse(kEksik);
          }};
    c << dateLockCheck();
    c << lineCheck([this](CheckContext& x, int i) { satirKontrol(x, i); });
    c << SaveCheck{QStringLiteral("sonraki işlem"), [this](CheckContext& x) {
              if (isNew())
                  return;
              // A paper a later document moved ties this one down.
              QList<QVariantMap> eski = lines().deletedRows();
              for (int i = 0; i < lines().count(); ++i)
                  if (lines().state(i) != LineTable::State::Added)
                      eski << lines().loadedRow(i);
              for (const QVariantMap& r : eski)
                  if (r.value(kCek).toDouble() > 0
                      && sonradanIslemGormus(r.value(kCek).toDouble(), toDateTime(r.value(QStringLiteral("TARIH")))))
                      x.refuse(QStringLiteral("Sonradan İşlem Görmüş Hareketleri var. Değiştirilemez."));
          }};
    // Papers received get their portfolio numbers before the save's transaction opens.
    c << SaveCheck{QStringLiteral("portföy numarası"), [this](CheckContext&) {
              if (m_tip != QLatin1String("E") || m_tip2 != QLatin1String("0"))
                  return;
              for (int i = 0; i < lines().count(); ++i)
                  if (lines().number(i, kCek) <= 0)
                      lines().set(i, kCek, YeniKayitNo(db(), QStringLiteral("NEWCSNO")));
          }};
    return c;
}

void FinansBelgesi::duzeltmeKaydi()
{
    logCorrections(lines(), [this](const QVariantMap& r, const QString& metin) {
        const QString s = loggedSide(r);
        KullanciNeYapti(db(), QStringLiteral("FINMAST"), key(), r.value(kSira), m_tip + m_tip2, r.value(kAdi),
                        r.value(kKod), {}, r.value(s + QStringLiteral("_DVZ")), r.value(kDoviz), {}, r.value(s), {}, {},
                        metin);
    });
}

// The status of the paper as the finance line before this document left it; a customer's
// cheque that came in with this document and is still in the portfolio goes.
void FinansBelgesi::oncekiDurumaDon(double cekNo)
{
    const Params p{{QStringLiteral("cekno"), cekNo}};
    const QVariant giris = db().scalar(QStringLiteral("SELECT TARIH FROM CSKART WHERE PORTFOYNO=:cekno"), p);
    const QDateTime tarih = giris.isNull() ? QDateTime(QDate(1900, 1, 1), QTime(0, 0)) : toDateTime(giris);
    const auto onceki = db().records(
        db().dialect().limit(QStringLiteral("SELECT FIN_ID,TARIH,CEK_NO,CS_DURUM FROM FINDET WHERE CEK_NO=:cekno AND "
                                            "(TARIH>=:tarih) AND (FIN_ID<:bordno) ORDER BY FIN_ID desc,TARIH DESC"),
                             1),
        {{QStringLiteral("cekno"), cekNo}, {QStringLiteral("tarih"), tarih}, {QStringLiteral("bordno"), key()}});
    if (!onceki.isEmpty()) {
        db().exec(QStringLiteral("UPDATE CSKART SET SON_DURUMU=:sondurum WHERE PORTFOYNO=:cekno"),
                  {{QStringLiteral("sondurum"), onceki.first().value(3)}, {QStringLiteral("cekno"), cekNo}});
        return;
    }
    db().exec(QStringLiteral("DELETE FROM CSKART WHERE CS_TIP=:cs AND SAHIP='M' AND SON_DURUMU='P' AND PORTFOYNO=:CEK_NO"),
              {{QStringLiteral("cs"), CekSenetDurumu::kCek}, {QStringLiteral("CEK_NO"), cekNo}});
}

// Removes the rows this document derived: its FINHRK rows and the account movements an
// older form of it wrote (matched ones stay).
void FinansBelgesi::silTuretilmis(DocumentWriter& w)
{
    w.remove(QStringLiteral("FINHRK"), {{kNo, key()}, {QStringLiteral("BELGE_TIP"), kBelgeTip}});
    const Params p{{QStringLiteral("N"), key()}, {QStringLiteral("T"), m_tip}};
    for (const QSqlRecord& r : db().records(QStringLiteral("SELECT CARI_NO, SIRANO FROM CARIHRK WHERE REF_NO=:N AND "
                                                           "CRHRK_TUR=:T"),
                                            p)) {
        if (CariKapamaKontrol::hareketEslesmis(db(), r.value(0).toDouble(), r.value(1).toInt(), m_tip))
            continue;
        db().exec(QStringLiteral("DELETE FROM CARIHRK WHERE CARI_NO=:C AND SIRANO=:S"),
                  {{QStringLiteral("C"), r.value(0)}, {QStringLiteral("S"), r.value(1)}});
    }
}

void FinansBelgesi::write(DocumentWriter& w)
{
    if (!isNew()) {
        duzeltmeKaydi();
        // Papers of lines taken out go back to where they were.
        for (const QVariantMap& d : lines().deletedRows())
            if (d.value(kCek).toDouble() > 0)
                oncekiDurumaDon(d.value(kCek).toDouble());
    }
    silTuretilmis(w);
    const QDateTime gun = dayStart();
    for (int i = 0; i < lines().count(); ++i) {
        LineTable& l = lines();
        l.set(i, kNo, key());
        l.set(i, QStringLiteral("TARIH"), gun);
        l.set(i, QStringLiteral("HRK_NO"), header(QStringLiteral("HRK_NO")));
        if (l.text(i, kDoviz) == m_yerel || l.number(i, kKur) <= 0)
            satirKuru(i);
        if (l.text(i, QStringLiteral("BA_DOVIZ")).isEmpty())
            l.set(i, QStringLiteral("BA_DOVIZ"), l.value(i, kDoviz));
        if (l.number(i, QStringLiteral("BA_KUR")) <= 0) {
            const QString ba = l.text(i, QStringLiteral("BA_DOVIZ"));
            l.set(i, QStringLiteral("BA_KUR"), ba == m_yerel ? 1.0 : m_kur(ba, documentDate()));
        }
        const double baKur = l.number(i, QStringLiteral("BA_KUR"));
        l.set(i, QStringLiteral("BA_BORC"), bol(l.number(i, QStringLiteral("BORC")), baKur));
        l.set(i, QStringLiteral("BA_ALACAK"), bol(l.number(i, QStringLiteral("ALACAK")), baKur));
        const QDate vade = toDate(l.value(i, QStringLiteral("VADE_TRH")));
        l.set(i, QStringLiteral("VADE_TRH"), QDateTime(vade.isValid() ? vade : documentDate(), QTime(0, 0)));
    }
    recompute();
    QVariantMap h = headerModel().values();
    h.insert(kNo, key());
    h.insert(kTarih, gun);
    h.insert(QStringLiteral("ISLEM_TIP"), m_tip);
    h.insert(QStringLiteral("ISLEM_TIP2"), m_tip2);
    const QString ba = headerText(QStringLiteral("BA_DOVIZ")).isEmpty() ? m_yerel : headerText(QStringLiteral("BA_DOVIZ"));
    double baKur = headerNumber(QStringLiteral("BA_KUR"));
    if (baKur <= 0 || ba == m_yerel)
        baKur = ba == m_yerel ? 1.0 : m_kur(ba, documentDate());
    h.insert(QStringLiteral("BA_DOVIZ"), ba);
    h.insert(QStringLiteral("BA_KUR"), baKur);
    h.insert(QStringLiteral("BA_BORC"), bol(headerNumber(QStringLiteral("BORC")), baKur));
    h.insert(QStringLiteral("BA_ALACAK"), bol(headerNumber(QStringLiteral("ALACAK")), baKur));
    if (lines().count() == 1 && m_tip == QLatin1String("E"))
        h.insert(kCek, lines().value(0, kCek));
    const QString kullanici = SessionContext::current().KullaniciAdi.left(30);
    if (isNew()) {
        h.insert(QStringLiteral("INS_DATE"), QDateTime::currentDateTime());
        h.insert(QStringLiteral("INS_USER"), kullanici);
    } else {
        h.insert(QStringLiteral("UPD_DATE"), QDateTime::currentDateTime());
        h.insert(QStringLiteral("UPD_USER"), kullanici);
    }
    for (const QString& c : h.keys())
        putHeader(c, h.value(c));
    w.upsert(QStringLiteral("FINMAST"), {kNo}, h);
    w.replace(QStringLiteral("FINDET"), {{kNo, key()}}, lines().rows());
    yazKartlar(w);
    yazFinansSatirlari(w);
}

// The clerk is told that the transaction is stored, once it is committed.
QList<AfterCommitStep> FinansBelgesi::afterCommit()
{
    return {{AfterCommitStep::Kind::Other, {}, [] { Prompter::instance().info(QStringLiteral("Kayıt saklandı.")); }}};
}

// Every paper of the document takes its account, amount and new status; a paper received
// is a new card in the portfolio.
void FinansBelgesi::yazKartlar(DocumentWriter& w)
{
    if (m_tip != QLatin1String("E"))
        return;
    const QString hesap = headerText(kKod);
    for (int i = 0; i < lines().count(); ++i) {
        const LineTable& l = lines();
        const double cek = l.number(i, kCek);
        if (cek <= 0)
            continue;
        const bool alacak = l.number(i, QStringLiteral("ALACAK")) > 0;
        const double tutarDvz = alacak ? l.number(i, QStringLiteral("ALACAK_DVZ")) : l.number(i, QStringLiteral("BORC_DVZ"));
        const double tutar = alacak ? l.number(i, QStringLiteral("ALACAK")) : l.number(i, QStringLiteral("BORC"));
        const Params p{{QStringLiteral("P"), cek}};
        if (m_tip2 == QLatin1String("0") && !db().any(QStringLiteral("SELECT 1 FROM CSKART WHERE PORTFOYNO=:P"), p)) {
            const QString tip3 = l.text(i, QStringLiteral("TIP3"));
            w.insert(QStringLiteral("CSKART"),
                     {{QStringLiteral("PORTFOYNO"), cek},
                      {QStringLiteral("CS_TIP"), tip3 == CekSenetDurumu::kSenet ? tip3 : CekSenetDurumu::kCek},
                      {QStringLiteral("SAHIP"), CekSenetDurumu::kMusteri},
                      {QStringLiteral("SON_DURUMU"), QStringLiteral("P")},
                      {QStringLiteral("CARIKOD"), hesap},
                      {QStringLiteral("SERI_NO"), l.value(i, kKod)},
                      {QStringLiteral("BORCLUSU"), l.text(i, kAdi).left(36)},
                      {QStringLiteral("TANZIMTARIH"), dayStart()},
                      {QStringLiteral("TARIH"), dayStart()},
                      {QStringLiteral("VADETARIH"), l.value(i, QStringLiteral("VADE_TRH"))},
                      {QStringLiteral("TUTAR"), tutar},
                      {QStringLiteral("TUTAR_DOVIZ"), tutarDvz},
                      {QStringLiteral("DOVIZ_KOD"), l.value(i, kDoviz)},
                      {QStringLiteral("TL_KURDEGER"), l.value(i, kKur)},
                      {QStringLiteral("PARA_BAZ"), QStringLiteral("D")},
                      {QStringLiteral("ACILIS_TRH"), QDateTime::currentDateTime()}});
            continue;
        }
        db().exec(QStringLiteral("UPDATE CSKART SET CARIKOD=:C, TUTAR_DOVIZ=:TD, TUTAR=:T, SON_DURUMU=:D "
                                 "WHERE PORTFOYNO=:P"),
                  {{QStringLiteral("C"), hesap},
                   {QStringLiteral("TD"), tutarDvz},
                   {QStringLiteral("T"), tutar},
                   {QStringLiteral("D"), l.value(i, QStringLiteral("CS_DURUM"))},
                   {QStringLiteral("P"), cek}});
    }
}

void FinansBelgesi::yazFinansSatirlari(DocumentWriter& w)
{
    const SessionContext& s = SessionContext::current();
    const QString personel = (s.PersonelAdi.isEmpty() ? s.KullaniciAdi : s.PersonelAdi).left(11);
    FinansHareketi m;
    m.BELGE_TIP = kBelgeTip;
    m.FIN_ID = key();
    m.SIRA_NO = -1;
    m.ISLEM_TIP = m_tip;
    m.ISLEM_TIP2 = m_tip2;
    m.ISLEM_TIP3 = headerText(QStringLiteral("ISLEM_TIP3"));
    m.KODU = headerText(kKod);
    m.KODU2 = headerText(kKod2);
    m.CARIKOD = m_tip == QLatin1String("C") ? m.KODU : QString();
    m.CEK_NO = header(kCek);
    m.ACIKLAMA = headerText(QStringLiteral("ACIKLAMA"));
    m.BORC = headerNumber(QStringLiteral("BORC"));
    m.ALACAK = headerNumber(QStringLiteral("ALACAK"));
    m.BORC_DVZ = headerNumber(QStringLiteral("DVZ_BORC"));
    m.ALACAK_DVZ = headerNumber(QStringLiteral("DVZ_ALACAK"));
    m.DOVIZ_KODU = headerText(kDoviz);
    m.DVZ_KUR = headerNumber(kKur);
    m.ADI = headerText(kAdi);
    m.TARIH = dayStart();
    m.VADE_TRH = m.TARIH;
    m.PERSON_KOD = personel;
    m.HRK_NO = hrkNo();
    m.BA_DOVIZ = headerText(QStringLiteral("BA_DOVIZ"));
    m.BA_KUR = headerNumber(QStringLiteral("BA_KUR"));
    m.BA_BORC = headerNumber(QStringLiteral("BA_BORC"));
    m.BA_ALACAK = headerNumber(QStringLiteral("BA_ALACAK"));
    w.insertFinhrk(finansHareketiParams(m));

    const bool portfoy = FinansIslemTuru::portfoyHareketi(m_tip, m_tip2);
    for (int i = 0; i < lines().count(); ++i) {
        const QVariantMap& l = lines().row(i);
        FinansHareketi f = m;
        f.SIRA_NO = l.value(kSira);
        f.ISLEM_TIP = toText(l.value(QStringLiteral("TIP"))).trimmed();
        f.ISLEM_TIP2 = toText(l.value(QStringLiteral("TIP2"))).trimmed();
        f.ISLEM_TIP3 = toText(l.value(QStringLiteral("TIP3"))).trimmed();
        f.KODU = toText(l.value(kKod)).trimmed();
        f.KODU2 = toText(l.value(kKod2)).trimmed();
        f.CARIKOD = f.ISLEM_TIP == QLatin1String("C") ? f.KODU : QString();
        f.CEK_NO = l.value(kCek);
        f.ACIKLAMA = toText(l.value(QStringLiteral("ACIKLAMA")));
        f.BORC = l.value(QStringLiteral("BORC")).toDouble();
        f.ALACAK = l.value(QStringLiteral("ALACAK")).toDouble();
        f.BORC_DVZ = l.value(QStringLiteral("BORC_DVZ")).toDouble();
        f.ALACAK_DVZ = l.value(QStringLiteral("ALACAK_DVZ")).toDouble();
        f.DOVIZ_KODU = toText(l.value(kDoviz)).trimmed();
        f.DVZ_KUR = l.value(kKur).toDouble();
        f.BA_DOVIZ = toText(l.value(QStringLiteral("BA_DOVIZ"))).trimmed();
        f.BA_KUR = l.value(QStringLiteral("BA_KUR")).toDouble();
        f.BA_BORC = l.value(QStringLiteral("BA_BORC")).toDouble();
        f.BA_ALACAK = l.value(QStringLiteral("BA_ALACAK")).toDouble();
        f.ADI = toText(l.value(kAdi)).trimmed();
        f.TARIH = toDateTime(l.value(QStringLiteral("TARIH")));
        f.VADE_TRH = toDateTime(l.value(QStringLiteral("VADE_TRH")));
        w.insertFinhrk(finansHareketiParams(f));
        if (!portfoy)
            continue;
        FinansHareketi pk = f;
        pk.SIRA_NO = l.value(kSira).toInt() + kPortfoySira;
        pk.ISLEM_TIP = m_tip;
        pk.ISLEM_TIP2 = m_tip2;
        pk.ISLEM_TIP3 = m.ISLEM_TIP3;
        pk.KODU = QStringLiteral("PK");
        pk.KODU2.clear();
        pk.CARIKOD.clear();
        pk.ADI = QStringLiteral("PORTFÖY KASASI");
        pk.ACIKLAMA = QString::number(l.value(kCek).toDouble(), 'f', 0) + QStringLiteral(" Nolu Çekin hareketi");
        w.insertFinhrk(finansHareketiParams(pk));
    }
}

QList<SaveCheck> FinansBelgesi::deleteChecks()
{
    return {{QStringLiteral("soru"), [](CheckContext& c) { c.ask(QStringLiteral("Kayıt Silinsin mi?")); }},
            {QStringLiteral("kart"),
             [this](CheckContext& c) {
                 if (FinansIslemTuru::kartIslemi(m_tip, m_tip2))
                     c.refuse(QStringLiteral("Kredi Kartı İşlemleri Silinemez."));
             }},
            {QStringLiteral("sonraki işlem"), [this](CheckContext& c) {
                 for (const QVariantMap& r : lines().rows())
                     if (r.value(kCek).toDouble() > 0
                         && sonradanIslemGormus(r.value(kCek).toDouble(), toDateTime(r.value(QStringLiteral("TARIH")))))
                         c.refuse(QStringLiteral("Sonradan İşlem Görmüş Hareketleri var. Silenemez."));
             }}};
}

void FinansBelgesi::erase(DocumentWriter& w)
{
    for (const QVariantMap& r : lines().rows())
        if (r.value(kCek).toDouble() > 0)
            oncekiDurumaDon(r.value(kCek).toDouble());
    silTuretilmis(w);
    w.remove(QStringLiteral("FINDET"), {{kNo, key()}});
    w.remove(QStringLiteral("FINMAST"), {{kNo, key()}});
    KullanciNeYapti(db(), QStringLiteral("FINMAST"), key(), {}, m_tip + m_tip2, headerText(kAdi), headerText(kKod), {},
                    {}, {}, {}, headerNumber(QStringLiteral("BORC")) + headerNumber(QStringLiteral("ALACAK")), {}, {},
                    QStringLiteral("Fin.Hrk.Silindi."));
}

bool FinansBelgesi::sil(const Db& db, int finId)
{
    FinansBelgesi b(db, QString(), QString());
    b.open(finId);
    try {
        b.deleteDocument();
    } catch (const DocumentError& e) {
        if (e.message() == QStringLiteral("Kayıt Silinsin mi?"))
            return false; // answered No
        throw;
    }
    return true;
}

} // namespace nimbo
