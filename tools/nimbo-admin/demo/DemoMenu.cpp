#include "demo/DemoData.h"
#include "accounts/MailAyarlari.h"

#include <QSet>

namespace nimbo::demo {

namespace {

// IMAGEID numbers the main form draws (0 a plain folder): 1 stock, 2 accounts, 3 cash, 4 bank, 5 cheques,
// 6 report, 7 definitions, 8 sales, 9 purchases, 10 currencies, 11 ledger, 12 staff,
// 13 orders, 14 system, 15 analysis.
struct Entry {
    const char* tanim;
    int image;
};

struct Group {
    const char* tanim;
    int image;
    std::initializer_list<Entry> entries;
};

const Group kGroups[] = {
    {"Cari Hesaplar", 2,
     {{"Cari Kayıtlar", 2}, {"Cari Hareket Girişleri", 2}, {"Cari İşlemler", 2}, {"Cari Ana Grup Tanımları", 7},
      {"Cari Grup Tanımları", 7}, {"Cari Alt Grup Tanımları", 7}}},
    {"Stok", 1,
     {{"Stok Kayıtları", 1}, {"Stok Fişleri", 1}, {"Depo Tanımları", 7}, {"Depo Stokları", 1},
      {"Stok Ana Grup Tanımları", 7}, {"Stok Grup Tanımları", 7}, {"Stok Alt Grup Tanımları", 7}, {"Stok Marka", 7},
      {"Marka Tanımları", 7}, {"Birim Tanımları", 7}, {"KDV Oranları", 7}, {"Araç Tipleri", 7},
      {"Model Tanımları", 7}, {"Renk Tanımları", 7}}},
    {"Alış / Satış", 8,
     {{"Satış İşlemleri", 8}, {"Perakende Satış İşlemleri", 8}, {"Alış İşlemleri", 9}, {"Verilen Sipariş", 13},
      {"Taksit Yönetimi", 3}}},
    {"Finans", 3,
     {{"Kasa İşlemleri", 3}, {"Banka İşlemleri", 4}, {"Cari İşlemler", 2}, {"Çek/Senet İşlemleri", 5},
      {"Finans Hareketleri", 3}, {"Kasa Tanımları", 7}, {"Banka", 4}, {"Banka Hareketleri", 4},
      {"Çek/Senet Kartı", 5}, {"Çek/Senet Bordroları", 5}, {"Döviz Kurları", 10}, {"Döviz Tanımları", 10}}},
    {"Muhasebe", 11,
     {{"Genel Muhasebe", 11}, {"Hesap Planı", 11}, {"Muhasebe Fişleri", 11}, {"Mizan", 6}, {"Hesap Ekstresi", 6},
      {"Hesap Aylık Dökümü", 6}, {"Fiş Dökumleri", 6}}},
    {"Tanımlar", 7,
     {{"Hizmet Tanımları", 7}, {"Masraf Tanımları", 7}, {"Masraf", 3}, {"Personel Kayıtları", 12},
      {"Departman Tanımları", 7}, {"İl/İlçe Tanımları", 7}}},
    {"Finans Raporları", 6,
     {{"Finans Hareketleri Listesi", 6}, {"Kasa İşlemleri Listesi", 6}, {"Cari İşlemler Listesi", 6},
      {"Banka İşlemleri Listesi", 6}, {"Çek/Senet İşlemleri Listesi", 6}, {"Cari Hesap Ekstre Listesi", 6}}},
    {"Stok Raporları", 6,
     {{"Stok Bilgileri Listesi", 6}, {"Stok Fiyat Listesi", 6}, {"Stok Hareketleri Listesi", 6},
      {"Stok Ekstresi", 6}, {"Stok Hareketleri Ekstresi Listesi", 6}, {"Stok Depo Miktarları", 6},
      {"Stok Kod Değişen Kayıtları", 6}, {"Alış/Satış Faturaları Stok Miktarları", 6}}},
    {"Cari Raporları", 6,
     {{"Cari Listesi", 6}, {"Cari Adres ve Etiket", 6}, {"Özet Cari Bakiye Listesi", 6},
      {"Carilere Göre Ciro Listesi", 6}, {"Carilerin Aylık Ciro Listesi", 6}, {"Cari Genel Hareket Raporu", 6},
      {"Aylara Göre Cari Hareket Listesi", 6}, {"Cari Hareket Türlerine Göre Toplamlar", 6}}},
    {"Satış Analizleri", 15,
     {{"En Çok Satılan Ürünler Top-10", 15}, {"En Çok Satış Yapılan Cari Top-10", 15},
      {"Alış Faturası Listesi", 6}, {"Satış Faturası Listesi", 6}, {"Alış Faturalarına Göre Stok Ciro Listesi", 6},
      {"Satış Faturalarına Göre Stok Ciro Listesi", 6}, {"Alış Faturalarına Göre Cari/Stok Ciro Listesi", 6},
      {"Satış Faturalarına Göre Cari/Stok Ciro Listesi", 6}, {"Satışların Aylık Ciro Dağılımları", 15},
      {"Satış Cirosu Artan Cariler", 15}}},
    {"Maliyet Analizleri", 15,
     {{"Genel Maliyet Analizi", 15}, {"Duran Malın Maliyet Analizi (Envanter)", 15},
      {"Satılan Malın Maliyet Analizi", 15}, {"Karlılık Analizi", 15}}},
    {"Personel", 12, {{"Personel Listesi", 12}}},
    {"Sistem", 14, {{"Sistem Yönetimi", 14}}},
};

// The sales clerk's menu: his daily work, and a few entries his rights still refuse
// ("Stok Fişleri" needs STKFIS "H", "Finans Hareketleri Listesi" is dashed out).
const char* const kSatisEntries[] = {
    "Cari Kayıtlar",   "Cari Hareket Girişleri",   "Cari İşlemler",        "Stok Kayıtları",
    "Stok Fişleri",    "Depo Stokları",            "Satış İşlemleri",      "Perakende Satış İşlemleri",
    "Döviz Kurları",   "Finans Hareketleri Listesi", "Cari Listesi",       "Özet Cari Bakiye Listesi",
    "Stok Bilgileri Listesi", "Stok Depo Miktarları", "Personel Listesi"};
const char* const kYoneticiFavourites[] = {"Cari Kayıtlar", "Stok Kayıtları", "Satış İşlemleri", "Döviz Kurları"};
const char* const kSatisFavourites[] = {"Cari Kayıtlar", "Satış İşlemleri"};

void addUserRow(const Db& db, const char* user, int id, bool favourite)
{
    db.exec(QStringLiteral("INSERT INTO KIMKULMENU (KULLANICI, ID, USRMN) VALUES (:k, :id, :u)"),
            {{QStringLiteral("k"), QString::fromUtf8(user)}, {QStringLiteral("id"), id},
             {QStringLiteral("u"), favourite ? 1 : 0}});
}

template <std::size_t N>
QSet<QString> set(const char* const (&list)[N])
{
    QSet<QString> s;
    for (const char* c : list)
        s << QString::fromUtf8(c);
    return s;
}

} // namespace

void fillMenuDemo(const Db& db, int year)
{
    const QSet<QString> satis = set(kSatisEntries);
    const QSet<QString> yoneticiFav = set(kYoneticiFavourites);
    const QSet<QString> satisFav = set(kSatisFavourites);
    int g = 0;
    for (const Group& group : kGroups) {
        ++g;
        db.exec(QStringLiteral("INSERT INTO MENULIST (ID, PARENT, TANIM, IMAGEID, ORD) VALUES (:id, 0, :t, :i, :o)"),
                {{QStringLiteral("id"), g}, {QStringLiteral("t"), QString::fromUtf8(group.tanim)},
                 {QStringLiteral("i"), group.image}, {QStringLiteral("o"), g * 10}});
        int n = 0;
        for (const Entry& e : group.entries) {
            ++n;
            const int id = g * 100 + n;
            const QString tanim = QString::fromUtf8(e.tanim);
            db.exec(QStringLiteral("INSERT INTO MENULIST (ID, PARENT, TANIM, IMAGEID, ORD) "
                                   "VALUES (:id, :p, :t, :i, :o)"),
                    {{QStringLiteral("id"), id}, {QStringLiteral("p"), g}, {QStringLiteral("t"), tanim},
                     {QStringLiteral("i"), e.image}, {QStringLiteral("o"), n}});
            addUserRow(db, "YONETICI", id, yoneticiFav.contains(tanim));
            if (satis.contains(tanim))
                addUserRow(db, "SATIS", id, satisFav.contains(tanim));
        }
    }

    const struct { int slot; const char* adi; } shortcuts[] = {
        {1, "Döviz Kurları"}, {2, "Cari Kayıtlar"}, {3, "Stok Kayıtları"}, {4, "Satış İşlemleri"}};
    for (const auto& k : shortcuts)
        db.exec(QStringLiteral("INSERT INTO KISAYOL (ID, ADI) VALUES (:id, :a)"),
                {{QStringLiteral("id"), k.slot}, {QStringLiteral("a"), QString::fromUtf8(k.adi)}});

    db.exec(QStringLiteral("INSERT INTO EKIM (FIRMA_ADI, ACE, PRGYOLU) VALUES (:f, :a, :p)"),
            {{QStringLiteral("f"), QStringLiteral("NimboSoft")}, {QStringLiteral("a"), QStringLiteral("Ctrl+M")},
             {QStringLiteral("p"), QString()}});
    // Statements go to an SMTP server on this machine until the firm sets its own.
    MailAyarlari mail = MailAyarlari::oku(db);
    mail.postaSunucusu = QStringLiteral("127.0.0.1");
    mail.netPort = QStringLiteral("2525");
    mail.email = QStringLiteral("muhasebe@demoticaret.com.tr");
    mail.sakla(db);
    Q_UNUSED(year);
}

} // namespace nimbo::demo
