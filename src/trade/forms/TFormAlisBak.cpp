#include "trade/forms/TFormAlisBak.h"
#include "trade/AlisBelgesi.h"
#include "trade/forms/TFormAlisA.h"

namespace nimbo {

TFormAlisBak::TFormAlisBak(QWidget* parent)
    : TicariListeFormu(TicariTaraf::alis(),
                       {QStringLiteral("Alış İşlemleri"),
                        QStringLiteral("3 ten fazla Alış Penceresi ile Çalışılmaz.Lütfen Alış Pencerelerinden Birini "
                                       "Kapatıp Bu Kaydı yeniden Çağırmayo Deneyin."),
                        QStringLiteral("Bu Hareketin Ödemeleri Kapanmış.Değiştirmek için Önce Ödemeleri İptal "
                                       "Etmelisiniz. Yine de Görmek İstiyormusunuz"),
                        QString()}, // purchases have no correction right of their own
                       parent)
{
    setObjectName(QStringLiteral("TFormAlisBak"));
}

DocumentWindow* TFormAlisBak::pencere(double no, bool salt) { return new TFormAlisA(no, salt, this); }

std::unique_ptr<TicariBelge> TFormAlisBak::belgeModeli() const { return std::make_unique<AlisBelgesi>(db()); }

void TFormAlisBak::yazdir(double no, const QString& output) { TFormAlisA::yazdir(this, no, output); }

} // namespace nimbo
