#include "session/DesktopCalculator.h"
#include "services/Prompter.h"

#include <QProcess>
#include <QStandardPaths>

namespace nimbo {

QStringList DesktopCalculator::candidates()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),    QStringLiteral("galculator"),
            QStringLiteral("mate-calc"),        QStringLiteral("qalculate-gtk"), QStringLiteral("qalculate-qt"),
            QStringLiteral("xcalc")};
}

QString DesktopCalculator::find()
{
    for (const QString& c : candidates()) {
        const QString p = QStandardPaths::findExecutable(c);
        if (!p.isEmpty())
            return p;
    }
    return {};
}

bool DesktopCalculator::start()
{
    const QString p = find();
    if (p.isEmpty()) {
        Prompter::instance().warn(QStringLiteral("Bu bilgisayarda hesap makinesi programı bulunamadı.\n"
                                                 "gnome-calculator, kcalc, galculator veya xcalc kurunuz."));
        return false;
    }
    if (!QProcess::startDetached(p, {})) {
        Prompter::instance().warn(QStringLiteral("Hesap makinesi başlatılamadı: ") + p);
        return false;
    }
    return true;
}

} // namespace nimbo
