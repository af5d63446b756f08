#pragma once
#include "accounts/CariBakiye.h"
#include "model/CardModel.h"

#include <QDate>
#include <QHash>
#include <QMap>
#include <QVector>

namespace nimbo {

// Filters of the statement ("Cari Hareketler").
struct CariEkstreFiltre {
    QDate tarihBas, tarihBit;  // TARIH range
    QDate vadeBas, vadeBit;    // VADE_TRH range
    QString islemTip, islemTip2; // one ISLEM_TIP / ISLEM_TIP2 pair
    QString doviz;             // DOVIZ_KODU
};

// Debit and credit sums in local and in row currency.
struct EkstreToplam {
    double borc = 0, alacak = 0, borcDvz = 0, alacakDvz = 0;
    double bakiye() const { return alacak - borc; }
    double bakiyeDvz() const { return alacakDvz - borcDvz; }
    QString bakiyeMetni() const { return CariBakiye::metin(borc, alacak); }
    QString bakiyeDvzMetni() const { return CariBakiye::metin(borcDvz, alacakDvz); }
};

// One month of "Aylık Borç-Alacak Tutarı".
struct AylikToplam {
    int ay = 0;
    QString ayAdi;
    EkstreToplam toplam;
};

// An account's statement read from FINHRK: its rows (never "PK"), totals, the balance as it
// stood after each day, the carried-over balance before a date and the monthly summary.
class CariEkstre {
public:
    explicit CariEkstre(const Db& db) : m_db(db) {}

    // The rows, newest first (TARIH DESC, HRK_NO).
    ListQuery sorgu(const QString& kod, const CariEkstreFiltre& f = {}) const;
    QVector<QSqlRecord> satirlar(const QString& kod, const CariEkstreFiltre& f = {}) const;
    // All rows of the account.
    EkstreToplam toplam(const QString& kod) const;
    // Sums over rows dated before the day (the carried-over balance of a printed statement).
    EkstreToplam devir(const QString& kod, const QDate& ilkTarih) const;
    // Running balance: per row date, the sums over every row up to the end of that day.
    QMap<QDate, EkstreToplam> yuruyenBakiye(const QString& kod) const;
    // Local balance / USD row-currency balance ("Ort. USD Kuru"); 0 when there is no USD balance.
    double ortalamaUsdKuru(const QString& kod, const QString& usd = QStringLiteral("USD")) const;
    // Every code's local-currency sums (the balances of all accounts at once).
    QHash<QString, EkstreToplam> tumBakiyeler() const;
    // The rows a printed statement carries over: dated before its first day, in one currency
    // when given.
    QVector<QSqlRecord> devirSatirlari(const QString& kod, const QDate& ilkTarih, const QString& doviz = {}) const;
    // The first account that has movements (a statement opened by name alone shows it).
    QString ilkHareketliCari() const;
    QString cariAdi(const QString& kod) const;
    // Twelve months of a year; months without rows are zero.
    QList<AylikToplam> aylik(const QString& kod, int yil) const;

    // Label of an ISLEM_TIP / ISLEM_TIP2 pair ("Hareket Türü").
    static QString hareketTuru(const QString& islemTip, const QString& islemTip2);
    // Every pair with its label, in the order the type filter offers them.
    static QList<QPair<QString, QString>> hareketTurleri();

private:
    Db m_db;
};

} // namespace nimbo
