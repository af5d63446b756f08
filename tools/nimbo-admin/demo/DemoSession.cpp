#include "db/SchemaDef.h"
#include "demo/DemoData.h"

namespace nimbo::demo {

namespace {
void addUser(const Db& db, const QString& user, const QString& password, const QString& staff,
             const std::function<QString(const QString&)>& right)
{
    QStringList cols = {QStringLiteral("KULLANICI"), QStringLiteral("SIFRE"), QStringLiteral("PERSON_KOD"),
                        QStringLiteral("UNITE_KODU"), QStringLiteral("BEYAN"), QStringLiteral("FATKILIT")};
    Params p{{QStringLiteral("KULLANICI"), user},   {QStringLiteral("SIFRE"), password},
             {QStringLiteral("PERSON_KOD"), staff}, {QStringLiteral("UNITE_KODU"), 1},
             {QStringLiteral("BEYAN"), QString()},  {QStringLiteral("FATKILIT"), QStringLiteral("H")}};
    for (const QString& c : kimkulRightColumns()) {
        cols << c;
        p.insert(c, right(c));
    }
    QStringList holders;
    for (const QString& c : cols)
        holders << QLatin1Char(':') + c;
    db.exec(QStringLiteral("INSERT INTO KIMKUL (%1) VALUES (%2)").arg(cols.join(QStringLiteral(", ")),
                                                                    holders.join(QStringLiteral(", "))),
            p);
}
} // namespace

void fillSessionDemo(const Db& db, int year)
{
    const struct { int no; const char* name; const char* merkez; int depo; int servis; } branches[] = {
        {1, "MERKEZ", "E", 1, 3}, {2, "ANKARA ŞUBE", "H", 2, 3}, {3, "İZMİR ŞUBE", "H", 2, 3}, {99, "ORBITA WEB", "H", 1, 1}};
    for (const auto& b : branches)
        db.exec(QStringLiteral("INSERT INTO SUBELER (SUBE_NO, SUBE_ADI, ALIASADI, MERKEZMI, MAL_ALACAGI_DEPO_KODU, "
                               "SERVIS_DEPO_KODU) VALUES (:n, :a, :al, :m, :d, :s)"),
                {{QStringLiteral("n"), b.no}, {QStringLiteral("a"), QString::fromUtf8(b.name)},
                 {QStringLiteral("al"), QStringLiteral("DEMO%1").arg(year)}, {QStringLiteral("m"), QString::fromUtf8(b.merkez)},
                 {QStringLiteral("d"), b.depo}, {QStringLiteral("s"), b.servis}});

    const struct { const char* kod; const char* ad; } staff[] = {
        {"P001", "Ayşe Yılmaz"}, {"P002", "Mehmet Öztürk"}, {"P003", "Gülşen Çelik"}};
    for (const auto& c : staff)
        db.exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES (:k, :a)"),
                {{QStringLiteral("k"), QString::fromUtf8(c.kod)}, {QStringLiteral("a"), QString::fromUtf8(c.ad)}});

    // Full rights; the positive switches hold "E".
    addUser(db, QStringLiteral("YONETICI"), QStringLiteral("1234"), QStringLiteral("P001"), [](const QString& c) {
        return (c == QLatin1String("KASAATAMA") || c == QLatin1String("STKFISDEPTRSFR")) ? QStringLiteral("E")
                                                                                         : QStringLiteral("H");
    });
    // A sales clerk: sales and accounts, view-only stock and rates, no ledger, no maintenance.
    addUser(db, QStringLiteral("SATIS"), QStringLiteral("5678"), QStringLiteral("P002"), [](const QString& c) {
        static const QStringList full = {"SAT", "CARIBA", "CHRK", "SATIS_DUZEL", "DEPO1", "DEPO2", "TEKLIF"};
        static const QStringList view = {"STKART", "DOVIZ", "DEPSTK", "STKHRK"};
        static const QStringList dash = {"MUHPRG", "KASARAP", "KULRAP", "ISTAT"};
        if (full.contains(c))
            return QStringLiteral("H");
        if (view.contains(c))
            return QStringLiteral("O");
        if (dash.contains(c))
            return QStringLiteral("-");
        return QStringLiteral("E");
    });
    const struct { const char* user; int sube; } links[] = {{"YONETICI", 1}, {"YONETICI", 2}, {"YONETICI", 3}, {"SATIS", 2}};
    for (const auto& l : links)
        db.exec(QStringLiteral("INSERT INTO KIMKULSUBE (KULLANICI, SUBEKODU) VALUES (:k, :s)"),
                {{QStringLiteral("k"), QString::fromUtf8(l.user)}, {QStringLiteral("s"), l.sube}});
}

} // namespace nimbo::demo
