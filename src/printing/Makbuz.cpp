#include "printing/Makbuz.h"
#include "printing/AmountInWords.h"
#include "services/SessionContext.h"

namespace nimbo {

ReportModel Makbuz::model() const
{
    const SessionContext& s = SessionContext::current();
    ReportModel m;
    m.title = baslik;
    m.headerLeft = s.param.kimlik.ad.isEmpty() ? s.FirmaAdi : s.param.kimlik.ad;
    m.headings = basliklar;
    m.columns = kolonlar;
    m.rows = satirlar;
    // One receipt is one page: no page or carried totals, the grand total and its words.
    m.pageTotals = false;
    m.carriedTotals = false;
    m.amountInWords = YaziylaTutar(toplam);
    m.signatures = imzalar;
    return m;
}

} // namespace nimbo
