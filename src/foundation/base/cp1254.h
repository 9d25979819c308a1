#pragma once

#include <QByteArray>
#include <QString>

namespace tarvel {

// Side files are Windows-1254 text with CR LF line ends, so they stay
// interchangeable with the files the program has always written.
QByteArray toCp1254(const QString &text);
QString fromCp1254(const QByteArray &bytes);

} // namespace tarvel
