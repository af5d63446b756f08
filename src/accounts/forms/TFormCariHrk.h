#pragma once
#include "accounts/CariEkstre.h"
#include "accounts/forms/CariEkstreRaporu.h"
#include "widgets/ListWindow.h"

class QComboBox;
class QDateEdit;
class QLabel;

namespace nimbo {

// "Cari Hareketler": the statement of one account from FINHRK, newest first, with the
// balance as it stood after each row's day, the totals and the printed statements.
class TFormCariHrk : public ListWindow {
    Q_OBJECT
public:
    explicit TFormCariHrk(const QString& cariKod, QWidget* parent = nullptr);
    void setCariKod(const QString& kod);
    QString cariKod() const { return m_kod; }
    CariEkstreFiltre filtre() const;
    // Prints or exports a statement ("Önizleme", "Yazıcı", "Word", "Excel", "Text", "PDF").
    bool yazdir(CariEkstreRaporu::Bicim b, const QString& output = QStringLiteral("Önizleme"));
    QString bakiyeMetni() const;

protected:
    ListQuery query() const override;
    void showEvent(QShowEvent* e) override;

private:
    void toplamlariGoster();

    QString m_kod;
    QMap<QDate, EkstreToplam> m_yuruyen;
    QLabel* m_baslik;
    QDateEdit* m_bas;
    QDateEdit* m_bit;
    QDateEdit* m_vadeBas;
    QDateEdit* m_vadeBit;
    QComboBox* m_tur;
    QComboBox* m_doviz;
    QLabel* m_borc;
    QLabel* m_alacak;
    QLabel* m_bakiye;
    QLabel* m_dovizBakiye;
    QLabel* m_ortKur;
};

} // namespace nimbo
