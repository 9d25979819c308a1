#pragma once

#include "printing/formoutput.h"

class QWidget;

namespace tarvel {

// The forms of the window program: each previewed form in its own modal
// preview window (the next opens when this one is closed), printed forms
// straight to the installed printer.
class WindowFormOutput : public FormOutput {
public:
    explicit WindowFormOutput(QWidget *parent) : m_parent(parent) {}

    bool printerExists(const QString &printerName) override;
    void preview(const WaybillReport &report) override;
    void print(const WaybillReport &report) override;

private:
    QWidget *m_parent;
};

} // namespace tarvel
