#pragma once
#include <QDate>
#include <QWidget>

class QDateEdit;

namespace nimbo {

// "Başlangıç" and "Bitiş" dates, the working year by default.
class TarihAraligi : public QWidget {
    Q_OBJECT
public:
    explicit TarihAraligi(QWidget* parent = nullptr);
    QDate bas() const;
    QDate bit() const;
    void set(const QDate& bas, const QDate& bit);
    QDateEdit* basEdit() const { return m_bas; }
    QDateEdit* bitEdit() const { return m_bit; }

private:
    QDateEdit* m_bas;
    QDateEdit* m_bit;
};

} // namespace nimbo
