#include "trade/forms/TFormSatisA.h"
#include "printing/forms/ReportOutput.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "trade/SatisDokumu.h"
#include "trade/forms/TFormSatIrsSor.h"

namespace nimbo {

TFormSatisA::TFormSatisA(double no, bool readOnly, QWidget* parent)
    : TicariBelgeFormu(std::make_unique<SatisBelgesi>(SessionContext::current().db()), QStringLiteral("Satış"), 7,
                       readOnly, parent)
{
    setObjectName(QStringLiteral("TFormSatisA"));
    belge().setYazdirici([this](double n) { yazdir(this, n); });
    kur(no);
}

void TFormSatisA::ekButonlar(const std::function<void(const QString&, const QString&, std::function<void()>)>& ekle)
{
    ekle(QStringLiteral("Oto. Fat/İrs No.Yaz"), QStringLiteral("BtnOTONO"), [this] {
        guard([this] { belge().otomatikNumaralar(); });
        showDocument();
    });
}

QList<double> TFormSatisA::irsaliyeSec(const QString& cariKod) { return TFormSatIrsSor::sec(this, cariKod); }

void TFormSatisA::yazdir(QWidget* parent, double satisNo, const QString& output)
{
    ReportOutput::send(SatisDokumu::olustur(SessionContext::current().db(), satisNo), output,
                       QStringLiteral("TFormSatisA"), QStringLiteral("Fatura"), parent);
}

void TFormSatisA::print()
{
    if (belge().isNew() || belge().isModified()) {
        Prompter::instance().warn(QStringLiteral("Lütfen Önce Kaydı Saklayınız."));
        return;
    }
    // An empty invoice or dispatch number is filled before the document is printed.
    if (!saltOkunur() && ((belge().faturaKismi() && belge().headerText(QStringLiteral("FAT_NO")).isEmpty())
                    || (belge().irsaliyeKismi() && belge().headerText(QStringLiteral("IRS_NO")).isEmpty()))) {
        if (!guard([this] { belge().otomatikNumaralar(); }) || !save())
            return;
    }
    yazdir(this, belge().key().toDouble());
}

} // namespace nimbo
