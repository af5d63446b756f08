#pragma once
#include <QList>
#include <QString>
#include <functional>

namespace nimbo {

// Something a saved document offers once its transaction is committed: posting to the
// ledger, the serial-number warning, printing. The window runs them in order; with a
// question, only after Yes.
struct AfterCommitStep {
    enum class Kind { Ledger, Serial, Print, Other };
    Kind kind = Kind::Other;
    QString question; // empty: run without asking
    std::function<void()> run;
};

// Runs the steps through the Prompter (the same in a window and in a test).
void runAfterCommitSteps(const QList<AfterCommitStep>& steps);

} // namespace nimbo
