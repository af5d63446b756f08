#include "printing/forms/ReportMenu.h"
#include "db/Errors.h"
#include "printing/TemplateStore.h"
#include "printing/forms/ReportOutput.h"
#include "printing/forms/SayfaAyarla.h"
#include "printing/forms/TemplateDesigner.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "widgets/ErrorPresenter.h"

#include <QHash>

namespace nimbo {

namespace {
const QString kReportName = QStringLiteral("Liste");

QHash<QString, QString>& chosenTemplates()
{
    static QHash<QString, QString> h;
    return h;
}
} // namespace

ReportMenu::ReportMenu(const QString& unit, std::function<ReportModel()> build, QWidget* parent)
    : QMenu(parent), m_unit(unit), m_build(std::move(build))
{
    setObjectName(QStringLiteral("ReportMenu"));
    const QList<std::pair<QString, QString>> entries = {
        {QStringLiteral("Önizleme"), QStringLiteral("Önizleme")},
        {QStringLiteral("Yazıcıya Gönder"), QStringLiteral("Yazıcı")},
        {QStringLiteral("PDF Olarak Sakla"), QStringLiteral("PDF")},
        {QStringLiteral("Worde Aktar"), QStringLiteral("Word")},
        {QStringLiteral("Excele Aktar"), QStringLiteral("Excel")},
        {QStringLiteral("Metin Belgesi Olarak Sakla"), QStringLiteral("Text")}};
    for (const auto& [caption, output] : entries)
        addAction(caption, this, [this, output] { run(output); })->setData(output);
    addSeparator();
    addAction(QStringLiteral("Sayfa Ayarı"), this, [this] { run(QStringLiteral("Sayfa Ayarı")); });
    m_templates = addMenu(QStringLiteral("Rapor Şablonu"));
    connect(m_templates, &QMenu::aboutToShow, this, &ReportMenu::fillTemplates);
    addAction(QStringLiteral("Şablon Tasarla..."), this, [this] { run(QStringLiteral("Tasarla")); });
}

QString ReportMenu::unitOf(const QWidget* window)
{
    QString name = window ? window->objectName() : QString();
    if (name.isEmpty() && window) {
        name = QString::fromLatin1(window->metaObject()->className());
        name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
    }
    return name.left(21); // RBSAYFA.PASADI is the narrower key
}

QString ReportMenu::templateName() const { return chosenTemplates().value(m_unit); }
void ReportMenu::setTemplateName(const QString& name) { chosenTemplates().insert(m_unit, name); }

void ReportMenu::fillTemplates()
{
    m_templates->clear();
    QStringList names;
    ErrorPresenter::run([&] { names = TemplateStore(SessionContext::current().db()).names(m_unit); });
    auto add = [this](const QString& caption, const QString& name) {
        QAction* a = m_templates->addAction(caption, this, [this, name] {
            setTemplateName(name);
            run(QStringLiteral("Önizleme"));
        });
        a->setCheckable(true);
        a->setChecked(templateName() == name);
    };
    add(QStringLiteral("Standart"), QString());
    for (const QString& n : names)
        add(n, n);
}

ReportModel ReportMenu::report() const
{
    ReportModel r = m_build ? m_build() : ReportModel{};
    if (!templateName().isEmpty())
        if (const auto t = TemplateStore(SessionContext::current().db()).load(m_unit, templateName()))
            t->applyTo(r);
    return r;
}

void ReportMenu::run(const QString& output)
{
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    try {
        if (output == QStringLiteral("Sayfa Ayarı")) {
            SayfaAyarla::run(m_unit, kReportName, QStringLiteral("Liste Sayfa Düzeni"), QString(), owner);
            return;
        }
        if (output == QLatin1String("Tasarla")) {
            TemplateDesigner dlg(SessionContext::current().db(), m_unit, m_build ? m_build() : ReportModel{},
                                 templateName(), owner);
            if (dlg.exec() == QDialog::Accepted)
                setTemplateName(dlg.templateName());
            return;
        }
        ReportOutput::send(report(), output, m_unit, kReportName, owner);
    } catch (...) {
        ErrorPresenter::show(std::current_exception());
    }
}

} // namespace nimbo
