#pragma once
#include "ledger/ElleFis.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace nimbo {

// "Muhasebe Fişi": a journal voucher typed by hand, or an existing one corrected. Opened
// read-only it is the voucher display the posting offers after a document's save.
class TFormFis : public QDialog {
    Q_OBJECT
public:
    // fisNo <= 0: a new voucher.
    explicit TFormFis(double fisNo = 0, bool saltOkunur = false, QWidget* parent = nullptr);

    bool sakla();   // "Sakla": true when stored (the window stays open on a refusal)
    void sil();     // "Sil"
    void yazdir(const QString& cikti = QStringLiteral("Önizleme"));

    QTableWidget* grid() const { return m_grid; }
    QLabel* toplamEtiketi() const { return m_toplam; }
    QDateEdit* tarihEdit() const { return m_tarih; }
    ElleFis& fis() { return m_fis; }

private:
    void basligiGoster();
    void satirlariGoster();
    void hucreDegisti(int row, int column);
    void toplamlariGoster();
    void baslikOku();

    ElleFis m_fis;
    bool m_salt;
    bool m_dolduruluyor = false;
    QDateEdit* m_tarih;
    QComboBox* m_tur;
    QLineEdit* m_aciklama;
    QLineEdit* m_belgeNo;
    QLabel* m_numara;
    QTableWidget* m_grid;
    QLabel* m_toplam;
};

} // namespace nimbo
