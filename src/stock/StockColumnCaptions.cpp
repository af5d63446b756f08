#include "stock/StockColumnCaptions.h"

#include <QHash>

namespace nimbo {

QString stockColumnCaption(const QString& column)
{
    static const QHash<QString, QString> captions = [] {
        const char* const pairs[][2] = {
            {"STOK_NO", "Stok No"}, {"STOK_ADI_TR", "Stok Adı"}, {"STOK_ADI_ING", "İkinci Dilde Adı"},
            {"BARKOD", "Ana Barkod"}, {"BARK_TIP", "Barkod Tipi"}, {"STOK_KOD_NO", "Stok Kodu"},
            {"ACILIS_TRH", "Açılış Tarihi"}, {"GRUPNO", "Grup"}, {"ANAGRUPNO", "Ana Grup"}, {"ALTGRUPNO", "Alt Grup"},
            {"FYT_TRH", "Fiyat Tarihi"}, {"MINSATFYT_TL", "En Düşük Satış Fiyatı TL"},
            {"MINSATFYT_USD", "En Düşük Satış Fiyatı USD"}, {"MINSATFYT_DVZ", "En Düşük Satış Fiyatı Döviz"},
            {"MINSATFYT_EUR", "En Düşük Satış Fiyatı EUR"}, {"ALIS_SON_TL", "Son Alış Fiyatı TL"},
            {"ALIS_SON_USD", "Son Alış Fiyatı USD"}, {"ALIS_SON_EUR", "Son Alış Fiyatı EUR"},
            {"ALIS_SON_DOVIZ", "Son Alış Fiyatı Döviz"}, {"TAK_SKFYT", "Taksitli Perakende Fiyatı"},
            {"TAK_ABFYT", "Taksitli Toptan Fiyatı"}, {"TAK_BFYT", "Taksitli 2. Toptan Fiyatı"},
            {"DOVIZ_KODU", "Döviz Cinsi"}, {"PARA_BAZ", "Fiyat Esası"}, {"KDV_DAHIL", "Kdv Dahil"}, {"KDV", "Kdv %"},
            {"OTV", "ÖTV %"}, {"OTV_VARMI", "ÖTV Var"}, {"KAR_TIP", "Kar Esası"}, {"KAR_ORAN", "Perakende Kar %"},
            {"KAR_ORAN_AB", "Toptan Kar %"}, {"KAR_ORAN_B", "2. Toptan Kar %"}, {"SIPARIS_SURESI", "Sipariş Süresi"},
            {"GARANTI_SURE", "Garanti Süresi"}, {"TEMSILCI", "Tedarikçi / Temsilci"}, {"FIRMANO", "Firma-Marka"},
            {"YER1", "Raf Yeri 1"}, {"YER2", "Raf Yeri 2"}, {"YER3", "Raf Yeri 3"}, {"YER4", "Raf Yeri 4"},
            {"YER5", "Raf Yeri 5"}, {"URET_STK_KOD", "Üretici Parça Kodu"}, {"ACIKLAMA1", "Açıklama"},
            {"ACIKLAMA2", "Açıklama 2"}, {"ACIKLAMA3", "Açıklama 3"}, {"ACIKLAMA4", "Açıklama 4"},
            {"PASIF", "Durumu"}, {"AKTARILDI", "Aktarıldı"}, {"WEBDENMI", "Web'den Açıldı"},
            {"SERITAKIP", "Seri No Takibi"}, {"FYTLISTECIK", "Fiyat Listesinde Çıksın"}, {"MODEL", "Modeli"},
            {"CINS", "Cinsi"}, {"IZIN_TRH", "İzin Belgesi Tarihi"}, {"IZIN_BELNO", "İzin Belgesi No"},
            {"TAMIR_SURE", "En Uzun Tamir Süresi"}, {"GARANTI_KART", "Garanti Kartı Basılsın"},
            {"ESKI_STOK_KOD", "Eski Stok Kodu"}, {"ENESKI_STOK_KOD", "Daha Eski Stok Kodu"},
            {"YENI_KOD", "Yeni Kodu"}, {"YENI_KOD_SON", "Son Yeni Kodu"}, {"BIRIM1", "Ana Birim"},
            {"BIRIM2", "2. Birim"}, {"BIRIM3", "3. Birim"}, {"B_KATSAYI2", "2. Birim Katsayısı"},
            {"B_KATSAYI3", "3. Birim Katsayısı"}, {"AL_BIRIM", "Alış Birimi"}, {"SAT_BIRIM", "Satış Birimi"},
            {"UNITE_KODU", "Ünite / Bölüm"}, {"ISKGRUP", "İskonto Grubu"}, {"PAY", "Pay"}, {"ORJ", "Orijinal"},
            {"QTY", "Paket Miktarı"}, {"KAYNAK", "Kaynak"}, {"INSOTOM", "Otomatik Giriş"}, {"RENK", "Renk"},
            {"KULLANIMTIP", "Kullanım Tipi"}, {"OZELLIKDETAY", "Özellik Detayı"}, {"RANK", "Sınıfı"},
            {"ORG_KOD", "Organizasyon Kodu"}, {"KRITIK_SEV", "Kritik Seviye"}, {"SIPARIS_SEV", "Sipariş Seviyesi"},
            {"MAX_SEV", "Azami Seviye"}, {"DVZKUR", "Fiyat Kuru"}, {"ETIKET", "Etiket Adedi"},
            {"WEBYUZDE", "Web Yüzde"}, {"WEBMIK", "Web Miktarı"}, {"WEBSTATU", "Web Durumu"},
            {"TEDARIKCI", "Tedarikçi No"}, {"MARKA", "Marka"}, {"MODEL_YILI", "Model Yılı"},
            {"MODEL_YILI1", "Model Yılı (Son)"}, {"BEDENKOD", "Beden Kodu"}, {"RENKKOD", "Renk Varyant Kodu"},
            {"RENKBIZLE", "Renk Bizle"}, {"YPONSIP", "Sipariş İşareti"}, {"RAF_YERI", "Raf Yeri"},
            {"MODEL_NO", "Model No"}, {"SUBEKODU", "Şube Kodu"}, {"GRUP_NO", "İkinci Grup No"},
            {"ONAYLANDI", "Onaylandı"}, {"ONAY_ACIKLAMA", "Onay Açıklaması"}};
        QHash<QString, QString> h;
        for (const auto& p : pairs)
            h.insert(QLatin1String(p[0]), QString::fromUtf8(p[1]));
        // The price columns: each kind in local currency, USD, the item's currency and EUR.
        const char* const prices[][2] = {{"ALIS_FYT", "Alış Liste Fiyatı"}, {"SAT_SKFYT", "Perakende Satış Fiyatı"},
                                         {"SAT_ABFYT", "Toptan Satış Fiyatı"}, {"SAT_BFYT", "2. Toptan Satış Fiyatı"},
                                         {"MALIYET_FYT", "Maliyet Fiyatı"}};
        const char* const currencies[][2] = {{"TL", "TL"}, {"USD", "USD"}, {"DOVIZ", "Döviz"}, {"EUR", "EUR"}};
        for (const auto& p : prices)
            for (const auto& c : currencies)
                h.insert(QLatin1String(p[0]) + QLatin1Char('_') + QLatin1String(c[0]),
                         QString::fromUtf8(p[1]) + QLatin1Char(' ') + QString::fromUtf8(c[1]));
        return h;
    }();
    return captions.value(column.toUpper());
}

} // namespace nimbo
