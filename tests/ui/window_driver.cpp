#include "window_driver.h"

#include <QDialog>
#include <QTest>

WindowDriver::WindowDriver() : window_(std::make_unique<Tf_cal>()) {
    window_->setMessageSink([this](const QString &text) { messages_.append(text); });
    window_->setErrorSink([this](const QString &text) { errors_.append(text); });
    window_->setQuestionSink([this](const QString &text) {
        questions_.append(text);
        return answer_;
    });
    window_->setDialogRunner([this](QDialog &dialog) { dialogs_.append(dialog.objectName()); });
    window_->setUrlOpener([this](const QUrl &address) { opened_.append(address); });
    window_->setClock([] { return mx::LocalDateTime{2026, 3, 7, 9, 5}; });
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) {
        qWarning("the window did not become active");
    }
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

void WindowDriver::press(const QString &name, QKeyCombination key) {
    QWidget *widget = find(name);
    widget->setFocus();
    QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}
