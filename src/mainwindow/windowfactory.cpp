#include "windowfactory.h"

#include "placeholderreport.h"

namespace tarvel {

WindowFactory::WindowFactory()
{
    for (const ReportInfo &info : reportCatalog()) {
        const ReportKind kind = info.kind;
        m_reports.insert(int(kind), [kind](const AppPaths &) { return new PlaceholderReport(kind); });
    }
    // The parameters window lives in a subsystem of its own; without it the
    // menu item and the gate open nothing.
    m_settings = [](const AppPaths &, QWidget *) -> QDialog * { return nullptr; };
}

void WindowFactory::setReportCreator(ReportKind kind, ReportCreator creator)
{
    m_reports.insert(int(kind), std::move(creator));
}

void WindowFactory::setSettingsCreator(SettingsCreator creator)
{
    m_settings = std::move(creator);
}

ReportWindow *WindowFactory::createReport(ReportKind kind, const AppPaths &paths) const
{
    return m_reports.value(int(kind))(paths);
}

QDialog *WindowFactory::createSettings(const AppPaths &paths, QWidget *parent) const
{
    return m_settings(paths, parent);
}

} // namespace tarvel
