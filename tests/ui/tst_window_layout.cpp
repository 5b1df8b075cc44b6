// The window as laid out: frame, fonts, what each region reads in the order of reading, the
// defaults, kinds and colours of the fields, the menus as they open.

#include "calc/fields.h"
#include "widgets/bar_gauge.h"
#include "widgets/qtext.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
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

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void frame();
    void minimumWidth_data();
    void minimumWidth();
    void hiddenPagesDoNotWidenTheWindow();
    void fonts();
    void whatARegionReads_data();
    void whatARegionReads();
    void colours_data();
    void colours();
    void everyFieldOfTheCatalogue();
    void accessibleNames_data();
    void accessibleNames();
    void menusAsSeen_data();
    void menusAsSeen();
    void visibleMenuBar();
    void contextMenu();
    void creditLineIsInert();
    void glyphs_data();
    void glyphs();
    void scrollBarOnlyWhenNeeded();
    void textsStandClear();
    void pageReadsFromTopToBottom_data();
    void pageReadsFromTopToBottom();
    void averagingPanelLeavesTheRestAsItWas();
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
    // Every Windows has 맑은 고딕, after the faces of Linux.
    QCOMPARE(font.families().indexOf(QStringLiteral("맑은 고딕")),
             font.families().indexOf(QStringLiteral("Noto Sans CJK KR")) + 1);
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

void WindowLayoutTest::whatARegionReads_data() {
    QTest::addColumn<QString>("region");
    QTest::addColumn<QStringList>("texts");
    // A percentage option: its caption, the value it starts with, its unit.
    const auto option = [](const char *caption, const char *value) {
        return QStringList{QString::fromUtf8(caption), QString::fromLatin1(value), "%"};
    };
    const QStringList gauge{"매수주가의 위치", "최저가", "주가", "최저가"};
    QTest::newRow("toolbar") << "Panel3"
                             << QStringList{"[새 파일 (Ctrl+N)]", "계산하기", "옵션 설정",
                                            "[홈페이지]", "물타기"};
    QTest::newRow("page 1")
        << "TabSheet1"
        << QStringList{"수     량",  "매수단가", "매도단가",   "증감값",
                       "[숫자판]",   "매수총가", "매도총가",   "매수수수료",
                       "매도수수료", "제세금",   "총수수료",   "순손실",
                       "순수익",     "총수익",   "손익분기가", "제작.배포: www.mx-cal.example"};
    QTest::newRow("options panel")
        << "Panel7"
        << QStringList{"수수료 비율 설정",
                       "확인",
                       "수수료율",
                       "0.029",
                       "%",
                       "제세금율",
                       "0.3",
                       "%",
                       "수수료율은 증권사마다 다릅니다.\n거래하는 증권사 비율로 설정하세요.\n\n"
                       "예) 수수료 0,029 제세금율 0,3\n     주의: 점사용시 ,(컴마)로 기록하여야 "
                       "합니다.",
                       "최저수수료제",
                       "?",
                       "최저수수료 계산 적용",
                       "최저제한액",
                       "200000",
                       "적용수수료",
                       "500",
                       "증권사마다 적용유무다름 ",
                       "시장 규칙",
                       "거래일 기준 세율·호가단위 적용",
                       "시장",
                       "매매일",
                       "제세금율 적용 중 (거래일 기준 세율 0.20% 미적용)",
                       "정산 방식"};
    QTest::newRow("평단·물타기 panel")
        << "Panel80"
        << QStringList{"평단·물타기",      "확인",      "수량",        "단가",       "보유",
                       "1차 매수",         "2차 매수",  "3차 매수",    "4차 매수",   "5차 매수",
                       "현재가",           "목표 평단", "총수량",      "총매수금액", "평균단가",
                       "수수료 포함 평단", "평가금액",  "평가손익",    "수익률",     "손익분기가",
                       "필요 수량",        "필요 금액", "매수 후 평단"};
    QTest::newRow("number pad") << "Panel38"
                                << QStringList{"+1", "-1", "*10", "/10", "0", "[숫자판 닫기]"};
    QTest::newRow("long-term page")
        << "TabSheet2"
        << (QStringList{"최고가", "[숫자판]", "목표주기의 최고가를 기록하세요.", "변동폭", "최저가",
                        "목표주기의 최저가를 기록하세요.", "최대 가능 수익", "최대 가능 손실",
                        "1차목표가", "1차목표 수익액"}
            << option("고가-매수 대비", "25") << "2차목표가"
            << "2차목표 수익액" << option("고가-매수 대비", "50") << "3차목표가"
            << "3차목표 수익액" << option("고가-매수 대비", "75") << "장기손절가"
            << "장기손절 손실액" << option("매수가 대비", "10") << "단기손절가"
            << "단기손절 손실액" << option("매수가 대비", "5") << "최고가/저가 대비" << gauge
            << "매수가의 위치 분석"
            << "최고가"
            << "매수가"
            << "최저가"
            << "오차"
            << "오차"
            << "주가로 보는 장기 투자 적격 진단"
            << "Clear"
            << "장기 주식거래를 목표로한 수치값");
    QTest::newRow("day-trading page")
        << "TabSheet3"
        << (QStringList{"상한가", "[숫자판]", "변동폭", "하한가", "시가", "고가", "변동폭", "저가",
                        "최대 가능 수익", "최대 가능 손실", "1차목표가", "1차목표 수익액"}
            << option("고가-매수 대비", "25") << "2차목표가"
            << "2차목표 수익액" << option("고가-매수 대비", "50") << "1차 손절가"
            << "1차손절 손실액" << option("매수가 대비", "2") << "2차 손절가"
            << "2차손절 손실액" << option("매수가 대비", "3") << "상한가/하한가 대비" << gauge
            << "고가/저가 대비" << gauge << "매수가의 위치 분석"
            << "상한가"
            << "매수가"
            << "하한가"
            << "오차"
            << "오차"
            << "매수가의 위치 분석"
            << "고가"
            << "매수가"
            << "저가"
            << "오차"
            << "오차"
            << "주가로 보는 데이트레이딩 적격 진단"
            << "Clear"
            << "데이트레이딩 즉 일 매매를 목표로한 수치값");
}

// What a region shows the user in the order of reading: its captions, notes, buttons (one
// without a caption by its hint, in brackets) and the texts its fields start with, each once it
// is on the screen.
void WindowLayoutTest::whatARegionReads() {
    QFETCH(QString, region);
    QFETCH(QStringList, texts);
    WindowDriver driver;
    if (region == "Panel80") {
        driver.window().SpeedButton30Click();
    }
    QWidget *shown = driver.find(region);
    QWidget *page = shown;
    while (page != nullptr && !page->objectName().startsWith(QLatin1String("TabSheet"))) {
        page = page->parentWidget();
    }
    if (page != nullptr) {
        driver.showPageOf(shown);
    } else if (region == "Panel7") {
        driver.window().N7Click();
    } else if (region == "Panel38") {
        driver.window().SpeedButton17Click();
    }
    QStringList read;
    for (QWidget *widget : shown->findChildren<QWidget *>()) {
        // The arrows of a spin field are part of the field.
        if (!widget->isVisibleTo(shown) || widget->objectName().startsWith(QLatin1String("qt_")) ||
            qobject_cast<QLineEdit *>(widget->parentWidget()) != nullptr) {
            continue;
        }
        QString text = captionOf(widget);
        if (text.isEmpty() && qobject_cast<QAbstractButton *>(widget) != nullptr) {
            const QString hint = widget->toolTip();
            text = QLatin1Char('[') + (hint.isEmpty() ? widget->accessibleName() : hint) +
                   QLatin1Char(']');
        }
        if (!text.isEmpty()) {
            read << text;
        }
    }
    QCOMPARE(read, texts);
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
    QTest::newRow("holding quantity") << "P1" << white << black;
    QTest::newRow("average price with fees") << "Q3" << silver << black;
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
    driver.window().SpeedButton30Click();
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
    // The 평단·물타기 panel is built when it is first shown.
    QVERIFY(driver.find("P1") == nullptr);
    driver.window().SpeedButton30Click();
    for (const mx::FieldSpec &fieldSpec : mx::fieldCatalogue()) {
        const QString name = qtext(fieldSpec.name);
        QCOMPARE(driver.window().findChildren<QWidget *>(name).size(), 1);
        QWidget *widget = driver.find(name);
        // Assistive technology names the field by its caption in the catalogue, without the
        // blanks that only space its letters out ("수     량").
        QString caption = qtext(fieldSpec.caption);
        caption.remove(QRegularExpression(QStringLiteral(" {2,}")));
        if (!caption.isEmpty()) {
            // A check box is named by its text.
            const QString named =
                widget->accessibleName().isEmpty()
                    ? QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name)
                    : widget->accessibleName();
            QCOMPARE(named, caption);
        }
        const QString initial = qtext(fieldSpec.initial);
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
    QTest::newRow("holding quantity") << "P1" << QStringLiteral("보유수량");
    QTest::newRow("second buy's price") << "P6" << QStringLiteral("2차 매수 단가");
    QTest::newRow("target average") << "P14" << QStringLiteral("목표 평단");
    QTest::newRow("average price with fees") << "Q3" << QStringLiteral("수수료 포함 평단");
    QTest::newRow("resulting average") << "Q11" << QStringLiteral("매수 후 평단");
}

void WindowLayoutTest::accessibleNames() {
    QFETCH(QString, name);
    QFETCH(QString, accessible);
    WindowDriver driver;
    driver.window().SpeedButton30Click();
    QCOMPARE(driver.find(name)->accessibleName(), accessible);
    for (const mx::FieldSpec &fieldSpec : mx::fieldCatalogue()) {
        if (fieldSpec.kind == mx::FieldKind::IntegerSpin ||
            fieldSpec.kind == mx::FieldKind::DecimalSpin ||
            fieldSpec.kind == mx::FieldKind::Result || fieldSpec.kind == mx::FieldKind::Text) {
            const QString field = qtext(fieldSpec.name);
            QVERIFY2(!driver.find(field)->accessibleName().isEmpty(), qPrintable(field));
        }
    }
}

void WindowLayoutTest::menusAsSeen_data() {
    QTest::addColumn<QString>("menu"); // the item that opens it, or the toolbar's context menu
    QTest::addColumn<QStringList>("items");
    QTest::newRow("사용법(따라하기)")
        << "N17"
        << QStringList{"사용준비 과정. 옵션설정 (*처음1회만 설정)",
                       "-",
                       "사용 과정1. 주식의 수량을 입력하세요. (*필수과정)",
                       "사용 과정2. 주식의 매수가를 입력하세요.(*필수과정)",
                       "사용 과정3. 주식의 매도가를 입력하세요.",
                       "-",
                       "**마지막과정**. 계산하기 (*필수과정)"};
    QTest::newRow("사용지원") << "N21"
                              << QStringList{"온라인 상담", "MX주식계산기 정품다운", "제품정보",
                                             "-",           "주식정보 사이트",       "홈페이지"};
    QTest::newRow("the toolbar's context menu")
        << "PopupMenu4" << QStringList{"계산", "수수료율 설정", "평균단가·물타기 계산"};
}

// The items a menu shows when it opens, in order, a separator as "-": hidden items show nowhere.
void WindowLayoutTest::menusAsSeen() {
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    WindowDriver driver;
    const auto *popup = driver.find<QMenu>(menu);
    const QList<QAction *> actions =
        popup != nullptr ? popup->actions() : driver.find<QAction>(menu)->menu()->actions();
    QStringList shown;
    for (const QAction *action : actions) {
        if (action->isVisible()) {
            shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
    }
    QCOMPARE(shown, items);
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
    QCOMPARE(popup->actions().size(), 4);
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
          "SpeedButton18", "SpeedButton19", "SpeedButton16", "SpeedButton30"}) {
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
    // The options panel fits whole, with the tax line of the market's rules or without it.
    driver.window().N7Click();
    auto *options = driver.find<QScrollArea>("ScrollBox4");
    for (int click = 0; click < 2; ++click) {
        QTest::qWait(0);
        QCOMPARE(options->verticalScrollBar()->maximum(), 0);
        QTest::mouseClick(driver.find<QCheckBox>("CheckBox2"), Qt::LeftButton);
    }
    driver.window().SpeedButton1Click();
    driver.window().setWindowSize({400, 300});
    QTest::qWait(0);
    QVERIFY(box->verticalScrollBar()->isVisible());
    QVERIFY(box->verticalScrollBar()->maximum() > 0);
}

namespace {

// The first and the last row of `image` with a pixel that `ink` takes for ink, or {-1, -1}.
// The bounds of the pixels of `image` that `ink` takes for ink.
template <typename Ink> QRect inkBounds(const QImage &image, Ink ink) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (ink(image.pixelColor(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

} // namespace

// Texts stand clear of what is around them: the note under the minimum-fee rule inside its
// panel's frame, whatever face lends its fixed-pitch face the Hangul; 증감값 beside s1 and above
// its field.
void WindowLayoutTest::textsStandClear() {
    WindowDriver driver;
    driver.window().N7Click();
    QTest::qWait(0);
    auto *note = driver.find<QLabel>("Panel25");
    const auto maroon = [](const QColor &c) { return c.red() > 90 && c.green() < 80; };
    const QRect text = inkBounds(note->grab().toImage(), maroon);
    QVERIFY(text.top() > note->contentsRect().top() &&
            text.bottom() < note->contentsRect().bottom());
    driver.window().SpeedButton1Click();
    QTest::qWait(0);
    // Clear of its field below and of s1 beside it by more than the page's spacing of 4.
    auto *step = driver.find<QLabel>("Label44");
    const auto dark = [](const QColor &c) { return c.value() < 100; };
    const QRect caption = inkBounds(step->grab().toImage(), dark).translated(step->pos());
    QVERIFY(driver.field("Edit5")->y() - caption.bottom() > 5);
    QVERIFY(caption.left() - driver.field("s1")->geometry().right() > 5);
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

// Where every control of the toolbar, page 1 and the options panel stands, with its text.
QStringList placesAndTexts(WindowDriver &driver) {
    QStringList places;
    for (const char *region : {"Panel3", "TabSheet1", "Panel7"}) {
        for (QWidget *widget :
             driver.find(QString::fromLatin1(region))->findChildren<QWidget *>()) {
            const QRect place(widget->mapTo(&driver.window(), QPoint()), widget->size());
            places << QStringLiteral("%1 %2,%3 %4x%5 %6")
                          .arg(widget->objectName())
                          .arg(place.x())
                          .arg(place.y())
                          .arg(place.width())
                          .arg(place.height())
                          .arg(captionOf(widget));
        }
    }
    return places;
}

// Never opened, the 평단·물타기 panel is not built; its button stands in the toolbar's free space
// after the home page button, and opening it, typing and closing it moves nothing of the
// toolbar, page 1 or the options panel, nor changes their texts.
void WindowLayoutTest::averagingPanelLeavesTheRestAsItWas() {
    WindowDriver driver;
    QVERIFY(!driver.window().averagingPanelBuilt());
    QVERIFY(driver.find("Panel80") == nullptr);
    const QRect home = driver.find("RxSpeedButton14")->geometry();
    const QRect button = driver.find("SpeedButton30")->geometry();
    const QRect icon = driver.find("Image1")->geometry();
    QVERIFY(home.right() < button.left() && button.right() < icon.left());
    QCOMPARE(icon.right(), driver.find("Panel3")->width() - 7);
    driver.type("s1", "10");
    driver.type("s2", "10000");
    driver.window().N7Click();
    driver.window().SpeedButton1Click();
    const QStringList before = placesAndTexts(driver);
    QTest::keyClick(driver.window().windowHandle(), Qt::Key_M, Qt::ControlModifier);
    QVERIFY(driver.window().averagingPanelBuilt());
    driver.type("P13", "9000");
    QTest::keyClick(driver.window().windowHandle(), Qt::Key_Escape);
    QCOMPARE(placesAndTexts(driver), before);
}

QTEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
