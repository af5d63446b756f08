#pragma once
#include <QString>
#include <QStringList>

namespace nimbo {

// "He&sap Makinesi": the desktop's calculator, whichever of the usual ones is installed.
class DesktopCalculator {
public:
    static QStringList candidates();
    // The first candidate found on PATH; empty when none is installed.
    static QString find();
    // Starts it, or says that there is none. True when one was started.
    static bool start();
};

} // namespace nimbo
