#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tarvel {

// Everything the window parametre shows or keeps, as texts.
struct ParametreFields {
    // "Sql Server Bağlantısı"
    QString srvadi, sqladi, kladi, pass; // server row
    QString lgpass;                      // settings password, upper case
    QString instance;                    // stored only: the connection never uses it
    bool check1 = false;                 // "İnstance Name Kullan"

    // "Program Parametreleri"
    QString fir, don, dov1, stkartipi;
    QString rowsPerForm = QStringLiteral("10"); // Text3: rows per waybill form
    QString copies = QStringLiteral("10");      // Text4: copies of each form
    // Working option for the companion program: "1" barcode label printer,
    // "2" price reading screen; another value read from the file is kept.
    QString option = QStringLiteral("1");
    QString ekresmi; // picture of the price reading screen

    // Kept but never shown: other veritabani columns and lines 1 to 9 of fytPar.velmor.
    QString dov2, brset, br1, br2;
    QString text1, text2;
    std::array<QString, 5> ch; // customer special codes 1 to 5
    QString grp, firadi;
};

// The entries the lists offer.
struct ParametreChoices {
    QStringList fir, don, dov1, dov2, brset;
    QStringList ch; // the same entries for ch1 to ch5
    QStringList grp;
};

} // namespace tarvel
