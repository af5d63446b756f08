#include "session/MenuRights.h"
#include "services/SessionContext.h"

namespace nimbo {

namespace {

using Test = MenuRight::Test;
using Target = MenuRight::Target;

MenuRight row(const char* caption, const char* column = "", Test test = Test::None)
{
    return {QString::fromUtf8(caption), QString::fromLatin1(column), test, Target::Window, false};
}

QList<MenuRight> rows(std::initializer_list<const char*> captions, const char* column = "", Test test = Test::None)
{
    QList<MenuRight> out;
    for (const char* c : captions)
        out << row(c, column, test);
    return out;
}

QList<MenuRight> buildTable()
{
    QList<MenuRight> t;
    t << MenuRight{QStringLiteral("Genel Muhasebe"), {}, Test::None, Target::LedgerProgram, false};
    // The ledger's own windows, also reachable from the main program.
    t << rows({"Hesap Planı", "Muhasebe Fişleri", "Mizan", "Hesap Ekstresi", "Hesap Aylık Dökümü", "Fiş Dökumleri"});
    t << MenuRight{QStringLiteral("Sistem Yönetimi"), QStringLiteral("BAKIM"), Test::ViewOrFull,
                   Target::MaintenanceProgram, false};
    t << row("Finans Hareketleri Listesi", "MUHPRG", Test::NotDash);
    t << row("Kasa İşlemleri Listesi", "KASARAP", Test::NotDash);
    t << row("Cari İşlemler Listesi", "CHODEKAPAC", Test::NotDash);
    t << row("Banka İşlemleri Listesi", "KULRAP", Test::NotDash);
    t << row("Çek/Senet İşlemleri Listesi", "ISTAT", Test::NotDash);
    t << row("Cari Hesap Ekstre Listesi", "MUHPRG", Test::NotDash);
    t << row("Stok Kayıtları", "STKART", Test::ViewOrFull);
    t << row("Stok Bilgileri Listesi");
    t << row("Stok Fiyat Listesi", "DIGER01", Test::FullOnly);
    t << row("Stok Hareketleri Listesi", "STKHRK", Test::FullOnly);
    // Only the first of the two statement captions is guarded.
    t << row("Stok Ekstresi", "STKHRK", Test::FullOnly);
    t << row("Stok Hareketleri Ekstresi Listesi");
    t << row("Stok Depo Miktarları", "DEPSTK", Test::FullOnly);
    t << rows({"En Çok Satılan Ürünler Top-10", "En Çok Satış Yapılan Cari Top-10",
               "Alış/Satış Faturaları Stok Miktarları"});
    t << row("Genel Maliyet Analizi", "DIGER02", Test::FullOnly);
    t << row("Duran Malın Maliyet Analizi (Envanter)", "DIGER03", Test::FullOnly);
    t << row("Satılan Malın Maliyet Analizi", "DIGER04", Test::FullOnly);
    t << row("Karlılık Analizi", "DIGER05", Test::FullOnly);
    t << rows({"Alış Faturalarına Göre Stok Ciro Listesi", "Satış Faturalarına Göre Stok Ciro Listesi",
               "Alış Faturalarına Göre Cari/Stok Ciro Listesi", "Satış Faturalarına Göre Cari/Stok Ciro Listesi",
               "Alış Faturası Listesi", "Satış Faturası Listesi", "Satışların Aylık Ciro Dağılımları",
               "Satış Cirosu Artan Cariler", "Cari Hareket Türlerine Göre Toplamlar", "Cari Listesi",
               "Cari Adres ve Etiket"});
    t << rows({"Carilere Göre Ciro Listesi", "Carilerin Aylık Ciro Listesi"}, "DIGER07", Test::FullOnly);
    t << rows({"Cari Genel Hareket Raporu", "Aylara Göre Cari Hareket Listesi"}, "DIGER06", Test::FullOnly);
    t << rows({"Özet Cari Bakiye Listesi", "Personel Listesi", "Stok Kod Değişen Kayıtları", "Stok Ana Grup Tanımları",
               "Stok Grup Tanımları", "Stok Alt Grup Tanımları", "Stok Marka", "Marka Tanımları", "Birim Tanımları",
               "KDV Oranları", "Araç Tipleri", "Model Tanımları", "Renk Tanımları", "Cari Kayıtlar",
               "Cari Ana Grup Tanımları", "Cari Grup Tanımları", "Cari Alt Grup Tanımları", "Banka",
               "Kasa Tanımları"});
    t << row("Döviz Kurları", "DOVIZ", Test::ViewOrFull);
    t << rows({"Döviz Tanımları", "Hizmet Tanımları", "Masraf Tanımları", "Masraf", "Personel Kayıtları",
               "Departman Tanımları", "İl/İlçe Tanımları", "Depo Tanımları", "Depo Stokları", "Alış İşlemleri",
               "Satış İşlemleri"});
    MenuRight retail = row("Perakende Satış İşlemleri");
    retail.modal = true;
    t << retail;
    t << rows({"Taksit Yönetimi", "Çek/Senet Kartı", "Çek/Senet Bordroları", "Verilen Sipariş", "Banka Hareketleri",
               "Cari Hareket Girişleri"});
    t << row("Stok Fişleri", "STKFIS", Test::FullOnly);
    t << row("Kasa İşlemleri", "KASAHRKG", Test::FullOnly);
    t << row("Cari İşlemler", "CHRK", Test::FullOnly);
    t << row("Banka İşlemleri", "BHRK", Test::FullOnly);
    t << row("Çek/Senet İşlemleri", "CEKSEN", Test::FullOnly);
    t << row("Finans Hareketleri", "MUHPRG", Test::NotDash);
    return t;
}

} // namespace

const QList<MenuRight>& MenuRights::table()
{
    static const QList<MenuRight> t = buildTable();
    return t;
}

const MenuRight* MenuRights::find(const QString& caption)
{
    const QString c = caption.trimmed();
    for (const MenuRight& r : table())
        if (r.caption == c)
            return &r;
    return nullptr;
}

bool MenuRights::passes(MenuRight::Test test, const QString& flag)
{
    switch (test) {
    case Test::None:
        return true;
    case Test::ViewOrFull:
        return flag == QLatin1String("H") || flag == QLatin1String("O");
    case Test::FullOnly:
        return flag == QLatin1String("H");
    case Test::NotDash:
        return flag != QLatin1String("-");
    }
    return false;
}

bool MenuRights::passes(const MenuRight& row, const SessionContext& s)
{
    if (row.test == Test::None)
        return true;
    // After a cancelled login at a firm change the flags are all empty, and an empty flag would
    // pass the not-dash test: without a user no guarded command runs.
    if (s.KullaniciAdi.isEmpty())
        return false;
    return passes(row.test, s.hak(row.column));
}

bool MenuRights::allows(const QString& caption, const SessionContext& s)
{
    const MenuRight* row = find(caption);
    return !row || passes(*row, s);
}

} // namespace nimbo
