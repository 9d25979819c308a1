#pragma once

#include "printing/waybillreport.h"

#include <QDialog>
#include <memory>

class QPrintPreviewWidget;
class QPrinter;

namespace tarvel {

// "Tasarım Önizleme": every form of a loading list on the layout being
// designed, one after the other, painted as "Önizleme" paints a form.
class DesignPreview : public QDialog {
    Q_OBJECT
public:
    DesignPreview(const QList<WaybillReport> &forms, const QString &title, QWidget *parent = nullptr);
    ~DesignPreview() override;

    int pageCount() const;
    QPrintPreviewWidget *viewer() const { return m_viewer; }

private:
    QList<WaybillReport> m_forms;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget *m_viewer = nullptr;
};

} // namespace tarvel
