#pragma once

// The forms of the window: builders that lay out its regions (the toolbar, the three pages,
// the options panel, the number pad, the about box) from the controls of widgets/, with every
// control under its fixed name, and the fixed texts those regions show. A form knows neither
// the window nor its handlers: the window binds the controls to them once a form is built.

class QWidget;

namespace forms {

QWidget *buildToolbar(QWidget *parent);        // Panel3
QWidget *buildFeePage(QWidget *parent);        // TabSheet1
QWidget *buildLongTermPage(QWidget *parent);   // TabSheet2
QWidget *buildDayTradingPage(QWidget *parent); // TabSheet3
QWidget *buildOptionsPanel(QWidget *parent);   // Panel7
QWidget *buildNumberPad(QWidget *parent);      // Panel38

} // namespace forms
