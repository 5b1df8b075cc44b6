#pragma once

// The main window of MX 주식계산기.
//
// Tf_cal assembles the window from its regions (toolbar, the three pages, the commission
// options panel, the number pad) and the menus, and holds the handlers of every command under
// their fixed names. The calculation itself is the core's (calc/): the window hands it a
// WidgetSheet over its fields. Messages, error boxes, the Yes/No question, modal dialogs, the
// web addresses handed to the desktop and the time of day go through one replaceable function
// each, so that tests can run the window without blocking or opening a browser.

#include "calc/calculate.h"
#include "calc/entry_rules.h"

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string_view>

class IntegerSpinField;
class QDialog;
class QTabWidget;
class WidgetSheet;

class Tf_cal : public QMainWindow {
    Q_OBJECT
public:
    using MessageSink = std::function<void(const QString &)>;
    using Clock = std::function<mx::LocalDateTime()>;
    using Question = std::function<bool(const QString &)>;
    using DialogRunner = std::function<void(QDialog &)>;
    using UrlOpener = std::function<void(const QUrl &)>;

    static constexpr int minimumOuterWidth = 400;
    static constexpr QSize designClientSize{338, 496};

    explicit Tf_cal(QWidget *parent = nullptr);
    ~Tf_cal() override;

    void setMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }
    void setErrorSink(MessageSink sink) { errorSink_ = std::move(sink); }
    void setClock(Clock clock) { clock_ = std::move(clock); }
    // Answers the Yes/No confirmation: true for "&Yes".
    void setQuestionSink(Question sink) { question_ = std::move(sink); }
    // Runs a modal dialog (the about box) until the user closes it.
    void setDialogRunner(DialogRunner runner) { dialogRunner_ = std::move(runner); }
    // Hands a web address to the desktop's default handler.
    void setUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }

    // A modal message box captioned with the application title, with one OK button.
    void showMessage(const QString &text);
    // The top-level error box, for a failure that ends a command.
    void showError(const QString &text);
    mx::LocalDateTime now() const;
    // The confirmation box captioned "Confirm" with a question icon, "&Yes" and "&No".
    bool confirm(const QString &text);
    // Opens a web page; a failure is never reported.
    void openPage(const QUrl &address);

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

    // Price entry aids.
    void s2Change();
    void s3Change();
    void W1Change();
    void W2Change();
    void Y1Change();
    void Y2Change();
    void Y3Change();
    void Y4Change();
    void Y5Change();
    void s2Exit();
    void SpeedButton17Click(); // show the number pad where it stands
    void SpeedButton18Click(); // show it under the button of page 2
    void SpeedButton19Click(); // show it under the button of page 3
    void SpeedButton16Click(); // hide the number pad
    void SpeedButton14Click(); // +1
    void SpeedButton15Click(); // -1
    void SpeedButton10Click(); // *10
    void SpeedButton13Click(); // /10
    void SpeedButton20Click(); // 0

    // Comma handling: each acts on the result field that raised the event.
    void s4Enter(QObject *sender);
    void s5Enter(QObject *sender);
    void e1Enter(QObject *sender);
    void e2Enter(QObject *sender);
    void e3Enter(QObject *sender);
    void e4Enter(QObject *sender);
    void e5Enter(QObject *sender);
    void e6Enter(QObject *sender);
    void s4Exit(QObject *sender);
    void s5Exit(QObject *sender);
    void e1Exit(QObject *sender);
    void e2Exit(QObject *sender);
    void e3Exit(QObject *sender);
    void e4Exit(QObject *sender);
    void e5Exit(QObject *sender);
    void e6Exit(QObject *sender);

    // Usage steps and support commands.
    void N18Click();
    void N110Click();
    void N22Click();
    void N32Click();
    void N25Click();
    void N23Click();             // online consultation page
    void N37Click();             // telephone consultation
    void MX1Click();             // full-edition download page
    void Image1Click();          // about box
    void N34Click();             // stock information site
    void RxSpeedButton14Click(); // home page
    void N38Click();             // promotional notice

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showOptionsPanel();
    void showPages();
    void clearFields(std::initializer_list<std::string_view> names);
    void clearGauges(std::initializer_list<std::string_view> names);
    IntegerSpinField *spinField(const char *name) const;
    void setPriceStep(const char *name);
    void pressPadKey(mx::PadKey key);
    void showNumberPadUnder(const char *button);
    void removeSeparators(QObject *sender);
    void restoreSeparators(QObject *sender);
    void markStep(const char *item);
    void highlight(std::initializer_list<const char *> names);
    void pointAtInput(const char *item, const char *field, const QString &message);

    QTabWidget *pageControl_ = nullptr;
    QWidget *optionsPanel_ = nullptr;
    QWidget *numberPad_ = nullptr;
    QWidget *feeContent_ = nullptr;
    std::unique_ptr<WidgetSheet> sheet_;
    MessageSink messageSink_;
    MessageSink errorSink_;
    Clock clock_;
    Question question_;
    DialogRunner dialogRunner_;
    UrlOpener urlOpener_;
};
