#pragma once

#include "foundation/base/result.h"

#include <QString>
#include <memory>

class QPdfWriter;
class QSaveFile;

namespace tarvel {

// A PDF written whole or not at all: painted into a temporary file beside the
// target, which replaces the target only when commit() finds the painting
// ended without error and the file flushed and closed. Otherwise (a failure,
// or no commit) the target stays as it was and the temporary file is removed.
// A target that exists and is no regular file (a device, a folder) is refused.
// Every error reads "PDF dosyası yazılamadı: PATH (cause)".
class PdfFile {
public:
    explicit PdfFile(const QString &path);
    ~PdfFile();
    PdfFile(const PdfFile &) = delete;
    PdfFile &operator=(const PdfFile &) = delete;

    // Opens the temporary file and the writer, set up as every PDF of the
    // program is (creator, 600 dpi).
    Result<void> open();
    QPdfWriter &writer() const { return *m_writer; }
    // painted: the painter ended well. The file takes the target's place.
    Result<void> commit(bool painted);
    // An error naming the target, with cause.
    Error failure(const QString &cause) const;

private:
    QString m_path;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
};

} // namespace tarvel
