#include "session/forms/MainForm.h"
#include "services/SessionContext.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace nimbo {

MainForm::MainForm(SessionContext& s, QWidget* parent) : QMainWindow(parent), m_s(s)
{
    setObjectName(QStringLiteral("MainForm"));
    resize(1000, 680);
    auto* central = new QWidget;
    auto* lay = new QVBoxLayout(central);
    m_lbFirma = new QLabel;
    m_lbFirma->setObjectName(QStringLiteral("lbFirma"));
    m_lbKullanici = new QLabel;
    m_lbKullanici->setObjectName(QStringLiteral("lbKullanici"));
    lay->addWidget(m_lbFirma);
    lay->addWidget(m_lbKullanici);
    lay->addStretch();
    setCentralWidget(central);

    auto* tb = addToolBar(QStringLiteral("Araçlar"));
    tb->setObjectName(QStringLiteral("tbAna"));
    m_firmaDegistir = tb->addAction(QStringLiteral("&Firma Değiştir"));
    m_firmaDegistir->setObjectName(QStringLiteral("LbFirmaDegistir"));
    connect(m_firmaDegistir, &QAction::triggered, this, &MainForm::firmaDegistirRequested);
    QAction* exit = tb->addAction(QStringLiteral("&Çıkış"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    m_lbSubekod = new QLabel;
    m_lbSubekod->setObjectName(QStringLiteral("lbSubekod"));
    statusBar()->addPermanentWidget(m_lbSubekod);
    refresh();
}

void MainForm::refresh()
{
    setWindowTitle(QStringLiteral("NimboSoft (VT : %1%2) (KULLANICI : %3)")
                       .arg(m_s.FirmaAdi, m_s.CalismaYili, m_s.KullaniciAdi));
    m_lbFirma->setText(QStringLiteral("Firma: %1    Yıl: %2").arg(m_s.FirmaAdi, m_s.CalismaYili));
    m_lbKullanici->setText(QStringLiteral("Kullanıcı: %1    Şube: %2").arg(m_s.KullaniciAdi, m_s.SubeAdi));
    m_lbSubekod->setText(m_s.SubeKoduMetni);
}

QWidget* MainForm::openWindow(const QString& name)
{
    const WindowEntry* e = WindowRegistry::instance().find(name);
    if (!e || !e->create)
        return nullptr;
    QWidget* w = e->create(this);
    if (!w)
        return nullptr;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowFlag(Qt::Window, true);
    if (e->modal) {
        w->setWindowModality(Qt::ApplicationModal);
    }
    w->show();
    return w;
}

} // namespace nimbo
