#pragma once
#include "model/CardModel.h"

#include <QList>

namespace nimbo {

class SessionContext;

// The current-account card: defaults, copy, the checks on leaving the code and name
// fields, "Son Cari Kodu Getir", grouping and the ordered save checks.
class CariKart : public CardModel {
public:
    explicit CariKart(const Db& db);
    QString table() const override { return QStringLiteral("CARI"); }
    // "O" makes the whole card view only; other letters than "H" lock its data panel alone.
    EditRight right() const override { return accountRight(); }
    static EditRight accountRight() { return {QStringLiteral("CARIKDUZEL"), EditRight::Policy::ViewOnlyBlocks}; }

    // A new card with its defaults; with a source code, every column of that card except
    // the code and the columns that keep their defaults (kopyalanmayanlar()).
    void startNew(const QString& kaynakKod = {});
    // An existing card; false when the code is not there.
    bool open(const QString& kod);
    static QStringList kopyalanmayanlar();

    // Leaving the code field: a cash-desk or bank with this code refuses it (FieldError,
    // the window empties the field).
    void checkCode(const QString& kod) const;
    // Leaving the name field: true when another account carries the same name (warning only).
    bool ayniAdVar(const QString& kod, const QString& ad) const;
    static QString ayniAdUyarisi();
    // "Son &Cari Kodu Getir": the greatest code that starts with the prefix.
    QString sonCariKodu(const QString& onEk) const;

    // Grouping: a main group clears group and subgroup; a group clears the subgroup.
    void setAnaGrup(const QVariant& anaGrup);
    void setGrup(const QVariant& grup);

    // "Riski Uyar": a check box over RISKRITER, "E" ticked and "H" not.
    bool riskiUyar() const { return text(QStringLiteral("RISKRITER")) == QLatin1String("E"); }
    void setRiskiUyar(bool on) { setValue(QStringLiteral("RISKRITER"), on ? QStringLiteral("E") : QStringLiteral("H")); }

    // The account's banks (CARIBANKA rows), written with the card.
    QList<QVariantMap> bankalar;
    // One bank row from the texts of the grid (Banka, Teminat Bak, Tem.Tutarı, Vade, İşlem Tipi);
    // a date, amount or type that cannot be read is refused (FieldError naming the row), never
    // stored as empty.
    static QVariantMap bankaSatiri(const QStringList& hucreler, int satirNo);

    bool isModified() const override { return CardModel::isModified() || bankalar != m_yuklenenBankalar; }
    QString kaydedilenKod() const { return m_kaydedilen; }

    static QString yerelDoviz(const Db& db);

protected:
    void store() override;

private:
    Db m_db;
    QString m_kaydedilen;
    QList<QVariantMap> m_yuklenenBankalar;
};

// Which parts of the card the logged-in user may change.
struct CariKartHaklari {
    bool riskDegistirir = true; // CRISK "H": maximum term, risk limit, invoice discount
    bool kartDegistirir = true; // CARIKDUZEL "H": the card's data panel
    static CariKartHaklari of(const SessionContext& s);
    static QStringList riskKolonlari();
};

} // namespace nimbo
