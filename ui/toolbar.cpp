#include "clickable_label.h"
#include "form_parts.h"
#include "look.h"
#include "pages.h"
#include "panels.h"
#include "product_icon.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

namespace pages {
namespace {

QToolButton *glyphButton(QWidget *parent, const char *name, QStyle::StandardPixmap glyph,
                         const QString &caption, const QString &hint) {
    auto *button = parts::flatButton(parent, name, caption, hint);
    button->setIcon(QApplication::style()->standardIcon(glyph));
    button->setIconSize({20, 20});
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextBesideIcon);
    button->setFixedHeight(34);
    return button;
}

} // namespace

QWidget *buildToolbar(QWidget *parent) {
    auto *bar =
        new GradientPanel(QStringLiteral("Panel3"), look::toolbarStart, look::white, parent);
    bar->setFixedHeight(43);

    auto *newFile =
        glyphButton(bar, "SpeedButton9", QStyle::SP_FileIcon, {}, QStringLiteral("새 파일"));
    auto *calculate = glyphButton(bar, "SpeedButton4", QStyle::SP_DialogApplyButton,
                                  QStringLiteral("계산하기"), {});
    calculate->setFixedWidth(90);
    auto *options = glyphButton(bar, "SpeedButton5", QStyle::SP_FileDialogDetailedView,
                                QStringLiteral("옵션 설정"), QStringLiteral("수수료율 설정"));
    options->setFixedWidth(89);
    auto *home =
        glyphButton(bar, "RxSpeedButton14", QStyle::SP_DirHomeIcon, {}, QStringLiteral("홈페이지"));
    home->setCursor(Qt::PointingHandCursor);

    auto *icon = new ClickableLabel(QStringLiteral("Image1"), bar);
    icon->setPixmap(productIcon().pixmap(32, 32));
    icon->setFixedSize(32, 32);

    auto *lineBuffer = parts::memo(bar, "Memo2");
    lineBuffer->setVisible(false);

    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 0, 6, 0);
    row->setSpacing(2);
    row->addWidget(newFile);
    row->addWidget(calculate);
    row->addWidget(options);
    row->addWidget(home);
    row->addStretch();
    row->addWidget(icon);
    return bar;
}

} // namespace pages
