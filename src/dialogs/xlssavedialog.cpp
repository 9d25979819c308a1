#include "dialogs/xlssavedialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace tarvel {

namespace {

const QString xlsxFilter = QStringLiteral("Excel Çalışma Kitabı (*.xlsx)");
const QString xlsFilter = QStringLiteral("Exel Dosyaları (xls) (*.xls)");

QString suffixOf(const QString &filter)
{
    return filter == xlsFilter ? QStringLiteral("xls") : QStringLiteral("xlsx");
}

} // namespace

QString askXlsFileName(QWidget *parent)
{
    QFileDialog dialog(parent, QStringLiteral("Dosya Kaydetme Yeri"));
    dialog.setObjectName(QStringLiteral("kaydet"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({xlsxFilter, xlsFilter});
    dialog.setDefaultSuffix(suffixOf(xlsxFilter));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
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

} // namespace tarvel
