#pragma once
#include <QStringList>

namespace nimbo {

// SunucuAra: the candidate hosts that accept a TCP connection on the database port
// within the timeout. Candidates come from NIMBO.ini; address ranges are never scanned.
QStringList SunucuAra(const QStringList& candidates, int port, int timeoutMs = 1000);
QStringList SunucuAra(); // candidates and port from NIMBO.ini

} // namespace nimbo
