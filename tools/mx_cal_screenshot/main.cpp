// Saves pictures of the window for review: page 1 (also with the number pad up), the options
// panel (also with the market's rules on), the 평단·물타기 panel (a target it reaches and one it
// cannot), the two planning pages after a sample calculation, and the about box. Run by
// tools/screenshot; the folder is its argument. The window starts as the program starts it (its
// font, style and Korean Qt texts) and as at a first start, from a program folder of its own
// that is removed afterwards.

#include "U_cal.h"
#include "application.h"
#include "support/worked_trade.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// Through the window's sheet: the planning pages and the options panel are built when shown.
void type(Tf_cal &window, const char *field, const char *text) {
    window.sheet().setText(field, text);
}

bool save(QWidget *widget, const QDir &folder, const QString &name) {
    const QString path = folder.filePath(name);
    const bool saved = widget->grab().save(path);
    QTextStream(stdout) << path << '\n';
    return saved;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    application::setUp(app);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const QTemporaryDir programFolder;
    qputenv("MX_CAL_DIR", programFolder.path().toLocal8Bit());
    Tf_cal::Seams seams;
    seams.messages = [](const QString &) {};
    seams.clock = [] { return mx::LocalDateTime{2026, 3, 7, 9, 5}; };
    Tf_cal window(nullptr, std::move(seams));
    window.show();

    for (const auto &[field, text] : mx::worked_trade::inputs) {
        type(window, field, text);
    }
    window.N6Click();
    QApplication::processEvents();

    bool saved = save(&window, folder, QStringLiteral("page1.png"));
    window.SpeedButton17Click();
    QApplication::processEvents();
    saved = save(&window, folder, QStringLiteral("page1-pad.png")) && saved;
    window.SpeedButton16Click();
    window.setDialogRunner([&](QDialog &box) {
        box.show();
        QApplication::processEvents();
        saved = save(&box, folder, QStringLiteral("about.png")) && saved;
        box.close();
    });
    window.Image1Click();
    window.N7Click();
    QApplication::processEvents();
    saved = save(&window, folder, QStringLiteral("options.png")) && saved;
    type(window, "CheckBox2", "1");
    window.CheckBox2Click();
    QApplication::processEvents();
    saved = save(&window, folder, QStringLiteral("options-rules.png")) && saved;
    type(window, "CheckBox2", "0");
    window.CheckBox2Click();
    window.SpeedButton1Click();

    // 100 shares held at 72,000 and 50 bought at 66,000; at 65,000, how many bring the average to
    // 68,000.
    window.SpeedButton30Click();
    for (const auto &[field, text] : {std::pair{"P1", "100"},
                                      {"P2", "72000"},
                                      {"P3", "50"},
                                      {"P4", "66000"},
                                      {"P13", "65000"},
                                      {"P14", "68000"}}) {
        type(window, field, text);
    }
    QApplication::processEvents();
    saved = save(&window, folder, QStringLiteral("averaging.png")) && saved;
    type(window, "P14", "64000");
    QApplication::processEvents();
    saved = save(&window, folder, QStringLiteral("averaging-unreachable.png")) && saved;
    type(window, "P14", "68000");
    window.SpeedButton31Click();

    const struct {
        int index;
        const char *content;
        const char *file;
    } planning[] = {{1, "Panel45", "page2"}, {2, "Panel54", "page3"}};
    for (const auto &page : planning) {
        window.showPage(page.index);
        QApplication::processEvents();
        saved = save(&window, folder, QString::fromLatin1(page.file) + ".png") && saved;
        auto *content = window.findChild<QWidget *>(QString::fromLatin1(page.content));
        content->adjustSize();
        saved = save(content, folder, QString::fromLatin1(page.file) + "-full.png") && saved;
    }
    window.showPage(0);
    return saved ? 0 : 1;
}
