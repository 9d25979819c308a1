#pragma once

#include <QString>

namespace tarvel {

// ERP table names. The firm and period numbers are the texts before the first
// "-" of the stored firm and period choices, padded with zeros to three and two
// digits (longer numbers stay whole): 1 / 2 -> LG_001_CLCARD, LG_001_02_STLINE.
// Blanks around the number are dropped. A text that is no number stays as it
// is ("" -> LG__CLCARD): the statement then fails at the server like any other
// failing statement, rather than reading some other firm's tables.
QString firmNumber(const QString &firmChoice);     // "1- ÖRNEK" -> "001"
QString periodNumber(const QString &periodChoice); // "2- 1-(..)" -> "02"
QString rawFirmNumber(const QString &firmChoice);  // "1- ÖRNEK" -> "1" (system tables' FIRMNR)

QString firmTable(const QString &firmChoice, const QString &table);
QString periodTable(const QString &firmChoice, const QString &periodChoice, const QString &table);

} // namespace tarvel
