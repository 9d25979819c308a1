#pragma once

#include "printing/reportlayout.h"

#include <QWidget>
#include <functional>
#include <utility>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvel {

class LayoutDocument;

// "Özellikler" of the selected controls: shows the first one; a change is
// one edit of every selected control. Settings a kind does not have (a
// line's font) are disabled: each setting stands for an attribute of the
// layout file, and the table of control kinds says which a kind has.
class PropertyPanel : public QWidget {
    Q_OBJECT
public:
    PropertyPanel(LayoutDocument &document, QWidget *parent = nullptr);

    void refresh();

private:
    void edit(const QString &text, const std::function<void(ReportControl &)> &change);
    QCheckBox *addFlag(const QString &name, const QString &text, const QString &undoText,
                       bool ReportControl::*member);

    LayoutDocument &m_document;
    QLabel *m_kind;
    QLineEdit *m_name;
    QComboBox *m_tag;
    QLineEdit *m_caption;
    QDoubleSpinBox *m_x, *m_y, *m_width, *m_height;
    QFontComboBox *m_family;
    QDoubleSpinBox *m_size;
    QCheckBox *m_bold, *m_italic, *m_wrap, *m_shrink;
    QComboBox *m_halign, *m_valign;
    QCheckBox *m_frame[4];
    QDoubleSpinBox *m_frameWidth;
    QPushButton *m_colour;
    QCheckBox *m_noColour;
    QList<std::pair<QWidget *, ControlAttribute>> m_attributeWidgets;
    bool m_refreshing = false;
};

} // namespace tarvel
