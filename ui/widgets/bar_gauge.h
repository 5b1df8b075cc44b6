#pragma once

#include "calc/gauge.h"

#include <QWidget>

// A vertical bar gauge: fills from the bottom in proportion to its progress and shows the
// truncated percentage. Its rules are those of mx::GaugeModel. Assistive technology reads it
// as a progress bar with its maximum and current value.
class BarGauge : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int maximum READ maximum)
    Q_PROPERTY(int progress READ progress)
public:
    BarGauge(const QString &name, QWidget *parent);

    const mx::GaugeModel &model() const { return model_; }
    int maximum() const { return model_.maximum(); }
    int progress() const { return model_.progress(); }

    // False, and nothing changes, for a maximum below the minimum of 0.
    bool setMaximum(int maximum);
    void setProgress(int progress);
    void setColor(mx::GaugeColor color);

    QColor fillColor() const;
    QString percentText() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void changed();

    mx::GaugeModel model_;
};
