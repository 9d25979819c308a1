#pragma once

#include <QIODevice>

namespace tarvel::cli {

// stderr with every control character but line breaks and tabs written out
// ("\x1b"): a value typed on the command line and quoted in a message can
// never drive the terminal.
class EscapedStderr : public QIODevice {
public:
    EscapedStderr() { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override;
};

} // namespace tarvel::cli
