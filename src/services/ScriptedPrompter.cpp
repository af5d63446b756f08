#include "services/ScriptedPrompter.h"

namespace nimbo {

namespace {
const char* kindName(ScriptedPrompter::Kind k)
{
    switch (k) {
    case ScriptedPrompter::Kind::Warn: return "warn";
    case ScriptedPrompter::Kind::Info: return "info";
    case ScriptedPrompter::Kind::Error: return "error";
    case ScriptedPrompter::Kind::Ask: return "ask";
    case ScriptedPrompter::Kind::AskYesNoCancel: return "askYesNoCancel";
    case ScriptedPrompter::Kind::Trace: return "trace";
    }
    return "?";
}

bool matches(const QString& expected, const QString& actual)
{
    if (expected.endsWith(QLatin1Char('*')))
        return actual.startsWith(expected.chopped(1));
    return expected == actual;
}
} // namespace

ScriptedPrompter& ScriptedPrompter::expect(Kind kind, const QString& text, Answer answer)
{
    m_expected.append({kind, text, answer});
    return *this;
}

Prompter::Answer ScriptedPrompter::take(Kind kind, const QString& text)
{
    m_shown << text;
    if (!m_expected.isEmpty() && m_expected.first().kind == kind && matches(m_expected.first().text, text))
        return m_expected.takeFirst().answer;
    m_unexpected << QStringLiteral("%1: %2").arg(QLatin1String(kindName(kind)), text);
    return kind == Kind::Ask || kind == Kind::AskYesNoCancel ? Answer::No : Answer::Yes;
}

QStringList ScriptedPrompter::unused() const
{
    QStringList out;
    for (const Entry& e : m_expected)
        out << QStringLiteral("%1: %2").arg(QLatin1String(kindName(e.kind)), e.text);
    return out;
}

void ScriptedPrompter::clear()
{
    m_expected.clear();
    m_shown.clear();
    m_unexpected.clear();
}

} // namespace nimbo
