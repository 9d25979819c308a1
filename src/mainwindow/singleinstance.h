#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace tarvel {

// "Is the program already running?" for one program folder: a lock file in the
// temporary directory, named after the folder. The lock is held until this
// object is destroyed; a lock left by an instance that crashed does not count.
class SingleInstance {
public:
    // lockDir: where the lock file lives (the system's temporary directory when empty).
    explicit SingleInstance(const QString &programDir, const QString &lockDir = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when this object holds the lock (already or now); false while
    // another live process or object holds it.
    bool tryLock();
    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace tarvel
