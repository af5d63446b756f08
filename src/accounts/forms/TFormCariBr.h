#pragma once
#include "accounts/CariFiltre.h"
#include "widgets/ListWindow.h"

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace nimbo {

// "Cari Kayıtlar": the account list with its filter, quick search, row totals and the
// shortcuts to the account's movements, matching, banks, papers, persons and addresses.
class TFormCariBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormCariBr(QWidget* parent = nullptr);
    // The account picker of the documents: the list in pick mode, searched from the start by
    // the typed text (by code when it starts like a code, else by name). The chosen code, or
    // empty when nothing was chosen.
    static QString sec(QWidget* parent, const QString& aranan = {});
    // The same as the pick list of a grid's account column (invalid when nothing was chosen).
    static std::function<QVariant(QWidget* parent, const QString& yazilan)> secici();
    // The filter as filled in the window.
    CariFiltre filtre() const;
    // Codes of every account the list shows, in its order.
    QStringList listeKodlari() const;

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;
    void copyRecord(const QSqlRecord& row) override;
    void currentChanged(const QSqlRecord& row) override;

private:
    QWidget* buildFilter();
    void buildTotals();
    void buildShortcuts();
    void fillGroups();
    void openShortcut(const QString& windowName, bool borcKapatma = false);
    void openCard(const QString& kod, const QString& kaynak);

    QComboBox* m_durum;
    QComboBox* m_anaGrup;
    QComboBox* m_grup;
    QComboBox* m_altGrup;
    QComboBox* m_il;
    QComboBox* m_ilce;
    QLineEdit* m_semt;
    QLineEdit* m_vade;
    QComboBox* m_bakiye;
    QComboBox* m_taksit;
    QLabel* m_borc;
    QLabel* m_alacak;
    QLabel* m_bakiyeLbl;
    QLabel* m_dovizToplam;
    QList<QPair<QPushButton*, QString>> m_shortcuts; // button, window class name
};

} // namespace nimbo
