#include "grid/gridappearance.h"

#include "foundation/base/numbers.h"
#include "foundation/store/inifile.h"
#include "grid/datagrid.h"

#include <cmath>

namespace tarvel {

namespace {

const QString widthKey = QStringLiteral("l1-");
const QString fontKey = QStringLiteral("Font");
const QString fontSizeKey = QStringLiteral("FontSize");
const QString fontBoldKey = QStringLiteral("FontBold");
constexpr int lastWidthKey = 500;

// Widths were always stored as 16-bit integers: anything outside that range
// (or not a number) is a damaged file, not a width.
std::optional<int> readWidth(const QString &text)
{
    const std::optional<double> value = parseNumber(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (rounded < 0 || rounded > 32767)
        return std::nullopt;
    return int(rounded);
}

std::optional<bool> readFlag(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> value = parseNumber(t))
        return *value != 0;
    return std::nullopt;
}

} // namespace

void loadGridAppearance(DataGrid &grid, const QString &file, const QString &section)
{
    const IniFile ini(file);
    for (int i = 0; i <= lastWidthKey; ++i) {
        const QString text = ini.value(section, widthKey + QString::number(i));
        if (text.isEmpty() || i >= grid.columnCount())
            continue;
        if (const std::optional<int> width = readWidth(text))
            grid.setColumnWidth(i, *width);
    }

    QFont font = grid.font();
    const QString name = ini.value(section, fontKey).trimmed();
    if (!name.isEmpty())
        font.setFamily(name);
    const std::optional<double> size = parseNumber(ini.value(section, fontSizeKey));
    if (size && std::isfinite(*size) && *size > 0 && *size < 1000)
        font.setPointSizeF(*size);
    if (const std::optional<bool> bold = readFlag(ini.value(section, fontBoldKey)))
        font.setBold(*bold);
    grid.setFont(font);
}

void saveGridAppearance(const DataGrid &grid, const QString &file, const QString &section)
{
    IniFile ini(file);
    for (int i = 0; i < grid.columnCount(); ++i)
        ini.setValue(section, widthKey + QString::number(i), QString::number(grid.columnWidth(i)));
    const QFont font = grid.font();
    ini.setValue(section, fontKey, font.family());
    if (font.pointSizeF() > 0)
        ini.setValue(section, fontSizeKey, formatPlain(std::round(font.pointSizeF() * 10000) / 10000));
    ini.setValue(section, fontBoldKey, font.bold() ? QStringLiteral("True") : QStringLiteral("False"));
    (void)ini.save(); // ignored: the list works the same without its saved looks
}

} // namespace tarvel
