#pragma once

#include <QDialog>

namespace tarvel {

// Stands in for the parameters window "parametre" until it is part of the build.
class PlaceholderSettings : public QDialog {
    Q_OBJECT
public:
    explicit PlaceholderSettings(QWidget *parent = nullptr);
};

} // namespace tarvel
