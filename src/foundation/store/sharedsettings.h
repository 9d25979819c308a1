#pragma once

#include "foundation/base/result.h"

#include <QString>

namespace tarvel {

// Firm, period and the other veritabani/ses values every report window loads
// when it starts. Process-wide; each load overwrites what it reaches.
struct SharedSettings {
    QString bulses, bulmases;
    QString sateleman, genkdv, fir, don, fiyat1, fiyat2, birim1, birim2, stkartipi, brset;
};

SharedSettings &sharedSettings();

// The report windows' loader (oku): reads ses, then veritabani, from data.dbs in
// workDir into settings, field by field. Stops at the first failure (missing
// file, table, row, column or NULL) and gives its cause (file, table, column
// and what is wrong with it, in Turkish) for the line under the message; a
// firm and period that are damaged or do not belong together are such a
// failure too, naming both (every field loaded);
// fields copied before it keep their new values, the rest keep what they
// held. The window then shows "Ayarları Kontrol Ediniz..." and carries on.
Result<void> oku(const QString &workDir, SharedSettings &settings);

// The settings check message with its cause on the next line:
// "Ayarları Kontrol Ediniz...\n<cause>" (just the first line without a cause).
QString settingsCheckMessage(const QString &cause);

} // namespace tarvel
