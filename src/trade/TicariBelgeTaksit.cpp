#include "db/DocumentWriter.h"
#include "db/Errors.h"
#include "trade/TicariBelge.h"

namespace nimbo {

namespace {
const QString kOdeTip = QStringLiteral("ODE_TIP");
const QString kSayi = QStringLiteral("TAKSITSAY");
} // namespace

TaksitliSatis::Belge TicariBelge::taksitBelgesi() const
{
    TaksitliSatis::Belge b;
    b.no = key().toDouble();
    b.cariKod = headerText(QStringLiteral("CARIKOD"));
    b.doviz = headerText(QStringLiteral("DOVIZ_KODU"));
    b.net = headerNumber(QStringLiteral("NETTUT"));
    b.taksitli = headerText(kOdeTip) == QLatin1String("T");
    b.ad = m_taraf.cikis ? QStringLiteral("Satış") : QStringLiteral("Alış");
    return b;
}

TaksitPlanGirdisi TicariBelge::taksitGirdisi() const
{
    TaksitPlanGirdisi g = m_taksit.girdi();
    g.satisNo = key().toDouble();
    g.cariKod = headerText(QStringLiteral("CARIKOD"));
    g.doviz = headerText(QStringLiteral("DOVIZ_KODU"));
    g.satisTutari = headerNumber(QStringLiteral("NETTUT"));
    if (!g.pesinatTarihi.isValid())
        g.pesinatTarihi = toDate(header(QStringLiteral("FATARIH")));
    if (m_taksit.taksitler().isEmpty())
        g.taksitSayisi = header(kSayi).toInt();
    return g;
}

void TicariBelge::setTaksitPlani(const TaksitPlanGirdisi& g, const QList<QVariantMap>& taksitler)
{
    m_taksit.kabul(g, taksitler);
    setHeader(kOdeTip, QStringLiteral("T"));
    setHeader(kSayi, int(m_taksit.taksitler().size()));
}

void TicariBelge::taksitDenetimi(CheckContext& c)
{
    if (isNew() && headerText(kOdeTip) != QLatin1String("T"))
        return;
    try {
        m_taksit.hazirla(taksitBelgesi());
    } catch (const UserError& e) {
        c.refuse(e.message(), kSayi);
    }
}

// A purchase checks its plan here only: a refusal rolls the whole save back.
void TicariBelge::yazTaksitler(DocumentWriter& w)
{
    const bool taksitli = headerText(kOdeTip) == QLatin1String("T");
    if (isNew() && !taksitli)
        return;
    m_taksit.yaz(w, taksitBelgesi());
    // The header went first; its count follows the plan written.
    const int sayi = taksitli ? int(m_taksit.taksitler().size()) : 0;
    if (header(kSayi).toInt() != sayi) {
        putHeader(kSayi, sayi);
        w.db().exec(QStringLiteral("UPDATE %1 SET TAKSITSAY=:S WHERE %2=:N").arg(m_taraf.baslik, m_taraf.anahtar),
                    {{QStringLiteral("S"), sayi}, {QStringLiteral("N"), key()}});
    }
}

} // namespace nimbo
