#include "designerlauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace tarvel {

namespace {
const QString windowsName = QStringLiteral("VelmorEtiket.exe");
}

QString designerProgram(const QString &programDir)
{
    const QDir dir(programDir);
    QStringList names{windowsName};
#ifndef Q_OS_WIN
    names << QStringLiteral("VelmorEtiket");
#endif
    for (const QString &name : names) {
        const QFileInfo info(dir.filePath(name));
        if (info.isFile())
            return info.absoluteFilePath();
    }
    return QString();
}

DesignerStart startDesigner(const QString &programDir)
{
    DesignerStart start;
    start.program = designerProgram(programDir);
    if (start.program.isEmpty()) {
        start.result = DesignerStart::Missing;
        start.program = QDir(programDir).filePath(windowsName);
        return start;
    }
    QProcess process;
    process.setProgram(start.program);
    process.setWorkingDirectory(programDir);
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
#endif
    start.result = process.startDetached() ? DesignerStart::Started : DesignerStart::Failed;
    return start;
}

} // namespace tarvel
