// The designer's sample loading list shows something in every field a layout
// can be given: a column added to the loading list without a sample value
// would preview as an empty box.
#include "designer/previewlists.h"

#include <QTest>

using namespace tarvel;

class TestPreviewLists : public QObject {
    Q_OBJECT
private slots:
    void sampleFillsEveryField();
};

void TestPreviewLists::sampleFillsEveryField()
{
    const LoadingListInput sample = sampleLoadingList(10);
    QVERIFY(!sample.rows.isEmpty());
    for (const LoadingRow &row : sample.rows) {
        for (const LoadingColumn &column : loadingColumns())
            QVERIFY2(!row.value(column.field).isEmpty(), qPrintable(column.field));
    }
    for (const auto &field : customerFields())
        QVERIFY2(!(sample.customer.*field.member).isEmpty(), qPrintable(field.name));
}

QTEST_GUILESS_MAIN(TestPreviewLists)
#include "tst_previewlists.moc"
