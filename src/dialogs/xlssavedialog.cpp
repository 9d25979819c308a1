#include "dialogs/xlssavedialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QList>

namespace tarvel {

namespace {

struct FileType {
    QString filter;
    QString suffix;
};

const FileType xlsx{QStringLiteral("Excel Çalışma Kitabı (*.xlsx)"), QStringLiteral("xlsx")};
const FileType xls{QStringLiteral("Exel Dosyaları (xls) (*.xls)"), QStringLiteral("xls")};
const FileType png{QStringLiteral("PNG Resmi (*.png)"), QStringLiteral("png")};

// "Dosya Kaydetme Yeri" with the types offered, the first chosen.
QString askSaveName(QWidget *parent, const QList<FileType> &types)
{
    const auto suffixOf = [&types](const QString &filter) {
        for (const FileType &type : types) {
            if (type.filter == filter)
                return type.suffix;
        }
        return types.constFirst().suffix;
    };
    QFileDialog dialog(parent, QStringLiteral("Dosya Kaydetme Yeri"));
    dialog.setObjectName(QStringLiteral("kaydet"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileType &type : types)
        filters << type.filter;
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(types.constFirst().suffix);
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, &suffixOf](const QString &filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Konum:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dosya adı:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dosya türü:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Kaydet"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("İptal"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    // The dialog adds the suffix itself; a type chosen other than through its
    // list (which alone tells filterSelected) must not leave the name bare.
    const QString name = dialog.selectedFiles().constFirst();
    if (!QFileInfo(name).suffix().isEmpty())
        return name;
    return name + u'.' + suffixOf(dialog.selectedNameFilter());
}

} // namespace

QString askXlsFileName(QWidget *parent)
{
    return askSaveName(parent, {xlsx, xls});
}

QString askPngFileName(QWidget *parent)
{
    return askSaveName(parent, {png});
}

} // namespace tarvel
