#include "trade/SatisBelgesi.h"
#include "accounts/CariKapamaKontrol.h"
#include "db/DocumentWriter.h"
#include "db/SqlValues.h"
#include "model/DocumentError.h"
#include "model/LedgerHook.h"
#include "services/ExchangeRates.h"
#include "services/KullaniciIslemKaydi.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "services/TarihKilit.h"
#include "services/YeniKayitNo.h"
#include "trade/SatisFinansSatirlari.h"
#include "trade/RiskDenetimi.h"
#include "trade/StokHareketi.h"
#include "trade/StokKontrolu.h"


namespace nimbo {

namespace {

const QString kCari = QStringLiteral("CARIKOD");
const QString kFatNo = QStringLiteral("FAT_NO");
const QString kIrsNo = QStringLiteral("IRS_NO");
const QString kFatarih = QStringLiteral("FATARIH");
const QString kIrstarih = QStringLiteral("IRSTARIH");
const QString kYazan = QStringLiteral("S");

QString s(const char* c) { return QString::fromLatin1(c); }


} // namespace

SatisBelgesi::SatisBelgesi(const Db& db) : TicariBelge(db, TicariTaraf::satis())
{
    newDocument();
}

// The one-letter settings the checks read, as they are at the moment of the save.
void SatisBelgesi::ayarlariOku()
{
    m_ayarlar.clear();
    const auto r = db().records(QStringLiteral("SELECT STK_NEG, KRTTIK_UYAR, SATMINFYT, SATFYTKONT FROM PARAMET"));
    if (r.isEmpty())
        return;
    for (int i = 0; i < r.first().count(); ++i)
        m_ayarlar.insert(r.first().fieldName(i).toUpper(), toText(r.first().value(i)).trimmed());
}

QString SatisBelgesi::ayar(const char* kolon) const { return m_ayarlar.value(QString::fromLatin1(kolon)); }

QString SatisBelgesi::fiyatKolonu() const
{
    return headerText(QStringLiteral("SAT_TUR")) == QLatin1String("B") ? QStringLiteral("SAT_BFYT")
                                                                       : QStringLiteral("SAT_SKFYT");
}

void SatisBelgesi::cariSecildi(const QVariantMap& cari)
{
    const QString grup = toText(cari.value(QStringLiteral("CARI_GRP_KOD"))).trimmed();
    if (grup == QLatin1String("A"))
        putHeader(QStringLiteral("SAT_TUR"), QStringLiteral("A"));
    else if (grup == QLatin1String("B") || grup == QLatin1String("U"))
        putHeader(QStringLiteral("SAT_TUR"), QStringLiteral("B"));
    else if (grup == QLatin1String("M"))
        putHeader(QStringLiteral("SAT_TUR"), QStringLiteral("P"));
}

void SatisBelgesi::acilisDenetimi(const SessionContext& oturum)
{
    for (int d = 1; d <= 20; ++d)
        if (oturum.hak(QStringLiteral("DEPO%1").arg(d)) == QLatin1String("H"))
            return;
    throw UserError(QStringLiteral("Kullanıcının Hiç Bir Depodan Hareket Hakkı Yok"));
}

bool SatisBelgesi::odemeleriKapanmis(const Db& db, double satisNo)
{
    return CariKapamaKontrol::belgeEslesmis(db, satisNo, kYazan);
}

void SatisBelgesi::otomatikNumaralar()
{
    const bool fatura = faturaKismi() && headerText(kFatNo).isEmpty();
    const bool irsaliye = irsaliyeKismi() && headerText(kIrsNo).isEmpty();
    if (!fatura && !irsaliye)
        return;
    QString fatNo, irsNo;
    withCounterLock(db(), [&](const Db& c) {
        c.exec(QStringLiteral("UPDATE NEWSATIS SET YENINO=YENINO"));
        const auto r = c.records(
            QStringLiteral("SELECT SABITHARF, FATNO, OTOART, SABITHARFIRS, IRSNO, OTOARTIRS FROM NEWSATIS"));
        if (r.isEmpty())
            return;
        const QSqlRecord& n = r.first();
        if (fatura && toText(n.value(2)).trimmed() == QLatin1String("O")) {
            fatNo = toText(n.value(0)).trimmed() + QString::number(qint64(n.value(1).toDouble()));
            c.exec(QStringLiteral("UPDATE NEWSATIS SET FATNO=FATNO+1"));
        }
        const QString irsKip = toText(n.value(5)).trimmed();
        if (irsaliye && irsKip == QLatin1String("O")) {
            irsNo = toText(n.value(3)).trimmed() + QString::number(qint64(n.value(4).toDouble()));
            c.exec(QStringLiteral("UPDATE NEWSATIS SET IRSNO=IRSNO+1"));
        } else if (irsaliye && irsKip == QLatin1String("F")) {
            irsNo = fatNo.isEmpty() ? headerText(kFatNo) : fatNo;
        }
    });
    if (!fatNo.isEmpty())
        setHeader(kFatNo, fatNo);
    if (!irsNo.isEmpty())
        setHeader(kIrsNo, irsNo);
}

QList<SaveCheck> SatisBelgesi::checks()
{
    QList<SaveCheck> c;
    c << SaveCheck{QStringLiteral("girdi"), [this](CheckContext& x) {
              ayarlariOku();
              girdiDenetimi(x);
          }};
    c << SaveCheck{QStringLiteral("1 tarih"), [this](CheckContext& x) {
              // A dispatch note carries no invoice date: its own date counts.
              if (toDate(header(faturaKismi() ? kFatarih : kIrstarih)) != QDate::currentDate())
                  x.warn(QStringLiteral("Farklı Tarih de İşlem Yapıyorsunuz !"));
          }};
    c << SaveCheck{QStringLiteral("2 irsaliye no"), [this](CheckContext& x) {
              if (headerText(kIrsNo).isEmpty())
                  return;
              if (db().any(QStringLiteral("SELECT IRS_NO, SATIS_NO FROM SATIS WHERE IRS_NO=:irsno AND SATIS_NO<>:n"),
                           {{QStringLiteral("irsno"), headerText(kIrsNo)}, {QStringLiteral("n"), key().toDouble()}}))
                  x.refuse(QStringLiteral("Bu irsaliye numarası daha önce kullanılmış.Lütfen başka bir irsaliye "
                                          "numarası yazınız..."),
                           kIrsNo);
          }};
    c << SaveCheck{QStringLiteral("3 fatura tarihi"), [this](CheckContext& x) {
              static const QStringList tipler{"F", "R", "S", "E", "A", "P", "O", "N"};
              if (!tipler.contains(tip()))
                  return;
              const QDate gun = toDate(header(kFatarih));
              if (!TarihKilitKontrol(db(), gun, true))
                  throw DocumentError(QStringLiteral("Tarih kilidi"), kFatarih);
              if (headerText(kFatNo).isEmpty())
                  return;
              if (db().any(QStringLiteral("SELECT FAT_NO, FATARIH FROM SATIS WHERE (FAT_NO<=:faturano AND "
                                          "FATARIH>:fatarih) AND SATIS_NO<>:n"),
                           {{QStringLiteral("faturano"), headerText(kFatNo)},
                            {QStringLiteral("fatarih"), QDateTime(gun, QTime(0, 0))},
                            {QStringLiteral("n"), key().toDouble()}}))
                  x.refuse(QStringLiteral("İlgili Fatura Numarası, Son Fatura Tarihinden Önce Kullanılamaz !"), kFatNo);
          }};
    c << SaveCheck{QStringLiteral("4 numaralar"), [this](CheckContext& x) {
              // An invoice with dispatch takes its dispatch number from the invoice (check 10).
              if (irsaliyeKismi() && tip() != QLatin1String("R")
                  && (headerText(kIrsNo).isEmpty() || !toDate(header(kIrstarih)).isValid()))
                  x.refuse(QStringLiteral("İrs.No/İrs.Trh Yazılmadan Saklanamaz."),
                           headerText(kIrsNo).isEmpty() ? kIrsNo : kIrstarih);
              if (faturaKismi() && (headerText(kFatNo).isEmpty() || !toDate(header(kFatarih)).isValid()))
                  x.refuse(QStringLiteral("Fat.No,Fat.Trh .Yazılmadan Saklanamaz."),
                           headerText(kFatNo).isEmpty() ? kFatNo : kFatarih);
          }};
    c << SaveCheck{QStringLiteral("5 taksit"), [this](CheckContext& x) { taksitDenetimi(x); }};
    c << SaveCheck{QStringLiteral("6 min fiyat"), [this](CheckContext& x) { minFiyatDenetimi(x); }};
    c << SaveCheck{QStringLiteral("7 vade"), [this](CheckContext& x) {
              const int gun = cari().value(QStringLiteral("MAKSVADEGUN")).toInt();
              const QDate fat = toDate(header(kFatarih));
              const QDate vade = toDate(header(QStringLiteral("VADETRH")));
              if (gun > 0 && fat.isValid() && vade.isValid() && vade > fat.addDays(gun)) {
                  putHeader(QStringLiteral("VADETRH"), fat.addDays(gun));
                  x.warn(QStringLiteral("Seçilen Cari İçin Maksimum Vade Aşıldığı için Değiştirildi. Lütfen Kontrol "
                                        "Ediniz."));
              }
          }};
    c << SaveCheck{QStringLiteral("8 stok"), [this](CheckContext& x) { stokDenetimi(x); }};
    c << SaveCheck{QStringLiteral("9 depo hakkı"), [this](CheckContext& x) { depoHaklari(x); }};
    c << SaveCheck{QStringLiteral("10 irsaliyeli fatura"), [this](CheckContext&) {
              if (tip() == QLatin1String("R")) {
                  putHeader(kIrsNo, header(kFatNo));
                  putHeader(kIrstarih, header(kFatarih));
              }
              // A dispatch note has no invoice date of its own (the new document's default
              // is today) until an invoice collects it.
              if (!faturaKismi() && headerNumber(QStringLiteral("FAT_REFNO")) <= 0 && headerText(kFatNo).isEmpty())
                  putHeader(kFatarih, QVariant());
          }};
    c << SaveCheck{QStringLiteral("11 cari"), [this](CheckContext& x) {
              if (headerText(kCari).isEmpty())
                  x.refuse(QStringLiteral("Cari Kodu Verilmeden Satış Saklanmaz."), kCari);
          }};
    c << SaveCheck{QStringLiteral("12 avukat"), [this](CheckContext& x) {
              if (toText(cari().value(QStringLiteral("AVUKATVER"))).trimmed() == QLatin1String("E"))
                  x.refuse(QStringLiteral("Firma Avukata Verildiği İçin Bu Satış Saklanamaz !!!"), kCari);
          }};
    c << SaveCheck{QStringLiteral("13 risk"), [this](CheckContext& x) { riskDenetimi(x); }};
    c << SaveCheck{QStringLiteral("14 ödeme"), [this](CheckContext& x) { odemeDenetimi(x); }};
    c << finansNumaralari();
    return c;
}

void SatisBelgesi::minFiyatDenetimi(CheckContext& x)
{
    if (ayar("SATMINFYT") == QLatin1String("Z") || ayar("SATMINFYT").isEmpty())
        return;
    const QString kip = ayar("SATFYTKONT");
    if (kip != QLatin1String("S") && kip != QLatin1String("U"))
        return;
    const QString liste = toText(cari().value(QStringLiteral("ABMFYTUYG"))).trimmed();
    if (liste == QLatin1String("Y"))
        return;
    QString kolon = QStringLiteral("MINSATFYT");
    if (liste == QLatin1String("A"))
        kolon = QStringLiteral("SAT_ABFYT");
    else if (liste == QLatin1String("B"))
        kolon = QStringLiteral("SAT_BFYT");
    else if (liste == QLatin1String("M"))
        kolon = QStringLiteral("SAT_SKFYT");
    bool altinda = false;
    for (int i = 0; i < lines().count() && !altinda; ++i) {
        const QString d = lines().text(i, QStringLiteral("DOVIZ_KODU"));
        QString ek = QStringLiteral("_DOVIZ");
        if (d.isEmpty() || d == yerelDoviz())
            ek = QStringLiteral("_TL");
        else if (d == usd())
            ek = QStringLiteral("_USD");
        else if (d == eur())
            ek = QStringLiteral("_EUR");
        else if (kolon == QLatin1String("MINSATFYT"))
            ek = QStringLiteral("_DVZ");
        const double listeFiyati = stok(lines().number(i, QStringLiteral("STOK_NO"))).value(kolon + ek).toDouble();
        const double fiyat =
            lines().number(i, QStringLiteral("FYT_DOVIZ")) * (100 - lines().number(i, QStringLiteral("ISKONTO"))) / 100;
        altinda = listeFiyati > 0 && fiyat < listeFiyati - 1e-9;
    }
    if (!altinda)
        return;
    if (kip == QLatin1String("S"))
        x.refuse(QStringLiteral("Satış Listesinde Min.Fiyatı Altında Satılan Ürünler Var.Lütfen Yeniden Kontrol Edin"));
    x.ask(QStringLiteral("Satış Listesinde Min.Fiyatı Altında Satılan Ürünler Var.Yeni de Saklansın mı?"));
}

void SatisBelgesi::stokDenetimi(CheckContext& x)
{
    if (!irsaliyeKismi())
        return;
    const QString mod = ayar("STK_NEG");
    if (!StokKontrolu::denetlenir(mod))
        return;
    QList<StokIhtiyaci> ihtiyac;
    for (int i = 0; i < lines().count(); ++i)
        ihtiyac << StokIhtiyaci{lines().number(i, QStringLiteral("STOK_NO")),
                                lines().value(i, QStringLiteral("DEPO_KODU")).toInt(),
                                lines().number(i, QStringLiteral("MIKTAR")) * birimKatsayisi(i),
                                lines().text(i, QStringLiteral("STOK_ADI"))};
    const StokKontrolu::Cevap c = StokKontrolu::denetle(db(), mod, ihtiyac, key().toDouble(), kYazan);
    if (c.sonuc == StokKontrolu::Sonuc::Reddet)
        x.refuse(c.mesaj);
    if (c.sonuc == StokKontrolu::Sonuc::Sor)
        x.ask(c.mesaj);
    if (!c.kritik.isEmpty() && ayar("KRTTIK_UYAR") == QLatin1String("S"))
        x.inform(QStringLiteral("KRİTİK SEVİYENİN ALTINA DÜŞECEK ÜRÜNLER VAR\n") + c.kritik.join(QLatin1Char('\n')));
}

void SatisBelgesi::riskDenetimi(CheckContext& x)
{
    const QVariantMap c = cari();
    auto t = [&c](const char* k) { return toText(c.value(s(k))).trimmed(); };
    const double net = headerNumber(QStringLiteral("NETTUT"));
    const QString kriter = t("RISKRITER");
    if (c.isEmpty() || kriter == QLatin1String("Y") || (t("RISK_IRS") != QLatin1String("U") && t("RISK_IRS") != QLatin1String("D"))
        || t("RISBAKTIP") != QLatin1String("B") || net <= 0)
        return;
    const QString kod = headerText(kCari);
    const Params p{{QStringLiteral("K"), kod}, {QStringLiteral("N"), key().toDouble()}};
    const double irsaliyeler =
        db().scalar(QStringLiteral("SELECT SUM(NETTUT) FROM SATIS WHERE CARIKOD=:K AND IRS_NO IS NOT NULL AND IRS_NO<>'' "
                                   "AND (FAT_NO IS NULL OR FAT_NO='') AND SATIS_NO<>:N"),
                    p)
            .toDouble();
    const double cekler = db().scalar(QStringLiteral("SELECT SUM(TUTAR) FROM CSKART WHERE CARIKOD=:K AND SAHIP='M' AND "
                                                     "(SON_DURUMU IS NULL OR SON_DURUMU<>'T')"),
                                      {{QStringLiteral("K"), kod}})
                              .toDouble();
    RiskGirdisi g;
    g.kod = kod;
    g.kriter = kriter;
    g.mod = t("RISK_IRS");
    g.yon = QStringLiteral("Borç");
    g.limit = c.value(QStringLiteral("RISK_LIMITI")).toDouble();
    g.irsaliyeler = irsaliyeler;
    g.cekler = cekler;
    g.bakiye = -headerNumber(QStringLiteral("SBAKIYE"));
    g.net = net;
    riskDenetle(x, g, kCari);
}

void SatisBelgesi::write(DocumentWriter& w)
{
    const Params no{{QStringLiteral("SATIS_NO"), key()}};
    if (!isNew())
        duzeltmeKaydi();
    yazBaslik(w);
    static const QStringList carihrkTipleri{"F", "R", "E", "A", "P", "O"};
    if (carihrkTipleri.contains(tip()))
        for (const char* tur : {"N", "S", "J"})
            eskiSil(w, QStringLiteral("CARIHRK"), {{QStringLiteral("REF_NO"), key()}, {QStringLiteral("CRHRK_TUR"), s(tur)}});
    saklananTutarlar();
    // A document whose type lost its dispatch part keeps no movements either.
    if (irsaliyeKismi())
        yazStokHareketleri(w);
    else if (!isNew())
        stokHareketleriniSil(w, key().toDouble(), kYazan);
    yazFinans(w);
    yazKasa(w);
    yazTaksitler(w);
    if (isNew() || !db().any(QStringLiteral("SELECT 1 FROM SEVK WHERE SNO=:N"), {{QStringLiteral("N"), key()}}))
        w.insert(QStringLiteral("SEVK"), {{QStringLiteral("SNO"), key()},
                                          {QStringLiteral("SEVK_TRH"), QDateTime(QDate::currentDate(), QTime(0, 0))},
                                          {QStringLiteral("ODE_KIM"), QStringLiteral("A")}});
    yazSatirlar(w);
    yazToplananIrsaliyeler(w);
}

QList<AfterCommitStep> SatisBelgesi::afterCommit()
{
    QList<AfterCommitStep> steps;
    // A posted document is posted again in place without asking; a new one asks.
    const bool postali = muhasebeFisi() > 0;
    if (auto l = LedgerHook::step(db(), {QStringLiteral("SATIS"), tip(), key().toDouble()},
                                  postali ? QStringLiteral("O") : QStringLiteral("S")))
        steps << *l;
    if (irsaliyeKismi()) {
        bool eksik = false;
        for (int i = 0; i < lines().count() && !eksik; ++i) {
            if (lines().text(i, QStringLiteral("SERITAKIP")) != QLatin1String("E"))
                continue;
            const double adet = db().scalar(QStringLiteral("SELECT COUNT(*) FROM SERIHRK WHERE SATISNO=:N AND TIP='S' AND SIRANO=:S"),
                                            {{QStringLiteral("N"), key()}, {QStringLiteral("S"), lines().value(i, QStringLiteral("SIRANO"))}})
                                    .toDouble();
            eksik = adet != lines().number(i, QStringLiteral("MIKTAR")) * birimKatsayisi(i);
        }
        if (eksik)
            steps << AfterCommitStep{AfterCommitStep::Kind::Serial, {}, [] {
                                         Prompter::instance().warn(QStringLiteral(
                                             "Eksik veya Falza Yazılmış Seri Nolar Var. Lütfen Düzeltmeyi Unutmayınız."));
                                     }};
    }
    if (faturaKismi() && m_yazdirici) {
        const double no = key().toDouble();
        Yazdirici y = m_yazdirici;
        steps << AfterCommitStep{AfterCommitStep::Kind::Print, QStringLiteral("Fatura Kesilsin mi?"), [y, no] { y(no); }};
    }
    return steps;
}

void SatisBelgesi::lineRemovalChecks(CheckContext& c, const QString& name, int row)
{
    if (name == kItems && lines().number(row, QStringLiteral("SIP_NO")) > 0)
        c.refuse(QStringLiteral("Silinmek İstenen Satır Siparişten Aktarılmış Bu yüzden Silinemez"));
    c.ask(QStringLiteral("Kayıt Silnsin mi?"));
}

QList<SaveCheck> SatisBelgesi::deleteChecks()
{
    return {{QStringLiteral("muhasebe"),
             [this](CheckContext& c) {
                 if (muhasebeFisi() > 0 || headerNumber(QStringLiteral("FAT_REFNO")) > 0)
                     c.refuse(QStringLiteral("Bu Hareketin Muhasebe Kayıt Fişi Var.Yada Faturası Kesilmiş Silinemez."));
             }},
            {QStringLiteral("ödemeler"),
             [this](CheckContext& c) {
                 if (odemeleriKapanmis(db(), key().toDouble()))
                     c.refuse(QStringLiteral("Bu Hareketin Ödemeleri Kapanmış.Önce Ödemeleri İptal Edin."));
                 if (db().any(QStringLiteral("SELECT 1 FROM TAKSITS WHERE SATIS_NO=:N AND (TAKSIT_ODENDI='E' OR TAH_TUTAR>0)"),
                              {{QStringLiteral("N"), key()}}))
                     c.refuse(QStringLiteral("Bu Hareketin Taksit Ödemesi Yapılmış.Silinemez."));
             }},
            {QStringLiteral("onay"), [this](CheckContext& c) {
                 if (!TarihKilitKontrol(db(), hareketTarihi(), true))
                     throw DocumentError(QStringLiteral("Tarih kilidi"));
                 c.ask(QStringLiteral("Satış Silinsin mi?"));
                 if (db().any(QStringLiteral("SELECT 1 FROM SERIHRK WHERE SATISNO=:N AND TIP='S'"), {{QStringLiteral("N"), key()}}))
                     c.ask(QStringLiteral("Silinmek istenen Satışa ait Seri No bilgileri var.Kaydın silinmesi durumunda "
                                          "seri no bilgileri de silinecektir.Kayıt Silinsin mi?"));
             }}};
}

void SatisBelgesi::erase(DocumentWriter& w)
{
    const QVariant no = key();
    w.remove(QStringLiteral("SERIHRK"), {{QStringLiteral("SATISNO"), no}, {QStringLiteral("TIP"), kYazan}});
    stokHareketleriniSil(w, no.toDouble(), kYazan);
    w.remove(QStringLiteral("FINHRK"), {{QStringLiteral("HRK_NO"), no}, {QStringLiteral("BELGE_TIP"), kYazan}});
    silKasa(w);
    for (const char* t : {"CODEKAP", "CODEKAPU", "CODEKAPE"})
        w.remove(s(t), {{QStringLiteral("REFNO"), no}, {QStringLiteral("CRHRK_TUR"), kYazan}});
    w.remove(QStringLiteral("TAKSITS"), {{QStringLiteral("SATIS_NO"), no}});
    w.remove(QStringLiteral("ISCILIKS"), {{QStringLiteral("BELGE_NO"), no}, {QStringLiteral("BELGE_TIP"), kYazan}});
    w.remove(QStringLiteral("MASRAFS"), {{QStringLiteral("BELGE_NO"), no}, {QStringLiteral("BELGE_TIP"), kYazan}});
    w.remove(QStringLiteral("CARIHRK"), {{QStringLiteral("REF_NO"), no}, {QStringLiteral("CRHRK_TUR"), QStringLiteral("K")}});
    w.remove(QStringLiteral("SEVK"), {{QStringLiteral("SNO"), no}});
    w.remove(QStringLiteral("FATIRS_S"), {{QStringLiteral("S_NO"), no}});
    birakToplananIrsaliyeler();
    w.remove(QStringLiteral("SATISAYR"), {{QStringLiteral("SATIS_NO"), no}});
    w.remove(QStringLiteral("ODEMES"), {{QStringLiteral("REFNO"), no}});
    w.remove(QStringLiteral("SATIS"), {{QStringLiteral("SATIS_NO"), no}});
    KullanciNeYapti(db(), QStringLiteral("SATIS"), no, {}, tip(), {}, header(kCari), {}, {}, {}, header(kFatNo),
                    headerNumber(QStringLiteral("NETTUT")), {}, {}, QStringLiteral("Satış Silindi"));
}

} // namespace nimbo
