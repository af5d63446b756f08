#include "app/Shot.h"
#include "db/AliasStore.h"
#include "ledger/forms/TFormMuhasebe.h"
#include "services/SessionContext.h"
#include "session/FirmSelection.h"
#include "session/NimboSettings.h"
#include "session/forms/MainForm.h"
#include "session/forms/StartupFlow.h"
#include "session/forms/TFormFirmaSec.h"
#include "session/forms/TPassWordDlg.h"
#include "widgets/WindowRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace nimbo {

namespace {
int save(QWidget* w, const QString& file, const QString& click = {}, int waitMs = 0)
{
    w->show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    if (!click.isEmpty()) {
        auto* b = w->findChild<QAbstractButton*>(click);
        if (!b) {
            std::fprintf(stderr, "Düğme bulunamadı: %s\n", click.toUtf8().constData());
            return 1;
        }
        b->click();
        QEventLoop loop;
        QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QTimer::singleShot(50, [] {});
    QApplication::processEvents();
    const QPixmap pix = w->grab();
    if (!pix.save(file)) {
        std::fprintf(stderr, "PNG yazılamadı: %s\n", file.toUtf8().constData());
        return 2;
    }
    std::printf("%s\n", file.toUtf8().constData());
    return 0;
}
} // namespace

int takeShot(const QString& window, const QString& file, const QString& user, const QString& password,
             const QString& click, int waitMs)
{
    SessionContext& s = SessionContext::current();
    AliasStore aliases;
    if (window == QLatin1String("TFormFirmaSec")) {
        s.ServerAdi = NimboSettings::serverAdi();
        FirmSelection sel(s, aliases, nullptr);
        if (!sel.prepare())
            return 1;
        TFormFirmaSec dlg(sel);
        return save(&dlg, file);
    }
    QString why;
    if (window == QLatin1String("TPassWordDlg")) {
        if (!openSessionQuietly(s, aliases, user, password, &why)) {
            std::fprintf(stderr, "%s\n", why.toUtf8().constData());
            return 1;
        }
        s.clearUser();
        TPassWordDlg dlg(s, s.db());
        dlg.prepare();
        return save(&dlg, file);
    }
    if (!openSessionQuietly(s, aliases, user, password, &why)) {
        std::fprintf(stderr, "%s\n", why.toUtf8().constData());
        return 1;
    }
    MainForm form(s);
    if (window == QLatin1String("MainForm"))
        return save(&form, file);
    if (window == QLatin1String("TFormMuhasebe")) {
        TFormMuhasebe muhasebe(s);
        return save(&muhasebe, file, click, waitMs);
    }
    const WindowEntry* e = WindowRegistry::instance().find(window);
    if (!e) {
        std::fprintf(stderr, "Bilinmeyen pencere: %s\n", window.toUtf8().constData());
        return 1;
    }
    std::unique_ptr<QWidget> w(e->create(nullptr, {}));
    if (!w)
        return 1;
    return save(w.get(), file, click, waitMs);
}

} // namespace nimbo
