#include "session/forms/TFormVeriTabLogin.h"
#include "services/SessionContext.h"
#include "session/ServerFinder.h"
#include "widgets/FormUtil.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace nimbo {

TFormVeriTabLogin::TFormVeriTabLogin(int mode, const QString& user, const QString& caption, QWidget* parent)
    : QDialog(parent), m_mode(mode)
{
    setObjectName(QStringLiteral("TFormVeriTabLogin"));
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Veri Tabanı Açılışı") : caption);
    auto* lay = new QVBoxLayout(this);
    auto* info = new QLabel(QStringLiteral(
        "Ana Bilgisayara ulaşılamıyor. Lütfen açık olduğundan emin olunuz. Eğer programı ilk kez  çalıştırıyorsanız "
        "ana bilgisayarı seçiniz yada adını yazınız."));
    info->setWordWrap(true);
    lay->addWidget(info);
    m_searching = new QLabel(QStringLiteral("Ana Bilgisayar Aranıyor Lütfen Bekleyiniz ...."));
    m_searching->setVisible(false);
    lay->addWidget(m_searching);

    auto* form = new QFormLayout;
    m_server = new QComboBox;
    m_server->setObjectName(QStringLiteral("cbServer"));
    m_server->setEditable(true);
    m_database = new QLineEdit;
    m_database->setObjectName(QStringLiteral("edVeritabani"));
    m_user = new QLineEdit(user);
    m_password = new QLineEdit;
    m_password->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("Ana Bilgisayar"), m_server);
    form->addRow(QStringLiteral("Veri Tabanı"), m_database);
    form->addRow(QStringLiteral("Kullanıcı"), m_user);
    form->addRow(QStringLiteral("Şifre"), m_password);
    lay->addLayout(form);

    const SessionContext& s = SessionContext::current();
    if (mode == 1) {
        m_database->setText(kFirmsDatabase);
        m_database->setReadOnly(true);
        if (!s.ServerAdi.isEmpty())
            m_server->setEditText(s.ServerAdi);
        // The database name is only changed on request.
        m_database->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(m_database, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
            QMenu menu;
            QAction* a = menu.addAction(QStringLiteral("Veri Tabanı Adı"));
            if (menu.exec(m_database->mapToGlobal(pos)) == a) {
                m_database->setReadOnly(false);
                m_server->setEnabled(true);
            }
        });
    } else {
        // The other mode opens a year database: server and database as its alias holds them.
        const AliasStore aliases;
        const QMap<QString, QString> year = FirmSelection::yearAliasParams(s, aliases);
        m_server->setEditText(year.value(QStringLiteral("SERVER NAME")));
        m_database->setText(year.value(QStringLiteral("DATABASE NAME")));
    }

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Tamam"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Vazgeç"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormVeriTabLogin::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormVeriTabLogin::reject);
    lay->addWidget(buttons);
    enterMovesFocus(this);
}

void TFormVeriTabLogin::searchServers()
{
    m_searching->setVisible(true);
    QApplication::processEvents();
    const QStringList found = SunucuAra();
    m_server->addItems(found);
    if (found.size() == 1)
        m_server->setEditText(found.first());
    m_searching->setVisible(false);
}

void TFormVeriTabLogin::accept()
{
    m_result.kullanici = m_user->text();
    m_result.sifre = m_password->text();
    m_result.server = m_server->currentText().left(255);
    m_result.veritabani = m_database->text().left(255);
    m_result.kabul = QStringLiteral("1");
    QDialog::accept();
}

void TFormVeriTabLogin::reject()
{
    m_result.kabul = QStringLiteral("0");
    QDialog::reject();
}

VeriTabaniGirisSonucu TFormVeriTabLogin::VeriTabaniGirisi(int mode, const QString& user, const QString& caption,
                                                          QWidget* parent)
{
    TFormVeriTabLogin dlg(mode, user, caption, parent);
    if (mode == 1 && SessionContext::current().ServerAdi.isEmpty()) {
        dlg.show();
        dlg.searchServers();
    }
    dlg.exec();
    return dlg.result();
}

} // namespace nimbo
