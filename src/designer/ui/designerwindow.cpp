#include "designer/ui/designerwindow.h"

#include "designer/previewlists.h"
#include "designer/testpage.h"
#include "designer/ui/designpreview.h"
#include "designer/ui/fieldlist.h"
#include "designer/ui/pagepanel.h"
#include "designer/ui/pagescene.h"
#include "designer/ui/pageview.h"
#include "designer/ui/propertypanel.h"
#include "dialogs/messagebox.h"
#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"
#include "foundation/store/printcounts.h"
#include "printing/layoutdoc/layoutchoicewriter.h"
#include "printing/layoutfiles.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace tarvel {

namespace {

const QString programTitle = QStringLiteral("VelmorEtiket - Yazdırma Tasarımı");
const QString testPageJob = QStringLiteral("VELMOR-TARVEL-DENEME");

QString mmText(double mm)
{
    return turkishLocale().toString(mm, 'f', 1);
}

// The program's message dialog with a wait cursor put aside.
void restoreCursor()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace

DesignerWindow::DesignerWindow(const AppPaths &paths, QWidget *parent)
    : QMainWindow(parent), m_paths(paths), m_actions(this)
{
    setObjectName(QStringLiteral("VelmorEtiket"));
    setWindowTitle(programTitle);

    m_scene = new PageScene(m_document, this);
    m_view = new PageView(*m_scene, this);
    setCentralWidget(m_view);

    m_fields = new FieldList(this);
    auto *fieldDock = new QDockWidget(QStringLiteral("Alanlar"), this);
    fieldDock->setObjectName(QStringLiteral("alanlarPenceresi"));
    fieldDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    fieldDock->setWidget(m_fields);
    addDockWidget(Qt::LeftDockWidgetArea, fieldDock);

    m_properties = new PropertyPanel(m_document, this);
    m_pagePanel = new PagePanel(m_document, this);
    m_panels = new QStackedWidget(this);
    m_panels->addWidget(m_pagePanel);
    m_panels->addWidget(m_properties);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_panels);
    scroll->setWidgetResizable(true);
    auto *panelDock = new QDockWidget(QStringLiteral("Özellikler"), this);
    panelDock->setObjectName(QStringLiteral("ozelliklerPenceresi"));
    panelDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    panelDock->setWidget(scroll);
    addDockWidget(Qt::RightDockWidgetArea, panelDock);

    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("konum"));
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("durum"));
    statusBar()->setObjectName(QStringLiteral("sb1"));
    statusBar()->addWidget(m_state, 1);
    statusBar()->addPermanentWidget(m_position);

    buildMenus();

    connect(m_fields, &FieldList::fieldCarried, m_view,
            [this](const QString &, const QPoint &at) { m_view->carryField(at); });
    connect(m_fields, &FieldList::fieldDropped, this, [this](const QString &tag, const QPoint &at) {
        if (!m_view->dropField(tag, at) && m_view->pageAt(at))
            statusBar()->showMessage(
                QStringLiteral("Alan bir bölümün içine bırakılmalı (sayfa başı, detay ya da "
                               "sayfa sonu)."),
                5000);
    });
    connect(m_view, &PageView::pointed, this, [this](const QPointF &at) {
        const std::optional<LayoutDocument::Section> section = m_document.sectionAt(at);
        const QString names[] = {QStringLiteral("Sayfa Başı"), QStringLiteral("Detay"),
                                 QStringLiteral("Sayfa Sonu")};
        m_position->setText(QStringLiteral("X: %1 mm  Y: %2 mm%3")
                                .arg(mmText(at.x()), mmText(at.y()),
                                     section ? QStringLiteral("  (%1)").arg(names[*section]) : QString()));
    });
    connect(&m_document, &LayoutDocument::layoutChanged, this, &DesignerWindow::updateState);
    connect(&m_document, &LayoutDocument::selectionChanged, this, &DesignerWindow::updateState);
    connect(&m_document, &LayoutDocument::pathChanged, this, &DesignerWindow::updateState);
    connect(&m_document.undoStack(), &QUndoStack::cleanChanged, this, &DesignerWindow::updateState);
    connect(m_pagePanel, &PagePanel::choosePicture, this, &DesignerWindow::choosePicture);
    connect(m_pagePanel, &PagePanel::removePicture, this, [this] { m_document.setBackground({}); });
    connect(m_printer, &QComboBox::currentIndexChanged, this, &DesignerWindow::updateState);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 9 / 10, area.height() * 9 / 10);
        move(area.center() - rect().center());
    }
    updateState();
}

DesignerWindow::~DesignerWindow()
{
    // The scene and the panels speak to the document, a member that goes
    // before the children: they go first, and nobody hears of it.
    m_document.blockSignals(true);
    m_document.undoStack().blockSignals(true);
    delete m_scene;
    delete m_panels;
}

void DesignerWindow::buildMenus()
{
    using A = DesignerAction;
    const auto fill = [this](QWidget *menu, std::initializer_list<A> actions) {
        for (A action : actions)
            menu->addAction(m_actions[action]);
    };
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Dosya"));
    fill(file, {A::Open, A::Save, A::SaveAs, A::MakeDefault});
    file->addSeparator();
    fill(file, {A::PreviewSample, A::PreviewWaybills, A::TestPage});
    file->addSeparator();
    fill(file, {A::Quit});

    QMenu *edit = menuBar()->addMenu(QStringLiteral("Dü&zen"));
    fill(edit, {A::Undo, A::Redo});
    edit->addSeparator();
    fill(edit, {A::Copy, A::Paste, A::Delete, A::SelectAll});

    QMenu *insert = menuBar()->addMenu(QStringLiteral("&Ekle"));
    insert->addActions(m_actions.addingAll());

    QMenu *align = menuBar()->addMenu(QStringLiteral("&Hizala"));
    fill(align, {A::AlignLeft, A::AlignRight, A::AlignTop, A::SameWidth});

    QMenu *view = menuBar()->addMenu(QStringLiteral("&Görünüm"));
    m_actions[A::SnapToGrid]->setChecked(m_scene->snapping());
    fill(view, {A::SnapToGrid, A::ShowPicture});
    view->addSeparator();
    fill(view, {A::ZoomIn, A::ZoomOut, A::ActualSize, A::FitWidth});
    view->addSeparator();
    fill(view, {A::ChoosePicture, A::RemovePicture});

    QToolBar *tools = addToolBar(QStringLiteral("Araçlar"));
    tools->setObjectName(QStringLiteral("araclar"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    fill(tools, {A::Save, A::PreviewSample});
    tools->addSeparator();
    fill(tools, {A::Undo, A::Redo});
    tools->addSeparator();
    tools->addActions(m_actions.addingAll());
    tools->addSeparator();
    fill(tools, {A::SnapToGrid});
    // A second row, so the printer is never folded away on a small screen.
    addToolBarBreak();
    QToolBar *arrange = addToolBar(QStringLiteral("Hizalama ve Yazıcı"));
    arrange->setObjectName(QStringLiteral("hizalamaYazici"));
    arrange->setMovable(false);
    arrange->setToolButtonStyle(Qt::ToolButtonTextOnly);
    fill(arrange, {A::AlignLeft, A::AlignRight, A::AlignTop, A::SameWidth});
    arrange->addSeparator();
    arrange->addWidget(new QLabel(QStringLiteral(" Yazıcı: "), this));
    m_printer = new QComboBox(this);
    m_printer->setObjectName(QStringLiteral("yazici"));
    m_printer->setMinimumContentsLength(16);
    m_printer->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    arrange->addWidget(m_printer);
    fill(arrange, {A::TestPage, A::MakeDefault});
    connectActions();
}

void DesignerWindow::connectActions()
{
    using A = DesignerAction;
    const auto on = [this](A action, auto slot) {
        connect(m_actions[action], &QAction::triggered, this, slot);
    };
    on(A::Open, [this] { chooseAndOpen(); });
    on(A::Save, [this] { save(); });
    on(A::SaveAs, [this] { askSaveAs(); });
    on(A::MakeDefault, [this] { makeDefault(); });
    on(A::PreviewSample, [this] { previewSample(); });
    on(A::PreviewWaybills, [this] { previewWaybills(); });
    on(A::TestPage, [this] { printTestPage(); });
    on(A::Quit, [this] { close(); });

    // "Geri Al" and "Yinele" keep their captions (the stack's own actions
    // would read "Geri Al Taşı"); the step they take is in the tool tip.
    QUndoStack &undo = m_document.undoStack();
    QAction *undoAction = m_actions[A::Undo];
    QAction *redoAction = m_actions[A::Redo];
    undoAction->setEnabled(false);
    redoAction->setEnabled(false);
    connect(undoAction, &QAction::triggered, &undo, &QUndoStack::undo);
    connect(redoAction, &QAction::triggered, &undo, &QUndoStack::redo);
    connect(&undo, &QUndoStack::canUndoChanged, undoAction, &QAction::setEnabled);
    connect(&undo, &QUndoStack::canRedoChanged, redoAction, &QAction::setEnabled);
    connect(&undo, &QUndoStack::undoTextChanged, undoAction, [undoAction](const QString &step) {
        undoAction->setToolTip(step.isEmpty() ? QStringLiteral("Geri Al")
                                              : QStringLiteral("Geri Al: %1").arg(step));
    });
    connect(&undo, &QUndoStack::redoTextChanged, redoAction, [redoAction](const QString &step) {
        redoAction->setToolTip(step.isEmpty() ? QStringLiteral("Yinele")
                                              : QStringLiteral("Yinele: %1").arg(step));
    });

    on(A::Copy, [this] {
        m_document.copySelection();
        updateState();
    });
    on(A::Paste, [this] { m_document.paste(); });
    on(A::Delete, [this] { m_document.removeSelection(); });
    on(A::SelectAll, [this] { m_document.setSelection(m_document.allIds()); });
    for (const ControlKindInfo &kind : controlKinds()) {
        if (QAction *adding = m_actions.adding(kind.kind))
            connect(adding, &QAction::triggered, this, [this, k = kind.kind] { addShape(k); });
    }
    on(A::AlignLeft, [this] { m_document.alignSelection(LayoutDocument::Align::Left); });
    on(A::AlignRight, [this] { m_document.alignSelection(LayoutDocument::Align::Right); });
    on(A::AlignTop, [this] { m_document.alignSelection(LayoutDocument::Align::Top); });
    on(A::SameWidth, [this] { m_document.alignSelection(LayoutDocument::Align::SameWidth); });
    on(A::SnapToGrid, [this](bool checked) { m_scene->setSnapping(checked); });
    on(A::ShowPicture, [this](bool checked) { m_scene->setBackgroundVisible(checked); });
    on(A::ZoomIn, [this] { m_view->zoomIn(); });
    on(A::ZoomOut, [this] { m_view->zoomOut(); });
    on(A::ActualSize, [this] { m_view->setZoom(1.0); });
    on(A::FitWidth, [this] { m_view->fitWidth(); });
    on(A::ChoosePicture, [this] { choosePicture(); });
    on(A::RemovePicture, [this] { m_document.setBackground({}); });
}

void DesignerWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_fitted) {
        m_fitted = true;
        // The view has its size only once the window is laid out.
        QTimer::singleShot(0, this, [this] { m_view->fitWidth(); });
    }
}

void DesignerWindow::fillPrinters(const QString &chosen)
{
    QSignalBlocker blocker(m_printer);
    m_printer->clear();
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    for (const QString &name : installed)
        m_printer->addItem(name, name);
    // A printer the file names but the system does not have: shown as such,
    // so the reason for "Yazıcı Bulunamadı" is in sight.
    if (!chosen.isEmpty() && !installed.contains(chosen))
        m_printer->addItem(QStringLiteral("%1 (kurulu değil)").arg(chosen), chosen);
    m_printer->setCurrentIndex(m_printer->findData(chosen));
}

QString DesignerWindow::printer() const
{
    return m_printer->currentData().toString();
}

void DesignerWindow::setPrinter(const QString &name)
{
    const int index = m_printer->findData(name);
    if (index >= 0)
        m_printer->setCurrentIndex(index);
}

bool DesignerWindow::hasChanges() const
{
    return !m_document.path().isEmpty() && (m_document.isModified() || printer() != m_savedPrinter);
}

void DesignerWindow::updateState()
{
    const bool open = !m_document.path().isEmpty();
    const QList<int> &selection = m_document.selection();
    const bool changes = hasChanges();
    setWindowModified(changes);
    setWindowTitle(open ? QStringLiteral("%1[*] - %2").arg(m_document.name(), programTitle) : programTitle);
    using A = DesignerAction;
    for (A action : {A::Save, A::SaveAs, A::MakeDefault, A::PreviewSample, A::PreviewWaybills, A::TestPage,
                     A::SelectAll, A::ChoosePicture})
        m_actions[action]->setEnabled(open);
    for (QAction *adding : m_actions.addingAll())
        adding->setEnabled(open);
    for (A action : {A::Copy, A::Delete})
        m_actions[action]->setEnabled(!selection.isEmpty());
    for (A action : {A::AlignLeft, A::AlignRight, A::AlignTop, A::SameWidth})
        m_actions[action]->setEnabled(selection.size() > 1);
    m_actions[A::Paste]->setEnabled(open && m_document.canPaste());
    m_actions[A::RemovePicture]->setEnabled(!m_document.layout().background.image.isEmpty());
    m_fields->setEnabled(open);
    m_view->setEnabled(open);
    m_panels->setCurrentWidget(selection.isEmpty() ? static_cast<QWidget *>(m_pagePanel) : m_properties);
    m_panels->setEnabled(open);
    if (selection.isEmpty())
        m_pagePanel->refresh();
    else
        m_properties->refresh();

    if (!open) {
        m_state->setText(QStringLiteral("Açık tasarım yok"));
        return;
    }
    const LayoutChoice inUse = findlayout(m_paths);
    const bool isInUse = QFileInfo(inUse.layoutPath).absoluteFilePath() == m_document.path();
    QString text = QStringLiteral("%1%2").arg(QDir::toNativeSeparators(m_document.path()),
                                              isInUse ? QStringLiteral("  (kullanılan tasarım)") : QString());
    if (selection.size() == 1)
        text += QStringLiteral("   Seçili: %1").arg(m_document.control(selection.first()).name);
    else if (selection.size() > 1)
        text += QStringLiteral("   %1 nesne seçili").arg(selection.size());
    m_state->setText(text);
}

void DesignerWindow::showError(const QString &text)
{
    restoreCursor();
    showmessage(text, Caption::Dikkat, Icon::Cross, Buttons::Tamam, this);
}

bool DesignerWindow::openLayout(const QString &path)
{
    if (const Result<void> opened = m_document.open(path); !opened) {
        showError(opened.errorText());
        return false;
    }
    m_savedPrinter = layoutPrinter(m_document.path());
    fillPrinters(m_savedPrinter);
    if (!m_document.layout().background.image.isEmpty() &&
        !QFileInfo(m_document.layout().background.image).isFile())
        statusBar()->showMessage(
            QStringLiteral("Zemin resmi bulunamadı: %1").arg(m_document.layout().background.image), 10000);
    updateState();
    if (isVisible())
        m_view->fitWidth();
    return true;
}

bool DesignerWindow::openLayoutInUse()
{
    const LayoutChoice choice = findlayout(m_paths);
    return openLayout(choice.layoutPath);
}

bool DesignerWindow::save()
{
    if (m_document.path().isEmpty())
        return false;
    if (const Result<void> saved = m_document.save(); !saved) {
        showError(saved.errorText());
        return false;
    }
    if (printer() != m_savedPrinter || !QFileInfo::exists(printerFilePath(m_document.path()))) {
        if (const Result<void> written = writePrinterFile(m_document.path(), printer()); !written) {
            showError(written.errorText());
            return false;
        }
        m_savedPrinter = printer();
    }
    updateState();
    statusBar()->showMessage(QStringLiteral("Kaydedildi: %1").arg(m_document.name()), 5000);
    return true;
}

bool DesignerWindow::saveAs(const QString &typed)
{
    const QString name = typed.trimmed();
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name == QLatin1String(".") || name == QLatin1String("..") ||
        name.endsWith(QLatin1String(".aln"), Qt::CaseInsensitive)) {
        showError(
            QStringLiteral("Tasarım adı geçersiz: \"%1\" (klasör ayracı ve .aln uzantısı olmadan bir ad "
                           "yazın)")
                .arg(name));
        return false;
    }
    const QString path = QFileInfo(layoutPathFor(m_paths.programDir, name)).absoluteFilePath();
    if (path != m_document.path() && QFileInfo::exists(path) &&
        !showmessage(QStringLiteral("\"%1\" adlı bir tasarım var. Üzerine yazılsın mı?").arg(name),
                     Caption::Onay, Icon::Warning, Buttons::EvetHayir, this))
        return false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        showError(QStringLiteral("Klasör oluşturulamadı: %1").arg(QFileInfo(path).absolutePath()));
        return false;
    }
    if (const Result<void> saved = m_document.saveAs(path); !saved) {
        showError(saved.errorText());
        return false;
    }
    if (const Result<void> written = writePrinterFile(path, printer()); !written) {
        showError(written.errorText());
        return false;
    }
    m_savedPrinter = printer();
    updateState();
    statusBar()->showMessage(QStringLiteral("Kaydedildi: %1").arg(name), 5000);
    return true;
}

void DesignerWindow::askSaveAs()
{
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, QStringLiteral("Farklı Kaydet"), QStringLiteral("Yeni tasarımın adı:"),
                              QLineEdit::Normal, m_document.name() + QStringLiteral("-2"), &ok);
    if (ok)
        saveAs(name);
}

bool DesignerWindow::makeDefault()
{
    if (m_document.path().isEmpty())
        return false;
    const QString folder = QFileInfo(layoutPathFor(m_paths.programDir, QStringLiteral("x"))).absolutePath();
    if (QFileInfo(m_document.path()).absolutePath() != folder) {
        showError(QStringLiteral("Yalnız %1 klasöründeki bir tasarım kullanılabilir. Tasarımı önce \"Farklı "
                                 "Kaydet\" ile kaydedin.")
                      .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    if (hasChanges() && !save())
        return false;
    if (const Result<void> written = writeLayoutPointer(m_paths.programDir, m_document.name()); !written) {
        showError(written.errorText());
        return false;
    }
    updateState();
    statusBar()->showMessage(
        QStringLiteral("\"%1\" artık kullanılan tasarım: İrsaliye yazdırma bunu kullanır.")
            .arg(m_document.name()),
        8000);
    return true;
}

bool DesignerWindow::settleChanges()
{
    if (!hasChanges())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("VelmorEtiket"),
                    QStringLiteral("\"%1\" tasarımında kaydedilmemiş değişiklikler var. Kaydedilsin mi?")
                        .arg(m_document.name()),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("kaydedilsinMi"));
    QPushButton *saveButton = box.addButton(QStringLiteral("Kaydet"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("Kaydetme"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Vazgeç"), QMessageBox::RejectRole);
    box.setDefaultButton(saveButton);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == saveButton)
        return save();
    return box.clickedButton() == discard;
}

void DesignerWindow::closeEvent(QCloseEvent *event)
{
    if (settleChanges())
        event->accept();
    else
        event->ignore();
}

void DesignerWindow::chooseAndOpen()
{
    if (!settleChanges())
        return;
    const QString folder = QFileInfo(layoutPathFor(m_paths.programDir, QStringLiteral("x"))).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Tasarım Aç"), folder,
                                                      QStringLiteral("Tasarımlar (*)"));
    if (!path.isEmpty())
        openLayout(path);
}

void DesignerWindow::addShape(ControlKind kind)
{
    // Where the user is looking, or the start of the detail band.
    QPointF at = m_view->mapToScene(m_view->viewport()->rect().center());
    if (!m_document.sectionAt(at))
        at = m_document.sectionOrigin(ReportLayout::Detail);
    m_document.addShape(kind, m_scene->snapped(at));
    m_view->setFocus();
}

void DesignerWindow::choosePicture()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Zemin Resmi Seç"),
                                                      QFileInfo(m_document.path()).absolutePath(),
                                                      QStringLiteral("Resimler (*.png *.jpg *.jpeg)"));
    if (file.isEmpty())
        return;
    if (const Result<void> laid = m_document.setBackgroundPicture(file); !laid)
        showError(laid.errorText());
    else
        m_actions[DesignerAction::ShowPicture]->setChecked(true);
    m_scene->setBackgroundVisible(true);
}

int DesignerWindow::rowsPerForm() const
{
    return readprintcounts(m_paths).rowsPerForm;
}

void DesignerWindow::showPreview(const QList<WaybillReport> &forms, const QString &title)
{
    restoreCursor();
    DesignPreview preview(forms, title, this);
    preview.exec();
}

void DesignerWindow::previewSample()
{
    try {
        const int rows = rowsPerForm();
        const QList<WaybillReport> forms = previewForms(m_document.layout(), sampleLoadingList(rows), rows);
        showPreview(forms,
                    QStringLiteral("Örnek liste (%1 form, formda %2 satır)").arg(forms.size()).arg(rows));
    } catch (const Error &e) {
        showError(e.description());
    }
}

void DesignerWindow::previewWaybills()
{
    bool ok = false;
    const QString typed =
        QInputDialog::getText(this, QStringLiteral("İrsaliyelerle Önizleme"),
                              QStringLiteral("Satış irsaliyelerinin FİŞ NO'ları (virgülle ayırın):"),
                              QLineEdit::Normal, QString(), &ok);
    QStringList numbers;
    for (const QString &part : typed.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!part.trimmed().isEmpty())
            numbers << part.trimmed();
    }
    if (!ok || numbers.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Result<ReportContext> context = openErp(m_paths);
    if (!context) {
        showError(context.errorText());
        return;
    }
    try {
        const int rows = rowsPerForm();
        const QList<WaybillReport> forms =
            previewForms(m_document.layout(), waybillLoadingList(*context, numbers), rows);
        showPreview(forms,
                    QStringLiteral("%1 (%2 form)").arg(numbers.join(QStringLiteral(", "))).arg(forms.size()));
    } catch (const Error &e) {
        showError(e.description());
    }
    restoreCursor();
}

void DesignerWindow::printTestPage()
{
    const QString name = printer();
    if (name.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(name)) {
        showError(QStringLiteral("Yazıcı Bulunamadı: %1")
                      .arg(name.isEmpty() ? QStringLiteral("(seçilmedi)") : name));
        return;
    }
    if (!showmessage(
            QStringLiteral("Milimetre ızgaralı deneme sayfası \"%1\" yazıcısına gönderilsin mi?\nSayfayı "
                           "boş formun üstüne koyup ışığa tutarak alanların yerini karşılaştırın.")
                .arg(name),
            Caption::Onay, Icon::Check, Buttons::EvetHayir, this))
        return;
    try {
        const int rows = rowsPerForm();
        QList<WaybillReport> forms = previewForms(m_document.layout(), sampleLoadingList(rows), rows);
        WaybillReport &form = forms.first();
        QPrinter device(QPrinter::HighResolution);
        device.setPrinterName(name);
        device.setDocName(testPageJob);
        device.setFullPage(true);
        if (!device.isValid() || device.printerName() != name)
            throw Error(QStringLiteral("Yazıcı kullanılamıyor: %1").arg(name));
        if (paintTestPage(form, &device) == 0)
            throw Error(QStringLiteral("Deneme sayfası yazıcıya gönderilemedi: %1").arg(name));
        statusBar()->showMessage(QStringLiteral("Deneme sayfası gönderildi: %1").arg(name), 5000);
    } catch (const Error &e) {
        showError(e.description());
    }
}

} // namespace tarvel
