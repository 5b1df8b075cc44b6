#pragma once

// The main window of MX 주식계산기.
//
// Tf_cal assembles the window from its regions (toolbar, the three pages, the commission
// options panel, the 평단·물타기 panel, the number pad) and the menus, and holds the handlers of
// every command under their fixed names. The calculation itself is the core's (calc/): the window
// hands it a WidgetSheet over its fields. Messages, the Yes/No question, modal dialogs, the web
// addresses handed to the desktop, the time of day and the file dialogs go through one replaceable
// function each, so that tests can run the window without blocking or opening a browser. Creating
// the window loads cal.ini from the program folder and closing it saves it.

#include "calc/calculate.h"
#include "calc/entry_rules.h"
#include "forms/forms.h"
#include "on_demand.h"
#include "widgets/integer_spin_field.h"

#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>

class QAction;
class QDialog;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QToolButton;
class QStackedWidget;
class QTabWidget;
class QVBoxLayout;
class WidgetSheet;

class Tf_cal : public QMainWindow {
    Q_OBJECT
public:
    using MessageSink = std::function<void(const QString &)>;
    using Clock = std::function<mx::LocalDateTime()>;
    using Question = std::function<bool(const QString &)>;
    using DialogRunner = std::function<void(QDialog &)>;
    // Hands a web address to the desktop; false where the desktop could not open it.
    using UrlOpener = std::function<bool(const QUrl &)>;
    enum class FileDialogMode { Open, Save };
    // Shows a modal open or save dialog starting in `folder` with the type filter (Qt's form,
    // first entry selected) and the proposed file name; the chosen path, or empty on cancel.
    using FileDialogRunner =
        std::function<QString(FileDialogMode mode, const QString &folder, const QString &filter,
                              const QString &proposedName)>;

    // The replaceable functions, given at creation because loading the settings may already
    // show a message or the promotional notice. An empty one keeps the window's own.
    struct Seams {
        MessageSink messages;
        Clock clock;
        Question question;
        DialogRunner dialogs;
        UrlOpener urls;
        FileDialogRunner fileDialogs;
    };

    static constexpr int minimumOuterWidth = 400;
    static constexpr QSize designClientSize{338, 496};
    static constexpr QPoint designPosition{520, 166};

    explicit Tf_cal(QWidget *parent = nullptr, Seams seams = {});
    ~Tf_cal() override;

    void setMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }
    // Runs a modal dialog (the about box) until the user closes it.
    void setDialogRunner(DialogRunner runner) { dialogRunner_ = std::move(runner); }
    // Hands a web address to the desktop's default handler.
    void setUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }

    // A modal message box captioned with the application title, with one OK button.
    void showMessage(const QString &text);
    mx::LocalDateTime now() const;
    // The confirmation box captioned "Confirm" with a question icon, "&Yes" and "&No".
    bool confirm(const QString &text);
    // Hands a web page's address to the desktop, and shows it in a message for the user to copy
    // where no browser opens it.
    void openPage(const QUrl &address);
    void showAddress(const QUrl &address);

    mx::Sheet &sheet();

    // Sets the window's outer size; the width is then widened to at least 400.
    void setWindowSize(const QSize &size);
    // A size restored from cal.ini: set at once, and set again once the window manager's
    // frame is known, since before the first show the frame counts as nothing.
    void restoreWindowSize(const QSize &size);
    // The vertical positions of ScrollBox1, ScrollBox2 and ScrollBox3 back to 0.
    void scrollPagesToTop();

    // Brings page `index` of PageControl1 forward: 0 fees and profit, 1 long-term, 2 day-trading.
    // No input of the window reaches pages 2 and 3; the screenshot tool and the tests do.
    void showPage(int index);
    // The regions the window does not show at start (the long-term and day-trading pages, the
    // options panel, the 평단·물타기 panel, the number pad) are built the first time something
    // shows them; until then their fields live in the sheet's memory, where Calculate, the
    // settings and the entry aids read and write them all the same.
    bool planningPagesBuilt() const { return planningPagesBuilt_; }
    bool optionsPanelBuilt() const { return options_.isBuilt(); }
    bool averagingPanelBuilt() const { return averaging_.isBuilt(); }
    // Builds the number pad, the planning pages, the options panel and the line buffer now,
    // where they are not built yet, without showing them: for what reaches their controls
    // directly rather than through the sheet.
    void buildHiddenRegions();

    // The folder of cal.ini, the option folder and the analysis folder, chosen at start.
    const QString &programFolder() const { return programFolder_; }

public slots:
    void N6Click();            // Calculate
    void N11Click();           // position analysis and diagnosis
    void N7Click();            // show the options panel
    void N16Click();           // show the options panel from the menu bar
    void SpeedButton1Click();  // close the options panel
    void SpeedButton6Click();  // minimum-fee explanation
    void CheckBox2Click();     // the market's rules of the trade date on or off
    void ComboBox1Change();    // another market
    void DateEdit1Change();    // another trade date
    void SpeedButton30Click(); // show the 평단·물타기 panel
    void SpeedButton31Click(); // close it
    // A field of the 평단·물타기 panel changed: a price field takes its step, and the panel's
    // results follow.
    void P1Change(QObject *sender);
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
    // The results of the 평단·물타기 panel.
    void Q1Enter(QObject *sender);
    void Q1Exit(QObject *sender);

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

    // Settings, option files and the trade-record import.
    void FormCreate();    // load cal.ini
    void FormClose();     // save cal.ini
    void N3Click();       // open option file
    void N4Click();       // save option file
    void Default1Click(); // default target and stop-loss percentages
    void N1111Click();    // import a trade record from Memo2, then calculate

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The steps of creating the window, in their order: the replaceable functions, the frame
    // (caption, icon, window flags, font), the regions shown at start, and the design size and
    // position.
    void useSeams(Seams seams);
    void setUpFrame();
    void buildRegions();
    void placeAtDesignSize();
    // The menus, the toolbar's context menu and every binding of a control to its handler, in
    // U_cal_actions.cpp; each region is bound once it is built.
    void buildActions();
    // One item of the menus or of the toolbar's context menu; menuEntries holds them all, one
    // row an item.
    struct MenuEntry;
    static const MenuEntry menuEntries[];
    // Makes the item of `entry` in `parent` with its handler and shortcut; for a menu, returns
    // the menu that its items go into.
    QMenu *addMenuEntry(const MenuEntry &entry, QWidget *parent);
    void bindToolbar();
    void bindFeePage();
    void bindLongTermPage();
    void bindDayTradingPage();
    void bindOptionsPanel(const forms::OptionsPanel &panel);
    void bindNumberPad(const forms::NumberPad &pad);
    void bindAveragingPanel(const forms::AveragingPanel &panel);
    // Binds a price field: its change sets its step, its arrows follow the grid in force.
    void bindPriceField(IntegerSpinField *field, void (Tf_cal::*change)());
    // Binds the comma handling of a result field to its pair of handlers.
    void bindResult(ResultField *field, void (Tf_cal::*enter)(QObject *),
                    void (Tf_cal::*exit)(QObject *));
    // Keeps the keys of the menu shortcuts from the controls of `region`.
    void releaseShortcuts(QWidget *region);

    void showOptionsPanel();
    // Puts `panel` in place of the page control (or of the panel shown there) and the keyboard
    // into `firstField`; showPages puts the pages back with the keyboard where it was on them.
    void showClientPanel(QWidget *panel, QWidget *firstField);
    void showPages();
    void clearFields(std::initializer_list<QLineEdit *> fields);
    void clearGauges(std::initializer_list<std::string_view> names);
    void setPriceStep(IntegerSpinField *field);
    // Where the arrows of a price field go from a value: the next price of the exchange's ticks
    // while the market's rules apply, else the value plus or minus the field's step.
    IntegerSpinField::Stepper priceArrows(const IntegerSpinField *field);
    // The tax line and r2 after a change of the market's rules, and the steps of every price
    // field from the grid in force.
    void applyMarketRules();
    void stepPricesAgain();
    // The steps of the 평단·물타기 panel's price fields, once it is built.
    void stepAveragingPrices();
    // The fields the number pad acts on, in the order its keys look for the focus; those of a
    // page not built yet are null.
    std::array<IntegerSpinField *, 10> padFields() const;
    void pressPadKey(mx::PadKey key);
    void showNumberPadUnder(QToolButton *button);
    void removeSeparators(QObject *sender);
    void restoreSeparators(QObject *sender);
    void markStep(QAction *item);
    void highlight(std::initializer_list<QWidget *> fields);
    void pointAtInput(QAction *item, QLineEdit *field, const QString &message);
    void settleRestoredSize();
    void acceptFileDrops(QWidget *region);
    void buildPlanningPages();
    // What every region built after the window's start needs: the menu shortcuts kept from its
    // controls, dropped files taken by the window, and its fields handed their values.
    void adoptRegion(QWidget *region);
    forms::NumberPad makeNumberPad();
    forms::OptionsPanel makeOptionsPanel();
    void settleOptionsPanel(const forms::OptionsPanel &panel);
    forms::AveragingPanel makeAveragingPanel();
    // The panel's results from its fields and the options, by the core.
    void computeAveraging();
    void settleAveragingPanel(const forms::AveragingPanel &panel);
    // Memo2, the hidden line buffer, made the first time a text passes through it.
    QPlainTextEdit *lineBufferMemo();
    QStringList lineBuffer();
    void setLineBuffer(const QStringList &lines);

    forms::Toolbar toolbar_;
    forms::FeePage fee_;
    forms::LongTermPage longTerm_;              // built when first shown; null members until then
    forms::DayTradingPage dayTrading_;          // likewise
    OnDemand<forms::OptionsPanel> options_;     // built when first shown
    OnDemand<forms::NumberPad> pad_;            // likewise
    OnDemand<forms::AveragingPanel> averaging_; // likewise
    QPlainTextEdit *memo2_ = nullptr;           // made the first time it is used
    // The menu of the usage steps and its items, marked as the user goes through them.
    QAction *n17_ = nullptr;
    QAction *n18_ = nullptr;
    QAction *n110_ = nullptr;
    QAction *n22_ = nullptr;
    QAction *n32_ = nullptr;
    QAction *n25_ = nullptr;
    QList<QKeySequence> commandKeys_; // the shortcuts of the items that run a command
    QTabWidget *pageControl_ = nullptr;
    QVBoxLayout *clientLayout_ = nullptr; // toolbar, then the page control or the options panel
    QStackedWidget *pageStack_ = nullptr; // the three pages, in the one tab of pageControl_
    QWidget *shownPanel_ = nullptr;       // the panel in place of the page control, if any
    bool planningPagesBuilt_ = false;
    QPointer<QWidget> focusOnPages_; // the field the pages give the keyboard back to
    std::unique_ptr<WidgetSheet> sheet_;
    MessageSink messageSink_;
    Clock clock_;
    Question question_;
    DialogRunner dialogRunner_;
    UrlOpener urlOpener_;
    FileDialogRunner fileDialogs_;
    QString programFolder_;
    QString lastOpenedOptionFile_;
    std::optional<QSize> restoredSize_;
};
