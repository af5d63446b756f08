#pragma once
#include <QString>
#include <QStringList>
#include <memory>

namespace nimbo {

// Every message the program shows goes through here. Windows install a message-box
// implementation; tests install a ScriptedPrompter.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    virtual void warn(const QString& text) = 0;   // warning, OK
    virtual void info(const QString& text) = 0;   // information, OK
    virtual void error(const QString& text) = 0;  // error, OK
    virtual bool ask(const QString& text) = 0;    // Yes/No
    virtual Answer askYesNoCancel(const QString& text) = 0;
    // A plain box with a short word ("-d" trace mode).
    virtual void trace(const QString& text) { info(text); }

    static Prompter& instance();
    // Takes ownership; returns the previous one.
    static std::unique_ptr<Prompter> install(std::unique_ptr<Prompter> p);
};

// Writes to stderr and answers No to every question: for tools without a display.
class ConsolePrompter : public Prompter {
public:
    void warn(const QString& text) override;
    void info(const QString& text) override;
    void error(const QString& text) override;
    bool ask(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
};

} // namespace nimbo
