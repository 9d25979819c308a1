#pragma once

#include <QString>

namespace tarvel {

// How a print run of waybill forms ended.
struct PrintOutcome {
    enum Kind { Done, PrinterNotFound, Failed };
    Kind kind = Done;
    QString description; // what failed
    int forms = 0;       // forms previewed or printed before the end

    // The message for the user, empty when done: "Yazıcı Bulunamadı", or
    // "Hata Yeri:Fatura Yazdırma", a line break and the description.
    QString message() const;
};

} // namespace tarvel
