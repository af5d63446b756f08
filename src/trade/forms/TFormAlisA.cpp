#include "trade/forms/TFormAlisA.h"
#include "printing/forms/ReportOutput.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "trade/SatisDokumu.h"
#include "trade/forms/TFormAlIrsSorKon.h"

namespace nimbo {

TFormAlisA::TFormAlisA(double no, bool readOnly, QWidget* parent)
    : TicariBelgeFormu(std::make_unique<AlisBelgesi>(SessionContext::current().db()), QStringLiteral("Alış"), 6,
                       readOnly, parent)
{
    setObjectName(QStringLiteral("TFormAlisA"));
    kur(no);
}

QList<LineColumn> TFormAlisA::ekKalemKolonlari()
{
    using K = LineColumn::Kind;
    LineColumn var{QStringLiteral("OTV_VARMI"), QStringLiteral("Ötv Varmı?"), 60, K::Choice};
    var.choices = {PickItem{QStringLiteral("Var"), QStringLiteral("V")}, PickItem{QStringLiteral("Yok"), QStringLiteral("Y")}};
    LineColumn otv{QStringLiteral("OTV"), QStringLiteral("ÖTV"), 45, K::Number};
    LineColumn tut{QStringLiteral("OTVTUT"), QStringLiteral("ÖTV Tutarı"), 75, K::Number, 2};
    tut.readOnly = true;
    if (saltOkunur())
        var.readOnly = otv.readOnly = true;
    return {var, otv, tut};
}

QList<TotalsPanel::Field> TFormAlisA::ekToplamlar()
{
    return {{QStringLiteral("OTV_TUTAR"), QStringLiteral("ÖTV TL")}};
}

QList<double> TFormAlisA::irsaliyeSec(const QString& cariKod) { return TFormAlIrsSorKon::sec(this, cariKod); }

void TFormAlisA::yazdir(QWidget* parent, double alisNo, const QString& output)
{
    ReportOutput::send(SatisDokumu::olustur(SessionContext::current().db(), alisNo, TicariTaraf::alis()), output,
                       QStringLiteral("TFormAlisA"), QStringLiteral("Fatura"), parent);
}

void TFormAlisA::print()
{
    if (belge().isNew() || belge().isModified()) {
        Prompter::instance().warn(QStringLiteral("Lütfen Önce Kaydı Saklayınız."));
        return;
    }
    yazdir(this, belge().key().toDouble());
}

} // namespace nimbo
