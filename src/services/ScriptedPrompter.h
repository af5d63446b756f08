#pragma once
#include "services/Prompter.h"

#include <QList>

namespace nimbo {

// For tests: the messages a flow must show, in order, with the answers to give.
// A message that was not expected, or one expected but never shown, is a failure
// (unexpected() and unused() report them; the test support turns them into test failures).
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Warn, Info, Error, Ask, AskYesNoCancel, Trace };
    struct Entry {
        Kind kind;
        QString text;
        Answer answer = Answer::Yes;
    };

    ScriptedPrompter& expect(Kind kind, const QString& text, Answer answer = Answer::Yes);
    ScriptedPrompter& expectWarn(const QString& t) { return expect(Kind::Warn, t); }
    ScriptedPrompter& expectInfo(const QString& t) { return expect(Kind::Info, t); }
    ScriptedPrompter& expectError(const QString& t) { return expect(Kind::Error, t); }
    ScriptedPrompter& expectAsk(const QString& t, bool yes) { return expect(Kind::Ask, t, yes ? Answer::Yes : Answer::No); }
    // Text match is exact unless the expected text ends with "*", which matches a prefix.

    void warn(const QString& text) override { take(Kind::Warn, text); }
    void info(const QString& text) override { take(Kind::Info, text); }
    void error(const QString& text) override { take(Kind::Error, text); }
    bool ask(const QString& text) override { return take(Kind::Ask, text) == Answer::Yes; }
    Answer askYesNoCancel(const QString& text) override { return take(Kind::AskYesNoCancel, text); }
    void trace(const QString& text) override { take(Kind::Trace, text); }

    const QStringList& shown() const { return m_shown; }       // every text shown, in order
    const QStringList& unexpected() const { return m_unexpected; }
    QStringList unused() const;
    void clear();

private:
    Answer take(Kind kind, const QString& text);
    QList<Entry> m_expected;
    QStringList m_shown;
    QStringList m_unexpected;
};

} // namespace nimbo
