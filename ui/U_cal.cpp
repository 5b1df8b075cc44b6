#include "U_cal.h"

#include "actions.h"
#include "look.h"
#include "pages.h"
#include "product_icon.h"
#include "widget_sheet.h"
#include "window_texts.h"

#include <QDateTime>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

void messageBox(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, window_texts::applicationTitle, text, QMessageBox::Ok,
                    parent);
    box.exec();
}

mx::LocalDateTime localTime() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
            now.time().minute()};
}

} // namespace

Tf_cal::Tf_cal(QWidget *parent)
    : QMainWindow(parent), messageSink_([this](const QString &text) { messageBox(this, text); }),
      errorSink_([this](const QString &text) {
          QMessageBox::critical(this, window_texts::applicationTitle, text);
      }),
      clock_(localTime) {
    setObjectName(QStringLiteral("f_cal"));
    setWindowTitle(window_texts::windowCaption);
    setWindowIcon(productIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(look::windowFont());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    pageControl_ = new QTabWidget(client);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->addTab(pages::buildFeePage(pageControl_), QStringLiteral("수수료, 손익"));
    pageControl_->addTab(pages::buildLongTermPage(pageControl_),
                         QStringLiteral("장기 목표가.손절가"));
    pageControl_->addTab(pages::buildDayTradingPage(pageControl_),
                         QStringLiteral("Day 목표가.손절가"));
    pageControl_->setTabVisible(1, false);
    pageControl_->setTabVisible(2, false);
    pageControl_->setCurrentIndex(0);
    optionsPanel_ = pages::buildOptionsPanel(client);

    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pages::buildToolbar(client));
    layout->addWidget(pageControl_, 1);
    layout->addWidget(optionsPanel_, 1);
    setCentralWidget(client);
    numberPad_ = pages::buildNumberPad(client);
    feeContent_ = client->findChild<QWidget *>(QStringLiteral("Panel1"));

    sheet_ =
        std::make_unique<WidgetSheet>(this, [this](const QString &text) { showMessage(text); });
    actions::build(*this);

    // The design size, or what page 1 needs in full where the fonts are larger.
    const QSize clientSize = designClientSize.expandedTo(client->sizeHint());
    setWindowSize(clientSize + QSize(0, menuBar()->sizeHint().height()));
}

Tf_cal::~Tf_cal() = default;

void Tf_cal::showMessage(const QString &text) {
    messageSink_(text);
}

void Tf_cal::showError(const QString &text) {
    errorSink_(text);
}

mx::LocalDateTime Tf_cal::now() const {
    return clock_();
}

mx::Sheet &Tf_cal::sheet() {
    return *sheet_;
}

void Tf_cal::setWindowSize(const QSize &size) {
    setFixedSize(size - (frameGeometry().size() - this->size()));
    FormResize();
}

void Tf_cal::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    FormShow();
    FormResize();
}

void Tf_cal::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void Tf_cal::FormShow() {
    // The page control fills the client area below the toolbar by its layout.
    feeContent_->setVisible(true);
}

void Tf_cal::FormResize() {
    const int outerWidth = frameGeometry().width();
    if (outerWidth < minimumOuterWidth) {
        setFixedWidth(minimumOuterWidth - (outerWidth - width()));
    }
}

void Tf_cal::PageControl1Change(int) {
    numberPad_->setVisible(false);
}

void Tf_cal::N14Click() {
    close();
}
