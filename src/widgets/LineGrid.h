#pragma once
#include "widgets/LineGridModel.h"

#include <QTableView>

namespace nimbo {

// The editable line grid of a document window. Insert (or Down on the last line) adds a
// line with the document's defaults; Ctrl+Delete removes the current one through the
// document's removal checks; F4 or a double-click opens the column's pick list.
class LineGrid : public QTableView {
    Q_OBJECT
public:
    LineGrid(DocumentModel& doc, const QString& lines, const QList<LineColumn>& columns, QWidget* parent = nullptr);

    LineGridModel* lineModel() const { return m_model; }
    int addLine();
    bool removeCurrentLine();
    // Opens the pick list of the current cell; true when a value was taken.
    bool pickCurrent();
    void focusCell(int row, const QString& field);

Q_SIGNALS:
    void linesChanged(); // a value, a line added or removed

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    LineGridModel* m_model;
};

} // namespace nimbo
