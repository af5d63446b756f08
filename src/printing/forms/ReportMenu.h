#pragma once
#include "printing/ReportModel.h"

#include <QMenu>
#include <functional>

namespace nimbo {

// The printing menu of a list window: preview, printer, PDF, Word, Excel, Text, the page
// setup, the window's report templates and the template designer. The template a user
// picks stays chosen for that window until the program ends.
class ReportMenu : public QMenu {
    Q_OBJECT
public:
    ReportMenu(const QString& unit, std::function<ReportModel()> build, QWidget* parent = nullptr);

    // The report with the chosen template applied.
    ReportModel report() const;
    // One entry: an output of ReportOutput::send, "Sayfa Ayarı" or "Tasarla".
    void run(const QString& output);

    QString unit() const { return m_unit; }
    QString templateName() const;
    void setTemplateName(const QString& name);

    // A unit name that fits MSAYFA and RBSAYFA, from a window's object or class name.
    static QString unitOf(const QWidget* window);

private:
    void fillTemplates();

    QString m_unit;
    std::function<ReportModel()> m_build;
    QMenu* m_templates;
};

} // namespace nimbo
