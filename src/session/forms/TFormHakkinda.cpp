#include "session/forms/TFormHakkinda.h"
#include "services/SessionContext.h"
#include "session/forms/MenuIcons.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace nimbo {

TFormHakkinda::TFormHakkinda(const SessionContext& s, const QString& licensee, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormHakkinda"));
    setWindowTitle(QStringLiteral("Program Hakkında"));
    auto* logo = new QLabel;
    logo->setPixmap(MenuIcons::glyph(QStringLiteral("N"), QColor(0x1565c0)).pixmap(48, 48));
    auto* title = new QLabel(QStringLiteral("<b style='font-size:16pt'>NimboSoft</b><br>Ticari İşletme Yönetimi"));

    auto* form = new QFormLayout;
    const QString version = QCoreApplication::applicationVersion();
    form->addRow(QStringLiteral("Sürüm:"), new QLabel(version.isEmpty() ? QStringLiteral("0.1") : version));
    form->addRow(QStringLiteral("Lisans Sahibi:"), new QLabel(licensee.isEmpty() ? QStringLiteral("-") : licensee));
    form->addRow(QStringLiteral("Firma:"), new QLabel(s.FirmaAdi + QLatin1Char(' ') + s.CalismaYili));
    form->addRow(QStringLiteral("Kullanıcı:"), new QLabel(s.KullaniciAdi));
    form->addRow(QStringLiteral("Şube:"), new QLabel(s.SubeAdi));
    form->addRow(QStringLiteral("Veritabanı:"), new QLabel(s.DbAdi));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Tamam"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* head = new QHBoxLayout;
    head->addWidget(logo);
    head->addWidget(title, 1);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(head);
    lay->addLayout(form);
    lay->addWidget(buttons);
}

} // namespace nimbo
