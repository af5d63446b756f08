#include "finance/forms/TFormBankaSakla.h"
#include "services/MoneyFormat.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nimbo {

namespace {
// The grid's columns: the account's own fields, then its ledger codes.
const QStringList kKolonlar{"HESAP_NO", "HESAP_ADI", "HESAR_TURU", "DOVIZ_KODU", "VALOR", "KOMISYON"};
const QStringList kBasliklar{"Hesap No", "Hesap Adı", "Hesap Türü", "Döviz", "Valör(Gün)", "Komisyon%"};
const QStringList kMuhKolonlar{"MUH_CHES", "MUH_TAHSEN", "MUH_KESCEK", "MUH_TAKCEK", "MUH_TEMSEN",
                               "MUH_TEMCEK", "MUH_SENKRED", "MUH_CEKREDI", "MUH_KOMISYON"};
const QStringList kMuhBasliklar{"Banka Cari Hesap Muh.Kodu",     "Tahsil Senetleri Muh.kodu",
                                "Kesilen Çekler Muh.Kodu",       "Takas Çekleri Muh.Kodu",
                                "Teminat Senetleri Muh.Kodu",    "Teminat Çekleri Muh.Kodu",
                                "Senet Karşılığı Kredi MuhKodu", "Çek Karşılığı Kredi Muh.Kodu",
                                "Masraf Hesabı Muh.Kodu"};
} // namespace

TFormBankaSakla::TFormBankaSakla(const QString& kod, QWidget* parent)
    : CardWindow(m_kart, parent), m_kart(SessionContext::current().db())
{
    setObjectName(QStringLiteral("TFormBankaSakla"));
    setWindowTitle(QStringLiteral("Banka Kaydı"));
    resize(900, 520);
    if (kod.isEmpty() || !m_kart.ac(kod))
        m_kart.yeni();

    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    lay->addLayout(form);
    auto edit = [&](const QString& column, const QString& caption) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + column);
        bind(e, column);
        form->addRow(caption, e);
        return e;
    };
    m_kod = edit(QStringLiteral("BANKA_KOD"), QStringLiteral("Banka Kodu"));
    edit(QStringLiteral("BANKA_ADI"), QStringLiteral("Banka Adı"));
    edit(QStringLiteral("BANKA_SUBE"), QStringLiteral("Şube"));
    edit(QStringLiteral("SUBE_KODU"), QStringLiteral("Şube Kodu"));
    edit(QStringLiteral("ILGILI1"), QStringLiteral("İlgili 1"));
    edit(QStringLiteral("ILGILI2"), QStringLiteral("İlgili 2"));
    edit(QStringLiteral("TEL"), QStringLiteral("Telefon"));
    edit(QStringLiteral("ADRES"), QStringLiteral("Adres"));

    lay->addWidget(new QLabel(QStringLiteral("<b>Hesaplar</b>")));
    m_grid = new QTableWidget(0, kKolonlar.size() + kMuhKolonlar.size());
    m_grid->setObjectName(QStringLiteral("GridHESAPLAR"));
    m_grid->setHorizontalHeaderLabels(kBasliklar + kMuhBasliklar);
    m_grid->horizontalHeader()->setDefaultSectionSize(110);
    lay->addWidget(m_grid, 1);
    auto* buttons = new QHBoxLayout;
    auto* ekle = new QPushButton(QStringLiteral("Hesap Ekle"));
    ekle->setObjectName(QStringLiteral("BtnHESAPEKLE"));
    auto* sil = new QPushButton(QStringLiteral("Hesap Sil"));
    sil->setObjectName(QStringLiteral("BtnHESAPSIL"));
    auto* muh = new QPushButton(QStringLiteral("Muhasebe Kodları"));
    muh->setObjectName(QStringLiteral("BtnMUHASEBE"));
    for (QPushButton* b : {ekle, sil, muh}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    lay->addLayout(buttons);
    connect(ekle, &QPushButton::clicked, this, &TFormBankaSakla::hesapEkle);
    connect(sil, &QPushButton::clicked, this, &TFormBankaSakla::hesapSil);
    connect(muh, &QPushButton::clicked, this, &TFormBankaSakla::muhasebeKodlari);

    if (!m_kart.isNew())
        setColumnsReadOnly({QStringLiteral("BANKA_KOD")}, true);
    connect(m_kod, &QLineEdit::editingFinished, this, &TFormBankaSakla::kodAyrildi);
    lay->addWidget(buttonRow());
    hesaplariGoster();
    showModel();
    enterMovesFocus(this);
}

QString TFormBankaSakla::ac(QWidget* parent, const QString& kod)
{
    TFormBankaSakla f(kod, parent);
    return f.exec() == QDialog::Accepted ? f.savedCode() : QString();
}

void TFormBankaSakla::kodAyrildi()
{
    if (!m_kart.isNew())
        return;
    if (!guard([&] { m_kart.kodKontrol(m_kod->text()); })) {
        m_kart.setValue(QStringLiteral("BANKA_KOD"), QString());
        m_kod->clear();
    }
}

void TFormBankaSakla::hesaplariGoster()
{
    m_grid->setRowCount(0);
    const MoneyFormat m = MoneyFormat::current();
    for (const QVariantMap& h : m_kart.hesaplar) {
        const int r = m_grid->rowCount();
        m_grid->insertRow(r);
        for (int c = 0; c < kKolonlar.size(); ++c) {
            const QVariant v = h.value(kKolonlar.at(c));
            const QString t = kKolonlar.at(c) == QLatin1String("KOMISYON") ? m.editText(v.toDouble()) : toText(v).trimmed();
            m_grid->setItem(r, c, new QTableWidgetItem(t));
        }
        for (int c = 0; c < kMuhKolonlar.size(); ++c)
            m_grid->setItem(r, kKolonlar.size() + c, new QTableWidgetItem(toText(h.value(kMuhKolonlar.at(c))).trimmed()));
    }
    // Ledger codes stay hidden until asked for.
    for (int c = 0; c < kMuhKolonlar.size(); ++c)
        m_grid->setColumnHidden(kKolonlar.size() + c, true);
}

void TFormBankaSakla::hesapEkle()
{
    const QVariantMap h = m_kart.yeniHesap();
    const int r = m_grid->rowCount();
    m_grid->insertRow(r);
    for (int c = 0; c < kKolonlar.size() + kMuhKolonlar.size(); ++c) {
        const QString col = c < kKolonlar.size() ? kKolonlar.at(c) : kMuhKolonlar.at(c - kKolonlar.size());
        m_grid->setItem(r, c, new QTableWidgetItem(toText(h.value(col)).trimmed()));
    }
    m_grid->setCurrentCell(r, 0);
}

void TFormBankaSakla::hesapSil()
{
    const int r = m_grid->currentRow();
    if (r < 0)
        return;
    const QString no = m_grid->item(r, 0) ? m_grid->item(r, 0)->text().trimmed() : QString();
    if (!no.isEmpty() && !m_kart.hesapSilinebilir(no)) {
        Prompter::instance().warn(BankaKart::hesapSilinemezMesaji());
        return;
    }
    m_grid->removeRow(r);
}

void TFormBankaSakla::muhasebeKodlari()
{
    beforeSave();
    if (!guard([&] { m_kart.muhasebeKoduSecilebilir(); }))
        return;
    for (int c = 0; c < kMuhKolonlar.size(); ++c)
        m_grid->setColumnHidden(kKolonlar.size() + c, false);
}

bool TFormBankaSakla::beforeSave()
{
    QList<QVariantMap> hesaplar;
    bool ok = true;
    for (int r = 0; r < m_grid->rowCount() && ok; ++r) {
        QStringList cells;
        for (int c = 0; c < m_grid->columnCount(); ++c)
            cells << (m_grid->item(r, c) ? m_grid->item(r, c)->text() : QString());
        if (std::all_of(cells.begin(), cells.end(), [](const QString& s) { return s.trimmed().isEmpty(); }))
            continue;
        ok = guard([&] {
            QVariantMap h = BankaKart::hesapSatiri(cells, r + 1);
            for (int c = 0; c < kMuhKolonlar.size(); ++c)
                h.insert(kMuhKolonlar.at(c), cells.value(kKolonlar.size() + c).trimmed());
            hesaplar << h;
        });
    }
    if (ok)
        m_kart.hesaplar = hesaplar;
    return ok;
}

} // namespace nimbo
