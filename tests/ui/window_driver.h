#pragma once

#include "U_cal.h"

#include <QLineEdit>
#include <QStringList>
#include <QUrl>
#include <memory>

// Drives the real window as a user would: types into fields by name, presses keys, and
// collects every message, error box and question instead of showing it, and every web
// address handed to the desktop instead of opening it.
class WindowDriver {
public:
    WindowDriver();

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

    const QStringList &messages() const { return messages_; }
    const QStringList &errors() const { return errors_; }
    const QStringList &questions() const { return questions_; }
    const QList<QUrl> &openedPages() const { return opened_; }
    // The object names of the modal dialogs run, each closed at once.
    const QStringList &dialogs() const { return dialogs_; }

    // How the questions are answered: true for "&Yes".
    void answer(bool yes) { answer_ = yes; }

private:
    std::unique_ptr<Tf_cal> window_;
    QStringList messages_;
    QStringList errors_;
    QStringList questions_;
    QList<QUrl> opened_;
    QStringList dialogs_;
    bool answer_ = false;
};
