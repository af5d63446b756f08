#pragma once
#include "widgets/ErrorPresenter.h"

#include <functional>

class QDialog;

namespace nimbo {

// The save of an editing window (a card, a document), the same for all of them:
//
//   save():     before() (the window posts what its own editors hold; false stops, it has
//               said why) -> store() through the ErrorPresenter (a refusal focuses its
//               field, a database error shows the store texts) -> after() -> the window
//               closes with Accepted. Anything failing leaves the window open.
//   mayClose(): closing with unsaved changes asks "Kaydı Saklamak İstiyormusunuz?"; Yes
//               saves (and closes only when that worked), No closes without saving.
class SaveFlow {
public:
    struct Steps {
        std::function<bool()> before;
        std::function<void()> store;
        std::function<void()> after;
        std::function<bool()> modified;
        ErrorPresenter::Focus focus;
    };

    SaveFlow(QDialog* window, Steps steps) : m_window(window), m_steps(std::move(steps)) {}

    bool save();
    // False when the window must stay open (a failed save after Yes).
    bool mayClose();
    // Vazgeç: close without asking.
    void cancel() { m_done = true; }
    bool done() const { return m_done; }

private:
    QDialog* m_window;
    Steps m_steps;
    bool m_done = false;
};

} // namespace nimbo
