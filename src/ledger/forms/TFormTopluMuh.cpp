#include "ledger/forms/TFormTopluMuh.h"
#include "ledger/BelgeTurleri.h"
#include "ledger/TDMuh.h"
#include "ledger/forms/AmountTable.h"
#include "ledger/forms/TarihAraligi.h"
#include "services/SessionContext.h"
#include "widgets/ErrorPresenter.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace nimbo {

namespace {
QPushButton* dugme(const QString& text, const QString& name)
{
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}
} // namespace

TFormTopluMuh::TFormTopluMuh(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormTopluMuh"));
    setWindowTitle(QStringLiteral("Toplu Muhasebeleştirme"));
    auto* lay = new QVBoxLayout(this);
    auto* ust = new QHBoxLayout;
    m_aralik = new TarihAraligi;
    ust->addWidget(m_aralik);
    m_turler = new QListWidget;
    m_turler->setObjectName(QStringLiteral("ListTURLER"));
    m_turler->setMaximumHeight(90);
    for (const BelgeTuru& t : BelgeTurleri::hepsi()) {
        auto* i = new QListWidgetItem(t.ad, m_turler);
        i->setData(Qt::UserRole, QString(t.tur));
        i->setCheckState(Qt::Checked);
    }
    ust->addWidget(new QLabel(QStringLiteral("Belge Türleri")));
    ust->addWidget(m_turler, 1);
    auto* listeleBtn = dugme(QStringLiteral("Listele"), QStringLiteral("BtnLISTELE"));
    ust->addWidget(listeleBtn);
    lay->addLayout(ust);

    m_belgeler = new AmountTable;
    m_belgeler->setObjectName(QStringLiteral("GridBELGELER"));
    m_belgeler->setColumns({{QStringLiteral("BELGE TÜRÜ"), false, 150},
                            {QStringLiteral("BELGE NO"), false, 90},
                            {QStringLiteral("TARİH"), false, 90},
                            {QStringLiteral("AÇIKLAMA"), false, 330}});
    m_redler = new AmountTable;
    m_redler->setObjectName(QStringLiteral("GridREDLER"));
    m_redler->setColumns({{QStringLiteral("BELGE TÜRÜ"), false, 150},
                          {QStringLiteral("BELGE NO"), false, 90},
                          {QStringLiteral("TARİH"), false, 90},
                          {QStringLiteral("NEDEN"), false, 480}});
    auto* bolucu = new QSplitter(Qt::Vertical);
    bolucu->addWidget(m_belgeler);
    bolucu->addWidget(m_redler);
    lay->addWidget(bolucu, 1);

    auto* alt = new QHBoxLayout;
    m_ilerleme = new QProgressBar;
    m_ilerleme->setObjectName(QStringLiteral("PrgILERLEME"));
    m_ilerleme->setFormat(QStringLiteral("%v / %m"));
    alt->addWidget(m_ilerleme, 1);
    m_sonuc = new QLabel;
    m_sonuc->setObjectName(QStringLiteral("LblSONUC"));
    alt->addWidget(m_sonuc);
    m_baslat = dugme(QStringLiteral("Muhasebeleştir"), QStringLiteral("BtnMUHASEBELESTIR"));
    m_durdurBtn = dugme(QStringLiteral("Durdur"), QStringLiteral("BtnDURDUR"));
    m_durdurBtn->setEnabled(false);
    auto* kapat = dugme(QStringLiteral("Kapat"), QStringLiteral("BtnKAPAT"));
    for (QPushButton* b : {m_baslat, m_durdurBtn, kapat})
        alt->addWidget(b);
    lay->addLayout(alt);

    connect(listeleBtn, &QPushButton::clicked, this, &TFormTopluMuh::listele);
    connect(m_baslat, &QPushButton::clicked, this, &TFormTopluMuh::muhasebelestir);
    connect(m_durdurBtn, &QPushButton::clicked, this, &TFormTopluMuh::durdur);
    connect(kapat, &QPushButton::clicked, this, &QDialog::reject);
    resize(900, 600);
    listele();
}

QList<QChar> TFormTopluMuh::seciliTurler() const
{
    QList<QChar> out;
    for (int i = 0; i < m_turler->count(); ++i)
        if (m_turler->item(i)->checkState() == Qt::Checked)
            out << m_turler->item(i)->data(Qt::UserRole).toString().at(0);
    return out;
}

void TFormTopluMuh::listele()
{
    ErrorPresenter::run([this] {
        const QList<QChar> turler = seciliTurler();
        m_liste = turler.isEmpty() ? QList<BekleyenBelge>()
                                   : TopluMuhasebe(SessionContext::current().db()).bekleyenler(m_aralik->bas(), m_aralik->bit(), turler);
    });
    m_belgeler->clearRows();
    for (const BekleyenBelge& b : m_liste)
        m_belgeler->addRow({b.turAdi, TDMuh::numaraMetni(b.no), b.tarih.toString(QStringLiteral("dd.MM.yyyy")), b.aciklama});
    m_ilerleme->setRange(0, qMax(1, int(m_liste.size())));
    m_ilerleme->setValue(0);
    m_sonuc->setText(QStringLiteral("Muhasebeleşmemiş Belge: %1").arg(m_liste.size()));
    m_baslat->setEnabled(!m_liste.isEmpty());
}

void TFormTopluMuh::muhasebelestir()
{
    m_durdur = false;
    m_baslat->setEnabled(false);
    m_durdurBtn->setEnabled(true);
    m_redler->clearRows();
    TopluSonuc s;
    ErrorPresenter::run([&] {
        s = TopluMuhasebe(SessionContext::current().db()).muhasebelestir(m_liste, [this](int yapilan, int toplam) {
            m_ilerleme->setRange(0, qMax(1, toplam));
            m_ilerleme->setValue(yapilan);
            if (ilerlemeGozcusu && yapilan < toplam)
                ilerlemeGozcusu(yapilan);
            // Keeps the window alive so that "Durdur" can be pressed between two documents.
            QApplication::processEvents();
            return !m_durdur;
        });
    });
    for (const auto& [b, neden] : s.redler)
        m_redler->addRow({b.turAdi, TDMuh::numaraMetni(b.no), b.tarih.toString(QStringLiteral("dd.MM.yyyy")), neden});
    m_durdurBtn->setEnabled(false);
    const QString ozet = QStringLiteral("Muhasebeleşen: %1   Reddedilen: %2").arg(s.muhasebelesen).arg(s.reddedilen);
    listele();
    m_sonuc->setText(s.iptalEdildi ? ozet + QStringLiteral("   (Durduruldu)") : ozet);
}

} // namespace nimbo
