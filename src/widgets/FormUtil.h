#pragma once

class QWidget;
class QLineEdit;

namespace nimbo {

// Enter in an edit or box of the window moves to the next control, as in every dialog here.
void enterMovesFocus(QWidget* window);

} // namespace nimbo
