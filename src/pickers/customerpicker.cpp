#include "pickers/customerpicker.h"

#include "foundation/base/sqlvalue.h"
#include "grid/suspendedredraw.h"

namespace tarvel {

CustomerPicker::CustomerPicker(const ReportContext &context, QObject *parent)
    : QObject(parent), m_context(context)
{
    MemTable &t = m_l1.table();
    t.addField(CustomerField::sira, 50);
    t.addField(CustomerField::kod, 100);
    t.addField(CustomerField::cari, 500);
    t.addField(CustomerField::sehir, 100);
    t.addField(CustomerField::ref, 50);
    t.setKeyField(CustomerField::sira);
    m_l1.addColumn({.objectName = QStringLiteral("DBGridColumn1"),
                    .caption = QStringLiteral("CARİ KODU"),
                    .field = CustomerField::kod,
                    .width = 100,
                    .readOnly = true});
    m_l1.addColumn({.objectName = QStringLiteral("DBGridColumn2"),
                    .caption = QStringLiteral("UNVANI"),
                    .field = CustomerField::cari,
                    .width = 300,
                    .readOnly = true});
    m_l1.addColumn({.objectName = QStringLiteral("DBGridColumn3"),
                    .caption = QStringLiteral("ŞEHİR"),
                    .field = CustomerField::sehir,
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
        list.setField(CustomerField::sira, QString::number(++sira));
        list.setField(CustomerField::kod, cards.text(QStringLiteral("CODE")));
        list.setField(CustomerField::cari, cards.text(QStringLiteral("DEFINITION_")));
        list.setField(CustomerField::sehir, cards.text(QStringLiteral("CITY")));
        list.setField(CustomerField::ref, cards.text(QStringLiteral("LOGICALREF")));
        list.post();
    }
}

CustomerPicker::Choice CustomerPicker::choice() const
{
    const MemTable &list = m_l1.table();
    return {list.field(CustomerField::cari), list.field(CustomerField::ref)};
}

} // namespace tarvel
