#pragma once
#include "trade/TicariTaraf.h"
#include "trade/forms/IrsaliyeListeFormu.h"

#include <QDialog>
#include <memory>

class QDateEdit;
class QLineEdit;

namespace nimbo {

// "İrsaliye Seçimi": the account and the dispatch- and due-date ranges of the notes an
// invoice collects; "Listele" opens the side's list of open notes to choose from.
class IrsaliyeSorFormu : public QDialog {
    Q_OBJECT
public:
    // The notes chosen, in list order; none when cancelled.
    QList<double> secilenler() const { return m_secilen; }
    void listele();
    // Shows the dialog and returns the notes chosen.
    QList<double> sor();

protected:
    IrsaliyeSorFormu(const TicariTaraf& taraf, const QString& cariKod, QWidget* parent);
    // The side's list window over the filter.
    virtual std::unique_ptr<IrsaliyeListeFormu> listeFormu(const IrsaliyeFiltresi& filtre) = 0;

private:
    const TicariTaraf& m_taraf;
    QLineEdit* m_cari;
    QDateEdit *m_irsBas, *m_irsBit, *m_vadeBas, *m_vadeBit;
    QList<double> m_secilen;
};

} // namespace nimbo
