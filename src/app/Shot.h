#pragma once
#include <QString>

namespace nimbo {

// nimbo --shot WINDOW FILE.png [--user U --password P]: renders a window of the demo firm
// offscreen. WINDOW is "TFormFirmaSec", "TPassWordDlg", "MainForm" or any registered
// window's class name or caption. Returns the exit code.
int takeShot(const QString& window, const QString& file, const QString& user, const QString& password);

} // namespace nimbo
