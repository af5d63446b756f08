#include "printing/forms/ReportMenuButton.h"
#include "db/Errors.h"
#include "printing/TemplateStore.h"
#include "printing/forms/ReportOutput.h"
#include "printing/forms/SayfaAyarla.h"
#include "printing/forms/TemplateDesigner.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"

#include <QMenu>
#include <QTableView>

namespace nimbo {

namespace {
const QString kReportName = QStringLiteral("Liste");
}

ReportMenuButton::ReportMenuButton(const QString& unit, const QString& title, QTableView* view, QWidget* parent)
    : ReportMenuButton(unit, [view, title] { return ReportOutput::fromView(view, title); }, parent)
{
}

ReportMenuButton::ReportMenuButton(const QString& unit, std::function<ReportModel()> build, QWidget* parent)
    : QToolButton(parent), m_unit(unit), m_build(std::move(build))
{
    setObjectName(QStringLiteral("BtnYAZDIR"));
    setText(QStringLiteral("Yazdır"));
    setToolTip(QStringLiteral("Yazdır / Önizle / Dışa Aktar"));
    setPopupMode(QToolButton::MenuButtonPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    buildMenu();
    connect(this, &QToolButton::clicked, this, [this] { run(QStringLiteral("Önizleme")); });
}

void ReportMenuButton::buildMenu()
{
    auto* menu = new QMenu(this);
    const QList<std::pair<QString, QString>> entries = {
        {QStringLiteral("Önizleme"), QStringLiteral("Önizleme")}, {QStringLiteral("Yazıcıya Gönder"), QStringLiteral("Yazıcı")},
        {QStringLiteral("PDF Olarak Sakla"), QStringLiteral("PDF")}, {QStringLiteral("Worde Aktar"), QStringLiteral("Word")},
        {QStringLiteral("Excele Aktar"), QStringLiteral("Excel")},
        {QStringLiteral("Metin Belgesi Olarak Sakla"), QStringLiteral("Text")}};
    for (const auto& [caption, output] : entries)
        menu->addAction(caption, this, [this, output] { run(output); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("Sayfa Ayarı"), this, [this] { run(QStringLiteral("Sayfa Ayarı")); });
    m_templates = menu->addMenu(QStringLiteral("Rapor Şablonu"));
    connect(m_templates, &QMenu::aboutToShow, this, &ReportMenuButton::fillTemplates);
    menu->addAction(QStringLiteral("Şablon Tasarla..."), this, [this] { run(QStringLiteral("Tasarla")); });
    setMenu(menu);
}

void ReportMenuButton::fillTemplates()
{
    m_templates->clear();
    QStringList names;
    try {
        names = TemplateStore(SessionContext::current().db()).names(m_unit);
    } catch (const DbError&) {
    }
    auto add = [this](const QString& caption, const QString& name) {
        QAction* a = m_templates->addAction(caption, this, [this, name] {
            m_template = name;
            run(QStringLiteral("Önizleme"));
        });
        a->setCheckable(true);
        a->setChecked(m_template == name);
    };
    add(QStringLiteral("Standart"), QString());
    for (const QString& n : names)
        add(n, n);
}

ReportModel ReportMenuButton::report() const
{
    ReportModel r = m_build ? m_build() : ReportModel{};
    if (!m_template.isEmpty())
        if (const auto t = TemplateStore(SessionContext::current().db()).load(m_unit, m_template))
            t->applyTo(r);
    return r;
}

void ReportMenuButton::run(const QString& output)
{
    try {
        if (output == QLatin1String("Sayfa Ayarı")) {
            SayfaAyarla::run(m_unit, kReportName, QStringLiteral("Sayfa Ayarı"), QString(), window());
            return;
        }
        if (output == QLatin1String("Tasarla")) {
            TemplateDesigner dlg(SessionContext::current().db(), m_unit, m_build ? m_build() : ReportModel{},
                                 m_template, window());
            if (dlg.exec() == QDialog::Accepted)
                m_template = dlg.templateName();
            return;
        }
        ReportOutput::send(report(), output, m_unit, kReportName, window());
    } catch (const UserError& e) {
        Prompter::instance().error(e.message());
    } catch (const DbError& e) {
        Prompter::instance().error(QStringLiteral("Hata: ") + e.text());
    }
}

} // namespace nimbo
