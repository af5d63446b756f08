#include "finance/CekSenetBordro.h"
#include "accounts/CariKapamaKontrol.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "services/Prompter.h"

namespace nimbo {

QString CekSenetBordro::turAdi(const QString& bTur)
{
    static const QHash<QString, QString> adlar{
        {QStringLiteral("0"), QStringLiteral("Çek Giriş")},
        {QStringLiteral("1"), QStringLiteral("Cari Hesaba Çek Çıkışı")},
        {QStringLiteral("2"), QStringLiteral("Çek Çıkışı (Banka Tahsil)")},
        {QStringLiteral("3"), QStringLiteral("Çek Çıkışı (Banka Teminat)")},
        {QStringLiteral("4"), QStringLiteral("Müşteri Çek İşlemleri")},
        {QStringLiteral("5"), QStringLiteral("Firmamızın Çek İşlemleri")},
        {QStringLiteral("6"), QStringLiteral("Senet Girişi")},
        {QStringLiteral("7"), QStringLiteral("Cari Hesaba Senet Çıkışı")},
        {QStringLiteral("8"), QStringLiteral("Senet Çıkışı (Banka Tahsil)")},
        {QStringLiteral("9"), QStringLiteral("Senet Çıkışı (Banka Teminat)")},
        {QStringLiteral("L"), QStringLiteral("Müşteri Senet İşlemleri")},
        {QStringLiteral("R"), QStringLiteral("Firmamızın Borç Senetleri işlemleri")},
        {QStringLiteral("D"), QStringLiteral("Devir")}};
    return adlar.value(bTur);
}

ListQuery CekSenetBordro::sorgu()
{
    ListQuery q;
    q.sql = QStringLiteral("SELECT B.BORDRONO, B.B_TUR, B.BORDROTRH, B.B_CARIKOD, C.FIRMA_ADI, B.ORTVADE, B.TUTAR_T, "
                           "B.ACIKLAMA, B.FIS_NO FROM CSBORDRO B LEFT JOIN CARI C ON C.CARI_KOD=B.B_CARIKOD WHERE 1=1");
    q.keyExpr = QStringLiteral("B.BORDRONO");
    q.keyField = QStringLiteral("BORDRONO");
    q.descending = true;
    return q;
}

bool CekSenetBordro::sil(const Db& db, double bordroNo)
{
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    const Params p{{QStringLiteral("BorN"), bordroNo}};
    if (db.any(QStringLiteral("SELECT PORTFOYNO FROM CSBORAYR WHERE (BORDRONO=:BorN) AND (PORTFOYNO IN "
                              "(SELECT PORTFOYNO FROM CSBORAYR WHERE BORDRONO>:BorN))"),
               p))
        throw UserError(QStringLiteral("Sonradan İşlem Görmüş Satırları var. Silenemez."));
    const auto hareketler = db.records(QStringLiteral("SELECT CARI_NO, SIRANO, CRHRK_TUR FROM CARIHRK WHERE "
                                                      "REF_NO=:BorN AND PORTFOYNO>0"),
                                       p);
    for (const QSqlRecord& r : hareketler)
        if (CariKapamaKontrol::hareketEslesmis(db, r.value(0).toDouble(), r.value(1).toInt(), toText(r.value(2)).trimmed()))
            throw UserError(CariKapamaKontrol::mesaj());
    if (db.scalar(QStringLiteral("SELECT FIS_NO FROM CSBORDRO WHERE BORDRONO=:BorN"), p).toDouble() > 0)
        throw UserError(QStringLiteral("Bu Hareketin Muhasebe Kayıt Fişi Var. Silinemez."));

    DbTransaction tx(db);
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT PORTFOYNO FROM CSBORAYR WHERE BORDRONO=:BorN"), p)) {
        const Params k{{QStringLiteral("P"), r.value(0)}, {QStringLiteral("BorN"), bordroNo}};
        const auto onceki = db.records(db.dialect().limit(QStringLiteral("SELECT SON_DURUMU FROM CSBORAYR WHERE "
                                                                         "PORTFOYNO=:P AND BORDRONO<>:BorN ORDER BY "
                                                                         "BORDRONO DESC"),
                                                          1),
                                       k);
        if (!onceki.isEmpty())
            db.exec(QStringLiteral("UPDATE CSKART SET SON_DURUMU=:D WHERE PORTFOYNO=:P"),
                    {{QStringLiteral("D"), onceki.first().value(0)}, {QStringLiteral("P"), r.value(0)}});
        else
            db.exec(QStringLiteral("DELETE FROM CSKART WHERE PORTFOYNO=:P AND BORDRONO=:BorN"), k);
    }
    db.exec(QStringLiteral("DELETE FROM CARIHRK WHERE REF_NO=:BorN AND PORTFOYNO>0"), p);
    db.exec(QStringLiteral("DELETE FROM BANKHRKA WHERE REF_NO=:BorN AND PORTFOYNO>0"), p);
    db.exec(QStringLiteral("DELETE FROM KASAHRKT WHERE HRKNO=:BorN AND REF_TIP='E'"), p);
    db.exec(QStringLiteral("DELETE FROM CSBORAYR WHERE BORDRONO=:BorN"), p);
    db.exec(QStringLiteral("DELETE FROM CSBORDRO WHERE BORDRONO=:BorN"), p);
    tx.commit();
    return true;
}

} // namespace nimbo
