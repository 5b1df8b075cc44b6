#include "U_cal.h"
#include "settings/settings.h"
#include "settings_host.h"
#include "widget_sheet.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace settings = mx::settings;

namespace {

// The first of the dragged items when it is a local file.
std::optional<QString> draggedFile(const QMimeData *data) {
    if (data == nullptr || !data->hasUrls()) {
        return std::nullopt;
    }
    const QUrl first = data->urls().value(0);
    if (!first.isLocalFile()) {
        return std::nullopt;
    }
    return first.toLocalFile();
}

} // namespace

void Tf_cal::FormCreate() {
    WindowSettingsHost host(*this);
    settings::SettingsFile(settings::settingsFilePath(programFolder_)).load(*sheet_, host);
    // Prices step by the exchange's ticks from the start when the stored rules say so.
    if (sheet_->isChecked("CheckBox2")) {
        stepPricesAgain();
    }
}

void Tf_cal::FormClose() {
    // The folder may have been removed while the program ran.
    settings::ensureFolder(programFolder_);
    WindowSettingsHost host(*this);
    settings::SettingsFile(settings::settingsFilePath(programFolder_)).save(*sheet_, host);
}

void Tf_cal::closeEvent(QCloseEvent *event) {
    // A failed save has been reported by now; the window closes all the same.
    FormClose();
    event->accept();
}

void Tf_cal::scrollPagesToTop() {
    for (QScrollArea *box : {longTerm_.scrollBox1, fee_.scrollBox2, dayTrading_.scrollBox3}) {
        // A page not built yet starts at its top when it is.
        if (box != nullptr) {
            box->verticalScrollBar()->setValue(0);
        }
    }
}

QPlainTextEdit *Tf_cal::lineBufferMemo() {
    if (memo2_ == nullptr) {
        memo2_ = forms::buildLineBuffer(toolbar_.panel3);
        acceptFileDrops(toolbar_.panel3);
    }
    return memo2_;
}

QStringList Tf_cal::lineBuffer() {
    return lineBufferMemo()->toPlainText().split(QLatin1Char('\n'));
}

void Tf_cal::setLineBuffer(const QStringList &lines) {
    lineBufferMemo()->setPlainText(lines.join(QLatin1Char('\n')));
}

void Tf_cal::N4Click() {
    const QString folder = settings::optionFolderPath(programFolder_);
    settings::ensureFolder(folder);
    const QString chosen =
        fileDialogs_(FileDialogMode::Save, folder, settings::optionFileFilter(), QString());
    if (chosen.isEmpty()) {
        return;
    }
    QStringList buffer = lineBuffer();
    // A failed write is silent; the buffer holds the nine lines all the same.
    settings::saveOptionFile(chosen, *sheet_, buffer);
    setLineBuffer(buffer);
}

void Tf_cal::N3Click() {
    const QString folder = settings::optionFolderPath(programFolder_);
    settings::ensureFolder(folder);
    const QString chosen = fileDialogs_(FileDialogMode::Open, folder, settings::optionFileFilter(),
                                        lastOpenedOptionFile_);
    if (chosen.isEmpty()) {
        return;
    }
    lastOpenedOptionFile_ = QFileInfo(chosen).fileName();
    QStringList buffer = lineBuffer();
    // Stops silently at the first line that cannot be taken.
    settings::openOptionFile(chosen, *sheet_, buffer);
    setLineBuffer(buffer);
}

void Tf_cal::Default1Click() {
    settings::resetOptionDefaults(*sheet_);
}

void Tf_cal::N1111Click() {
    settings::ensureFolder(settings::analysisFolderPath(programFolder_));
    scrollPagesToTop();
    settings::importTradeRecord(lineBuffer(), *sheet_);
    N6Click();
}

void Tf_cal::acceptFileDrops(QWidget *region) {
    // The fields would take a dropped file's name as text; the window takes the file.
    for (QWidget *child : region->findChildren<QWidget *>()) {
        child->setAcceptDrops(false);
    }
    setAcceptDrops(true);
}

void Tf_cal::dragEnterEvent(QDragEnterEvent *event) {
    if (draggedFile(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void Tf_cal::dropEvent(QDropEvent *event) {
    const std::optional<QString> path = draggedFile(event->mimeData());
    if (!path) {
        return;
    }
    event->acceptProposedAction();
    // Large files and files that are not text are refused without a word.
    if (const std::optional<QStringList> lines = settings::readDroppedTextFile(*path)) {
        setLineBuffer(*lines);
        N1111Click();
    }
}
