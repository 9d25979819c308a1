#include "printing/printoutcome.h"

namespace tarvel {

QString PrintOutcome::message() const
{
    switch (kind) {
    case Done:
        return {};
    case PrinterNotFound:
        return QStringLiteral("Yazıcı Bulunamadı");
    case Failed:
        break;
    }
    return QStringLiteral("Hata Yeri:Fatura Yazdırma\n") + description;
}

} // namespace tarvel
