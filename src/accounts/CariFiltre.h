#pragma once
#include <QString>
#include <QVariant>

namespace nimbo {

// What the user filled in the account list's filter; empty means "no clause".
struct CariFiltre {
    enum class Durum { Tumu, Aktif, Pasif };
    enum class Bakiye { Tumu, Borclu, Alacakli, Bakiyesiz };
    enum class Taksit { Tumu, Taksitli, TaksitBakiyesiOlan, TaksitiOdemeyen };

    Durum durum = Durum::Tumu;
    QString grup;       // CARI_GRP_KOD
    QString altGrup;    // ALT_GRUP
    QVariant anaGrup;   // ANA_GRUP
    QString ilce;
    QString il;
    QString semt;       // a LIKE pattern as typed
    QVariant vadeGun;   // MAKSVADEGUN
    Bakiye bakiye = Bakiye::Tumu;
    Taksit taksit = Taksit::Tumu;
    // Quick search: one of CARI_KOD, FIRMA_ADI, YETKILI_ADI, TCKIMLIKNO and the value typed.
    QString aramaAlani;
    QString aramaDegeri;
};

} // namespace nimbo
