#pragma once
#include "model/CardModel.h"

#include <optional>
#include <stdexcept>

namespace nimbo {

// The user cancelled the save at a question; nothing was stored.
class Vazgecildi : public std::runtime_error {
public:
    Vazgecildi() : std::runtime_error("cancelled") {}
};

// The account card of the chart (HSPLAN): defaults, the main-account checks, the level
// columns worked out from the code, and the first sub-account under a posting account,
// which takes over the parent's voucher lines when the user agrees.
class HesapKart : public CardModel {
public:
    explicit HesapKart(const Db& db);
    QString table() const override { return QStringLiteral("HSPLAN"); }

    void yeni(const QString& kod = {});
    bool ac(const QString& kod);

    // Leaving the main-account field: 1-299 is an asset ("A"), 300-599 a liability ("P").
    void kebirDegisti();
    // "Ana Hesap" of the code, and the last sub-account one level below it.
    QString anaHesap() const;
    QString sonAltHesap() const;

    // The checks of the save before anything is asked: name, main-account digits, the
    // code's shape and, for a new code, that it is not taken (FieldError).
    void kontrolEt() const;
    // Asks whether the first sub-account of a posting account takes over its lines (only
    // when that is the case). False when the user cancels: nothing is to be saved.
    bool tasimaSor();
    bool kaydedildi() const { return m_kaydedildi; }

    // Deletes an account that has neither lines nor sub-accounts (asks "Kayıt Silinsin mi?").
    static bool sil(const Db& db, const QString& kod);

    static QString kebirMesaji() { return QStringLiteral("Hesap Kodu Kebir seviyesi 1..999 arasında olmalı"); }
    static QString tasimaSorusu()
    {
        return QStringLiteral("Ana Hesabın Başka alt hesabı yok Bu alt hesabı açmak ve Buna ait işlemleri taşımak "
                              "istiyor musunuz?");
    }

protected:
    // The checks, then the card (and, for the first sub-account the user agreed to, the
    // parent's lines) in one transaction. Unanswered, the question is asked here; Cancel
    // throws Vazgecildi and stores nothing.
    void store() override;

private:
    QString kod() const { return text(QStringLiteral("HKOD")); }

    Db m_db;
    QString m_tasinacakAna;
    std::optional<bool> m_tasi; // set once the question was answered
    bool m_kaydedildi = false;
};

} // namespace nimbo
