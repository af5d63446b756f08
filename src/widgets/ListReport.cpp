#include "widgets/ListReport.h"

#include <QFile>
#include <QFileDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace nimbo {

namespace {
ListReportHandler& handler()
{
    static ListReportHandler h;
    return h;
}

QString html(const ReportModel& m)
{
    QString s = QStringLiteral("<h3>%1</h3>").arg(m.title.toHtmlEscaped());
    for (const QString& h : m.headings)
        s += QStringLiteral("<div>%1</div>").arg(h.toHtmlEscaped());
    s += QStringLiteral("<table border=1 cellspacing=0 cellpadding=2 width=100%><tr>");
    const QList<int> cols = m.visibleColumns();
    for (int c : cols)
        s += QStringLiteral("<th>%1</th>").arg(m.columns.at(c).title.toHtmlEscaped());
    s += QStringLiteral("</tr>");
    for (int r = 0; r < m.rows.size(); ++r) {
        s += QStringLiteral("<tr>");
        for (int c : cols)
            s += QStringLiteral("<td>%1</td>").arg(m.cellText(r, c).toHtmlEscaped());
        s += QStringLiteral("</tr>");
    }
    return s + QStringLiteral("</table>");
}

// FALLBACK until the printing subsystem installs its handler: preview through a plain text
// document, export as tab-separated text.
void fallback(QWidget* parent, const ReportModel& m, ListOutput how)
{
    if (how == ListOutput::Preview) {
        QPrinter printer;
        QPrintPreviewDialog dlg(&printer, parent);
        QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg, [&m](QPrinter* p) {
            QTextDocument doc;
            doc.setHtml(html(m));
            doc.print(p);
        });
        dlg.exec();
        return;
    }
    const QString file = QFileDialog::getSaveFileName(parent, m.title, QString(),
                                                      QStringLiteral("Metin Belgesi (*.txt)"));
    if (file.isEmpty())
        return;
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QStringList head;
    const QList<int> cols = m.visibleColumns();
    for (int c : cols)
        head << m.columns.at(c).title;
    f.write((head.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8());
    for (int r = 0; r < m.rows.size(); ++r) {
        QStringList cells;
        for (int c : cols)
            cells << m.cellText(r, c);
        f.write((cells.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8());
    }
}
} // namespace

void setListReportHandler(ListReportHandler h) { handler() = std::move(h); }

void runListReport(QWidget* parent, const ReportModel& model, ListOutput how)
{
    if (handler())
        handler()(parent, model, how);
    else
        fallback(parent, model, how);
}

} // namespace nimbo
