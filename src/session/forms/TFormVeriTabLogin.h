#pragma once
#include "session/FirmSelection.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QLabel;

namespace nimbo {

// "Veri Tabanı Açılışı": asks for the database server when none is known.
class TFormVeriTabLogin : public QDialog {
    Q_OBJECT
public:
    TFormVeriTabLogin(int mode, const QString& user, const QString& caption, QWidget* parent = nullptr);
    VeriTabaniGirisSonucu result() const { return m_result; }
    // Mode 1 without a known server: show, search the network, fill the server list.
    void searchServers();

    QComboBox* serverBox() const { return m_server; }
    QLineEdit* databaseBox() const { return m_database; }

    // VeriTabaniGirisi: shows the dialog modally and returns what was typed.
    static VeriTabaniGirisSonucu VeriTabaniGirisi(int mode, const QString& user, const QString& caption,
                                                  QWidget* parent = nullptr);

private:
    void accept() override;
    void reject() override;
    int m_mode;
    QLabel* m_searching;
    QComboBox* m_server;
    QLineEdit* m_database;
    QLineEdit* m_user;
    QLineEdit* m_password;
    VeriTabaniGirisSonucu m_result;
};

} // namespace nimbo
