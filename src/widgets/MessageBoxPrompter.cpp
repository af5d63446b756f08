#include "widgets/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace nimbo {

namespace {
QWidget* parentWidget() { return QApplication::activeWindow(); }
QString title() { return QApplication::applicationDisplayName(); }
} // namespace

void MessageBoxPrompter::warn(const QString& text) { QMessageBox::warning(parentWidget(), title(), text); }
void MessageBoxPrompter::info(const QString& text) { QMessageBox::information(parentWidget(), title(), text); }
void MessageBoxPrompter::error(const QString& text) { QMessageBox::critical(parentWidget(), title(), text); }
bool MessageBoxPrompter::ask(const QString& text)
{
    return QMessageBox::question(parentWidget(), title(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}
Prompter::Answer MessageBoxPrompter::askYesNoCancel(const QString& text)
{
    switch (QMessageBox::question(parentWidget(), title(), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}
void MessageBoxPrompter::trace(const QString& text)
{
    QMessageBox box(parentWidget());
    box.setWindowTitle(title());
    box.setText(text);
    box.exec();
}

} // namespace nimbo
