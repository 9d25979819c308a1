#pragma once

#include "foundation/erp/reportcontext.h"
#include "grid/datagrid.h"

#include <QObject>

namespace tarvel {

// The fields of the customer picker's list, each name written once.
namespace CustomerField {
inline const QString sira = QStringLiteral("sira");
inline const QString kod = QStringLiteral("kod");
inline const QString cari = QStringLiteral("cari");
inline const QString sehir = QStringLiteral("sehir");
inline const QString ref = QStringLiteral("ref");
} // namespace CustomerField

// The customer picker cariform without its window: active customer cards whose
// code or name contains the search text Text1.
class CustomerPicker : public QObject {
    Q_OBJECT
public:
    explicit CustomerPicker(const ReportContext &context, QObject *parent = nullptr);

    DataGrid &l1() { return m_l1; }
    const DataGrid &l1() const { return m_l1; }

    // Fills the list with the active cards whose code or name contains the
    // text (empty: every active card). The text is searched as typed: % and _
    // keep their meaning as pattern characters, an apostrophe is searched for.
    // Throws ErpError; the rows read so far stay.
    void cariyukle(const QString &text);

    // The current row's name (cari) and reference (ref); empty texts when the
    // list is empty.
    struct Choice {
        QString name;
        QString ref;
    };
    Choice choice() const;

private:
    ReportContext m_context;
    DataGrid m_l1;
};

} // namespace tarvel
