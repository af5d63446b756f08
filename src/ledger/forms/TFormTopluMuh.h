#pragma once
#include "ledger/TopluMuhasebe.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace nimbo {

class AmountTable;
class TarihAraligi;

// "Toplu Muhasebeleştirme": the unposted documents of a period, by kind, posted in one run
// with a progress bar; "Durdur" stops between two documents. Afterwards the counts of posted
// and refused documents and each refusal with its reason.
class TFormTopluMuh : public QDialog {
    Q_OBJECT
public:
    explicit TFormTopluMuh(QWidget* parent = nullptr);

    void listele();
    void muhasebelestir();
    void durdur() { m_durdur = true; }

    AmountTable* belgeler() const { return m_belgeler; }
    AmountTable* redler() const { return m_redler; }
    QLabel* sonuc() const { return m_sonuc; }
    QListWidget* turler() const { return m_turler; }
    TarihAraligi* aralik() const { return m_aralik; }
    // Called before each document; tests press "Durdur" from here.
    std::function<void(int yapilan)> ilerlemeGozcusu;

private:
    QList<QChar> seciliTurler() const;

    TarihAraligi* m_aralik;
    QListWidget* m_turler;
    AmountTable* m_belgeler;
    AmountTable* m_redler;
    QProgressBar* m_ilerleme;
    QLabel* m_sonuc;
    QPushButton* m_baslat;
    QPushButton* m_durdurBtn;
    QList<BekleyenBelge> m_liste;
    bool m_durdur = false;
};

} // namespace nimbo
