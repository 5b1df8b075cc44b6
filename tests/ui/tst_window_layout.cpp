// The window as laid out: frame, fonts, every named control with its caption, hint, default,
// kind and colour, the menus with their shortcuts and visibility.

#include "calc/fields.h"
#include "widgets/bar_gauge.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

QString captionOf(QObject *object) {
    if (auto *label = qobject_cast<QLabel *>(object)) {
        return label->text();
    }
    if (auto *button = qobject_cast<QAbstractButton *>(object)) {
        return button->text();
    }
    if (auto *box = qobject_cast<QGroupBox *>(object)) {
        return box->title();
    }
    if (auto *edit = qobject_cast<QLineEdit *>(object)) {
        return edit->text();
    }
    if (auto *memo = qobject_cast<QPlainTextEdit *>(object)) {
        return memo->toPlainText();
    }
    return {};
}

// Whether `action` stands in `parent`: the menu bar, the toolbar's context menu, or the submenu
// of the menu item of that name.
bool standsIn(WindowDriver &driver, QAction *action, const QString &parent) {
    if (QWidget *holder = driver.find(parent)) {
        return holder->actions().contains(action);
    }
    const auto *item = driver.find<QAction>(parent);
    if (item == nullptr) {
        return false;
    }
    for (QObject *object : action->associatedObjects()) {
        auto *menu = qobject_cast<QMenu *>(object);
        if (menu != nullptr && menu->title() == item->text()) {
            return true;
        }
    }
    return false;
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void frame();
    void minimumWidth_data();
    void minimumWidth();
    void hiddenPagesDoNotWidenTheWindow();
    void fonts();
    void controls_data();
    void controls();
    void colours_data();
    void colours();
    void everyFieldOfTheCatalogue();
    void accessibleNames_data();
    void accessibleNames();
    void menuItems_data();
    void menuItems();
    void visibleMenuBar();
    void contextMenu();
    void creditLineIsInert();
    void glyphs_data();
    void glyphs();
    void scrollBarOnlyWhenNeeded();
    void pageReadsFromTopToBottom_data();
    void pageReadsFromTopToBottom();
};

void WindowLayoutTest::frame() {
    WindowDriver driver;
    Tf_cal &window = driver.window();
    QCOMPARE(window.windowTitle(), QStringLiteral("MX 주식계산기(무료버전) "));
    QCOMPARE(window.objectName(), QStringLiteral("f_cal"));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window.centralWidget()->height() >= Tf_cal::designClientSize.height());
}

void WindowLayoutTest::minimumWidth_data() {
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<int>("width");
    QTest::newRow("design width widened") << QSize(338, 540) << 400;
    QTest::newRow("tiny width widened") << QSize(50, 540) << 400;
    QTest::newRow("exactly 400") << QSize(400, 540) << 400;
    QTest::newRow("wider kept") << QSize(520, 540) << 520;
}

void WindowLayoutTest::minimumWidth() {
    QFETCH(QSize, stored);
    QFETCH(int, width);
    WindowDriver driver;
    QVERIFY(driver.window().frameGeometry().width() >= Tf_cal::minimumOuterWidth);
    driver.window().setWindowSize(stored);
    QCOMPARE(driver.window().frameGeometry().width(), width);
    QCOMPARE(driver.window().frameGeometry().height(), stored.height());
}

void WindowLayoutTest::hiddenPagesDoNotWidenTheWindow() {
    WindowDriver driver;
    auto *pages = driver.find<QTabWidget>("PageControl1");
    for (const char *page : {"TabSheet2", "TabSheet3"}) {
        const QSize needed = driver.find(page)->minimumSizeHint();
        QVERIFY2(needed.width() <= pages->width(), page);
        QVERIFY2(needed.height() <= pages->height(), page);
    }
    // The long planning pages scroll inside their boxes instead of lengthening the window.
    QVERIFY(driver.find("Panel54")->sizeHint().height() > driver.window().height());
    QVERIFY(pages->sizeHint().height() < driver.find("Panel54")->sizeHint().height());
}

void WindowLayoutTest::fonts() {
    WindowDriver driver;
    const QFont font = driver.window().font();
    QCOMPARE(font.families().value(0), QStringLiteral("굴림"));
    QVERIFY(font.families().contains(QStringLiteral("NanumGothic")));
    QVERIFY(font.families().contains(QStringLiteral("Noto Sans CJK KR")));
    QCOMPARE(font.pixelSize(), 12);
    for (const char *price : {"s1", "s2", "s3"}) {
        QCOMPARE(driver.field(price)->font().pixelSize(), 13);
        QCOMPARE(driver.field(price)->font().families(), font.families());
    }
    QCOMPARE(driver.field("s4")->font().pixelSize(), 12);
    // Hinted by the face's own instructions, so that no syllable blurs beside its neighbours.
    for (const char *name : {"s1", "s4", "Panel19", "Label7"}) {
        QCOMPARE(driver.find(QString::fromLatin1(name))->font().hintingPreference(),
                 QFont::PreferFullHinting);
    }
    QCOMPARE(driver.find<QLabel>("Label7")->font().pixelSize(), 11);
}

void WindowLayoutTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("hidden");
    const auto row = [](const char *name, const char *type, const char *caption,
                        const char *hint = "", bool hidden = false) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(type)
                            << QString::fromUtf8(caption) << QString::fromUtf8(hint) << hidden;
    };
    row("Panel3", "GradientPanel", "");
    row("SpeedButton9", "QToolButton", "", "새 파일 (Ctrl+N)");
    row("SpeedButton4", "QToolButton", "계산하기");
    row("SpeedButton5", "QToolButton", "옵션 설정", "수수료율 설정");
    row("RxSpeedButton14", "QToolButton", "", "홈페이지");
    row("Image1", "ClickableLabel", "");
    row("Memo2", "QPlainTextEdit", "", "", true);
    row("PageControl1", "QTabWidget", "");
    row("TabSheet1", "QWidget", "");
    row("ScrollBox2", "ScrollBox", "");
    row("Panel1", "GradientPanel", "");
    row("Panel43", "GradientPanel", "");
    row("Panel18", "CaptionPanel", "수     량");
    row("Panel4", "CaptionPanel", "매수단가");
    row("Panel5", "CaptionPanel", "매도단가");
    row("Label44", "QLabel", "증감값");
    row("Panel19", "CaptionPanel", "매수총가");
    row("Panel37", "CaptionPanel", "총수익");
    row("SpeedButton17", "QToolButton", "", "숫자판");
    row("SpeedButton7", "QToolButton", "Clear", "새 파일", true);
    row("Edit6", "ResultField", "XXXX년 X월 X 일 X시X분", "최종 평가 일시", true);
    row("s1", "IntegerSpinField", "");
    row("r1", "DecimalSpinField", "0.029");
    row("r2", "DecimalSpinField", "0.3");
    row("r3", "IntegerSpinField", "200000");
    row("r4", "IntegerSpinField", "500");
    row("CheckBox1", "QCheckBox", "최저수수료 계산 적용");
    row("Panel10", "CaptionPanel", "수수료 비율 설정");
    row("Panel8", "CaptionPanel", "수수료율");
    row("Panel9", "CaptionPanel", "제세금율");
    row("Label1", "QLabel", "%");
    row("SpeedButton1", "QToolButton", "확인");
    row("Memo1", "QPlainTextEdit",
        "수수료율은 증권사마다 다릅니다.\n거래하는 증권사 비율로 설정하세요.\n\n"
        "예) 수수료 0,029 제세금율 0,3\n     주의: 점사용시 ,(컴마)로 기록하여야 합니다.");
    row("Panel21", "CaptionPanel", "최저수수료제");
    row("SpeedButton6", "QToolButton", "?", "최저수수료제 안내");
    row("Panel22", "CaptionPanel", "최저제한액");
    row("Panel23", "CaptionPanel", "적용수수료");
    row("Panel25", "CaptionPanel", "증권사마다 적용유무다름 ");
    row("Panel38", "QFrame", "", "", true);
    row("SpeedButton14", "QToolButton", "+1", "1값 더하기");
    row("SpeedButton15", "QToolButton", "-1", "1값 빼기");
    row("SpeedButton10", "QToolButton", "*10", "10값 곱하기");
    row("SpeedButton13", "QToolButton", "/10", "10값 나누기");
    row("SpeedButton20", "QToolButton", "0", "0원으로 바꾸기");
    row("SpeedButton16", "QToolButton", "");
    row("Panel32", "CaptionPanel", "최고가");
    row("Label3", "QLabel", "목표주기의 최고가를 기록하세요.");
    row("Label19", "QLabel", "변동폭");
    row("Label4", "QLabel", "목표주기의 최저가를 기록하세요.");
    row("Panel33", "CaptionPanel", "최대 가능 수익");
    row("Panel29", "CaptionPanel", "1차목표 수익액");
    row("Panel39", "CaptionPanel", "장기손절가");
    row("Panel42", "CaptionPanel", "단기손절 손실액");
    row("r5", "IntegerSpinField", "25");
    row("r6", "IntegerSpinField", "50");
    row("r7", "IntegerSpinField", "75");
    row("r8", "IntegerSpinField", "10");
    row("r9", "IntegerSpinField", "5");
    row("Label15", "QLabel", "고가-매수 대비");
    row("Label14", "QLabel", "매수가 대비");
    row("Label13", "QLabel", "%");
    row("Gauge1", "BarGauge", "");
    row("Label30", "QLabel", "최고가/저가 대비");
    row("Label20", "QLabel", "매수주가의 위치");
    row("Label28", "QLabel", "주가");
    row("Label29", "QLabel", "최저가");
    row("Label27", "QLabel", "최저가");
    row("GroupBox1", "QGroupBox", "매수가의 위치 분석");
    row("Label48", "QLabel", "최고가");
    row("Label49", "QLabel", "오차");
    row("LMDShapeControl2", "RoundShape", "");
    row("Label45", "QLabel", "주가로 보는 장기 투자 적격 진단");
    row("Memo3", "QPlainTextEdit", "");
    row("SpeedButton18", "QToolButton", "", "숫자판");
    row("SpeedButton11", "QToolButton", "Clear", "새 파일");
    row("Label42", "QLabel", "장기 주식거래를 목표로한 수치값");
    row("Panel55", "CaptionPanel", "상한가");
    row("Panel57", "CaptionPanel", "시가");
    row("Panel66", "CaptionPanel", "1차 손절가");
    row("Panel36", "CaptionPanel", "2차손절 손실액");
    row("r10", "IntegerSpinField", "25");
    row("r11", "IntegerSpinField", "50");
    row("r12", "IntegerSpinField", "2");
    row("r13", "IntegerSpinField", "3");
    row("Label22", "QLabel", "고가-매수 대비");
    row("Label16", "QLabel", "매수가 대비");
    row("Gauge3", "BarGauge", "");
    row("Label35", "QLabel", "상한가/하한가 대비");
    row("Label40", "QLabel", "고가/저가 대비");
    row("GroupBox3", "QGroupBox", "매수가의 위치 분석");
    row("Label57", "QLabel", "저가");
    row("Label61", "QLabel", "주가로 보는 데이트레이딩 적격 진단");
    row("SpeedButton19", "QToolButton", "", "숫자판");
    row("SpeedButton12", "QToolButton", "Clear", "새 파일");
    row("Label41", "QLabel", "데이트레이딩 즉 일 매매를 목표로한 수치값");
}

void WindowLayoutTest::controls() {
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(bool, hidden);
    WindowDriver driver;
    const QList<QWidget *> found = driver.window().findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *widget = found.constFirst();
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), type);
    QCOMPARE(captionOf(widget), caption);
    QCOMPARE(widget->toolTip(), hint);
    QCOMPARE(widget->isHidden(), hidden);
}

void WindowLayoutTest::colours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    const QColor white(255, 255, 255);
    const QColor silver(192, 192, 192);
    const QColor maroon(128, 0, 0);
    const QColor navy(0, 0, 128);
    const QColor black(0, 0, 0);
    QTest::newRow("quantity") << "s1" << white << black;
    QTest::newRow("fee rate") << "r1" << white << black;
    QTest::newRow("read-only position value") << "x8" << white << black;
    QTest::newRow("buy amount") << "s4" << silver << black;
    QTest::newRow("net loss") << "e5" << silver << navy;
    QTest::newRow("net profit") << "e6" << silver << maroon;
    QTest::newRow("total profit") << "e7" << silver << maroon;
    QTest::newRow("step") << "Edit5" << silver << black;
    QTest::newRow("long-term range") << "Edit4" << silver << black;
    QTest::newRow("largest possible profit") << "X1" << silver << maroon;
    QTest::newRow("largest possible loss") << "X2" << silver << navy;
    QTest::newRow("first target") << "W3" << QColor(255, 255, 181) << black;
    QTest::newRow("short stop") << "W7" << QColor(255, 255, 181) << black;
    QTest::newRow("upper limit") << "Y1" << white << maroon;
    QTest::newRow("lower limit") << "Y2" << white << navy;
    QTest::newRow("high") << "Y4" << white << maroon;
    QTest::newRow("low") << "Y5" << white << navy;
    QTest::newRow("day first target") << "Y6" << QColor(255, 255, 191) << black;
    QTest::newRow("day second stop") << "Y9" << QColor(255, 255, 191) << black;
    QTest::newRow("day profit") << "Z3" << silver << black;
    QTest::newRow("caption net loss") << "Panel15" << white << navy;
    QTest::newRow("caption total profit") << "Panel37" << white << maroon;
    QTest::newRow("caption day largest loss") << "Panel63" << white << navy;
    QTest::newRow("caption first target profit") << "Panel61" << white << maroon;
    QTest::newRow("caption long stop loss") << "Panel40" << white << navy;
    QTest::newRow("caption upper limit") << "Panel55" << white << maroon;
    QTest::newRow("caption low") << "Panel59" << white << navy;
    QTest::newRow("gauge top") << "Label34" << QColor() << maroon;
    QTest::newRow("gauge foot") << "Label37" << QColor() << navy;
    QTest::newRow("rates note") << "Memo1" << QColor() << maroon;
    QTest::newRow("minimum-fee note") << "Panel25" << white << maroon;
}

void WindowLayoutTest::colours() {
    QFETCH(QString, name);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    WindowDriver driver;
    QWidget *widget = driver.find(name);
    QVERIFY(widget != nullptr);
    const QPalette palette = widget->palette();
    if (background.isValid()) {
        const QPalette::ColorRole role =
            qobject_cast<QLabel *>(widget) != nullptr ? QPalette::Window : QPalette::Base;
        QCOMPARE(palette.color(role), background);
    }
    const QPalette::ColorRole role =
        qobject_cast<QLabel *>(widget) != nullptr ? QPalette::WindowText : QPalette::Text;
    QCOMPARE(palette.color(role), text);
}

void WindowLayoutTest::everyFieldOfTheCatalogue() {
    WindowDriver driver;
    for (const mx::FieldSpec &fieldSpec : mx::fieldCatalogue()) {
        const QString name = QString::fromUtf8(fieldSpec.name.data(), fieldSpec.name.size());
        QCOMPARE(driver.window().findChildren<QWidget *>(name).size(), 1);
        QWidget *widget = driver.find(name);
        const QString initial =
            QString::fromUtf8(fieldSpec.initial.data(), fieldSpec.initial.size());
        switch (fieldSpec.kind) {
        case mx::FieldKind::IntegerSpin:
        case mx::FieldKind::DecimalSpin:
        case mx::FieldKind::Result:
        case mx::FieldKind::Text:
            QCOMPARE(driver.text(name), initial);
            QCOMPARE(driver.field(name)->isReadOnly(), fieldSpec.readOnly);
            break;
        case mx::FieldKind::Label:
            QCOMPARE(qobject_cast<QLabel *>(widget)->text(), initial);
            break;
        case mx::FieldKind::CheckBox:
            QCOMPARE(qobject_cast<QCheckBox *>(widget)->isChecked(), initial == "1");
            break;
        case mx::FieldKind::Choice:
            QCOMPARE(qobject_cast<QComboBox *>(widget)->currentData().toString(), initial);
            break;
        case mx::FieldKind::Date:
            // Today's date at each start, not stored.
            QCOMPARE(qobject_cast<QDateEdit *>(widget)->date(), QDate(2026, 3, 7));
            break;
        case mx::FieldKind::Gauge:
            QCOMPARE(qobject_cast<BarGauge *>(widget)->model().progress(), 0);
            QCOMPARE(qobject_cast<BarGauge *>(widget)->fillColor(), QColor(255, 0, 0));
            break;
        case mx::FieldKind::Memo:
            QVERIFY(qobject_cast<QPlainTextEdit *>(widget)->toPlainText().isEmpty());
            break;
        case mx::FieldKind::Panel:
            QVERIFY(!widget->isHidden());
            break;
        }
    }
}

void WindowLayoutTest::accessibleNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessible");
    QTest::newRow("quantity") << "s1" << QStringLiteral("수량");
    QTest::newRow("buy price") << "s2" << QStringLiteral("매수단가");
    QTest::newRow("total profit") << "e7" << QStringLiteral("총수익");
    QTest::newRow("step") << "Edit5" << QStringLiteral("증감값");
    QTest::newRow("fee rate") << "r1" << QStringLiteral("수수료율");
    QTest::newRow("threshold") << "r3" << QStringLiteral("최저제한액");
    QTest::newRow("high") << "W1" << QStringLiteral("최고가");
    QTest::newRow("long range") << "Edit4" << QStringLiteral("변동폭");
    QTest::newRow("second day stop") << "Y9" << QStringLiteral("2차 손절가");
    QTest::newRow("day loss") << "Z6" << QStringLiteral("2차손절 손실액");
    QTest::newRow("position buy price") << "z11" << QStringLiteral("매수가");
    QTest::newRow("distance") << "x12" << QStringLiteral("오차");
}

void WindowLayoutTest::accessibleNames() {
    QFETCH(QString, name);
    QFETCH(QString, accessible);
    WindowDriver driver;
    QCOMPARE(driver.find(name)->accessibleName(), accessible);
    for (const mx::FieldSpec &fieldSpec : mx::fieldCatalogue()) {
        if (fieldSpec.kind == mx::FieldKind::IntegerSpin ||
            fieldSpec.kind == mx::FieldKind::DecimalSpin ||
            fieldSpec.kind == mx::FieldKind::Result || fieldSpec.kind == mx::FieldKind::Text) {
            const QString field = QString::fromUtf8(fieldSpec.name.data(), fieldSpec.name.size());
            QVERIFY2(!driver.find(field)->accessibleName().isEmpty(), qPrintable(field));
        }
    }
}

void WindowLayoutTest::menuItems_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QKeySequence>("shortcut");
    const auto row = [](const char *name, const char *caption, const char *parent, bool visible,
                        const QKeySequence &shortcut = {}) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption)
                            << QString::fromLatin1(parent) << visible << shortcut;
    };
    row("N8", "파일", "MainMenu1", false);
    row("N9", "새 파일", "N8", true, QKeySequence(Qt::CTRL | Qt::Key_N));
    row("N10", "파일에서 불러오기", "N8", true, QKeySequence(Qt::CTRL | Qt::Key_O));
    row("N12", "파일로 저장하기", "N8", true, QKeySequence(Qt::CTRL | Qt::Key_S));
    row("N35", "파일 삭제하기", "N8", true, QKeySequence(Qt::CTRL | Qt::Key_Delete));
    row("N13", "-", "N8", true);
    row("N14", "닫기", "N8", true, QKeySequence(Qt::CTRL | Qt::Key_Escape));
    row("N15", "계산하기", "MainMenu1", true, QKeySequence(Qt::Key_Return));
    row("N29", "관리", "MainMenu1", false);
    row("N38", "정품설치안내", "N29", true);
    row("N33", "매도", "N29", true);
    row("N16", "옵션", "MainMenu1", true);
    row("N2", "수수료/최저수수료제 옵션", "N16", false);
    row("N1", "목표가.손절가 옵션", "N16", false);
    row("N3", "파일에서 열기", "N1", true);
    row("Default1", "기본값 (Default)", "N1", true);
    row("N17", "사용법(따라하기)", "MainMenu1", true);
    row("N18", "사용준비 과정. 옵션설정 (*처음1회만 설정)", "N17", true);
    row("N110", "사용 과정1. 주식의 수량을 입력하세요. (*필수과정)", "N17", true);
    row("N22", "사용 과정2. 주식의 매수가를 입력하세요.(*필수과정)", "N17", true);
    row("N32", "사용 과정3. 주식의 매도가를 입력하세요.", "N17", true);
    row("N25", "**마지막과정**. 계산하기 (*필수과정)", "N17", true);
    row("N21", "사용지원", "MainMenu1", true);
    row("N23", "온라인 상담", "N21", true);
    row("N37", "전화상담", "N21", false);
    row("MX1", "MX주식계산기 정품다운", "N21", true);
    row("N36", "제품정보", "N21", true);
    row("N34", "주식정보 사이트", "N21", true);
    row("N24", "홈페이지", "N21", true);
    row("N6", "계산", "PopupMenu4", true);
    row("N7", "수수료율 설정", "PopupMenu4", true);
    row("nonvisual1", "nonvisual", "PopupMenu4", false);
    row("N11", "계산하기 끝에 소스넣기", "nonvisual1", true);
    row("N1111", "외부에서 파일불러오기", "nonvisual1", true);
}

void WindowLayoutTest::menuItems() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, parent);
    QFETCH(bool, visible);
    QFETCH(QKeySequence, shortcut);
    WindowDriver driver;
    auto *action = driver.find<QAction>(name);
    QVERIFY(action != nullptr);
    const bool separator = caption == "-";
    QCOMPARE(action->isSeparator(), separator);
    // A separator draws its line and nothing else.
    QCOMPARE(action->text(), separator ? QString() : caption);
    QCOMPARE(action->isVisible(), visible);
    QCOMPARE(action->shortcut(), shortcut);
    QVERIFY(standsIn(driver, action, parent));
}

void WindowLayoutTest::visibleMenuBar() {
    WindowDriver driver;
    QStringList shown;
    for (const QAction *action : driver.find<QMenuBar>("MainMenu1")->actions()) {
        if (action->isVisible()) {
            shown.append(action->text());
        }
    }
    QCOMPARE(shown, (QStringList{"계산하기", "옵션", "사용법(따라하기)", "사용지원"}));
    QVERIFY(driver.find<QAction>("N15")->shortcuts().contains(QKeySequence(Qt::Key_Enter)));
}

void WindowLayoutTest::contextMenu() {
    WindowDriver driver;
    QWidget *toolbar = driver.find("Panel3");
    QCOMPARE(toolbar->contextMenuPolicy(), Qt::CustomContextMenu);
    auto *popup = driver.find<QMenu>("PopupMenu4");
    QCOMPARE(popup->actions().size(), 3);
}

void WindowLayoutTest::creditLineIsInert() {
    WindowDriver driver;
    auto *credit = driver.find<QLabel>("Label43");
    QVERIFY(!credit->isEnabled());
    QVERIFY(credit->text().startsWith(QStringLiteral("제작.배포:")));
    QTest::mouseClick(credit, Qt::LeftButton);
    QVERIFY(driver.messages().isEmpty());
    QVERIFY(driver.window().isVisible());
}

void WindowLayoutTest::glyphs_data() {
    QTest::addColumn<QString>("button");
    for (const char *button :
         {"SpeedButton9", "SpeedButton4", "SpeedButton5", "RxSpeedButton14", "SpeedButton17",
          "SpeedButton18", "SpeedButton19", "SpeedButton16"}) {
        QTest::newRow(button) << QString::fromLatin1(button);
    }
}

void WindowLayoutTest::glyphs() {
    QFETCH(QString, button);
    WindowDriver driver;
    auto *shown = driver.find<QToolButton>(button);
    QVERIFY(!shown->icon().isNull());
    // Painted, sharp at twice the size as well: some pixels carry ink.
    for (const qreal ratio : {1.0, 2.0}) {
        const QImage picture = shown->icon().pixmap(shown->iconSize(), ratio).toImage();
        QCOMPARE(picture.size(), shown->iconSize() * ratio);
        int inked = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                inked += qAlpha(picture.pixel(x, y)) > 0 ? 1 : 0;
            }
        }
        QVERIFY(inked > picture.width() * picture.height() / 10);
    }
}

void WindowLayoutTest::scrollBarOnlyWhenNeeded() {
    WindowDriver driver;
    auto *box = driver.find<QScrollArea>("ScrollBox2");
    QVERIFY(!box->verticalScrollBar()->isVisible());
    driver.window().setWindowSize({400, 300});
    QTest::qWait(0);
    QVERIFY(box->verticalScrollBar()->isVisible());
    QVERIFY(box->verticalScrollBar()->maximum() > 0);
}

void WindowLayoutTest::pageReadsFromTopToBottom_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("scrollBox");
    QTest::addColumn<QString>("bottomBar");
    QTest::newRow("수수료, 손익") << "TabSheet1"
                                  << "ScrollBox2"
                                  << "Panel43";
    QTest::newRow("장기 목표가.손절가") << "TabSheet2"
                                        << "ScrollBox1"
                                        << "Panel44";
    QTest::newRow("Day 목표가.손절가") << "TabSheet3"
                                       << "ScrollBox3"
                                       << "Panel24";
}

// A screen reader reads a page's parts in the order of its children: the fields come before
// the bar at the foot of the page.
void WindowLayoutTest::pageReadsFromTopToBottom() {
    QFETCH(QString, page);
    QFETCH(QString, scrollBox);
    QFETCH(QString, bottomBar);
    WindowDriver driver;
    const QObjectList parts = driver.find(page)->children();
    const qsizetype box = parts.indexOf(driver.find(scrollBox));
    QVERIFY(box >= 0);
    QVERIFY(box < parts.indexOf(driver.find(bottomBar)));
}

QTEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
