#include "stock/StockMasterData.h"
#include "stock/StockChoices.h"
#include "db/DbTransaction.h"
#include "services/Prompter.h"
#include "stock/StockNumbers.h"
#include "stock/StockSql.h"

#include <QSqlRecord>

namespace nimbo {

namespace {
using K = StockMasterData::Kind;
using T = StockMasterData::Column::Type;

bool blank(const QVariant& v) { return StockSql::blank(v); }
QString escapeLike(const QString& s) { return StockSql::escapeLike(s); }

const QString kGrupAdi = QStringLiteral("Grup Adı Bilgisini Vermeden Kayıt Saklanamaz.");
const QString kAnaGrupSec = QStringLiteral("Ana Grup Seçmeden Kayıt Saklanamaz.");
const QString kAyniKodBulunmakta = QStringLiteral("Aynı Kodlu Kayıt Bulunmakta.");
const QString kAyniKodVar = QStringLiteral("Aynı Kodlu Kayıt Var.");
} // namespace

QString StockMasterData::table() const
{
    switch (m_kind) {
    case K::AnaGrup: return QStringLiteral("ANAGRUP");
    case K::Grup: return QStringLiteral("GRUP");
    case K::AltGrup: return QStringLiteral("ALTGRUP");
    case K::Marka: return QStringLiteral("FIRMA");
    case K::Model: return QStringLiteral("STKMODEL");
    case K::Renk: return QStringLiteral("RENKLER");
    case K::Birim: return QStringLiteral("BIRIM");
    case K::Kdv: return QStringLiteral("KDVLER");
    case K::AracTipi: return QStringLiteral("MODEL");
    }
    return {};
}

QList<StockMasterData::Column> StockMasterData::columns() const
{
    switch (m_kind) {
    case K::AnaGrup:
        return {{"GRUP_KODU", "Grup Kodu", T::Integer}, {"GRUP_ADI", "Grup Adı"}, {"GRUP_AD_WEB", "Web Adı"},
                {"FYTLISTECIK", "Fiyat Listesinde Çıksın", T::Switch}};
    case K::Grup:
        return {{"GRUP_KODU", "Grup Kodu", T::Integer}, {"ANA_GRUP_KODU", "Ana Grup", T::Choice},
                {"GRUP_ADI", "Grup Adı"}, {"GRUP_AD_WEB", "Web Adı"},
                {"FYTLISTECIK", "Fiyat Listesinde Çıksın", T::Switch}};
    case K::AltGrup:
        return {{"GRUP_KODU", "Alt Grup Kodu", T::Integer}, {"ANA_GRUP_KODU", "Ana Grup", T::Choice},
                {"ALT_GRUP_KODU", "Grup", T::Choice}, {"GRUP_ADI", "Alt Grup Adı"}, {"GRUP_AD_WEB", "Web Adı"},
                {"FYTLISTECIK", "Fiyat Listesinde Çıksın", T::Switch}};
    case K::Marka: return {{"FIRMANO", "Marka No", T::Integer}, {"FIRMA_ADI", "Marka Adı"}};
    case K::Model:
        return {{"MODEL_KOD", "Model Kodu"}, {"MODEL_ADI", "Model Adı"}, {"MARKA_NO", "Marka", T::Choice}};
    case K::Renk: return {{"RENK_KOD", "Renk Kodu"}, {"RENK_ADI", "Renk Adı"}};
    case K::Birim: return {{"BIRIM_ADI", "Birim Adı"}};
    case K::Kdv: return {{"SIRA", "Sıra", T::Integer}, {"KDV", "Kdv Oranı", T::Number}, {"ACIKLAMA", "Açıklama"}};
    case K::AracTipi: return {{"MODEL_KODU", "Araç Tip Kodu"}, {"MODEL_ADI", "Araç Tipi"}};
    }
    return {};
}

QString StockMasterData::keyColumn() const { return columns().first().name; }

QString StockMasterData::nameColumn() const
{
    switch (m_kind) {
    case K::Birim: return QStringLiteral("BIRIM_ADI");
    case K::Kdv: return QStringLiteral("ACIKLAMA");
    default: break;
    }
    for (const Column& c : columns())
        if (c.name.endsWith(QLatin1String("_ADI")))
            return c.name;
    return keyColumn();
}

bool StockMasterData::keyTyped() const
{
    return m_kind != K::AnaGrup && m_kind != K::Marka && m_kind != K::Kdv;
}

ListQuery StockMasterData::listQuery(const QString& nameSearch) const
{
    QString select = QStringLiteral("SELECT T.*");
    QString from = QStringLiteral(" FROM %1 T").arg(table());
    if (m_kind == K::Grup || m_kind == K::AltGrup) {
        select += QStringLiteral(", A.GRUP_ADI AS ANA_GRUP_ADI");
        from += QStringLiteral(" LEFT OUTER JOIN ANAGRUP A ON (A.GRUP_KODU = T.ANA_GRUP_KODU)");
    }
    if (m_kind == K::AltGrup) {
        select += QStringLiteral(", G.GRUP_ADI AS UST_GRUP_ADI");
        from += QStringLiteral(" LEFT OUTER JOIN GRUP G ON (G.GRUP_KODU = T.ALT_GRUP_KODU)");
    }
    if (m_kind == K::Model) {
        select += QStringLiteral(", F.FIRMA_ADI");
        from += QStringLiteral(" LEFT OUTER JOIN FIRMA F ON (F.FIRMANO = T.MARKA_NO)");
    }
    ListQuery q;
    q.sql = select + from;
    if (!nameSearch.trimmed().isEmpty()) {
        q.sql += QStringLiteral(" WHERE T.%1 %2 :ARANAN ESCAPE '\\'").arg(nameColumn(), m_db.dialect().ilike());
        q.params.insert(QStringLiteral("ARANAN"), escapeLike(nameSearch.trimmed()) + QLatin1Char('%'));
    }
    q.sql += QStringLiteral(" ORDER BY T.%1").arg(m_kind == K::Kdv ? keyColumn() : nameColumn());
    return q;
}

QVariantMap StockMasterData::load(const QVariant& key) const
{
    const auto rows = m_db.records(QStringLiteral("SELECT * FROM %1 WHERE %2 = :K").arg(table(), keyColumn()),
                                   {{QStringLiteral("K"), key}});
    return rows.isEmpty() ? QVariantMap{} : StockSql::recordMap(rows.first());
}

QVariantMap StockMasterData::newValues() const
{
    QVariantMap v;
    const QString key = keyColumn();
    // Codes come from a counter; skip numbers that rows typed by hand already use.
    auto unused = [&](int (*next)(const Db&)) {
        int code = next(m_db);
        while (m_db.any(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = :K").arg(table(), key), {{"K", code}}))
            code = next(m_db);
        return code;
    };
    switch (m_kind) {
    case K::AnaGrup:
    case K::Grup:
    case K::AltGrup: v.insert(key, unused(&StockNumbers::nextGroupCode)); break;
    case K::Marka: v.insert(key, unused(&StockNumbers::nextBrandCode)); break;
    case K::Kdv:
        v.insert(key, m_db.scalar(QStringLiteral("SELECT COALESCE(MAX(SIRA), 0) + 1 FROM KDVLER")).toInt());
        break;
    default: break;
    }
    return v;
}

QVariant StockMasterData::save(const QVariantMap& values, bool isNew, const QVariant& oldKey) const
{
    auto need = [&](const char* column, const QString& message) {
        if (blank(values.value(QLatin1String(column))))
            throw FieldError(message, QLatin1String(column));
    };
    const QString key = keyColumn();
    // Text keys are stored trimmed: look for the one that will be stored.
    QVariant newKey = values.value(key);
    if (newKey.typeId() == QMetaType::QString)
        newKey = newKey.toString().trimmed();
    const bool keyChanged = !isNew && toText(newKey).trimmed() != toText(oldKey).trimmed();
    auto keyExists = [&] {
        return m_db.any(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = :K").arg(table(), key), {{"K", newKey}});
    };
    QString duplicate = kAyniKodVar;
    switch (m_kind) {
    case K::AnaGrup:
    case K::Marka: need(m_kind == K::Marka ? "FIRMA_ADI" : "GRUP_ADI", kGrupAdi); break;
    case K::Grup:
        need("ANA_GRUP_KODU", kAnaGrupSec);
        need("GRUP_KODU", QStringLiteral("Grup Kodu Bilgisini Vermeden Kayıt Saklanamaz."));
        need("GRUP_ADI", kGrupAdi);
        break;
    case K::AltGrup:
        need("ANA_GRUP_KODU", kAnaGrupSec);
        need("ALT_GRUP_KODU", QStringLiteral("Grup Seçmeden Kayıt Saklanamaz."));
        need("GRUP_KODU", QStringLiteral("Alt Grup Kodu Bilgisini Vermeden Kayıt Saklanamaz."));
        need("GRUP_ADI", QStringLiteral("Alt Grup Adı Bilgisini Vermeden Kayıt Saklanamaz."));
        break;
    case K::Renk:
        need("RENK_KOD", QStringLiteral("Renk Kodu Bilgisini Vermeden Kayıt Saklanamaz."));
        duplicate = kAyniKodBulunmakta;
        break;
    case K::Model:
        need("MODEL_KOD", QStringLiteral("Model Kodu Bilgisini Vermeden Kayıt Saklanamaz."));
        need("MODEL_ADI", QStringLiteral("Model Adı Bilgisini Vermeden Kayıt Saklanamaz."));
        need("MARKA_NO", QStringLiteral("Marka Adını Seçmeden Kayıt Saklanamaz."));
        duplicate = kAyniKodBulunmakta;
        break;
    case K::Birim:
        need("BIRIM_ADI", QStringLiteral("Gerekli Alanları Lüften Giriniz."));
        if (keyChanged && inUse(oldKey))
            throw FieldError(QStringLiteral("Bu Birimle ile ilgili işlem var.Değiştirilemez!"), key);
        duplicate = QStringLiteral("Aynı Adlı Kayıt Zaten Vardı. Bu Yüzden Kaydedilmedi.");
        break;
    case K::Kdv: need("SIRA", QStringLiteral("Gerekli Alanları Lüften Giriniz.")); break;
    case K::AracTipi: need("MODEL_KODU", QStringLiteral("Araç Tip Kodu Bilgisini Vermeden Kayıt Saklanamaz.")); break;
    }
    if ((isNew || keyChanged) && keyExists())
        throw FieldError(duplicate, key);

    DbTransaction tx(m_db);
    Params p;
    QStringList names, holders, sets;
    for (const Column& c : columns()) {
        QVariant v = values.value(c.name);
        if (v.typeId() == QMetaType::QString)
            v = v.toString().trimmed();
        p.insert(c.name, v);
        names << c.name;
        holders << QLatin1Char(':') + c.name;
        sets << QStringLiteral("%1 = :%1").arg(c.name);
    }
    if (isNew) {
        m_db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table(), names.join(u','), holders.join(u',')),
                  p);
    } else {
        p.insert(QStringLiteral("ESKI_ANAHTAR"), oldKey.isValid() ? oldKey : newKey);
        m_db.exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = :ESKI_ANAHTAR").arg(table(), sets.join(u','), key), p);
    }
    tx.commit();
    return p.value(key);
}

bool StockMasterData::inUse(const QVariant& key) const
{
    const Params p{{QStringLiteral("K"), key}};
    auto used = [&](const QString& where) { return m_db.any(QStringLiteral("SELECT 1 FROM STOK WHERE ") + where, p); };
    switch (m_kind) {
    case K::AnaGrup: return used(QStringLiteral("ANAGRUPNO = :K"));
    case K::Grup: return used(QStringLiteral("GRUPNO = :K"));
    case K::AltGrup: return used(QStringLiteral("ALTGRUPNO = :K"));
    case K::Marka: return used(QStringLiteral("FIRMANO = :K"));
    case K::Model: return used(QStringLiteral("MODEL = :K"));
    case K::Renk: return used(QStringLiteral("RENK = :K"));
    case K::Birim: return used(QStringLiteral("BIRIM1 = :K OR BIRIM2 = :K OR BIRIM3 = :K"));
    case K::AracTipi: return m_db.any(QStringLiteral("SELECT 1 FROM ARAC WHERE ARC_MODEL_KODU = :K"), p);
    case K::Kdv: return false;
    }
    return false;
}

bool StockMasterData::remove(const QVariant& key) const
{
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    if (inUse(key)) {
        QString m;
        switch (m_kind) {
        case K::Marka: m = QStringLiteral("Bu Firma Stok Listesine İşlenmiş.Silinemez!"); break;
        case K::Model: m = QStringLiteral("Bu Model Stok Listesine İşlenmiş.Silinemez!"); break;
        case K::Renk: m = QStringLiteral("Bu Renk Stok Listesine İşlenmiş.Silinemez!"); break;
        case K::Birim: m = QStringLiteral("Bu Birimle ile ilgili işlem var.Silinemez!"); break;
        case K::AracTipi: m = QStringLiteral("Bu Araç Tipi Araç Listesine İşlenmiş.Silinemez!"); break;
        default: m = QStringLiteral("Bu Grup Stok Listesine İşlenmiş.Silinemez!"); break;
        }
        Prompter::instance().warn(m);
        return false;
    }
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = :K").arg(table(), keyColumn()), {{QStringLiteral("K"), key}});
    tx.commit();
    return true;
}

QList<QPair<QVariant, QString>> StockMasterData::choices(const QString& column, const QVariant& narrow) const
{
    // The same lists as the stock card's, under this table's column names.
    QString cardColumn;
    if (column == QLatin1String("ANA_GRUP_KODU"))
        cardColumn = QStringLiteral("ANAGRUPNO");
    else if (column == QLatin1String("ALT_GRUP_KODU"))
        cardColumn = QStringLiteral("GRUPNO");
    else if (column == QLatin1String("MARKA_NO"))
        cardColumn = QStringLiteral("FIRMANO");
    else
        return {};
    QVariantMap card;
    if (!blank(narrow))
        card.insert(StockChoices::narrowedBy(cardColumn), narrow);
    return StockChoices::of(m_db, cardColumn, card);
}

} // namespace nimbo
