#pragma once
#include "services/Prompter.h"

namespace nimbo::demo {

// The demo types its documents on past days: the "different date" notice is expected and
// every question is answered yes, as the clerk who typed them did.
class DemoPrompter : public Prompter {
public:
    void warn(const QString&) override {}
    void info(const QString&) override {}
    void error(const QString& text) override { qWarning("%s", qUtf8Printable(text)); }
    bool ask(const QString&) override { return true; }
    Answer askYesNoCancel(const QString&) override { return Answer::Yes; }
};

} // namespace nimbo::demo
