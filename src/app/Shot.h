#pragma once
#include <QString>

namespace nimbo {

// nimbo --shot WINDOW FILE.png [--user U --password P] [--click BUTTON [--wait MS]]: renders a
// window of the demo firm offscreen. WINDOW is "TFormFirmaSec", "TPassWordDlg", "MainForm" or
// any registered window's class name or caption. With --click the button of that object name
// is pressed first and the window keeps running for MS milliseconds (default 3000), so that
// what the button starts (a download, a fill) shows in the picture. Returns the exit code.
int takeShot(const QString& window, const QString& file, const QString& user, const QString& password,
             const QString& click = {}, int waitMs = 3000);

} // namespace nimbo
