#pragma once

#include "foundation/base/printmode.h"

class QWidget;

namespace tarvel {

class LoadingReport;

// "Önizleme" and "Yazdır" of the loading report: the
// loading list on the selected waybill layout, form by form, previewed in
// the window onizleme or printed on the layout's printer. Says
// "Yazıcı Bulunamadı" or "Hata Yeri:Fatura Yazdırma" with the cause through
// the message dialog. The files are found through the report's paths.
void printLoadingList(const LoadingReport &report, PrintMode mode, QWidget *parent);

} // namespace tarvel
