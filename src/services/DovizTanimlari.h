#pragma once
#include "db/Db.h"

#include <QVector>

namespace nimbo {

struct DovizTanimi {
    QString kod;   // DOVIZ_KODU
    QString ad;    // DOVIZ_ADI
    QString aktif; // AKTIF
};

// The currency list (DOVIZ). Refusals are thrown as UserError with the text the user sees.
class DovizTanimlari {
public:
    explicit DovizTanimlari(const Db& db) : m_db(db) {}

    QVector<DovizTanimi> liste() const; // ordered by code
    // True when a stock card uses the currency.
    bool kullaniliyor(const QString& kod) const;

    // "Aynı Adlı Kayıt Zaten Vardı. Bu Yüzden Kaydedilmedi." for an existing code.
    void ekle(const DovizTanimi& d) const;
    // "Bu Döviz Kodu ile ilgili işlem var.Değiştirilemez!" when a stock card uses it.
    void degistir(const QString& eskiKod, const DovizTanimi& d) const;
    // "Bu Döviz Kodu ile ilgili işlem var.Silinemez!" when a stock card uses it. The caller
    // asks "Kayıt Silinsin mi?" first.
    void sil(const QString& kod) const;

private:
    Db m_db;
};

} // namespace nimbo
