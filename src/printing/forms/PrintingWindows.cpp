#include "printing/forms/PrintingWindows.h"
#include "printing/forms/ListWindowPrinting.h"
#include "printing/forms/TFormSayfaAyarBr.h"
#include "widgets/WindowRegistry.h"

namespace nimbo {

void registerPrintingWindows(WindowRegistry& r)
{
    installListWindowPrinting();
    WindowEntry e;
    e.caption = QStringLiteral("Sayfa Ayarları");
    e.className = QStringLiteral("TFormSayfaAyarBr");
    e.create = [](QWidget* parent, const WindowArgs&) -> QWidget* { return new TFormSayfaAyarBr(parent); };
    r.add(e);
}

} // namespace nimbo
