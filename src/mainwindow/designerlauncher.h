#pragma once

#include <QString>

namespace tarvel {

// The print-layout designer, a separate program in the program folder.
struct DesignerStart {
    enum Result { Started, Missing, Failed };
    Result result = Missing;
    QString program; // the file that was started or tried; the expected name when missing
};

// "VelmorEtiket.exe" in programDir; on systems without .exe files also
// "VelmorEtiket". Started detached (never waited for), minimized where the
// system allows it.
QString designerProgram(const QString &programDir);
DesignerStart startDesigner(const QString &programDir);

} // namespace tarvel
