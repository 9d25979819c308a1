#include "pickers/customerpicker.h"

#include "foundation/base/sqlvalue.h"
#include "grid/suspendedredraw.h"

namespace tarvel {

CustomerPicker::CustomerPicker(const ReportContext &context, QObject *parent)
    : QObject(parent), m_context(context)
{
    MemTable &t = m_l1.table();
    t.addField(QStringLiteral("sira"), 50);
    t.addField(QStringLiteral("kod"), 100);
    t.addField(QStringLiteral("cari"), 500);
    t.addField(QStringLiteral("sehir"), 100);
    t.addField(QStringLiteral("ref"), 50);
    t.setKeyField(QStringLiteral("sira"));
    m_l1.addColumn({.objectName = QStringLiteral("DBGridColumn1"),
                    .caption = QStringLiteral("CARİ KODU"),
                    .field = QStringLiteral("kod"),
                    .width = 100,
                    .readOnly = true});
    m_l1.addColumn({.objectName = QStringLiteral("DBGridColumn2"),
                    .caption = QStringLiteral("UNVANI"),
                    .field = QStringLiteral("cari"),
                    .width = 300,
                    .readOnly = true});
    m_l1.addColumn({.objectName = QStringLiteral("DBGridColumn3"),
                    .caption = QStringLiteral("ŞEHİR"),
                    .field = QStringLiteral("sehir"),
                    .width = 100,
                    .readOnly = true});
    m_l1.addColumn({.objectName = QStringLiteral("DBGridColumn4"),
                    .caption = QStringLiteral("sira"),
                    .visible = false,
                    .readOnly = true});
    m_l1.addColumn({.objectName = QStringLiteral("DBGridColumn5"),
                    .caption = QStringLiteral("ref"),
                    .visible = false,
                    .readOnly = true});
}

void CustomerPicker::cariyukle(const QString &text)
{
    MemTable &list = m_l1.table();
    list.close();
    list.open();
    const SuspendedRedraw suspended(list, [&list] { list.first(); });
    // A card is found by its code or by its name: a text both had to hold
    // would find no card for a typed name.
    const QString pattern = sqlEscaped(text);
    ErpRows cards =
        m_context.query(QStringLiteral("select * from ") + m_context.firmTable(QStringLiteral("CLCARD")) +
                        QStringLiteral(" where ACTIVE='0' AND CARDTYPE<>'22' AND (CODE LIKE '%") + pattern +
                        QStringLiteral("%' OR DEFINITION_ LIKE '%") + pattern + QStringLiteral("%')"));
    int sira = 0;
    for (cards.first(); !cards.eof(); cards.next()) {
        list.append();
        list.setField(QStringLiteral("sira"), QString::number(++sira));
        list.setField(QStringLiteral("kod"), cards.text(QStringLiteral("CODE")));
        list.setField(QStringLiteral("cari"), cards.text(QStringLiteral("DEFINITION_")));
        list.setField(QStringLiteral("sehir"), cards.text(QStringLiteral("CITY")));
        list.setField(QStringLiteral("ref"), cards.text(QStringLiteral("LOGICALREF")));
        list.post();
    }
}

CustomerPicker::Choice CustomerPicker::choice() const
{
    const MemTable &list = m_l1.table();
    return {list.field(QStringLiteral("cari")), list.field(QStringLiteral("ref"))};
}

} // namespace tarvel
