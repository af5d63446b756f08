#pragma once
#include "db/AliasStore.h"

#include <QStringList>

namespace nimbo {

class MainForm;
class SessionContext;

// The start-up sequence with its dialogs. Returns the process exit code.
int runProgram(const QStringList& args);

// "&Firma Değiştir" during the run.
void changeFirm(MainForm& form, SessionContext& s, AliasStore& aliases);

// Opens the newest year of the first (or named) firm of the configured server and logs in
// without dialogs: for window shots and tools. False with the reason in *why.
bool openSessionQuietly(SessionContext& s, AliasStore& aliases, const QString& user, const QString& password,
                        QString* why = nullptr, const QString& firm = {});

} // namespace nimbo
