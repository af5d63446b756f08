#pragma once
#include <QObject>
#include <QSqlRecord>
#include <QString>

#include <functional>

class QPushButton;

namespace nimbo {

class ListWindow;

// A list window's print command for the document on the current row ("Makbuz Yazdır",
// "Fatura Yazdır"): a button beside the list's commands that previews it, and run() for
// any other output. An empty list prints nothing; a failure is shown as every list shows it.
class RowPrintCommand : public QObject {
public:
    using Print = std::function<void(const QSqlRecord& row, const QString& output)>;

    RowPrintCommand(ListWindow* list, const QString& caption, const QString& objectName, Print print);

    void run(const QString& output = QStringLiteral("Önizleme")) const;
    QPushButton* button() const { return m_button; }

private:
    ListWindow* m_list;
    Print m_print;
    QPushButton* m_button;
};

} // namespace nimbo
