#pragma once
#include <QList>
#include <QPair>
#include <QString>

namespace nimbo {

// The kinds and operations of a finance transaction (FINMAST.ISLEM_TIP / ISLEM_TIP2), their
// labels, the kind a new line takes and the side its amount goes to. Pure rules, no SQL.
class FinansIslemTuru {
public:
    // Main kinds: "K" cash desk, "C" account, "B" bank, "E" cheque/note.
    static const QStringList& anaTurler();
    // The operations of a main kind, in the order the "new" menu offers them.
    static QStringList islemler(const QString& tip);
    static bool gecerli(const QString& tip, const QString& tip2);
    // The label this entry shows ("Cari Nakit Tahsilat", "Cari Dekont(Borç)", ...).
    static QString etiket(const QString& tip, const QString& tip2);
    // The line kind (TIP, TIP2) a new line of a document of this type gets.
    static QPair<QString, QString> satirTuru(const QString& tip, const QString& tip2);
    // Whether a line of this kind carries its amount on the debit side (BORC); the master
    // line takes the opposite side, so a document always balances.
    static bool borcTarafi(const QString& tip, const QString& tip2);
    // Cheque/note documents whose lines also move the portfolio desk ("PK"): all but 5.
    static bool portfoyHareketi(const QString& tip, const QString& tip2);
    // Card transactions cannot be deleted.
    static bool kartIslemi(const QString& tip, const QString& tip2);
    // The printed title of a document of this type.
    static QString baslik(const QString& tip, const QString& tip2);
};

} // namespace nimbo
