#pragma once

// A handful of sales waybills of firm 1, period 1, chosen to hit the cases
// that matter to the waybill picker and the loading report. With the range
// 01.01.2024 - 08.01.2024 and no other filter, "Göster" lists 101, 102, 104,
// 108 and 109 in that order.
//
// clang-format off
//  ref  no        date              type   customer             ship-to  special  lines
//  101  IRS-101   05.01.2024        8      1 MEHMET'İN GIDA     6        S1       A 2 ADET, A 3 ADET, B 1, promotion C
//  102  IRS-102   08.01.2024 00:00  7      2 (inactive)         2        -        A 4 KOLİ
//  103  IRS-103   08.01.2024 10:00  8      3 AYŞE TİCARET       0        -        B 1
//  104  IRS-104   03.01.2024        8      99 (missing card)    1        S2       C 0,1
//  105  IRS-105   04.01.2024        11     1                    0        -        (scrap: never listed)
//  106  ALIS-106  04.01.2024        1/IO1  1                    0        -        (purchase: never listed)
//  107  IRS-107   31.12.2023        8      1                    0        -        (before the range)
//  108  IRS-108   06.01.2024        8      4 AYŞE TİCARET LTD   0        -        A 1, then an item card that is missing
//  109  IRS-109   07.01.2024        8      3 AYŞE TİCARET       0        -        A 0,1 / 1234567,89 and A 0,2 / 0,01
// clang-format on
//
// Gross totals of 101 and 102 are both 1,004 (the totals round per waybill).

#include "common/erpfixture.h"

namespace tarvel::test {

inline void addWaybillFixture(ErpFixture &erp)
{
    erp.card({.ref = 1,
              .code = QStringLiteral("120.01"),
              .name = QStringLiteral("MEHMET'İN GIDA"),
              .addr1 = QStringLiteral("ATATÜRK CAD. NO:5"),
              .addr2 = QStringLiteral("KAT:2"),
              .city = QStringLiteral("İZMİR"),
              .telCode = QStringLiteral("0232"),
              .telNr = QStringLiteral("4445566"),
              .taxNr = QStringLiteral("6130012345"),
              .taxOffice = QStringLiteral("KONAK")});
    erp.card({.ref = 2,
              .code = QStringLiteral("120.02"),
              .name = QStringLiteral("ESKİ ÇARŞI ŞEKERCİSİ"),
              .active = 1,
              .city = QStringLiteral("BURSA")});
    erp.card({.ref = 3,
              .code = QStringLiteral("120.03"),
              .name = QStringLiteral("AYŞE TİCARET"),
              .city = QStringLiteral("ANKARA"),
              .taxOffice = QStringLiteral("ÇANKAYA")});
    erp.card({.ref = 4,
              .code = QStringLiteral("120.04"),
              .name = QStringLiteral("AYŞE TİCARET LTD"),
              .city = QStringLiteral("ANKARA")});
    erp.card(
        {.ref = 5, .code = QStringLiteral("120.05"), .name = QStringLiteral("GRUP KARTI"), .cardType = 22});
    erp.card({.ref = 6, .code = QStringLiteral("320.01"), .name = QStringLiteral("SEVKİYAT DEPOSU")});
    erp.card({.ref = 7,
              .code = QStringLiteral("120.12"),
              .name = QStringLiteral("BAKKAL 12"),
              .city = QStringLiteral("MANİSA")});
    erp.card({.ref = 8, .code = QStringLiteral("320.02"), .name = QStringLiteral("DEPO 12")});

    erp.item({.ref = 1, .code = QStringLiteral("A001"), .name = QStringLiteral("ELMA")});
    erp.item({.ref = 2, .code = QStringLiteral("B002"), .name = QStringLiteral("ARMUT")});
    erp.item({.ref = 3, .code = QStringLiteral("C003"), .name = QStringLiteral("KİRAZ")});
    erp.unit({.ref = 1, .name = QStringLiteral("ADET")});
    erp.unit({.ref = 2, .name = QStringLiteral("KOLİ")});

    const auto code = [&erp](int ref, int type, int kind, const char *specode, const char *name) {
        erp.add(QStringLiteral("SPECODES"), {{QStringLiteral("LOGICALREF"), ref},
                                             {QStringLiteral("CODETYPE"), type},
                                             {QStringLiteral("SPECODETYPE"), kind},
                                             {QStringLiteral("SPECODE"), QString::fromUtf8(specode)},
                                             {QStringLiteral("DEFINITION_"), QString::fromUtf8(name)}});
    };
    code(1, 1, 19, "S1", "SOĞUK ZİNCİR");
    code(2, 1, 26, "X1", "CARİ KODU");
    code(3, 1, 19, "S2", "KURU GIDA");

    struct Header {
        int ref, io, tr;
        const char *no, *date;
        int client, recv;
        const char *specode;
        double gross, discounts, vat, net;
    };
    const Header headers[] = {
        {101, 3, 8, "IRS-101", "20240105", 1, 6, "S1", 1.004, 0.5, 0.1, 0.604},
        {102, 3, 7, "IRS-102", "20240108", 2, 2, "", 1.004, 0, 0, 1.004},
        {103, 3, 8, "IRS-103", "20240108 10:00:00", 3, 0, "", 5, 0, 0.4, 5.4},
        {104, 3, 8, "IRS-104", "20240103", 99, 1, "S2", 0.1, 0, 0, 0.1},
        {105, 3, 11, "IRS-105", "20240104", 1, 0, "", 3, 0, 0, 3},
        {106, 1, 1, "ALIS-106", "20240104", 1, 0, "", 3, 0, 0, 3},
        {107, 3, 8, "IRS-107", "20231231", 1, 0, "", 3, 0, 0, 3},
        {108, 3, 8, "IRS-108", "20240106", 4, 0, "", 10, 0, 1.8, 11.8},
        {109, 3, 8, "IRS-109", "20240107", 3, 0, "", 1234567.9, 0, 0, 1234567.9},
    };
    for (const Header &h : headers) {
        erp.add(QStringLiteral("STFICHE"), {{QStringLiteral("LOGICALREF"), h.ref},
                                            {QStringLiteral("IOCODE"), h.io},
                                            {QStringLiteral("TRCODE"), h.tr},
                                            {QStringLiteral("FICHENO"), QString::fromUtf8(h.no)},
                                            {QStringLiteral("DATE_"), QString::fromUtf8(h.date)},
                                            {QStringLiteral("DOCODE"), QStringLiteral("BLG-%1").arg(h.ref)},
                                            {QStringLiteral("CLIENTREF"), h.client},
                                            {QStringLiteral("RECVREF"), h.recv},
                                            {QStringLiteral("SPECODE"), QString::fromUtf8(h.specode)},
                                            {QStringLiteral("GROSSTOTAL"), h.gross},
                                            {QStringLiteral("TOTALDISCOUNTS"), h.discounts},
                                            {QStringLiteral("TOTALVAT"), h.vat},
                                            {QStringLiteral("NETTOTAL"), h.net}});
    }

    struct Line {
        int ref, waybill, type, item, unit;
        double amount, price, total, vat;
    };
    const Line lines[] = {
        {1, 101, 0, 1, 1, 2, 10, 20, 18},        {2, 101, 0, 1, 1, 3, 10, 30, 18},
        {3, 101, 0, 2, 1, 1, 7.5, 7.5, 8},       {4, 101, 1, 3, 1, 1, 0, 0, 18},
        {5, 102, 0, 1, 2, 4, 100, 400, 18},      {6, 103, 0, 2, 1, 1, 5, 5, 8},
        {7, 104, 0, 3, 1, 0.1, 1, 0.1, 1},       {8, 108, 0, 1, 1, 1, 10, 10, 18},
        {9, 108, 0, 999, 1, 1, 10, 10, 18},      {10, 109, 0, 1, 1, 0.1, 12345678.9, 1234567.89, 18},
        {11, 109, 0, 1, 1, 0.2, 0.05, 0.01, 18},
    };
    for (const Line &l : lines) {
        erp.add(QStringLiteral("STLINE"), {{QStringLiteral("LOGICALREF"), l.ref},
                                           {QStringLiteral("STFICHEREF"), l.waybill},
                                           {QStringLiteral("LINETYPE"), l.type},
                                           {QStringLiteral("STOCKREF"), l.item},
                                           {QStringLiteral("UOMREF"), l.unit},
                                           {QStringLiteral("IOCODE"), 4},
                                           {QStringLiteral("TRCODE"), 8},
                                           {QStringLiteral("AMOUNT"), l.amount},
                                           {QStringLiteral("PRICE"), l.price},
                                           {QStringLiteral("TOTAL"), l.total},
                                           {QStringLiteral("VAT"), l.vat}});
    }
}

} // namespace tarvel::test
