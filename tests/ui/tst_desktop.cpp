// The window as the desktop receives it: its title exactly as the platform window gets it, one
// object for each control name, menu separators without text, Qt's own texts in Korean while the
// program's message boxes keep their OK button.

#include "application.h"
#include "forms/support_config.h"
#include "widgets/look.h"
#include "window_driver.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>

namespace {

bool hasHangul(const QString &text) {
    static const QRegularExpression hangul(QStringLiteral("[\\x{AC00}-\\x{D7A3}]"));
    return text.contains(hangul);
}

// Qt appends the application's display name to every window title that does not end with it,
// once a display name has been set. One that was never set follows the application name.
bool displayNameSet() {
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    const bool follows = QGuiApplication::applicationDisplayName() == QLatin1String("probe");
    QCoreApplication::setApplicationName(name);
    return !follows;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void titleAsThePlatformGetsIt();
    void plainAsciiProgramName();
    void oneObjectForEachControlName();
    void separatorsDrawOnlyALine();
    void fieldContextMenuInKorean_data();
    void fieldContextMenuInKorean();
    void fileDialogInKorean();
    void messageBoxKeepsItsOkButton();
    void webAddressWithoutBrowser_data();
    void webAddressWithoutBrowser();
    void darkDesktop();
    void endOfSessionSavesTheSettings();
};

void DesktopTest::initTestCase() {
    application::setUp(*qApp);
}

void DesktopTest::titleAsThePlatformGetsIt() {
    WindowDriver driver;
    QVERIFY(!displayNameSet());
    QWindow *platformWindow = driver.window().windowHandle();
    QVERIFY(platformWindow != nullptr);
    QCOMPARE(platformWindow->title(), QStringLiteral("MX 주식계산기(무료버전) "));
}

void DesktopTest::plainAsciiProgramName() {
    // The X11 window class and the per-user folders derive from it.
    const QString name = QCoreApplication::applicationName();
    QCOMPARE(name, QStringLiteral("mx_cal"));
    QCOMPARE(QString::fromLatin1(name.toLatin1()), name);
    // The desktop file and the Wayland app id: a reverse-DNS id.
    QVERIFY(QGuiApplication::desktopFileName().count(QLatin1Char('.')) >= 2);
}

void DesktopTest::oneObjectForEachControlName() {
    WindowDriver driver;
    driver.window().SpeedButton30Click();
    QMultiHash<QString, QObject *> named;
    for (QObject *object : driver.window().findChildren<QObject *>()) {
        const QString name = object->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {
            named.insert(name, object);
        }
    }
    QStringList twice;
    for (const QString &name : named.uniqueKeys()) {
        if (named.count(name) > 1) {
            twice << name;
        }
    }
    QCOMPARE(twice, QStringList());
    QVERIFY(named.contains(QStringLiteral("N16")));
    QVERIFY(qobject_cast<QAction *>(named.value(QStringLiteral("N16"))) != nullptr);
}

void DesktopTest::separatorsDrawOnlyALine() {
    WindowDriver driver;
    for (const char *name : {"N5", "N13", "N19", "N20", "N27", "N31"}) {
        auto *separator = driver.find<QAction>(QString::fromLatin1(name));
        QVERIFY2(separator != nullptr, name);
        QVERIFY2(separator->isSeparator(), name);
        QVERIFY2(separator->text().isEmpty(), name);
    }
}

void DesktopTest::fieldContextMenuInKorean_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("items"); // a read-only field offers only copying and selecting
    QTest::newRow("input") << "s1" << 7;
    QTest::newRow("result") << "e6" << 2;
    QTest::newRow("rate") << "r1" << 7;
}

void DesktopTest::fieldContextMenuInKorean() {
    QFETCH(QString, field);
    QFETCH(int, items);
    WindowDriver driver;
    std::unique_ptr<QMenu> menu(driver.field(field)->createStandardContextMenu());
    int shown = 0;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator() && action->isVisible()) {
            ++shown;
            QVERIFY2(hasHangul(action->text()), qPrintable(action->text()));
        }
    }
    QCOMPARE(shown, items);
}

void DesktopTest::fileDialogInKorean() {
    QFileDialog dialog(nullptr, QString(), QDir::tempPath(), QStringLiteral("*.mxi"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("fileNameLabel"));
    QVERIFY(label != nullptr);
    QVERIFY2(hasHangul(label->text()), qPrintable(label->text()));
    QVERIFY(hasHangul(dialog.windowTitle()));
}

// The window's own boxes, shown for real and closed by their button: one "OK" whatever language
// Qt speaks, and wide enough for a title bar to show the caption whole.
void DesktopTest::messageBoxKeepsItsOkButton() {
    WindowDriver::programFolder();
    Tf_cal window;
    QStringList buttons;
    int width = 0;
    QString caption;
    const auto show = [&] { window.showMessage(QStringLiteral("x")); };
    QVERIFY(answerBoxes(show, [&](QMessageBox &box) {
        for (QAbstractButton *button : box.buttons()) {
            buttons << button->text();
        }
        width = box.width();
        caption = box.windowTitle();
        box.buttons().constFirst()->click();
    }));
    QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(caption, QStringLiteral("MX 주식계산기"));
    QFont title = window.font();
    title.setBold(true);
    title.setPixelSize(14);
    QVERIFY(width > QFontMetrics(title).horizontalAdvance(caption) + 100);
}

// The desktop's xdg-open (here a script) tells whether it found a browser only once it has ended:
// where it found none, the address is shown to be copied.
void DesktopTest::webAddressWithoutBrowser_data() {
    QTest::addColumn<int>("exitCode");
    QTest::newRow("xdg-open finds no browser") << 3;
    QTest::newRow("xdg-open hands it to a browser") << 0;
}

void DesktopTest::webAddressWithoutBrowser() {
#ifdef _WIN32
    QSKIP("Windows hands an address to the browser through its shell, without xdg-open");
#endif
    QFETCH(int, exitCode);
    const QTemporaryDir bin;
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\necho \"$1\" > \"$0.seen\"\nexit " + QByteArray::number(exitCode) +
                 "\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + path);
    WindowDriver::programFolder();
    QStringList messages;
    Tf_cal::Seams seams;
    seams.messages = [&messages](const QString &text) { messages << text; };
    Tf_cal window(nullptr, std::move(seams));
    window.N23Click();
    qputenv("PATH", path);
    QTRY_VERIFY(QFile::exists(opener.fileName() + QStringLiteral(".seen")));
    QTest::qWait(200);
    const QStringList address{
        QStringLiteral(
            "웹 브라우저를 열 수 없습니다. 아래 주소를 복사하여 브라우저에서 여세요.\r") +
        support::consultationPage};
    QTRY_COMPARE(messages, exitCode == 0 ? QStringList{} : address);
}

namespace {

// The colours of a dark desktop.
QPalette darkPalette() {
    QPalette dark;
    for (const auto &[role, color] : {std::pair{QPalette::Window, QColor(35, 38, 41)},
                                      {QPalette::WindowText, Qt::white},
                                      {QPalette::Base, QColor(20, 22, 24)},
                                      {QPalette::Text, QColor(252, 252, 252)},
                                      {QPalette::Button, QColor(49, 54, 59)},
                                      {QPalette::ButtonText, Qt::white},
                                      {QPalette::Highlight, QColor(61, 174, 233)},
                                      {QPalette::Light, QColor(70, 70, 70)},
                                      {QPalette::Mid, QColor(30, 30, 30)},
                                      {QPalette::Dark, QColor(10, 10, 10)}}) {
        dark.setColor(role, color);
    }
    return dark;
}

// A desktop style whose own colours are dark, as Adwaita-Dark's are.
class DarkStyle : public QProxyStyle {
public:
    DarkStyle() : QProxyStyle(QStringLiteral("Fusion")) {}
    QPalette standardPalette() const override { return darkPalette(); }
};

// Page 1 after a calculation, the options panel and the 평단·물타기 panel.
QList<QImage> pictures() {
    WindowDriver driver;
    driver.fill({{"s1", "10"}, {"s2", "10000"}, {"s3", "11000"}});
    driver.window().N6Click();
    QApplication::processEvents();
    QList<QImage> shown{driver.window().grab().toImage()};
    driver.window().N7Click();
    QApplication::processEvents();
    shown << driver.window().grab().toImage();
    driver.window().SpeedButton30Click();
    QApplication::processEvents();
    shown << driver.window().grab().toImage();
    return shown;
}

} // namespace

// Under a dark colour scheme, given as the desktop's colours or as a dark style's, the window
// looks as it does under the default one: it fixes the colours of its text together with those
// of its backgrounds.
void DesktopTest::darkDesktop() {
    // The window's own colours are Fusion's light ones as a desktop without a scheme gives them,
    // written out, since a platform theme (GTK's dark Adwaita) hands Fusion its dark colours.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette standard = fusion->standardPalette();
    const QPalette fixed = look::windowPalette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role != QPalette::NoRole) {
                const auto g = QPalette::ColorGroup(group);
                const auto r = QPalette::ColorRole(role);
                QCOMPARE(fixed.color(g, r), standard.color(g, r));
            }
        }
    }
    const QString style = QApplication::style()->name();
    // A caret that does not blink is in all pictures alike.
    QApplication::setCursorFlashTime(0);
    const QList<QImage> light = pictures();
    QApplication::setPalette(darkPalette());
    const QList<QImage> darkColours = pictures();
    QApplication::setStyle(new DarkStyle);
    const QList<QImage> darkStyle = pictures();
    QApplication::setStyle(style);
    QApplication::setPalette(QApplication::style()->standardPalette());
    for (const QList<QImage> &dark : {darkColours, darkStyle}) {
        QCOMPARE(dark.size(), light.size());
        for (qsizetype i = 0; i < light.size(); ++i) {
            const char *const what[] = {"page 1", "options panel", "평단·물타기 panel"};
            QVERIFY2(dark[i] == light[i], what[i]);
        }
    }
}

// A session that ends sends SIGTERM: the window closes as by its close box and saves.
void DesktopTest::endOfSessionSavesTheSettings() {
#ifdef _WIN32
    QSKIP("Windows ends a session through its session manager, which a test cannot start");
#else
    WindowDriver driver;
    driver.type("r5", "35");
    QVERIFY(::raise(SIGTERM) == 0);
    QTRY_VERIFY_WITH_TIMEOUT(!driver.window().isVisible(), 5000);
    // A program that is still starting (a box up before its window) does not open it then.
    QVERIFY(application::terminationRequested());
    QFile settings(WindowDriver::settingsFile());
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(settings.readAll().contains("r5=35"));
#endif
}

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
