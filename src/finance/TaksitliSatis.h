#pragma once
#include "finance/TaksitPlani.h"

namespace nimbo {

class DocumentWriter;

// The instalment plan a sale or purchase paid in instalments (ODE_TIP "T") carries while it is
// edited: read with the document, replaced by the plan the instalment window builds, checked
// by the document's save and written in the save's transaction. Instalments already
// collected stay what they are: their due date, account and what was collected on them
// survive every rewrite of the plan, and a plan that would change them is refused.
class TaksitliSatis {
public:
    // What the document is at the moment of its save.
    struct Belge {
        double no = 0;
        QString cariKod;
        QString doviz;
        double net = 0;
        bool taksitli = false; // ODE_TIP "T"
        QString ad;            // "Satış" or "Alış", for the message of a missing plan
    };

    TaksitliSatis(const Db& db, const QString& satTip);

    // A new document: no plan.
    void temizle();
    // The stored plan of a saved document. The down payment is what the instalments leave of
    // the net total, its date the invoice date.
    void oku(double belgeNo, double net, const QDate& tarih);
    // The same for a document known by its number only (sale, retail sale or purchase).
    void okuKayitli(double belgeNo);
    // The latest document with instalments; 0 when there is none.
    static double sonTaksitliBelge(const Db& db);

    const TaksitPlanGirdisi& girdi() const { return m_girdi; }
    const QList<QVariantMap>& taksitler() const { return m_taksitler; }
    QString satTip() const { return m_satTip; }

    // The rows of a plan built from g, with the instalments already collected on the stored
    // document carried over.
    QList<QVariantMap> planla(const TaksitPlanGirdisi& g) const;
    // Takes the plan the window shows (built automatically or typed by hand) after its
    // checks; UserError with the message, and the plan held before stays.
    void kabul(const TaksitPlanGirdisi& g, const QList<QVariantMap>& taksitler);

    // The rows the save writes for the document (none when it is not paid in instalments);
    // UserError when the plan is missing, inconsistent or would change a collected instalment.
    QList<QVariantMap> hazirla(const Belge& b) const;
    // Replaces the document's TAKSITS rows inside the caller's transaction.
    void yaz(DocumentWriter& w, const Belge& b) const;

    // Whether anything has been collected on the document's instalments.
    static bool tahsilatVar(const Db& db, double belgeNo);

private:
    QList<QVariantMap> tahsilEdilenler(double belgeNo) const;
    // Carries the collected rows into the plan; refuses a changed due date or a collection
    // above the new amount when `kati`.
    static QList<QVariantMap> birlestir(QList<QVariantMap> plan, const QList<QVariantMap>& tahsil, bool kati);

    Db m_db;
    QString m_satTip;
    TaksitPlanGirdisi m_girdi;
    QList<QVariantMap> m_taksitler;
};

} // namespace nimbo
