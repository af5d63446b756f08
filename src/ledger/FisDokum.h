#pragma once
#include "db/Db.h"
#include "printing/ReportModel.h"

#include <QDate>

namespace nimbo {

// What "Fiş Dökumleri" prints: the selection, order and options of the window.
struct FisDokumSecimi {
    double fisNoBas = 0, fisNoBit = 0; // 0: no bound
    QDate tarihBas, tarihBit;          // invalid: no bound
    double refBas = 0, refBit = 0;     // source document numbers
    QString tur = QStringLiteral("Tümü");   // "Tahsil", "Tediye", ..., "Tümü"
    QString iptal = QStringLiteral("Dahil"); // "Dahil", "Hariç", "Yalnız İpt."
    QString sira = QStringLiteral("Fiş No"); // "Fiş No", "Fiş Ref.No", "Tarih ve Fiş No", "Tarih ve Fiş Ref.No"
    bool herFisYeniSayfa = true;
    bool hesapKoduSirali = false;
    bool kebirYazdir = false;
    bool fisNoYazdir = true;
};

// The journal-voucher print: one report per voucher with its lines, "Nakli Yekün" at page
// breaks, "Fiş Toplamı", the total in words and the signature boxes.
class FisDokum {
public:
    explicit FisDokum(const Db& db) : m_db(db) {}

    static QStringList turler();  // the type choices, "Tümü" last
    static QStringList iptalSecenekleri();
    static QStringList siralar();
    // The condition a type adds, e.g. "AND (TUR='C')"; empty for "Tümü".
    static QString turKosulu(const QString& tur);
    // "Tüm Fişler", or the type name followed by " Fişleri".
    static QString baslik(const QString& tur);

    // Throws UserError "Belirtilen Aralığa Dahil Kayıt Yok" when nothing is selected.
    QList<ReportModel> raporlar(const FisDokumSecimi& s) const;
    // Every voucher as text, each on new pages when the option says so.
    static QString metin(const QList<ReportModel>& raporlar, bool herFisYeniSayfa, int satirSayisi = 60);
    // All vouchers in one report (for preview, printer and files): one group per voucher,
    // each closing as it does printed alone.
    static ReportModel birlesik(const QList<ReportModel>& raporlar);
    // What closes a printed voucher: "Fiş Toplamı", "YALNIZ " with the total in words and the
    // signature boxes; under the report, or under the voucher's group when it is printed
    // among others.
    static void fisAltligi(ReportModel& r, double toplam, const QString& grup = {});

private:
    Db m_db;
};

} // namespace nimbo
