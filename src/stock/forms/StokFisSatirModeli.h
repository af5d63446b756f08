#pragma once
#include <QAbstractTableModel>

namespace nimbo {

class StokFisi;

// The lines of a stock slip as an editable grid: quantity, unit, currency, price, VAT and
// warehouse are typed; every edit recomputes the slip.
class StokFisSatirModeli : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Sutun { Sira, Kod, Ad, Miktar, Birim, Doviz, Fiyat, Kdv, KdvDahil, Depo, Tutar, SutunSayisi };

    explicit StokFisSatirModeli(StokFisi& fis, QObject* parent = nullptr) : QAbstractTableModel(parent), m_fis(fis) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : SutunSayisi; }
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The slip's lines changed outside the grid (added, removed, loaded).
    void yenile();

Q_SIGNALS:
    void degisti();

private:
    StokFisi& m_fis;
};

} // namespace nimbo
