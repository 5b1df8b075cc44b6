#include "spin_field.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>

namespace {

constexpr int arrowWidth = 14;

QToolButton *arrowButton(QWidget *parent, Qt::ArrowType arrow) {
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAccessibleName(arrow == Qt::UpArrow ? QStringLiteral("값 올리기")
                                                   : QStringLiteral("값 내리기"));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setCursor(Qt::ArrowCursor);
    return button;
}

} // namespace

SpinField::SpinField(const mx::FieldSpec &fieldSpec, QWidget *parent)
    : FieldEdit(parent), spec_(fieldSpec), up_(arrowButton(this, Qt::UpArrow)),
      down_(arrowButton(this, Qt::DownArrow)) {
    setObjectName(
        QString::fromUtf8(fieldSpec.name.data(), static_cast<qsizetype>(fieldSpec.name.size())));
    setText(QString::fromUtf8(fieldSpec.initial.data(),
                              static_cast<qsizetype>(fieldSpec.initial.size())));
    setReadOnly(fieldSpec.readOnly);
    setTextMargins(0, 0, arrowWidth, 0);
    connect(up_, &QToolButton::clicked, this, &SpinField::stepUp);
    connect(down_, &QToolButton::clicked, this, &SpinField::stepDown);
}

void SpinField::stepUp() {
    step(1);
}

void SpinField::stepDown() {
    step(-1);
}

void SpinField::step(int direction) {
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    stepBy(direction);
}

bool SpinField::acceptsTyped(const QString &text) {
    for (const QChar c : text) {
        const bool accepted = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' ||
                              c.category() == QChar::Other_Control;
        if (!accepted) {
            return false;
        }
    }
    return true;
}

void SpinField::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        step(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    }
    if (!acceptsTyped(event->text())) {
        QApplication::beep();
        event->accept();
        return;
    }
    FieldEdit::keyPressEvent(event);
}

void SpinField::resizeEvent(QResizeEvent *event) {
    FieldEdit::resizeEvent(event);
    const int frame = 1;
    const int half = (height() - 2 * frame) / 2;
    const int left = width() - frame - arrowWidth;
    up_->setGeometry(left, frame, arrowWidth, half);
    down_->setGeometry(left, frame + half, arrowWidth, height() - 2 * frame - half);
}
