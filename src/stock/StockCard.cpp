#include "stock/StockCard.h"
#include "db/DbTransaction.h"
#include "services/Prompter.h"
#include "stock/StockNumbers.h"
#include "stock/StockRates.h"
#include "db/RecordWriter.h"
#include "db/SqlValues.h"

#include <QSqlRecord>

namespace nimbo {

namespace {
const QString kStokNo = QStringLiteral("STOK_NO");
const QString kKod = QStringLiteral("STOK_KOD_NO");

} // namespace

void StockCard::startNew()
{
    const QDate today = QDate::currentDate();
    QVariantMap v;
    v.insert(QStringLiteral("PASIF"), QStringLiteral("A"));
    v.insert(QStringLiteral("ACILIS_TRH"), today);
    v.insert(QStringLiteral("BARK_TIP"), QStringLiteral("E"));
    v.insert(QStringLiteral("KAR_TIP"), QStringLiteral("S"));
    v.insert(QStringLiteral("WEBDENMI"), QStringLiteral("H"));
    v.insert(QStringLiteral("SERITAKIP"), QStringLiteral("H"));
    v.insert(QStringLiteral("INSOTOM"), 1);
    v.insert(QStringLiteral("BIRIM1"), QStringLiteral("ADET"));
    v.insert(QStringLiteral("PAY"), QStringLiteral("P"));
    v.insert(QStringLiteral("ORJ"), QStringLiteral("O"));
    v.insert(kStokNo, StockNumbers::nextStokNo(m_db));

    const auto par = m_db.records(QStringLiteral("SELECT STK_KDV_DH, STK_PARABAZ, STK_KDV, STK_DVZ, STK_KAR FROM PARAMET"));
    if (!par.isEmpty()) {
        const QSqlRecord& p = par.first();
        // The parameter says 'D' for prices with VAT; the card stores 'E'.
        QString dh = toText(p.value(0)).trimmed().toUpper();
        if (dh == QLatin1String("D"))
            dh = QStringLiteral("E");
        v.insert(QStringLiteral("KDV_DAHIL"), dh);
        const QString baz = toText(p.value(1)).trimmed();
        v.insert(QStringLiteral("PARA_BAZ"), baz.isEmpty() ? QStringLiteral("T") : baz);
        v.insert(QStringLiteral("KDV"), p.value(2).toDouble());
        const QString dvz = toText(p.value(3)).trimmed();
        v.insert(QStringLiteral("DOVIZ_KODU"), dvz.isEmpty() ? QStringLiteral("TL") : dvz);
        v.insert(QStringLiteral("KAR_ORAN"), p.value(4).toDouble());
    }
    v.insert(QStringLiteral("ACILIS_TRH"), today);
    v.insert(QStringLiteral("BARK_TIP"), QStringLiteral("E"));
    if (isBlank(v.value(QStringLiteral("KDV_DAHIL"))))
        v.insert(QStringLiteral("KDV_DAHIL"), QStringLiteral("H"));
    if (isBlank(v.value(QStringLiteral("PARA_BAZ"))))
        v.insert(QStringLiteral("PARA_BAZ"), QStringLiteral("T"));
    if (isBlank(v.value(QStringLiteral("DOVIZ_KODU"))))
        v.insert(QStringLiteral("DOVIZ_KODU"), QStringLiteral("TL"));
    reset(v, true);
    m_pricesSeen = values();
    m_savedCode.clear();
    m_barcodes.clear();
    m_supplier.clear();
    m_pictures.clear();
    m_removedPictures.clear();
    m_locations.clear();
    m_savedLocations.clear();
    m_savedBarcodeCount = m_savedSupplierCount = 0;
    loadSatellites(); // the STOKMUH row of the new number: edit when present, insert when not
}

void StockCard::open(double stokNo)
{
    const auto rows = m_db.records(QStringLiteral("SELECT * FROM STOK WHERE STOK_NO=:STOK_NO"), {{kStokNo, stokNo}});
    if (rows.isEmpty())
        throw UserError(QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor."));
    reset(rowMap(rows.first()), false);
    m_pricesSeen = values();
    m_savedCode = text(kKod);
    m_barcodes.clear();
    for (const QSqlRecord& r :
         m_db.records(QStringLiteral("SELECT BARKOD, BARK_TIP, BIRIM, FIYAT FROM STOKBARK WHERE STOK_KOD_NO=:KOD "
                                     "ORDER BY BARKOD"),
                      {{QStringLiteral("KOD"), m_savedCode}})) {
        StockBarcode b;
        b.barkod = toText(r.value(0)).trimmed();
        b.barkTip = toText(r.value(1)).trimmed();
        b.birim = toText(r.value(2)).trimmed();
        b.fiyat = r.value(3).toDouble();
        b.savedBarkod = b.barkod;
        b.checkedBarkod = b.barkod;
        m_barcodes << b;
    }
    m_supplier.clear();
    for (const QSqlRecord& r : m_db.records(QStringLiteral("SELECT TED_KOD, ALIS_FYT, DOVIZ_KOD FROM TEDARIKFIYAT "
                                                           "WHERE STOK_KOD_NO=:KOD ORDER BY TED_KOD"),
                                            {{QStringLiteral("KOD"), m_savedCode}}))
        m_supplier << SupplierPrice{r.value(0).toInt(), r.value(1).toDouble(), toText(r.value(2)).trimmed()};
    m_savedBarcodeCount = m_barcodes.size();
    m_savedSupplierCount = m_supplier.size();
    m_pictures = StockPictures::of(m_db, stokNo);
    m_removedPictures.clear();
    m_locations.clear();
    for (const QSqlRecord& r : m_db.records(QStringLiteral("SELECT DEPO_KODU, RAF_YERI FROM STOKDEPOYER WHERE "
                                                           "STOK_NO = :S ORDER BY DEPO_KODU"),
                                            {{QStringLiteral("S"), stokNo}}))
        m_locations << StockLocation{r.value(0).toInt(), toText(r.value(1)).trimmed()};
    m_savedLocations = m_locations;
    loadSatellites();
}

void StockCard::loadSatellites()
{
    const auto rows = m_db.records(QStringLiteral("SELECT * FROM STOKMUH WHERE STOK_NO=:STOK_NO"), {{kStokNo, stokNo()}});
    m_muhExists = !rows.isEmpty();
    m_muh = m_muhExists ? rowMap(rows.first()) : QVariantMap{};
    m_muh.insert(kStokNo, stokNo());
    m_muhLoaded = m_muh;
}

bool StockCard::isModified() const
{
    if (CardModel::isModified() || m_barcodes.size() != m_savedBarcodeCount || m_supplier.size() != m_savedSupplierCount
        || !m_removedPictures.isEmpty() || m_locations.size() != m_savedLocations.size())
        return true;
    for (int i = 0; i < m_locations.size(); ++i)
        if (m_locations[i].depoKodu != m_savedLocations[i].depoKodu || m_locations[i].rafYeri != m_savedLocations[i].rafYeri)
            return true;
    for (const StockPictures::Picture& p : m_pictures)
        if (p.sira == 0)
            return true;
    for (const StockBarcode& b : m_barcodes)
        if (b.savedBarkod != b.barkod)
            return true;
    for (auto it = m_muh.cbegin(); it != m_muh.cend(); ++it)
        if (toText(it.value()).trimmed() != toText(m_muhLoaded.value(it.key())).trimmed())
            return true;
    return false;
}

bool StockCard::codeTaken() const
{
    return m_db.any(QStringLiteral("SELECT STOK_KOD_NO FROM STOK WHERE STOK_KOD_NO=:StkKodu AND STOK_NO<>:SNO"),
                    {{QStringLiteral("StkKodu"), text(kKod)}, {QStringLiteral("SNO"), stokNo()}});
}

void StockCard::checkCode() const
{
    if (!text(kKod).isEmpty() && codeTaken())
        Prompter::instance().warn(QStringLiteral("Dikkat Aynı Stok Kod No başka bir Kayıda da Verilmiş."));
}

bool StockCard::fillLastCode(const QString& prefix)
{
    // The prefix is taken as typed: its '_' or '%' are no wildcards, and letter case counts on
    // every engine (SQLite's LIKE alone would ignore it).
    const QString typed = prefix.trimmed();
    const QVariant v = m_db.scalar(QStringLiteral("SELECT MAX( STOK_KOD_NO ) AS NEW_KOD FROM STOK WHERE STOK_KOD_NO LIKE "
                                                  ":ANA_KOD ESCAPE '\\' AND SUBSTR(STOK_KOD_NO, 1, :UZUNLUK) = :ONEK"),
                                   {{QStringLiteral("ANA_KOD"), escapeLike(typed) + QLatin1Char('%')},
                                    {QStringLiteral("UZUNLUK"), static_cast<int>(typed.size())},
                                    {QStringLiteral("ONEK"), typed}});
    if (isBlank(v)) {
        Prompter::instance().warn(QStringLiteral("Verilen Ana Hesap Ait Alt Hesap Bulunamadı!"));
        return false;
    }
    setValue(kKod, toText(v).trimmed());
    return true;
}

QVariantMap StockCard::syncedPrices()
{
    QVariantMap row = values();
    StockPricing::syncOwnCurrency(row, m_pricesSeen, StockRates::localCurrency(m_db));
    return row;
}

void StockCard::takePrices(const QVariantMap& row)
{
    for (auto it = row.cbegin(); it != row.cend(); ++it)
        setValue(it.key(), it.value());
    m_pricesSeen = values();
}

void StockCard::applyMargin(StockPricing::Margin m)
{
    QVariantMap row = syncedPrices();
    StockPricing::applyMargin(row, m);
    takePrices(row);
}

double StockCard::pricesFromLatestRate(const QDate& today)
{
    const QString dvz = text(QStringLiteral("DOVIZ_KODU")).toUpper();
    StockPricing::Rates r;
    r.usd = StockRates::rate(m_db, QStringLiteral("USD"), today);
    r.eur = StockRates::rate(m_db, QStringLiteral("EUR"), today);
    if (dvz == QLatin1String("USD"))
        r.own = r.usd;
    else if (dvz == QLatin1String("EUR"))
        r.own = r.eur;
    else
        r.own = StockRates::rate(m_db, dvz, today);
    QVariantMap row = syncedPrices();
    StockPricing::pricesFromRates(row, r, StockRates::localCurrency(m_db));
    row.insert(QStringLiteral("FYT_TRH"), today);
    row.insert(QStringLiteral("DVZKUR"), r.own);
    takePrices(row);
    return r.own;
}

void StockCard::takeHistoryPrice(const QString& kind, const StockPriceHistory::Row& r)
{
    takePrices(syncedPrices()); // what was typed before counts as seen
    setValue(kind + QStringLiteral("_TL"), r.tl);
    setValue(kind + QStringLiteral("_USD"), r.usd);
    setValue(kind + QStringLiteral("_EUR"), r.eur);
    takePrices(syncedPrices());
}

void StockCard::checkLocationRow(int index) const
{
    const StockLocation& row = m_locations.at(index);
    if (row.depoKodu == 0)
        throw FieldError(QStringLiteral("Lütfen Bir Depo Seçiniz."), QStringLiteral("DEPO_KODU"));
    for (int i = 0; i < m_locations.size(); ++i)
        if (i != index && m_locations[i].depoKodu == row.depoKodu)
            throw FieldError(QStringLiteral("Bu Depoyu Daha Önce Seçtiniz.Lütfen Başka Bir Depo Seçiniz... "),
                             QStringLiteral("DEPO_KODU"));
}

void StockCard::addPicture(const QString& file) { m_pictures << StockPictures::read(text(kKod), file); }

void StockCard::removePicture(int index)
{
    if (index < 0 || index >= m_pictures.size())
        return;
    if (m_pictures.at(index).sira > 0)
        m_removedPictures << m_pictures.at(index).sira;
    m_pictures.removeAt(index);
}

StockBarcode StockCard::newBarcodeRow() const
{
    StockBarcode b;
    b.barkTip = QStringLiteral("C");
    b.fiyat = value(QStringLiteral("SAT_SKFYT_TL")).toDouble();
    b.birim = text(QStringLiteral("BIRIM1"));
    return b;
}

void StockCard::checkBarcodeRow(StockBarcode& row) const
{
    row.barkod = row.barkod.trimmed();
    row.birim = row.birim.trimmed();
    if (row.barkod.isEmpty())
        throw FieldError(QStringLiteral("Barkod alanı boş bırakılamaz."), QStringLiteral("BARKOD"));
    if (row.birim.isEmpty())
        throw FieldError(QStringLiteral("Birim alanı boş bırakılamaz."), QStringLiteral("BIRIM"));
    QStringList units;
    for (const char* c : {"BIRIM1", "BIRIM2", "BIRIM3"})
        if (!text(QLatin1String(c)).isEmpty())
            units << text(QLatin1String(c)).toUpper();
    if (!units.contains(row.birim.toUpper())) {
        Prompter::instance().warn(
            QStringLiteral("Birimi, Lütfen Ürün İçin Tanımladığınız Birimlerden Birini Seçiniz."));
        row.birim = text(QStringLiteral("BIRIM1"));
    }
    row.checkedBarkod = row.barkod;
    if (row.barkod != row.savedBarkod
        && m_db.any(QStringLiteral("SELECT BARKOD FROM STOKBARK WHERE BARKOD=:barkod"),
                    {{QStringLiteral("barkod"), row.barkod}}))
        Prompter::instance().warn(QStringLiteral("Dikkat Aynı Barkod Başka Bir Ürüne Atanmış."));
}

void StockCard::store()
{
    // The code is looked up trimmed, so it is stored trimmed: spaces typed around it cannot
    // make a second card with the same code.
    if (!value(kKod).isNull())
        setValue(kKod, text(kKod));
    if (text(kKod).isEmpty())
        throw FieldError(QStringLiteral("Stok Kod No Boş Geçilemez!"), kKod);
    if (isBlank(value(QStringLiteral("ANAGRUPNO"))))
        throw FieldError(QStringLiteral("Ana Ürün Grubu seçmeden Kayıt Saklanamaz..."), QStringLiteral("ANAGRUPNO"));
    if (codeTaken())
        throw FieldError(QStringLiteral("Aynı Stok Kod No başka bir Kayıda da Verilmiş. Kayıt Saklanamaz.Lütfen Kod "
                                        "Noyu Değiştirin."),
                         kKod);
    if (text(QStringLiteral("STOK_ADI_TR")).isEmpty())
        throw FieldError(QStringLiteral("Stok Adı Bilgisini Vermeden Kayıt Saklanamaz."), QStringLiteral("STOK_ADI_TR"));
    for (StockBarcode& b : m_barcodes)
        if (b.barkod.trimmed() != b.checkedBarkod || b.checkedBarkod.isEmpty())
            checkBarcodeRow(b);
    for (const StockBarcode& b : m_barcodes)
        if (b.barkod.trimmed().isEmpty())
            throw FieldError(QStringLiteral("Barkod Alanını Lüften Giriniz."), QStringLiteral("BARKOD"));
    for (int i = 0; i < m_locations.size(); ++i)
        checkLocationRow(i);

    takePrices(syncedPrices());
    setValue(QStringLiteral("AKTARILDI"), QStringLiteral("H"));
    const QString newCode = text(kKod);
    DbTransaction tx(m_db);
    writeCard();
    writeSatellites(m_savedCode, newCode);
    m_db.exec(QStringLiteral("DELETE FROM STOKDEPOYER WHERE STOK_NO = :S"), {{QStringLiteral("S"), stokNo()}});
    for (const StockLocation& l : m_locations)
        m_db.exec(QStringLiteral("INSERT INTO STOKDEPOYER (STOK_NO, DEPO_KODU, RAF_YERI) VALUES (:S, :D, :R)"),
                  {{QStringLiteral("S"), stokNo()}, {QStringLiteral("D"), l.depoKodu},
                   {QStringLiteral("R"), l.rafYeri.trimmed().left(10)}});
    for (int sira : m_removedPictures)
        StockPictures::remove(m_db, stokNo(), sira);
    QList<StockPictures::Picture> pictures = m_pictures;
    for (StockPictures::Picture& p : pictures)
        if (p.sira == 0)
            StockPictures::insert(m_db, stokNo(), p);
    tx.commit();
    m_pictures = pictures;
    m_removedPictures.clear();
    m_savedLocations = m_locations;

    m_savedCode = newCode;
    m_muhExists = true;
    m_muhLoaded = m_muh;
    for (StockBarcode& b : m_barcodes)
        b.savedBarkod = b.barkod;
    m_savedBarcodeCount = m_barcodes.size();
    m_savedSupplierCount = m_supplier.size();
    setNew(false);
    markClean();
}

void StockCard::writeCard()
{
    RecordWriter w(m_db, table());
    if (isNew())
        w.insert(values());
    else
        w.update(values(), loaded(), {{kStokNo, loaded().value(kStokNo)}});
}

void StockCard::writeSatellites(const QString& oldCode, const QString& newCode)
{
    // Barcodes and supplier prices hang on the code: rewrite them under the current one. A
    // fresh copy still shares its code with the original; those rows stay the original's.
    const bool shared = !oldCode.isEmpty()
                        && m_db.any(QStringLiteral("SELECT 1 FROM STOK WHERE STOK_KOD_NO = :K AND STOK_NO <> :N"),
                                    {{QStringLiteral("K"), oldCode}, {QStringLiteral("N"), stokNo()}});
    if (!oldCode.isEmpty() && !shared) {
        m_db.exec(QStringLiteral("DELETE FROM STOKBARK WHERE STOK_KOD_NO = :K"), {{QStringLiteral("K"), oldCode}});
        m_db.exec(QStringLiteral("DELETE FROM TEDARIKFIYAT WHERE STOK_KOD_NO = :K"), {{QStringLiteral("K"), oldCode}});
    }
    for (const StockBarcode& b : m_barcodes)
        m_db.exec(QStringLiteral("INSERT INTO STOKBARK (STOK_KOD_NO, BARKOD, BARK_TIP, BIRIM, FIYAT) "
                                 "VALUES (:K, :B, :T, :U, :F)"),
                  {{QStringLiteral("K"), newCode}, {QStringLiteral("B"), b.barkod.trimmed()},
                   {QStringLiteral("T"), b.barkTip}, {QStringLiteral("U"), b.birim}, {QStringLiteral("F"), b.fiyat}});
    for (const SupplierPrice& s : m_supplier)
        m_db.exec(QStringLiteral("INSERT INTO TEDARIKFIYAT (TED_KOD, STOK_KOD_NO, ALIS_FYT, DOVIZ_KOD) "
                                 "VALUES (:T, :K, :F, :D)"),
                  {{QStringLiteral("T"), s.tedKod}, {QStringLiteral("K"), newCode}, {QStringLiteral("F"), s.alisFyt},
                   {QStringLiteral("D"), s.dovizKod}});

    m_muh.insert(kStokNo, stokNo());
    const bool exists = m_db.any(QStringLiteral("SELECT 1 FROM STOKMUH WHERE STOK_NO = :STOK_NO"), {{kStokNo, stokNo()}});
    RecordWriter muh(m_db, QStringLiteral("STOKMUH"));
    if (exists)
        muh.update(m_muh, m_muhLoaded, {{kStokNo, stokNo()}});
    else
        muh.insert(m_muh);
}

} // namespace nimbo
