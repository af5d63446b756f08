#include "widgets/LineGrid.h"
#include "widgets/GridColumnFit.h"
#include "model/DocumentModel.h"
#include "widgets/ErrorPresenter.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QHeaderView>
#include <memory>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace nimbo {

namespace {

// Choice columns edit with a combo of their values.
class ChoiceDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& o, const QModelIndex& index) const override
    {
        auto* m = static_cast<const LineGridModel*>(index.model());
        const LineColumn& c = m->column(index.column());
        if (c.kind != LineColumn::Kind::Choice)
            return QStyledItemDelegate::createEditor(parent, o, index);
        auto* cb = new QComboBox(parent);
        for (const PickItem& p : c.choices)
            cb->addItem(p.text, p.value);
        return cb;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        if (auto* cb = qobject_cast<QComboBox*>(editor)) {
            cb->setCurrentIndex(cb->findData(index.data(Qt::EditRole).toString()));
            if (cb->currentIndex() < 0)
                cb->setCurrentIndex(cb->findData(index.data(Qt::EditRole)));
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* cb = qobject_cast<QComboBox*>(editor)) {
            model->setData(index, cb->currentData(), Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

} // namespace

LineGrid::LineGrid(DocumentModel& doc, const QString& lines, const QList<LineColumn>& columns, QWidget* parent)
    : QTableView(parent), m_model(new LineGridModel(doc, lines, columns, this))
{
    setObjectName(QStringLiteral("Grid") + lines);
    setModel(m_model);
    setItemDelegate(new ChoiceDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::SelectedClicked);
    verticalHeader()->setDefaultSectionSize(22);
    for (int i = 0; i < columns.size(); ++i)
        setColumnWidth(i, columns[i].width);
    GridColumnFit::fitHeadings(this);
    // The lines of an opened document set the widths once; later edits keep them.
    auto fitted = std::make_shared<bool>(false);
    auto fitOnce = [this, fitted] {
        if (!*fitted && m_model->rowCount() > 0) {
            GridColumnFit::fitValues(this);
            *fitted = true;
        }
    };
    fitOnce();
    connect(m_model, &QAbstractItemModel::modelReset, this, fitOnce);
    connect(m_model, &LineGridModel::edited, this, &LineGrid::linesChanged);
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (m_model->column(i.column()).pick)
            pickCurrent();
    });
}

int LineGrid::addLine()
{
    const int row = m_model->document().addLine(m_model->lines());
    m_model->reload();
    int first = 0;
    while (first < m_model->columnCount() - 1 && (m_model->flags(m_model->index(row, first)) & Qt::ItemIsEditable) == 0)
        ++first;
    setCurrentIndex(m_model->index(row, first));
    Q_EMIT linesChanged();
    return row;
}

bool LineGrid::removeCurrentLine()
{
    const int row = currentIndex().row();
    if (row < 0)
        return false;
    const bool ok = ErrorPresenter::run([&] { m_model->document().removeLine(m_model->lines(), row); });
    if (!ok)
        return false;
    m_model->reload();
    if (m_model->rowCount() > 0)
        setCurrentIndex(m_model->index(qMin(row, m_model->rowCount() - 1), currentIndex().column()));
    Q_EMIT linesChanged();
    return true;
}

bool LineGrid::pickCurrent()
{
    const QModelIndex i = currentIndex();
    if (!i.isValid())
        return false;
    const LineColumn& c = m_model->column(i.column());
    if (!c.pick || c.readOnly)
        return false;
    const QVariant v = c.pick(this, m_model->data(i, Qt::DisplayRole).toString());
    if (!v.isValid())
        return false;
    m_model->setData(i, v, Qt::EditRole);
    return true;
}

void LineGrid::focusCell(int row, const QString& field)
{
    const int c = m_model->columnOf(field);
    if (row < 0 || row >= m_model->rowCount())
        return;
    setFocus(Qt::OtherFocusReason);
    setCurrentIndex(m_model->index(row, c < 0 ? 0 : c));
}

void LineGrid::keyPressEvent(QKeyEvent* e)
{
    if (state() != QAbstractItemView::EditingState) {
        if (e->key() == Qt::Key_Insert || (e->key() == Qt::Key_Down && currentIndex().row() == m_model->rowCount() - 1)) {
            addLine();
            return;
        }
        if (e->key() == Qt::Key_Delete && (e->modifiers() & Qt::ControlModifier)) {
            removeCurrentLine();
            return;
        }
        if (e->key() == Qt::Key_F4) {
            pickCurrent();
            return;
        }
    }
    QTableView::keyPressEvent(e);
}

} // namespace nimbo
