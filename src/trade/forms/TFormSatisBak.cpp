#include "trade/forms/TFormSatisBak.h"
#include "trade/SatisBelgesi.h"
#include "services/SessionContext.h"
#include "trade/forms/TFormSatisA.h"

namespace nimbo {

TFormSatisBak::TFormSatisBak(QWidget* parent)
    : TicariListeFormu(TicariTaraf::satis(),
                       {QStringLiteral("Satış İşlemleri"),
                        QStringLiteral("3 ten fazla Satış Penceresi ile Çalışılmaz.Lütfen Satış Pencerelerinden Birini "
                                       "Kapatıp Bu Kaydı yeniden Çağırmayı Deneyin."),
                        QStringLiteral("Bu Hareketin Ödemeleri Kapanmış.Değiştirmek için Önce Ödemeleri İptal "
                                       "Etmelisiniz. Yine de Satışı Görmek İstiyormusunuz"),
                        QStringLiteral("SATIS_DUZEL")},
                       parent)
{
    setObjectName(QStringLiteral("TFormSatisBak"));
}

DocumentWindow* TFormSatisBak::pencere(double no, bool salt)
{
    SatisBelgesi::acilisDenetimi(SessionContext::current());
    return new TFormSatisA(no, salt, this);
}

std::unique_ptr<TicariBelge> TFormSatisBak::belgeModeli() const { return std::make_unique<SatisBelgesi>(db()); }

void TFormSatisBak::yazdir(double no, const QString& output) { TFormSatisA::yazdir(this, no, output); }

} // namespace nimbo
