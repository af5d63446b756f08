#pragma once
#include <QDialog>

class QStandardItemModel;
class QTableView;

namespace nimbo {

class ReportMenuButton;

// "Sayfa Ayarları": every stored page setup of the year, opened for change with the
// page-setup dialog, and printable like any list.
class TFormSayfaAyarBr : public QDialog {
    Q_OBJECT
public:
    explicit TFormSayfaAyarBr(QWidget* parent = nullptr);

    void refresh();
    void BtnDEGISTIRClick();
    QTableView* grid() const { return m_grid; }
    ReportMenuButton* printButton() const { return m_print; }

private:
    QStandardItemModel* m_model;
    QTableView* m_grid;
    ReportMenuButton* m_print;
};

} // namespace nimbo
