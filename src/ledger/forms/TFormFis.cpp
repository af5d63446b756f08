#include "ledger/forms/TFormFis.h"
#include "ledger/FisDokum.h"
#include "ledger/forms/TFormHspBr.h"
#include "printing/forms/ReportOutput.h"
#include "services/SessionContext.h"
#include "widgets/ErrorPresenter.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace nimbo {

namespace {
const struct {
    const char* kod;
    const char* ad;
} kTurler[] = {{"M", "Mahsup"}, {"C", "Tahsil"}, {"E", "Tediye"}, {"O", "Özel"}, {"A", "Açılış"}, {"Z", "Kapanış"}};

QLineEdit* alan(const QString& name, int maxLength, bool readOnly = false)
{
    auto* e = new QLineEdit;
    e->setObjectName(name);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    e->setReadOnly(readOnly);
    return e;
}
} // namespace

TFormFis::TFormFis(double fisNo, bool saltOkunur, QWidget* parent)
    : DocumentWindow(std::make_unique<ElleFis>(SessionContext::current().db()), QStringLiteral("Muhasebe Fişi"), parent)
{
    setObjectName(QStringLiteral("TFormFis"));
    ElleFis& f = fis();
    if (fisNo > 0) {
        guard([&] { f.open(fisNo); });
    } else {
        // A new voucher is dated today in the working year.
        const int yil = SessionContext::current().CalismaYiliNo;
        const QDate bugun = QDate::currentDate();
        if (yil > 0 && yil != bugun.year())
            f.setHeader(QStringLiteral("TARIH"), QDate(yil, bugun.month(), qMin(bugun.day(), 28)));
    }

    auto* lay = new QVBoxLayout(this);
    auto* ust = new QHBoxLayout;
    auto* numara = alan(QStringLiteral("EditFISNUMARA"), 15, true);
    numara->setMaximumWidth(110);
    bindHeader(numara, QStringLiteral("FISNUMARA"));
    auto* yevmiye = alan(QStringLiteral("EditYEVMIYE_NO"), 0, true);
    yevmiye->setMaximumWidth(70);
    bindHeader(yevmiye, QStringLiteral("YEVMIYE_NO"));
    auto* tarih = new QDateEdit;
    tarih->setObjectName(QStringLiteral("EditTARIH"));
    bindHeader(tarih, QStringLiteral("TARIH"));
    auto* tur = new QComboBox;
    tur->setObjectName(QStringLiteral("CmbTUR"));
    for (const auto& t : kTurler)
        tur->addItem(QString::fromUtf8(t.ad), QString::fromLatin1(t.kod));
    bindHeader(tur, QStringLiteral("TUR"));
    auto* belgeNo = alan(QStringLiteral("EditBELGENO"), 10);
    belgeNo->setMaximumWidth(110);
    bindHeader(belgeNo, QStringLiteral("BELGENO"));
    auto* aciklama = alan(QStringLiteral("EditACIKLAMA"), 95);
    bindHeader(aciklama, QStringLiteral("ACIKLAMA"));
    const QList<QPair<QString, QWidget*>> alanlar{{QStringLiteral("Fiş No"), numara},   {QStringLiteral("Yevmiye"), yevmiye},
                                                  {QStringLiteral("Tarih"), tarih},     {QStringLiteral("Fiş Türü"), tur},
                                                  {QStringLiteral("Belge No"), belgeNo}};
    for (const auto& [etiket, w] : alanlar) {
        ust->addWidget(new QLabel(etiket));
        ust->addWidget(w);
    }
    lay->addLayout(ust);
    auto* ust2 = new QHBoxLayout;
    ust2->addWidget(new QLabel(QStringLiteral("Açıklama")));
    ust2->addWidget(aciklama, 1);
    lay->addLayout(ust2);

    LineGrid* grid = addLineGrid(DocumentModel::kItems, kolonlar());
    grid->setObjectName(QStringLiteral("GridFISAYR"));
    lay->addWidget(grid, 1);
    auto* ipucu = new QLabel(QStringLiteral("Ins: Satır Ekle   Ctrl+Del: Satır Sil   F4: Hesap Planından Seç"));
    ipucu->setEnabled(false);
    lay->addWidget(ipucu);
    lay->addWidget(addTotals({{QStringLiteral("BORC"), QStringLiteral("Borç Toplamı")},
                              {QStringLiteral("ALACAK"), QStringLiteral("Alacak Toplamı")},
                              {QStringLiteral("FARK"), QStringLiteral("Fark")}},
                             3));
    auto* alt = new QHBoxLayout;
    auto* silBtn = new QPushButton(QStringLiteral("Sil"));
    silBtn->setObjectName(QStringLiteral("BtnSIL"));
    silBtn->setAutoDefault(false);
    connect(silBtn, &QPushButton::clicked, this, [this] { sil(); });
    alt->addWidget(silBtn);
    QWidget* dugmeler = buttonRow(true);
    alt->addWidget(dugmeler, 1);
    lay->addLayout(alt);

    // The display of a document's voucher, or a voucher a document owns: nothing to edit here.
    if (saltOkunur || f.belgeFisi()) {
        if (saltOkunur)
            setWindowTitle(QStringLiteral("Muhasebe Fişi Görüntüleme"));
        for (QWidget* w : std::initializer_list<QWidget*>{tarih, tur, belgeNo, aciklama})
            setEditorReadOnly(w, true);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        for (const char* c : {"HSPKODU", "ACIKLAMA", "BORC", "ALACAK"})
            grid->lineModel()->setColumnReadOnly(QString::fromLatin1(c), true);
        silBtn->setVisible(false);
        if (auto* sakla = dugmeler->findChild<QPushButton*>(QStringLiteral("BtnSAKLA")))
            sakla->setVisible(false);
        if (auto* iptal = dugmeler->findChild<QPushButton*>(QStringLiteral("BtnIPTAL")))
            iptal->setText(QStringLiteral("Kapat"));
    }
    resize(960, 560);
    showDocument();
}

QList<LineColumn> TFormFis::kolonlar()
{
    using K = LineColumn::Kind;
    LineColumn kod{QStringLiteral("HSPKODU"), QStringLiteral("HESAP KODU"), 130};
    kod.pick = [](QWidget* parent, const QString&) -> QVariant {
        TFormHspBr w(parent);
        w.setPickMode(true);
        if (w.exec() != QDialog::Accepted)
            return {};
        return toText(w.selectedRecord().value(QStringLiteral("HKOD")));
    };
    LineColumn ad{{}, QStringLiteral("HESAP ADI"), 210};
    ad.display = [this](int row) { return fis().hesapAdi(fis().lines().text(row, QStringLiteral("HSPKODU"))); };
    return {kod,
            ad,
            LineColumn{QStringLiteral("ACIKLAMA"), QStringLiteral("AÇIKLAMA"), 260},
            LineColumn{QStringLiteral("BORC"), QStringLiteral("BORÇ"), 110, K::Number},
            LineColumn{QStringLiteral("ALACAK"), QStringLiteral("ALACAK"), 110, K::Number}};
}

bool TFormFis::sil()
{
    if (fis().isNew())
        return false;
    if (!guard([this] { fis().deleteDocument(); }))
        return false;
    accept();
    return true;
}

void TFormFis::yazdir(const QString& cikti)
{
    if (fis().isNew())
        return;
    ErrorPresenter::run([&] {
        FisDokumSecimi s;
        s.fisNoBas = s.fisNoBit = fis().key().toDouble();
        const auto raporlar = FisDokum(SessionContext::current().db()).raporlar(s);
        ReportOutput::send(raporlar.first(), cikti, QStringLiteral("FisDok"), QStringLiteral("QuickRep1"), this);
    });
}

} // namespace nimbo
