#include "stock/forms/StokFisSatirModeli.h"
#include "stock/StokFisAktarimi.h"
#include "stock/StokFisTipi.h"
#include "stock/StokFisi.h"

#include <QLocale>

namespace nimbo {

int StokFisSatirModeli::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_fis.satirlar().size());
}

QVariant StokFisSatirModeli::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const StokFisSatiri& s = m_fis.satirlar().at(index.row());
    const QLocale tr(QLocale::Turkish);
    const bool edit = role == Qt::EditRole;
    auto sayi = [&](double v) -> QVariant { return edit ? QVariant(v) : QVariant(tr.toString(v, 'f', 2)); };
    switch (index.column()) {
    case Sira:
        return s.siraNo;
    case Kod:
        return s.stokKodNo;
    case Ad:
        return s.stokAdi;
    case Miktar:
        return edit ? QVariant(s.miktar) : QVariant(tr.toString(s.miktar, 'g', 12));
    case Birim:
        return s.birim;
    case Doviz:
        return s.dovizKodu;
    case Fiyat:
        return sayi(s.fytDoviz);
    case Kdv:
        return sayi(s.kdv);
    case KdvDahil:
        return s.kdvDahil;
    case Depo:
        return StokFisTipi::transfer(m_fis.baslik().tip) ? QVariant() : QVariant(s.depoKodu);
    case Tutar:
        return sayi(s.netKdvsizTut[TL]);
    }
    return {};
}

QVariant StokFisSatirModeli::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, o, role);
    static const char* basliklar[] = {"Sıra", "Stok Kodu", "Stok Adı", "Miktar", "Birim", "Döviz",
                                      "Fiyat", "KDV %", "KDV Dahil", "Depo", "Tutar"};
    return QString::fromUtf8(basliklar[section]);
}

Qt::ItemFlags StokFisSatirModeli::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const int c = index.column();
    const bool depo = c == Depo && !StokFisTipi::transfer(m_fis.baslik().tip);
    if (c == Miktar || c == Birim || c == Doviz || c == Fiyat || c == Kdv || c == KdvDahil || depo)
        f |= Qt::ItemIsEditable;
    return f;
}

bool StokFisSatirModeli::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    StokFisSatiri& s = m_fis.satirlar()[index.row()];
    const QString text = value.toString().trimmed();
    double n = 0;
    StokFisAktarimi::sayi(text, &n);
    switch (index.column()) {
    case Miktar:
        s.miktar = n;
        break;
    case Birim:
        s.birim = text.toUpper();
        break;
    case Doviz:
        m_fis.satirDovizi(index.row(), text.toUpper());
        break;
    case Fiyat:
        s.fytDoviz = n;
        break;
    case Kdv:
        s.kdv = n;
        break;
    case KdvDahil:
        s.kdvDahil = text.toUpper() == QLatin1String("D") ? QStringLiteral("D") : QStringLiteral("H");
        break;
    case Depo:
        s.depoKodu = text.toInt();
        break;
    default:
        return false;
    }
    m_fis.hesapla();
    Q_EMIT dataChanged(this->index(index.row(), 0), this->index(index.row(), SutunSayisi - 1));
    Q_EMIT degisti();
    return true;
}

void StokFisSatirModeli::yenile()
{
    beginResetModel();
    endResetModel();
    Q_EMIT degisti();
}

} // namespace nimbo
