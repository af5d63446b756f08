#include "ledger/forms/TFormFisDok.h"
#include "db/Errors.h"
#include "ledger/forms/TarihAraligi.h"
#include "printing/forms/ReportOutput.h"
#include "printing/forms/SayfaAyarla.h"
#include "services/SessionContext.h"
#include "widgets/ErrorPresenter.h"
#include "widgets/FormUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace nimbo {

namespace {
QComboBox* kutu(const QStringList& items, const QString& name)
{
    auto* c = new QComboBox;
    c->setObjectName(name);
    c->addItems(items);
    return c;
}

QCheckBox* secenek(const QString& text, const QString& name, bool on)
{
    auto* c = new QCheckBox(text);
    c->setObjectName(name);
    c->setChecked(on);
    return c;
}
} // namespace

TFormFisDok::TFormFisDok(double fisNo, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormFisDok"));
    setWindowTitle(QStringLiteral("Fiş Dökumleri"));
    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    lay->addLayout(form);
    const auto aralik = [&](const QString& caption, const QString& name, QLineEdit*& bas, QLineEdit*& bit) {
        auto* row = new QHBoxLayout;
        bas = new QLineEdit;
        bas->setObjectName(QStringLiteral("Edit") + name + QStringLiteral("BAS"));
        bit = new QLineEdit;
        bit->setObjectName(QStringLiteral("Edit") + name + QStringLiteral("BIT"));
        row->addWidget(bas);
        row->addWidget(bit);
        form->addRow(caption, row);
    };
    aralik(QStringLiteral("Fiş No"), QStringLiteral("FIS"), m_fisBas, m_fisBit);
    m_aralik = new TarihAraligi;
    form->addRow(QStringLiteral("Tarih"), m_aralik);
    aralik(QStringLiteral("Fiş Ref.No"), QStringLiteral("REF"), m_refBas, m_refBit);
    m_tur = kutu(FisDokum::turler(), QStringLiteral("CmbTUR"));
    m_tur->setCurrentText(QStringLiteral("Tümü"));
    form->addRow(QStringLiteral("Fiş Türü"), m_tur);
    m_iptal = kutu(FisDokum::iptalSecenekleri(), QStringLiteral("CmbIPTAL"));
    form->addRow(QStringLiteral("İptal Fişler"), m_iptal);
    m_sira = kutu(FisDokum::siralar(), QStringLiteral("CmbSIRA"));
    form->addRow(QStringLiteral("Sıralama"), m_sira);
    m_yeniSayfa = secenek(QStringLiteral("Her Fiş Yeni Sayfadan Başlasın"), QStringLiteral("ChkYENISAYFA"), true);
    m_hesapSirali = secenek(QStringLiteral("Ayrıntıda Hesap Kodu Sıralı"), QStringLiteral("ChkHESAPSIRALI"), false);
    m_kebir = secenek(QStringLiteral("Kebir Hesap Yazdır"), QStringLiteral("ChkKEBIR"), false);
    m_fisNo = secenek(QStringLiteral("Fiş No Yazdır"), QStringLiteral("ChkFISNO"), true);
    for (QCheckBox* c : {m_yeniSayfa, m_hesapSirali, m_kebir, m_fisNo})
        form->addRow(QString(), c);
    m_cikti = kutu({QStringLiteral("Ön İzleme"), QStringLiteral("Word"), QStringLiteral("Excel"), QStringLiteral("Text"),
                    QStringLiteral("DOS")},
                   QStringLiteral("CmbCIKTI"));
    form->addRow(QStringLiteral("Çıktı"), m_cikti);
    if (fisNo > 0) {
        m_fisBas->setText(QString::number(fisNo, 'f', 0));
        m_fisBit->setText(QString::number(fisNo, 'f', 0));
    }

    auto* alt = new QHBoxLayout;
    auto* ayar = new QPushButton(QStringLiteral("Sayfa Ayarı"));
    ayar->setObjectName(QStringLiteral("BtnSAYFA"));
    auto* yazdirBtn = new QPushButton(QStringLiteral("Yazdır"));
    yazdirBtn->setObjectName(QStringLiteral("BtnYAZDIR"));
    auto* kapat = new QPushButton(QStringLiteral("Kapat"));
    alt->addWidget(ayar);
    alt->addStretch();
    alt->addWidget(yazdirBtn);
    alt->addWidget(kapat);
    lay->addLayout(alt);
    connect(ayar, &QPushButton::clicked, this, [this] {
        SayfaAyarla::run(QStringLiteral("FisDok"), QStringLiteral("QuickRep1"), QStringLiteral("Fiş Dökümleri Sayfa  Düzeni"),
                         {}, this);
    });
    connect(yazdirBtn, &QPushButton::clicked, this, [this] { yazdir(m_cikti->currentText()); });
    connect(kapat, &QPushButton::clicked, this, &QDialog::reject);
}

FisDokumSecimi TFormFisDok::secim() const
{
    FisDokumSecimi s;
    s.fisNoBas = m_fisBas->text().toDouble();
    s.fisNoBit = m_fisBit->text().toDouble();
    s.tarihBas = m_aralik->bas();
    s.tarihBit = m_aralik->bit();
    s.refBas = m_refBas->text().toDouble();
    s.refBit = m_refBit->text().toDouble();
    s.tur = m_tur->currentText();
    s.iptal = m_iptal->currentText();
    s.sira = m_sira->currentText();
    s.herFisYeniSayfa = m_yeniSayfa->isChecked();
    s.hesapKoduSirali = m_hesapSirali->isChecked();
    s.kebirYazdir = m_kebir->isChecked();
    s.fisNoYazdir = m_fisNo->isChecked();
    return s;
}

bool TFormFisDok::yazdir(const QString& cikti)
{
    bool ok = false;
    ErrorPresenter::run([&] {
        const FisDokumSecimi s = secim();
        const auto raporlar = FisDokum(SessionContext::current().db()).raporlar(s);
        if (cikti == QLatin1String("Text") || cikti == QLatin1String("DOS")) {
            // Plain text, each voucher cut into pages as on paper.
            const auto& hooks = ReportOutput::hooks();
            const QString dosya = hooks.saveFileName
                                      ? hooks.saveFileName(this, windowTitle(), QStringLiteral("txt"))
                                      : QFileDialog::getSaveFileName(this, windowTitle(), {}, QStringLiteral("*.txt"));
            if (dosya.isEmpty())
                return;
            QFile f(dosya);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw UserError(QStringLiteral("Dosya yazılamadı: ") + dosya);
            f.write(FisDokum::metin(raporlar, s.herFisYeniSayfa).toUtf8());
            ok = true;
            return;
        }
        const QString hedef = cikti == QStringLiteral("Ön İzleme") ? QStringLiteral("Önizleme") : cikti;
        ok = ReportOutput::send(FisDokum::birlesik(raporlar), hedef, QStringLiteral("FisDok"), QStringLiteral("QuickRep1"),
                                this);
    });
    return ok;
}

} // namespace nimbo
