#include "mainwindow.h"

#include "designerlauncher.h"
#include "dialogs/centerform.h"
#include "dialogs/messagebox.h"
#include "pictures.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QVBoxLayout>

namespace tarvel {

namespace {

QAction *addNamedAction(QMenu *menu, const QString &name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

QAction *addNamedAction(QMenu *menu, const char *name, const QString &text)
{
    return addNamedAction(menu, QString::fromLatin1(name), text);
}

QMenu *namedMenu(const char *name, const QString &title, QWidget *parent)
{
    auto *menu = new QMenu(title, parent);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

// Most of the screen, but not more than the report windows need.
QSize defaultSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {1100, 750};
    const QSize available = screen->availableGeometry().size();
    const QSize wanted(qMax(1100, available.width() * 85 / 100), qMax(750, available.height() * 85 / 100));
    return wanted.boundedTo(available);
}

} // namespace

MainWindow::MainWindow(const AppPaths &paths, const WindowFactory &windows, std::function<void()> erpconnect,
                       QWidget *parent)
    : QMainWindow(parent), m_paths(paths), m_windows(windows), m_erpconnect(std::move(erpconnect)),
      m_instance(paths.programDir), m_reports(reportCatalog().size())
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("VELMOR TARVEL RAPORLAMA v2.30"));
    setWindowIcon(programIcon()); // the report windows show it too

    // The tab strip sits in a band across the top, above the child windows.
    auto *band = new QWidget;
    band->setObjectName(QStringLiteral("tabBand"));
    band->setAutoFillBackground(true);
    QPalette bandPalette = band->palette();
    bandPalette.setColor(QPalette::Window, bandPalette.color(QPalette::Mid).lighter(125));
    band->setPalette(bandPalette);
    m_tabs = new QTabBar(band);
    m_tabs->setObjectName(QStringLiteral("tabStrip"));
    m_tabs->setExpanding(false);
    m_tabs->setDrawBase(false);
    QFont tabFont = m_tabs->font();
    tabFont.setBold(true);
    m_tabs->setFont(tabFont);
    auto *bandLayout = new QHBoxLayout(band);
    bandLayout->setContentsMargins(6, 6, 6, 0);
    bandLayout->addWidget(m_tabs);
    bandLayout->addStretch();

    m_mdi = new QMdiArea;
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(band);
    layout->addWidget(m_mdi, 1);
    setCentralWidget(central);

    buildMenuBar();
    buildContextMenus();
    resize(defaultSize());
}

MainWindow::~MainWindow() = default;

bool MainWindow::load()
{
    if (!m_instance.tryLock())
        return false;
    centerform(this);
    if (m_erpconnect)
        m_erpconnect();
    buildTabs();
    tabdanformyukle();
    return true;
}

void MainWindow::buildMenuBar()
{
    QMenu *islm = namedMenu("islm", QStringLiteral("İşlemler"), this);
    for (const ReportInfo &info : reportCatalog()) {
        if (info.menuItem.objectName.isEmpty())
            continue;
        const ReportKind kind = info.kind;
        connect(addNamedAction(islm, info.menuItem.objectName, info.menuItem.text), &QAction::triggered, this,
                [this, kind] { showReport(kind); });
    }
    menuBar()->addMenu(islm);

    QMenu *ayaarlr = namedMenu("ayaarlr", QStringLiteral("Ayarlar"), this);
    connect(addNamedAction(ayaarlr, "yaztsrm", QStringLiteral("Yazdırma Tasarımı")), &QAction::triggered,
            this, &MainWindow::yaztsrm);
    connect(addNamedAction(ayaarlr, "parame", QStringLiteral("Parametreler")), &QAction::triggered, this,
            &MainWindow::parame);
    menuBar()->addMenu(ayaarlr);
}

void MainWindow::buildContextMenus()
{
    // Owned here, never added to the menu bar: the report windows pop them up.
    m_aracyuk = namedMenu("aracyuk", QStringLiteral("Araç Yükleme Raporu"), this);
    connect(addNamedAction(m_aracyuk, "oirsoniz", QStringLiteral("Önizleme")), &QAction::triggered, this,
            [this] { runOnLoadingReport([](ReportWindow &w) { w.printloadinglist(PrintMode::Preview); }); });
    connect(addNamedAction(m_aracyuk, "irsyaz", QStringLiteral("Yazdır")), &QAction::triggered, this,
            [this] { runOnLoadingReport([](ReportWindow &w) { w.printloadinglist(PrintMode::Print); }); });
    connect(addNamedAction(m_aracyuk, "lstexelkayit", QStringLiteral("Liste Exel Kaydet")),
            &QAction::triggered, this,
            [this] { runOnLoadingReport([](ReportWindow &w) { w.listeexelkaydet(); }); });

    // "Yazdır" (dotless ı) is a submenu whose one item is "Yazdir" (plain i).
    m_karanaliz = namedMenu("karanaliz", QStringLiteral("Karlılık Analizi"), this);
    QMenu *karyazdir = namedMenu("karyazdir", QStringLiteral("Yazdır"), m_karanaliz);
    m_karanaliz->addMenu(karyazdir);
    connect(addNamedAction(karyazdir, "karlilikyazdir", QStringLiteral("Yazdir")), &QAction::triggered, this,
            [this] { runOnActiveAnalysis([](ReportWindow &w) { w.listeyazdir(PrintMode::Print); }); });
    connect(addNamedAction(m_karanaliz, "karexel", QStringLiteral("Exel Kaydet")), &QAction::triggered, this,
            [this] { runOnActiveAnalysis([](ReportWindow &w) { w.exelkaydet(); }); });
}

void MainWindow::buildTabs()
{
    if (m_tabsBuilt)
        return;
    m_tabsBuilt = true;
    const QList<ReportInfo> &catalog = reportCatalog();
    for (int i = 0; i < catalog.size(); ++i) {
        m_tabs->addTab(QString());
        m_tabs->setTabText(i, catalog.at(i).tabCaption);
    }
    // Connected only now: adding the first tab reports a change already.
    connect(m_tabs, &QTabBar::currentChanged, this, &MainWindow::tabdanformyukle);
}

void MainWindow::tabdanformyukle()
{
    const int index = m_tabs->currentIndex();
    if (index < 0)
        return;
    for (ReportKind kind : reportsForTabCaption(m_tabs->tabText(index)))
        showReport(kind);
}

ReportWindow *MainWindow::showReport(ReportKind kind)
{
    QPointer<QMdiSubWindow> &sub = m_reports[int(kind)];
    if (!liveSubWindow(kind)) {
        ReportWindow *window = m_windows.createReport(kind, m_paths);
        window->setContextMenu(contextMenu(reportInfo(kind).contextMenu));
        sub = m_mdi->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        fitSubWindow(sub);
    }
    sub->show();
    sub->raise();
    m_mdi->setActiveSubWindow(sub);
    return qobject_cast<ReportWindow *>(sub->widget());
}

ReportWindow *MainWindow::report(ReportKind kind) const
{
    QMdiSubWindow *sub = liveSubWindow(kind);
    return sub ? qobject_cast<ReportWindow *>(sub->widget()) : nullptr;
}

QMdiSubWindow *MainWindow::liveSubWindow(ReportKind kind) const
{
    // A child window closed by its close box is hidden at once and deleted only
    // later; from the close on it counts as gone, the next use makes a new one.
    QMdiSubWindow *sub = m_reports.at(int(kind));
    return sub && !sub->isHidden() ? sub : nullptr;
}

void MainWindow::fitSubWindow(QMdiSubWindow *sub)
{
    // A report window fills the work area from its top-left corner. Before the
    // frame is first shown the area has no size yet: showEvent fits it then.
    if (m_shown)
        sub->setGeometry(QRect(QPoint(0, 0), m_mdi->viewport()->size()));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    for (const QPointer<QMdiSubWindow> &sub : m_reports) {
        if (sub)
            fitSubWindow(sub);
    }
}

QMenu *MainWindow::contextMenu(ContextMenu which) const
{
    switch (which) {
    case ContextMenu::Aracyuk:
        return m_aracyuk;
    case ContextMenu::Karanaliz:
        break;
    }
    return m_karanaliz;
}

void MainWindow::runOnActiveAnalysis(const std::function<void(ReportWindow &)> &operation)
{
    const std::optional<ReportKind> kind = analysisForTab(m_tabs->currentIndex());
    if (!kind)
        return;
    if (ReportWindow *window = report(*kind))
        operation(*window);
}

void MainWindow::runOnLoadingReport(const std::function<void(ReportWindow &)> &operation)
{
    if (ReportWindow *window = report(ReportKind::Loading))
        operation(*window);
}

void MainWindow::yaztsrm()
{
    const DesignerStart start = startDesigner(m_paths.programDir);
    if (start.result == DesignerStart::Started)
        return;
    const QString text = start.result == DesignerStart::Missing
                             ? QStringLiteral("Yazdırma tasarım programı bulunamadı:\n%1")
                             : QStringLiteral("Yazdırma tasarım programı başlatılamadı:\n%1");
    showmessage(text.arg(QDir::toNativeSeparators(start.program)), Caption::Uyari, Icon::Warning,
                Buttons::Tamam, this);
}

void MainWindow::parame()
{
    // From the menu the parameters window opens modally and without a password.
    QPointer<QDialog> settings = m_windows.createSettings(m_paths, this);
    if (!settings)
        return;
    const bool saved = settings->exec() == QDialog::Accepted;
    delete settings;
    if (saved)
        settingsSaved();
}

void MainWindow::settingsSaved()
{
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        // A closed one is hidden until it is deleted.
        if (auto *window = qobject_cast<ReportWindow *>(sub->widget()); window && !sub->isHidden())
            window->settingsSaved();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Each report window runs its own close (it saves its list appearance).
    m_closing = true;
    m_mdi->closeAllSubWindows();
    m_closing = false;
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (!sub->isHidden()) { // it refused to close
            event->ignore();
            return;
        }
    }
    event->accept();
    emit closed();
}

} // namespace tarvel
