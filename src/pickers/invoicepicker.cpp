#include "pickers/invoicepicker.h"

#include "analysis/invoiceanalysis.h"
#include "foundation/numbers.h"
#include "foundation/sqlvalue.h"

namespace tarvel {

InvoicePicker::InvoicePicker(const ReportContext &context, InvoiceAnalysis &caller, QObject *parent)
    : DocumentPicker(
          context, {.spanDays = 60, .appearanceSection = QStringLiteral("l1"), .specialCodesAndTypes = true},
          parent),
      m_caller(caller)
{
    addField(QStringLiteral("ind"), 50);
    addField(QStringLiteral("nettutar"), 50);
    addField(QStringLiteral("satici"), 50);
    addField(QStringLiteral("scari"), 50);
    addField(QStringLiteral("scarikod"), 50);

    DataGrid &grid = l1();
    const auto column = [&grid](const char *name, const char *caption, const char *field, int width,
                                bool visible = true) {
        grid.addColumn({.objectName = QString::fromLatin1(name),
                        .caption = QString::fromUtf8(caption),
                        .field = QString::fromLatin1(field),
                        .width = width,
                        .visible = visible});
    };
    grid.addColumn(checkColumn());
    column("DBGridColumn2", "", "sira", 50, false);
    column("DBGridColumn3", "TARİH", "tarih", 80);
    column("DBGridColumn4", "FİŞ NO", "fisno", 80);
    column("DBGridColumn5", "BELGENO", "belno", 100);
    column("DBGridColumn6", "CARİKOD", "carikod", 100);
    column("DBGridColumn7", "ÜNVANI", "unvani", 200);
    column("DBGridColumn8", "", "ref", 64, false);
    column("DBGridColumn9", "TOP.İND.", "ind", 70);
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn10"),
                    .caption = QStringLiteral("TUP.TUTAR"),
                    .field = QStringLiteral("tutar"),
                    .width = 100,
                    .alignment = Qt::AlignRight,
                    .footer = GridTotal::sumOf(QStringLiteral("tutar"), QStringLiteral("#0.00"))});
    column("DBGridColumn11", "", "scarikod", 100, false);
    column("DBGridColumn12", "SEVKİYAT CARİSİ", "scari", 200, false);
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn13"),
                    .caption = QStringLiteral("TOP.NET TUTAR"),
                    .field = QStringLiteral("nettutar"),
                    .width = 100,
                    .alignment = Qt::AlignRight});
    grid.addColumn({.objectName = QStringLiteral("DBGridColumn14"),
                    .caption = QStringLiteral("FATURA TİPİ"),
                    .field = QStringLiteral("tip"),
                    .width = 100,
                    .displayMap = typeNames()});
    column("DBGridColumn15", "Satış Elemanı", "satici", 150);
}

void InvoicePicker::openOwnLists()
{
    m_satel.fill(context(), SalesmanList::activeOfFirmStatement(context()), SalesmanList::Entries::WithCode);
}

// ---- Search --------------------------------------------------------------------------------------

std::optional<QString> InvoicePicker::customerCodeFragment()
{
    const QString &t = m_carkod;
    QString condition;
    if (t.endsWith(QLatin1Char('*')))
        condition = QStringLiteral("CODE LIKE '") + sqlEscaped(t.chopped(1)) + QStringLiteral("%'");
    else if (t.startsWith(QLatin1Char('*')))
        condition = QStringLiteral("CODE LIKE '%") + sqlEscaped(t.mid(1)) + QLatin1Char('\'');
    else
        condition = QStringLiteral("CODE=") + sqlValue(t);
    ErpRows cards =
        context().query(QStringLiteral("select * from ") + context().firmTable(QStringLiteral("CLCARD")) +
                        QStringLiteral(" where ACTIVE='0' AND CARDTYPE<>'22' AND ") + condition);
    if (cards.eof())
        return std::nullopt;
    QString fragment;
    for (cards.first(); !cards.eof(); cards.next()) {
        fragment +=
            (fragment.isEmpty() ? QStringLiteral(" AND (CLIENTREF=") : QStringLiteral(" OR CLIENTREF=")) +
            sqlValue(cards.text(QStringLiteral("LOGICALREF")));
    }
    return fragment + QLatin1Char(')');
}

std::optional<QString> InvoicePicker::statement()
{
    // The customer name restricts this one search: the next one is free
    // again unless cr is chosen or typed anew.
    const QString customerFragment =
        crref().isEmpty() ? QString() : QStringLiteral(" AND CLIENTREF=") + sqlValue(crref());
    setCrref(QString());

    QString codeFragment;
    if (!m_carkod.isEmpty()) {
        const std::optional<QString> fragment = customerCodeFragment();
        if (!fragment)
            return std::nullopt;
        codeFragment = *fragment;
    }
    const QString code = specialCode();
    const QString specialFragment =
        code.isEmpty() ? QString() : QStringLiteral(" AND (SPECODE=") + sqlValue(code) + QLatin1Char(')');
    const QString type = documentType();
    const QString typeFragment = type.isEmpty()
                                     ? QStringLiteral(" AND (TRCODE='8' OR TRCODE='7')")
                                     : QStringLiteral(" AND (TRCODE=") + sqlValue(type) + QLatin1Char(')');
    const QString dateColumn =
        m_byEntryDate ? QStringLiteral("CAPIBLOCK_CREADEDDATE") : QStringLiteral("DATE_");
    const QString dateCondition = QStringLiteral(" where (") + dateColumn + QStringLiteral(">=") +
                                  sqlValue(startKey()) + QStringLiteral(" AND ") + dateColumn +
                                  QStringLiteral("<=") + sqlValue(endKey()) + QLatin1Char(')');
    return QStringLiteral("select * from ") + context().periodTable(QStringLiteral("INVOICE")) +
           dateCondition + typeFragment + customerFragment + specialFragment + m_satel.filterFragment() +
           codeFragment;
}

void InvoicePicker::fillRow(MemTable &list, const ErpRows &row)
{
    list.setField(QStringLiteral("satici"), m_satel.saticibul(row.text(QStringLiteral("SALESMANREF"))));
    list.setField(QStringLiteral("tutar"), formatFixed2(row.number(QStringLiteral("TOTALDISCOUNTED"))));
    list.setField(QStringLiteral("nettutar"), formatFixed2(row.number(QStringLiteral("NETTOTAL"))));
    list.setField(QStringLiteral("ind"), formatFixed2(row.number(QStringLiteral("TOTALDISCOUNTS"))));
}

QStringList InvoicePicker::listInvoices(const QStringList &refs)
{
    QStringList missing;
    const int first = l1().table().rowCount();
    for (const QString &ref : refs) {
        ErpRows invoice = context().query(QStringLiteral("select * from ") +
                                          context().periodTable(QStringLiteral("INVOICE")) +
                                          QStringLiteral(" where LOGICALREF=") + sqlValue(ref) +
                                          QStringLiteral(" AND (TRCODE='8' OR TRCODE='7')"));
        if (invoice.eof())
            missing << ref;
        appendFound(invoice);
    }
    MemTable &list = l1().table();
    const int sec = list.fieldIndex(QStringLiteral("sec"));
    for (int row = first; row < list.rowCount(); ++row)
        list.setValue(row, sec, QStringLiteral("True"));
    return missing;
}

// ---- Hand-over ------------------------------------------------------------------------------------

ProgressState &InvoicePicker::callerProgress()
{
    return m_caller.pr1();
}

DataGrid &InvoicePicker::callerList()
{
    return m_caller.l1();
}

void InvoicePicker::prepareCaller()
{
    m_caller.beginDocumentRun();
}

void InvoicePicker::handRow(int row)
{
    DocumentAnalysis::Document invoice;
    invoice.ref = rowField(row, QStringLiteral("ref"));
    invoice.fisno = rowField(row, QStringLiteral("fisno"));
    invoice.belgeno = rowField(row, QStringLiteral("belno"));
    invoice.unvan = rowField(row, QStringLiteral("unvani"));
    invoice.indirim = rowField(row, QStringLiteral("ind"));
    invoice.topnettop = rowField(row, QStringLiteral("tutar"));
    invoice.tip = rowField(row, QStringLiteral("tip"));
    invoice.kdvdahilsec = m_vatIncluded ? 1 : 0;
    invoice.ekvergisec = m_extraTax ? 1 : 0;
    invoice.faturatarihi = rowField(row, QStringLiteral("tarih"));
    invoice.satici = rowField(row, QStringLiteral("satici"));
    m_caller.faturabulanalizyukle(invoice);
}

void InvoicePicker::finishCaller()
{
    m_caller.finishDocumentRun();
}

} // namespace tarvel
