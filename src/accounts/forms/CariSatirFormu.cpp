#include "accounts/forms/CariSatirFormu.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace nimbo {

CariSatirFormu::CariSatirFormu(std::unique_ptr<CariSatirKart> kart, const QString& caption,
                               const QList<Alan>& alanlar, QWidget* parent)
    : CardWindow(*kart, parent), m_kart(std::move(kart))
{
    setWindowTitle(caption);
    auto* lay = new QVBoxLayout(this);
    m_form = new QFormLayout;
    for (const Alan& a : alanlar) {
        QWidget* w;
        if (!a.items.isEmpty()) {
            auto* c = new QComboBox;
            for (const auto& i : a.items)
                c->addItem(i.second, i.first);
            bind(c, a.column);
            w = c;
        } else if (a.memo) {
            auto* m = new QPlainTextEdit;
            bind(m, a.column);
            w = m;
        } else {
            auto* e = new QLineEdit;
            bind(e, a.column);
            w = e;
        }
        w->setObjectName(QStringLiteral("Edit") + a.column);
        m_form->addRow(a.caption, w);
    }
    lay->addLayout(m_form);
    lay->addWidget(buttonRow());
    showModel();
    enterMovesFocus(this);
    resize(460, sizeHint().height());
}

void CariSatirFormu::setFieldVisible(const QString& column, bool visible)
{
    if (QWidget* w = editorFor(column))
        m_form->setRowVisible(w, visible);
}

} // namespace nimbo
