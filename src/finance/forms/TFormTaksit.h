#pragma once
#include "finance/TaksitliSatis.h"

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTableWidget;

namespace nimbo {

// "Taksitlendirme": the amount of a sale or purchase, the down payment and its date, the
// count, the first due date and the month-end option, and the plan they give ("Ödeme
// Planı"). "Otomatik" builds equal monthly instalments; "Manuel" lets the user type the
// dates and amounts of the rows. "Tamam" hands the plan to the document, whose checks
// decide; opened without a document the window only shows a stored plan.
class TFormTaksit : public QDialog {
    Q_OBJECT
public:
    using Kabul = std::function<void(const TaksitPlanGirdisi&, const QList<QVariantMap>&)>;

    TFormTaksit(const TaksitliSatis& taksit, const TaksitPlanGirdisi& girdi, Kabul kabul, QWidget* parent = nullptr);
    // The stored plan of a saved document (the latest one with instalments when belgeNo is 0),
    // shown only.
    static TFormTaksit* kayitliPlan(const Db& db, double belgeNo, QWidget* parent = nullptr);

    TaksitPlanGirdisi girdi() const;
    const QList<QVariantMap>& taksitler() const { return m_taksitler; }
    // "Ödeme Planı": the rows again from the fields.
    void planla();
    void tamam();

private:
    QWidget* alanlar();
    void alanlariGoster(const TaksitPlanGirdisi& g);
    void tutarlariGoster();
    void tabloyuGoster();
    void hucreDegisti(int row, int column);
    bool manuel() const;

    std::unique_ptr<TaksitliSatis> m_sahip;
    const TaksitliSatis& m_taksit;
    TaksitPlanGirdisi m_ilk;
    Kabul m_kabul;
    QList<QVariantMap> m_taksitler;
    bool m_gosteriliyor = false;

    QLineEdit* m_tutar = nullptr;
    QLineEdit* m_pesinat = nullptr;
    QDateEdit* m_pesinatTarihi = nullptr;
    QLineEdit* m_kalan = nullptr;
    QComboBox* m_tip = nullptr;
    QLineEdit* m_sayi = nullptr;
    QDateEdit* m_ilkVade = nullptr;
    QCheckBox* m_aySonu = nullptr;
    QComboBox* m_sekli = nullptr;
    QLineEdit* m_taksitTutari = nullptr;
    QTableWidget* m_tablo = nullptr;
};

} // namespace nimbo
