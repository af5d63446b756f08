#pragma once
#include "printing/forms/ReportMenu.h"

#include <QToolButton>

class QTableView;

namespace nimbo {

// "Yazdır / Önizle / Dışa Aktar" for any window with a grid: a button that previews when
// pressed and opens the ReportMenu (printer, PDF, Word, Excel, Text, page setup,
// templates) from its arrow. Give it the grid, or a function that builds the report:
//
//   auto* b = new ReportMenuButton(QStringLiteral("DovizBr"), QStringLiteral("Döviz Listesi"), ui.grid, this);
//   buttonRow->addWidget(b);
//
// Windows derived from ListWindow need nothing: their "Yazdır" and "Aktar" buttons
// already reach the same outputs.
class ReportMenuButton : public QToolButton {
    Q_OBJECT
public:
    ReportMenuButton(const QString& unit, const QString& title, QTableView* view, QWidget* parent = nullptr);
    ReportMenuButton(const QString& unit, std::function<ReportModel()> build, QWidget* parent = nullptr);

    ReportMenu* reportMenu() const { return m_menu; }
    void run(const QString& output) { m_menu->run(output); }

private:
    ReportMenu* m_menu;
};

} // namespace nimbo
