#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

#include <functional>

namespace tarvel::test {

// Runs an action on the next modal window of type T as soon as it is shown
// (exec() blocks the test until the action closes it).
template <typename T> void onNextModal(QObject *context, std::function<void(T *)> action)
{
    auto *timer = new QTimer(context);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, context, [timer, action] {
        auto *modal = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

// Chooses a file in a file dialog as a user would: the folder, the name typed
// into its name box, then "Kaydet". selectFile() alone leaves the name box as
// it is while that box has the focus, which depends on when the dialog got
// activated.
inline void chooseFile(QFileDialog *dialog, const QString &path)
{
    const QFileInfo file(path);
    dialog->setDirectory(file.absolutePath());
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (name)
        name->setText(file.fileName());
    else
        dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept");
}

} // namespace tarvel::test
