#include "dialogs/xlssavedialog.h"

#include <QFileDialog>

namespace tarvel {

QString askXlsFileName(QWidget *parent, XlsName name)
{
    QFileDialog dialog(parent, QStringLiteral("Dosya Kaydetme Yeri"));
    dialog.setObjectName(QStringLiteral("kaydet"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Exel Dosyaları (xls) (*.xls)"));
    if (name == XlsName::WithSuffix)
        dialog.setDefaultSuffix(QStringLiteral("xls"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Konum:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dosya adı:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dosya türü:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Kaydet"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("İptal"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace tarvel
