#pragma once
#include <QList>
#include <QString>
#include <functional>

namespace nimbo {

class Db;

// A table declared once in the portable subset, e.g.
//   {"KIMKUL", "KULLANICI VARCHAR(15) NOT NULL, SIFRE VARCHAR(15), PRIMARY KEY (KULLANICI)"}
struct TableDef {
    QString name;
    QString body;
};

struct IndexDef {
    QString table;
    QString name;
    QString columns;
    bool unique = false;
};

struct ViewDef {
    QString name;
    std::function<QString(const Db&)> select; // the engine decides the text
};

// A trigger, re-created on every apply; the engine decides the statements (PostgreSQL also
// needs its function), which must drop what they replace.
struct TriggerDef {
    QString name;
    std::function<QStringList(const Db&)> statements;
};

// Rows a new year database starts with (counter rows, defaults). Must be idempotent.
using SeedFn = std::function<void(const Db&)>;

struct SchemaPart {
    QString subsystem;
    QList<TableDef> tables;
    QList<IndexDef> indexes;
    QList<ViewDef> views;
    QList<TriggerDef> triggers;
    QList<SeedFn> seeds;
};

// A column parsed out of a table body.
struct ColumnDef {
    QString name;
    QString type;  // portable type
    QString rest;  // NOT NULL, DEFAULT ..., PRIMARY KEY
};

QList<ColumnDef> parseColumns(const QString& body);
QStringList parseConstraints(const QString& body);

// One function per subsystem, each in its own file under schema/.
// Right columns of KIMKUL, in table order.
QStringList kimkulRightColumns();

SchemaPart firmsSchema();    // the firms database
SchemaPart sessionSchema();
SchemaPart servicesSchema();
SchemaPart balanceSchema();  // FINBAKIYE, kept by triggers on FINHRK
// Recomputes FINBAKIYE from FINHRK (a year that had movements before the summary existed).
void rebuildFinBakiye(const Db& db);
SchemaPart menuSchema();
SchemaPart printingSchema();
SchemaPart accountsSchema();
SchemaPart stockSchema();
SchemaPart financeSchema();
SchemaPart ledgerSchema();
SchemaPart tradeSchema();

// Every part of a year database, in creation order.
QList<SchemaPart> yearSchema();

} // namespace nimbo
