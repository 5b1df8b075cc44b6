#pragma once

#include "U_cal.h"

#include <QDir>
#include <QLineEdit>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

// Drives the real window as a user would: types into fields by name, presses keys, and
// collects every message, error box, question and file dialog instead of showing it, and
// every web address handed to the desktop instead of opening it. The planning pages and the
// options panel are built at once, so that every control is found by name; the 평단·물타기
// panel is built when a test opens it.
//
// The program folder of a test binary is one temporary folder, named by MX_CAL_DIR before
// the first window resolves it; it is removed when the binary ends.
class QMessageBox;

// Runs `action`, which shows the program's modal message boxes, and hands each box to `answer`
// once it is up; `answer` reads it and closes it with one of its buttons. A box still up after
// `limitMs` is closed and the call returns false, so that a test never waits without end.
bool answerBoxes(const std::function<void()> &action,
                 const std::function<void(QMessageBox &)> &answer, int limitMs = 5000);

class WindowDriver {
public:
    // Fresh: the window starts without cal.ini. Stored: it starts from what the folder holds.
    enum class Start { Fresh, Stored };

    struct FileDialog {
        Tf_cal::FileDialogMode mode;
        QString folder;
        QString filter;
        QString proposedName;
    };

    explicit WindowDriver(Start start = Start::Fresh, bool answer = false);

    static QDir programFolder();
    static QString settingsFile();

    Tf_cal &window() { return *window_; }

    template <typename T = QWidget> T *find(const QString &name) const {
        return window_->findChild<T *>(name);
    }
    QLineEdit *field(const QString &name) const { return find<QLineEdit>(name); }
    QString text(const QString &name) const;

    // Focuses the field, selects its text and types `text` over it.
    void type(const QString &name, const QString &text);
    // Presses a key with the focus in `name`.
    void press(const QString &name, QKeyCombination key);
    // Types the inputs of the worked trade (support/worked_trade.h) into the three pages.
    void typeWorkedTrade();
    // Sets the texts of fields at once, as a program would (no keys typed).
    void fill(std::initializer_list<std::pair<const char *, const char *>> texts);
    // Brings forward the page that holds `widget`, as the program can (no input of the user can).
    void showPageOf(const QWidget *widget);

    const QStringList &messages() const { return messages_; }
    const QStringList &questions() const { return questions_; }
    // For each question, whether the main window was already on the screen.
    const QList<bool> &windowShownAtQuestions() const { return shownAtQuestions_; }
    const QList<QUrl> &openedPages() const { return opened_; }
    // The object names of the modal dialogs run, each closed at once.
    const QStringList &dialogs() const { return dialogs_; }
    // The file dialogs shown, each answered by the next chosen path (cancelled when none).
    const QList<FileDialog> &fileDialogs() const { return fileDialogs_; }
    void choose(const QString &path) { chosenPaths_.append(path); }

    // How the questions are answered: true for "&Yes".
    void answer(bool yes) { answer_ = yes; }
    // Whether the desktop opens the web addresses handed to it.
    void haveBrowser(bool browser) { browser_ = browser; }

private:
    QStringList messages_;
    QStringList questions_;
    QList<bool> shownAtQuestions_;
    QList<QUrl> opened_;
    QStringList dialogs_;
    QList<FileDialog> fileDialogs_;
    QStringList chosenPaths_;
    bool answer_ = false;
    bool browser_ = true;
    std::unique_ptr<Tf_cal> window_;
};
