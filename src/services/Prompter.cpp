#include "services/Prompter.h"

#include <cstdio>

namespace nimbo {

namespace {
std::unique_ptr<Prompter>& slot()
{
    static std::unique_ptr<Prompter> p = std::make_unique<ConsolePrompter>();
    return p;
}
void say(const char* kind, const QString& text)
{
    std::fprintf(stderr, "[%s] %s\n", kind, text.toUtf8().constData());
}
} // namespace

Prompter& Prompter::instance() { return *slot(); }

std::unique_ptr<Prompter> Prompter::install(std::unique_ptr<Prompter> p)
{
    std::unique_ptr<Prompter> old = std::move(slot());
    slot() = p ? std::move(p) : std::make_unique<ConsolePrompter>();
    return old;
}

void ConsolePrompter::warn(const QString& text) { say("uyarı", text); }
void ConsolePrompter::info(const QString& text) { say("bilgi", text); }
void ConsolePrompter::error(const QString& text) { say("hata", text); }
bool ConsolePrompter::ask(const QString& text)
{
    say("soru", text);
    return false;
}
Prompter::Answer ConsolePrompter::askYesNoCancel(const QString& text)
{
    say("soru", text);
    return Answer::Cancel;
}

} // namespace nimbo
