#include "trade/AlisBelgesi.h"
#include "accounts/CariKapamaKontrol.h"
#include "db/DocumentWriter.h"
#include "db/SqlValues.h"
#include "model/DocumentError.h"
#include "model/LedgerHook.h"
#include "services/CariRisk.h"
#include "services/KullaniciIslemKaydi.h"
#include "services/TarihKilit.h"
#include "stock/SeriTakip.h"
#include "trade/AlisMaliyeti.h"
#include "trade/RiskDenetimi.h"
#include "trade/StokHareketi.h"

namespace nimbo {

namespace {

const QString kCari = QStringLiteral("CARIKOD");
const QString kFatNo = QStringLiteral("FAT_NO");
const QString kIrsNo = QStringLiteral("IRS_NO");
const QString kFatarih = QStringLiteral("FATARIH");
const QString kIrstarih = QStringLiteral("IRSTARIH");
const QString kYazan = QStringLiteral("A");

bool tipIcinde(const QString& tip, const char* harfler) { return tip.size() == 1 && QString::fromUtf8(harfler).contains(tip); }

} // namespace

AlisBelgesi::AlisBelgesi(const Db& db) : TicariBelge(db, TicariTaraf::alis())
{
    newDocument();
}

bool AlisBelgesi::maliyetYazar(const QString& tip) { return tipIcinde(tip, "FREAPON"); }
bool AlisBelgesi::iadeMi(const QString& tip) { return tip == QLatin1String("E") || tip == QLatin1String("A"); }

QString AlisBelgesi::fiyatKolonu() const { return QStringLiteral("ALIS_FYT"); }

void AlisBelgesi::satirGirdisi(const QString& name, int row, SatirGirdisi& g) const
{
    g.netteVade = true;
    if (name == kItems && tip() == QLatin1String("H")
        && lines().text(row, QStringLiteral("OTV_VARMI")) == QLatin1String("V"))
        g.otv = lines().number(row, QStringLiteral("OTV"));
}

QList<SaveCheck> AlisBelgesi::checks()
{
    QList<SaveCheck> c;
    c << SaveCheck{QStringLiteral("girdi"), [this](CheckContext& x) { girdiDenetimi(x); }};
    c << SaveCheck{QStringLiteral("1 numaralar"), [this](CheckContext& x) {
              // R, H and Y take their dispatch number from the invoice (check 2).
              if (irsaliyeKismi() && !tipIcinde(tip(), "RHY")
                  && (headerText(kIrsNo).isEmpty() || !toDate(header(kIrstarih)).isValid()))
                  x.refuse(QStringLiteral("İrs.No/İrs.Trh Yazılmadan Saklanamaz."),
                           headerText(kIrsNo).isEmpty() ? kIrsNo : kIrstarih);
              if (faturaKismi() && (headerText(kFatNo).isEmpty() || !toDate(header(kFatarih)).isValid()))
                  x.refuse(QStringLiteral("Fat.No,Fat.Trh .Yazılmadan Saklanamaz."),
                           headerText(kFatNo).isEmpty() ? kFatNo : kFatarih);
          }};
    c << SaveCheck{QStringLiteral("2 irsaliyeli fatura"), [this](CheckContext&) {
              if (tipIcinde(tip(), "RHY")) {
                  putHeader(kIrsNo, header(kFatNo));
                  putHeader(kIrstarih, header(kFatarih));
              }
          }};
    c << SaveCheck{QStringLiteral("3 cari"), [this](CheckContext& x) {
              if (headerText(kCari).isEmpty())
                  x.refuse(QStringLiteral("Cari Kodu Verilmeden Alış Saklanmaz."), kCari);
          }};
    c << SaveCheck{QStringLiteral("4 depo hakkı"), [this](CheckContext& x) { depoHaklari(x); }};
    c << SaveCheck{QStringLiteral("5 risk"), [this](CheckContext& x) { riskDenetimi(x); }};
    c << SaveCheck{QStringLiteral("6 ödeme"), [this](CheckContext& x) { odemeDenetimi(x); }};
    c << finansNumaralari();
    return c;
}

// The supplier's side in USD, from the account's own USD columns: what we owe him, his
// uninvoiced notes and the papers given to him, with this document's net added.
void AlisBelgesi::riskDenetimi(CheckContext& x)
{
    const QVariantMap c = cari();
    auto t = [&c](const char* k) { return toText(c.value(QString::fromLatin1(k))).trimmed(); };
    const double net = headerNumber(QStringLiteral("NET_USD"));
    const QString kriter = t("RISKRITER");
    if (c.isEmpty() || kriter == QLatin1String("Y")
        || (t("RISK_IRS") != QLatin1String("U") && t("RISK_IRS") != QLatin1String("D"))
        || t("RISBAKTIP") != QLatin1String("A") || net <= 0)
        return;
    const QString kod = headerText(kCari);
    const CariRiskBilesenleri b = cariRiskBilesenleri(db(), kod);
    // A note being corrected is weighed with its new amount, not also with its stored one.
    double irsaliyeler = b.acikAlisIrsaliye;
    if (!isNew())
        irsaliyeler -= db().scalar(QStringLiteral("SELECT SUM(NET_USD) FROM ALIS WHERE ALIS_NO=:N AND IRS_NO IS NOT NULL "
                                                  "AND IRS_NO<>'' AND (FAT_NO IS NULL OR FAT_NO='')"),
                                   {{QStringLiteral("N"), key()}})
                           .toDouble();
    RiskGirdisi g;
    g.kod = kod;
    g.kriter = kriter;
    g.mod = t("RISK_IRS");
    g.yon = QStringLiteral("Alacak");
    g.limit = c.value(QStringLiteral("RISK_LIMITI")).toDouble();
    g.irsaliyeler = irsaliyeler;
    g.cekler = b.verilenCekSenet;
    // The balance on the credit side: debit minus credit negated, the invoice's net added.
    g.bakiye = -b.bakiye + (faturaKismi() ? net : 0);
    g.net = net;
    riskDenetle(x, g, kCari);
}

void AlisBelgesi::write(DocumentWriter& w)
{
    yazBaslik(w);
    saklananTutarlar();
    // A document whose type lost its dispatch part keeps no movements either.
    if (irsaliyeKismi())
        yazStokHareketleri(w);
    else
        stokHareketleriniSil(w, key().toDouble(), kYazan);
    yazFinans(w);
    yazKasa(w);
    yazTaksitler(w);
    yazIthalat(w);
    if (!isNew())
        duzeltmeKaydi();
    yazSatirlar(w);
    yazToplananIrsaliyeler(w);

    const double no = key().toDouble();
    QList<double> stoklar;
    if (maliyetYazar(tip())) {
        QList<MaliyetSatiri> satirlar;
        for (int i = 0; i < lines().count(); ++i) {
            MaliyetSatiri m;
            m.siraNo = lines().value(i, QStringLiteral("SIRANO")).toInt();
            m.stokNo = lines().number(i, QStringLiteral("STOK_NO"));
            m.miktar = lines().number(i, QStringLiteral("MIKTAR"));
            m.gerTut[0] = lines().number(i, QStringLiteral("GER_TUT"));
            m.gerTut[1] = lines().number(i, QStringLiteral("GER_TUT_USD"));
            m.gerTut[2] = lines().number(i, QStringLiteral("GER_TUT_EUR"));
            m.fiyat = lines().number(i, QStringLiteral("FIYAT"));
            m.fytDoviz = lines().number(i, QStringLiteral("FYT_DOVIZ"));
            m.doviz = lines().text(i, QStringLiteral("DOVIZ_KODU"));
            satirlar << m;
        }
        stoklar = AlisMaliyeti::yaz(w, no, isNew(), tip(), toDate(header(kFatarih)), satirlar);
    } else {
        stoklar = AlisMaliyeti::sil(db(), no);
    }
    const bool otoFiyat = faturaKismi()
                          && toText(db().scalar(QStringLiteral("SELECT ALISTAOTOFYT FROM PARAMET"))).trimmed()
                                 == QLatin1String("E");
    AlisMaliyeti::kartlariGuncelle(db(), stoklar, otoFiyat);
}

// The import file gets the invoice; the import-file subsystem keeps its own lines.
void AlisBelgesi::yazIthalat(DocumentWriter& w)
{
    const QString ithal = headerText(QStringLiteral("ITHAL_KODU"));
    if (ithal.isEmpty() || !tipIcinde(tip(), "HG") || !w.db().tableExists(QStringLiteral("ITHALKR")))
        return;
    w.db().exec(QStringLiteral("Update ITHALKR Set PROFAT_NO=:pFatNo , PROFAT_REFNO=:pAlisNo Where KODU=:pIthKodu"),
                {{QStringLiteral("pFatNo"), headerText(kFatNo)},
                 {QStringLiteral("pAlisNo"), key()},
                 {QStringLiteral("pIthKodu"), ithal}});
}

QList<AfterCommitStep> AlisBelgesi::afterCommit()
{
    QList<AfterCommitStep> steps;
    // A posted document is posted again in place without asking; a new one asks.
    const bool postali = muhasebeFisi() > 0;
    if (auto l = LedgerHook::step(db(), {QStringLiteral("ALIS"), tip(), key().toDouble()},
                                  postali ? QStringLiteral("O") : QStringLiteral("S")))
        steps << *l;
    return steps;
}

QList<SaveCheck> AlisBelgesi::deleteChecks()
{
    return {{QStringLiteral("ret"),
             [this](CheckContext& c) {
                 if (muhasebeFisi() > 0)
                     c.refuse(QStringLiteral("Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez."));
                 if (headerNumber(QStringLiteral("FAT_REFNO")) > 0)
                     c.refuse(QStringLiteral("Bu İrsaliyeye Ait Fatura İşlenmiş Silinemez.Önce Fat.Silin."));
                 if (CariKapamaKontrol::belgeEslesmis(db(), key().toDouble(), kYazan))
                     c.refuse(QStringLiteral("Bu Hareketin Ödemeleri Kapanmış.Önce Ödemeleri İptal Edin."));
                 if (!TarihKilitKontrol(db(), hareketTarihi(), true))
                     throw DocumentError(QStringLiteral("Tarih kilidi"));
             }},
            {QStringLiteral("sorular"), [this](CheckContext& c) {
                 const Params no{{QStringLiteral("N"), key()}};
                 c.ask(QStringLiteral("Alış Silinsin mi?"));
                 if (db().any(QStringLiteral("SELECT 1 FROM SERIHRK WHERE SATISNO=:N AND TIP='A'"), no))
                     c.ask(QStringLiteral("Silinmek istenen alışa ait Seri No bilgileri var.Kaydın silinmesi durumunda "
                                          "seri no bilgileri de silinecektir.Kayıt Silinsin mi?"));
                 if (db().tableExists(QStringLiteral("ITHMAS"))
                     && db().any(QStringLiteral("SELECT ALIS_NO FROM ITHMAS WHERE ALIS_NO=:N"), no))
                     c.ask(QStringLiteral("Silinmek istenen alışa ait İthal Maliyetlendirme bilgileri var.Kaydın "
                                          "silinmesi durumunda Maliyetlendirme bilgileri de silinecektir.Kayıt Silinsin mi?"));
                 if (db().tableExists(QStringLiteral("ITHMASM"))
                     && db().any(QStringLiteral("SELECT ALIS_NO FROM ITHMASM WHERE KALIS_NO=:N"), no))
                     c.ask(QStringLiteral("Silinmek istenen alışa ait Maliyetlendirme bilgileri var.Kaydın silinmesi "
                                          "durumunda Maliyetlendirme bilgileri de silinecektir.Kayıt Silinsin mi?"));
             }}};
}

void AlisBelgesi::erase(DocumentWriter& w)
{
    const QVariant no = key();
    w.remove(QStringLiteral("SERIHRK"), {{QStringLiteral("SATISNO"), no}, {QStringLiteral("TIP"), kYazan}});
    SeriTakip::alisiGeriAl(db(), no.toDouble(), headerText(kCari));
    for (const char* t : {"ITHMAS", "ITHMASM", "ITHMASMA"})
        if (db().tableExists(QString::fromLatin1(t)))
            w.remove(QString::fromLatin1(t), {{QStringLiteral("ALIS_NO"), no}});
    // Cost rows go first; the items' costs and last prices come back from what is left.
    const QList<double> stoklar = AlisMaliyeti::sil(db(), no.toDouble());
    AlisMaliyeti::kartlariGuncelle(db(), stoklar, false);
    stokHareketleriniSil(w, no.toDouble(), kYazan);
    w.remove(QStringLiteral("FINHRK"), {{QStringLiteral("HRK_NO"), no}, {QStringLiteral("BELGE_TIP"), kYazan}});
    silKasa(w);
    for (const char* t : {"CODEKAP", "CODEKAPU", "CODEKAPE"})
        w.remove(QString::fromLatin1(t), {{QStringLiteral("REFNO"), no}, {QStringLiteral("CRHRK_TUR"), kYazan}});
    w.remove(QStringLiteral("TAKSITS"), {{QStringLiteral("SATIS_NO"), no}});
    w.remove(taraf().iscilikTablosu, {{QStringLiteral("BELGE_NO"), no}, {QStringLiteral("BELGE_TIP"), kYazan}});
    w.remove(taraf().masrafTablosu, {{QStringLiteral("BELGE_NO"), no}, {QStringLiteral("BELGE_TIP"), kYazan}});
    w.remove(QStringLiteral("FATIRS_A"), {{QStringLiteral("S_NO"), no}});
    birakToplananIrsaliyeler();
    if (db().tableExists(QStringLiteral("ITHALKR")) && !headerText(QStringLiteral("ITHAL_KODU")).isEmpty())
        db().exec(QStringLiteral("UPDATE ITHALKR SET PROFAT_NO=NULL, PROFAT_REFNO=NULL WHERE PROFAT_REFNO=:N"),
                  {{QStringLiteral("N"), no}});
    w.remove(QStringLiteral("ALISAYR"), {{QStringLiteral("ALIS_NO"), no}});
    w.remove(QStringLiteral("ODEMES"), {{QStringLiteral("REFNO"), no}});
    w.remove(QStringLiteral("ALIS"), {{QStringLiteral("ALIS_NO"), no}});
    KullanciNeYapti(db(), QStringLiteral("ALIS"), no, {}, tip(), {}, header(kCari), {}, {}, {}, header(kFatNo),
                    headerNumber(QStringLiteral("NETTUT")), {}, {}, QStringLiteral("Alış Silindi"));
}

} // namespace nimbo
