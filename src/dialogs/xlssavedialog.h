#pragma once

#include <QString>

class QWidget;

namespace tarvel {

// How a name typed without an extension is taken.
enum class XlsName {
    AsTyped,    // the loading list: used exactly as typed
    WithSuffix, // the analyses: ".xls" added
};

// Asks where a list's .xls export goes: "Dosya Kaydetme Yeri" with the filter
// "Exel Dosyaları (xls)", its labels in Turkish also where Qt's own
// translations are not installed. Empty when the user cancels.
QString askXlsFileName(QWidget *parent, XlsName name);

} // namespace tarvel
