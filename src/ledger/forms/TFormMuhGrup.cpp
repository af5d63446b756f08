#include "ledger/forms/TFormMuhGrup.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QVBoxLayout>

namespace nimbo {

QString TFormMuhGrup::sinifAdi(MuhasebeKodGrubu::Tur tur)
{
    switch (tur) {
    case MuhasebeKodGrubu::Tur::Stok: return QStringLiteral("TFormMuhStk");
    case MuhasebeKodGrubu::Tur::Masraf: return QStringLiteral("TFormMuhMasrf");
    case MuhasebeKodGrubu::Tur::Hizmet: return QStringLiteral("TFormMuhIsci");
    }
    return {};
}

TFormMuhGrup::TFormMuhGrup(MuhasebeKodGrubu::Tur tur, QWidget* parent)
    : CardWindow(m_kart, parent), m_kart(SessionContext::current().db(), tur), m_tur(tur)
{
    setObjectName(sinifAdi(tur));
    setWindowTitle(MuhasebeKodGrubu::baslik(tur));
    auto* lay = new QVBoxLayout(this);

    auto* ust = new QHBoxLayout;
    ust->addWidget(new QLabel(QStringLiteral("Kayıtlı Gruplar")));
    m_gruplar = new QComboBox;
    m_gruplar->setObjectName(QStringLiteral("CmbGRUPLAR"));
    ust->addWidget(m_gruplar, 1);
    auto* yeni = new QPushButton(QStringLiteral("Yeni"));
    yeni->setObjectName(QStringLiteral("BtnYENI"));
    ust->addWidget(yeni);
    lay->addLayout(ust);

    auto* form = new QFormLayout;
    lay->addLayout(form);
    addEdit(form, QStringLiteral("ADI"), QStringLiteral("Grup Adı"));
    addEdit(form, QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"));
    auto* atama = new QComboBox;
    atama->setObjectName(QStringLiteral("CmbKODATAMA"));
    atama->addItem(QStringLiteral("Tüm Seçilenlere Yaz"), QStringLiteral("H"));
    atama->addItem(QStringLiteral("Yalnız Kodu Olmayanlara Yaz"), QStringLiteral("O"));
    bind(atama, QStringLiteral("KODATAMA"));
    form->addRow(QStringLiteral("Kod Atama"), atama);
    if (tur == MuhasebeKodGrubu::Tur::Stok) {
        auto* secim = new QGroupBox(QStringLiteral("Kodların Yazılacağı Stoklar"));
        auto* sf = new QFormLayout(secim);
        for (const auto& [kolon, baslik] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"ANAGRUPNO", "Ana Grup No"}, {"GRUPNO", "Grup No"}, {"ALTGRUPNO", "Alt Grup No"},
                 {"FIRMANO", "Marka No"}, {"KDV", "KDV Oranı"}})
            bindNumber(addEdit(sf, QString::fromLatin1(kolon), QString::fromUtf8(baslik)), QString::fromLatin1(kolon),
                       0);
        lay->addWidget(secim);
    }

    auto* kodlar = new QGroupBox(QStringLiteral("Muhasebe Kodları"));
    auto* grid = new QGridLayout(kodlar);
    const QStringList& kolonlar = MuhasebeKodGrubu::kodKolonlari();
    for (int i = 0; i < kolonlar.size(); ++i) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + kolonlar[i]);
        bind(e, kolonlar[i]);
        grid->addWidget(new QLabel(MuhasebeKodGrubu::etiket(kolonlar[i])), i / 2, (i % 2) * 2);
        grid->addWidget(e, i / 2, (i % 2) * 2 + 1);
    }
    lay->addWidget(kodlar);

    auto* yaz = new QPushButton(QStringLiteral("Kodları Yaz"));
    yaz->setObjectName(QStringLiteral("BtnKODYAZ"));
    lay->addWidget(yaz);
    lay->addWidget(buttonRow());

    connect(yaz, &QPushButton::clicked, this, [this] { kodlariYaz(); });
    connect(yeni, &QPushButton::clicked, this, [this] {
        m_kart.yeni();
        showModel();
    });
    connect(m_gruplar, &QComboBox::activated, this, [this](int i) { grupAc(m_gruplar->itemText(i)); });
    gruplariDoldur();
    showModel();
    enterMovesFocus(this);
    resize(640, 620);
}

void TFormMuhGrup::gruplariDoldur()
{
    m_gruplar->clear();
    m_gruplar->addItems(MuhasebeKodGrubu::adlar(SessionContext::current().db(), m_tur));
    m_gruplar->setCurrentIndex(-1);
}

void TFormMuhGrup::grupAc(const QString& ad)
{
    if (m_kart.ac(ad))
        showModel();
}

void TFormMuhGrup::afterSave() { gruplariDoldur(); }

bool TFormMuhGrup::kodlariYaz()
{
    if (m_kart.isNew() || m_kart.isModified())
        if (!guard([this] { m_kart.save(); }))
            return false;
    gruplariDoldur();
    int n = 0;
    if (!guard([&] { n = m_kart.kodlariYaz(); }))
        return false;
    Prompter::instance().info(QStringLiteral("%1 Karta Muhasebe Kodları Yazıldı.").arg(n));
    return true;
}

} // namespace nimbo
