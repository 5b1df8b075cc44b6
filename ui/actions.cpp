#include "actions.h"

#include "U_cal.h"
#include "widgets/clickable_label.h"
#include "widgets/field_edit.h"
#include "widgets/integer_spin_field.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>

namespace actions {
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
};

constexpr const char *popupMenu = "PopupMenu4";

// Menu bar order, then the context menu of the toolbar. Items without a handler do nothing.
const Entry entries[] = {
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
    {Kind::Menu, "N17", "사용법(따라하기)", nullptr},
    {Kind::Item,
     "N18",
     "사용준비 과정. 옵션설정 (*처음1회만 설정)",
     "N17",
     true,
     {},
     &Tf_cal::N18Click},
    {Kind::Separator, "N19", "", "N17"},
    {Kind::Item,
     "N110",
     "사용 과정1. 주식의 수량을 입력하세요. (*필수과정)",
     "N17",
     true,
     {},
     &Tf_cal::N110Click},
    {Kind::Item,
     "N22",
     "사용 과정2. 주식의 매수가를 입력하세요.(*필수과정)",
     "N17",
     true,
     {},
     &Tf_cal::N22Click},
    {Kind::Item,
     "N32",
     "사용 과정3. 주식의 매도가를 입력하세요.",
     "N17",
     true,
     {},
     &Tf_cal::N32Click},
    {Kind::Separator, "N20", "", "N17"},
    {Kind::Item, "N25", "**마지막과정**. 계산하기 (*필수과정)", "N17", true, {}, &Tf_cal::N25Click},
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
    {Kind::Menu, "nonvisual1", "nonvisual", popupMenu, false},
    {Kind::Item, "N11", "계산하기 끝에 소스넣기", "nonvisual1", true, {}, &Tf_cal::N11Click},
    {Kind::Item, "N1111", "외부에서 파일불러오기", "nonvisual1", true, {}, &Tf_cal::N1111Click},
};

const struct {
    const char *button;
    Handler handler;
} buttons[] = {
    {"SpeedButton9", &Tf_cal::SpeedButton9Click},
    {"SpeedButton4", &Tf_cal::N6Click},
    {"SpeedButton5", &Tf_cal::N7Click},
    {"SpeedButton1", &Tf_cal::SpeedButton1Click},
    {"SpeedButton6", &Tf_cal::SpeedButton6Click},
    {"SpeedButton7", &Tf_cal::SpeedButton7Click},
    {"SpeedButton11", &Tf_cal::SpeedButton11Click},
    {"SpeedButton12", &Tf_cal::SpeedButton12Click},
    {"SpeedButton17", &Tf_cal::SpeedButton17Click},
    {"SpeedButton18", &Tf_cal::SpeedButton18Click},
    {"SpeedButton19", &Tf_cal::SpeedButton19Click},
    {"SpeedButton16", &Tf_cal::SpeedButton16Click},
    {"SpeedButton14", &Tf_cal::SpeedButton14Click},
    {"SpeedButton15", &Tf_cal::SpeedButton15Click},
    {"SpeedButton10", &Tf_cal::SpeedButton10Click},
    {"SpeedButton13", &Tf_cal::SpeedButton13Click},
    {"SpeedButton20", &Tf_cal::SpeedButton20Click},
    {"RxSpeedButton14", &Tf_cal::RxSpeedButton14Click},
};

// Pictures and captions that run a command when clicked (a disabled one does not react).
const struct {
    const char *label;
    Handler handler;
} labels[] = {
    {"Image1", &Tf_cal::Image1Click},
    {"Label43", &Tf_cal::RxSpeedButton14Click},
};

// The change of a price field sets its step.
const struct {
    const char *field;
    Handler handler;
} changes[] = {
    {"s2", &Tf_cal::s2Change}, {"s3", &Tf_cal::s3Change}, {"W1", &Tf_cal::W1Change},
    {"W2", &Tf_cal::W2Change}, {"Y1", &Tf_cal::Y1Change}, {"Y2", &Tf_cal::Y2Change},
    {"Y3", &Tf_cal::Y3Change}, {"Y4", &Tf_cal::Y4Change}, {"Y5", &Tf_cal::Y5Change},
};

using FieldHandler = void (Tf_cal::*)(QObject *);

// The comma handling of the result fields: eight pairs of handlers, each shared by a group of
// fields and acting on the field that raised the event.
const struct {
    FieldHandler enter;
    FieldHandler exit;
    std::initializer_list<const char *> fields;
} commaGroups[] = {
    {&Tf_cal::s4Enter, &Tf_cal::s4Exit, {"s4", "X1", "Edit4", "Z1", "Edit1", "Edit2"}},
    {&Tf_cal::s5Enter, &Tf_cal::s5Exit, {"s5", "X2", "Z2"}},
    {&Tf_cal::e1Enter, &Tf_cal::e1Exit, {"e1", "W3", "Y6"}},
    {&Tf_cal::e2Enter, &Tf_cal::e2Exit, {"e2", "X3", "Z3"}},
    {&Tf_cal::e3Enter, &Tf_cal::e3Exit, {"e3", "W4", "Y7"}},
    {&Tf_cal::e4Enter, &Tf_cal::e4Exit, {"e4", "X4", "Z4"}},
    {&Tf_cal::e5Enter, &Tf_cal::e5Exit, {"e5", "W5", "W6", "W7", "Y8", "Y9"}},
    {&Tf_cal::e6Enter, &Tf_cal::e6Exit, {"e6", "e7", "e8", "X5", "X6", "X7", "Z5", "Z6"}},
};

// Keeps the window's controls from claiming the keys of its menu shortcuts (a memo would take
// Enter as a new line), so that a shortcut acts from whichever control has the focus.
class ShortcutRelease : public QObject {
public:
    ShortcutRelease(QList<QKeySequence> keys, QObject *parent)
        : QObject(parent), keys_(std::move(keys)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            auto *key = static_cast<QKeyEvent *>(event);
            // A field keeps its word keys, Ctrl+Del among them, from the window's shortcuts.
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

void connectHandler(QAction *action, Tf_cal &window, Handler handler) {
    if (handler != nullptr) {
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, handler] { (window.*handler)(); });
    }
}

QAction *addItem(const Entry &entry, QWidget *parent, Tf_cal &window) {
    auto *action = new QAction(QString::fromUtf8(entry.caption), &window);
    action->setObjectName(QString::fromLatin1(entry.name));
    action->setVisible(entry.visible);
    if (entry.kind == Kind::Separator) {
        action->setSeparator(true);
    }
    if (entry.shortcut.key() != Qt::Key_unknown) {
        QList<QKeySequence> keys{QKeySequence(entry.shortcut)};
        if (entry.shortcut.key() == Qt::Key_Return) {
            keys.append(QKeySequence(Qt::Key_Enter));
        }
        action->setShortcuts(keys);
        // Added to the window as well, so that it acts while its menu is hidden.
        window.addAction(action);
    }
    connectHandler(action, window, entry.handler);
    parent->addAction(action);
    return action;
}

// A menu item with a submenu. The item (the menu's action) carries the control's name; its
// submenu is reached through QAction::menu().
QMenu *addMenu(const Entry &entry, QWidget *parent, Tf_cal &window) {
    auto *menu = new QMenu(QString::fromUtf8(entry.caption), &window);
    if (entry.handler == nullptr) {
        menu->menuAction()->setObjectName(QString::fromLatin1(entry.name));
        menu->menuAction()->setVisible(entry.visible);
        parent->addAction(menu->menuAction());
        return menu;
    }
    // A menu-bar entry whose items are all hidden runs its own handler when chosen; its
    // menu holds the hidden items but never opens.
    auto *item = new QAction(menu->title(), &window);
    item->setObjectName(QString::fromLatin1(entry.name));
    connectHandler(item, window, entry.handler);
    parent->addAction(item);
    return menu;
}

void buildMenus(Tf_cal &window) {
    QMenuBar *bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setAccessibleName(QStringLiteral("메뉴"));
    auto *popup = new QMenu(&window);
    popup->setObjectName(QString::fromLatin1(popupMenu));

    QHash<QString, QWidget *> parents{{QString::fromLatin1(popupMenu), popup}};
    for (const Entry &entry : entries) {
        QWidget *parent = entry.parent == nullptr ? bar : parents.value(entry.parent);
        if (entry.kind == Kind::Menu) {
            parents.insert(QString::fromLatin1(entry.name), addMenu(entry, parent, window));
        } else {
            addItem(entry, parent, window);
        }
    }

    QWidget *toolbar = window.controls().widget("Panel3");
    toolbar->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        toolbar, &QWidget::customContextMenuRequested, popup,
        [toolbar, popup](const QPoint &at) { popup->popup(toolbar->mapToGlobal(at)); });
}

// Binds the controls of a region that `region` holds; a row whose control stands in another
// region is bound when that region is. Each connection lives in its control, which the window
// owns: assistive technology would otherwise take a control for a controller of the window.
void bindControls(Tf_cal &window, const Controls &region) {
    const auto call = [&window](Handler handler) {
        return [&window, handler] { (window.*handler)(); };
    };
    for (const auto &binding : buttons) {
        if (auto *button = region.get<QAbstractButton>(binding.button)) {
            QObject::connect(button, &QAbstractButton::clicked, button, call(binding.handler));
        }
    }
    for (const auto &binding : labels) {
        if (auto *label = region.get<ClickableLabel>(binding.label)) {
            QObject::connect(label, &ClickableLabel::clicked, label, call(binding.handler));
        }
    }
    // Esc closes the options panel as its button "확인" does.
    if (QWidget *panel = region.widget("Panel7")) {
        auto *close = new QAction(panel);
        close->setShortcut(Qt::Key_Escape);
        close->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        panel->addAction(close);
        QObject::connect(close, &QAction::triggered, panel, call(&Tf_cal::SpeedButton1Click));
    }
    if (auto *pages = region.get<QStackedWidget>("PageStack")) {
        QObject::connect(pages, &QStackedWidget::currentChanged, &window,
                         &Tf_cal::PageControl1Change);
    }
}

void bindFields(Tf_cal &window, const Controls &region) {
    for (const auto &binding : changes) {
        if (auto *field = region.get<IntegerSpinField>(binding.field)) {
            const Handler handler = binding.handler;
            QObject::connect(field, &QLineEdit::textChanged, field,
                             [&window, handler] { (window.*handler)(); });
            field->setStepper(window.priceArrows(field));
        }
    }
    // The market's rules of the trade date.
    if (auto *rules = region.get<QCheckBox>("CheckBox2")) {
        QObject::connect(rules, &QCheckBox::toggled, rules, [&window] { window.CheckBox2Click(); });
    }
    if (auto *market = region.get<QComboBox>("ComboBox1")) {
        QObject::connect(market, &QComboBox::currentIndexChanged, market,
                         [&window] { window.ComboBox1Change(); });
    }
    if (auto *date = region.get<QDateEdit>("DateEdit1")) {
        QObject::connect(date, &QDateEdit::dateChanged, date,
                         [&window] { window.DateEdit1Change(); });
    }
    if (auto *buyPrice = region.get<FieldEdit>("s2")) {
        QObject::connect(buyPrice, &FieldEdit::left, buyPrice, [&window] { window.s2Exit(); });
    }
    for (const auto &group : commaGroups) {
        for (const char *name : group.fields) {
            FieldEdit *field = region.get<FieldEdit>(name);
            if (field == nullptr) {
                continue;
            }
            const FieldHandler enter = group.enter;
            const FieldHandler exit = group.exit;
            QObject::connect(field, &FieldEdit::entered, field,
                             [&window, enter, field] { (window.*enter)(field); });
            QObject::connect(field, &FieldEdit::left, field,
                             [&window, exit, field] { (window.*exit)(field); });
        }
    }
}

// The keys of the items that run a command. The others (Ctrl+O, Ctrl+S, Ctrl+Del) stay with
// the field that has the focus, which deletes a word with Ctrl+Del as every field does.
void releaseShortcuts(QWidget *root) {
    QList<QKeySequence> keys;
    for (const Entry &entry : entries) {
        if (entry.handler != nullptr && entry.shortcut.key() != Qt::Key_unknown) {
            keys.append(QKeySequence(entry.shortcut));
            if (entry.shortcut.key() == Qt::Key_Return) {
                keys.append(QKeySequence(Qt::Key_Enter));
            }
        }
    }
    auto *release = new ShortcutRelease(keys, root);
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->focusPolicy() != Qt::NoFocus) {
            widget->installEventFilter(release);
        }
    }
}

} // namespace

void build(Tf_cal &window) {
    buildMenus(window);
    bindControls(window, window.controls());
    bindFields(window, window.controls());
    releaseShortcuts(&window);
}

void bindRegion(Tf_cal &window, QWidget *region) {
    Controls controls;
    controls.add(region);
    bindControls(window, controls);
    bindFields(window, controls);
    releaseShortcuts(region);
}

} // namespace actions
