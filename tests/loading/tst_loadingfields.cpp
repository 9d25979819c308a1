// docs/layout-format.md against the code: the loading list's columns and the
// customer and totals fields with the tags that print them, and the tags a
// layout may use, as the tables of the loading report and of the layout
// engine declare them.
#include "loading/loadingfields.h"
#include "printing/printfields.h"

#include <QFile>
#include <QTest>

using namespace tarvel;

namespace {

QString layoutFormatDoc()
{
    QFile doc(QStringLiteral(TARVEL_SOURCE_DIR "/docs/layout-format.md"));
    return doc.open(QIODevice::ReadOnly) ? QString::fromUtf8(doc.readAll()) : QString();
}

// The rows of the doc's table under the header line given, each row's cells
// with their backticks dropped and joined by " | ".
QStringList documentedRows(const QString &header)
{
    const QStringList lines = layoutFormatDoc().split(QLatin1Char('\n'));
    QStringList rows;
    for (qsizetype i = lines.indexOf(header) + 2; i > 1 && i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (!line.startsWith(QLatin1Char('|')))
            break;
        QStringList cells = line.mid(1, line.size() - 2).split(QLatin1Char('|'));
        for (QString &cell : cells)
            cell = cell.trimmed().remove(QLatin1Char('`'));
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows;
}

QString tagsOf(const QList<int> &printFields)
{
    QStringList tags;
    for (int field : printFields)
        tags << PrintField::name(field);
    return tags.join(QStringLiteral(", "));
}

template <typename Box> void addBoxRows(QStringList &rows, const QList<LoadingBoxField<Box>> &fields)
{
    for (const LoadingBoxField<Box> &field : fields)
        rows << QStringList{field.caption, field.name, PrintField::name(field.printField)}.join(
            QStringLiteral(" | "));
}

} // namespace

class TestLoadingFields : public QObject {
    Q_OBJECT
private slots:
    void documentedAsDeclared_data();
    void documentedAsDeclared();
    void everyTagDocumented();
};

void TestLoadingFields::documentedAsDeclared_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("declared");

    QStringList columns;
    for (const LoadingColumn &column : loadingColumns())
        columns << QStringList{column.caption, column.field, tagsOf(column.printFields)}.join(
            QStringLiteral(" | "));
    QTest::newRow("list columns") << "| list column | list field | tag |" << columns;

    QStringList boxes;
    addBoxRows(boxes, customerFields());
    addBoxRows(boxes, totalFields());
    QTest::newRow("customer and totals") << "| box field | name | tag |" << boxes;
}

void TestLoadingFields::documentedAsDeclared()
{
    QFETCH(QString, header);
    QFETCH(QStringList, declared);
    QCOMPARE(documentedRows(header), declared);
}

void TestLoadingFields::everyTagDocumented()
{
    QStringList documented;
    for (const QString &row : documentedRows(QStringLiteral("| tag | value |"))) {
        const QString tags = row.section(QStringLiteral(" | "), 0, 0);
        documented << tags.split(QStringLiteral(", "));
    }
    QStringList declared = PrintField::names();
    documented.sort();
    declared.sort();
    QCOMPARE(documented, declared);
}

QTEST_GUILESS_MAIN(TestLoadingFields)
#include "tst_loadingfields.moc"
