#include "dialogs/plainmessage.h"

#include <QMessageBox>

namespace tarvel {

namespace {

PlainMessageSink &sink()
{
    static PlainMessageSink instance;
    return instance;
}

} // namespace

void setPlainMessageSink(PlainMessageSink receiver)
{
    sink() = std::move(receiver);
}

void showPlainMessage(const QString &text, QWidget *parent)
{
    if (const PlainMessageSink &receiver = sink()) {
        receiver(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("TARVEL"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("plainmessage"));
    box.exec();
}

} // namespace tarvel
