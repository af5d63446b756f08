#include "finance/forms/TFormBankaBr.h"
#include "finance/BankaBakiye.h"
#include "finance/BankaKart.h"
#include "finance/BankaListe.h"
#include "finance/forms/TFormBankaSakla.h"
#include "services/MoneyFormat.h"

#include <QLabel>
#include <QVBoxLayout>

namespace nimbo {

namespace {
QString satir(const BankaToplam& t)
{
    const MoneyFormat m = MoneyFormat::current();
    // A bank's balance is what it holds: debit over credit shows as " (B)".
    return QStringLiteral("%1 %2: %3").arg(t.grup, t.doviz, m.balance(-t.bakiyeDvz()));
}
} // namespace

TFormBankaBr::TFormBankaBr(QWidget* parent) : ListWindow(QStringLiteral("Banka Kayıtları"), parent)
{
    setObjectName(QStringLiteral("TFormBankaBr"));
    resize(820, 480);
    setColumns({{QStringLiteral("BANKA_KOD"), QStringLiteral("Banka Kodu"), 100},
                {QStringLiteral("BANKA_ADI"), QStringLiteral("Banka Adı"), 220},
                {QStringLiteral("BANKA_SUBE"), QStringLiteral("Şube"), 120},
                {QStringLiteral("SUBE_KODU"), QStringLiteral("Şube Kodu"), 70},
                {QStringLiteral("TEL"), QStringLiteral("Telefon"), 100},
                {QStringLiteral("ILGILI1"), QStringLiteral("İlgili"), 120},
                {QStringLiteral("HESAP_SAYISI"), QStringLiteral("Hesap"), 50, ListColumn::Kind::Integer}});
    setKeyField(QStringLiteral("BANKA_KOD"));
    addSearchField(QStringLiteral("Banka Kodu"), QStringLiteral("BANKA_KOD"));
    addSearchField(QStringLiteral("Banka Adı"), QStringLiteral("BANKA_ADI"));
    setCommands(New | Change | Delete | Print | Export);
    m_bakiye = new QLabel;
    m_bakiye->setObjectName(QStringLiteral("LblBAKIYE"));
    m_bakiye->setTextInteractionFlags(Qt::TextSelectableByMouse);
    footerLayout()->addWidget(m_bakiye);
    refresh();
}

ListQuery TFormBankaBr::query() const { return BankaListe(db()).sorgu(searchField(), searchText()); }

void TFormBankaBr::newRecord()
{
    const QString kod = TFormBankaSakla::ac(this, {});
    if (!kod.isEmpty())
        refresh(kod);
}

void TFormBankaBr::changeRecord(const QSqlRecord& row)
{
    const QString kod = TFormBankaSakla::ac(this, toText(row.value(QStringLiteral("BANKA_KOD"))));
    if (!kod.isEmpty())
        refresh(kod);
}

bool TFormBankaBr::deleteRecord(const QSqlRecord& row)
{
    return deleteGuarded([&] { return BankaKart::sil(db(), toText(row.value(QStringLiteral("BANKA_KOD")))); });
}

void TFormBankaBr::currentChanged(const QSqlRecord& row)
{
    const BankaBakiye b(db());
    QStringList lines{QStringLiteral("<b>Banka Toplamları</b>")};
    const QString kod = toText(row.value(QStringLiteral("BANKA_KOD"))).trimmed();
    if (!kod.isEmpty())
        for (const BankaToplam& t : b.hesaplari(kod))
            lines << satir(t);
    for (BankaToplam t : b.hepsi(BankaBakiye::Grup::Tumu)) {
        t.grup = QStringLiteral("Tüm Bankalar");
        lines << satir(t);
    }
    m_bakiye->setText(lines.join(QStringLiteral("<br>")));
}

QString TFormBankaBr::bakiyeMetni() const { return m_bakiye->text(); }

} // namespace nimbo
