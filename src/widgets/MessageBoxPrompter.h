#pragma once
#include "services/Prompter.h"

namespace nimbo {

// Message boxes with the application title.
class MessageBoxPrompter : public Prompter {
public:
    void warn(const QString& text) override;
    void info(const QString& text) override;
    void error(const QString& text) override;
    bool ask(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    void trace(const QString& text) override;
};

} // namespace nimbo
