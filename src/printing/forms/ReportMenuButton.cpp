#include "printing/forms/ReportMenuButton.h"
#include "printing/forms/ReportOutput.h"

#include <QTableView>

namespace nimbo {

ReportMenuButton::ReportMenuButton(const QString& unit, const QString& title, QTableView* view, QWidget* parent)
    : ReportMenuButton(unit, [view, title] { return ReportOutput::fromView(view, title); }, parent)
{
}

ReportMenuButton::ReportMenuButton(const QString& unit, std::function<ReportModel()> build, QWidget* parent)
    : QToolButton(parent), m_menu(new ReportMenu(unit, std::move(build), this))
{
    setObjectName(QStringLiteral("BtnYAZDIR"));
    setText(QStringLiteral("Yazdır"));
    setToolTip(QStringLiteral("Yazdır / Önizle / Dışa Aktar"));
    setPopupMode(QToolButton::MenuButtonPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setMenu(m_menu);
    connect(this, &QToolButton::clicked, this, [this] { m_menu->run(QStringLiteral("Önizleme")); });
}

} // namespace nimbo
