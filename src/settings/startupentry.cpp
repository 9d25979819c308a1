#include "startupentry.h"

#include "foundation/store/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace tarvel {

namespace {

const QString entryName = QStringLiteral("TARVELSATIS");
const QString programName = QStringLiteral("VELMORTARVELBARKOD.exe");

#ifdef Q_OS_WIN
const QString runKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
#else
QString autostartFile()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG rules ignore a relative value.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::home().filePath(QStringLiteral(".config"));
    return QDir(config).filePath(QStringLiteral("autostart/") + entryName + QStringLiteral(".desktop"));
}

// A string value of a .desktop file: backslashes and line breaks escaped.
QString desktopString(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else
            out += c;
    }
    return out;
}

// One argument of Exec: quoted so blanks and shell characters stay part of it,
// '%' doubled so it is no field code, then escaped as any string value.
QString execArgument(const QString &argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return desktopString(quoted);
}
#endif

} // namespace

StartupEntry::StartupEntry(const QString &workDir) : m_workDir(workDir) {}

QString StartupEntry::program() const
{
    return QDir::toNativeSeparators(QDir(m_workDir).filePath(programName));
}

#ifdef Q_OS_WIN

QString StartupEntry::location() const
{
    return runKey + QLatin1Char('\\') + entryName;
}

bool StartupEntry::exists() const
{
    return QSettings(runKey, QSettings::NativeFormat).contains(entryName);
}

Result<void> StartupEntry::add() const
{
    QSettings run(runKey, QSettings::NativeFormat);
    run.setValue(entryName, program());
    run.sync();
    if (run.status() != QSettings::NoError)
        return Error(QStringLiteral("Başlangıç kaydı yazılamadı: %1").arg(location()));
    return {};
}

Result<void> StartupEntry::remove() const
{
    QSettings run(runKey, QSettings::NativeFormat);
    run.remove(entryName);
    run.sync();
    if (run.status() != QSettings::NoError || run.contains(entryName))
        return Error(QStringLiteral("Başlangıç kaydı silinemedi: %1").arg(location()));
    return {};
}

QString StartupEntry::desktopEntry() const
{
    return QString();
}

#else

QString StartupEntry::location() const
{
    return autostartFile();
}

bool StartupEntry::exists() const
{
    return QFileInfo::exists(autostartFile());
}

QString StartupEntry::desktopEntry() const
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Exec=%2\n"
                          "Path=%3\n"
                          "Terminal=false\n")
        .arg(entryName, execArgument(program()), desktopString(QDir::toNativeSeparators(m_workDir)));
}

Result<void> StartupEntry::add() const
{
    const QString file = autostartFile();
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder))
        return Error(QStringLiteral("Başlangıç kaydının klasörü oluşturulamadı: %1").arg(folder));
    return writeWholeFile(file, desktopEntry().toUtf8(), QStringLiteral("Başlangıç kaydı yazılamadı"));
}

Result<void> StartupEntry::remove() const
{
    QFile file(autostartFile());
    if (file.exists() && !file.remove())
        return Error(
            QStringLiteral("Başlangıç kaydı silinemedi: %1: %2").arg(file.fileName(), file.errorString()));
    return {};
}

#endif

} // namespace tarvel
