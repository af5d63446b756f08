#include "finance/FinansIslemTuru.h"
#include "accounts/CariEkstre.h"

namespace nimbo {

const QStringList& FinansIslemTuru::anaTurler()
{
    static const QStringList t{QStringLiteral("K"), QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("E")};
    return t;
}

QStringList FinansIslemTuru::islemler(const QString& tip)
{
    if (tip == QLatin1String("K"))
        return {QStringLiteral("G"), QStringLiteral("C"), QStringLiteral("I"), QStringLiteral("V")};
    if (tip == QLatin1String("C"))
        return {QStringLiteral("N"), QStringLiteral("A"), QStringLiteral("V"), QStringLiteral("D"),
                QStringLiteral("L"), QStringLiteral("I"), QStringLiteral("F")};
    if (tip == QLatin1String("B"))
        return QStringLiteral("G H Y C I M D A V K T O").split(QLatin1Char(' '));
    if (tip == QLatin1String("E"))
        return QStringLiteral("0 1 2 3 4 5 6 7 8 9").split(QLatin1Char(' '));
    return {};
}

bool FinansIslemTuru::gecerli(const QString& tip, const QString& tip2)
{
    return tip2.size() == 1 && islemler(tip).contains(tip2);
}

QString FinansIslemTuru::etiket(const QString& tip, const QString& tip2)
{
    if (tip == QLatin1String("C") && tip2 == QLatin1String("D"))
        return QStringLiteral("Cari Dekont(Borç)");
    if (tip == QLatin1String("C") && tip2 == QLatin1String("L"))
        return QStringLiteral("Cari Dekont(Alacak)");
    if (tip == QLatin1String("E") && tip2 == QLatin1String("2"))
        return QStringLiteral("Çek/Senet Cariden Portföye İade");
    return CariEkstre::hareketTuru(tip, tip2);
}

QPair<QString, QString> FinansIslemTuru::satirTuru(const QString& tip, const QString& tip2)
{
    static const char* const kSatir[][4] = {{"C", "N", "K", "G"}, {"C", "A", "K", "C"}, {"B", "G", "C", "L"},
                                            {"B", "H", "C", "D"}, {"B", "Y", "K", "C"}, {"B", "C", "K", "G"},
                                            {"B", "K", "C", "L"}, {"B", "T", "C", "D"}};
    for (const auto& s : kSatir)
        if (tip == QLatin1String(s[0]) && tip2 == QLatin1String(s[1]))
            return {QLatin1String(s[2]), QLatin1String(s[3])};
    return {tip, tip2};
}

bool FinansIslemTuru::borcTarafi(const QString& tip, const QString& tip2)
{
    // Debit: money or paper comes into the line's code (a desk receives, a bank is paid
    // into, an account is charged, a paper enters the portfolio).
    static const QHash<QString, QString> borc{{QStringLiteral("K"), QStringLiteral("GIV")},
                                              {QStringLiteral("C"), QStringLiteral("AVDI")},
                                              {QStringLiteral("B"), QStringLiteral("GYIDVK")},
                                              {QStringLiteral("E"), QStringLiteral("0248")}};
    return tip2.size() == 1 && borc.value(tip).contains(tip2);
}

bool FinansIslemTuru::portfoyHareketi(const QString& tip, const QString& tip2)
{
    return tip == QLatin1String("E") && tip2.size() == 1 && tip2 != QLatin1String("5")
           && QStringLiteral("012346789").contains(tip2);
}

bool FinansIslemTuru::kartIslemi(const QString& tip, const QString& tip2)
{
    return tip == QLatin1String("B") && QStringLiteral("KTO").contains(tip2) && tip2.size() == 1;
}

QString FinansIslemTuru::baslik(const QString& tip, const QString& tip2)
{
    if (tip2 == QLatin1String("V") && tip != QLatin1String("E"))
        return QStringLiteral("VİRMAN");
    if (tip == QLatin1String("K"))
        return tip2 == QLatin1String("G")   ? QStringLiteral("GELİR MAKBUZU")
               : tip2 == QLatin1String("C") ? QStringLiteral("GİDER MAKBUZU")
                                            : QStringLiteral("İLK AÇILIŞ");
    if (tip == QLatin1String("C") && tip2 == QLatin1String("N"))
        return QStringLiteral("TAHSİLAT MAKBUZU");
    if (tip == QLatin1String("C") && tip2 == QLatin1String("A"))
        return QStringLiteral("TEDİYE MAKBUZU");
    if (tip == QLatin1String("E"))
        return QStringLiteral("CEK/SENET BORDROSU");
    return QStringLiteral("DEKONT");
}

} // namespace nimbo
