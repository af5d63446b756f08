#include "app/AllWindows.h"
#include "session/HelpFile.h"
#include "widgets/WindowRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace nimbo;

namespace {
QString readAll(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Windows that are not opened through the registry: the start, and the printing dialogs.
const char* const kOtherWindows[][2] = {{"TFormVeriTabLogin", "Veri Tabanı Açılışı"},
                                        {"TFormFirmaSec", "Firma Seçimi"},
                                        {"TPassWordDlg", "Şifre Onay"},
                                        {"MainForm", "Ana form"},
                                        {"SayfaAyarla", "Sayfa Ayarı"},
                                        {"TemplateDesigner", "Rapor Tasarımı"}};
} // namespace

// Every window a user can open has its own page in the guide, reachable from the index, in
// Turkish and naming the window by its caption; F1 finds it by the window's class name.
TEST(HelpGuide, EveryWindowHasItsPageLinkedFromTheIndex)
{
    registerAllWindows();
    const QString index = HelpFile::path();
    ASSERT_FALSE(index.isEmpty()) << "the guide is neither beside the binaries nor in docs/help";
    const QString dir = QFileInfo(index).absolutePath();
    const QString indexHtml = readAll(index);

    QList<QPair<QString, QString>> windows;
    for (const auto& w : kOtherWindows)
        windows.append({QString::fromUtf8(w[0]), QString::fromUtf8(w[1])});
    for (const WindowEntry& e : WindowRegistry::instance().all())
        windows.append({e.className, e.caption});
    ASSERT_GT(windows.size(), 20);

    for (const auto& [cls, caption] : windows) {
        SCOPED_TRACE(cls.toStdString());
        const QString file = QDir(dir).filePath(cls + QStringLiteral(".html"));
        ASSERT_TRUE(QFileInfo::exists(file)) << "no help page for " << caption.toStdString();
        EXPECT_EQ(HelpFile::pageFor(cls), file);
        const QString html = readAll(file);
        EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"tr\">")));
        EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        EXPECT_TRUE(html.contains(QStringLiteral("<h1>") + caption + QStringLiteral("</h1>")))
            << "the page's heading is not the caption " << caption.toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"index.html\"")));
        EXPECT_TRUE(indexHtml.contains(QStringLiteral("href=\"") + cls + QStringLiteral(".html\"")))
            << "the index does not link " << cls.toStdString();
    }
    // A window without a page of its own falls back to the index.
    EXPECT_EQ(HelpFile::pageFor(QStringLiteral("TFormYokBoyle")), index);
}

// No page of the guide links to a page or an anchor that does not exist.
TEST(HelpGuide, EveryLinkOfTheGuideResolves)
{
    const QString dir = QFileInfo(HelpFile::path()).absolutePath();
    ASSERT_FALSE(dir.isEmpty());
    const QStringList pages = QDir(dir).entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GT(pages.size(), 20);
    const QRegularExpression href(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    const QRegularExpression id(QStringLiteral("\\bid=\"([^\"]+)\""));
    QHash<QString, QSet<QString>> anchors;
    for (const QString& p : pages)
        for (const auto& m : id.globalMatch(readAll(QDir(dir).filePath(p))))
            anchors[p].insert(m.captured(1));

    QSet<QString> linked{QStringLiteral("index.html")};
    for (const QString& p : pages) {
        for (const auto& m : href.globalMatch(readAll(QDir(dir).filePath(p)))) {
            const QString target = m.captured(1);
            if (target.startsWith(QStringLiteral("http")))
                continue;
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString anchor = target.section(QLatin1Char('#'), 1);
            const QString page = file.isEmpty() ? p : file;
            EXPECT_TRUE(QFileInfo::exists(QDir(dir).filePath(page))) << p.toStdString() << " -> " << target.toStdString();
            if (!anchor.isEmpty())
                EXPECT_TRUE(anchors.value(page).contains(anchor)) << p.toStdString() << " -> " << target.toStdString();
            linked.insert(page);
        }
    }
    // Every page can be reached from some other page.
    for (const QString& p : pages)
        EXPECT_TRUE(linked.contains(p)) << p.toStdString() << " is linked from nowhere";
}
