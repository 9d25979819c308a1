#include "pickers/documentpicker.h"

#include "erpread/sharedreads.h"
#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"
#include "foundation/store/sidefiles.h"
#include "grid/gridappearance.h"
#include "grid/suspendedredraw.h"

#include <QSet>

namespace tarvel {

namespace {

const QString all = QStringLiteral("Tümü");
const QString ticked = QStringLiteral("True");
const QString unticked = QStringLiteral("False");

} // namespace

DocumentPicker::DocumentPicker(const ReportContext &context, const Design &design, QObject *parent)
    : QObject(parent), m_context(context), m_design(design), m_ozkod(all), m_irstip(all)
{
    addField(PickerField::sec, 10);
    addField(PickerField::sira, 50);
    addField(PickerField::tarih, 250);
    addField(PickerField::fisno, 50);
    addField(PickerField::belno, 50);
    addField(PickerField::carikod, 50);
    addField(PickerField::unvani, 250);
    addField(PickerField::tutar, 50);
    addField(PickerField::ref, 50);
    addField(PickerField::tip, 50);
}

DocumentPicker::~DocumentPicker() = default;

void DocumentPicker::addField(const QString &name, int maxLength)
{
    m_l1.table().addField(name, maxLength);
}

void DocumentPicker::addColumn(const char *name, const char *caption, const QString &field, int width,
                               bool visible)
{
    m_l1.addColumn({.objectName = QString::fromLatin1(name),
                    .caption = QString::fromUtf8(caption),
                    .field = field,
                    .width = width,
                    .visible = visible});
}

void DocumentPicker::addLeadingColumns()
{
    m_l1.addColumn({.objectName = QStringLiteral("DBGridColumn1"),
                    .field = PickerField::sec,
                    .width = 30,
                    .alignment = Qt::AlignCenter,
                    .checkBox = true});
    m_l1.addColumn({.objectName = QStringLiteral("DBGridColumn2"),
                    .field = PickerField::sira,
                    .width = 50,
                    .visible = false,
                    .alignment = Qt::AlignCenter});
    addColumn("DBGridColumn3", "TARİH", PickerField::tarih, 80);
    addColumn("DBGridColumn4", "FİŞ NO", PickerField::fisno, 80);
    addColumn("DBGridColumn5", "BELGENO", PickerField::belno, 100);
    addColumn("DBGridColumn6", "CARİKOD", PickerField::carikod, 100);
    addColumn("DBGridColumn7", "ÜNVANI", PickerField::unvani, 200);
    addColumn("DBGridColumn8", "", PickerField::ref, 64, false);
}

void DocumentPicker::addShipToColumns(bool visible)
{
    addColumn("DBGridColumn11", "", PickerField::scarikod, 100, false);
    addColumn("DBGridColumn12", "SEVKİYAT CARİSİ", PickerField::scari, 200, visible);
}

QHash<QString, QString> DocumentPicker::typeNames()
{
    return {{QStringLiteral("7"), QStringLiteral("PARAKENDE")},
            {QStringLiteral("8"), QStringLiteral("TOPTAN")}};
}

// ---- Dates ----------------------------------------------------------------------------

void DocumentPicker::setTr1(const QDate &date)
{
    m_tr1 = date;
}

void DocumentPicker::setTr2(const QDate &date)
{
    m_tr2 = date;
}

QString DocumentPicker::startKey() const
{
    return datekey(m_tr1);
}

QString DocumentPicker::endKey() const
{
    return datekey(m_tr2);
}

// ---- Customer ---------------------------------------------------------------------------

void DocumentPicker::setCr(const QString &name)
{
    // The same name again (a keystroke reports its change twice): one lookup.
    if (name == m_cr)
        return;
    m_cr = name;
    carirefbul(name);
}

void DocumentPicker::setCrref(const QString &ref)
{
    m_crref = ref;
    if (!ref.isEmpty())
        m_customerLookup = CustomerLookup::Found;
    emit crrefChanged(m_crref);
}

void DocumentPicker::carirefbul(const QString &name)
{
    try {
        m_customerLookup = lookUpCustomer(name);
    } catch (const ErpError &) {
        // Looked up at every keystroke: the search that follows looks again
        // and reports the connection.
        m_customerLookup = CustomerLookup::Failed;
        m_crref.clear();
    }
    emit crrefChanged(m_crref);
}

DocumentPicker::CustomerLookup DocumentPicker::lookUpCustomer(const QString &name)
{
    m_crref.clear();
    if (name.isEmpty())
        return CustomerLookup::NoName;
    const ErpRows card =
        m_context.query(QStringLiteral("select * from ") + m_context.firmTable(QStringLiteral("CLCARD")) +
                        QStringLiteral(" where ACTIVE='0' AND CARDTYPE<>'22' AND DEFINITION_=") +
                        sqlValue(name) + QLatin1Char(' '));
    if (card.eof())
        return CustomerLookup::Unknown;
    m_crref = card.text(QStringLiteral("LOGICALREF"));
    return CustomerLookup::Found;
}

void DocumentPicker::cariyukle()
{
    m_customerNames.clear();
    ErpRows cards =
        m_context.query(QStringLiteral("select * from ") + m_context.firmTable(QStringLiteral("CLCARD")) +
                        QStringLiteral(" where ACTIVE='0' AND CARDTYPE<>'22'"));
    for (cards.first(); !cards.eof(); cards.next())
        m_customerNames << cards.text(QStringLiteral("DEFINITION_"));
}

ErpRows DocumentPicker::activeCard(const QString &ref)
{
    if (m_reads)
        return m_reads->rows(m_cardRead, ref);
    return m_context.query(activeCardRead(m_context.firmTable(QStringLiteral("CLCARD"))).verbatim(ref));
}

ErpReader &DocumentPicker::openReads()
{
    m_reads.emplace(m_context.readMode,
                    [this](const QString &statement) { return m_context.query(statement); });
    m_cardRead = m_reads->define(activeCardRead(m_context.firmTable(QStringLiteral("CLCARD"))));
    return *m_reads;
}

void DocumentPicker::closeReads()
{
    m_reads.reset();
}

void DocumentPicker::wantCards(const ErpRows &rows)
{
    const QStringList columns = cardColumns();
    ErpRows walk = rows;
    for (walk.first(); !walk.eof(); walk.next()) {
        for (const QString &column : columns)
            m_reads->want(m_cardRead, walk.text(column));
    }
}

// ---- Special codes and document types ------------------------------------------------------

void DocumentPicker::ozelkodyukle()
{
    m_specialCodes = QStringList{all};
    m_ozkod = all;
    ErpRows codes =
        m_context.query(QStringLiteral("select * from ") + m_context.firmTable(QStringLiteral("SPECODES")) +
                        QStringLiteral(" where CODETYPE='1' AND SPECODETYPE='19'"));
    for (codes.first(); !codes.eof(); codes.next())
        m_specialCodes << codes.text(QStringLiteral("SPECODE")) + QStringLiteral(" --> ") +
                              codes.text(QStringLiteral("DEFINITION_"));
}

void DocumentPicker::irsaliyetipiyukle()
{
    m_documentTypes = QStringList{all, QStringLiteral("(07)Parakende Satış İrsaliyesi"),
                                  QStringLiteral("(08)Toptan Satış İrsaliyesi")};
    m_irstip = all;
}

QString DocumentPicker::specialCode() const
{
    return m_ozkod == all ? QString() : m_ozkod.section(QStringLiteral(" --> "), 0, 0);
}

QString DocumentPicker::documentType() const
{
    return m_irstip == all ? QString() : m_irstip.mid(2, 1);
}

// ---- Opening and appearance -------------------------------------------------------------------

void DocumentPicker::open(const QDate &today)
{
    m_tr2 = today;
    m_tr1 = today.addDays(-m_design.spanDays);
    listeyukle();
    // Every list is filled even when one before it failed; the first failure
    // is reported once the picker is ready.
    std::optional<ErpError> failure;
    const auto fill = [&failure](auto &&step) {
        try {
            step();
        } catch (const ErpError &e) {
            if (!failure)
                failure = e;
        }
    };
    fill([this] { cariyukle(); });
    if (m_design.specialCodesAndTypes) {
        fill([this] { ozelkodyukle(); });
        irsaliyetipiyukle();
    }
    m_l1.setReadOnlyExcept(m_l1.columnOfField(PickerField::sec));
    fill([this] { openOwnLists(); });
    if (failure)
        throw *failure;
}

QString DocumentPicker::appearanceFile() const
{
    return fileIn(m_context.paths.programDir, QStringLiteral("list.velmor"));
}

void DocumentPicker::listeyukle()
{
    loadGridAppearance(m_l1, appearanceFile(), m_design.appearanceSection);
}

void DocumentPicker::saveAppearance() const
{
    saveGridAppearance(m_l1, appearanceFile(), m_design.appearanceSection);
}

// ---- Search ---------------------------------------------------------------------------------

Result<QString> DocumentPicker::gosterbul(SearchMode mode)
{
    try {
        return search(mode);
    } catch (const Error &e) {
        return e;
    }
}

QString DocumentPicker::search(SearchMode mode)
{
    MemTable &list = m_l1.table();
    if (mode == SearchMode::NewList)
        list.close();
    list.open();
    const SuspendedRedraw suspended(list, [&list] { list.first(); });

    if (m_customerLookup == CustomerLookup::Failed) {
        m_customerLookup = lookUpCustomer(m_cr);
        emit crrefChanged(m_crref);
    }
    // A name that is no card's would otherwise filter nothing: every
    // customer's documents would pass for this one's.
    if (m_customerLookup == CustomerLookup::Unknown)
        return QStringLiteral("Cari bulunamadı: ") + m_cr;
    const std::optional<QString> text = statement();
    if (!text)
        return noRecords();
    ErpRows rows = m_context.query(*text);
    if (appendFound(rows) > 0)
        return QString();
    return rows.rowCount() > 0 ? QStringLiteral("Listeye eklenecek yeni kayıt yok") : noRecords();
}

QString DocumentPicker::noRecords()
{
    return QStringLiteral("Kayıt bulunamadı");
}

int DocumentPicker::appendFound(ErpRows &rows)
{
    const bool ownReads = !m_reads;
    if (ownReads)
        openReads();
    const auto done = qScopeGuard([this, ownReads] {
        if (ownReads)
            closeReads();
    });
    wantCards(rows);
    MemTable &list = m_l1.table();
    // A document already listed is not listed again: ticked twice, it would
    // be handed over twice.
    const int refField = list.fieldIndex(PickerField::ref);
    QSet<QString> listed;
    for (int row = 0; row < list.rowCount(); ++row)
        listed.insert(list.value(row, refField));
    int sira = 0;
    for (rows.first(); !rows.eof(); rows.next()) {
        const QString ref = rows.text(QStringLiteral("LOGICALREF"));
        if (listed.contains(ref))
            continue;
        listed.insert(ref);
        list.append();
        list.setField(PickerField::sira, QString::number(++sira));
        list.setField(PickerField::tarih, rows.text(QStringLiteral("DATE_")));
        list.setField(PickerField::fisno, rows.text(QStringLiteral("FICHENO")));
        list.setField(PickerField::belno, rows.text(QStringLiteral("DOCODE")));
        list.setField(PickerField::tip, rows.text(QStringLiteral("TRCODE")));
        const ErpRows card = activeCard(rows.text(QStringLiteral("CLIENTREF")));
        if (!card.eof()) {
            list.setField(PickerField::carikod, card.text(QStringLiteral("CODE")));
            list.setField(PickerField::unvani, card.text(QStringLiteral("DEFINITION_")));
        }
        fillRow(list, rows);
        list.setField(PickerField::ref, ref);
        list.post();
    }
    return sira;
}

void DocumentPicker::clearList()
{
    m_l1.table().close();
}

void DocumentPicker::setAllTicked(bool tick)
{
    m_l1.setAllChecked(m_l1.columnOfField(PickerField::sec), tick);
}

void DocumentPicker::toggle(int row)
{
    MemTable &list = m_l1.table();
    if (row < 0 || row >= list.rowCount())
        return;
    const int sec = list.fieldIndex(PickerField::sec);
    list.setValue(row, sec, list.value(row, sec) == ticked ? unticked : ticked);
}

QString DocumentPicker::rowField(int row, const QString &field) const
{
    const MemTable &list = m_l1.table();
    const int index = list.fieldIndex(field);
    return index < 0 ? QString() : list.value(row, index);
}

int DocumentPicker::tickedCount() const
{
    const MemTable &list = m_l1.table();
    const int sec = list.fieldIndex(PickerField::sec);
    int count = 0;
    for (int row = 0; row < list.rowCount(); ++row)
        count += list.value(row, sec) == ticked ? 1 : 0;
    return count;
}

// ---- Hand-over ------------------------------------------------------------------------------

PickedDocuments DocumentPicker::picked() const
{
    const MemTable &list = m_l1.table();
    const int sec = list.fieldIndex(PickerField::sec);
    PickedDocuments documents;
    for (int row = 0; row < list.rowCount(); ++row) {
        if (list.value(row, sec) != ticked)
            continue;
        documents.append({.ref = rowField(row, PickerField::ref),
                          .tarih = rowField(row, PickerField::tarih),
                          .fisno = rowField(row, PickerField::fisno),
                          .belno = rowField(row, PickerField::belno),
                          .unvani = rowField(row, PickerField::unvani),
                          .tutar = rowField(row, PickerField::tutar),
                          .tip = rowField(row, PickerField::tip),
                          .satici = rowField(row, PickerField::satici)});
    }
    return documents;
}

} // namespace tarvel
