#include "printing/ReportTemplate.h"
#include "db/Errors.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace nimbo {

namespace {
QJsonObject fontJson(const ReportFont& f)
{
    return {{"family", f.family}, {"size", f.pointSize}, {"bold", f.bold}, {"color", f.color}};
}

ReportFont fontFrom(const QJsonObject& o, const ReportFont& fallback)
{
    if (o.isEmpty())
        return fallback;
    ReportFont f;
    f.family = o.value("family").toString(fallback.family);
    f.pointSize = o.value("size").toDouble(fallback.pointSize);
    f.bold = o.value("bold").toBool(fallback.bold);
    f.color = o.value("color").toString();
    return f;
}
} // namespace

ReportTemplate ReportTemplate::fromReport(const ReportModel& m)
{
    ReportTemplate t;
    t.title = m.title;
    for (const ReportColumn& c : m.columns)
        t.columns << Column{c.key, c.title, c.widthMm, c.visible};
    t.titleFont = m.titleFont;
    t.bodyFont = m.bodyFont;
    t.pageTotals = m.pageTotals;
    t.carriedTotals = m.carriedTotals;
    t.grandTotal = m.grandTotal;
    t.signatures = m.signatures;
    return t;
}

QByteArray ReportTemplate::toJson() const
{
    QJsonArray cols;
    for (const Column& c : columns)
        cols.append(QJsonObject{{"key", c.key}, {"title", c.title}, {"width", c.widthMm}, {"visible", c.visible}});
    const QJsonObject bands{{"pageTotals", pageTotals}, {"carriedTotals", carriedTotals}, {"grandTotal", grandTotal}};
    const QJsonObject root{{"version", 1},
                           {"title", title},
                           {"columns", cols},
                           {"titleFont", fontJson(titleFont)},
                           {"bodyFont", fontJson(bodyFont)},
                           {"bands", bands},
                           {"signatures", QJsonArray::fromStringList(signatures)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ReportTemplate ReportTemplate::fromJson(const QByteArray& json)
{
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject())
        throw UserError(QStringLiteral("Rapor şablonu okunamadı: %1").arg(err.errorString()));
    const QJsonObject root = doc.object();
    ReportTemplate t;
    t.title = root.value("title").toString();
    for (const QJsonValue& v : root.value("columns").toArray()) {
        const QJsonObject o = v.toObject();
        t.columns << Column{o.value("key").toString(), o.value("title").toString(), o.value("width").toDouble(30),
                            o.value("visible").toBool(true)};
    }
    t.titleFont = fontFrom(root.value("titleFont").toObject(), t.titleFont);
    t.bodyFont = fontFrom(root.value("bodyFont").toObject(), t.bodyFont);
    const QJsonObject bands = root.value("bands").toObject();
    t.pageTotals = bands.value("pageTotals").toBool(true);
    t.carriedTotals = bands.value("carriedTotals").toBool(true);
    t.grandTotal = bands.value("grandTotal").toBool(true);
    for (const QJsonValue& v : root.value("signatures").toArray())
        t.signatures << v.toString();
    return t;
}

void ReportTemplate::applyTo(ReportModel& m) const
{
    QList<int> order;
    for (const Column& tc : columns)
        for (int i = 0; i < m.columns.size(); ++i)
            if (m.columns[i].key == tc.key && !order.contains(i)) {
                order << i;
                break;
            }
    const int known = order.size();
    for (int i = 0; i < m.columns.size(); ++i)
        if (!order.contains(i))
            order << i;
    QList<ReportColumn> cols;
    for (int k = 0; k < order.size(); ++k) {
        ReportColumn c = m.columns[order[k]];
        if (k < known) {
            const Column& tc = *std::find_if(columns.begin(), columns.end(),
                                             [&](const Column& x) { return x.key == c.key; });
            c.title = tc.title;
            c.widthMm = tc.widthMm;
            c.visible = tc.visible;
        } else {
            c.visible = false;
        }
        cols << c;
    }
    for (QVariantList& row : m.rows) {
        QVariantList moved;
        for (int i : order)
            moved << row.value(i);
        row = moved;
    }
    if (m.groupColumn >= 0)
        m.groupColumn = order.indexOf(m.groupColumn);
    m.columns = cols;
    if (!title.isEmpty())
        m.title = title;
    m.titleFont = titleFont;
    m.bodyFont = bodyFont;
    m.pageTotals = pageTotals;
    m.carriedTotals = carriedTotals;
    m.grandTotal = grandTotal;
    m.signatures = signatures;
}

} // namespace nimbo
