#include "widgets/DocumentWindow.h"
#include "model/DocumentError.h"
#include "services/Prompter.h"
#include "widgets/ErrorPresenter.h"
#include "widgets/FieldBinder.h"
#include "widgets/FormUtil.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace nimbo {

DocumentWindow::DocumentWindow(std::unique_ptr<DocumentModel> doc, const QString& caption, QWidget* parent)
    : QDialog(parent), m_doc(std::move(doc))
{
    setWindowTitle(caption);
    setSizeGripEnabled(true);
}

DocumentWindow::~DocumentWindow()
{
    // The grids and totals read the document until they are gone.
    qDeleteAll(m_grids);
    m_grids.clear();
    delete m_totals;
}

void DocumentWindow::bindHeader(QLineEdit* e, const QString& column)
{
    m_editors.insert(column, e);
    if (const int n = declaredLength(m_doc->headerModel().table(), column))
        e->setMaxLength(n);
    connect(e, &QLineEdit::textEdited, this, [this, column](const QString& t) { headerEdited(column, t); });
}

void DocumentWindow::bindHeaderNumber(QLineEdit* e, const QString& column, int decimals)
{
    m_editors.insert(column, e);
    e->setProperty("decimals", decimals);
    e->setAlignment(Qt::AlignRight);
    connect(e, &QLineEdit::editingFinished, this, [this, e, column] {
        bool ok = false;
        const double v = QLocale(QLocale::Turkish).toDouble(e->text(), &ok);
        headerEdited(column, ok ? v : e->text().toDouble());
    });
}

void DocumentWindow::bindHeader(QDateEdit* e, const QString& column)
{
    m_editors.insert(column, e);
    e->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    e->setCalendarPopup(true);
    // As on the cards, the lowest date stands for "no date" and shows as a blank field.
    e->setMinimumDate(FieldBinder::emptyDate());
    e->setSpecialValueText(QStringLiteral(" "));
    connect(e, &QDateEdit::dateChanged, this, [this, column](const QDate& d) {
        headerEdited(column, d == FieldBinder::emptyDate() ? QVariant(QMetaType::fromType<QDate>()) : QVariant(d));
    });
}

void DocumentWindow::bindHeader(QComboBox* c, const QString& column)
{
    m_editors.insert(column, c);
    connect(c, &QComboBox::currentIndexChanged, this, [this, c, column] { headerEdited(column, c->currentData()); });
}

void DocumentWindow::headerEdited(const QString& column, const QVariant& v)
{
    if (m_filling)
        return;
    m_doc->setHeader(column, v);
    // A value may bring others with it (the rates and the dispatch date follow the invoice
    // date, the currency follows the account).
    showHeader(column);
    for (LineGrid* g : m_grids)
        g->lineModel()->reload();
    if (m_totals)
        m_totals->refresh();
}

LineGrid* DocumentWindow::addLineGrid(const QString& lines, const QList<LineColumn>& columns)
{
    auto* g = new LineGrid(*m_doc, lines, columns, this);
    m_grids.insert(lines, g);
    connect(g, &LineGrid::linesChanged, this, [this] {
        if (m_totals)
            m_totals->refresh();
    });
    return g;
}

TotalsPanel* DocumentWindow::addTotals(const QList<TotalsPanel::Field>& fields, int perRow)
{
    m_totals = new TotalsPanel(*m_doc, fields, perRow, this);
    return m_totals;
}

void DocumentWindow::showDocument()
{
    showHeader();
    for (LineGrid* g : m_grids)
        g->lineModel()->reload();
    if (m_totals)
        m_totals->refresh();
}

void DocumentWindow::showHeader(const QString& except)
{
    m_filling = true;
    const QLocale tr(QLocale::Turkish);
    for (auto it = m_editors.begin(); it != m_editors.end(); ++it) {
        QWidget* w = it.value();
        if (!w || it.key() == except)
            continue;
        const QVariant v = m_doc->header(it.key());
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            const QVariant dec = e->property("decimals");
            if (dec.isValid())
                e->setText(v.isNull() ? QString() : tr.toString(v.toDouble(), 'f', dec.toInt()));
            else
                e->setText(v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'f', 0)
                                                           : toText(v).trimmed());
        } else if (auto* d = qobject_cast<QDateEdit*>(w)) {
            const QDate t = toDate(v);
            d->setDate(t.isValid() && t > FieldBinder::emptyDate() ? t : FieldBinder::emptyDate());
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            c->setCurrentIndex(c->findData(v));
        }
    }
    m_filling = false;
}

bool DocumentWindow::guard(const std::function<void()>& f)
{
    try {
        f();
        return true;
    } catch (const DocumentError& e) {
        // The document has shown its message; only the cursor moves.
        if (e.row() >= 0) {
            if (LineGrid* g = m_grids.value(e.lines().isEmpty() ? DocumentModel::kItems : e.lines()))
                g->focusCell(e.row(), e.column());
        } else if (QWidget* w = m_editors.value(e.column())) {
            w->setFocus(Qt::OtherFocusReason);
        }
        return false;
    } catch (...) {
        return ErrorPresenter::run([] { throw; });
    }
}

bool DocumentWindow::save()
{
    // A cell still being typed in goes to the document first.
    if (QWidget* f = QApplication::focusWidget(); f && f->parentWidget())
        for (LineGrid* g : m_grids)
            if (g->isAncestorOf(f))
                g->setFocus();
    if (!beforeSave())
        return false;
    SaveResult r;
    // The document may have changed on the way (numbers, completed lines): show it before a
    // refusal moves the cursor.
    const bool ok = guard([&] {
        try {
            r = m_doc->save();
        } catch (...) {
            showDocument();
            throw;
        }
    });
    if (!ok)
        return false;
    m_savedKey = r.key;
    runAfterCommitSteps(r.steps);
    afterSave(r);
    showDocument();
    return true;
}

QWidget* DocumentWindow::buttonRow(bool printable)
{
    auto* row = new QWidget;
    auto* lay = new QHBoxLayout(row);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addStretch();
    auto button = [&](const QString& text, const QString& name) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        b->setAutoDefault(false);
        lay->addWidget(b);
        return b;
    };
    connect(button(QStringLiteral("Sakla"), QStringLiteral("BtnSAKLA")), &QPushButton::clicked, this, [this] {
        if (save()) {
            m_closing = true;
            accept();
        }
    });
    if (printable)
        connect(button(QStringLiteral("Yazdır"), QStringLiteral("BtnYAZDIR")), &QPushButton::clicked, this,
                [this] { print(); });
    connect(button(QStringLiteral("İptal"), QStringLiteral("BtnIPTAL")), &QPushButton::clicked, this, [this] {
        m_closing = true;
        QDialog::reject();
    });
    return row;
}

void DocumentWindow::reject()
{
    if (!m_closing && m_doc->isModified()
        && Prompter::instance().ask(QStringLiteral("Kaydı Saklamak İstiyormusunuz?"))) {
        if (save()) {
            m_closing = true;
            accept();
        }
        return;
    }
    m_closing = true;
    QDialog::reject();
}

int DocumentWindow::openCount(const QString& className)
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == className && w->isVisible())
            ++n;
    return n;
}

} // namespace nimbo
