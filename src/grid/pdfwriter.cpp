#include "grid/pdfwriter.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace tarvel {

namespace {

QString fileCause(const QFileDevice &file)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("yazma izni yok");
    case QFileDevice::ResourceError:
        return QStringLiteral("disk dolu ya da yer yok: %1").arg(file.errorString());
    default:
        return file.errorString();
    }
}

} // namespace

PdfFile::PdfFile(const QString &path) : m_path(path) {}

// Without a commit QSaveFile drops its temporary file: the target is untouched.
PdfFile::~PdfFile()
{
    m_writer.reset();
    if (m_file)
        m_file->cancelWriting();
}

Error PdfFile::failure(const QString &cause) const
{
    return Error(QStringLiteral("PDF dosyası yazılamadı: %1 (%2)").arg(m_path, cause));
}

Result<void> PdfFile::open()
{
    if (m_path.isEmpty())
        return Error(QStringLiteral("PDF dosyası yazılamadı: dosya adı boş"));
    const QFileInfo target(m_path);
    // A temporary file renamed over a device or a folder would replace it.
    if (target.exists() && target.isDir())
        return failure(QStringLiteral("bu bir klasör"));
    if (target.exists() && !target.isFile())
        return failure(QStringLiteral("normal bir dosya değil"));
    m_file = std::make_unique<QSaveFile>(m_path);
    if (!m_file->open(QIODevice::WriteOnly)) {
        const QString cause = fileCause(*m_file);
        m_file.reset();
        return failure(cause);
    }
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setCreator(QStringLiteral("TARVEL"));
    m_writer->setResolution(600);
    return {};
}

Result<void> PdfFile::commit(bool painted)
{
    if (!m_file)
        return failure(QStringLiteral("dosya açılmadı"));
    m_writer.reset();
    if (!painted) {
        m_file->cancelWriting();
        m_file.reset();
        return failure(QStringLiteral("sayfalar çizilemedi"));
    }
    // Any write that failed (a full disk) makes the commit fail, and the
    // temporary file is removed.
    const bool committed = m_file->commit();
    const QString cause = committed ? QString() : fileCause(*m_file);
    m_file.reset();
    if (!committed)
        return failure(cause);
    return {};
}

} // namespace tarvel
