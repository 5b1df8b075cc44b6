#include "panels.h"

#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>

GradientPanel::GradientPanel(const QString &name, const QColor &from, const QColor &to,
                             QWidget *parent, Qt::Orientation direction)
    : QWidget(parent), from_(from), to_(to), direction_(direction) {
    setObjectName(name);
}

void GradientPanel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, direction_ == Qt::Horizontal ? width() : 0,
                             direction_ == Qt::Vertical ? height() : 0);
    gradient.setColorAt(0, from_);
    gradient.setColorAt(1, to_);
    painter.fillRect(rect(), gradient);
}

ScrollBox::ScrollBox(const QString &name, QWidget *content, bool followContent, QWidget *parent)
    : QScrollArea(parent), followContent_(followContent) {
    setObjectName(name);
    setWidget(content);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    // The box itself is no stop of the Tab key: its fields are.
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QSize ScrollBox::sizeHint() const {
    if (!followContent_ || widget() == nullptr) {
        return minimumSizeHint();
    }
    const QSize content = widget()->sizeHint();
    return {content.width() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth(),
            content.height() + 2 * frameWidth()};
}

QSize ScrollBox::minimumSizeHint() const {
    return {80, 80};
}

GroupFrame::GroupFrame(const QString &name, const QString &caption, QWidget *parent)
    : QFrame(parent) {
    setObjectName(name);
    setAccessibleName(caption);
    setFrameStyle(QFrame::Box | QFrame::Sunken);
}

RoundShape::RoundShape(const QString &name, bool filled, QWidget *parent)
    : QWidget(parent), filled_(filled) {
    setObjectName(name);
}

void RoundShape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    painter.setBrush(filled_ ? QBrush(QColor(128, 128, 255)) : Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
}
