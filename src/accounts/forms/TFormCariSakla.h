#pragma once
#include "accounts/CariKart.h"
#include "widgets/CardWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace nimbo {

// "Cari Kartı": the current-account card. Rules are CariKart's; this window binds every
// column, reacts to leaving the code and name fields, narrows the group lists and shows
// the risk information.
class TFormCariSakla : public CardWindow {
    Q_OBJECT
public:
    // kod empty: a new card (copied from kaynak when given); otherwise the card of kod.
    TFormCariSakla(const QString& kod, const QString& kaynak = {}, QWidget* parent = nullptr);
    // Opens the card modally; the saved code, or empty when nothing was saved.
    static QString ac(QWidget* parent, const QString& kod, const QString& kaynak = {});
    QString savedCode() const { return m_kart.kaydedilenKod(); }
    CariKart& kart() { return m_kart; }

protected:
    bool beforeSave() override { return readBanks(); }
    void afterSave() override {}

private:
    QWidget* pageGenel();
    QWidget* pageTicari();
    QWidget* pageRisk();
    QWidget* pageDiger();
    void kodAyrildi();
    void adAyrildi();
    void sonKodGetir();
    void fillChoices(QComboBox* c, const QList<QPair<QVariant, QString>>& items, const QString& column);
    void fillAnaGrup();
    void fillGrup();
    void fillAltGrup();
    void fillIlce();
    void pickGroup(int level);
    void showBanks();
    // The grid's texts into the card's banks; false (message shown) when a cell cannot be read.
    bool readBanks();
    void showRisk();
    void applyRights();

    CariKart m_kart;
    QTabWidget* m_tabs = nullptr;
    QWidget* m_dataPanel = nullptr;
    QLineEdit* m_kod = nullptr;
    QLineEdit* m_ad = nullptr;
    QPushButton* m_sonKod = nullptr;
    QComboBox* m_anaGrup = nullptr;
    QComboBox* m_grup = nullptr;
    QComboBox* m_altGrup = nullptr;
    QComboBox* m_il = nullptr;
    QComboBox* m_ilce = nullptr;
    QLineEdit* m_adres2 = nullptr;
    QTableWidget* m_banks = nullptr;
    QLabel* m_risk = nullptr;
    QCheckBox* m_riskiUyar = nullptr;
};

} // namespace nimbo
