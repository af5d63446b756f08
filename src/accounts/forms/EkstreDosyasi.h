#pragma once
#include "accounts/forms/CariEkstreRaporu.h"
#include "mail/MailMessage.h"

namespace nimbo {

// A printed statement written to a file for a message: the statement's page setup
// applied, exported by the report output in the chosen format, and read back whole.
class EkstreDosyasi {
public:
    // Formats offered for the file: caption and report output ("PDF", "Word", "Text", "Excel").
    static QList<QPair<QString, QString>> bicimler();

    // Writes folder/stem.<extension> and returns it as an attachment. Throws UserError when
    // the file cannot be written.
    static MailAttachment yaz(ReportModel report, const QString& format, const QString& folder, const QString& stem);

    // The statement of an account in one of the printed forms; doviz is the currency of a
    // one-currency statement. The firm's USD and EUR codes come from the session.
    static ReportModel rapor(const Db& db, const QString& kod, const CariEkstreFiltre& f, CariEkstreRaporu::Bicim b,
                             const QString& doviz = {});
};

} // namespace nimbo
