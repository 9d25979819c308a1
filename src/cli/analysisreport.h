#pragma once

#include "cli.h"
#include "commandargs.h"
#include "reportsession.h"

#include <QDate>
#include <functional>
#include <memory>
#include <optional>

namespace tarvel {
class AnalysisPicker;
class DocumentAnalysis;
class ReportJson;
class DocumentPicker;
class ProfitAnalysis;
class SalesmanList;
} // namespace tarvel

namespace tarvel::cli {

// What the picker and analysis commands share.

// --xls FILE, --xlsx FILE and --pdf FILE, which every report command takes.
extern const QStringList fileOptions;
// --sort FIELD[:desc] and --filter TEXT, which every command printing a list takes.
extern const QStringList listOptions;
// --chart FILE.png, which the analysis commands take.
extern const QString chartOption;
ReportFiles filesOf(const CommandArgs &args);

// The picker as its window opens it (customers, salesmen and its other lists
// read); false after saying why on stderr.
bool openPicker(Context &context, DocumentPicker &picker);

// An analysis window's model with its picker, opened as the window opens
// them; nothing after saying why the connection or a list failed.
template <typename Analysis, typename Picker> struct PickerScreen {
    explicit PickerScreen(const ReportContext &report) : analysis(report), picker(report) {}
    Analysis analysis;
    Picker picker;
};
template <typename Analysis, typename Picker>
std::unique_ptr<PickerScreen<Analysis, Picker>> openPickerScreen(Context &context)
{
    const std::optional<ReportContext> report = openReport(context);
    if (!report)
        return nullptr;
    auto screen = std::make_unique<PickerScreen<Analysis, Picker>>(*report);
    return openPicker(context, screen->picker) ? std::move(screen) : nullptr;
}

// "Göster" in the picker and its list as the report document, followed by
// the fields addFields puts in after the search. A customer name that is no
// card's whole name lists nothing: said on stderr, exit code 1.
int showPickerList(Context &context, DocumentPicker &picker, const ReportFiles &files,
                   const std::function<void(ReportJson &)> &addFields = {});

// The options of a hand-over command: --refs R1,... [--vat-included] [--extra-tax] and the files.
CommandArgs::Options handOverOptions();
// The documents of --refs, ticked in the picker in that order, handed to the
// analysis with the two analysis options. A ref that names no document the
// picker could list is an error (missing says what it names: "Satış
// faturası"); false after saying why.
bool handOverDocuments(Context &context, AnalysisPicker &picker, DocumentAnalysis &analysis,
                       const CommandArgs &args, const QStringList &refs, const QString &missing);

// --type is empty, 7 or 8; otherwise false after saying so with the usage.
bool documentTypeFits(Context &context, const CommandArgs &args, const char *command, const char *usage);
// --type 7 or 8 chosen in the picker's type list (its entries after "Tümü");
// nothing without the option.
void chooseDocumentType(DocumentPicker &picker, const CommandArgs &args);

// --customer NAME typed into the picker's cr; false after saying that no
// active card has that name. Nothing to do without the option.
bool typeCustomerName(Context &context, DocumentPicker &picker, const CommandArgs &args);

// Selects the --salesman references in the list; false after naming those
// the list does not offer.
bool selectSalesmen(Context &context, SalesmanList &satel, const CommandArgs &args);

// The analysis list and the VAT-mode label as the window shows them after a
// run; a run whose statements failed is reported instead (the window tells
// the user too).
int finishAnalysis(Context &context, ProfitAnalysis &analysis, const ReportFiles &files);

} // namespace tarvel::cli
