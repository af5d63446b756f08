#pragma once

class QTranslator;

namespace nimbo {

// Makes Qt's own texts Turkish: the translations of Qt's dialogs and widgets (Debian's
// qt6-translations-l10n: OK/Yes/No/Cancel, the print and file dialogs) and the Turkish locale
// as the default for dates, numbers and calendars. Returns the installed translator (owned by
// the application), or nullptr when Qt's Turkish catalogue is not installed.
QTranslator* useTurkishLocale();

} // namespace nimbo
