#pragma once

#include "designer/ui/designeractions.h"
#include "foundation/base/apppaths.h"
#include "printing/layoutdoc/layoutdocument.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QStackedWidget;

namespace tarvel {

class FieldList;
class PagePanel;
class PageScene;
class PageView;
class PropertyPanel;
class WaybillReport;

// The layout designer VelmorEtiket: the page of a waybill layout to scale,
// the fields to carry onto it, the properties of what is selected, preview
// with a loading list, a test page on the printer, and saving the layout
// with its printer file and, on request, as the layout in use.
class DesignerWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DesignerWindow(const AppPaths &paths, QWidget *parent = nullptr);
    ~DesignerWindow() override;

    // Opens a layout; one that cannot be read opens nothing and the message
    // says why. False then.
    bool openLayout(const QString &path);
    // The layout the pointer Tsrm/default/irsaliye.aln names.
    bool openLayoutInUse();

    // "Kaydet": the layout and, when the printer was changed, its printer file.
    bool save();
    // "Farklı Kaydet" under a name in Tsrm/Tsrm; asks before replacing one.
    bool saveAs(const QString &name);
    // "Varsayılan Yap": saves what is unsaved, then points the pointer at it.
    bool makeDefault();
    // Unsaved layout or printer.
    bool hasChanges() const;

    LayoutDocument &document() { return m_document; }
    PageView *view() const { return m_view; }
    FieldList *fields() const { return m_fields; }
    QAction *action(DesignerAction action) const { return m_actions[action]; }
    QString printer() const;
    void setPrinter(const QString &name);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
    void connectActions();
    void fillPrinters(const QString &chosen);
    void updateState();
    void showError(const QString &text);
    // Asks what to do with unsaved changes: true when the caller may go on.
    bool settleChanges();
    void chooseAndOpen();
    void askSaveAs();
    void addShape(ControlKind kind);
    void choosePicture();
    void previewSample();
    void previewWaybills();
    void showPreview(const QList<WaybillReport> &forms, const QString &title);
    void printTestPage();
    int rowsPerForm() const;

    AppPaths m_paths;
    LayoutDocument m_document;
    PageScene *m_scene = nullptr;
    PageView *m_view = nullptr;
    FieldList *m_fields = nullptr;
    PropertyPanel *m_properties = nullptr;
    PagePanel *m_pagePanel = nullptr;
    QStackedWidget *m_panels = nullptr;
    QComboBox *m_printer = nullptr;
    QLabel *m_position = nullptr;
    QLabel *m_state = nullptr;
    DesignerActions m_actions;
    QString m_savedPrinter;
    bool m_fitted = false;
};

} // namespace tarvel
