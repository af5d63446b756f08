#pragma once
#include <QString>

namespace nimbo {

// What the logged-in user may do with the records one right column (KIMKUL) guards.
// "H" is full, "O" view only. Strict rights let nothing but "H" change (the stock card);
// a right that only narrows parts of a card stops whole-record changes at "O" alone (the
// account card, whose other letters only lock its data panel). Without a logged-in user
// (maintenance and demo tools) nothing is refused.
class EditRight {
public:
    enum class Policy { Strict, ViewOnlyBlocks };

    EditRight() = default; // guards nothing
    EditRight(const QString& column, Policy policy) : m_column(column), m_policy(policy) {}

    QString column() const { return m_column; }
    bool mayChange() const;
    // UserError "Bu Kaydı Değiştirme Yetkiniz Yok." when the user may not change.
    void requireChange() const;
    // UserError "Bu Kaydı Silme Yetkiniz Yok." when the user may not delete.
    void requireDelete() const;

private:
    QString m_column;
    Policy m_policy = Policy::Strict;
};

} // namespace nimbo
