#include "form_parts.h"
#include "forms.h"
#include "widgets/clickable_label.h"
#include "widgets/glyphs.h"
#include "widgets/look.h"
#include "widgets/panels.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QToolButton>

namespace forms {
namespace {

using glyphs::Glyph;

QToolButton *toolbarButton(QWidget *parent, const char *name, Glyph glyph, const QString &caption,
                           const QString &hint) {
    auto *button = parts::glyphButton(parent, name, glyph, caption, hint);
    button->setIconSize({20, 20});
    button->setFixedHeight(34);
    return button;
}

} // namespace

Toolbar buildToolbar(QWidget *parent) {
    auto *bar =
        new GradientPanel(QStringLiteral("Panel3"), look::toolbarStart, look::white, parent);
    bar->setFixedHeight(43);

    auto *newFile =
        toolbarButton(bar, "SpeedButton9", Glyph::NewFile, {}, QStringLiteral("새 파일"));
    newFile->setToolTip(QStringLiteral("새 파일 (Ctrl+N)"));
    auto *calculate =
        toolbarButton(bar, "SpeedButton4", Glyph::Calculate, QStringLiteral("계산하기"), {});
    calculate->setFixedWidth(90);
    auto *options = toolbarButton(bar, "SpeedButton5", Glyph::Options, QStringLiteral("옵션 설정"),
                                  QStringLiteral("수수료율 설정"));
    options->setFixedWidth(89);
    auto *home =
        toolbarButton(bar, "RxSpeedButton14", Glyph::HomePage, {}, QStringLiteral("홈페이지"));
    home->setCursor(Qt::PointingHandCursor);
    // In the free space after the home page button: nothing before it moves.
    auto *averaging =
        toolbarButton(bar, "SpeedButton30", Glyph::Averaging, QStringLiteral("물타기"),
                      QStringLiteral("평균단가·물타기 계산"));

    // Clicking the product icon opens the about box.
    auto *icon = new ClickableLabel(QStringLiteral("Image1"), bar);
    icon->setPixmap(glyphs::icon(Glyph::Product).pixmap(32, 32));
    icon->setFixedSize(32, 32);
    icon->setAccessibleName(QStringLiteral("제품정보"));

    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 0, 6, 0);
    row->setSpacing(2);
    row->addWidget(newFile);
    row->addWidget(calculate);
    row->addWidget(options);
    row->addWidget(home);
    row->addWidget(averaging);
    row->addStretch();
    row->addWidget(icon);
    return {bar, newFile, calculate, options, home, averaging, icon};
}

QPlainTextEdit *buildLineBuffer(QWidget *toolbar) {
    auto *lineBuffer = parts::memo(toolbar, "Memo2");
    lineBuffer->setAccessibleName(QStringLiteral("줄 버퍼"));
    lineBuffer->setFocusPolicy(Qt::NoFocus);
    lineBuffer->setVisible(false);
    return lineBuffer;
}

} // namespace forms
