#pragma once

// Word lists of the demo company: Turkish names, places, goods and codes, all
// made up for the demo. They use the whole Turkish alphabet on purpose.

#include <QString>
#include <QStringList>
#include <QVector>

namespace tarvel::demo::words {

struct City {
    QString name, telCode;
    QStringList districts;
};

struct UnitDefinition {
    QString code, name;
    double conv1 = 1, conv2 = 1; // conv1 of this unit are conv2 of the main unit
};

struct UnitSetDefinition {
    QString code, name;
    QVector<UnitDefinition> units; // main unit first
};

// One kind of goods; items are made from it with a brand, a variety and a size.
struct ProductKind {
    QString name;
    QStringList varieties; // may hold "" (no variety)
    QStringList sizes;     // "LABEL:factor" of the first size's price; "" label: sold loose
    int unitSet = 0;       // index into unitSets()
    double vat = 20;
    double cost = 10;  // purchase price of the first size
    QString specode;   // item special code (SPECODE)
    QString group;     // item group code (STGRPCODE)
    double addTax = 0; // additional tax per unit of the first size
};

struct CodeDefinition {
    QString code, definition;
};

// What one firm trades in.
struct TradeProfile {
    QString firmName;
    QVector<CodeDefinition> categories; // the product kinds' special codes (SPECODE) and what they mean
    QVector<ProductKind> products;
    QStringList brands;
    QStringList customerKinds; // "GIDA", "MARKET", ...
    QStringList supplierKinds;
    QStringList services; // service card names
    QString groupCard;    // the account group card (CARDTYPE 4)
};

const QVector<City> &cities();
const QStringList &firstNames();
const QStringList &surnames();
const QStringList &legalForms();
const QStringList &supplierLegalForms();
const QStringList &neighbourhoods();
const QStringList &streets();

const QVector<UnitSetDefinition> &unitSets();

const TradeProfile &foodTrade();       // firm 1: food and household wholesale
const TradeProfile &stationeryTrade(); // firm 2: stationery

const QVector<CodeDefinition> &waybillSpecialCodes(); // (1, 19)
const QVector<CodeDefinition> &accountSpecialCodes(); // (1, 26)
const QVector<CodeDefinition> &accountGroupCodes();   // (10, 2)
const QVector<CodeDefinition> &itemSpecialCodes();    // (1, 1), beyond the product kinds' own

// "ŞEKER VE TATLANDIRICI" -> "Şeker ve tatlandırıcı"; "KADIKÖY" -> "Kadıköy".
QString sentenceCase(const QString &upper);
QString titleCase(const QString &upper);
// Turkish plural suffix by vowel harmony: "YILMAZ" -> "YILMAZLAR", "ÇELİK" -> "ÇELİKLER".
QString plural(const QString &upper);

} // namespace tarvel::demo::words
