#include "ledger/forms/TFormMuhasebe.h"
#include "services/SessionContext.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace nimbo {

TFormMuhasebe::TFormMuhasebe(SessionContext& s, QWidget* parent) : QMainWindow(parent), m_runner(s, this)
{
    setObjectName(QStringLiteral("TFormMuhasebe"));
    setWindowTitle(QStringLiteral("Muhasebe"));
    auto* merkez = new QWidget;
    auto* lay = new QVBoxLayout(merkez);
    auto* baslik = new QLabel(QStringLiteral("Genel Muhasebe — %1 %2").arg(s.FirmaAdi.trimmed(), s.CalismaYili));
    baslik->setObjectName(QStringLiteral("lbFirma"));
    QFont f = baslik->font();
    f.setPointSize(f.pointSize() + 4);
    f.setBold(true);
    baslik->setFont(f);
    lay->addWidget(baslik);
    auto* izgara = new QGridLayout;
    int sutun = 0;
    for (const auto& [menuAdi, girisler] : menuler()) {
        QMenu* m = menuBar()->addMenu(menuAdi);
        auto* grup = new QLabel(QStringLiteral("<b>%1</b>").arg(menuAdi.mid(menuAdi.indexOf(QLatin1Char('&')) + 1)));
        izgara->addWidget(grup, 0, sutun);
        int satir = 1;
        for (const QString& c : girisler) {
            m->addAction(c, this, [this, c] { ac(c); });
            auto* b = new QPushButton(c);
            b->setObjectName(QStringLiteral("Btn_") + c);
            b->setMinimumHeight(40);
            connect(b, &QPushButton::clicked, this, [this, c] { ac(c); });
            izgara->addWidget(b, satir++, sutun);
        }
        ++sutun;
    }
    menuBar()->addAction(QStringLiteral("&Çıkış"), this, &QWidget::close);
    lay->addLayout(izgara);
    lay->addStretch();
    setCentralWidget(merkez);
    statusBar()->showMessage(QStringLiteral("KULLANICI : %1   ŞUBE : %2").arg(s.KullaniciAdi).arg(s.SubeKodu));
    resize(760, 420);
}

QList<QPair<QString, QStringList>> TFormMuhasebe::menuler()
{
    return {{QStringLiteral("&Hesap Planı"),
             {QStringLiteral("Hesap Planı"), QStringLiteral("Hesap Kodları Tanımı"), QStringLiteral("Hesap Aylık Dökümü"),
              QStringLiteral("MUHASEBE HESAP KODU GRUP KAYIT KARTI"),
              QStringLiteral("MASRAFLARIN HAZIR MUHASEBE HESAP KODU GRUP KARTI"),
              QStringLiteral("İŞÇİLİK VE HİZMETLERİN HAZIR MUHASEBE HESAP KODU GRUP KARTI")}},
            {QStringLiteral("&Fişler"),
             {QStringLiteral("Muhasebe Fişi"), QStringLiteral("Muhasebe Fişleri"), QStringLiteral("Fiş Dökumleri"),
              QStringLiteral("Toplu Muhasebeleştirme")}},
            {QStringLiteral("&Raporlar"), {QStringLiteral("Mizan"), QStringLiteral("Hesap Ekstresi")}}};
}

QWidget* TFormMuhasebe::ac(const QString& caption) { return m_runner.openWindow(caption); }

} // namespace nimbo
