#include "trade/TicariTaraf.h"

namespace nimbo {

const BelgeTipi* TicariTaraf::tip(const QString& harf) const
{
    for (const BelgeTipi& t : tipler)
        if (t.harf == harf)
            return &t;
    return nullptr;
}

bool TicariTaraf::fatura(const QString& harf) const
{
    const BelgeTipi* t = tip(harf);
    return t && t->fatura;
}

bool TicariTaraf::irsaliye(const QString& harf) const
{
    const BelgeTipi* t = tip(harf);
    return t && t->irsaliye;
}

QString TicariTaraf::tipAdi(const QString& harf) const
{
    const BelgeTipi* t = tip(harf);
    return t ? t->ad : QString();
}

const TicariTaraf& TicariTaraf::satis()
{
    static const TicariTaraf t{
        QStringLiteral("SATIS"),
        QStringLiteral("SATISAYR"),
        QStringLiteral("SATIS_NO"),
        QStringLiteral("S"),
        QStringLiteral("NEWSATIS"),
        QStringLiteral("FATIRS_S"),
        true,
        1000000575,
        QStringLiteral("SATIS"),
        QStringLiteral("ALISAYR"),
        QStringLiteral("ALIS_NO"),
        // The form offers the first seven; the others come from collective invoicing and
        // consignment and are saved the same way.
        {{QStringLiteral("İ"), QStringLiteral("Satış İrsaliyesi"), false, true},
         {QStringLiteral("F"), QStringLiteral("Satış Faturası"), true, false},
         {QStringLiteral("R"), QStringLiteral("Satış İrsaliyeli Fatura"), true, true},
         {QStringLiteral("A"), QStringLiteral("Alış İade Faturası"), true, false},
         {QStringLiteral("L"), QStringLiteral("Alış İade İrsaliyesi"), false, true},
         {QStringLiteral("E"), QStringLiteral("Alış İade İrsaliyeli Fatura"), true, true},
         {QStringLiteral("D"), QStringLiteral("Uzaktaki Depoya Çıkış İrsaliyesi"), false, true},
         {QStringLiteral("P"), QStringLiteral("Promosyon İrs.li Fat."), true, true},
         {QStringLiteral("N"), QStringLiteral("Sevk İrs.siz Fat."), true, true},
         {QStringLiteral("U"), QStringLiteral("Üretime Gid.İrs.(Fason)"), false, true},
         {QStringLiteral("C"), QStringLiteral("Konsiye Gir.İade İrs."), false, true},
         {QStringLiteral("K"), QStringLiteral("KÇİ."), false, true},
         {QStringLiteral("O"), QString(), true, false}}};
    return t;
}

const TicariTaraf& TicariTaraf::alis()
{
    static const TicariTaraf t{
        QStringLiteral("ALIS"),
        QStringLiteral("ALISAYR"),
        QStringLiteral("ALIS_NO"),
        QStringLiteral("A"),
        QStringLiteral("NEWSATIS"),
        QStringLiteral("FATIRS_A"),
        false,
        1000000575,
        QStringLiteral("ALIS"),
        QStringLiteral("SATISAYR"),
        QStringLiteral("SATIS_NO"),
        // The form offers the first six.
        {{QStringLiteral("İ"), QStringLiteral("Alış İrsaliyesi"), false, true},
         {QStringLiteral("F"), QStringLiteral("Alış Faturası"), true, false},
         {QStringLiteral("R"), QStringLiteral("Alış İrsaliyeli Fatura"), true, true},
         {QStringLiteral("A"), QStringLiteral("Satış İade Faturası"), true, false},
         {QStringLiteral("L"), QStringLiteral("Satış İade İrsaliyesi"), false, true},
         {QStringLiteral("E"), QStringLiteral("Satış İade İrsaliyeli Fatura"), true, true},
         {QStringLiteral("H"), QStringLiteral("Y.D.İth.İ.F"), true, true},
         {QStringLiteral("Y"), QStringLiteral("İth.Gd.İ.F."), true, true},
         {QStringLiteral("D"), QStringLiteral("U.Dp.İrs.Gr."), false, true},
         {QStringLiteral("P"), QStringLiteral("PrİF."), true, true},
         {QStringLiteral("N"), QStringLiteral("Svk.İr.siz F"), true, true},
         {QStringLiteral("K"), QStringLiteral("KÇİ."), false, true},
         {QStringLiteral("U"), QStringLiteral("Ürt.Gd.İrs."), false, true},
         {QStringLiteral("C"), QStringLiteral("K.Gr.İa.İrs"), false, true},
         {QStringLiteral("M"), QString(), false, true},
         {QStringLiteral("G"), QString(), true, false},
         {QStringLiteral("O"), QString(), true, false},
         {QStringLiteral("S"), QString(), true, false}},
        QStringLiteral("ISCILIKA"),
        QStringLiteral("MASRAFA"),
        1000000685,
        false};
    return t;
}

} // namespace nimbo
