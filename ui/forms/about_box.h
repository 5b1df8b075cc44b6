#pragma once

#include <QDialog>

// The about box of the program: its title on a gradient caption, the program's name and
// version, what it does, the maker's credit and a link to the home page. The link does not
// open the page itself; it asks the window to, through homePageRequested().
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const QString &homePage, QWidget *parent);

signals:
    void homePageRequested();
};
