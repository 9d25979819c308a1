#include "loading/loadingreport.h"

#include "documents/handover.h"
#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"
#include "foundation/store/sidefiles.h"
#include "grid/gridappearance.h"

namespace tarvel {

namespace {

void buildLoadingList(DataGrid &grid)
{
    MemTable &t = grid.table();
    t.addField(QStringLiteral("sira"), 50);
    t.addField(QStringLiteral("stokkod"), 250);
    t.addField(QStringLiteral("ack"), 250);
    t.addField(QStringLiteral("birim"), 50);
    t.addField(QStringLiteral("birimfiyat"), 50);
    t.addField(QStringLiteral("kdv"), 50);
    t.addField(QStringLiteral("miktar"), 50);
    t.addField(QStringLiteral("tutar"), 50);
    t.setKeyField(QStringLiteral("sira"));
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn1"),
                    .caption = QStringLiteral("SIRA"),
                    .field = QStringLiteral("sira"),
                    .width = 40,
                    .alignment = Qt::AlignCenter,
                    .footer = GridTotal::rowCount()});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn2"),
                    .caption = QStringLiteral("KODU"),
                    .field = QStringLiteral("stokkod"),
                    .width = 150});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn3"),
                    .caption = QStringLiteral("AÇIKLAMA"),
                    .field = QStringLiteral("ack"),
                    .width = 350});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn4"),
                    .caption = QStringLiteral("BİRİM"),
                    .field = QStringLiteral("birim"),
                    .width = 64,
                    .alignment = Qt::AlignCenter});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn5"),
                    .caption = QStringLiteral("BİRİM FİYAT"),
                    .field = QStringLiteral("birimfiyat"),
                    .width = 100,
                    .alignment = Qt::AlignRight});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn6"),
                    .caption = QStringLiteral("KDV"),
                    .field = QStringLiteral("kdv"),
                    .width = 40,
                    .alignment = Qt::AlignCenter});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn7"),
                    .caption = QStringLiteral("MİKTAR"),
                    .field = QStringLiteral("miktar"),
                    .width = 64,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(QStringLiteral("miktar"))});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn8"),
                    .caption = QStringLiteral("TUTAR"),
                    .field = QStringLiteral("tutar"),
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(QStringLiteral("tutar"), QStringLiteral("###,###0.00"))});
    for (int c = 0; c < grid.columnCount(); ++c)
        grid.setColumnReadOnly(c, true);
}

void buildWaybillList(DataGrid &grid)
{
    MemTable &t = grid.table();
    t.addField(QStringLiteral("fisno"), 50);
    t.addField(QStringLiteral("tarih"), 50);
    t.setKeyField(QStringLiteral("fisno"));
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn1"),
                    .caption = QStringLiteral("TARİH"),
                    .field = QStringLiteral("tarih"),
                    .width = 80,
                    .readOnly = true});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn2"),
                    .caption = QStringLiteral("FİŞ NO"),
                    .field = QStringLiteral("fisno"),
                    .width = 100,
                    .readOnly = true});
}

// A caption plus an amount, written back with two decimals: the captions are
// the store, so every waybill's sum is rounded before the next one is added.
QString addToCaption(const QString &caption, double amount)
{
    return formatFixed2(numberOrZero(caption) + amount);
}

} // namespace

LoadingReport::LoadingReport(const ReportContext &context, QObject *parent)
    : QObject(parent), m_context(context)
{
    buildLoadingList(m_l1);
    buildWaybillList(m_l2);
}

void LoadingReport::beginHandOver()
{
    m_l1.table().close();
    m_l2.table().close();
    m_totals = Totals{};
    emit fieldsChanged();
}

void LoadingReport::handOver(const PickedDocuments &waybills, Merge birlestir)
{
    if (waybills.isEmpty())
        return;
    beginHandOver();
    handEach(waybills, m_l1.table(), m_pr1,
             [this, birlestir](const PickedDocument &waybill) { irsaliyebul(waybill.ref, birlestir); });
    m_l1.table().first();
}

void LoadingReport::irsaliyebul(const QString &ref, Merge birlestir)
{
    MemTable &waybills = m_l2.table();
    waybills.open();
    ErpRows header =
        m_context.query(QStringLiteral("select * from ") + m_context.periodTable(QStringLiteral("STFICHE")) +
                        QStringLiteral(" WHERE LOGICALREF=") + sqlValue(ref));
    if (header.eof())
        throw Error(QStringLiteral("İrsaliye bulunamadı (LOGICALREF=%1).").arg(ref));

    waybills.append();
    waybills.setField(QStringLiteral("fisno"), header.text(QStringLiteral("FICHENO")));
    waybills.setField(QStringLiteral("tarih"),
                      header.dateTime(QStringLiteral("DATE_")).date().toString(QStringLiteral("dd.MM.yyyy")));
    waybills.post();
    m_totals.topl = addToCaption(m_totals.topl, header.number(QStringLiteral("GROSSTOTAL")));
    m_totals.topi = addToCaption(m_totals.topi, header.number(QStringLiteral("TOTALDISCOUNTS")));
    m_totals.topk = addToCaption(m_totals.topk, header.number(QStringLiteral("TOTALVAT")));
    m_totals.gtop = addToCaption(m_totals.gtop, header.number(QStringLiteral("NETTOTAL")));

    ErpRows card =
        m_context.query(QStringLiteral("select * from ") + m_context.firmTable(QStringLiteral("CLCARD")) +
                        QStringLiteral(" where ACTIVE='0' and LOGICALREF=") +
                        sqlValue(header.text(QStringLiteral("CLIENTREF"))));
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

    ErpRows lines = m_context.query(
        QStringLiteral("select * from ") + m_context.periodTable(QStringLiteral("STLINE")) +
        QStringLiteral(" WHERE STFICHEREF=") + sqlValue(ref) + QStringLiteral(" AND LINETYPE='0'"));
    MemTable &list = m_l1.table();
    for (lines.first(); !lines.eof(); lines.next()) {
        const QString stockRef = lines.text(QStringLiteral("STOCKREF"));
        ErpRows item =
            m_context.query(QStringLiteral("select * from ") + m_context.firmTable(QStringLiteral("ITEMS")) +
                            QStringLiteral(" WHERE LOGICALREF=") + sqlValue(stockRef));
        const QString unitRef = lines.text(QStringLiteral("UOMREF"));
        ErpRows unit = m_context.query(QStringLiteral("select * from ") +
                                       m_context.firmTable(QStringLiteral("UNITSETL")) +
                                       QStringLiteral(" WHERE  LOGICALREF=") + sqlValue(unitRef));
        if (item.eof())
            throw Error(QStringLiteral("Malzeme kartı bulunamadı (LOGICALREF=%1).").arg(stockRef));
        if (unit.eof())
            throw Error(QStringLiteral("Birim bulunamadı (LOGICALREF=%1).").arg(unitRef));

        const QString code = item.text(QStringLiteral("CODE"));
        const QString amount = formatUpTo8(lines.number(QStringLiteral("TOTAL")));
        if (birlestir == Merge::SameItems &&
            listekontrol(code, lines.number(QStringLiteral("AMOUNT")), amount))
            continue;
        list.append();
        const int row = list.rowCount() - 1;
        list.setField(QStringLiteral("sira"), QString::number(row + 1));
        list.setField(QStringLiteral("stokkod"), code);
        list.setField(QStringLiteral("ack"), item.text(QStringLiteral("NAME")));
        list.setField(QStringLiteral("birim"), unit.text(QStringLiteral("NAME")));
        list.setField(QStringLiteral("birimfiyat"), formatUpTo8(lines.number(QStringLiteral("PRICE"))));
        list.setField(QStringLiteral("kdv"), lines.text(QStringLiteral("VAT")));
        list.setField(QStringLiteral("miktar"), lines.text(QStringLiteral("AMOUNT")));
        list.setField(QStringLiteral("tutar"), amount);
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
    return {list.structureGeneration(), list.fieldGeneration(list.fieldIndex(QStringLiteral("stokkod")))};
}

void LoadingReport::ensureItemIndex()
{
    // Rebuilt only when rows came or went, or an item code changed, other
    // than through the merge itself: one pass per hand-over, not per line.
    if (m_indexedAt == indexStamp())
        return;
    m_rowOfItem.clear();
    const MemTable &list = m_l1.table();
    const int code = list.fieldIndex(QStringLiteral("stokkod"));
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
    const int quantityField = list.fieldIndex(QStringLiteral("miktar"));
    const int amountField = list.fieldIndex(QStringLiteral("tutar"));
    const float m = float(numberOrZero(list.value(row, quantityField)));
    const float t = float(numberOrZero(list.value(row, amountField)));
    const float quantity = float(miktar + double(m));
    const float sum = float(numberOrZero(tutar) + double(t));
    list.setValue(row, quantityField, formatPlainSingle(quantity));
    list.setValue(row, amountField, formatUpTo8(singleValue(sum)));
    return true;
}

void LoadingReport::deleteCurrentRow(bool confirmed)
{
    MemTable &list = m_l1.table();
    if (list.rowCount() == 0)
        return;
    if (confirmed && list.currentRow() >= 0)
        list.deleteCurrent();
    list.suspendRedraw();
    const int sira = list.fieldIndex(QStringLiteral("sira"));
    for (int row = 0; row < list.rowCount(); ++row)
        list.setValue(row, sira, QString::number(row + 1));
    list.first();
    list.resumeRedraw();
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
    const QStringList lines = readLineFile(fileIn(programDir, QStringLiteral("fytPar.velmor")), 9);
    if (lines.size() >= 9)
        firmName = lines.at(8);
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
