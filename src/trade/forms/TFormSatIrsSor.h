#pragma once
#include <QDialog>

class QDateEdit;
class QLineEdit;

namespace nimbo {

// "İrsaliye Seçimi": the customer and the dispatch- and due-date ranges of the notes an
// invoice collects; "Listele" opens the notes to choose from.
class TFormSatIrsSor : public QDialog {
    Q_OBJECT
public:
    explicit TFormSatIrsSor(const QString& cariKod, QWidget* parent = nullptr);
    // The notes chosen (SATIS_NO), in list order; none when cancelled.
    static QList<double> sec(QWidget* parent, const QString& cariKod);
    QList<double> secilenler() const { return m_secilen; }
    void listele();

private:
    QLineEdit* m_cari;
    QDateEdit *m_irsBas, *m_irsBit, *m_vadeBas, *m_vadeBit;
    QList<double> m_secilen;
};

} // namespace nimbo
