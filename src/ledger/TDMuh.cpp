#include "ledger/TDMuh.h"
#include "db/Errors.h"
#include "ledger/FisSaklayici.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace nimbo {

namespace {

QHash<QChar, TDMuh::Rutin>& rutinler()
{
    static QHash<QChar, TDMuh::Rutin> r;
    return r;
}

bool baslangicTanilama()
{
    const QStringList a = QCoreApplication::instance() ? QCoreApplication::arguments() : QStringList();
    return a.size() > 1 && a.at(1) == QLatin1String("D");
}

void kimlikKontrol(const QString& ad)
{
    static const QRegularExpression ok(QStringLiteral("^[A-Z][A-Z0-9_]{0,29}$"));
    if (!ok.match(ad).hasMatch())
        throw UserError(QStringLiteral("Geçersiz tablo veya kolon adı: %1").arg(ad));
}

} // namespace

TDMuh::TDMuh(const Db& db) : m_db(db), m_hesaplar(db)
{
    // The parameters a posting reads, in one query (the one-row tables may be empty).
    const Dialect& d = db.dialect();
    const auto p = db.records(QStringLiteral("SELECT (%1) AS KIRIL_TAKIP, (%2) AS ISK_DUS, (%3) AS YERELDOVIZ, (%4) AS TRHKILIT")
                                  .arg(d.limit(QStringLiteral("SELECT KIRIL_TAKIP FROM PARAMET"), 1),
                                       d.limit(QStringLiteral("SELECT ISK_DUS FROM PARAMET"), 1),
                                       d.limit(QStringLiteral("SELECT YERELDOVIZ FROM PARAMETRE"), 1),
                                       d.limit(QStringLiteral("SELECT TRHKILIT FROM PARAMETRE"), 1)));
    const QSqlRecord r = p.value(0);
    m_kirilTakip = toText(r.value(QStringLiteral("KIRIL_TAKIP"))).trimmed();
    m_iskDus = toText(r.value(QStringLiteral("ISK_DUS"))).trimmed();
    m_yerel = toText(r.value(QStringLiteral("YERELDOVIZ"))).trimmed();
    if (m_yerel.isEmpty())
        m_yerel = QStringLiteral("TL");
    m_kilit = toDate(r.value(QStringLiteral("TRHKILIT")));
}

QString TDMuh::numaraMetni(double no)
{
    return no == 0 ? QString() : QLocale(QLocale::Turkish, QLocale::Turkey).toString(qint64(std::llround(no)));
}

QString TDMuh::eksikKodMesaji()
{
    return QStringLiteral("Eksik Muhasebe Kodları Var. Öncelikle Kodları Kartlardan Tanımlayın. Aksi Takdirde "
                          "Muhasabe Fişi Oluşturulamaz.");
}

void TDMuh::rutinKaydet(QChar tur, Rutin rutin) { rutinler().insert(tur, std::move(rutin)); }
void TDMuh::rutinSil(QChar tur) { rutinler().remove(tur); }

std::function<void(QChar, double)>& TDMuh::fisGoruntuleyici()
{
    static std::function<void(QChar, double)> f;
    return f;
}

bool& TDMuh::tanilama()
{
    static bool d = baslangicTanilama();
    return d;
}

void TDMuh::MuhasebeKayit(bool bayrak)
{
    const auto it = rutinler().constFind(belgeTuru);
    if (it == rutinler().constEnd()) {
        reddet(QStringLiteral("Bu belge türü için muhasebe kaydı tanımlı değil: ") + belgeTuru);
        return;
    }
    it.value()(*this, bayrak);
    if (fisNo >= 0 && interaktif && fisGoruntuleyici()
        && Prompter::instance().ask(QStringLiteral("Fiş görüntülensinmi?")))
        fisGoruntuleyici()(belgeTuru, belgeNo);
}

Fis& TDMuh::fisAc(const QDate& tarih, const QString& tur, const QString& belgeNoMetni, const QString& aciklama)
{
    m_fis = Fis{};
    // Its lines are written anew.
    if (mevcutFisNo > 0)
        FisSaklayici::yukle(m_db, mevcutFisNo, m_fis, false);
    m_fis.TARIH = tarih;
    m_fis.TUR = tur;
    m_fis.ENT_TIP = QString(belgeTuru);
    m_fis.ENT_REF_NO = belgeNo;
    m_fis.BELGENO = belgeNoMetni;
    m_fis.ACIKLAMA = aciklama.left(95);
    return m_fis;
}

void TDMuh::reddet(const QString& mesaj)
{
    m_fis = Fis{};
    basarili = false;
    hata = mesaj;
    if (interaktif)
        Prompter::instance().warn(mesaj);
}

bool TDMuh::SeviyeKontroluYap(const QString& kod) { return m_hesaplar.SeviyeKontroluYap(kod); }

QString TDMuh::MuhKodDondur(const QString& kirilimli, const QString& dvzKod) const
{
    if (m_kirilTakip != QLatin1String("E") || kirilimli.trimmed() != QLatin1String("E"))
        return {};
    return toText(m_db.scalar(QStringLiteral("SELECT KIR_KOD FROM CARI_KIRILKOD WHERE DVZ_KOD = :d"),
                              {{QStringLiteral("d"), dvzKod.trimmed()}}))
        .trimmed();
}

void TDMuh::AyrHesapGir(const QString& kod, const QString& taraf, double tutar, const QString& aciklama,
                        const QString& grupKod, double dvzTutar, const QString& dvzKod, double kur)
{
    m_iz.yaz(kod, tutar, taraf);
    if (kod.trimmed().isEmpty() || !SeviyeKontroluYap(kod))
        hataliKod = true;
    if (tutar <= 0)
        return;
    const bool alacak = taraf == QLatin1String("A");
    const bool dovizli = !dvzKod.isEmpty() && dvzKod != QLatin1String("TL") && dvzKod != QLatin1String("YTL");

    FisSatiri* satir = nullptr;
    if (birlestirme == QLatin1String("B")) {
        for (FisSatiri& s : m_fis.satirlar) {
            if (s.HSPKODU != kod || (alacak ? s.ALACAK <= 0 : s.BORC <= 0))
                continue;
            if (!dvzKod.isEmpty() && (s.DOVIZ_KOD != dvzKod || s.TL_DEGERI != kur))
                continue;
            if (!grupKod.isEmpty() && s.GRUP1_KOD != grupKod)
                continue;
            satir = &s;
            break;
        }
    }
    if (!satir) {
        FisSatiri s;
        s.SIRANO = int(m_fis.satirlar.size()) + 1;
        s.HSPKODU = kod;
        s.ENT_REF_NO = belgeNo;
        s.ENT_REF_TIP = QString(belgeTuru);
        if (const auto& h = m_hesaplar.hesap(kod))
            HesapPlani::satiraKopyala(*h, s);
        s.DOVIZ_KOD = QStringLiteral("TL");
        m_fis.satirlar << s;
        satir = &m_fis.satirlar.last();
    }
    (alacak ? satir->ALACAK : satir->BORC) += tutar;
    if (dovizli) {
        (alacak ? satir->DVZ_ALACAK : satir->DVZ_BORC) += dvzTutar;
        satir->TL_DEGERI = kur;
        satir->DOVIZ_KOD = dvzKod;
    }
    satir->GRUP1_KOD = grupKod;
    // The column holds 95 characters; a long narration is cut as the field would cut it.
    satir->ACIKLAMA = (grupKod.isEmpty() ? aciklama : QLatin1Char('(') + grupKod + QLatin1Char(')') + aciklama).left(95);
}

bool TDMuh::FisiSakla(const QString& kaynakTablo, const QString& anahtarKolon, const QString& kosul)
{
    if (hataliKod || m_fis.satirlar.isEmpty()) {
        reddet(eksikKodMetni.isEmpty() ? eksikKodMesaji() : eksikKodMetni);
        return false;
    }
    kimlikKontrol(kaynakTablo);
    kimlikKontrol(anahtarKolon);
    FisSaklayici saklayici(m_db, m_hesaplar, m_kilit);
    saklayici.setCalismaYili(SessionContext::current().CalismaYiliNo);
    saklayici.setTanilama(tanilama());
    saklayici.setSessiz(!interaktif);
    const bool ok = saklayici.sakla(m_fis, [&](const Db& db, const Fis& f) {
        db.execAffected(QStringLiteral("UPDATE %1 SET FIS_NO = :FisNosu WHERE %2 = :Nosu%3")
                    .arg(kaynakTablo, anahtarKolon, kosul.isEmpty() ? QString() : QStringLiteral(" AND ") + kosul),
                {{QStringLiteral("FisNosu"), f.FISNO}, {QStringLiteral("Nosu"), belgeNo}});
    });
    if (!ok) {
        fisGecerli = false;
        basarili = false;
        hata = saklayici.hata();
        return false;
    }
    fisNo = m_fis.FISNO;
    return true;
}

MuhasebeSonucu muhasebelestir(const Db& db, QChar tur, bool iade, double belgeNo, double mevcutFisNo, bool interaktif)
{
    TDMuh m(db);
    m.belgeTuru = tur;
    m.iade = iade;
    m.belgeNo = belgeNo;
    m.mevcutFisNo = mevcutFisNo;
    m.interaktif = interaktif;
    m.basarili = true;
    m.fisGecerli = true;
    m.hataliKod = false;
    try {
        m.MuhasebeKayit(false);
    } catch (const DbError& e) {
        m.reddet(QStringLiteral("Hata:") + e.text());
    } catch (const UserError& e) {
        m.reddet(e.message());
    }
    return {m.basarili, m.basarili ? m.fisNo : -1, m.hata};
}

bool BelgeMuhasebelestir(QChar tur, bool iade, double belgeNo, double mevcutFisNo, bool interaktif)
{
    return muhasebelestir(SessionContext::current().db(), tur, iade, belgeNo, mevcutFisNo, interaktif).basarili;
}

} // namespace nimbo
