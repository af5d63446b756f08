#pragma once
#include "trade/SatisListesi.h"
#include "trade/TicariBelge.h"
#include "widgets/ListWindow.h"

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace nimbo {

class DocumentWindow;
class RowPrintCommand;

// The list of one side's saved trade documents with type, date, account and invoiced
// filters; new documents start here, saved ones open for correction (or only for viewing
// when their payments are matched) and are deleted with everything they wrote.
class TicariListeFormu : public ListWindow {
    Q_OBJECT
public:
    // The texts that differ between the sides.
    struct Metinler {
        QString baslik;        // window caption
        QString pencereSiniri; // more than three entry windows
        QString salt;          // matched payments: view anyway?
        QString duzeltmeHakki; // right that allows correcting
    };

    SatisListeFiltre filtre() const;
    // Opens a saved document in the entry window, keeping to three open at once.
    void belgeAc(double no);
    void faturaYazdir(const QString& output = QStringLiteral("Önizleme"));
    // The list shown again: the rows as they are now, the current one kept.
    Q_INVOKABLE void refreshRows();

protected:
    TicariListeFormu(const TicariTaraf& taraf, const Metinler& metinler, QWidget* parent);

    // The side's entry window (no -1: a new document) and its document model.
    virtual DocumentWindow* pencere(double no, bool salt) = 0;
    virtual std::unique_ptr<TicariBelge> belgeModeli() const = 0;
    virtual QString pencereSinifi() const = 0;
    virtual void yazdir(double no, const QString& output) = 0;

    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;

private:
    const TicariTaraf& m_taraf;
    Metinler m_metinler;
    QComboBox* m_tip;
    QComboBox* m_fatura;
    QDateEdit* m_bas;
    QDateEdit* m_bit;
    QLineEdit* m_cari;
    RowPrintCommand* m_yazdir;
};

} // namespace nimbo
