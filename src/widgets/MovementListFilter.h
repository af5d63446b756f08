#pragma once
#include "services/SessionContext.h"

#include <QList>
#include <QWidget>
#include <functional>

class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QPushButton;

namespace nimbo {

// The filter row the movement document lists share: "Tür" (every type, "Tümü" first),
// "Tarih" from / to (blank: open) and the posted state ("Tümü", "Muhasebeleşmiş",
// "Muhasebeleşmemiş" with the values the caller's filter reads). A list adds its own fields
// to row().
class MovementListFilter : public QWidget {
public:
    MovementListFilter(const QList<PickItem>& tipler, const QVariantList& muhasebeDegerleri, QWidget* parent = nullptr);

    QComboBox* tip() const { return m_tip; }
    QDateEdit* bas() const { return m_bas; }
    QDateEdit* bit() const { return m_bit; }
    QComboBox* muhasebe() const { return m_muhasebe; }
    QHBoxLayout* row() const { return m_lay; }

private:
    QComboBox* m_tip;
    QDateEdit* m_bas;
    QDateEdit* m_bit;
    QComboBox* m_muhasebe;
    QHBoxLayout* m_lay;
};

// "Yeni" with one menu entry per document kind (entry object names "Yeni" + value); choosing
// one calls open with its value.
QPushButton* newDocumentButton(QWidget* owner, const QList<PickItem>& kinds, const std::function<void(const QString&)>& open);

} // namespace nimbo
