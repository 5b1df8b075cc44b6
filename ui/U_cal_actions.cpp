// The window's actions in one place: the menus and the toolbar's context menu with their
// captions, shortcuts and visibility, and the binding of every control to its handler. Each
// binding is a typed connection from the control to the handler, and lives in the control, which
// the window owns (assistive technology would otherwise take a control for a controller of the
// window).

#include "U_cal.h"
#include "calc/averaging.h"
#include "widgets/clickable_label.h"
#include "widgets/decimal_spin_field.h"
#include "widgets/result_field.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QToolButton>

namespace {

using Handler = void (Tf_cal::*)();

enum class Kind { Menu, Item, Separator };
constexpr Kind menu = Kind::Menu;
constexpr Kind item = Kind::Item;
constexpr Kind separator = Kind::Separator;

constexpr const char *popupMenu = "PopupMenu4";

// Keeps the window's controls from claiming the keys of its menu shortcuts (a memo would take
// Enter as a new line), so that a shortcut acts from whichever control has the focus. A field
// keeps its word keys, Ctrl+Del among them.
class ShortcutRelease : public QObject {
public:
    ShortcutRelease(QList<QKeySequence> keys, QObject *parent)
        : QObject(parent), keys_(std::move(keys)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (qobject_cast<QLineEdit *>(watched) != nullptr &&
                (key->matches(QKeySequence::DeleteEndOfWord) ||
                 key->matches(QKeySequence::DeleteStartOfWord))) {
                event->accept();
                return true;
            }
            const QKeySequence pressed(
                QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
            if (keys_.contains(pressed)) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QList<QKeySequence> keys_;
};

// Runs `handler` of `window` when `sender` sends `signal`.
template <typename Sender, typename Signal>
void bind(Sender *sender, Signal signal, Tf_cal *window, Handler handler) {
    QObject::connect(sender, signal, sender, [window, handler] { (window->*handler)(); });
}

QAction *makeAction(const char *name, const char *caption, Handler handler, Tf_cal *window) {
    auto *action = new QAction(QString::fromUtf8(caption), window);
    action->setObjectName(QString::fromLatin1(name));
    if (handler != nullptr) {
        bind(action, &QAction::triggered, window, handler);
    }
    return action;
}

} // namespace

struct Tf_cal::MenuEntry {
    Kind kind;
    const char *name;
    const char *caption;
    const char *parent = nullptr; // the menu bar
    bool visible = true;
    QKeyCombination shortcut = {};
    Handler handler = nullptr;        // none: the item does nothing
    QAction *Tf_cal::*kept = nullptr; // where the window keeps the item, if it does
};

// Every item of the menu bar, in its order, then those of the toolbar's context menu; an item
// follows the menu it belongs to.
// clang-format off
const Tf_cal::MenuEntry Tf_cal::menuEntries[] = {
    {.kind = menu, .name = "N8", .caption = "파일", .visible = false},
    {.kind = item, .name = "N9", .caption = "새 파일", .parent = "N8", .shortcut = Qt::CTRL | Qt::Key_N, .handler = &Tf_cal::SpeedButton9Click},
    {.kind = item, .name = "N10", .caption = "파일에서 불러오기", .parent = "N8", .shortcut = Qt::CTRL | Qt::Key_O},
    {.kind = item, .name = "N12", .caption = "파일로 저장하기", .parent = "N8", .shortcut = Qt::CTRL | Qt::Key_S},
    {.kind = item, .name = "N35", .caption = "파일 삭제하기", .parent = "N8", .shortcut = Qt::CTRL | Qt::Key_Delete},
    {.kind = separator, .name = "N13", .caption = "", .parent = "N8"},
    {.kind = item, .name = "N14", .caption = "닫기", .parent = "N8", .shortcut = Qt::CTRL | Qt::Key_Escape, .handler = &Tf_cal::N14Click},
    {.kind = item, .name = "N15", .caption = "계산하기", .shortcut = QKeyCombination(Qt::Key_Return), .handler = &Tf_cal::N6Click},
    {.kind = menu, .name = "N29", .caption = "관리", .visible = false},
    {.kind = item, .name = "N38", .caption = "정품설치안내", .parent = "N29", .handler = &Tf_cal::N38Click},
    {.kind = item, .name = "N26", .caption = "종목분석(기본적,기술적)", .parent = "N29"},
    {.kind = item, .name = "N28", .caption = "관심종목 등록하기", .parent = "N29"},
    {.kind = separator, .name = "N27", .caption = "", .parent = "N29"},
    {.kind = item, .name = "N30", .caption = "매수", .parent = "N29"},
    {.kind = item, .name = "N33", .caption = "매도", .parent = "N29"},
    {.kind = menu, .name = "N16", .caption = "옵션", .handler = &Tf_cal::N16Click},
    {.kind = item, .name = "N2", .caption = "수수료/최저수수료제 옵션", .parent = "N16", .visible = false, .handler = &Tf_cal::N7Click},
    {.kind = menu, .name = "N1", .caption = "목표가.손절가 옵션", .parent = "N16", .visible = false},
    {.kind = item, .name = "N3", .caption = "파일에서 열기", .parent = "N1", .handler = &Tf_cal::N3Click},
    {.kind = item, .name = "N4", .caption = "파일로 저장하기", .parent = "N1", .handler = &Tf_cal::N4Click},
    {.kind = separator, .name = "N5", .caption = "", .parent = "N1"},
    {.kind = item, .name = "Default1", .caption = "기본값 (Default)", .parent = "N1", .handler = &Tf_cal::Default1Click},
    {.kind = menu, .name = "N17", .caption = "사용법(따라하기)", .kept = &Tf_cal::n17_},
    {.kind = item, .name = "N18", .caption = "사용준비 과정. 옵션설정 (*처음1회만 설정)", .parent = "N17", .handler = &Tf_cal::N18Click, .kept = &Tf_cal::n18_},
    {.kind = separator, .name = "N19", .caption = "", .parent = "N17"},
    {.kind = item, .name = "N110", .caption = "사용 과정1. 주식의 수량을 입력하세요. (*필수과정)", .parent = "N17", .handler = &Tf_cal::N110Click, .kept = &Tf_cal::n110_},
    {.kind = item, .name = "N22", .caption = "사용 과정2. 주식의 매수가를 입력하세요.(*필수과정)", .parent = "N17", .handler = &Tf_cal::N22Click, .kept = &Tf_cal::n22_},
    {.kind = item, .name = "N32", .caption = "사용 과정3. 주식의 매도가를 입력하세요.", .parent = "N17", .handler = &Tf_cal::N32Click, .kept = &Tf_cal::n32_},
    {.kind = separator, .name = "N20", .caption = "", .parent = "N17"},
    {.kind = item, .name = "N25", .caption = "**마지막과정**. 계산하기 (*필수과정)", .parent = "N17", .handler = &Tf_cal::N25Click, .kept = &Tf_cal::n25_},
    {.kind = menu, .name = "N21", .caption = "사용지원"},
    {.kind = item, .name = "N23", .caption = "온라인 상담", .parent = "N21", .handler = &Tf_cal::N23Click},
    {.kind = item, .name = "N37", .caption = "전화상담", .parent = "N21", .visible = false, .handler = &Tf_cal::N37Click},
    {.kind = item, .name = "MX1", .caption = "MX주식계산기 정품다운", .parent = "N21", .handler = &Tf_cal::MX1Click},
    {.kind = item, .name = "N36", .caption = "제품정보", .parent = "N21", .handler = &Tf_cal::Image1Click},
    {.kind = separator, .name = "N31", .caption = "", .parent = "N21"},
    {.kind = item, .name = "N34", .caption = "주식정보 사이트", .parent = "N21", .handler = &Tf_cal::N34Click},
    {.kind = item, .name = "N24", .caption = "홈페이지", .parent = "N21", .handler = &Tf_cal::RxSpeedButton14Click},

    {.kind = item, .name = "N6", .caption = "계산", .parent = popupMenu, .handler = &Tf_cal::N6Click},
    {.kind = item, .name = "N7", .caption = "수수료율 설정", .parent = popupMenu, .handler = &Tf_cal::N7Click},
    {.kind = item, .name = "N40", .caption = "평균단가·물타기 계산", .parent = popupMenu, .shortcut = Qt::CTRL | Qt::Key_M, .handler = &Tf_cal::SpeedButton30Click},
    {.kind = menu, .name = "nonvisual1", .caption = "nonvisual", .parent = popupMenu, .visible = false},
    {.kind = item, .name = "N11", .caption = "계산하기 끝에 소스넣기", .parent = "nonvisual1", .handler = &Tf_cal::N11Click},
    {.kind = item, .name = "N1111", .caption = "외부에서 파일불러오기", .parent = "nonvisual1", .handler = &Tf_cal::N1111Click},
};
// clang-format on

void Tf_cal::buildActions() {
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setAccessibleName(QStringLiteral("메뉴"));
    auto *popup = new QMenu(this);
    popup->setObjectName(QString::fromLatin1(popupMenu));

    QHash<QString, QWidget *> menus{{QString::fromLatin1(popupMenu), popup}};
    for (const MenuEntry &entry : menuEntries) {
        QWidget *parent = entry.parent == nullptr ? bar : menus.value(entry.parent);
        if (QMenu *opened = addMenuEntry(entry, parent)) {
            menus.insert(QString::fromLatin1(entry.name), opened);
        }
    }

    toolbar_.panel3->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(toolbar_.panel3, &QWidget::customContextMenuRequested, popup,
            [this, popup](const QPoint &at) { popup->popup(toolbar_.panel3->mapToGlobal(at)); });
    bindToolbar();
    bindFeePage();
    releaseShortcuts(this);
}

QMenu *Tf_cal::addMenuEntry(const MenuEntry &entry, QWidget *parent) {
    QMenu *opened = nullptr;
    QAction *action = nullptr;
    if (entry.kind == menu && entry.handler == nullptr) {
        // A submenu: its item (the menu's action) carries the control's name.
        opened = new QMenu(QString::fromUtf8(entry.caption), this);
        action = opened->menuAction();
        action->setObjectName(QString::fromLatin1(entry.name));
    } else if (entry.kind == menu) {
        // A menu-bar entry whose items are all hidden runs its own handler when chosen; its
        // menu holds the hidden items but never opens.
        opened = new QMenu(QString::fromUtf8(entry.caption), this);
        action = makeAction(entry.name, entry.caption, entry.handler, this);
    } else {
        action = makeAction(entry.name, entry.caption, entry.handler, this);
        action->setSeparator(entry.kind == separator);
    }
    action->setVisible(entry.visible);
    if (entry.shortcut.key() != Qt::Key_unknown) {
        QList<QKeySequence> keys{QKeySequence(entry.shortcut)};
        if (entry.shortcut.key() == Qt::Key_Return) {
            keys.append(QKeySequence(Qt::Key_Enter));
        }
        action->setShortcuts(keys);
        // Added to the window as well, so that it acts while its menu is hidden.
        addAction(action);
        // The keys of the items that run a command are taken from the controls; the others
        // (Ctrl+O, Ctrl+S, Ctrl+Del) stay with the control that has the focus.
        if (entry.handler != nullptr) {
            commandKeys_.append(keys);
        }
    }
    parent->addAction(action);
    if (entry.kept != nullptr) {
        this->*entry.kept = action;
    }
    return opened;
}

void Tf_cal::releaseShortcuts(QWidget *region) {
    auto *release = new ShortcutRelease(commandKeys_, region);
    for (QWidget *widget : region->findChildren<QWidget *>()) {
        if (widget->focusPolicy() != Qt::NoFocus) {
            widget->installEventFilter(release);
        }
    }
}

void Tf_cal::bindToolbar() {
    bind(toolbar_.speedButton9, &QToolButton::clicked, this, &Tf_cal::SpeedButton9Click);
    bind(toolbar_.speedButton4, &QToolButton::clicked, this, &Tf_cal::N6Click);
    bind(toolbar_.speedButton5, &QToolButton::clicked, this, &Tf_cal::N7Click);
    bind(toolbar_.rxSpeedButton14, &QToolButton::clicked, this, &Tf_cal::RxSpeedButton14Click);
    bind(toolbar_.speedButton30, &QToolButton::clicked, this, &Tf_cal::SpeedButton30Click);
    bind(toolbar_.image1, &ClickableLabel::clicked, this, &Tf_cal::Image1Click);
}

void Tf_cal::bindPriceField(IntegerSpinField *field, void (Tf_cal::*change)()) {
    bind(field, &QLineEdit::textChanged, this, change);
    field->setStepper(priceArrows(field));
}

void Tf_cal::bindResult(ResultField *field, void (Tf_cal::*enter)(QObject *),
                        void (Tf_cal::*exit)(QObject *)) {
    connect(field, &FieldEdit::entered, field, [this, enter, field] { (this->*enter)(field); });
    connect(field, &FieldEdit::left, field, [this, exit, field] { (this->*exit)(field); });
}

// The comma handling binds the result fields to eight pairs of handlers, each shared by a group
// of fields and acting on the field that raised the event.
void Tf_cal::bindFeePage() {
    bind(fee_.speedButton7, &QToolButton::clicked, this, &Tf_cal::SpeedButton7Click);
    bind(fee_.speedButton17, &QToolButton::clicked, this, &Tf_cal::SpeedButton17Click);
    bind(fee_.label43, &ClickableLabel::clicked, this, &Tf_cal::RxSpeedButton14Click);
    bindPriceField(fee_.s2, &Tf_cal::s2Change);
    bindPriceField(fee_.s3, &Tf_cal::s3Change);
    bind(fee_.s2, &FieldEdit::left, this, &Tf_cal::s2Exit);
    bindResult(fee_.s4, &Tf_cal::s4Enter, &Tf_cal::s4Exit);
    bindResult(fee_.s5, &Tf_cal::s5Enter, &Tf_cal::s5Exit);
    bindResult(fee_.e1, &Tf_cal::e1Enter, &Tf_cal::e1Exit);
    bindResult(fee_.e2, &Tf_cal::e2Enter, &Tf_cal::e2Exit);
    bindResult(fee_.e3, &Tf_cal::e3Enter, &Tf_cal::e3Exit);
    bindResult(fee_.e4, &Tf_cal::e4Enter, &Tf_cal::e4Exit);
    bindResult(fee_.e5, &Tf_cal::e5Enter, &Tf_cal::e5Exit);
    for (ResultField *field : {fee_.e6, fee_.e7, fee_.e8}) {
        bindResult(field, &Tf_cal::e6Enter, &Tf_cal::e6Exit);
    }
    connect(pageStack_, &QStackedWidget::currentChanged, this, &Tf_cal::PageControl1Change);
}

void Tf_cal::bindLongTermPage() {
    const forms::LongTermPage &page = longTerm_;
    bind(page.speedButton11, &QToolButton::clicked, this, &Tf_cal::SpeedButton11Click);
    bind(page.speedButton18, &QToolButton::clicked, this, &Tf_cal::SpeedButton18Click);
    bindPriceField(page.w1, &Tf_cal::W1Change);
    bindPriceField(page.w2, &Tf_cal::W2Change);
    for (ResultField *field : {page.x1, page.edit4}) {
        bindResult(field, &Tf_cal::s4Enter, &Tf_cal::s4Exit);
    }
    bindResult(page.x2, &Tf_cal::s5Enter, &Tf_cal::s5Exit);
    bindResult(page.w3, &Tf_cal::e1Enter, &Tf_cal::e1Exit);
    bindResult(page.x3, &Tf_cal::e2Enter, &Tf_cal::e2Exit);
    bindResult(page.w4, &Tf_cal::e3Enter, &Tf_cal::e3Exit);
    bindResult(page.x4, &Tf_cal::e4Enter, &Tf_cal::e4Exit);
    for (ResultField *field : {page.w5, page.w6, page.w7}) {
        bindResult(field, &Tf_cal::e5Enter, &Tf_cal::e5Exit);
    }
    for (ResultField *field : {page.x5, page.x6, page.x7}) {
        bindResult(field, &Tf_cal::e6Enter, &Tf_cal::e6Exit);
    }
}

void Tf_cal::bindDayTradingPage() {
    const forms::DayTradingPage &page = dayTrading_;
    bind(page.speedButton12, &QToolButton::clicked, this, &Tf_cal::SpeedButton12Click);
    bind(page.speedButton19, &QToolButton::clicked, this, &Tf_cal::SpeedButton19Click);
    bindPriceField(page.y1, &Tf_cal::Y1Change);
    bindPriceField(page.y2, &Tf_cal::Y2Change);
    bindPriceField(page.y3, &Tf_cal::Y3Change);
    bindPriceField(page.y4, &Tf_cal::Y4Change);
    bindPriceField(page.y5, &Tf_cal::Y5Change);
    for (ResultField *field : {page.z1, page.edit1, page.edit2}) {
        bindResult(field, &Tf_cal::s4Enter, &Tf_cal::s4Exit);
    }
    bindResult(page.z2, &Tf_cal::s5Enter, &Tf_cal::s5Exit);
    bindResult(page.y6, &Tf_cal::e1Enter, &Tf_cal::e1Exit);
    bindResult(page.z3, &Tf_cal::e2Enter, &Tf_cal::e2Exit);
    bindResult(page.y7, &Tf_cal::e3Enter, &Tf_cal::e3Exit);
    bindResult(page.z4, &Tf_cal::e4Enter, &Tf_cal::e4Exit);
    for (ResultField *field : {page.y8, page.y9}) {
        bindResult(field, &Tf_cal::e5Enter, &Tf_cal::e5Exit);
    }
    for (ResultField *field : {page.z5, page.z6}) {
        bindResult(field, &Tf_cal::e6Enter, &Tf_cal::e6Exit);
    }
}

void Tf_cal::bindOptionsPanel(const forms::OptionsPanel &panel) {
    bind(panel.speedButton1, &QToolButton::clicked, this, &Tf_cal::SpeedButton1Click);
    bind(panel.speedButton6, &QToolButton::clicked, this, &Tf_cal::SpeedButton6Click);
    bind(panel.checkBox2, &QCheckBox::toggled, this, &Tf_cal::CheckBox2Click);
    bind(panel.comboBox1, &QComboBox::currentIndexChanged, this, &Tf_cal::ComboBox1Change);
    bind(panel.dateEdit1, &QDateEdit::dateChanged, this, &Tf_cal::DateEdit1Change);
    // Esc closes the panel as its button "확인" does.
    auto *close = new QAction(panel.panel7);
    close->setShortcut(Qt::Key_Escape);
    close->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    panel.panel7->addAction(close);
    bind(close, &QAction::triggered, this, &Tf_cal::SpeedButton1Click);
}

void Tf_cal::bindAveragingPanel(const forms::AveragingPanel &panel) {
    bind(panel.speedButton31, &QToolButton::clicked, this, &Tf_cal::SpeedButton31Click);
    for (IntegerSpinField *field : panel.inputs) {
        connect(field, &QLineEdit::textChanged, field, [this, field] { P1Change(field); });
        if (mx::isAveragingPriceField(field->objectName().toStdString())) {
            field->setStepper(priceArrows(field));
        }
    }
    for (ResultField *field : panel.results) {
        bindResult(field, &Tf_cal::Q1Enter, &Tf_cal::Q1Exit);
    }
    // Esc closes the panel as its button "확인" does.
    auto *close = new QAction(panel.panel80);
    close->setShortcut(Qt::Key_Escape);
    close->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    panel.panel80->addAction(close);
    bind(close, &QAction::triggered, this, &Tf_cal::SpeedButton31Click);
}

void Tf_cal::bindNumberPad(const forms::NumberPad &pad) {
    bind(pad.speedButton14, &QToolButton::clicked, this, &Tf_cal::SpeedButton14Click);
    bind(pad.speedButton15, &QToolButton::clicked, this, &Tf_cal::SpeedButton15Click);
    bind(pad.speedButton10, &QToolButton::clicked, this, &Tf_cal::SpeedButton10Click);
    bind(pad.speedButton13, &QToolButton::clicked, this, &Tf_cal::SpeedButton13Click);
    bind(pad.speedButton20, &QToolButton::clicked, this, &Tf_cal::SpeedButton20Click);
    bind(pad.speedButton16, &QToolButton::clicked, this, &Tf_cal::SpeedButton16Click);
}
