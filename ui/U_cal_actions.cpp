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

struct Entry {
    Kind kind;
    const char *name;
    const char *caption;
    const char *parent; // nullptr: the menu bar
    bool visible = true;
    QKeyCombination shortcut = {};
    Handler handler = nullptr;
    QAction *Tf_cal::*kept = nullptr; // where the window keeps the item, if it does
};

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

QAction *makeAction(const Entry &entry, Tf_cal *window) {
    auto *action = new QAction(QString::fromUtf8(entry.caption), window);
    action->setObjectName(QString::fromLatin1(entry.name));
    if (entry.handler != nullptr) {
        bind(action, &QAction::triggered, window, entry.handler);
    }
    return action;
}

} // namespace

void Tf_cal::buildActions() {
    // Menu bar order, then the context menu of the toolbar. Items without a handler do nothing.
    static const Entry entries[] = {
        {Kind::Menu, "N8", "파일", nullptr, false},
        {Kind::Item, "N9", "새 파일", "N8", true, Qt::CTRL | Qt::Key_N, &Tf_cal::SpeedButton9Click},
        {Kind::Item, "N10", "파일에서 불러오기", "N8", true, Qt::CTRL | Qt::Key_O},
        {Kind::Item, "N12", "파일로 저장하기", "N8", true, Qt::CTRL | Qt::Key_S},
        {Kind::Item, "N35", "파일 삭제하기", "N8", true, Qt::CTRL | Qt::Key_Delete},
        {Kind::Separator, "N13", "", "N8"},
        {Kind::Item, "N14", "닫기", "N8", true, Qt::CTRL | Qt::Key_Escape, &Tf_cal::N14Click},
        {Kind::Item, "N15", "계산하기", nullptr, true, QKeyCombination(Qt::Key_Return),
         &Tf_cal::N6Click},
        {Kind::Menu, "N29", "관리", nullptr, false},
        {Kind::Item, "N38", "정품설치안내", "N29", true, {}, &Tf_cal::N38Click},
        {Kind::Item, "N26", "종목분석(기본적,기술적)", "N29"},
        {Kind::Item, "N28", "관심종목 등록하기", "N29"},
        {Kind::Separator, "N27", "", "N29"},
        {Kind::Item, "N30", "매수", "N29"},
        {Kind::Item, "N33", "매도", "N29"},
        {Kind::Menu, "N16", "옵션", nullptr, true, {}, &Tf_cal::N16Click},
        {Kind::Item, "N2", "수수료/최저수수료제 옵션", "N16", false, {}, &Tf_cal::N7Click},
        {Kind::Menu, "N1", "목표가.손절가 옵션", "N16", false},
        {Kind::Item, "N3", "파일에서 열기", "N1", true, {}, &Tf_cal::N3Click},
        {Kind::Item, "N4", "파일로 저장하기", "N1", true, {}, &Tf_cal::N4Click},
        {Kind::Separator, "N5", "", "N1"},
        {Kind::Item, "Default1", "기본값 (Default)", "N1", true, {}, &Tf_cal::Default1Click},
        {Kind::Menu, "N17", "사용법(따라하기)", nullptr, true, {}, nullptr, &Tf_cal::n17_},
        {Kind::Item,
         "N18",
         "사용준비 과정. 옵션설정 (*처음1회만 설정)",
         "N17",
         true,
         {},
         &Tf_cal::N18Click,
         &Tf_cal::n18_},
        {Kind::Separator, "N19", "", "N17"},
        {Kind::Item,
         "N110",
         "사용 과정1. 주식의 수량을 입력하세요. (*필수과정)",
         "N17",
         true,
         {},
         &Tf_cal::N110Click,
         &Tf_cal::n110_},
        {Kind::Item,
         "N22",
         "사용 과정2. 주식의 매수가를 입력하세요.(*필수과정)",
         "N17",
         true,
         {},
         &Tf_cal::N22Click,
         &Tf_cal::n22_},
        {Kind::Item,
         "N32",
         "사용 과정3. 주식의 매도가를 입력하세요.",
         "N17",
         true,
         {},
         &Tf_cal::N32Click,
         &Tf_cal::n32_},
        {Kind::Separator, "N20", "", "N17"},
        {Kind::Item,
         "N25",
         "**마지막과정**. 계산하기 (*필수과정)",
         "N17",
         true,
         {},
         &Tf_cal::N25Click,
         &Tf_cal::n25_},
        {Kind::Menu, "N21", "사용지원", nullptr},
        {Kind::Item, "N23", "온라인 상담", "N21", true, {}, &Tf_cal::N23Click},
        {Kind::Item, "N37", "전화상담", "N21", false, {}, &Tf_cal::N37Click},
        {Kind::Item, "MX1", "MX주식계산기 정품다운", "N21", true, {}, &Tf_cal::MX1Click},
        {Kind::Item, "N36", "제품정보", "N21", true, {}, &Tf_cal::Image1Click},
        {Kind::Separator, "N31", "", "N21"},
        {Kind::Item, "N34", "주식정보 사이트", "N21", true, {}, &Tf_cal::N34Click},
        {Kind::Item, "N24", "홈페이지", "N21", true, {}, &Tf_cal::RxSpeedButton14Click},

        {Kind::Item, "N6", "계산", popupMenu, true, {}, &Tf_cal::N6Click},
        {Kind::Item, "N7", "수수료율 설정", popupMenu, true, {}, &Tf_cal::N7Click},
        {Kind::Item, "N40", "평균단가·물타기 계산", popupMenu, true, Qt::CTRL | Qt::Key_M,
         &Tf_cal::SpeedButton30Click},
        {Kind::Menu, "nonvisual1", "nonvisual", popupMenu, false},
        {Kind::Item, "N11", "계산하기 끝에 소스넣기", "nonvisual1", true, {}, &Tf_cal::N11Click},
        {Kind::Item, "N1111", "외부에서 파일불러오기", "nonvisual1", true, {}, &Tf_cal::N1111Click},
    };

    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setAccessibleName(QStringLiteral("메뉴"));
    auto *popup = new QMenu(this);
    popup->setObjectName(QString::fromLatin1(popupMenu));

    QHash<QString, QWidget *> parents{{QString::fromLatin1(popupMenu), popup}};
    for (const Entry &entry : entries) {
        QWidget *parent = entry.parent == nullptr ? bar : parents.value(entry.parent);
        QAction *action = nullptr;
        if (entry.kind == Kind::Menu && entry.handler == nullptr) {
            // A submenu: its item (the menu's action) carries the control's name.
            auto *menu = new QMenu(QString::fromUtf8(entry.caption), this);
            parents.insert(QString::fromLatin1(entry.name), menu);
            action = menu->menuAction();
            action->setObjectName(QString::fromLatin1(entry.name));
        } else if (entry.kind == Kind::Menu) {
            // A menu-bar entry whose items are all hidden runs its own handler when chosen; its
            // menu holds the hidden items but never opens.
            parents.insert(QString::fromLatin1(entry.name),
                           new QMenu(QString::fromUtf8(entry.caption), this));
            action = makeAction(entry, this);
        } else {
            action = makeAction(entry, this);
            action->setSeparator(entry.kind == Kind::Separator);
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
    }

    toolbar_.panel3->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(toolbar_.panel3, &QWidget::customContextMenuRequested, popup,
            [this, popup](const QPoint &at) { popup->popup(toolbar_.panel3->mapToGlobal(at)); });
    bindToolbar();
    bindFeePage();
    bindNumberPad();
    releaseShortcuts(this);
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

void Tf_cal::bindOptionsPanel() {
    const forms::OptionsPanel &panel = options_;
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

void Tf_cal::bindNumberPad() {
    bind(pad_.speedButton14, &QToolButton::clicked, this, &Tf_cal::SpeedButton14Click);
    bind(pad_.speedButton15, &QToolButton::clicked, this, &Tf_cal::SpeedButton15Click);
    bind(pad_.speedButton10, &QToolButton::clicked, this, &Tf_cal::SpeedButton10Click);
    bind(pad_.speedButton13, &QToolButton::clicked, this, &Tf_cal::SpeedButton13Click);
    bind(pad_.speedButton20, &QToolButton::clicked, this, &Tf_cal::SpeedButton20Click);
    bind(pad_.speedButton16, &QToolButton::clicked, this, &Tf_cal::SpeedButton16Click);
}
