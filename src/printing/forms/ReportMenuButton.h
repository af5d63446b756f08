#pragma once
#include "printing/ReportModel.h"

#include <QToolButton>
#include <functional>

class QTableView;

namespace nimbo {

// "Yazdır / Önizle / Dışa Aktar" for any list window: a button whose menu previews,
// prints, writes PDF, Word, Excel and Text, opens the page setup and the window's
// report templates. Give it the grid, or a function that builds the report:
//
//   auto* b = new ReportMenuButton(QStringLiteral("DovizBr"), QStringLiteral("Döviz Listesi"), ui.grid, this);
//   buttonRow->addWidget(b);
class ReportMenuButton : public QToolButton {
    Q_OBJECT
public:
    ReportMenuButton(const QString& unit, const QString& title, QTableView* view, QWidget* parent = nullptr);
    ReportMenuButton(const QString& unit, std::function<ReportModel()> build, QWidget* parent = nullptr);

    // The report with the chosen template (if any) applied.
    ReportModel report() const;
    // Runs one entry of the menu: an output of ReportOutput::send, "Sayfa Ayarı", "Tasarla".
    void run(const QString& output);
    void setTemplateName(const QString& name) { m_template = name; }
    QString templateName() const { return m_template; }

private:
    void buildMenu();
    void fillTemplates();

    QString m_unit;
    std::function<ReportModel()> m_build;
    QString m_template;
    class QMenu* m_templates = nullptr;
};

} // namespace nimbo
