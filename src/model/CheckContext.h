#pragma once
#include <QString>
#include <functional>

namespace nimbo {

class DocumentModel;

// What a save check may do. Every message goes through the Prompter, so a scripted test
// pins their order; refuse() and a No to ask() stop the save (DocumentError).
class CheckContext {
public:
    explicit CheckContext(DocumentModel& document) : m_document(document) {}

    DocumentModel& document() { return m_document; }

    // Shows the warning and stops; the window focuses the column (of the line, when row >= 0).
    [[noreturn]] void refuse(const QString& message, const QString& column = {}, int row = -1,
                             const QString& lines = {});
    void warn(const QString& message);
    void inform(const QString& message);
    // Yes goes on; No stops the save with nothing more shown.
    void ask(const QString& question);

private:
    DocumentModel& m_document;
};

// One numbered check of a save, run in the order the document lists them.
struct SaveCheck {
    QString name;
    std::function<void(CheckContext&)> fn;
};

} // namespace nimbo
