#include "finance/CekSenetHareketi.h"
#include "db/Errors.h"
#include "db/RecordWriter.h"
#include "finance/CekSenetDurumu.h"

namespace nimbo {

QString CekSenetHareketi::uygunsuzMesaji(const QString& islem, const QString& etiket)
{
    return QStringLiteral("Bu Çek/Senet \"%1\" işlemine uygun değil. Durumu: %2")
        .arg(CekSenetDurumu::islemAdi(islem), etiket);
}

QString CekSenetHareketi::uygula(const Db& db, double portfoyNo, const CekSenetSatiri& s)
{
    const QVariantMap kart = readRow(db, QStringLiteral("SELECT CS_TIP, SAHIP, SON_DURUMU FROM CSKART WHERE "
                                                         "PORTFOYNO=:P"),
                                     {{QStringLiteral("P"), portfoyNo}});
    if (kart.isEmpty())
        throw UserError(QStringLiteral("%1 Portföy Nolu Çek/Senet Bulunamadı.").arg(portfoyNo, 0, 'f', 0));
    const QString tip = toText(kart.value(QStringLiteral("CS_TIP"))).trimmed();
    const QString sahip = toText(kart.value(QStringLiteral("SAHIP"))).trimmed();
    const QString durum = toText(kart.value(QStringLiteral("SON_DURUMU"))).trimmed();
    if (!CekSenetDurumu::uygun(s.islem, durum, sahip))
        throw UserError(uygunsuzMesaji(s.islem, CekSenetDurumu::etiket(durum, tip, sahip)));

    const QString yeni = CekSenetDurumu::yeniDurum(s.islem, sahip);
    QString sql = QStringLiteral("UPDATE CSKART SET SON_DURUMU=:D, CARIKOD=:K, TUTAR=:T, TUTAR_DOVIZ=:TD");
    Params p{{QStringLiteral("D"), yeni},
             {QStringLiteral("K"), s.anaKod},
             {QStringLiteral("T"), s.tutar},
             {QStringLiteral("TD"), s.tutarDvz},
             {QStringLiteral("P"), portfoyNo}};
    if (s.islem == QLatin1String("1") && sahip == CekSenetDurumu::kMusteri)
        sql += QStringLiteral(", CIRO_CKOD=:K");
    if (s.islem == QLatin1String("3") && !s.bankaKod.isEmpty()) {
        sql += QStringLiteral(", BANKA_KOD=:B, HESAP_NO=:H");
        p.insert(QStringLiteral("B"), s.bankaKod);
        p.insert(QStringLiteral("H"), s.hesapNo);
    }
    // A collection records what came in.
    if (yeni == QLatin1String("T") || s.islem == QLatin1String("5"))
        sql += QStringLiteral(", TUTAR_TAH=:T, TUTAR_DOVIZ_TAH=:TD");
    db.exec(sql + QStringLiteral(" WHERE PORTFOYNO=:P"), p);
    return yeni;
}

} // namespace nimbo
