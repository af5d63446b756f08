#include "stock/StokFisAktarimi.h"
#include "db/Errors.h"
#include "services/Prompter.h"
#include "stock/DepoMiktarlari.h"
#include "stock/SpreadsheetReader.h"
#include "stock/StokFisi.h"

namespace nimbo {

bool StokFisAktarimi::sayi(const QString& text, double* out)
{
    QString t = text.trimmed().remove(u' ');
    if (t.isEmpty())
        return false;
    const qsizetype dot = t.lastIndexOf(u'.');
    const qsizetype comma = t.lastIndexOf(u',');
    if (dot >= 0 && comma >= 0) {
        if (comma > dot)
            t.remove(u'.').replace(u',', u'.');
        else
            t.remove(u',');
    } else if (comma >= 0) {
        t.replace(u',', u'.');
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (ok && out)
        *out = v;
    return ok;
}

StokFisAktarimi::Sonuc StokFisAktarimi::oku(const QList<QStringList>& rows, bool fiyatli) const
{
    Sonuc s;
    bool ilk = true;
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList& r = rows.at(i);
        bool bos = true;
        for (const QString& c : r)
            bos = bos && c.trimmed().isEmpty();
        if (bos)
            continue;
        const bool baslikSatiri = ilk && (r.size() < 2 || !sayi(r.value(1), nullptr));
        ilk = false;
        Satir a;
        a.satirNo = i + 1;
        a.kod = r.value(0).trimmed();
        auto hata = [&](const QString& neden) { s.hatali << Hata{a.satirNo, a.kod, neden}; };
        if (a.kod.isEmpty()) {
            hata(QStringLiteral("Stok kodu boş"));
            continue;
        }
        if (r.size() < 2 || r.value(1).trimmed().isEmpty()) {
            if (!baslikSatiri)
                hata(QStringLiteral("Miktar yok"));
            continue;
        }
        if (!sayi(r.value(1), &a.miktar)) {
            if (!baslikSatiri)
                hata(QStringLiteral("Miktar sayı değil"));
            continue;
        }
        if (fiyatli && !r.value(2).trimmed().isEmpty()) {
            if (!sayi(r.value(2), &a.fiyat)) {
                hata(QStringLiteral("Birim maliyet sayı değil"));
                continue;
            }
            a.fiyatVar = true;
        }
        a.stokNo = m_db.scalar(QStringLiteral("SELECT STOK_NO FROM STOK WHERE STOK_KOD_NO = :K"), {{"K", a.kod}})
                       .toDouble();
        if (a.stokNo == 0) {
            hata(QStringLiteral("Stok kodu bulunamadı"));
            continue;
        }
        s.iyi << a;
    }
    return s;
}

StokFisAktarimi::Sonuc StokFisAktarimi::satirlaraAktar(StokFisi& fis, const QString& path, int depoKodu) const
{
    const Sonuc s = oku(SpreadsheetReader::read(path), true);
    for (const Satir& a : s.iyi) {
        const int row = fis.satirEkle(a.stokNo, a.miktar, depoKodu);
        if (a.fiyatVar) {
            fis.setLine(row, QStringLiteral("DOVIZ_KODU"), QString());
            fis.setLine(row, QStringLiteral("FYT_DOVIZ"), a.fiyat);
        }
    }
    if (!s.hatali.isEmpty())
        Prompter::instance().warn(QStringLiteral("Hatalı okunan stoklar mevcut!"));
    return s;
}

int StokFisAktarimi::sayimAktar(StokFisi& fis, const QString& path, int depoKodu) const
{
    Prompter& p = Prompter::instance();
    if (depoKodu == 0) {
        p.warn(QStringLiteral("Depo seçiniz!"));
        return 0;
    }
    const Sonuc s = oku(SpreadsheetReader::read(path), false);
    const QString tip = fis.tip();
    int n = 0;
    for (const Satir& a : s.iyi) {
        double miktar = a.miktar;
        if (tip == QLatin1String("T") || tip == QLatin1String("Z")) {
            const double fark = a.miktar - DepoMiktarlari::eldeki(m_db, a.stokNo, depoKodu);
            miktar = tip == QLatin1String("T") ? fark : -fark;
        }
        if (miktar <= 0)
            continue;
        fis.satirEkle(a.stokNo, miktar, depoKodu);
        ++n;
    }
    if (!s.hatali.isEmpty())
        p.warn(QStringLiteral("Hatalı okunan stoklar mevcut!"));
    if (n == 0)
        p.warn(QStringLiteral("Aktarılacak sayım mevcut değil!"));
    else
        p.info(QString::number(n) + QStringLiteral(" adet sayım aktarımı tamamlandı"));
    return n;
}

} // namespace nimbo
