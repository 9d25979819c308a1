#pragma once

#include <QListWidget>

namespace tarvel {

// The fields of the waybill report, to carry onto the page: pressed on a
// field and moved, the mouse carries it (the cursor says so) until it is let
// go; the window puts a text box there. The drag stays inside the program,
// so it works the same on every platform and in the tests.
class FieldList : public QListWidget {
    Q_OBJECT
public:
    explicit FieldList(QWidget *parent = nullptr);

    // What each field prints, in a few words.
    static QString describe(const QString &tag);

signals:
    void fieldCarried(const QString &tag, const QPoint &globalPos);
    void fieldDropped(const QString &tag, const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_pressed;
    QPoint m_pressPos;
    bool m_carrying = false;
};

} // namespace tarvel
