#include "dialogs/messagedialog.h"

#include "dialogs/centerform.h"
#include "dialogs/dialogpictures.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

int s_answer = 0;

constexpr int pictureSize = 40;
constexpr int minTextWidth = 260;
constexpr int maxTextWidth = 480;

// The text area. A QLabel, so callers read what a message said with text(),
// but laid out like a text document: it wraps at word boundaries and breaks a
// word that is longer than a line (paths, codes) instead of cutting it off.
class MessageText : public QLabel {
public:
    explicit MessageText(const QString &text) : QLabel(text) {}

    int textHeight(int width) const
    {
        QTextDocument document;
        prepare(document, width);
        return int(std::ceil(document.size().height()));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QTextDocument document;
        prepare(document, width());
        const int used = int(std::ceil(document.size().height()));
        QPainter painter(this);
        painter.translate(0, std::max(0, (height() - used) / 2));
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette = palette();
        context.palette.setColor(QPalette::Text, palette().color(foregroundRole()));
        document.documentLayout()->draw(&painter, context);
    }

private:
    void prepare(QTextDocument &document, int width) const
    {
        document.setDefaultFont(font());
        document.setDocumentMargin(0);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        document.setDefaultTextOption(option);
        document.setPlainText(text());
        document.setTextWidth(width);
    }
};

} // namespace

QString MessageDialog::captionText(int captionKind)
{
    switch (captionKind) {
    case 1:
        return QStringLiteral("TAMAM");
    case 2:
        return QStringLiteral("DİKKAT");
    case 3:
        return QStringLiteral("UYARI");
    case 4:
        return QStringLiteral("ONAY");
    default:
        return QString();
    }
}

int MessageDialog::answer()
{
    return s_answer;
}

void MessageDialog::resetAnswer()
{
    s_answer = 0;
}

MessageDialog::MessageDialog(const QString &text, int captionKind, int iconKind, int buttonKind,
                             QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("mesaj"));
    setModal(true);
    setWindowTitle(captionText(captionKind));

    // Pictures, one on top of the other; the column keeps its width even when
    // none is shown so every message looks alike.
    auto *pictures = new QWidget(this);
    pictures->setFixedSize(pictureSize, pictureSize);
    const qreal ratio = devicePixelRatioF();
    const struct {
        const char *name;
        DialogPicture picture;
        int kind;
    } kinds[] = {
        {"i3", DialogPicture::Check, 1}, {"i2", DialogPicture::Warning, 2}, {"i1", DialogPicture::Cross, 3}};
    for (const auto &k : kinds) {
        auto *label = new QLabel(pictures);
        label->setObjectName(QLatin1String(k.name));
        label->setGeometry(0, 0, pictureSize, pictureSize);
        label->setPixmap(dialogPicture(k.picture, pictureSize, ratio));
        label->setVisible(iconKind == k.kind);
    }

    auto *label = new MessageText(text);
    label->setObjectName(QStringLiteral("Label1"));
    label->setTextInteractionFlags(Qt::NoTextInteraction);

    // Width from the longest line, within bounds; height from the wrapped text.
    const QFontMetrics metrics(label->font());
    int natural = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        natural = std::max(natural, metrics.horizontalAdvance(line) + 2);
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int widest = std::max(minTextWidth, std::min(maxTextWidth, available.width() - 160));
    const int textWidth = std::clamp(natural, minTextWidth, widest);
    const int textHeight = label->textHeight(textWidth);
    const int tallest = std::max(pictureSize, available.height() * 3 / 5);

    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setBackgroundRole(QPalette::Window);
    scroll->viewport()->setAutoFillBackground(false);
    label->setAutoFillBackground(false);
    label->setFixedSize(textWidth, std::max(textHeight, pictureSize));
    scroll->setWidget(label);
    if (label->height() > tallest)
        scroll->setFixedSize(textWidth + scroll->verticalScrollBar()->sizeHint().width(), tallest);
    else
        scroll->setFixedSize(label->size());

    auto *top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(pictures, 0, Qt::AlignTop);
    top->addWidget(scroll);
    top->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch();
    QPushButton *evet = addButton(QStringLiteral("EVET"), QStringLiteral("yesButton"), 1);
    QPushButton *tamam = addButton(QStringLiteral("TAMAM"), QStringLiteral("okButton"), 1);
    QPushButton *hayir = addButton(QStringLiteral("HAYIR"), QStringLiteral("noButton"), 0);
    buttons->addWidget(evet);
    buttons->addWidget(tamam);
    buttons->addWidget(hayir);
    buttons->addStretch();
    tamam->setVisible(buttonKind == 1);
    evet->setVisible(buttonKind == 2);
    hayir->setVisible(buttonKind == 2);
    if (buttonKind == 1)
        tamam->setDefault(true);
    else if (buttonKind == 2)
        evet->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->activate();
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));

    centerform(this);
}

QPushButton *MessageDialog::addButton(const QString &text, const QString &name, int answer)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setMinimumWidth(90);
    button->setVisible(false);
    connect(button, &QPushButton::clicked, this, [this, answer] { answerWith(answer); });
    return button;
}

void MessageDialog::answerWith(int answer)
{
    s_answer = answer;
    m_closedByButton = true;
    done(answer == 1 ? Accepted : Rejected);
}

// Every way of closing ends here: the buttons, Esc and the close box.
void MessageDialog::done(int result)
{
    if (!m_closedByButton)
        s_answer = 2;
    QDialog::done(result);
}

} // namespace tarvel
