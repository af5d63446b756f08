#include "trade/SatisFinansSatirlari.h"

namespace nimbo {

namespace {

double bol(double a, double b) { return b == 0 ? 0 : a / b; }

} // namespace

QList<FinansHareketi> satisFinansSatirlari(const SatisFinansGirdisi& g, double siraNo)
{
    const QString onEk = g.aciklama + QLatin1Char(' ') + g.fatNo + QStringLiteral(" No.lu ") + g.tipAdi;
    FinansHareketi temel;
    temel.BELGE_TIP = g.alis ? QStringLiteral("A") : QStringLiteral("S");
    temel.SIRA_NO = siraNo;
    temel.TIP = g.tip;
    temel.ISLEM_TIP3 = QString();
    temel.CEK_NO = 0;
    temel.DOVIZ_KODU = g.doviz;
    temel.DVZ_KUR = g.kur;
    temel.TARIH = QDateTime(g.tarih, QTime(0, 0));
    temel.VADE_TRH = QDateTime(g.vade.isValid() ? g.vade : g.tarih, QTime(0, 0));
    temel.BELGE_NO = g.fatNo;
    temel.PERSON_KOD = g.personel;
    temel.HRK_NO = g.satisNo;
    temel.BA_DOVIZ = g.baDoviz;
    temel.BA_KUR = g.baKur;

    auto borc = [&](FinansHareketi f) {
        f.BORC = g.net;
        f.BORC_DVZ = g.net * g.kur;
        f.BA_BORC = bol(g.net, g.baKur);
        return f;
    };
    auto alacak = [&](FinansHareketi f) {
        f.ALACAK = g.net;
        f.ALACAK_DVZ = g.net * g.kur;
        f.BA_ALACAK = bol(g.net, g.baKur);
        return f;
    };
    auto satir = [&](const char* t1, const char* t2, const QString& kod, const QString& kod2, const QString& carikod,
                     const QString& adi, double finId, const QString& ek) {
        FinansHareketi f = temel;
        f.ISLEM_TIP = QString::fromLatin1(t1);
        f.ISLEM_TIP2 = QString::fromUtf8(t2);
        f.KODU = kod;
        f.KODU2 = kod2;
        f.CARIKOD = carikod;
        f.ADI = adi;
        f.FIN_ID = finId;
        f.ACIKLAMA = onEk + ek;
        return f;
    };

    // The customer's side of the document, then the payment pair; a purchase swaps the sides.
    auto cariYonu = [&](FinansHareketi f) { return g.alis ? alacak(f) : borc(f); };
    auto odemeYonu = [&](FinansHareketi f) { return g.alis ? borc(f) : alacak(f); };
    auto karsiYonu = [&](FinansHareketi f) { return g.alis ? alacak(f) : borc(f); };
    const QString islem = g.alis ? QStringLiteral("Alış") : QStringLiteral("Satış");
    QList<FinansHareketi> out;
    out << cariYonu(satir("C", g.alis ? "Ş" : "S", g.cariKod, {}, {}, g.cariAdi, g.finId,
                          QLatin1Char(' ') + islem + QStringLiteral(" İşlemi")));
    if (g.odeTip == QLatin1String("P")) {
        const QString ek = QStringLiteral(" Peşin Ödemesi");
        out << odemeYonu(satir("C", g.alis ? "A" : "N", g.cariKod, {}, {}, g.cariAdi, g.odemeFinId, ek));
        out << karsiYonu(satir("K", g.alis ? "C" : "G", g.odemeKodu, {}, g.cariKod, g.odemeAdi, g.odemeFinId, ek));
    } else if (g.odeTip == QLatin1String("H") || g.odeTip == QLatin1String("K")) {
        const bool havale = g.odeTip == QLatin1String("H");
        const QString ek = QStringLiteral(" No.lu ") + islem
                           + (havale ? QStringLiteral("ın Banka Havalesi") : QStringLiteral("ın Kredi Kartı İle Ödemesi"));
        const char* bankaTip = g.alis ? (havale ? "H" : "O") : (havale ? "G" : "K");
        out << karsiYonu(satir("B", bankaTip, g.odemeKodu, g.odemeKodu2, g.cariKod, g.odemeAdi, g.odemeFinId, ek));
        out << odemeYonu(satir("C", g.alis ? "D" : "L", g.cariKod, {}, {}, g.cariAdi, g.odemeFinId, ek));
    }
    return out;
}

} // namespace nimbo
