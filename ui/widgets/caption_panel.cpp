#include "caption_panel.h"

#include "look.h"

CaptionPanel::CaptionPanel(const QString &name, const QString &caption, int width, QWidget *parent)
    : QLabel(caption, parent) {
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAlignment(Qt::AlignCenter);
    setMinimumWidth(width);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    look::setBackground(this, look::white);
}
