#pragma once

class QWidget;

// Builders of the window's regions. Each makes its region with every control under its name;
// the window binds the controls to its handlers afterwards.
namespace pages {

QWidget *buildToolbar(QWidget *parent);        // Panel3
QWidget *buildFeePage(QWidget *parent);        // TabSheet1
QWidget *buildLongTermPage(QWidget *parent);   // TabSheet2
QWidget *buildDayTradingPage(QWidget *parent); // TabSheet3
QWidget *buildOptionsPanel(QWidget *parent);   // Panel7
QWidget *buildNumberPad(QWidget *parent);      // Panel38

} // namespace pages
