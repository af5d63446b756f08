#pragma once
#include "db/Db.h"
#include "printing/PageSetupRow.h"

#include <QDialog>
#include <QMargins>

class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace nimbo {

// "Sayfa Ayarı": paper, size, margins and orientation of one report of one window. The
// MSAYFA row is created with A4, the default orientation and margins when it is missing;
// "Sakla" stores it, "İptal" leaves it as it was.
class SayfaAyarla : public QDialog {
    Q_OBJECT
public:
    // Margins are left, top, right, bottom in mm; orientation "D" or "Y".
    SayfaAyarla(const Db& db, const QString& unit, const QString& reportName, const QString& caption1,
                const QString& caption2, const QString& defaultOrientation = QStringLiteral("D"),
                const QMargins& defaultMargins = QMargins(10, 10, 10, 10), QWidget* parent = nullptr);

    // Opens the dialog; true when the user stored the row.
    static bool run(const QString& unit, const QString& reportName, const QString& caption1,
                    const QString& caption2 = {}, QWidget* parent = nullptr);

    PageSetupRow row() const;

    QComboBox* paperBox() const { return m_paper; }
    QSpinBox* widthBox() const { return m_width; }
    QSpinBox* heightBox() const { return m_height; }
    QSpinBox* leftBox() const { return m_left; }
    QSpinBox* rightBox() const { return m_right; }
    QSpinBox* topBox() const { return m_top; }
    QSpinBox* bottomBox() const { return m_bottom; }
    QRadioButton* portraitButton() const { return m_portrait; }
    QRadioButton* landscapeButton() const { return m_landscape; }

private:
    void BtnSAKLAClick();
    void paperChosen(const QString& name);

    Db m_db;
    PageSetupRow m_row;
    QComboBox* m_paper;
    QSpinBox *m_width, *m_height, *m_left, *m_right, *m_top, *m_bottom;
    QRadioButton *m_portrait, *m_landscape;
};

} // namespace nimbo
