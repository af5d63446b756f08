#include "finance/forms/TFormCSAktar.h"

namespace nimbo {

TFormCSAktar::TFormCSAktar(const QString& islem, QWidget* parent) : TFormCSBr(parent, QStringLiteral("Çek/Senetler"))
{
    setObjectName(QStringLiteral("TFormCSAktar"));
    setPickMode(true);
    setIslem(islem);
}

double TFormCSAktar::sec(QWidget* parent, const QString& islem)
{
    TFormCSAktar f(islem, parent);
    if (f.exec() != QDialog::Accepted)
        return 0;
    return f.selectedRecord().value(QStringLiteral("PORTFOYNO")).toDouble();
}

} // namespace nimbo
