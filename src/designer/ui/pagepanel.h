#pragma once

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace tarvel {

class LayoutDocument;

// "Sayfa" of the properties when no control is selected: the paper, its
// margins, the section heights and the background picture's place. Each
// change is one edit of the document.
class PagePanel : public QWidget {
    Q_OBJECT
public:
    PagePanel(LayoutDocument &document, QWidget *parent = nullptr);

    void refresh();

signals:
    // "Seç..." and "Kaldır" of the background picture: the window asks for the file.
    void choosePicture();
    void removePicture();

private:
    void applyPage();
    void applyBackground();

    LayoutDocument &m_document;
    QComboBox *m_paper;
    QDoubleSpinBox *m_paperWidth, *m_paperHeight;
    QComboBox *m_orientation;
    QDoubleSpinBox *m_margins[4];
    QDoubleSpinBox *m_heights[3];
    QLabel *m_picture;
    QPushButton *m_removePicture;
    QDoubleSpinBox *m_pictureX, *m_pictureY;
    bool m_refreshing = false;
};

} // namespace tarvel
