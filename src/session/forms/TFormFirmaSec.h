#pragma once
#include "session/FirmSelection.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace nimbo {

// "Firma Seçimi": the firm and fiscal year to work on.
class TFormFirmaSec : public QDialog {
    Q_OBJECT
public:
    // The selection must have been prepared (firms database open).
    TFormFirmaSec(FirmSelection& selection, QWidget* parent = nullptr);

    QComboBox* firmBox() const { return m_firm; }
    QComboBox* yearBox() const { return m_year; }
    QPushButton* okButton() const { return m_ok; }

    // FirmaSecimi: the whole dialog (on show, then modal). True on OK.
    static bool FirmaSecimi(SessionContext& s, AliasStore& aliases, QWidget* parent = nullptr);

private:
    void loadYears();
    void accept() override;
    FirmSelection& m_sel;
    QComboBox* m_firm;
    QComboBox* m_year;
    QPushButton* m_ok;
    QVector<FirmYear> m_years;
};

} // namespace nimbo
