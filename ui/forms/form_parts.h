#pragma once

#include "widgets/glyphs.h"

#include <QColor>
#include <QString>
#include <functional>

class BarGauge;
class CaptionPanel;
class DecimalSpinField;
class GroupFrame;
class IntegerSpinField;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QPlainTextEdit;
class QScrollArea;
class QToolButton;
class QVBoxLayout;
class QWidget;
class ResultField;
class ScrollBox;

// Building blocks of the pages and panels: each makes one named control with its look.
namespace parts {

// An integer spin field of the field catalogue, with its caption as accessible name.
IntegerSpinField *spinField(QWidget *parent, const char *name, const QString &caption);
DecimalSpinField *decimalField(QWidget *parent, const char *name, const QString &caption);

// A result field (silver unless `background` is given), with its caption as accessible name.
ResultField *resultField(QWidget *parent, const char *name, const QString &caption,
                         const QColor &background = {});

CaptionPanel *captionPanel(QWidget *parent, const char *name, const QString &caption, int width,
                           const QColor &textColor = {});

QLabel *label(QWidget *parent, const char *name, const QString &text, const QColor &textColor = {},
              int pixelSize = 0);

// A flat button that never takes the keyboard focus. A screen reader names it by its caption,
// or by its hint when it has no caption.
QToolButton *flatButton(QWidget *parent, const char *name, const QString &caption,
                        const QString &hint = {});

// A flat button showing a glyph, with its caption beside it when it has one.
QToolButton *glyphButton(QWidget *parent, const char *name, glyphs::Glyph glyph,
                         const QString &caption, const QString &hint = {});

// The small button beside a price input that shows the number pad.
QToolButton *keypadButton(QWidget *parent, const char *name);

// A multi-line text with a vertical scroll bar that wraps long lines.
QPlainTextEdit *memo(QWidget *parent, const char *name);

// A caption panel named `panel` in column 0 of `row`. It is made before its field, so that a
// screen reader reads the caption first, and labels the field that addField puts beside it in
// column 1.
void addCaption(QGridLayout *grid, int row, const char *panel, const QString &caption,
                int captionWidth, const QColor &captionColor = {});
void addField(QGridLayout *grid, int row, QWidget *field);

// A field of a page with its caption panel, which shows the field's caption in the catalogue.
struct Row {
    const char *panel;
    const char *field;
    QColor captionColor = {};
    QColor fieldColor = {};      // text colour of the field
    QColor fieldBackground = {}; // result fields only; silver when not given
};

// An input (an integer spin field) or a result, with its caption panel, in `row`.
IntegerSpinField *addInputRow(QGridLayout *grid, int row, const Row &input, int captionWidth);
ResultField *addResultRow(QGridLayout *grid, int row, const Row &result, int captionWidth);

void setTextColor(QWidget *widget, const QColor &color);

// The text a field of the catalogue shows when the window starts.
QString initialText(const char *name);
// The caption of a field of the catalogue.
QString caption(const char *name);

// Lays out a page: the scroll box `scrollBox` over `content`, taking the height, above the bar
// that `buildBar` makes for the page's foot. The box is made before the bar, so that the page's
// children, in the order a screen reader reads them, run from top to bottom. Called while
// `content` is still empty: controls made in it afterwards are set up once, where moving a
// filled tree into the box would set each of them up again.
QScrollArea *stackPage(QWidget *page, const char *scrollBox, QWidget *content, bool followContent,
                       const std::function<QWidget *(QWidget *page)> &buildBar);

// A panel that opens beside the pages: a raised frame named `frame`, a group called
// `groupName` to assistive technology (not a window of its own), holding a scroll box over
// `content`, whose column starts with a caption panel and the panel's 확인 button. The box stands
// before the controls are made in it: moving them into it afterwards would set up each one again.
// The button takes the keyboard by Tab only, so that a click leaves it in the field that had it.
struct SidePanelNames {
    const char *frame;
    const char *scrollBox;
    const char *content;
    const char *caption;
    const char *button;
};
struct SidePanel {
    GroupFrame *frame;
    ScrollBox *scrollBox;
    QWidget *content;
    QVBoxLayout *column;
    QToolButton *ok;
};
SidePanel sidePanel(QWidget *parent, const SidePanelNames &names, const QString &groupName,
                    const QString &caption, int margin, int topMargin);

// A thin line drawn as a bevel, horizontal or vertical.
QWidget *bevel(QWidget *parent, const char *name, Qt::Orientation orientation);

} // namespace parts
