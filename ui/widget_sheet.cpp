#include "widget_sheet.h"

#include "bar_gauge.h"
#include "calc/fields.h"
#include "controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <stdexcept>

namespace {

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Field texts are mostly digits and separators: those need no trip through a byte array.
std::string utf8(const QString &text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            return text.toStdString();
        }
        bytes.push_back(static_cast<char>(c.unicode()));
    }
    return bytes;
}

} // namespace

WidgetSheet::WidgetSheet(const Controls &controls, MessageSink messages)
    : messages_(std::move(messages)) {
    const auto holderOf = [](QWidget *widget) {
        if (qobject_cast<QLineEdit *>(widget) != nullptr) {
            return Holder::LineEdit;
        }
        if (qobject_cast<QLabel *>(widget) != nullptr) {
            return Holder::Label;
        }
        if (qobject_cast<QCheckBox *>(widget) != nullptr) {
            return Holder::CheckBox;
        }
        if (qobject_cast<QPlainTextEdit *>(widget) != nullptr) {
            return Holder::Memo;
        }
        return qobject_cast<BarGauge *>(widget) != nullptr ? Holder::Gauge : Holder::Panel;
    };
    for (const mx::FieldSpec &fieldSpec : mx::fieldCatalogue()) {
        QWidget *widget = controls.widget(qtext(fieldSpec.name));
        if (widget == nullptr) {
            throw std::logic_error("the window has no field " + std::string(fieldSpec.name));
        }
        fields_.push_back({widget, holderOf(widget)});
    }
}

const WidgetSheet::Field &WidgetSheet::at(std::string_view name) const {
    const mx::FieldSpec *fieldSpec = mx::findField(name);
    if (fieldSpec == nullptr) {
        throw std::invalid_argument("not a field of the sheet: " + std::string(name));
    }
    return fields_[static_cast<std::size_t>(fieldSpec - mx::fieldCatalogue().data())];
}

BarGauge *WidgetSheet::gauge(std::string_view name) const {
    const Field &field = at(name);
    if (field.holder != Holder::Gauge) {
        throw std::invalid_argument("not a gauge: " + std::string(name));
    }
    return static_cast<BarGauge *>(field.widget);
}

std::string WidgetSheet::text(std::string_view name) const {
    const Field &field = at(name);
    switch (field.holder) {
    case Holder::LineEdit:
        return utf8(static_cast<QLineEdit *>(field.widget)->text());
    case Holder::Label:
        return utf8(static_cast<QLabel *>(field.widget)->text());
    case Holder::CheckBox:
        return static_cast<QCheckBox *>(field.widget)->isChecked() ? "1" : "0";
    case Holder::Memo:
        return static_cast<QPlainTextEdit *>(field.widget)->toPlainText().toStdString();
    case Holder::Gauge:
    case Holder::Panel:
        break;
    }
    throw std::invalid_argument("field without text: " + std::string(name));
}

void WidgetSheet::setText(std::string_view name, std::string_view text) {
    const Field &field = at(name);
    switch (field.holder) {
    case Holder::LineEdit:
        return static_cast<QLineEdit *>(field.widget)->setText(qtext(text));
    case Holder::Label:
        return static_cast<QLabel *>(field.widget)->setText(qtext(text));
    case Holder::CheckBox:
        return static_cast<QCheckBox *>(field.widget)->setChecked(text == "1");
    case Holder::Memo:
        return static_cast<QPlainTextEdit *>(field.widget)->setPlainText(qtext(text));
    case Holder::Gauge:
    case Holder::Panel:
        break;
    }
    throw std::invalid_argument("field without text: " + std::string(name));
}

bool WidgetSheet::isChecked(std::string_view name) const {
    const Field &field = at(name);
    return field.holder == Holder::CheckBox && static_cast<QCheckBox *>(field.widget)->isChecked();
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
    return gauge(name)->progress();
}

void WidgetSheet::setGaugeColor(std::string_view name, mx::GaugeColor color) {
    gauge(name)->setColor(color);
}

void WidgetSheet::setMemoLines(std::string_view name, const std::vector<std::string> &lines) {
    const Field &field = at(name);
    if (field.holder != Holder::Memo) {
        return;
    }
    auto *memo = static_cast<QPlainTextEdit *>(field.widget);
    // One append lays the lines out at once; each line appended alone, or setPlainText, lays
    // out the whole text again.
    memo->clear();
    if (!lines.empty()) {
        std::string text = lines.front();
        for (std::size_t i = 1; i < lines.size(); ++i) {
            text += '\n';
            text += lines[i];
        }
        memo->appendPlainText(qtext(text));
    }
}

void WidgetSheet::setPanelVisible(std::string_view name, bool visible) {
    at(name).widget->setVisible(visible);
}
