#pragma once
#include "finance/FinansBelgesi.h"
#include "widgets/DocumentWindow.h"

namespace nimbo {

// "Finans İşlemleri Girişi": entry of one finance transaction of a given kind and operation.
class TFormFinansHrk : public DocumentWindow {
    Q_OBJECT
public:
    // no -1 for a new document; kod presets the master code of a new one.
    TFormFinansHrk(const QString& tip, const QString& tip2, int no, const QString& kod = {}, QWidget* parent = nullptr);
    // Opens the window modally; the number saved, or 0.
    static int ac(QWidget* parent, const QString& tip, const QString& tip2, int no = -1);
    FinansBelgesi& belge() { return static_cast<FinansBelgesi&>(document()); }
    // The account of the master line from the account list, searched by what was typed: from
    // "..." always, on leaving the field when the typed text is no account's code.
    void cariSec(const QString& yazilan, bool liste);

private:
    QWidget* anaKodEditoru();
    QList<LineColumn> columns();
    // The kind the master code of this document is looked up in.
    QString anaKodTuru() const;
    bool m_seciyor = false;
};

} // namespace nimbo
