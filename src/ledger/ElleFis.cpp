#include "ledger/ElleFis.h"
#include "db/Errors.h"
#include "ledger/FisSaklayici.h"
#include "ledger/HesapPlani.h"
#include "ledger/TDMuh.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"

namespace nimbo {

ElleFis::ElleFis(const Db& db) : m_db(db) { yeni(); }

void ElleFis::yeni()
{
    m_fis = Fis{};
    m_fis.TARIH = QDate::currentDate();
    m_fis.TUR = QStringLiteral("M");
}

bool ElleFis::ac(double fisNo) { return FisSaklayici::yukle(m_db, fisNo, m_fis); }

int ElleFis::satirEkle()
{
    FisSatiri s;
    s.SIRANO = int(m_fis.satirlar.size()) + 1;
    m_fis.satirlar << s;
    return int(m_fis.satirlar.size()) - 1;
}

void ElleFis::satirSil(int i)
{
    if (i >= 0 && i < m_fis.satirlar.size())
        m_fis.satirlar.removeAt(i);
}

double ElleFis::borcToplami() const
{
    double t = 0;
    for (const FisSatiri& s : m_fis.satirlar)
        t += s.BORC;
    return t;
}

double ElleFis::alacakToplami() const
{
    double t = 0;
    for (const FisSatiri& s : m_fis.satirlar)
        t += s.ALACAK;
    return t;
}

bool ElleFis::save()
{
    Fis f = m_fis;
    f.satirlar.clear();
    HesapOnbellegi hesaplar(m_db);
    for (FisSatiri s : m_fis.satirlar) {
        s.HSPKODU = s.HSPKODU.trimmed();
        if (s.HSPKODU.isEmpty() && s.BORC == 0 && s.ALACAK == 0)
            continue; // an untouched row of the grid
        if (s.HSPKODU.isEmpty()) {
            Prompter::instance().warn(QStringLiteral("Hatalı Hesap Kodları Var. Fiş Kaydı Yapılamaz"));
            return false;
        }
        if (const auto& h = hesaplar.hesap(s.HSPKODU))
            HesapPlani::satiraKopyala(*h, s);
        if (s.DOVIZ_KOD.isEmpty())
            s.DOVIZ_KOD = QStringLiteral("TL");
        f.satirlar << s;
    }
    FisSaklayici saklayici(m_db);
    saklayici.setCalismaYili(SessionContext::current().CalismaYiliNo);
    saklayici.setTanilama(TDMuh::tanilama());
    if (!saklayici.sakla(f)) {
        // Numbers taken before the refusal stay with the voucher for its next attempt.
        m_fis.FISNO = f.FISNO;
        m_fis.YEVMIYE_NO = f.YEVMIYE_NO;
        m_fis.FISNUMARA = f.FISNUMARA;
        return false;
    }
    m_fis = f;
    return true;
}

void ElleFis::sil()
{
    if (m_fis.yeni())
        return;
    if (!m_fis.ENT_TIP.isEmpty())
        throw UserError(belgeFisiMesaji());
    FisSaklayici(m_db).sil(m_fis.FISNO);
    yeni();
}

} // namespace nimbo
