#pragma once
#include "accounts/CariSatirKart.h"
#include "widgets/CardWindow.h"

#include <memory>

class QFormLayout;

namespace nimbo {

// The card of one satellite row (dispatch address, invoice address, contact person): a
// form of labelled editors built from a field list.
class CariSatirFormu : public CardWindow {
    Q_OBJECT
public:
    struct Alan {
        QString column{};
        QString caption{};
        QList<QPair<QString, QString>> items{}; // a combo of stored value / text when given
        bool memo = false;
    };
    CariSatirFormu(std::unique_ptr<CariSatirKart> kart, const QString& caption, const QList<Alan>& alanlar,
                   QWidget* parent = nullptr);
    CariSatirKart& kart() { return *m_kart; }
    // Shows or hides a field with its label.
    void setFieldVisible(const QString& column, bool visible);

private:
    std::unique_ptr<CariSatirKart> m_kart;
    QFormLayout* m_form;
};

} // namespace nimbo
