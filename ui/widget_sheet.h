#pragma once

#include "calc/memory_sheet.h"
#include "calc/sheet.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

class BarGauge;
class QWidget;

// The calculation core's view of the window: every field of the catalogue, taken once from the
// window's controls by name, read and written as text. A field whose widget is not built yet
// (the regions the window does not show at start are built when first shown) lives in memory
// until then, where the core, the settings and the entry aids read and write it all the same;
// adopt() hands each such value to its widget once the widget exists.
class WidgetSheet : public mx::Sheet {
public:
    using MessageSink = std::function<void(const QString &)>;

    // The fields whose widgets `window` holds by now; the others live in memory.
    WidgetSheet(QWidget *window, MessageSink messages);

    // Takes from `region`, built since, the widgets of the fields held in memory so far, and
    // gives each widget the value its field holds.
    void adopt(QWidget *region);

    std::string text(std::string_view field) const override;
    void setText(std::string_view field, std::string_view text) override;
    bool isChecked(std::string_view field) const override;
    void showMessage(std::string_view message) override;
    bool setGaugeMaximum(std::string_view gauge, int maximum) override;
    void setGaugeProgress(std::string_view gauge, int progress) override;
    int gaugeProgress(std::string_view gauge) const override;
    void setGaugeColor(std::string_view gauge, mx::GaugeColor color) override;
    void setMemoLines(std::string_view memo, const std::vector<std::string> &lines) override;
    void setPanelVisible(std::string_view panel, bool visible) override;

private:
    // How a field's widget holds its value.
    enum class Holder { LineEdit, Label, CheckBox, Choice, Date, Memo, Gauge, Panel };
    struct Field {
        QWidget *widget; // nullptr while the field lives in unbuilt_
        Holder holder;
    };

    // The field of that name, in the order of the catalogue.
    const Field &at(std::string_view name) const;
    BarGauge *gauge(const Field &field, std::string_view name) const;
    // Gives the widget of a field that lived in memory the value it held there.
    void moveIntoWidget(std::string_view name);

    std::vector<Field> fields_;
    mx::MemorySheet unbuilt_; // the values of the fields whose widgets are not built yet
    MessageSink messages_;
};
