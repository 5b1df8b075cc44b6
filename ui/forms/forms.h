#pragma once

// The forms of the window: builders that lay out its regions (the toolbar, the three pages,
// the options panel, the number pad, the about box) from the controls of widgets/, with every
// control under its fixed name, and the fixed texts those regions show. A form knows neither
// the window nor its handlers: each builder returns the controls it made as typed members, and
// the window binds them to its handlers, so that a misspelt control does not compile.

#include <array>

class ClickableLabel;
class DecimalSpinField;
class IntegerSpinField;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;
class QToolButton;
class QWidget;
class ResultField;

namespace forms {

// Panel3, across the top of the window.
struct Toolbar {
    QWidget *panel3 = nullptr;
    QToolButton *speedButton9 = nullptr;    // 새 파일
    QToolButton *speedButton4 = nullptr;    // 계산하기
    QToolButton *speedButton5 = nullptr;    // 옵션 설정
    QToolButton *rxSpeedButton14 = nullptr; // 홈페이지
    QToolButton *speedButton30 = nullptr;   // 물타기
    ClickableLabel *image1 = nullptr;       // the product icon
};

// TabSheet1, fees and profit.
struct FeePage {
    QWidget *tabSheet1 = nullptr;
    QScrollArea *scrollBox2 = nullptr;
    QWidget *panel1 = nullptr;
    IntegerSpinField *s1 = nullptr, *s2 = nullptr, *s3 = nullptr;
    ResultField *s4 = nullptr, *s5 = nullptr, *e1 = nullptr, *e2 = nullptr, *e3 = nullptr,
                *e4 = nullptr, *e5 = nullptr, *e6 = nullptr, *e7 = nullptr, *e8 = nullptr;
    ResultField *edit5 = nullptr;         // the step of the buy price
    QToolButton *speedButton17 = nullptr; // the number pad
    QToolButton *speedButton7 = nullptr;  // Clear, hidden
    ClickableLabel *label43 = nullptr;    // the credit line
};

// TabSheet2, the long-term plan.
struct LongTermPage {
    QWidget *tabSheet2 = nullptr;
    QScrollArea *scrollBox1 = nullptr;
    IntegerSpinField *w1 = nullptr, *w2 = nullptr;
    ResultField *edit4 = nullptr, *x1 = nullptr, *x2 = nullptr;
    ResultField *w3 = nullptr, *w4 = nullptr, *w5 = nullptr, *w6 = nullptr, *w7 = nullptr;
    ResultField *x3 = nullptr, *x4 = nullptr, *x5 = nullptr, *x6 = nullptr, *x7 = nullptr;
    QToolButton *speedButton18 = nullptr; // the number pad
    QToolButton *speedButton11 = nullptr; // Clear
};

// TabSheet3, the day-trading plan.
struct DayTradingPage {
    QWidget *tabSheet3 = nullptr;
    QScrollArea *scrollBox3 = nullptr;
    IntegerSpinField *y1 = nullptr, *y2 = nullptr, *y3 = nullptr, *y4 = nullptr, *y5 = nullptr;
    ResultField *edit1 = nullptr, *edit2 = nullptr, *z1 = nullptr, *z2 = nullptr;
    ResultField *y6 = nullptr, *y7 = nullptr, *y8 = nullptr, *y9 = nullptr;
    ResultField *z3 = nullptr, *z4 = nullptr, *z5 = nullptr, *z6 = nullptr;
    QToolButton *speedButton19 = nullptr; // the number pad
    QToolButton *speedButton12 = nullptr; // Clear
};

// Panel7, the commission options and the market's rules.
struct OptionsPanel {
    QWidget *panel7 = nullptr;
    DecimalSpinField *r1 = nullptr, *r2 = nullptr;
    IntegerSpinField *r3 = nullptr, *r4 = nullptr;
    QCheckBox *checkBox1 = nullptr, *checkBox2 = nullptr;
    QComboBox *comboBox1 = nullptr;      // the market
    QComboBox *comboBox2 = nullptr;      // the statement's rounding
    QDateEdit *dateEdit1 = nullptr;      // the trade date
    QLabel *label65 = nullptr;           // the tax rate in force, or that r2 applies
    QToolButton *speedButton1 = nullptr; // 확인
    QToolButton *speedButton6 = nullptr; // the minimum-fee explanation
};

// Panel80, the 평단·물타기 panel: a holding, further buys, the current price and a target
// average, and what they come to.
struct AveragingPanel {
    QWidget *panel80 = nullptr;
    QScrollArea *scrollBox5 = nullptr;
    std::array<IntegerSpinField *, 14> inputs{}; // P1 .. P14
    std::array<ResultField *, 11> results{};     // Q1 .. Q11
    QLabel *q12 = nullptr;                       // why the target cannot be reached
    QToolButton *speedButton31 = nullptr;        // 확인
};

// Panel38, the number pad.
struct NumberPad {
    QWidget *panel38 = nullptr;
    QToolButton *speedButton14 = nullptr; // +1
    QToolButton *speedButton15 = nullptr; // -1
    QToolButton *speedButton10 = nullptr; // *10
    QToolButton *speedButton13 = nullptr; // /10
    QToolButton *speedButton20 = nullptr; // 0
    QToolButton *speedButton16 = nullptr; // close
};

Toolbar buildToolbar(QWidget *parent);
// Memo2, the toolbar's hidden line buffer, through which the option files and the trade records
// pass.
QPlainTextEdit *buildLineBuffer(QWidget *toolbar);
FeePage buildFeePage(QWidget *parent);
LongTermPage buildLongTermPage(QWidget *parent);
DayTradingPage buildDayTradingPage(QWidget *parent);
OptionsPanel buildOptionsPanel(QWidget *parent);
AveragingPanel buildAveragingPanel(QWidget *parent);
NumberPad buildNumberPad(QWidget *parent);

} // namespace forms
