#include "xlswriter.h"

#include "xlsbiff.h"
#include "xlssheet.h"
#include "xlssst.h"

#include <QFile>

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <vector>

namespace tarvel {

using namespace xls;

namespace {

constexpr int kRowsPerSheet = 65536; // including the caption row
constexpr int kMaxColumns = 256;
// The first 15 XFs are style XFs Excel expects in every file, then the default
// cell format (15) and five more built-in styles; ours follow.
constexpr quint16 kCellXf = 15;
constexpr quint16 kCaptionXf = 21;
constexpr quint16 kBoldFont = 5; // font index 4 does not exist in BIFF
// Excel refuses a Workbook stream kept in the compound file's short-sector area.
constexpr qsizetype kMinStreamSize = 4096;

void writeRecordU16(BiffBuffer &out, quint16 id, quint16 value)
{
    out.beginRecord(id);
    out.u16(value);
    out.endRecord();
}

void writeFont(BiffBuffer &out, bool bold)
{
    static const char name[] = "Arial";
    out.beginRecord(kFont);
    out.u16(200);               // 10 pt in twips
    out.u16(bold ? 0x0001 : 0); // bold (again in the weight below), not italic
    out.u16(0x7FFF);            // automatic colour
    out.u16(bold ? 700 : 400);
    out.u16(0); // no super- or subscript
    out.u8(0);  // not underlined
    out.u8(0);  // family
    out.u8(0);  // character set
    out.u8(0);
    out.u8(quint8(sizeof name - 1));
    out.u8(0); // 8-bit characters
    out.bytes(name, sizeof name - 1);
    out.endRecord();
}

// usedAttributes: bits 2-7 (number format, font, alignment, border, pattern,
// protection). In a cell XF a set bit means the XF's own value counts instead of
// its style's; in a style XF it means the value is not part of the style.
void writeXf(BiffBuffer &out, quint16 font, quint16 format, bool style, quint8 usedAttributes)
{
    out.beginRecord(kXf);
    out.u16(font);
    out.u16(format);
    // Locked; a style XF has no parent (0xFFF), a cell XF inherits from Normal (0).
    out.u16(style ? 0xFFF5 : 0x0001);
    out.u8(0x20); // general horizontal, bottom vertical alignment
    out.u8(0);    // no rotation
    out.u8(0);    // no indent
    out.u8(usedAttributes);
    out.u32(0);      // no borders
    out.u32(0);      // no border colours, no fill
    out.u16(0x20C0); // fill colours: automatic foreground and background
    out.endRecord();
}

void writeBuiltInStyle(BiffBuffer &out, quint16 xf, quint8 builtIn)
{
    out.beginRecord(kStyle);
    out.u16(0x8000 | xf);
    out.u8(builtIn);
    out.u8(0xFF);
    out.endRecord();
}

// The workbook globals substream. The positions of the BOUNDSHEET records' sheet
// offsets go to *sheetOffsetPos, to be filled in once the sheets' sizes are known.
BiffBuffer workbookGlobals(const SharedStringTable &strings, int sheetCount,
                           std::vector<qsizetype> *sheetOffsetPos)
{
    BiffBuffer out;
    writeBof(out, 0x0005);
    writeRecordU16(out, kCodePage, 1200); // strings are Unicode

    out.beginRecord(kWindow1);
    out.u16(0);      // left, in twips
    out.u16(0);      // top
    out.u16(0x3A98); // width
    out.u16(0x2328); // height
    out.u16(0x0038); // scroll bars and sheet tabs shown
    out.u16(0);      // shown sheet
    out.u16(0);      // first tab shown
    out.u16(1);      // selected sheets
    out.u16(600);    // tab bar width, per mille
    out.endRecord();

    writeRecordU16(out, kDateMode, 0); // 1900 date system

    for (int i = 0; i < 4; ++i)
        writeFont(out, false);
    writeFont(out, true);

    writeXf(out, 0, 0, true, 0x00); // Normal
    for (int i = 1; i < 15; ++i)
        writeXf(out, 0, 0, true, 0xF4); // outline level styles
    writeXf(out, 0, 0, false, 0x00);    // default cell format
    for (quint16 format : {0x2B, 0x29, 0x2C, 0x2A, 0x09})
        writeXf(out, 1, format, true, 0xF8); // Comma, Comma [0], Currency, Currency [0], Percent
    writeXf(out, kBoldFont, 0, false, 0x08); // caption row

    writeBuiltInStyle(out, 0, 0);
    writeBuiltInStyle(out, 16, 3);
    writeBuiltInStyle(out, 17, 6);
    writeBuiltInStyle(out, 18, 4);
    writeBuiltInStyle(out, 19, 7);
    writeBuiltInStyle(out, 20, 5);

    for (int i = 0; i < sheetCount; ++i) {
        const QByteArray name = QByteArrayLiteral("Sayfa") + QByteArray::number(i + 1);
        out.beginRecord(kBoundSheet);
        sheetOffsetPos->push_back(out.size());
        out.u32(0);
        out.u8(0); // visible
        out.u8(0); // worksheet
        out.u8(quint8(name.size()));
        out.u8(0); // 8-bit characters
        out.bytes(name.constData(), name.size());
        out.endRecord();
    }

    strings.write(out);

    out.beginRecord(kEof);
    out.endRecord();
    return out;
}

// Column width in 1/256 of a character: the longest text plus a margin, within
// sensible bounds.
quint16 columnWidth(int longestText)
{
    return quint16(std::clamp(longestText + 2, 6, 60) * 256);
}

// libgsf's messages name its temporary file ("DIR/.gsf-save-XXXXXX: reason"); the
// caller names the file the user chose, so only the reason is kept.
QString reason(const GError *error)
{
    const QString message = QString::fromUtf8(error->message);
    const qsizetype colon = message.lastIndexOf(QLatin1String(": "));
    return colon < 0 ? message : message.mid(colon + 2);
}

void initGsf()
{
    static const bool done = [] {
        gsf_init();
        return true;
    }();
    Q_UNUSED(done);
}

// Writes the Workbook stream, given in pieces, into a new compound file. libgsf
// writes to a temporary file beside the target and renames it only when all went
// well, so a failed write leaves neither a partial file nor a damaged old one.
bool writeCompoundFile(const QString &path, const std::vector<QByteArray> &pieces, QString *error)
{
    initGsf();
    GError *gerror = nullptr;
    GsfOutput *sink = gsf_output_stdio_new(QFile::encodeName(path).constData(), &gerror);
    if (!sink) {
        *error = gerror ? reason(gerror) : QStringLiteral("cannot create the file");
        g_clear_error(&gerror);
        return false;
    }
    GsfOutfile *ole = gsf_outfile_msole_new(sink);
    GsfOutput *stream = gsf_outfile_new_child(ole, "Workbook", FALSE);
    bool ok = stream != nullptr;
    for (const QByteArray &piece : pieces) {
        if (!ok)
            break;
        ok = gsf_output_write(stream, gsize(piece.size()),
                              reinterpret_cast<const guint8 *>(piece.constData()));
    }
    if (stream) {
        ok = gsf_output_close(stream) && ok;
        if (!ok && gsf_output_error(stream))
            *error = reason(gsf_output_error(stream));
        g_object_unref(stream);
    }
    if (!ok) {
        if (const GError *e = gsf_output_error(sink); e && error->isEmpty())
            *error = reason(e);
        // An output in error is discarded, not renamed into place, when closed.
        if (!gsf_output_error(sink))
            gsf_output_set_error(sink, 0, "aborted");
    }
    ok = gsf_output_close(GSF_OUTPUT(ole)) && ok;
    if (!gsf_output_is_closed(sink))
        ok = gsf_output_close(sink) && ok;
    if (!ok && error->isEmpty())
        *error = gsf_output_error(sink) ? reason(gsf_output_error(sink)) : QStringLiteral("write failed");
    g_object_unref(ole);
    g_object_unref(sink);
    return ok;
}

} // namespace

Result<void> writeXls(const QString &path, const QStringList &captions, int rowCount,
                      const std::function<QStringList(int row)> &rowAt)
{
    QString message;
    const auto fail = [&]() -> Result<void> { return Error(QStringLiteral("%1: %2").arg(path, message)); };
    if (captions.size() > kMaxColumns) {
        message = QStringLiteral("more than %1 columns").arg(kMaxColumns);
        return fail();
    }
    const auto columns = size_t(captions.size());
    rowCount = std::max(rowCount, 0);

    // First every text goes to the shared string table and every cell to its
    // sheet's cell table; the stream is written only when all sizes are known.
    SharedStringTable strings;
    std::vector<int> longestText(columns, 0);
    std::vector<quint32> cells(columns);
    const auto addRow = [&](Worksheet &sheet, int row, const QStringList &fields, quint16 xf) {
        for (size_t c = 0; c < columns; ++c) {
            const QStringView text =
                qsizetype(c) < fields.size() ? QStringView(fields.at(qsizetype(c))) : QStringView();
            if (text.isEmpty()) {
                cells[c] = Worksheet::kNoText;
                continue;
            }
            cells[c] = strings.add(text);
            longestText[c] = std::max(longestText[c], int(std::min<qsizetype>(text.size(), 1000)));
        }
        sheet.addRow(quint16(row), cells, xf);
    };

    constexpr int rowsPerSheet = kRowsPerSheet - 1;
    const int sheetCount = std::max(1, (rowCount + rowsPerSheet - 1) / rowsPerSheet);
    std::vector<Worksheet> sheets;
    sheets.reserve(size_t(sheetCount));
    for (int s = 0; s < sheetCount; ++s) {
        Worksheet &sheet = sheets.emplace_back(s == 0);
        addRow(sheet, 0, captions, kCaptionXf);
        const int first = s * rowsPerSheet;
        const int end = std::min(rowCount, first + rowsPerSheet);
        for (int row = first; row < end; ++row)
            addRow(sheet, row - first + 1, rowAt(row), kCellXf);
        sheet.finish();
    }

    std::vector<quint16> widths(columns);
    std::transform(longestText.begin(), longestText.end(), widths.begin(), columnWidth);

    std::vector<qsizetype> sheetOffsetPos;
    BiffBuffer globals = workbookGlobals(strings, sheetCount, &sheetOffsetPos);
    std::vector<QByteArray> pieces;
    qsizetype streamPos = globals.size();
    for (int s = 0; s < sheetCount; ++s) {
        const Worksheet &sheet = sheets[size_t(s)];
        if (streamPos + sheet.size(widths) > qsizetype(0xFFFFFFFFu)) {
            message = QStringLiteral("too much data for one file");
            return fail();
        }
        globals.patchU32(sheetOffsetPos[size_t(s)], quint32(streamPos));
        pieces.push_back(sheet.head(quint32(streamPos), widths));
        pieces.push_back(sheet.cellTable());
        pieces.push_back(sheet.tail());
        streamPos += sheet.size(widths);
    }
    pieces.insert(pieces.begin(), globals.data());
    if (streamPos < kMinStreamSize)
        pieces.push_back(QByteArray(kMinStreamSize - streamPos, '\0'));

    if (!writeCompoundFile(path, pieces, &message))
        return fail();
    return {};
}

} // namespace tarvel
