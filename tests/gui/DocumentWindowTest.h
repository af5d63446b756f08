#pragma once
#include "support/WindowTest.h"
#include "widgets/LineGrid.h"
#include "widgets/LineGridModel.h"

namespace nimbo::test {

// A document window driven as a clerk does: a cell of its line grid typed into, and the
// rows it wrote read back.
class DocumentWindowTest : public WindowTest {
protected:
    static void cell(LineGrid* g, int row, const QString& field, const QVariant& v)
    {
        LineGridModel* m = g->lineModel();
        ASSERT_GE(m->columnOf(field), 0) << field.toStdString();
        const QModelIndex i = m->index(row, m->columnOf(field));
        g->setCurrentIndex(i);
        m->setData(i, v, Qt::EditRole);
    }
    int count(const QString& sql, const Params& p = {}) { return db.scalar(sql, p).toInt(); }
    double sum(const QString& sql, const Params& p = {}) { return db.scalar(sql, p).toDouble(); }
};

} // namespace nimbo::test
