#pragma once

#include <QLabel>

// A small raised panel carrying the caption of the field to its right.
class CaptionPanel : public QLabel {
    Q_OBJECT
public:
    CaptionPanel(const QString &name, const QString &caption, int width, QWidget *parent);
};
