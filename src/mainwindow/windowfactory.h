#pragma once

#include "foundation/base/apppaths.h"
#include "reportcatalog.h"

#include <QHash>
#include <functional>

class QDialog;
class QWidget;

namespace tarvel {

class ReportWindow;

// Makes the windows the frame opens: the catalog's report windows and the
// parameters window. Every report slot starts with a placeholder and the
// parameters window with none; app/main.cpp, which links the subsystems, puts
// the real windows in, so the frame itself never depends on them.
class WindowFactory {
public:
    // A new report window with the objectName and caption of its kind, no parent yet.
    using ReportCreator = std::function<ReportWindow *(const AppPaths &paths)>;
    // A new parameters window "parametre" (or none); shown modally from the
    // menu, non-modally after the password gate.
    using SettingsCreator = std::function<QDialog *(const AppPaths &paths, QWidget *parent)>;

    WindowFactory();

    void setReportCreator(ReportKind kind, ReportCreator creator);
    void setSettingsCreator(SettingsCreator creator);

    ReportWindow *createReport(ReportKind kind, const AppPaths &paths) const;
    QDialog *createSettings(const AppPaths &paths, QWidget *parent) const;

private:
    QHash<int, ReportCreator> m_reports;
    SettingsCreator m_settings;
};

} // namespace tarvel
