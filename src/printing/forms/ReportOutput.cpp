#include "printing/forms/ReportOutput.h"
#include "printing/forms/SayfaYazdir.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTableView>

namespace nimbo {

ReportOutput::Hooks& ReportOutput::hooks()
{
    static Hooks h = [] {
        Hooks d;
        d.saveFileName = [](QWidget* parent, const QString& title, const QString& ext) {
            const QString filter = QStringLiteral("%1 (*.%2)").arg(ext.toUpper(), ext);
            QFileDialog dlg(parent, title, QString(), filter);
            dlg.setAcceptMode(QFileDialog::AcceptSave);
            dlg.setDefaultSuffix(ext);
            return dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty() ? dlg.selectedFiles().first()
                                                                                     : QString();
        };
        d.preview = [](QPrintPreviewDialog& dlg) { dlg.exec(); };
        d.choosePrinter = [](QPrinter& printer, QWidget* parent) {
            QPrintDialog dlg(&printer, parent);
            return dlg.exec() == QDialog::Accepted;
        };
        return d;
    }();
    return h;
}

ReportModel ReportOutput::fromModel(const QAbstractItemModel* model, const QString& title, const ReportOptions& o)
{
    return reportFromModel(model, title, o);
}

ReportModel ReportOutput::fromView(const QTableView* view, const QString& title, ReportOptions o)
{
    if (!view || !view->model())
        return reportFromModel(nullptr, title, o);
    const QHeaderView* h = view->horizontalHeader();
    if (o.columns.isEmpty())
        for (int v = 0; v < h->count(); ++v) {
            const int logical = h->logicalIndex(v);
            if (!view->isColumnHidden(logical))
                o.columns << logical;
        }
    ReportModel r = reportFromModel(view->model(), title, o);
    // Screen pixels to millimetres at the screen's resolution, never narrower than the text needs.
    const double pxPerMm = view->logicalDpiX() / 25.4;
    for (int i = 0; i < r.columns.size(); ++i)
        r.columns[i].widthMm =
            qRound(qMax(r.columns[i].widthMm * 0.8, view->columnWidth(o.columns[i]) / pxPerMm) * 10) / 10.0;
    return r;
}

bool ReportOutput::send(ReportModel report, const QString& output, const QString& unit, const QString& reportName,
                        QWidget* parent)
{
    return SayfaYazdir(report, unit, reportName, output, parent);
}

} // namespace nimbo
