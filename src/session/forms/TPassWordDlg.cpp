#include "session/forms/TPassWordDlg.h"
#include "session/NimboSettings.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace nimbo {

TPassWordDlg::TPassWordDlg(SessionContext& s, const Db& db, QWidget* parent)
    : QDialog(parent), m_s(s), m_login(s, db)
{
    setObjectName(QStringLiteral("TPassWordDlg"));
    setWindowTitle(QStringLiteral("Şifre Onay"));
    setMinimumWidth(340);
    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_user = new QLineEdit;
    m_user->setObjectName(QStringLiteral("edKullanici"));
    m_user->setMaxLength(15);
    m_password = new QLineEdit;
    m_password->setObjectName(QStringLiteral("edSifre"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(15);
    m_branch = new QComboBox;
    m_branch->setObjectName(QStringLiteral("cbSube"));
    form->addRow(QStringLiteral("Kullanıcı &Adı"), m_user);
    form->addRow(QStringLiteral("&Kullanıcı Şifresi"), m_password);
    form->addRow(QStringLiteral("&Şube"), m_branch);
    lay->addLayout(form);
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("&Tamam"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnTamam"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("İ&ptal"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnIptal"));
    connect(ok, &QPushButton::clicked, this, &TPassWordDlg::tamam);
    connect(cancel, &QPushButton::clicked, this, &TPassWordDlg::reject);
    lay->addWidget(buttons);
    enterMovesFocus(this);
}

void TPassWordDlg::prepare()
{
    if (m_prepared)
        return;
    m_prepared = true;
    m_branch->clear();
    for (const PickItem& b : m_login.branches())
        m_branch->addItem(b.text, b.value);
    m_branch->setCurrentIndex(-1);
    const bool autoLogin = m_login.autoLogin();
    const QString rememberedBranch = UserMemory::sube();
    auto selectBranch = [this](const QVariant& v) {
        const int i = m_branch->findData(v.toInt());
        if (i >= 0) {
            m_branch->setCurrentIndex(i);
        } else {
            // A branch number that is not in the list still travels to the check.
            m_branch->addItem(v.toString(), v.toInt());
            m_branch->setCurrentIndex(m_branch->count() - 1);
        }
    };
    if (rememberedBranch != QLatin1String("yok") && !autoLogin)
        selectBranch(rememberedBranch.toInt());
    if (autoLogin) {
        m_user->setText(m_s.KullaniciAdi);
        m_password->setText(m_s.KullaniciSifresi);
        if (rememberedBranch != QLatin1String("yok"))
            selectBranch(rememberedBranch.toInt());
        QTimer::singleShot(0, this, &TPassWordDlg::tamam);
    }
    if (m_user->text().isEmpty())
        m_user->setText(m_login.initialUser());
    if (m_branch->currentIndex() < 0)
        selectBranch(m_login.initialBranch());
}

bool TPassWordDlg::run()
{
    prepare();
    exec();
    return m_login.succeeded();
}

void TPassWordDlg::tamam()
{
    const QVariant branch = m_branch->currentIndex() >= 0 ? m_branch->currentData() : QVariant();
    const Login::Outcome o = m_login.tamam(m_user->text(), m_password->text(), branch);
    switch (m_login.focus()) {
    case Login::Focus::User: m_user->setFocus(); break;
    case Login::Focus::Password: m_password->setFocus(); break;
    case Login::Focus::Branch: m_branch->setFocus(); break;
    case Login::Focus::None: break;
    }
    if (o == Login::Outcome::Success)
        accept();
}

void TPassWordDlg::done(int r)
{
    m_login.close();
    QDialog::done(r);
}

} // namespace nimbo
