#include "dialogs/passwordfield.h"

#include <QLineEdit>
#include <QProxyStyle>

namespace tarvel {

namespace {

class StarMaskStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void showAsStars(QLineEdit *field)
{
    field->setEchoMode(QLineEdit::Password);
    auto *mask = new StarMaskStyle;
    mask->setParent(field);
    field->setStyle(mask);
}

} // namespace tarvel
