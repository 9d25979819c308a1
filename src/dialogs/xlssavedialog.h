#pragma once

#include <QString>

class QWidget;

namespace tarvel {

// Asks where a list's spreadsheet goes: "Dosya Kaydetme Yeri" offering
// "Excel Çalışma Kitabı (*.xlsx)" first and "Exel Dosyaları (xls)" second,
// its labels in Turkish also where Qt's own translations are not installed.
// A name typed without an extension gets the chosen type's. Empty when the
// user cancels; the name's extension tells saveGridFile what to write.
QString askXlsFileName(QWidget *parent);
// The same question for a picture: "PNG Resmi (*.png)".
QString askPngFileName(QWidget *parent);

} // namespace tarvel
