#pragma once
#include "db/Db.h"
#include "ledger/Fis.h"
#include "ledger/HesapPlani.h"
#include "ledger/MuhKodIzi.h"

#include <QChar>
#include <functional>

namespace nimbo {

// The posting module: lives for one posting of one source document. A posting routine
// (one per document kind, registered with rutinKaydet) opens the voucher with fisAc,
// writes its lines with AyrHesapGir and ends with FisiSakla. The voucher is held in memory
// until then, so it is stored whole with its source marked posted, or not at all.
class TDMuh {
public:
    explicit TDMuh(const Db& db);
    TDMuh(const TDMuh&) = delete;
    TDMuh& operator=(const TDMuh&) = delete;

    // Set by the entry point before MuhasebeKayit.
    QChar belgeTuru;
    bool iade = false;
    double belgeNo = 0;
    double mevcutFisNo = 0; // the document's FIS_NO when it was posted before
    bool interaktif = true; // false for batch runs: no display prompt, no missing-code message
    QString birlestirme;    // "B": lines of the same account and side are added up
    QString eksikKodMetni;  // a routine's own text for a voucher that cannot be stored (empty: the common one)

    // State the entry point reads back.
    bool basarili = true;
    bool fisGecerli = true;
    bool hataliKod = false;
    double fisNo = -1; // the stored voucher, -1 until one is stored
    QString hata;      // why the posting was refused (empty on success)

    // A routine's own refusal (missing fixed accounts and the like): nothing is stored, the
    // message is shown in interactive runs and kept in hata.
    void reddet(const QString& mesaj);
    const Db& db() const { return m_db; }

    // Dispatches on belgeTuru to the registered routine; then offers the voucher display.
    void MuhasebeKayit(bool bayrak = false);

    // A rebuilt voucher when mevcutFisNo names a stored one (its lines dropped, its numbers
    // kept), else a new header. Returns the voucher for the routine to fill.
    Fis& fisAc(const QDate& tarih, const QString& tur, const QString& belgeNoMetni, const QString& aciklama);
    Fis& fis() { return m_fis; }

    // Writes one line. side "A" credit, "B" debit; amounts <= 0 are skipped; an empty or
    // non-posting code marks the voucher as having a bad code.
    void AyrHesapGir(const QString& kod, const QString& taraf, double tutar, const QString& aciklama,
                     const QString& grupKod = {}, double dvzTutar = 0, const QString& dvzKod = {}, double kur = 0);
    bool SeviyeKontroluYap(const QString& kod);
    // The currency suffix of a current-account ledger code (CARI_KIRILKOD) when breakdown
    // by currency is on (PARAMET.KIRIL_TAKIP) and the card asks for it (KIRILIMLI "E").
    QString MuhKodDondur(const QString& kirilimli, const QString& dvzKod) const;
    // The firm's local currency (PARAMETRE.YERELDOVIZ, "TL" when unset): lines in it carry
    // no foreign amount.
    QString yerelDoviz() const { return m_yerel; }
    // PARAMET.ISK_DUS, trimmed: "H" posts discounts on lines of their own.
    QString iskDus() const { return m_iskDus; }
    // The chart rows of the codes a routine is about to use, read in one query.
    void hesaplariOku(const QStringList& kodlar) { m_hesaplar.onYukle(kodlar); }
    // A document number as the narrations print it ("#,#": 1.234).
    static QString numaraMetni(double no);

    // Common end of every routine: stores the voucher when no bad code was written and it
    // has lines, then sets the source's FIS_NO (UPDATE <tablo> SET FIS_NO = :FisNosu
    // WHERE <anahtar> = :Nosu). Otherwise discards it, shows the missing-codes message
    // (interactive runs) and clears the success flag.
    // kosul narrows the source rows further (fixed SQL of the routine, e.g. the row kinds of
    // a table that several writers share).
    bool FisiSakla(const QString& kaynakTablo, const QString& anahtarKolon, const QString& kosul = {});

    // Posting routines by document kind; the routine receives the module and MuhasebeKayit's flag.
    using Rutin = std::function<void(TDMuh&, bool)>;
    static void rutinKaydet(QChar tur, Rutin rutin);
    static void rutinSil(QChar tur);
    // Opens the voucher display for (kind, document number); installed by the windows.
    static std::function<void(QChar, double)>& fisGoruntuleyici();
    // The "D" start argument turns on the balance diagnostic (tests set it directly).
    static bool& tanilama();

    static QString eksikKodMesaji();

private:
    Db m_db;
    HesapOnbellegi m_hesaplar;
    QString m_kirilTakip;
    QString m_yerel;
    QString m_iskDus;
    QDate m_kilit; // PARAMETRE.TRHKILIT
    MuhKodIzi::Yazici m_iz;
    Fis m_fis;
};

struct MuhasebeSonucu {
    bool basarili = false;
    double fisNo = -1; // the voucher stored, -1 when none
    QString hata;      // the reason of a refusal
};

// One posting of one document on the given connection. A database error rolls the voucher
// back and is returned as a refusal "Hata:" with its text.
MuhasebeSonucu muhasebelestir(const Db& db, QChar tur, bool iade, double belgeNo, double mevcutFisNo, bool interaktif);

// The single entry point of the document windows: true when the posting succeeded.
bool BelgeMuhasebelestir(QChar tur, bool iade, double belgeNo, double mevcutFisNo, bool interaktif = true);

} // namespace nimbo
