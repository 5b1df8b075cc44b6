#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// Colours and fonts of the window, fixed in its layout.
namespace look {

inline const QColor white{255, 255, 255};
inline const QColor silver{192, 192, 192};
inline const QColor paleYellow{255, 255, 181};  // price results of the long-term page
inline const QColor lightYellow{255, 255, 191}; // price results of the day-trading page
inline const QColor maroon{128, 0, 0};          // gains and upper prices
inline const QColor navy{0, 0, 128};            // losses and lower prices
inline const QColor toolbarStart{128, 128, 255};
inline const QColor magenta{255, 0, 255};
inline const QColor gray{128, 128, 128}; // a note on what does not apply

inline constexpr int windowPixelSize = 12;
inline constexpr int pricePixelSize = 13;
inline constexpr int smallPixelSize = 11;

// The window's face: 굴림 where installed, else a Korean face a Linux desktop has, hinted by
// the face's own instructions.
QFont windowFont(int pixelSize = windowPixelSize);
// A face of fixed pitch with Hangul of its own (굴림체 where installed), else the desktop's.
QFont fixedFont(int pixelSize = windowPixelSize);

// Background of a field, panel or label (its base and window colours).
void setBackground(QWidget *widget, const QColor &color);

// Text colour of a field or label.
void setTextColor(QWidget *widget, const QColor &color);

void setPixelSize(QWidget *widget, int pixelSize);

// The palette of the window: Fusion's light colours in every role, so that the window looks
// the same whatever colours and style the desktop gives its programs (a dark scheme among them).
QPalette windowPalette();

} // namespace look
