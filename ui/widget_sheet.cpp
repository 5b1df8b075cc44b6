#include "widget_sheet.h"

#include "calc/fields.h"
#include "widgets/bar_gauge.h"
#include "widgets/qtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <stdexcept>

namespace {

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

// The item whose key is `key`, or the field's first key for one it does not offer.
void setChoice(QComboBox *box, std::string_view name, std::string_view key) {
    int index = box->findData(qtext(key));
    if (index < 0) {
        index = box->findData(qtext(mx::field(name).initial));
    }
    box->setCurrentIndex(index);
}

// The widgets under `root` that carry a name, gathered in one pass.
QHash<QString, QWidget *> namedWidgets(QWidget *root) {
    QHash<QString, QWidget *> named;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty()) {
            named.insert(widget->objectName(), widget);
        }
    }
    return named;
}

std::string joined(const std::vector<std::string> &lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += i == 0 ? "" : "\n";
        text += lines[i];
    }
    return text;
}

} // namespace

WidgetSheet::WidgetSheet(QWidget *window, MessageSink messages) : messages_(std::move(messages)) {
    const QHash<QString, QWidget *> named = namedWidgets(window);
    for (const mx::FieldSpec &fieldSpec : mx::fieldCatalogue()) {
        Holder holder = Holder::LineEdit;
        switch (fieldSpec.kind) {
        case mx::FieldKind::CheckBox:
            holder = Holder::CheckBox;
            break;
        case mx::FieldKind::Choice:
            holder = Holder::Choice;
            break;
        case mx::FieldKind::Date:
            holder = Holder::Date;
            break;
        case mx::FieldKind::Label:
            holder = Holder::Label;
            break;
        case mx::FieldKind::Memo:
            holder = Holder::Memo;
            break;
        case mx::FieldKind::Gauge:
            holder = Holder::Gauge;
            break;
        case mx::FieldKind::Panel:
            holder = Holder::Panel;
            break;
        default:
            break;
        }
        fields_.push_back({named.value(qtext(fieldSpec.name)), holder});
    }
}

void WidgetSheet::adopt(QWidget *region) {
    const QHash<QString, QWidget *> named = namedWidgets(region);
    const auto catalogue = mx::fieldCatalogue();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].widget == nullptr) {
            fields_[i].widget = named.value(qtext(catalogue[i].name));
            if (fields_[i].widget != nullptr) {
                moveIntoWidget(catalogue[i].name);
            }
        }
    }
}

void WidgetSheet::moveIntoWidget(std::string_view name) {
    switch (at(name).holder) {
    case Holder::LineEdit:
    case Holder::Label:
    case Holder::CheckBox:
    case Holder::Choice:
    case Holder::Date:
        // A text the widget already shows is no change: its change handler stays quiet.
        if (const std::string held = unbuilt_.text(name); held != text(name)) {
            setText(name, held);
        }
        return;
    case Holder::Memo:
        return setMemoLines(name, unbuilt_.memo(name));
    case Holder::Gauge: {
        const mx::GaugeModel &gauge = unbuilt_.gauge(name);
        setGaugeMaximum(name, gauge.maximum());
        setGaugeProgress(name, gauge.progress());
        return setGaugeColor(name, gauge.color());
    }
    case Holder::Panel:
        return setPanelVisible(name, unbuilt_.panelVisible(name));
    }
}

const WidgetSheet::Field &WidgetSheet::at(std::string_view name) const {
    const mx::FieldSpec *fieldSpec = mx::findField(name);
    if (fieldSpec == nullptr) {
        throw std::invalid_argument("not a field of the sheet: " + std::string(name));
    }
    return fields_[static_cast<std::size_t>(fieldSpec - mx::fieldCatalogue().data())];
}

BarGauge *WidgetSheet::gauge(const Field &field, std::string_view name) const {
    if (field.holder != Holder::Gauge) {
        throw std::invalid_argument("not a gauge: " + std::string(name));
    }
    return static_cast<BarGauge *>(field.widget);
}

std::string WidgetSheet::text(std::string_view name) const {
    const Field &field = at(name);
    if (field.widget == nullptr) {
        return field.holder == Holder::Memo ? joined(unbuilt_.memo(name)) : unbuilt_.text(name);
    }
    switch (field.holder) {
    case Holder::LineEdit:
        return utf8(static_cast<QLineEdit *>(field.widget)->text());
    case Holder::Label:
        return utf8(static_cast<QLabel *>(field.widget)->text());
    case Holder::CheckBox:
        return static_cast<QCheckBox *>(field.widget)->isChecked() ? "1" : "0";
    case Holder::Choice:
        return static_cast<QComboBox *>(field.widget)->currentData().toString().toStdString();
    case Holder::Date:
        return static_cast<QDateEdit *>(field.widget)->date().toString(Qt::ISODate).toStdString();
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
    if (field.widget == nullptr) {
        return unbuilt_.setText(name, text);
    }
    switch (field.holder) {
    case Holder::LineEdit:
        return static_cast<QLineEdit *>(field.widget)->setText(qtext(text));
    case Holder::Label:
        return static_cast<QLabel *>(field.widget)->setText(qtext(text));
    case Holder::CheckBox:
        return static_cast<QCheckBox *>(field.widget)->setChecked(text == "1");
    case Holder::Choice:
        return setChoice(static_cast<QComboBox *>(field.widget), name, text);
    case Holder::Date:
        // A date field always shows a date: a text that is none leaves it as it is.
        if (const QDate date = QDate::fromString(qtext(text), Qt::ISODate); date.isValid()) {
            static_cast<QDateEdit *>(field.widget)->setDate(date);
        }
        return;
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
    if (field.widget == nullptr) {
        return unbuilt_.isChecked(name);
    }
    return field.holder == Holder::CheckBox && static_cast<QCheckBox *>(field.widget)->isChecked();
}

void WidgetSheet::showMessage(std::string_view message) {
    messages_(qtext(message));
}

bool WidgetSheet::setGaugeMaximum(std::string_view name, int maximum) {
    const Field &field = at(name);
    return field.widget == nullptr ? unbuilt_.setGaugeMaximum(name, maximum)
                                   : gauge(field, name)->setMaximum(maximum);
}

void WidgetSheet::setGaugeProgress(std::string_view name, int progress) {
    const Field &field = at(name);
    if (field.widget == nullptr) {
        return unbuilt_.setGaugeProgress(name, progress);
    }
    gauge(field, name)->setProgress(progress);
}

int WidgetSheet::gaugeProgress(std::string_view name) const {
    const Field &field = at(name);
    return field.widget == nullptr ? unbuilt_.gaugeProgress(name) : gauge(field, name)->progress();
}

void WidgetSheet::setGaugeColor(std::string_view name, mx::GaugeColor color) {
    const Field &field = at(name);
    if (field.widget == nullptr) {
        return unbuilt_.setGaugeColor(name, color);
    }
    gauge(field, name)->setColor(color);
}

void WidgetSheet::setMemoLines(std::string_view name, const std::vector<std::string> &lines) {
    const Field &field = at(name);
    if (field.widget == nullptr) {
        return unbuilt_.setMemoLines(name, lines);
    }
    if (field.holder != Holder::Memo) {
        return;
    }
    auto *memo = static_cast<QPlainTextEdit *>(field.widget);
    // One append lays the lines out at once; each line appended alone, or setPlainText, lays
    // out the whole text again.
    memo->clear();
    if (!lines.empty()) {
        memo->appendPlainText(qtext(joined(lines)));
    }
}

void WidgetSheet::setPanelVisible(std::string_view name, bool visible) {
    const Field &field = at(name);
    if (field.widget == nullptr) {
        return unbuilt_.setPanelVisible(name, visible);
    }
    field.widget->setVisible(visible);
}
