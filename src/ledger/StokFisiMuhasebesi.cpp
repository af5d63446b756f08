#include "ledger/StokFisiMuhasebesi.h"

namespace nimbo::StokFisiMuhasebesi {

void muhasebelestir(TDMuh& m, bool)
{
    // Nothing is posted: no voucher, FIS_NO stays null, no message.
    Q_UNUSED(m);
}

QString tipAdi(const QString& tip)
{
    static const QHash<QString, QString> adlar{{QStringLiteral("F"), QStringLiteral("Fire")},
                                               {QStringLiteral("G"), QStringLiteral("Üretime Gidiş")},
                                               {QStringLiteral("L"), QStringLiteral("Üretimden Geliş")},
                                               {QStringLiteral("O"), QStringLiteral("Depo Transferi")},
                                               {QStringLiteral("R"), QStringLiteral("Sarf")}};
    return adlar.value(tip);
}

BelgeTuru tanim()
{
    BelgeTuru t;
    t.tur = QLatin1Char('H');
    t.ad = QStringLiteral("Stok Fişleri");
    t.tablo = QStringLiteral("FISTK");
    t.anahtar = QStringLiteral("HRKNO");
    t.rutin = &muhasebelestir;
    return t;
}

} // namespace nimbo::StokFisiMuhasebesi
