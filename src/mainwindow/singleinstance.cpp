#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace tarvel {

SingleInstance::SingleInstance(const QString &programDir, const QString &lockDir)
{
    const QString dir = lockDir.isEmpty() ? QDir::tempPath() : lockDir;
    const QString canonical = QFileInfo(programDir).absoluteFilePath();
    const QByteArray key =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_path = QDir(dir).filePath(QStringLiteral("tarvel-%1.lock").arg(QString::fromLatin1(key)));
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead owner makes a lock stale, never its age: the program runs
    // for days.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryLock()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}

} // namespace tarvel
