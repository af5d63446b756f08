#pragma once
#include <QString>

namespace nimbo {

// Where and how messages leave: the server, its port, the login and the transport rules.
struct SmtpSettings {
    enum class Security {
        Auto,        // port 465: TLS from the start; other ports: STARTTLS when the server offers it
        StartTls,    // STARTTLS required
        ImplicitTls, // TLS from the start (smtps)
        None         // plain text
    };
    enum class Auth { Any, Plain, Login };

    QString host;
    int port = 25;
    QString userName; // empty: no AUTH
    QString password;
    Security security = Security::Auto;
    Auth auth = Auth::Any;
    int connectTimeoutMs = 15000;
    int timeoutMs = 120000; // one whole message, connection included
    // Certificates to trust instead of the system's (a server with its own authority).
    QString caFile;
    bool verifyPeer = true;
};

} // namespace nimbo
