#pragma once

#include "demogenerator.h"

#include <QStringList>

namespace tarvel::demo {

// The program folder of the demo company: the ERP file, data.dbs pointing at
// it with firm and period chosen, the side files, the default waybill layout
// (Tsrm/) and the programs.
inline const QString demoErpFileName = QStringLiteral("demo-erp.sqlite");
inline const QString demoLoginPassword = QStringLiteral("1234"); // the settings window's password

struct DemoFolder {
    QString directory; // absolute
    DemoSummary summary;
    QStringList files;           // what was written, relative to directory
    QStringList missingPrograms; // programs not found beside the running one
};

// Makes the folder, new or existing, all or nothing: a folder that already
// holds any of the files it would write (an installation's data.dbs, side
// files, other programs) is refused with their names and left untouched, and
// everything is built in a hidden folder and moved in only at the end, so a
// failure half-way changes nothing. programDir is where the programs to copy
// are; a program that is not there is skipped and named in missingPrograms,
// one that is already the very file in the folder stays. A layout tree Tsrm/
// already in the folder (an installed folder's) stays as it is.
// Throws tarvel::Error or tarvel::StoreError.
DemoFolder makeDemoFolder(const QString &directory, const QString &programDir, const DemoOptions &options);

// The program files of this platform: tarvel-report, tarvel and the layout
// designer VelmorEtiket (".exe" on Windows).
QStringList programFileNames();

} // namespace tarvel::demo
