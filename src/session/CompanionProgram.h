#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace nimbo {

// The three programs beside this one: the general ledger, maintenance and barcode labels.
// Each is found running by its window title and brought to the front, or started with its
// executable name (a NIMBO.ini setting) and the launch parameter string.
class CompanionProgram {
public:
    enum class Kind { Ledger, Maintenance, BarcodeLabel };

    using Starter = std::function<bool(const QString& program, const QStringList& args)>;
    using Activator = std::function<bool(const QString& windowTitle)>;

    CompanionProgram();

    static QString windowTitle(Kind k);    // "Muhasebe", "Bakım Ve Destek", "Barkod Etiketi"
    static QString displayName(Kind k);    // for messages
    static QString settingKey(Kind k);     // key in section "PROGRAMLAR" of NIMBO.ini
    static QString defaultExecutable(Kind k);
    // The configured executable name; the default is written into NIMBO.ini on first use
    // so that the key is there to edit.
    static QString executable(Kind k);
    // A path that can be started: absolute as set, else beside this program, in the
    // installation's program path or on PATH. Empty when there is none.
    static QString resolve(const QString& name, const QString& programPath = {});

    // Brings a running instance to the front or starts one; a clear message when neither
    // works. True when the program is (now) running.
    bool run(Kind k, const QString& launchParameters) const;

    void setProgramPath(const QString& p) { m_programPath = p; }
    // Tests replace how programs are started and windows found.
    void setStarter(Starter s) { m_start = std::move(s); }
    void setActivator(Activator a) { m_activate = std::move(a); }

    // On X11 through wmctrl or xdotool when one is installed; false otherwise.
    static bool activateByTitle(const QString& title);
    static bool startDetached(const QString& program, const QStringList& args);

private:
    QString m_programPath;
    Starter m_start;
    Activator m_activate;
};

} // namespace nimbo
