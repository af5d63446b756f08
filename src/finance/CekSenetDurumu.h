#pragma once
#include <QList>
#include <QString>

namespace nimbo {

// The statuses of a cheque or note (CSKART.SON_DURUMU), their labels and the operations of
// a finance line of kind "E" (FINDET.TIP2) that move a paper from one status to the next.
// Pure rules: no SQL here, so the finance document, the picker and the lists share them.
class CekSenetDurumu {
public:
    inline static const QString kCek = QStringLiteral("Ç");   // CS_TIP cheque
    inline static const QString kSenet = QStringLiteral("E"); // CS_TIP promissory note
    inline static const QString kMusteri = QStringLiteral("M"); // SAHIP customer's paper
    inline static const QString kKendi = QStringLiteral("F");   // SAHIP the company's own

    // Every status code, in the order the lists offer them.
    static const QStringList& durumlar();
    // The label of a status; P and K depend on the paper's kind and owner.
    static QString etiket(const QString& durum, const QString& csTip, const QString& sahip);
    // "Çek" / "Senet" and "Müşteri Çek/Seneti" / "Kendi Çek/Senetimiz".
    static QString turAdi(const QString& csTip);
    static QString sahipAdi(const QString& sahip);

    // Operations '0'..'9' and their labels ("Cariden Çek/Senet Girişi", ...).
    static const QStringList& islemler();
    static QString islemAdi(const QString& islem);
    // Whether a paper in this status and of this owner may undergo the operation
    // (operation 0 makes a new card and accepts none).
    static bool uygun(const QString& islem, const QString& durum, const QString& sahip);
    // The SQL condition over CSKART columns (of the table named alias) that offers exactly the papers uygun() accepts.
    static QString uygunKosulu(const QString& islem, const QString& alias = {});
    // The status the operation gives (empty for an unknown operation).
    static QString yeniDurum(const QString& islem, const QString& sahip);
};

} // namespace nimbo
