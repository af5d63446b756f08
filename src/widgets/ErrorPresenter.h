#pragma once
#include <QString>

#include <exception>
#include <functional>

namespace nimbo {

// The one place where a window shows what a domain call threw:
// - a FieldError with its kind (warning, information, error) and the cursor put in the
//   field (and line) it names, through the focus callback the window gives;
// - a UserError as a warning with its text;
// - a DbError as "Hata:" and the error text, or, for the store of a card, as one of the
//   three store texts ("Aynı Kodlu Kayıt Var.", "Gerekli Alanları Lüften Giriniz.",
//   "Diğer Kullanıcı bu kaydı değiştiriyor.").
//
//   if (!ErrorPresenter::run([&] { model.save(); }, ErrorPresenter::Store, focusField))
//       return; // shown; the window stays as it was
class ErrorPresenter {
public:
    enum DbText { ErrorText, Store };
    // Puts the cursor in the editor of a column (line -1) or in a grid cell.
    using Focus = std::function<void(const QString& column, int line)>;

    // Runs f; true when it ran through, else the failure was shown.
    static bool run(const std::function<void()>& f, DbText dbText = ErrorText, const Focus& focus = {});
    // Shows a caught exception (from a catch (...) block); rethrows what is not ours.
    static void show(std::exception_ptr e, DbText dbText = ErrorText, const Focus& focus = {});
};

} // namespace nimbo
