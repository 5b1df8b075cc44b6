#include "U_cal.h"

#include "forms/forms.h"
#include "forms/window_texts.h"
#include "settings/program_folder.h"
#include "widget_sheet.h"
#include "widgets/field_accessibility.h"
#include "widgets/glyphs.h"
#include "widgets/look.h"
#include "widgets/menu_bar.h"
#include "widgets/tab_bar_accessibility.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Messages break their lines with a single carriage return; the box shows them as lines.
QString displayedLines(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

// A box at least as wide as its title bar needs to show the caption whole, with the window
// manager's buttons beside it.
void widenForCaption(QMessageBox &box) {
    QFont title = box.font();
    title.setBold(true);
    title.setPixelSize(std::max(title.pixelSize(), 14));
    const int width = QFontMetrics(title).horizontalAdvance(box.windowTitle()) + 160;
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (grid != nullptr) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

void messageBox(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, window_texts::applicationTitle, displayedLines(text),
                    QMessageBox::Ok, parent);
    // A message may hold a web address for the user to copy.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Every box of one button says "OK", whatever language Qt speaks.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    widenForCaption(box);
    box.exec();
}

bool questionBox(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), displayedLines(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Yes"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    widenForCaption(box);
    return box.exec() == QMessageBox::Yes;
}

// Hands `address` to the desktop: to xdg-open where there is one, which is waited for in the
// background, so that `unopened` runs when it finds no browser; else to Qt's own handler, which
// only says whether it found one to start. False where nothing took the address.
bool openInBrowser(QObject *owner, const QUrl &address, const std::function<void()> &unopened) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        auto *process = new QProcess(owner);
        QObject::connect(process, &QProcess::finished, owner,
                         [process, unopened](int code, QProcess::ExitStatus status) {
                             if (status != QProcess::NormalExit || code != 0) {
                                 unopened();
                             }
                             process->deleteLater();
                         });
        process->start(opener, {address.toString(QUrl::FullyEncoded)});
        if (process->waitForStarted()) {
            return true;
        }
        delete process;
    }
    return QDesktopServices::openUrl(address);
}

QString fileDialog(QWidget *parent, bool save, const QString &folder, const QString &filter,
                   const QString &name) {
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (save) {
        // An existing file is replaced without asking.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

template <typename Function> void replaceIfGiven(Function &own, Function &&given) {
    if (given) {
        own = std::move(given);
    }
}

mx::LocalDateTime localTime() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
            now.time().minute()};
}

} // namespace

Tf_cal::Tf_cal(QWidget *parent, Seams seams)
    : QMainWindow(parent),
      options_([this] { return makeOptionsPanel(); },
               [this](const forms::OptionsPanel &panel) { settleOptionsPanel(panel); }),
      pad_([this] { return makeNumberPad(); },
           [this](const forms::NumberPad &pad) {
               bindNumberPad(pad);
               adoptRegion(pad.panel38);
           }),
      averaging_([this] { return makeAveragingPanel(); },
                 [this](const forms::AveragingPanel &panel) { settleAveragingPanel(panel); }),
      programFolder_(mx::settings::programFolder()) {
    useSeams(std::move(seams));
    setUpFrame();
    // Before any control exists, since assistive technology may ask for one as it is made.
    installTabBarAccessibility();
    installFieldAccessibility();
    buildRegions();
    sheet_ =
        std::make_unique<WidgetSheet>(this, [this](const QString &text) { showMessage(text); });
    buildActions();
    acceptFileDrops(this);
    // The user can type the quantity at once.
    fee_.s1->setFocus(Qt::OtherFocusReason);
    placeAtDesignSize();
    // The trade date is today's at each start; it is not stored.
    const mx::LocalDateTime today = now();
    sheet_->setText("DateEdit1", mx::formatTradeDate({today.year, today.month, today.day}));
    FormCreate();
}

void Tf_cal::useSeams(Seams seams) {
    messageSink_ = [this](const QString &text) { messageBox(this, text); };
    clock_ = localTime;
    question_ = [this](const QString &text) { return questionBox(this, text); };
    dialogRunner_ = [](QDialog &dialog) { dialog.exec(); };
    urlOpener_ = [this](const QUrl &address) {
        return openInBrowser(this, address, [this, address] { showAddress(address); });
    };
    fileDialogs_ = [this](FileDialogMode mode, const QString &folder, const QString &filter,
                          const QString &name) {
        return fileDialog(this, mode == FileDialogMode::Save, folder, filter, name);
    };
    replaceIfGiven(messageSink_, std::move(seams.messages));
    replaceIfGiven(clock_, std::move(seams.clock));
    replaceIfGiven(question_, std::move(seams.question));
    replaceIfGiven(dialogRunner_, std::move(seams.dialogs));
    replaceIfGiven(urlOpener_, std::move(seams.urls));
    replaceIfGiven(fileDialogs_, std::move(seams.fileDialogs));
}

void Tf_cal::setUpFrame() {
    setObjectName(QStringLiteral("f_cal"));
    setWindowTitle(window_texts::windowCaption);
    setWindowIcon(glyphs::icon(glyphs::Glyph::Product));
    // A fixed frame: a minimize button, no maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(look::windowFont());
    setPalette(look::windowPalette());
}

void Tf_cal::buildRegions() {
    // The regions are made from the top of the window down, the order in which a screen reader
    // walks them: the menu bar, the toolbar, the page.
    setMenuBar(new MenuBar(this));
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    clientLayout_ = new QVBoxLayout(client);
    clientLayout_->setContentsMargins(0, 0, 0, 0);
    clientLayout_->setSpacing(0);
    toolbar_ = forms::buildToolbar(client);
    clientLayout_->addWidget(toolbar_.panel3);
    // PageControl1 has one tab, "수수료, 손익", whose page is a stack of the three pages (the
    // planning pages join it when first shown, see buildPlanningPages). They have no tab
    // of their own, so no key, click, wheel or screen-reader action can bring them forward;
    // Calculate and the entry aids fill their fields all the same. The stack stands in the
    // window before a page is made in it, so that no control is set up twice.
    pageControl_ = new QTabWidget(client);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageStack_ = new QStackedWidget;
    pageStack_->setObjectName(QStringLiteral("PageStack"));
    pageControl_->addTab(pageStack_, QStringLiteral("수수료, 손익"));
    // A tab bar with a single tab has nothing to choose: the keyboard goes to the fields.
    pageControl_->setFocusPolicy(Qt::NoFocus);
    pageControl_->tabBar()->setFocusPolicy(Qt::NoFocus);
    clientLayout_->addWidget(pageControl_, 1);
    fee_ = forms::buildFeePage(pageStack_);
    pageStack_->addWidget(fee_.tabSheet1);
    setCentralWidget(client);
}

void Tf_cal::placeAtDesignSize() {
    // The design size, or what page 1 needs in full where the fonts are larger.
    const QSize clientSize = designClientSize.expandedTo(centralWidget()->sizeHint());
    setWindowSize(clientSize + QSize(0, menuBar()->sizeHint().height()));
    move(designPosition);
}

Tf_cal::~Tf_cal() = default;

void Tf_cal::showMessage(const QString &text) {
    messageSink_(text);
}

mx::LocalDateTime Tf_cal::now() const {
    return clock_();
}

bool Tf_cal::confirm(const QString &text) {
    return question_(text);
}

void Tf_cal::openPage(const QUrl &address) {
    bool opened = false;
    try {
        opened = urlOpener_(address);
    } catch (const std::exception &) {
        opened = false;
    }
    if (!opened) {
        showAddress(address);
    }
}

void Tf_cal::showAddress(const QUrl &address) {
    showMessage(window_texts::browserUnavailable + u'\r' + address.toString());
}

mx::Sheet &Tf_cal::sheet() {
    return *sheet_;
}

void Tf_cal::setWindowSize(const QSize &size) {
    setFixedSize(size - (frameGeometry().size() - this->size()));
    FormResize();
}

void Tf_cal::restoreWindowSize(const QSize &size) {
    if (size == frameGeometry().size()) {
        return;
    }
    setWindowSize(size);
    if (!isVisible()) {
        restoredSize_ = size;
    }
}

void Tf_cal::settleRestoredSize() {
    if (!restoredSize_ || !isVisible() || frameGeometry().size() == size()) {
        return;
    }
    const QSize outer = *restoredSize_;
    restoredSize_.reset();
    setWindowSize(outer);
}

void Tf_cal::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    FormShow();
    FormResize();
}

void Tf_cal::buildHiddenRegions() {
    pad_.get();
    buildPlanningPages();
    options_.get();
    lineBufferMemo();
}

void Tf_cal::buildPlanningPages() {
    if (planningPagesBuilt_) {
        return;
    }
    planningPagesBuilt_ = true;
    longTerm_ = forms::buildLongTermPage(pageStack_);
    dayTrading_ = forms::buildDayTradingPage(pageStack_);
    pageStack_->addWidget(longTerm_.tabSheet2);
    pageStack_->addWidget(dayTrading_.tabSheet3);
    // Bound before their fields take the values held in memory, so that each price field
    // takes the step of the price it receives, as if typed.
    bindLongTermPage();
    bindDayTradingPage();
    for (QWidget *region : {longTerm_.tabSheet2, dayTrading_.tabSheet3}) {
        adoptRegion(region);
    }
}

void Tf_cal::adoptRegion(QWidget *region) {
    releaseShortcuts(region);
    acceptFileDrops(region);
    sheet_->adopt(region);
}

void Tf_cal::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    FormResize();
    settleRestoredSize();
}

// The window manager's frame becomes known once the window stands on the screen, at the latest
// when it is first activated.
void Tf_cal::moveEvent(QMoveEvent *event) {
    QMainWindow::moveEvent(event);
    settleRestoredSize();
}

void Tf_cal::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        settleRestoredSize();
    }
}

void Tf_cal::FormShow() {
    // The page control fills the client area below the toolbar by its layout.
    fee_.panel1->setVisible(true);
}

void Tf_cal::FormResize() {
    const int outerWidth = frameGeometry().width();
    if (outerWidth < minimumOuterWidth) {
        setFixedWidth(minimumOuterWidth - (outerWidth - width()));
    }
}

void Tf_cal::showPage(int index) {
    if (index > 0) {
        buildPlanningPages();
    }
    pageStack_->setCurrentIndex(index);
}

void Tf_cal::PageControl1Change(int) {
    if (const forms::NumberPad *pad = pad_.ifBuilt()) {
        pad->panel38->setVisible(false);
    }
}

void Tf_cal::N14Click() {
    close();
}
