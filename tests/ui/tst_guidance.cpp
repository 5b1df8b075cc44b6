// The usage steps of "사용법(따라하기)" and the support commands of "사용지원" in the real
// window: the bold mark, the yellow fields, the order of message and focus, the web addresses
// handed to the desktop, the notice, the telephone message and the about box.

#include "calc/texts.h"
#include "forms/about_box.h"
#include "forms/guidance_texts.h"
#include "forms/support_config.h"
#include "widgets/qtext.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

namespace {

const QColor yellow{255, 255, 0};

bool isYellow(WindowDriver &driver, const QString &name) {
    return driver.find(name)->palette().color(QPalette::Base) == yellow;
}

QString focusName(WindowDriver &driver) {
    QWidget *focus = driver.window().focusWidget();
    return focus == nullptr ? QString() : focus->objectName();
}

// What the window looked like when a message appeared.
struct AtMessage {
    QString text;
    QString focus;
    bool focusShown; // whether a key would type into a field on the screen
    QStringList yellow;
};

// Runs `action` while the window's own boxes are up, reading each box and closing it with the
// button whose text is `press`.
QStringList readBoxes(const std::function<void()> &action, const QString &press,
                      QStringList *titles = nullptr) {
    QStringList texts;
    const bool inTime = answerBoxes(action, [&](QMessageBox &box) {
        texts.append(box.text());
        if (titles != nullptr) {
            titles->append(box.windowTitle());
            titles->append(box.icon() == QMessageBox::Question ? "question" : "other");
            for (QAbstractButton *button : box.buttons()) {
                titles->append(button->text());
            }
        }
        for (QAbstractButton *button : box.buttons()) {
            if (QString(button->text()).remove('&') == QString(press).remove('&')) {
                button->click();
            }
        }
    });
    if (!inTime) {
        texts.append(QStringLiteral("<a box was left open>"));
    }
    return texts;
}

} // namespace

class GuidanceTest : public QObject {
    Q_OBJECT

private slots:
    void usageSteps_data();
    void usageSteps();
    void boldMarkMovesAndYellowStays();
    void lastStepAfterCalculate_data();
    void lastStepAfterCalculate();
    void webPages_data();
    void webPages();
    void promotionalNotice_data();
    void promotionalNotice();
    void telephoneMessage();
    void aboutBox_data();
    void aboutBox();
    void boxesShowTheLines();
    void confirmationBox();
};

void GuidanceTest::usageSteps_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("highlighted");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("options"); // the options panel shown afterwards
    QTest::newRow("options") << "N18" << QStringList{"r1", "r2", "r3", "r4"}
                             << guidance::optionsStep() << "r1" << true;
    QTest::newRow("quantity") << "N110" << QStringList{"s1"}
                              << QStringLiteral("매수할 주식의 수량을 기록하세요.") << "s1"
                              << false;
    QTest::newRow("buy price") << "N22" << QStringList{"s2"}
                               << QStringLiteral("매수가를 기록하세요.") << "s2" << false;
    QTest::newRow("sell price") << "N32" << QStringList{"s3"}
                                << QStringLiteral("매도가를 기록하세요.") << "s3" << false;
}

void GuidanceTest::usageSteps() {
    QFETCH(QString, item);
    QFETCH(QStringList, highlighted);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(bool, options);
    WindowDriver driver;
    // Start from the other region, with the focus elsewhere.
    if (options) {
        driver.field("e4")->setFocus();
    } else {
        driver.window().N7Click();
        driver.field("r3")->setFocus();
    }
    QList<AtMessage> seen;
    driver.window().setMessageSink([&](const QString &text) {
        QStringList yellowFields;
        for (const QString &name : highlighted) {
            if (isYellow(driver, name)) {
                yellowFields.append(name);
            }
        }
        QWidget *focused = driver.window().focusWidget();
        seen.append(
            {text, focusName(driver), focused != nullptr && focused->isVisible(), yellowFields});
    });
    driver.find<QAction>(item)->trigger();

    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, message);
    QCOMPARE(seen[0].yellow, highlighted); // highlighted before the message
    QVERIFY(seen[0].focusShown);           // behind the message no hidden field has the keys
    QCOMPARE(focusName(driver), focus);
    QCOMPARE(driver.find("Panel7")->isVisible(), options);
    QCOMPARE(driver.find("PageControl1")->isVisible(), !options);
    QCOMPARE(driver.find<QAction>("N17")->menu()->defaultAction(), driver.find<QAction>(item));
    for (const QString &name : highlighted) {
        QVERIFY(isYellow(driver, name));
    }
    QVERIFY(!isYellow(driver, options ? "s1" : "r1"));
}

void GuidanceTest::boldMarkMovesAndYellowStays() {
    WindowDriver driver;
    auto *menu = driver.find<QAction>("N17")->menu();
    QCOMPARE(menu->defaultAction(), nullptr);
    driver.find<QAction>("N110")->trigger();
    QCOMPARE(menu->defaultAction(), driver.find<QAction>("N110"));
    driver.type("s1", "10");
    driver.find<QAction>("N22")->trigger();
    QCOMPARE(menu->defaultAction(), driver.find<QAction>("N22"));
    QVERIFY(isYellow(driver, "s1"));
    QVERIFY(isYellow(driver, "s2"));
    driver.find<QAction>("N18")->trigger();
    driver.find<QToolButton>("SpeedButton1")->click();
    driver.type("s2", "10000");
    driver.press("s2", Qt::Key_Return);
    QVERIFY(isYellow(driver, "s1"));
    QVERIFY(isYellow(driver, "r1"));
    QCOMPARE(menu->defaultAction(), driver.find<QAction>("N18"));
    QCOMPARE(driver.text("s1"), QStringLiteral("10"));
}

void GuidanceTest::lastStepAfterCalculate_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("buy");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("netProfit");
    const QString closing = QStringLiteral(
        "\"계산하기\"를 클릭하여 입력된 값에 맞는 손익과 수수료등의 다양한 결과를 볼 수 있다.");
    QTest::newRow("no quantity: Calculate's message first")
        << ""
        << "10000" << QStringList{qtext(mx::texts::quantityMissing), closing} << "";
    QTest::newRow("no buy price: Calculate's message first")
        << "10"
        << "" << QStringList{qtext(mx::texts::buyPriceMissing), closing} << "";
    QTest::newRow("complete trade") << "10"
                                    << "10000" << QStringList{closing} << "9,609";
}

void GuidanceTest::lastStepAfterCalculate() {
    QFETCH(QString, quantity);
    QFETCH(QString, buy);
    QFETCH(QStringList, messages);
    QFETCH(QString, netProfit);
    WindowDriver driver;
    driver.type("s3", "11000");
    driver.type("s1", quantity);
    driver.type("s2", buy);
    driver.find<QAction>("N25")->trigger();
    QCOMPARE(driver.messages(), messages);
    QCOMPARE(driver.text("e6"), netProfit);
    QCOMPARE(driver.find<QAction>("N17")->menu()->defaultAction(), driver.find<QAction>("N25"));
}

void GuidanceTest::webPages_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("browser");
    QTest::newRow("toolbar home button") << "RxSpeedButton14" << support::homePage << true;
    QTest::newRow("menu 홈페이지") << "N24" << support::homePage << true;
    QTest::newRow("menu 주식정보 사이트") << "N34" << support::homePage << true;
    QTest::newRow("menu 온라인 상담") << "N23" << support::consultationPage << true;
    QTest::newRow("menu 정품다운") << "MX1" << support::downloadPage << true;
    // Without a browser, a box holds the address for the user to copy.
    QTest::newRow("home button, no browser") << "RxSpeedButton14" << support::homePage << false;
    QTest::newRow("menu 온라인 상담, no browser") << "N23" << support::consultationPage << false;
}

void GuidanceTest::webPages() {
    QFETCH(QString, control);
    QFETCH(QString, address);
    QFETCH(bool, browser);
    WindowDriver driver;
    driver.haveBrowser(browser);
    if (auto *button = driver.find<QToolButton>(control)) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        driver.find<QAction>(control)->trigger();
    }
    QCOMPARE(driver.openedPages(), QList<QUrl>{QUrl(address)});
    const QStringList noBrowser{
        QStringLiteral(
            "웹 브라우저를 열 수 없습니다. 아래 주소를 복사하여 브라우저에서 여세요.\r") +
        address};
    QCOMPARE(driver.messages(), browser ? QStringList{} : noBrowser);
    QVERIFY(QUrl(address).isValid());
}

void GuidanceTest::promotionalNotice_data() {
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QList<QUrl>>("opened");
    QTest::newRow("&Yes opens the download page")
        << true << QList<QUrl>{QUrl(support::downloadPage)};
    QTest::newRow("&No opens nothing") << false << QList<QUrl>{};
}

void GuidanceTest::promotionalNotice() {
    QFETCH(bool, yes);
    QFETCH(QList<QUrl>, opened);
    WindowDriver driver;
    driver.answer(yes);
    QVERIFY(!driver.find<QAction>("N29")->isVisible()); // the menu of N38 is hidden
    driver.find<QAction>("N38")->trigger();
    const QStringList lines{"[ 무료정품 제공 행사 안내 ] ",
                            " ",
                            "무료정품을 다운로드 하시겠습니까?  ",
                            " ",
                            "MX 주식계산기 정품을  ",
                            "한달동안 무료로 사용할 수 있습니다. ",
                            "단, 이전정품무료행사 참여자는 제외   ",
                            " ",
                            "정품 주식계산기는 자산,매매,손절,분석등",
                            "막강한 기능들을 제공합니다. ",
                            " ",
                            "상담전화: " + support::telephone};
    QCOMPARE(driver.questions(), QStringList{lines.join('\r')});
    QCOMPARE(driver.openedPages(), opened);
    QVERIFY(driver.messages().isEmpty());
}

void GuidanceTest::telephoneMessage() {
    WindowDriver driver;
    QVERIFY(!driver.find<QAction>("N37")->isVisible());
    driver.find<QAction>("N37")->trigger();
    const QStringList lines{"[전화상담]",
                            "",
                            "전화번호: " + support::telephone,
                            "",
                            "상담시간 오전9시~ 오후6시 (월~금) ",
                            "",
                            "전화주시면 ",
                            "문의사항을 답변드리겠습니다.",
                            "감사합니다."};
    QCOMPARE(driver.messages(), QStringList{lines.join('\r')});
    QVERIFY(!support::telephone.isEmpty());
}

void GuidanceTest::aboutBox_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("toolbar icon") << "Image1";
    QTest::newRow("menu 제품정보") << "N36";
}

void GuidanceTest::aboutBox() {
    QFETCH(QString, control);
    WindowDriver driver;
    QStringList seen;
    driver.window().setDialogRunner([&](QDialog &box) {
        seen.append(box.objectName());
        QVERIFY(box.isModal());
        QCOMPARE(box.windowTitle(), QStringLiteral("제품정보"));
        QCOMPARE(box.findChild<QLabel *>("AboutTitle")->text(), QStringLiteral("제품정보"));
        QCOMPARE(box.findChild<QLabel *>("AboutName")->text(), QStringLiteral("MX 주식계산기"));
        QCOMPARE(box.findChild<QLabel *>("AboutVersion")->text(), QStringLiteral("1.05"));
        const QStringList description{"MX 주식계산기(무료버전)은",
                                      "주식을 매매하기전 발생하는",
                                      "매수.매도 수수료와 손익을 계산하여",
                                      "한눈에 볼 수 있어서",
                                      "수익관리,손실관리력을 향샹시켜줍니다. ",
                                      "",
                                      "",
                                      "",
                                      "",
                                      "이 무료버전보다 성능이 우수한 정식버전은",
                                      "홈페이지에서 다운받을 수 있습니다.",
                                      " "};
        QCOMPARE(guidance::aboutDescription().split("\r\n"), description);
        QCOMPARE(box.findChild<QLabel *>("AboutDescription")->text().split('\n'), description);
        QVERIFY(!box.findChild<QLabel *>("AboutCredit")->text().isEmpty());
        box.show();
        QTest::mouseClick(box.findChild<QToolButton *>("AboutLink"), Qt::LeftButton);
        QCOMPARE(driver.openedPages(), QList<QUrl>{QUrl(support::homePage)});
        QTest::mouseClick(box.findChild<QAbstractButton *>("AboutOk"), Qt::LeftButton);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    });
    if (control == "Image1") {
        QTest::mouseClick(driver.find(control), Qt::LeftButton);
    } else {
        driver.find<QAction>(control)->trigger();
    }
    QCOMPARE(seen, QStringList{"LMDAboutDlg1"});
    QVERIFY(driver.messages().isEmpty());
}

void GuidanceTest::boxesShowTheLines() {
    Tf_cal window;
    window.show();
    const QStringList shown = readBoxes([&] { window.N37Click(); }, "OK");
    QCOMPARE(shown.size(), 1);
    QVERIFY(!shown[0].contains('\r'));
    const QStringList lines = shown[0].split('\n');
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines[0], QStringLiteral("[전화상담]"));
    QCOMPARE(lines[8], QStringLiteral("감사합니다."));
}

void GuidanceTest::confirmationBox() {
    Tf_cal window;
    QList<QUrl> opened;
    window.setUrlOpener([&](const QUrl &address) {
        opened.append(address);
        return true;
    });
    window.show();
    QStringList look;
    const QStringList shown = readBoxes([&] { window.N38Click(); }, "&No", &look);
    QCOMPARE(look, (QStringList{"Confirm", "question", "&Yes", "&No"}));
    QCOMPARE(shown.value(0).split('\n').size(), 12);
    QVERIFY(opened.isEmpty());
    QCOMPARE(readBoxes([&] { window.N38Click(); }, "&Yes").size(), 1);
    QCOMPARE(opened, QList<QUrl>{QUrl(support::downloadPage)});
}

QTEST_MAIN(GuidanceTest)
#include "tst_guidance.moc"
