#include "window_driver.h"

#include "support/worked_trade.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

bool answerBoxes(const std::function<void()> &action,
                 const std::function<void(QMessageBox &)> &answer, int limitMs) {
    bool inTime = true;
    QPointer<QMessageBox> answered;
    QElapsedTimer shown;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        if (box != answered) {
            answered = box;
            shown.start();
            answer(*box);
        } else if (shown.elapsed() > limitMs) {
            inTime = false;
            box->reject();
        }
    });
    watch.start();
    action();
    watch.stop();
    return inTime;
}

QDir WindowDriver::programFolder() {
    static const QString path = [] {
        static QTemporaryDir folder;
        qputenv("MX_CAL_DIR", folder.path().toLocal8Bit());
        return folder.path();
    }();
    return QDir(path);
}

QString WindowDriver::settingsFile() {
    return programFolder().filePath(QStringLiteral("cal.ini"));
}

WindowDriver::WindowDriver(Start start, bool answer) : answer_(answer) {
    if (start == Start::Fresh) {
        QFile::remove(settingsFile());
    }
    Tf_cal::Seams seams;
    seams.messages = [this](const QString &text) { messages_.append(text); };
    seams.question = [this](const QString &text) {
        questions_.append(text);
        const QWidgetList windows = QApplication::topLevelWidgets();
        shownAtQuestions_.append(std::any_of(windows.begin(), windows.end(), [](QWidget *w) {
            return qobject_cast<Tf_cal *>(w) != nullptr && w->isVisible();
        }));
        return answer_;
    };
    seams.dialogs = [this](QDialog &dialog) { dialogs_.append(dialog.objectName()); };
    seams.urls = [this](const QUrl &address) {
        opened_.append(address);
        return browser_;
    };
    seams.clock = [] { return mx::LocalDateTime{2026, 3, 7, 9, 5}; };
    seams.fileDialogs = [this](Tf_cal::FileDialogMode mode, const QString &folder,
                               const QString &filter, const QString &name) {
        fileDialogs_.append({mode, folder, filter, name});
        return chosenPaths_.isEmpty() ? QString() : chosenPaths_.takeFirst();
    };
    programFolder();
    window_ = std::make_unique<Tf_cal>(nullptr, std::move(seams));
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) {
        QTest::qFail("the window did not become active", __FILE__, __LINE__);
    }
    window_->buildHiddenRegions();
}

QString WindowDriver::text(const QString &name) const {
    auto *edit = field(name);
    if (edit == nullptr) {
        qWarning("no field %s", qPrintable(name));
        return {};
    }
    return edit->text();
}

void WindowDriver::type(const QString &name, const QString &text) {
    QLineEdit *edit = field(name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void WindowDriver::typeWorkedTrade() {
    for (const auto &[name, text] : mx::worked_trade::inputs) {
        type(QString::fromLatin1(name), QString::fromLatin1(text));
    }
}

void WindowDriver::fill(std::initializer_list<std::pair<const char *, const char *>> texts) {
    for (const auto &[name, text] : texts) {
        field(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    }
}

void WindowDriver::showPageOf(const QWidget *widget) {
    const char *pages[] = {"TabSheet1", "TabSheet2", "TabSheet3"};
    for (int index = 0; index < 3; ++index) {
        if (find(QString::fromLatin1(pages[index]))->isAncestorOf(widget)) {
            window_->showPage(index);
        }
    }
}

void WindowDriver::press(const QString &name, QKeyCombination key) {
    QWidget *widget = find(name);
    widget->setFocus();
    QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}
