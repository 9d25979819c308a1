#include "loading/loadingreport.h"

#include "documents/handover.h"
#include "erpread/sharedreads.h"
#include "foundation/base/errors.h"
#include "foundation/base/notices.h"
#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"
#include "foundation/erp/serverstop.h"
#include "foundation/store/fytpar.h"
#include "foundation/store/sidefiles.h"
#include "grid/gridappearance.h"
#include "grid/suspendedredraw.h"

#include <QScopeGuard>
#include <cmath>

namespace tarvel {

namespace {

void buildWaybillList(DataGrid &grid)
{
    MemTable &t = grid.table();
    t.addField(WaybillField::fisno, 50);
    t.addField(WaybillField::tarih, 50);
    t.setKeyField(WaybillField::fisno);
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn1"),
                    .caption = QStringLiteral("TARİH"),
                    .field = WaybillField::tarih,
                    .width = 80,
                    .readOnly = true});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn2"),
                    .caption = QStringLiteral("FİŞ NO"),
                    .field = WaybillField::fisno,
                    .width = 100,
                    .readOnly = true});
}

// A caption plus an amount, written back with two decimals: the captions are
// the store, so every waybill's sum is rounded before the next one is added.
QString addToCaption(const QString &caption, double amount)
{
    return formatFixed2(numberOrZero(caption) + amount);
}

// A statement of the hand-over, which stops at any failure; when the server is
// gone it says so as every run does.
ErpRows handOverQuery(const ReportContext &context, const QString &statement)
{
    try {
        return context.query(statement);
    } catch (const ErpError &e) {
        if (e.cause() == ErpError::Cause::Statement)
            throw;
        throw ErpError(serverStopText(e), e.cause());
    }
}

// No amount of a waybill comes near this; beyond it a value is a damaged record.
constexpr double largestAmount = 1e15;

// A number of the waybill (where names its header or line) as the lists take
// it: NaN or an infinity counts as 0, as the analyses count it, and is said;
// a value beyond any amount stops the hand-over.
double checkedNumber(const ErpRows &rows, const QString &column, const QString &where)
{
    const double value = rows.storedNumber(column);
    if (!std::isfinite(value)) {
        notice(QStringLiteral("%1: %2 sayı değil (%3); 0 alındı.").arg(where, column, rows.text(column)));
        return 0;
    }
    if (std::fabs(value) > largestAmount)
        throw Error(QStringLiteral("%1: %2 bir tutar olamayacak kadar büyük (%3); aktarma durduruldu.")
                        .arg(where, column, rows.text(column)));
    return value;
}

// A checked number's text as the list has always shown it (a quantity or a
// VAT rate as the ERP gives it); "0" for one that was no number.
QString shownText(const ErpRows &rows, const QString &column)
{
    return std::isfinite(rows.storedNumber(column)) ? rows.text(column) : QStringLiteral("0");
}

// A waybill header or a card by its LOGICALREF, every column; where is the
// condition of its verbatim statement as it has always been written.
ErpRead byReference(const QString &table, const QString &where)
{
    return {.sets = {.columns = QStringLiteral("*"), .table = table, .key = QStringLiteral("LOGICALREF")},
            .verbatim = [table, where](const QString &ref) -> QString {
                return QStringLiteral("select * from ") + table + where + sqlValue(ref);
            }};
}

// A waybill's item lines.
ErpRead waybillLinesRead(const QString &stockLines)
{
    return {.sets = {.columns = QStringLiteral("*"),
                     .table = stockLines,
                     .key = QStringLiteral("STFICHEREF"),
                     .condition = QStringLiteral(" AND LINETYPE='0'")},
            .verbatim = [stockLines](const QString &ref) -> QString {
                return QStringLiteral("select * from ") + stockLines + QStringLiteral(" WHERE STFICHEREF=") +
                       sqlValue(ref) + QStringLiteral(" AND LINETYPE='0'");
            }};
}

} // namespace

// The reads of a hand-over, each declared here once for both reading modes.
struct LoadingReport::Reads {
    Reads(const ReportContext &context, ReadMode mode);
    ErpReader reader;
    const ErpReader::Read headers, customers, lines, items, units;
};

LoadingReport::Reads::Reads(const ReportContext &context, ReadMode mode)
    : reader(mode, [&context](const QString &statement) { return handOverQuery(context, statement); }),
      headers(reader.define(
          byReference(context.periodTable(QStringLiteral("STFICHE")), QStringLiteral(" WHERE LOGICALREF=")))),
      customers(reader.define(activeCardRead(context.firmTable(QStringLiteral("CLCARD"))))),
      lines(reader.define(waybillLinesRead(context.periodTable(QStringLiteral("STLINE"))))),
      items(reader.define(
          byReference(context.firmTable(QStringLiteral("ITEMS")), QStringLiteral(" WHERE LOGICALREF=")))),
      // Two blanks, as this statement has always had them.
      units(reader.define(
          byReference(context.firmTable(QStringLiteral("UNITSETL")), QStringLiteral(" WHERE  LOGICALREF="))))
{
}

LoadingReport::LoadingReport(const ReportContext &context, QObject *parent)
    : QObject(parent), m_context(context)
{
    buildLoadingList(m_l1);
    buildWaybillList(m_l2);
}

LoadingReport::~LoadingReport() = default;

void LoadingReport::beginHandOver()
{
    m_l1.table().close();
    m_l2.table().close();
    m_totals = Totals{};
    m_waybillCustomers.clear();
    m_deletedRows = 0;
    emit fieldsChanged();
}

void LoadingReport::expectWaybills(const PickedDocuments &waybills)
{
    m_reads = std::make_unique<Reads>(m_context, m_context.readMode);
    Reads &reads = *m_reads;
    // The cards a set names are wanted as it arrives.
    const auto wantAll = [&reads](const ErpRows &set, const char *column, ErpReader::Read read) {
        const int index = columnIndex(set.columns(), QString::fromLatin1(column));
        for (int row = 0; row < set.rowCount() && index >= 0; ++row)
            reads.reader.want(read, referenceKey(set.rowValues(row).at(index)));
    };
    reads.reader.onRead(
        reads.headers, [wantAll, &reads](const ErpRows &set) { wantAll(set, "CLIENTREF", reads.customers); });
    reads.reader.onRead(reads.lines, [wantAll, &reads](const ErpRows &set) {
        wantAll(set, "STOCKREF", reads.items);
        wantAll(set, "UOMREF", reads.units);
    });
    for (const PickedDocument &waybill : waybills) {
        reads.reader.want(reads.headers, waybill.ref);
        reads.reader.want(reads.lines, waybill.ref);
    }
}

ErpRows LoadingReport::handOverRead(const ErpReader::Read Reads::*read, const QString &ref)
{
    if (m_reads)
        return m_reads->reader.rows(m_reads.get()->*read, ref);
    // Outside a hand-over a waybill is read with its own statements.
    Reads own(m_context, ReadMode::Verbatim);
    return own.reader.rows(own.*read, ref);
}

Result<void> LoadingReport::handOver(const PickedDocuments &waybills, Merge birlestir)
{
    if (waybills.isEmpty())
        return {};
    beginHandOver();
    // What the hand-over read goes with it: the next reads the ERP again.
    const auto readsGone = qScopeGuard([this] { m_reads.reset(); });
    try {
        expectWaybills(waybills);
        handEach(waybills, m_l1.table(), m_pr1,
                 [this, birlestir](const PickedDocument &waybill) { irsaliyebul(waybill.ref, birlestir); });
    } catch (const Error &e) {
        return e;
    }
    m_l1.table().first();
    return {};
}

void LoadingReport::irsaliyebul(const QString &ref, Merge birlestir)
{
    MemTable &waybills = m_l2.table();
    waybills.open();
    ErpRows header = handOverRead(&Reads::headers, ref);
    if (header.eof())
        throw Error(QStringLiteral("İrsaliye bulunamadı (LOGICALREF=%1).").arg(ref));

    const QString fisno = header.text(QStringLiteral("FICHENO"));
    const QString waybill = QStringLiteral("İrsaliye %1 (LOGICALREF=%2)").arg(fisno, ref);
    // Checked before anything of the waybill is added to the lists.
    const double gross = checkedNumber(header, QStringLiteral("GROSSTOTAL"), waybill);
    const double discounts = checkedNumber(header, QStringLiteral("TOTALDISCOUNTS"), waybill);
    const double vat = checkedNumber(header, QStringLiteral("TOTALVAT"), waybill);
    const double net = checkedNumber(header, QStringLiteral("NETTOTAL"), waybill);

    waybills.append();
    waybills.setField(WaybillField::fisno, fisno);
    waybills.setField(WaybillField::tarih,
                      header.dateTime(QStringLiteral("DATE_")).date().toString(QStringLiteral("dd.MM.yyyy")));
    waybills.post();
    m_totals.topl = addToCaption(m_totals.topl, gross);
    m_totals.topi = addToCaption(m_totals.topi, discounts);
    m_totals.topk = addToCaption(m_totals.topk, vat);
    m_totals.gtop = addToCaption(m_totals.gtop, net);

    const QString clientRef = header.text(QStringLiteral("CLIENTREF"));
    ErpRows card = handOverRead(&Reads::customers, clientRef);
    noteCustomer(clientRef, card.eof()
                                ? QStringLiteral("etkin kartı olmayan cari (LOGICALREF=%1)").arg(clientRef)
                                : card.text(QStringLiteral("DEFINITION_")));
    if (!card.eof()) {
        m_customer.unvn = card.text(QStringLiteral("DEFINITION_"));
        m_customer.adr =
            card.text(QStringLiteral("ADDR1")) + QLatin1Char(' ') + card.text(QStringLiteral("ADDR2"));
        m_customer.shr = card.text(QStringLiteral("CITY"));
        m_customer.tel = card.text(QStringLiteral("TELCODES1")) + card.text(QStringLiteral("TELNRS1"));
        m_customer.vno = card.text(QStringLiteral("TAXNR"));
        m_customer.vd = card.text(QStringLiteral("TAXOFFICE"));
    }
    emit fieldsChanged();

    ErpRows lines = handOverRead(&Reads::lines, ref);
    MemTable &list = m_l1.table();
    int lineNumber = 0;
    for (lines.first(); !lines.eof(); lines.next()) {
        const QString line =
            QStringLiteral("İrsaliye %1, %2. satır").arg(fisno, QString::number(++lineNumber));
        const QString stockRef = lines.text(QStringLiteral("STOCKREF"));
        ErpRows item = handOverRead(&Reads::items, stockRef);
        const QString unitRef = lines.text(QStringLiteral("UOMREF"));
        ErpRows unit = handOverRead(&Reads::units, unitRef);
        if (item.eof())
            throw Error(QStringLiteral("Malzeme kartı bulunamadı (LOGICALREF=%1).").arg(stockRef));
        if (unit.eof())
            throw Error(QStringLiteral("Birim bulunamadı (LOGICALREF=%1).").arg(unitRef));

        const QString code = item.text(QStringLiteral("CODE"));
        const QString amount = formatUpTo8(checkedNumber(lines, QStringLiteral("TOTAL"), line));
        const double quantity = checkedNumber(lines, QStringLiteral("AMOUNT"), line);
        const double price = checkedNumber(lines, QStringLiteral("PRICE"), line);
        checkedNumber(lines, QStringLiteral("VAT"), line);
        if (birlestir == Merge::SameItems && listekontrol(code, quantity, amount))
            continue;
        list.append();
        const int row = list.rowCount() - 1;
        list.setField(LoadingField::sira, QString::number(row + 1));
        list.setField(LoadingField::stokkod, code);
        list.setField(LoadingField::ack, item.text(QStringLiteral("NAME")));
        list.setField(LoadingField::birim, unit.text(QStringLiteral("NAME")));
        list.setField(LoadingField::birimfiyat, formatUpTo8(price));
        list.setField(LoadingField::kdv, shownText(lines, QStringLiteral("VAT")));
        list.setField(LoadingField::miktar, shownText(lines, QStringLiteral("AMOUNT")));
        list.setField(LoadingField::tutar, amount);
        list.post();
        if (birlestir == Merge::SameItems) {
            // listekontrol has just brought the index up to date and found no
            // row of this code: the new row is its first.
            m_rowOfItem.insert(code, row);
            m_indexedAt = indexStamp();
        }
    }
}

LoadingReport::IndexStamp LoadingReport::indexStamp() const
{
    const MemTable &list = m_l1.table();
    return {list.structureGeneration(), list.fieldGeneration(list.fieldIndex(LoadingField::stokkod))};
}

void LoadingReport::ensureItemIndex()
{
    // Rebuilt only when rows came or went, or an item code changed, other
    // than through the merge itself: one pass per hand-over, not per line.
    if (m_indexedAt == indexStamp())
        return;
    m_rowOfItem.clear();
    const MemTable &list = m_l1.table();
    const int code = list.fieldIndex(LoadingField::stokkod);
    for (int row = 0; row < list.rowCount(); ++row) {
        if (!m_rowOfItem.contains(list.value(row, code)))
            m_rowOfItem.insert(list.value(row, code), row);
    }
    m_indexedAt = indexStamp();
}

bool LoadingReport::listekontrol(const QString &kod, double miktar, const QString &tutar)
{
    ensureItemIndex();
    const auto found = m_rowOfItem.constFind(kod);
    if (found == m_rowOfItem.constEnd())
        return false;
    MemTable &list = m_l1.table();
    const int row = found.value();
    const int quantityField = list.fieldIndex(LoadingField::miktar);
    const int amountField = list.fieldIndex(LoadingField::tutar);
    // Double precision: the merged row must give what its lines give unmerged.
    const double quantity = miktar + numberOrZero(list.value(row, quantityField));
    const double sum = numberOrZero(tutar) + numberOrZero(list.value(row, amountField));
    list.setValue(row, quantityField, formatPlain(quantity));
    list.setValue(row, amountField, formatUpTo8(sum));
    return true;
}

void LoadingReport::deleteCurrentRow(bool confirmed)
{
    MemTable &list = m_l1.table();
    if (list.rowCount() == 0)
        return;
    if (confirmed && list.currentRow() >= 0) {
        list.deleteCurrent();
        ++m_deletedRows;
    }
    const SuspendedRedraw suspended(list, [&list] { list.first(); });
    const int sira = list.fieldIndex(LoadingField::sira);
    for (int row = 0; row < list.rowCount(); ++row)
        list.setValue(row, sira, QString::number(row + 1));
}

void LoadingReport::noteCustomer(const QString &clientRef, const QString &title)
{
    for (const auto &[ref, name] : std::as_const(m_waybillCustomers)) {
        if (ref == clientRef)
            return;
    }
    m_waybillCustomers.append({clientRef, title});
}

QStringList LoadingReport::waybillCustomers() const
{
    QStringList titles;
    for (const auto &[ref, title] : m_waybillCustomers)
        titles << title;
    return titles;
}

QString LoadingReport::mixedCustomersNote() const
{
    if (m_waybillCustomers.size() < 2)
        return QString();
    // A title may end in a full stop ("LTD. ŞTİ."): the names end their line.
    return QStringLiteral("Listede birden fazla carinin irsaliyesi var: %1\nFormlar %2 adına basılacak.")
        .arg(waybillCustomers().join(QStringLiteral(", ")), m_customer.unvn);
}

QString LoadingReport::deletedRowsNote() const
{
    if (m_deletedRows == 0)
        return QString();
    return QStringLiteral("Listeden %1 satır silindi. Formlardaki toplamlar irsaliyelerin toplamlarıdır, "
                          "silinen satırların tutarları da içlerindedir.")
        .arg(m_deletedRows);
}

namespace {

QString appearanceFile(const ReportContext &context)
{
    return fileIn(context.paths.programDir, QStringLiteral("list.velmor"));
}

} // namespace

void LoadingReport::listeyukle()
{
    loadGridAppearance(m_l1, appearanceFile(m_context), QStringLiteral("Fl1"));
}

void LoadingReport::saveAppearance() const
{
    saveGridAppearance(m_l1, appearanceFile(m_context), QStringLiteral("Fl1"));
}

QString LoadingReport::caption(const QString &programDir, QString &firmName)
{
    if (const std::optional<QString> name = FytPar::read(programDir).line(FytPar::Line::FirmName))
        firmName = *name;
    return QStringLiteral("ARAÇ YÜKLEME RAPORU   ") + firmName;
}

QString LoadingReport::statusText(const QString &fir, const QString &don)
{
    const QStringList firm = fir.split(QLatin1Char('-'));
    const QStringList period = don.split(QLatin1Char('-'));
    if (firm.size() < 2 || period.size() < 3)
        return QString();
    return firm.at(1) + QStringLiteral("  ") + period.at(0) + QStringLiteral("  ") + period.at(2);
}

} // namespace tarvel
