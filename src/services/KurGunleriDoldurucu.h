#pragma once
#include "db/Db.h"

#include <QDate>
#include <QObject>
#include <QUrl>

namespace nimbo {

class KurSayfasiIndirici;

// "Eksik Günleri Doldur": fetches the bank's file of every working day from the last stored
// rate up to today, one after the other, and writes each under its own day. A day the bank
// published nothing for (HTTP 404, a holiday) is passed over: the rate look-up takes the day
// before. A file that cannot be read is passed over and named; a network failure stops the
// run. ilerleme() follows every day; exactly one bitti() ends every baslat().
class KurGunleriDoldurucu : public QObject {
    Q_OBJECT
public:
    KurGunleriDoldurucu(const Db& db, const QUrl& adres, QObject* parent = nullptr);
    ~KurGunleriDoldurucu() override;

    void baslat(const QDate& bugun);
    void iptal();
    bool calisiyor() const { return m_sira < m_gunler.size(); }

Q_SIGNALS:
    void ilerleme(int yapilan, int toplam);
    void bitti(const QString& mesaj, bool sorunVar);

private:
    void sonraki();
    void geldi(const QString& belge);
    void gelmedi(const QString& mesaj);
    void bitir(const QString& durma = {});

    Db m_db;
    QUrl m_adres;
    KurSayfasiIndirici* m_indirici;
    QList<QDate> m_gunler;
    qsizetype m_sira = 0;
    int m_kaydedilen = 0;
    QList<QDate> m_bultenYok;
    QList<QDate> m_okunamayan;
};

} // namespace nimbo
