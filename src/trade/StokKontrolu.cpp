#include "trade/StokKontrolu.h"

#include <QMap>

namespace nimbo {

bool StokKontrolu::denetlenir(const QString& mod)
{
    static const QStringList kModlar{QStringLiteral("H"), QStringLiteral("U"), QStringLiteral("M"), QStringLiteral("O"),
                                     QStringLiteral("S"), QStringLiteral("B"), QStringLiteral("E")};
    return kModlar.contains(mod);
}

double StokKontrolu::eldeki(const Db& db, double stokNo, int depoKodu, double belgeNo, const QString& tip)
{
    Params p{{QStringLiteral("S"), stokNo}, {QStringLiteral("B"), belgeNo}, {QStringLiteral("T"), tip}};
    QString sql = QStringLiteral("SELECT SUM(GIRMIK-CIKMIK) FROM STOKHRK WHERE STOK_NO=:S");
    if (depoKodu > 0) {
        sql += QStringLiteral(" AND DEPO_KODU=:D");
        p.insert(QStringLiteral("D"), depoKodu);
    }
    const double toplam = db.scalar(sql, p).toDouble();
    QString kendi = QStringLiteral("SELECT SUM(GIRMIK-CIKMIK) FROM STOKHRK WHERE SATISNO=:B AND TIP=:T AND STOK_NO=:S");
    if (depoKodu > 0)
        kendi += QStringLiteral(" AND DEPO_KODU=:D");
    return toplam - db.scalar(kendi, p).toDouble();
}

StokKontrolu::Cevap StokKontrolu::denetle(const Db& db, const QString& mod, const QList<StokIhtiyaci>& ihtiyac,
                                          double belgeNo, const QString& tip)
{
    Cevap c;
    if (!denetlenir(mod))
        return c;
    QMap<double, double> toplam;          // item -> quantity of the document
    QMap<std::pair<double, int>, double> depoda; // (item, warehouse) -> quantity
    QMap<double, QString> adlar;
    for (const StokIhtiyaci& i : ihtiyac) {
        toplam[i.stokNo] += i.miktar;
        depoda[{i.stokNo, i.depoKodu}] += i.miktar;
        adlar[i.stokNo] = i.ad;
    }
    const bool depoBazli = mod == QLatin1String("M") || mod == QLatin1String("O");
    const bool satilabilir = mod == QLatin1String("S") || mod == QLatin1String("B");
    bool eksik = false;
    for (auto it = toplam.begin(); it != toplam.end(); ++it) {
        double eldekiMik = eldeki(db, it.key(), 0, belgeNo, tip);
        const double kalan = eldekiMik - it.value();
        const double kritik = db.scalar(QStringLiteral("SELECT KRITIK_SEV FROM STOK WHERE STOK_NO=:S"),
                                        {{QStringLiteral("S"), it.key()}})
                                  .toDouble();
        if (kritik > 0 && kalan < kritik)
            c.kritik << adlar.value(it.key());
        if (satilabilir)
            eldekiMik -= db.scalar(QStringLiteral("SELECT SUM(REZERV_MIK*1.0) FROM SIPALAYR WHERE STOK_NO=:S"),
                                   {{QStringLiteral("S"), it.key()}})
                             .toDouble();
        if (!depoBazli && eldekiMik - it.value() < 0)
            eksik = true;
    }
    if (depoBazli)
        for (auto it = depoda.begin(); it != depoda.end(); ++it)
            if (eldeki(db, it.key().first, it.key().second, belgeNo, tip) < it.value())
                eksik = true;
    if (!eksik || mod == QLatin1String("E"))
        return c;
    if (mod == QLatin1String("H") || mod == QLatin1String("S")) {
        c.sonuc = Sonuc::Reddet;
        c.mesaj = QStringLiteral("Satış Listesinde Miktarı Eksiye Düşecek Ürünler Var.Lütfen Yeniden Kontrol Edin");
    } else if (mod == QLatin1String("M")) {
        c.sonuc = Sonuc::Reddet;
        c.mesaj = QStringLiteral("Depodaki Mevcut Miktarı, Satış Listesindeki Miktarından Daha Küçük olan Ürünler "
                                 "Var.Lütfen Yeniden Kontrol Edin");
    } else {
        c.sonuc = Sonuc::Sor;
        c.mesaj = QStringLiteral("Depolardaki Mevcut Miktarı, Satış Listesindeki Miktarından Daha Küçük olan Ürünler "
                                 "Var.Buna Rağmen Saklamak İstiyormusunuz?");
    }
    return c;
}

} // namespace nimbo
