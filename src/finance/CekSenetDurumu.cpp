#include "finance/CekSenetDurumu.h"

#include <QHash>

namespace nimbo {

namespace {

struct Uygunluk {
    const char* islem;
    const char* durumlar; // statuses accepted, one letter each
    const char* sahip;    // owner accepted
};

// The papers each operation may move; an operation may list one row per owner.
const Uygunluk kUygunluk[] = {
    {"1", "P", "M"}, {"1", "P", "F"}, {"2", "C", "M"}, {"2", "P", "F"}, {"3", "P", "M"},
    {"4", "BV", "M"}, {"5", "BV", "M"}, {"8", "BV", "M"}, {"6", "P", "F"}, {"7", "K", "M"},
    {"9", "KP", "M"},
};

} // namespace

const QStringList& CekSenetDurumu::durumlar()
{
    static const QStringList d{QStringLiteral("P"), QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("V"),
                               QStringLiteral("K"), QStringLiteral("9"), QStringLiteral("T"), QStringLiteral("I"),
                               QStringLiteral("R")};
    return d;
}

QString CekSenetDurumu::etiket(const QString& durum, const QString& csTip, const QString& sahip)
{
    const bool cek = csTip == kCek;
    if (durum == QLatin1String("P")) {
        if (sahip == kKendi)
            return cek ? QStringLiteral("Kendi Çekimiz") : QStringLiteral("Borç Senedimiz");
        return QStringLiteral("Portföyde");
    }
    if (durum == QLatin1String("K"))
        return cek ? QStringLiteral("Karşılıksız") : QStringLiteral("Protestolu");
    if (durum == QLatin1String("C"))
        return QStringLiteral("Cirolu");
    if (durum == QLatin1String("B"))
        return QStringLiteral("Bankaya Teminata Verildi");
    if (durum == QLatin1String("V"))
        return QStringLiteral("Bankaya Tahsil Verildi");
    if (durum == QLatin1String("9"))
        return QStringLiteral("Tahsil Edilemiyor");
    if (durum == QLatin1String("T"))
        return QStringLiteral("Tahsil Edildi");
    if (durum == QLatin1String("I"))
        return QStringLiteral("İade Edildi.");
    if (durum == QLatin1String("R"))
        return QStringLiteral("Tahsile verildi(Protestolu)");
    return durum;
}

QString CekSenetDurumu::turAdi(const QString& csTip)
{
    return csTip == kCek ? QStringLiteral("Çek") : QStringLiteral("Senet");
}

QString CekSenetDurumu::sahipAdi(const QString& sahip)
{
    return sahip == kKendi ? QStringLiteral("Kendi Çek/Senetimiz") : QStringLiteral("Müşteri Çek/Seneti");
}

const QStringList& CekSenetDurumu::islemler()
{
    static const QStringList i{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                               QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                               QStringLiteral("8"), QStringLiteral("9")};
    return i;
}

QString CekSenetDurumu::islemAdi(const QString& islem)
{
    static const QStringList adlar{
        QStringLiteral("Cariden Çek/Senet Girişi"),          QStringLiteral("Cari Hesaba Çek/Senet Çıkışı"),
        QStringLiteral("Çek/Senet Müşteriden İade"),         QStringLiteral("Çek/Senet Bankaya Tahsile Verilen"),
        QStringLiteral("Çek/Senet Bankadan Portföye İade"),  QStringLiteral("Çek/Senet Bankada Tahsil"),
        QStringLiteral("Çek/Senet Müşteriden Tahsil"),       QStringLiteral("Çek/Senet Tahsil Olmuyor"),
        QStringLiteral("Çek/Senet Karşılısız"),              QStringLiteral("Çek/Senet Müşteriye İade")};
    const int i = islemler().indexOf(islem);
    return i < 0 ? QString() : adlar.at(i);
}

bool CekSenetDurumu::uygun(const QString& islem, const QString& durum, const QString& sahip)
{
    if (durum.size() != 1)
        return false;
    for (const Uygunluk& u : kUygunluk)
        if (islem == QLatin1String(u.islem) && sahip == QLatin1String(u.sahip)
            && QString::fromUtf8(u.durumlar).contains(durum))
            return true;
    return false;
}

QString CekSenetDurumu::uygunKosulu(const QString& islem, const QString& alias)
{
    const QString a = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
    QStringList parts;
    for (const Uygunluk& u : kUygunluk) {
        if (islem != QLatin1String(u.islem))
            continue;
        QStringList d;
        for (const QChar c : QString::fromUtf8(u.durumlar))
            d << QStringLiteral("'%1'").arg(c);
        parts << QStringLiteral("(%1SAHIP='%2' AND %1SON_DURUMU IN (%3))")
                     .arg(a, QLatin1String(u.sahip), d.join(QLatin1Char(',')));
    }
    return parts.isEmpty() ? QStringLiteral("1=0") : QStringLiteral("(%1)").arg(parts.join(QStringLiteral(" OR ")));
}

QString CekSenetDurumu::yeniDurum(const QString& islem, const QString& sahip)
{
    static const QHash<QString, QString> durum{{QStringLiteral("0"), QStringLiteral("P")},
                                               {QStringLiteral("2"), QStringLiteral("P")},
                                               {QStringLiteral("3"), QStringLiteral("B")},
                                               {QStringLiteral("4"), QStringLiteral("P")},
                                               {QStringLiteral("5"), QStringLiteral("V")},
                                               {QStringLiteral("6"), QStringLiteral("T")},
                                               {QStringLiteral("7"), QStringLiteral("9")},
                                               {QStringLiteral("8"), QStringLiteral("K")},
                                               {QStringLiteral("9"), QStringLiteral("I")}};
    if (islem == QLatin1String("1"))
        return sahip == kKendi ? QStringLiteral("P") : QStringLiteral("C");
    return durum.value(islem);
}

} // namespace nimbo
