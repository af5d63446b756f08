#pragma once
#include "db/Db.h"
#include "printing/ReportTemplate.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLineEdit;
class QTableWidget;

namespace nimbo {

// "Rapor Tasarımı": the user picks, orders, titles and sizes the columns of a list
// window's report, its fonts and total lines, and stores the layout under a name in RBSAYFA.
class TemplateDesigner : public QDialog {
    Q_OBJECT
public:
    TemplateDesigner(const Db& db, const QString& unit, const ReportModel& source, const QString& templateName,
                     QWidget* parent = nullptr);

    QString templateName() const;
    ReportTemplate layout() const;

    QComboBox* nameBox() const { return m_name; }
    QTableWidget* columnTable() const { return m_columns; }
    QLineEdit* titleEdit() const { return m_title; }
    QFontComboBox* bodyFontBox() const { return m_bodyFont; }
    QDoubleSpinBox* bodySizeBox() const { return m_bodySize; }
    void BtnSAKLAClick();
    void BtnONIZLEMEClick();

private:
    void showLayout(const ReportTemplate& t);
    void loadNamed(const QString& name);
    void move(int delta);

    Db m_db;
    QString m_unit;
    ReportModel m_source;
    QComboBox* m_name;
    QLineEdit* m_title;
    QTableWidget* m_columns;
    QFontComboBox *m_titleFont, *m_bodyFont;
    QDoubleSpinBox *m_titleSize, *m_bodySize;
    QCheckBox *m_pageTotals, *m_carried, *m_grand;
    QLineEdit* m_signatures;
};

} // namespace nimbo
