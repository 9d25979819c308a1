#include "cli.h"

namespace tarvel::cli {

namespace {

const char *const head =
    "usage: tarvel-report [--store PATH] [--trace-sql FILE] [--verbatim-sql] COMMAND [ARGS]\n"
    "  --verbatim-sql           read the ERP one statement per row, as the screens always did,\n"
    "                           instead of in sets (the same lists, many more statements)\n"
    "commands:\n";

const char *const tail =
    "  (report commands also take --xls FILE, --xlsx FILE and --pdf FILE: the list as saved and\n"
    "   printed; the commands printing a list take --sort FIELD[:desc] and --filter TEXT: the list\n"
    "   sorted by that field's column and narrowed as the search box \"Ara\" narrows it, its totals\n"
    "   those of the rows shown and \"shown\": \"N / M\" among the fields; the four analyses take\n"
    "   --chart FILE.png: the profit chart of the list shown, 1000x600)\n";

// Where the descriptions start.
constexpr qsizetype descriptionColumn = 27;

// "  NAME ARGUMENTS", then the description beside the arguments' last line
// when it ends before the column, else under it; every line of the
// description starts at the column.
QString commandUsage(const CliCommand &command)
{
    const QString indent(descriptionColumn, QLatin1Char(' '));
    QString text = QStringLiteral("  ") + command.name;
    if (!command.arguments.isEmpty())
        text += QLatin1Char(' ') + command.arguments;
    const qsizetype lastLine = text.size() - (text.lastIndexOf(QLatin1Char('\n')) + 1);
    if (lastLine < descriptionColumn)
        text += QString(descriptionColumn - lastLine, QLatin1Char(' '));
    else
        text += QLatin1Char('\n') + indent;
    return text + QString(command.description).replace(QLatin1Char('\n'), QLatin1Char('\n') + indent) +
           QLatin1Char('\n');
}

} // namespace

QString usage()
{
    QString text = QString::fromUtf8(head);
    for (const CommandInfo &command : commands())
        text += commandUsage(command.text);
    return text + QString::fromUtf8(tail);
}

} // namespace tarvel::cli
