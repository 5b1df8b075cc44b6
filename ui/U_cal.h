#pragma once

// The main window of MX 주식계산기.
//
// Tf_cal assembles the window from its regions (toolbar, the three pages, the commission
// options panel, the number pad) and the menus, and holds the handlers of every command under
// their fixed names. The calculation itself is the core's (calc/): the window hands it a
// WidgetSheet over its fields. Messages, error boxes and the time of day go through one
// replaceable function each, so that tests can run the window without blocking.

#include "calc/calculate.h"

#include <QMainWindow>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string_view>

class QTabWidget;
class WidgetSheet;

class Tf_cal : public QMainWindow {
    Q_OBJECT
public:
    using MessageSink = std::function<void(const QString &)>;
    using Clock = std::function<mx::LocalDateTime()>;

    static constexpr int minimumOuterWidth = 400;
    static constexpr QSize designClientSize{338, 496};

    explicit Tf_cal(QWidget *parent = nullptr);
    ~Tf_cal() override;

    void setMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }
    void setErrorSink(MessageSink sink) { errorSink_ = std::move(sink); }
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // A modal message box captioned with the application title, with one OK button.
    void showMessage(const QString &text);
    // The top-level error box, for a failure that ends a command.
    void showError(const QString &text);
    mx::LocalDateTime now() const;

    mx::Sheet &sheet();

    // Sets the window's outer size; the width is then widened to at least 400.
    void setWindowSize(const QSize &size);

public slots:
    void N6Click();            // Calculate
    void N11Click();           // position analysis and diagnosis
    void N7Click();            // show the options panel
    void N16Click();           // show the options panel from the menu bar
    void SpeedButton1Click();  // close the options panel
    void SpeedButton6Click();  // minimum-fee explanation
    void SpeedButton9Click();  // New: clear all pages
    void SpeedButton7Click();  // clear page 1
    void SpeedButton11Click(); // clear page 2
    void SpeedButton12Click(); // clear page 3
    void N14Click();           // close the window
    void FormShow();
    void FormResize();
    void PageControl1Change(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showOptionsPanel();
    void showPages();
    void clearFields(std::initializer_list<std::string_view> names);
    void clearGauges(std::initializer_list<std::string_view> names);

    QTabWidget *pageControl_ = nullptr;
    QWidget *optionsPanel_ = nullptr;
    QWidget *numberPad_ = nullptr;
    QWidget *feeContent_ = nullptr;
    std::unique_ptr<WidgetSheet> sheet_;
    MessageSink messageSink_;
    MessageSink errorSink_;
    Clock clock_;
};
