#include "printing/forms/ListWindowPrinting.h"
#include "printing/forms/ReportMenu.h"
#include "widgets/ListReport.h"

#include <QCursor>

namespace nimbo {

void installListWindowPrinting()
{
    setListReportHandler([](QWidget* parent, const ReportModel& model, ListOutput how) {
        QWidget* window = parent ? parent->window() : nullptr;
        ReportMenu menu(ReportMenu::unitOf(window), [model] { return model; }, window);
        if (how == ListOutput::Preview)
            menu.run(QStringLiteral("Önizleme"));
        else
            menu.exec(QCursor::pos());
    });
}

} // namespace nimbo
