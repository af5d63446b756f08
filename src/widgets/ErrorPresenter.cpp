#include "widgets/ErrorPresenter.h"
#include "db/Errors.h"
#include "model/FieldError.h"
#include "services/Prompter.h"

namespace nimbo {

bool ErrorPresenter::run(const std::function<void()>& f, DbText dbText, const Focus& focus)
{
    try {
        f();
        return true;
    } catch (const UserError&) {
        show(std::current_exception(), dbText, focus);
    } catch (const DbError&) {
        show(std::current_exception(), dbText, focus);
    }
    return false;
}

void ErrorPresenter::show(std::exception_ptr e, DbText dbText, const Focus& focus)
{
    Prompter& p = Prompter::instance();
    try {
        std::rethrow_exception(e);
    } catch (const FieldError& x) {
        switch (x.kind()) {
        case FieldError::Kind::Warn: p.warn(x.message()); break;
        case FieldError::Kind::Info: p.info(x.message()); break;
        case FieldError::Kind::Error: p.error(x.message()); break;
        }
        if (focus && !x.column().isEmpty())
            focus(x.column(), x.line());
    } catch (const UserError& x) {
        p.warn(x.message());
    } catch (const DbError& x) {
        if (dbText == Store)
            p.warn(postErrorMessage(x.sqlError()));
        else
            p.error(QStringLiteral("Hata:") + x.text());
    }
}

} // namespace nimbo
