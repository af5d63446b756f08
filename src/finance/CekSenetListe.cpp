#include "finance/CekSenetListe.h"
#include "db/TextSearch.h"
#include "finance/CekSenetDurumu.h"

namespace nimbo {

QString CekSenetListe::durumAdiSql()
{
    QStringList whens;
    for (const QString& d : CekSenetDurumu::durumlar())
        for (const QString& t : {CekSenetDurumu::kCek, CekSenetDurumu::kSenet})
            for (const QString& s : {CekSenetDurumu::kMusteri, CekSenetDurumu::kKendi})
                whens << QStringLiteral("WHEN K.SON_DURUMU='%1' AND K.CS_TIP='%2' AND K.SAHIP='%3' THEN '%4'")
                             .arg(d, t, s, CekSenetDurumu::etiket(d, t, s));
    return QStringLiteral("CASE %1 ELSE K.SON_DURUMU END").arg(whens.join(QLatin1Char(' ')));
}

ListQuery CekSenetListe::sorgu(const CekSenetFiltre& f) const
{
    ListQuery q;
    q.sql = QStringLiteral("SELECT K.PORTFOYNO, K.CS_TIP, K.SAHIP, K.SON_DURUMU, %1 AS DURUM_ADI, K.SERI_NO, "
                           "K.NUMKOD, K.CARIKOD, C.FIRMA_ADI, K.BORCLUSU, K.BANKA_ADI, K.BANKA_KOD, K.HESAP_NO, "
                           "K.TARIH, K.VADETARIH, K.TUTAR, K.DOVIZ_KOD, K.TUTAR_DOVIZ, K.B_TUR FROM CSKART K "
                           "LEFT JOIN CARI C ON C.CARI_KOD=K.CARIKOD WHERE 1=1")
                .arg(durumAdiSql());
    auto esit = [&](const QString& column, const QString& v, const QString& name) {
        if (!v.isEmpty())
            q.addWhere(QStringLiteral("%1=:%2").arg(column, name), name, v);
    };
    esit(QStringLiteral("K.CS_TIP"), f.csTip, QStringLiteral("CS_TIP"));
    esit(QStringLiteral("K.SAHIP"), f.sahip, QStringLiteral("SAHIP"));
    esit(QStringLiteral("K.SON_DURUMU"), f.durum, QStringLiteral("DURUM"));
    esit(QStringLiteral("K.BANKA_ADI"), f.bankaAdi, QStringLiteral("BANKA_ADI"));
    if (!f.bTur.isEmpty())
        q.addWhere(f.bTurHaric ? QStringLiteral("COALESCE(K.B_TUR, '')<>:B_TUR") : QStringLiteral("K.B_TUR=:B_TUR"),
                   QStringLiteral("B_TUR"), f.bTur);
    if (!f.cariKod.isEmpty())
        q.addWhere(QStringLiteral("K.CARIKOD LIKE :CARIKOD"), QStringLiteral("CARIKOD"), f.cariKod + QLatin1Char('%'));
    auto aralik = [&](const QString& column, const QVariant& a, const QVariant& b, const QString& name) {
        if (a.isValid() && !a.isNull())
            q.addWhere(QStringLiteral("%1>=:%2A").arg(column, name), name + QLatin1Char('A'), a);
        if (b.isValid() && !b.isNull())
            q.addWhere(QStringLiteral("%1<=:%2B").arg(column, name), name + QLatin1Char('B'), b);
    };
    aralik(QStringLiteral("K.TUTAR"), f.tutarMin, f.tutarMax, QStringLiteral("TUTAR"));
    aralik(QStringLiteral("K.PORTFOYNO"), f.portfoyMin, f.portfoyMax, QStringLiteral("PNO"));
    auto gun = [](const QDate& d, bool son) {
        return d.isValid() ? QVariant(QDateTime(d, son ? QTime(23, 59, 59) : QTime(0, 0))) : QVariant();
    };
    aralik(QStringLiteral("K.TARIH"), gun(f.girisBas, false), gun(f.girisSon, true), QStringLiteral("GIRIS"));
    aralik(QStringLiteral("K.VADETARIH"), gun(f.vadeBas, false), gun(f.vadeSon, true), QStringLiteral("VADE"));
    if (!f.islem.isEmpty())
        q.addWhere(QStringLiteral("K.CS_TIP='Ç' AND ") + CekSenetDurumu::uygunKosulu(f.islem, QStringLiteral("K")));
    static const QHash<QString, QString> aranir{{QStringLiteral("SERI_NO"), QStringLiteral("K.SERI_NO")},
                                                {QStringLiteral("CARIKOD"), QStringLiteral("K.CARIKOD")},
                                                {QStringLiteral("NUMKOD"), QStringLiteral("K.NUMKOD")},
                                                {QStringLiteral("FIRMA_ADI"), QStringLiteral("C.FIRMA_ADI")}};
    if (!f.aramaDegeri.isEmpty()) {
        if (f.aramaAlani == QLatin1String("PORTFOYNO"))
            q.addWhere(QStringLiteral("K.PORTFOYNO=:ARA"), QStringLiteral("ARA"), f.aramaDegeri.toDouble());
        else if (aranir.contains(f.aramaAlani))
            q.addWhere(TextSearch::clause(m_db.dialect(), aranir.value(f.aramaAlani), QStringLiteral("ARA")),
                       QStringLiteral("ARA"), TextSearch::startsWith(f.aramaDegeri));
    }
    q.keyExpr = QStringLiteral("K.PORTFOYNO");
    q.keyField = QStringLiteral("PORTFOYNO");
    q.sortExpr = QStringLiteral("K.VADETARIH");
    q.sortField = QStringLiteral("VADETARIH");
    q.sortNullable = false;
    q.sortable = {{QStringLiteral("VADETARIH"), QStringLiteral("K.VADETARIH")},
                  {QStringLiteral("TUTAR"), QStringLiteral("K.TUTAR")},
                  {QStringLiteral("CARIKOD"), QStringLiteral("K.CARIKOD")}};
    return q;
}

QList<CekSenetTarihceSatiri> CekSenetListe::tarihce(double portfoyNo) const
{
    QList<CekSenetTarihceSatiri> out;
    const auto kart = m_db.records(QStringLiteral("SELECT CS_TIP, SAHIP FROM CSKART WHERE PORTFOYNO=:P"),
                                   {{QStringLiteral("P"), portfoyNo}});
    const QString tip = kart.isEmpty() ? QString() : toText(kart.first().value(0)).trimmed();
    const QString sahip = kart.isEmpty() ? QString() : toText(kart.first().value(1)).trimmed();
    for (const QSqlRecord& r :
         m_db.records(QStringLiteral("SELECT FINDET.FIN_ID, FINDET.CEK_NO, FINDET.TARIH, FINDET.CS_DURUM, FINDET.KODU, "
                                     "FINDET.KODU2, FINDET.ADI, TIP2, FINDET.VADE_TRH, FINMAST.KODU AS ANA_KODU, "
                                     "FINMAST.ADI AS ANA_ADI FROM FINDET LEFT OUTER JOIN FINMAST ON "
                                     "(FINDET.FIN_ID=FINMAST.FIN_ID) WHERE FINDET.CEK_NO=:prNo "
                                     "ORDER BY FINDET.TARIH, FINDET.FIN_ID"),
                      {{QStringLiteral("prNo"), portfoyNo}})) {
        CekSenetTarihceSatiri s;
        s.finId = r.value(QStringLiteral("FIN_ID")).toInt();
        s.tarih = toDate(r.value(QStringLiteral("TARIH")));
        s.vade = toDate(r.value(QStringLiteral("VADE_TRH")));
        s.islem = toText(r.value(QStringLiteral("TIP2"))).trimmed();
        s.islemAdi = CekSenetDurumu::islemAdi(s.islem);
        s.durum = toText(r.value(QStringLiteral("CS_DURUM"))).trimmed();
        s.durumAdi = s.durum.isEmpty() ? QString() : CekSenetDurumu::etiket(s.durum, tip, sahip);
        s.kodu = toText(r.value(QStringLiteral("KODU"))).trimmed();
        s.kodu2 = toText(r.value(QStringLiteral("KODU2"))).trimmed();
        s.adi = toText(r.value(QStringLiteral("ADI"))).trimmed();
        s.anaKodu = toText(r.value(QStringLiteral("ANA_KODU"))).trimmed();
        s.anaAdi = toText(r.value(QStringLiteral("ANA_ADI"))).trimmed();
        out << s;
    }
    return out;
}

QList<QPair<double, QString>> CekSenetListe::secenekler(const QString& islem) const
{
    QList<QPair<double, QString>> out;
    for (const QSqlRecord& r :
         m_db.records(QStringLiteral("SELECT PORTFOYNO, SERI_NO, BORCLUSU, TUTAR_DOVIZ, DOVIZ_KOD FROM CSKART WHERE ")
                      + CekSenetDurumu::uygunKosulu(islem) + QStringLiteral(" ORDER BY VADETARIH, PORTFOYNO")))
        out << qMakePair(r.value(0).toDouble(), QStringLiteral("%1 %2 %3 %4 %5")
                                                    .arg(r.value(0).toDouble(), 0, 'f', 0)
                                                    .arg(toText(r.value(1)).trimmed(), toText(r.value(2)).trimmed())
                                                    .arg(r.value(3).toDouble(), 0, 'f', 2)
                                                    .arg(toText(r.value(4)).trimmed()));
    return out;
}

} // namespace nimbo
