#include "widget_sheet.h"

#include "bar_gauge.h"
#include "calc/fields.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <stdexcept>

namespace {

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

WidgetSheet::WidgetSheet(QWidget *root, MessageSink messages) : messages_(std::move(messages)) {
    for (const mx::FieldSpec &fieldSpec : mx::fieldCatalogue()) {
        auto *widget = root->findChild<QWidget *>(qtext(fieldSpec.name));
        if (widget == nullptr) {
            throw std::logic_error("the window has no field " + std::string(fieldSpec.name));
        }
        widgets_.emplace(std::string(fieldSpec.name), widget);
    }
}

QWidget *WidgetSheet::widget(std::string_view field) const {
    const auto it = widgets_.find(field);
    if (it == widgets_.end()) {
        throw std::invalid_argument("not a field of the sheet: " + std::string(field));
    }
    return it->second;
}

BarGauge *WidgetSheet::gauge(std::string_view name) const {
    auto *gauge = qobject_cast<BarGauge *>(widget(name));
    if (gauge == nullptr) {
        throw std::invalid_argument("not a gauge: " + std::string(name));
    }
    return gauge;
}

std::string WidgetSheet::text(std::string_view field) const {
    QWidget *w = widget(field);
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        return edit->text().toStdString();
    }
    if (auto *label = qobject_cast<QLabel *>(w)) {
        return label->text().toStdString();
    }
    if (auto *box = qobject_cast<QCheckBox *>(w)) {
        return box->isChecked() ? "1" : "0";
    }
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
        return memo->toPlainText().toStdString();
    }
    throw std::invalid_argument("field without text: " + std::string(field));
}

void WidgetSheet::setText(std::string_view field, std::string_view text) {
    QWidget *w = widget(field);
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        edit->setText(qtext(text));
    } else if (auto *label = qobject_cast<QLabel *>(w)) {
        label->setText(qtext(text));
    } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
        box->setChecked(text == "1");
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
        memo->setPlainText(qtext(text));
    } else {
        throw std::invalid_argument("field without text: " + std::string(field));
    }
}

bool WidgetSheet::isChecked(std::string_view field) const {
    auto *box = qobject_cast<QCheckBox *>(widget(field));
    return box != nullptr && box->isChecked();
}

void WidgetSheet::showMessage(std::string_view message) {
    messages_(qtext(message));
}

bool WidgetSheet::setGaugeMaximum(std::string_view name, int maximum) {
    return gauge(name)->setMaximum(maximum);
}

void WidgetSheet::setGaugeProgress(std::string_view name, int progress) {
    gauge(name)->setProgress(progress);
}

int WidgetSheet::gaugeProgress(std::string_view name) const {
    return gauge(name)->model().progress();
}

void WidgetSheet::setGaugeColor(std::string_view name, mx::GaugeColor color) {
    gauge(name)->setColor(color);
}

void WidgetSheet::setMemoLines(std::string_view memo, const std::vector<std::string> &lines) {
    auto *edit = qobject_cast<QPlainTextEdit *>(widget(memo));
    if (edit == nullptr) {
        return;
    }
    // One append lays the lines out at once; each line appended alone, or setPlainText, lays
    // out the whole text again.
    edit->clear();
    if (!lines.empty()) {
        std::string text = lines.front();
        for (std::size_t i = 1; i < lines.size(); ++i) {
            text += '\n';
            text += lines[i];
        }
        edit->appendPlainText(qtext(text));
    }
}

void WidgetSheet::setPanelVisible(std::string_view panel, bool visible) {
    widget(panel)->setVisible(visible);
}
