#include "spin_field.h"

#include "qtext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <QValidator>
#include <algorithm>
#include <optional>

namespace {

constexpr int arrowWidth = 14;

// Holds text that the user brings into the field by any path (a key, a paste, a drop, an input
// method) to the rule of typed text. Pasted numbers are tidied first: grouping commas and blanks
// go, wide and other digits become ASCII digits, and in a decimal field a comma is the decimal
// point. What still does not fit is refused with the field unchanged, as is a whole number that
// an integer field cannot hold. Text the program sets is taken as it is.
class EntryFilter : public QValidator {
public:
    EntryFilter(const SpinField &field, bool decimal)
        : QValidator(const_cast<SpinField *>(&field)), field_(field), decimal_(decimal) {}

    State validate(QString &input, int &position) const override {
        if (!field_.userEditing()) {
            return Acceptable;
        }
        QString tidy;
        tidy.reserve(input.size());
        int cursor = 0;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const std::optional<QChar> kept = tidied(input.at(i));
            if (kept) {
                tidy.append(*kept);
            }
            if (kept && i < position) {
                ++cursor;
            }
        }
        const bool fits = std::all_of(tidy.begin(), tidy.end(), [](QChar c) {
            return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
        });
        if (!fits || (!decimal_ && beyondWholeNumbers(tidy))) {
            return Invalid;
        }
        input = tidy;
        position = cursor;
        return Acceptable;
    }

private:
    // A character as the field holds it, or nothing for one that a pasted number drops.
    std::optional<QChar> tidied(QChar c) const {
        if (c.isSpace() || (c == u',' && !decimal_)) {
            return std::nullopt;
        }
        if (c.isDigit()) {
            return QChar(u'0' + c.digitValue());
        }
        // The full-width forms of the signs, the point and the comma.
        if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E) {
            c = QChar(c.unicode() - 0xFEE0);
            if (c == u',' && !decimal_) {
                return std::nullopt;
            }
        }
        return c == u',' ? QChar(u'.') : c;
    }

    // A signed run of digits whose value leaves the 32-bit range.
    static bool beyondWholeNumbers(const QString &text) {
        const QStringView digits = QStringView(text).mid(
            !text.isEmpty() && (text.front() == u'+' || text.front() == u'-') ? 1 : 0);
        const bool allDigits =
            !digits.isEmpty() &&
            std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
        return allDigits && !mx::parseWholeNumber(text.toStdString());
    }

    const SpinField &field_;
    bool decimal_;
};

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
    setObjectName(qtext(fieldSpec.name));
    setText(qtext(fieldSpec.initial));
    setReadOnly(fieldSpec.readOnly);
    setTextMargins(0, 0, arrowWidth, 0);
    setValidator(new EntryFilter(*this, fieldSpec.kind == mx::FieldKind::DecimalSpin));
    connect(this, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });
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
    const UserEdit edit(*this);
    // A key held with Ctrl, Alt or Meta is a command (paste, undo), never typed text.
    const bool command =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!command && !acceptsTyped(event->text())) {
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

void SpinField::inputMethodEvent(QInputMethodEvent *event) {
    const UserEdit edit(*this);
    FieldEdit::inputMethodEvent(event);
}

void SpinField::dropEvent(QDropEvent *event) {
    const UserEdit edit(*this);
    FieldEdit::dropEvent(event);
}

// A middle click pastes the selection of X11.
void SpinField::mouseReleaseEvent(QMouseEvent *event) {
    const UserEdit edit(*this);
    FieldEdit::mouseReleaseEvent(event);
}

// The menu's Paste runs while the menu is up.
void SpinField::contextMenuEvent(QContextMenuEvent *event) {
    const UserEdit edit(*this);
    FieldEdit::contextMenuEvent(event);
}
