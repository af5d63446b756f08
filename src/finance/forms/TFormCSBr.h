#pragma once
#include "finance/CekSenetListe.h"
#include "widgets/ListWindow.h"

class QComboBox;
class QDateEdit;
class QTableWidget;

namespace nimbo {

// The cheque/note portfolio: cards by kind and owner, status, due date and account, ordered
// by due date; below the grid the history of the current paper. New cards and carry-over
// cards start here. In pick mode with an operation it is the picker "Çek/Senetler"
// (TFormCSAktar) that offers only the papers the operation may move.
class TFormCSBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormCSBr(QWidget* parent = nullptr, const QString& caption = QStringLiteral("Çek/Senet Kartları"));
    CekSenetFiltre filtre() const;
    void setIslem(const QString& islem);
    void yeniKart(const QString& csTip, const QString& sahip, bool devir);
    QTableWidget* tarihce() const { return m_tarihce; }

protected:
    ListQuery query() const override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;
    void currentChanged(const QSqlRecord& row) override;

private:
    QComboBox* m_tur;
    QComboBox* m_durum;
    QDateEdit* m_vadeBas;
    QDateEdit* m_vadeSon;
    QTableWidget* m_tarihce;
    QString m_islem;
};

} // namespace nimbo
