#include "services/KurXml.h"

#include <QXmlStreamReader>

#include <cmath>

namespace nimbo {

namespace {

// A rate as the file writes it (decimal point); empty is 0, anything else unreadable is -1.
double rateValue(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) && v >= 0 ? v : -1;
}

struct CurrencyText {
    QString kod, unit, forexBuying, forexSelling, banknoteBuying, banknoteSelling;
};

CurrencyText readCurrency(QXmlStreamReader& x)
{
    CurrencyText c;
    c.kod = x.attributes().value(QLatin1String("Kod")).toString().trimmed().toUpper();
    while (x.readNextStartElement()) {
        const QStringView n = x.name();
        QString* target = n == QLatin1String("Unit")              ? &c.unit
                          : n == QLatin1String("ForexBuying")     ? &c.forexBuying
                          : n == QLatin1String("ForexSelling")    ? &c.forexSelling
                          : n == QLatin1String("BanknoteBuying")  ? &c.banknoteBuying
                          : n == QLatin1String("BanknoteSelling") ? &c.banknoteSelling
                                                                  : nullptr;
        if (target)
            *target = x.readElementText();
        else
            x.skipCurrentElement();
    }
    return c;
}

} // namespace

KurSayfasiSonucu kurXmlOku(const QString& xml)
{
    KurSayfasiSonucu out;
    out.tumDovizler = true;
    QXmlStreamReader x(xml);
    bool root = false;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (x.name() == QLatin1String("Tarih_Date")) {
            root = true;
            out.bultenTarihi = QDate::fromString(x.attributes().value(QLatin1String("Tarih")).toString(),
                                                 QStringLiteral("dd.MM.yyyy"));
            continue;
        }
        if (x.name() != QLatin1String("Currency"))
            continue;
        const CurrencyText c = readCurrency(x);
        if (x.hasError())
            break;
        const double unit = c.unit.trimmed().isEmpty() ? 1 : rateValue(c.unit);
        const double v[4] = {rateValue(c.forexBuying), rateValue(c.forexSelling), rateValue(c.banknoteBuying),
                             rateValue(c.banknoteSelling)};
        if (c.kod.isEmpty())
            continue;
        if (!(unit > 0) || !(v[0] > 0) || !(v[1] > 0) || v[2] < 0 || v[3] < 0) {
            out.okunamayan << c.kod;
            continue;
        }
        SayfaKuru k;
        k.dovizKodu = c.kod;
        k.dovizAlis = v[0] / unit;
        k.dovizSatis = v[1] / unit;
        k.efektifAlis = v[2] / unit;
        k.efektifSatis = v[3] / unit;
        out.kurlar << k;
    }
    if (x.hasError() || !root) {
        out.kurlar.clear();
        out.okunamayan.clear();
        out.hata = x.hasError() ? QStringLiteral("TCMB kur dosyası okunamadı (satır %1: %2). Hiçbir kur kaydedilmedi.")
                                      .arg(x.lineNumber())
                                      .arg(x.errorString())
                                : QStringLiteral("TCMB kur dosyasında kur bülteni bulunamadı. Hiçbir kur "
                                                 "kaydedilmedi.");
    }
    return out;
}

KurSayfasiSonucu kurBelgesiniOku(const QString& belge)
{
    QStringView head = QStringView(belge).left(4096).trimmed();
    if (head.startsWith(QChar(0xFEFF)))
        head = head.mid(1).trimmed();
    if (head.startsWith(QLatin1String("<?xml")) || head.contains(QLatin1String("<Tarih_Date")))
        return kurXmlOku(belge);
    return kurSayfasiniOku(belge);
}

} // namespace nimbo
