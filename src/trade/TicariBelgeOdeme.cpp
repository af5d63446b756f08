#include "db/DocumentWriter.h"
#include "db/SqlValues.h"
#include "services/ExchangeRates.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"
#include "trade/SatisFinansSatirlari.h"
#include "trade/TicariBelge.h"

namespace nimbo {

namespace {
const QString kCari = QStringLiteral("CARIKOD");
const QString kFatNo = QStringLiteral("FAT_NO");
const QString kFatarih = QStringLiteral("FATARIH");
} // namespace

SaveCheck TicariBelge::finansNumaralari()
{
    // Drawn once every other check has passed, outside the transaction, and all in one short
    // transaction of the counters: a new document's own number, one finance number for the
    // document and one for the payment pair.
    return SaveCheck{QStringLiteral("numaralar"), [this](CheckContext&) {
                         m_finId = m_odemeFinId = 0;
                         const bool yeniNo = isNew() && key().toDouble() <= 0;
                         int finans = 0;
                         if (faturaKismi()) {
                             const QString o = headerText(QStringLiteral("ODE_TIP"));
                             finans = o == QLatin1String("P") || o == QLatin1String("H") || o == QLatin1String("K") ? 2 : 1;
                         }
                         QList<SayacIstegi> istek;
                         if (yeniNo)
                             istek << SayacIstegi{taraf().sayac, 1};
                         if (finans > 0)
                             istek << SayacIstegi{QStringLiteral("NEWFINHRK"), finans};
                         if (istek.isEmpty())
                             return;
                         const QList<double> n = YeniKayitNolari(db(), istek);
                         if (yeniNo)
                             putHeader(taraf().anahtar, n.first());
                         if (finans > 0)
                             m_finId = n.last();
                         if (finans > 1)
                             m_odemeFinId = m_finId + 1;
                     }};
}

const TicariBelge::KasaSatiri& TicariBelge::kasaSatiri(const QString& kod) const
{
    if (!m_kasa || m_kasa->kod != kod) {
        KasaSatiri k;
        k.kod = kod;
        const auto r = db().records(QStringLiteral("SELECT ADI, DOVIZ_KOD FROM KASA WHERE KASAKOD=:K"), {{QStringLiteral("K"), kod}});
        k.var = !r.isEmpty();
        if (k.var) {
            k.adi = toText(r.first().value(0)).trimmed();
            k.doviz = toText(r.first().value(1)).trimmed();
        }
        m_kasa = k;
    }
    return *m_kasa;
}

QString TicariBelge::odemeAdi() const
{
    if (headerText(QStringLiteral("ODE_TIP")) == QLatin1String("P"))
        return kasaSatiri(headerText(QStringLiteral("KASAKOD"))).adi;
    return toText(db().scalar(QStringLiteral("SELECT BANKA_ADI FROM BANKA WHERE BANKA_KOD=:K"),
                              {{QStringLiteral("K"), headerText(QStringLiteral("BANKA_KOD"))}}))
        .trimmed();
}

void TicariBelge::depoHaklari(CheckContext& x)
{
    const SessionContext& ss = SessionContext::current();
    QString mesaj;
    for (int i = 0; i < lines().count(); ++i) {
        const int depo = lines().value(i, QStringLiteral("DEPO_KODU")).toInt();
        if (depo < 1 || depo > 20 || ss.hak(QStringLiteral("DEPO%1").arg(depo)) == QLatin1String("H"))
            continue;
        const QString ad = toText(db().scalar(QStringLiteral("SELECT DEPO_ADI FROM DEPO WHERE DEPO_KODU=:D"),
                                              {{QStringLiteral("D"), depo}}))
                               .trimmed();
        mesaj += QString::number(i + 1) + QStringLiteral(".Satırda ") + ad + QStringLiteral(" için Hakkınız Yok. ");
    }
    if (!mesaj.isEmpty())
        x.refuse(mesaj, QStringLiteral("DEPO_KODU"));
}

void TicariBelge::odemeDenetimi(CheckContext& x)
{
    if (!faturaKismi())
        return;
    const QString o = headerText(QStringLiteral("ODE_TIP"));
    if (o == QLatin1String("P")) {
        const QString kasa = headerText(QStringLiteral("KASAKOD"));
        if (kasa.isEmpty() || !kasaSatiri(kasa).var)
            x.refuse(QStringLiteral("Kasa Kodu Seçilmeden Kayıt Saklanmaz "), QStringLiteral("KASAKOD"));
        if (!m_eskiKasa.isEmpty() && m_eskiKasa != kasa)
            x.inform(QStringLiteral("Kaydı Değiştirmeden Önceki Seçtiğiniz Kasa: ")
                     + toText(db().scalar(QStringLiteral("SELECT ADI FROM KASA WHERE KASAKOD=:K"),
                                          {{QStringLiteral("K"), m_eskiKasa}}))
                           .trimmed());
    } else if (o == QLatin1String("H") || o == QLatin1String("K")) {
        const QString banka = headerText(QStringLiteral("BANKA_KOD"));
        if (banka.isEmpty())
            x.refuse(QStringLiteral("Lütfen Bir Banka Seçiniz !"), QStringLiteral("BANKA_KOD"));
        if (db().tableExists(QStringLiteral("BANKAYR"))) {
            const auto r = db().records(QStringLiteral("SELECT DOVIZ_KODU FROM BANKAYR WHERE BANKA_KOD=:B AND HESAP_NO=:H"),
                                        {{QStringLiteral("B"), banka},
                                         {QStringLiteral("H"), headerText(QStringLiteral("HESAP_NO"))}});
            if (r.isEmpty())
                x.refuse(QStringLiteral("Lütfen Bir Banka Seçiniz !"), QStringLiteral("HESAP_NO"));
            QString d = toText(r.first().value(0)).trimmed();
            if (d.isEmpty())
                d = yerelDoviz();
            if (d != headerText(QStringLiteral("DOVIZ_KODU")))
                x.refuse(QStringLiteral("Bankanın Döviz Tipi Uyumsuz !"), QStringLiteral("BANKA_KOD"));
        }
        if (!m_eskiBanka.isEmpty() && m_eskiBanka != banka)
            x.inform(QStringLiteral("Kaydı Değiştirmeden Önceki Seçtiğiniz Banka: ")
                     + toText(db().scalar(QStringLiteral("SELECT BANKA_ADI FROM BANKA WHERE BANKA_KOD=:K"),
                                          {{QStringLiteral("K"), m_eskiBanka}}))
                           .trimmed());
    }
}

void TicariBelge::yazFinans(DocumentWriter& w)
{
    eskiSil(w, QStringLiteral("FINHRK"), {{QStringLiteral("HRK_NO"), key()}, {QStringLiteral("BELGE_TIP"), taraf().yazan}});
    QList<QVariantMap> odeme;
    const QString o = headerText(QStringLiteral("ODE_TIP"));
    if (faturaKismi() && (o == QLatin1String("P") || o == QLatin1String("H") || o == QLatin1String("K"))) {
        const bool pesin = o == QLatin1String("P");
        odeme << QVariantMap{{QStringLiteral("REFNO"), key()},
                             {QStringLiteral("SIRANO"), 1},
                             {QStringLiteral("TIP"), tip()},
                             {QStringLiteral("ODEME_TIP"), o},
                             {QStringLiteral("KODU"), headerText(pesin ? QStringLiteral("KASAKOD") : QStringLiteral("BANKA_KOD"))},
                             {QStringLiteral("HESAP_NO"), pesin ? QString() : headerText(QStringLiteral("HESAP_NO"))},
                             {QStringLiteral("TUTAR"), headerNumber(QStringLiteral("NETTUT"))},
                             {QStringLiteral("DOVIZ_KODU"), headerText(QStringLiteral("DOVIZ_KODU"))}};
    }
    yeniden(w, QStringLiteral("ODEMES"), {{QStringLiteral("REFNO"), key()}}, odeme);
    if (!faturaKismi())
        return;
    const QVariantMap c = cari();
    SatisFinansGirdisi g;
    g.satisNo = key().toDouble();
    g.tip = tip();
    g.tipAdi = taraf().tipAdi(tip());
    g.aciklama = headerText(QStringLiteral("ACIKLAMA"));
    g.fatNo = headerText(kFatNo);
    g.net = headerNumber(QStringLiteral("NETTUT"));
    g.kur = headerNumber(QStringLiteral("TL_KURDEGER"));
    g.doviz = headerText(QStringLiteral("DOVIZ_KODU"));
    g.baDoviz = toText(c.value(QStringLiteral("DOVIZ_KODU"))).trimmed();
    if (g.baDoviz.isEmpty())
        g.baDoviz = yerelDoviz();
    g.tarih = toDate(header(kFatarih));
    g.baKur = g.baDoviz == yerelDoviz() ? 1.0 : KurBulDeger(db(), g.baDoviz, 2, g.tarih);
    g.vade = toDate(header(QStringLiteral("VADETRH")));
    g.cariKod = headerText(kCari);
    g.cariAdi = toText(c.value(QStringLiteral("FIRMA_ADI"))).trimmed().left(70);
    g.personel = headerText(QStringLiteral("PERSON_KOD"));
    g.odeTip = o;
    g.odemeKodu = headerText(o == QLatin1String("P") ? QStringLiteral("KASAKOD") : QStringLiteral("BANKA_KOD"));
    g.odemeKodu2 = o == QLatin1String("P") ? QString() : headerText(QStringLiteral("HESAP_NO"));
    g.odemeAdi = odemeAdi().left(70);
    g.finId = m_finId;
    g.odemeFinId = m_odemeFinId;
    g.alis = !taraf().cikis;
    QList<Params> satirlar;
    for (const FinansHareketi& f : satisFinansSatirlari(g, taraf().odemeSiraNo))
        satirlar << finansHareketiParams(f);
    w.insertFinhrkRows(satirlar);
}

void TicariBelge::silKasa(DocumentWriter& w, bool yeniBelgeDahil)
{
    const QVariantMap where{{QStringLiteral("HRKNO"), key()},
                            {QStringLiteral("REF_TIP"), QStringLiteral("C")},
                            {QStringLiteral("SIRANO"), taraf().kasaSiraNo}};
    if (yeniBelgeDahil)
        w.remove(QStringLiteral("KASAHRKT"), where);
    else
        eskiSil(w, QStringLiteral("KASAHRKT"), where);
}

// A cash invoice moves money through the desk: a sale puts it in, a purchase takes it out.
void TicariBelge::yazKasa(DocumentWriter& w)
{
    silKasa(w, false);
    if (!faturaKismi() || headerText(QStringLiteral("ODE_TIP")) != QLatin1String("P"))
        return;
    const SessionContext& ss = SessionContext::current();
    const QString kasa = headerText(QStringLiteral("KASAKOD"));
    QString kasaDoviz = kasaSatiri(kasa).doviz;
    if (kasaDoviz.isEmpty())
        kasaDoviz = yerelDoviz();
    const QDate gun = toDate(header(kFatarih));
    const double net = headerNumber(QStringLiteral("NETTUT"));
    const double kasaKur = kasaDoviz == yerelDoviz() ? 1.0 : kur(kasaDoviz);
    w.insert(QStringLiteral("KASAHRKT"),
             {{QStringLiteral("TARIH"), QDateTime(gun, QTime(0, 0))},
              {QStringLiteral("REF_TIP"), QStringLiteral("C")},
              {QStringLiteral("HRKNO"), key()},
              {QStringLiteral("SIRANO"), taraf().kasaSiraNo},
              {QStringLiteral("HRK_TURU"), QStringLiteral("w")},
              {QStringLiteral("REFAYRTIP"), tip()},
              {QStringLiteral("BELGE_NO"), headerText(kFatNo)},
              {QStringLiteral("KASAKOD"), kasa},
              {QStringLiteral("KARSIKOD"), headerText(kCari)},
              {QStringLiteral("TIP"), taraf().cikis ? QStringLiteral("B") : QStringLiteral("A")},
              {QStringLiteral("TUTAR"), net},
              {QStringLiteral("TUTAR_USD"), headerNumber(QStringLiteral("NET_USD"))},
              {QStringLiteral("TUTAR_EUR"), headerNumber(QStringLiteral("NET_EUR"))},
              {QStringLiteral("TUTAR_DVZ"), kasaKur == 0 ? net : net / kasaKur},
              {QStringLiteral("TL_KURDEGER"), kasaKur},
              {QStringLiteral("TL_USDEGER"), headerNumber(QStringLiteral("USDFYT"))},
              {QStringLiteral("TL_EUREGER"), headerNumber(QStringLiteral("EURFYT"))},
              {QStringLiteral("KARSI_KURDEGER"), headerNumber(QStringLiteral("TL_KURDEGER"))},
              {QStringLiteral("KARSI_DOVIZKOD"), headerText(QStringLiteral("DOVIZ_KODU"))},
              {QStringLiteral("PARA_BAZ"), QStringLiteral("T")},
              {QStringLiteral("DOVIZ_KOD"), kasaDoviz},
              {QStringLiteral("ACIKLAMA"), (headerText(kFatNo) + QStringLiteral(" No.lu ") + taraf().tipAdi(tip())
                                            + QStringLiteral(" Peşin Ödemesi")).left(75)},
              {QStringLiteral("AY"), gun.month()},
              {QStringLiteral("YIL"), gun.year()},
              {QStringLiteral("PERSONEL"), headerText(QStringLiteral("PERSON_KOD"))},
              {QStringLiteral("SUBEKODU"), ss.SubeKodu}});
}

} // namespace nimbo
