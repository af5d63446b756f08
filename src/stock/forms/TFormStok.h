#pragma once
#include "stock/StockCard.h"
#include "widgets/CardWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace nimbo {

// "Stok Kartı": the item card with its prices, barcodes, supplier prices, ledger accounts,
// warehouse locations, pictures and, beside it, the on-hand quantities per warehouse.
class TFormStok : public CardWindow {
    Q_OBJECT
public:
    // stokNo 0: a new card.
    explicit TFormStok(double stokNo = 0, QWidget* parent = nullptr);
    double stokNo() const { return m_kart.stokNo(); }
    StockCard& kart() { return m_kart; }

private:
    QWidget* pageGenel();
    QWidget* pageFiyat();
    QWidget* pageBarkod();
    QWidget* pageDepoYeri();
    QWidget* pageMuhasebe();
    QWidget* pageResim();
    QWidget* pageDiger();
    QWidget* quantityPanel();

    QComboBox* choiceCombo(const QString& column, bool editable = false);
    void fillChoices(const QString& column);
    void showBarcodes();
    void readBarcodes();
    void addBarcode();
    void showSupplierPrices();
    void readSupplierPrices();
    void showLocations();
    void readLocations();
    void showPictures();
    void showQuantities();
    void pickHistoryPrice();
    // Posts the barcode, supplier and location grids into the card (the card checks them).
    bool beforeSave() override;

    StockCard m_kart;
    QStringList m_placed; // STOK columns with an editor on the named pages
    QHash<QString, QComboBox*> m_combos;
    QTableWidget* m_barkod = nullptr;
    QTableWidget* m_tedarik = nullptr;
    QTableWidget* m_depo = nullptr;
    QTableWidget* m_depoYeri = nullptr;
    QLabel* m_devir = nullptr;
    QListWidget* m_resimler = nullptr;
    QLabel* m_resim = nullptr;
    QLineEdit* m_kurTarihi = nullptr;
    QLineEdit* m_kur = nullptr;
    QComboBox* m_hazirAlan = nullptr;
};

} // namespace nimbo
