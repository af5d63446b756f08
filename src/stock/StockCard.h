#pragma once
#include "stock/StockBarcode.h"
#include "stock/StockPictures.h"
#include "stock/StockPriceHistory.h"
#include "stock/StockPricing.h"
#include "model/CardModel.h"

#include <QDate>
#include <QList>

namespace nimbo {

// One item card: STOK row, its STOKMUH row, barcodes and supplier prices.
class StockCard : public CardModel {
public:
    explicit StockCard(const Db& db) : m_db(db) {}

    QString table() const override { return QStringLiteral("STOK"); }
    EditRight right() const override { return stockRight(); }
    // Only "H" changes stock cards and their master data; "O" views them.
    static EditRight stockRight() { return {QStringLiteral("STKART"), EditRight::Policy::Strict}; }

    // New-card defaults, in their fixed order, with a number from NEWSTOK.
    void startNew();
    // Loads SELECT * FROM STOK WHERE STOK_NO=:STOK_NO with its satellites. Throws UserError when gone.
    void open(double stokNo);
    double stokNo() const { return value(QStringLiteral("STOK_NO")).toDouble(); }

    // Checks (FieldError at the first failure) and one transaction for the card and its rows.
    bool isModified() const override;

    // Another card uses the code.
    bool codeTaken() const;
    // Leaving the code field: only warns.
    void checkCode() const;
    // Last code that begins with the prefix into the code field; false (and the message) when none.
    bool fillLastCode(const QString& prefix);

    // Leaving a margin field. Both price commands first make the own-currency column and the
    // item currency's column one price again (StockPricing::syncOwnCurrency).
    void applyMargin(StockPricing::Margin m);
    // Recomputes the currency columns from the own currency at today's rates; returns the
    // rate used for the own currency (shown in the card's rate fields).
    double pricesFromLatestRate(const QDate& today);

    // STOKMUH.
    QVariant muh(const QString& column) const { return m_muh.value(column); }
    void setMuh(const QString& column, const QVariant& v) { m_muh.insert(column, v); }
    bool muhExists() const { return m_muhExists; }

    // "Hazır Değerlerden Seç": an earlier purchase or cost price into a price kind (ALIS_FYT,
    // SAT_SKFYT, ...), in TL, USD and EUR; the own-currency column follows as for typed prices.
    void takeHistoryPrice(const QString& kind, const StockPriceHistory::Row& r);

    // Pictures: added and removed on the card, written by save() in its transaction, so that
    // leaving the card without saving leaves no picture behind.
    const QList<StockPictures::Picture>& pictures() const { return m_pictures; }
    void addPicture(const QString& file);
    void removePicture(int index);

    // Barcodes: a new row with its defaults; a row is checked before it is kept.
    StockBarcode newBarcodeRow() const;
    // Empty barcode or unit refuse the row (FieldError); a unit that is not one of the item's
    // is replaced by BIRIM1 with a message; a barcode used elsewhere only warns. save() checks
    // every row changed since its last check.
    void checkBarcodeRow(StockBarcode& row) const;
    QList<StockBarcode>& barcodes() { return m_barcodes; }
    const QList<StockBarcode>& barcodes() const { return m_barcodes; }
    QList<SupplierPrice>& supplierPrices() { return m_supplier; }

    // Warehouse locations: one row per warehouse; a warehouse chosen a second time is refused
    // ("Bu Depoyu Daha Önce Seçtiniz.Lütfen Başka Bir Depo Seçiniz... ") when the row is left
    // and again by save().
    QList<StockLocation>& locations() { return m_locations; }
    void checkLocationRow(int index) const;

    const Db& db() const { return m_db; }

protected:
    void store() override;

private:
    void loadSatellites();
    QVariantMap syncedPrices();
    void takePrices(const QVariantMap& row);
    void writeCard();
    void writeSatellites(const QString& oldCode, const QString& newCode);

    Db m_db;
    QVariantMap m_muh;
    QVariantMap m_muhLoaded;
    bool m_muhExists = false;
    QList<StockBarcode> m_barcodes;
    QList<SupplierPrice> m_supplier;
    QVariantMap m_pricesSeen; // the row as the price columns were last reconciled
    QList<StockLocation> m_locations;
    QList<StockLocation> m_savedLocations;
    QList<StockPictures::Picture> m_pictures;
    QList<int> m_removedPictures;
    QString m_savedCode;
    int m_savedBarcodeCount = 0;
    int m_savedSupplierCount = 0;
};

} // namespace nimbo
