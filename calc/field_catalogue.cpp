#include "cost_model.h"
#include "fields.h"
#include "market_rules.h"

#include <array>
#include <limits>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace mx {
namespace {

using K = FieldKind;

constexpr FieldSpec spin(std::string_view name, double step, std::string_view initial = "",
                         std::int32_t min = 0, std::int32_t max = 0, bool readOnly = false) {
    return {name, K::IntegerSpin, initial, min, max, 0, step, readOnly};
}
constexpr FieldSpec percent(std::string_view name, double step, std::string_view initial) {
    return spin(name, step, initial, 1, 100);
}
constexpr FieldSpec positionValue(std::string_view name) {
    return spin(name, 1, "", 0, 0, true);
}
constexpr FieldSpec result(std::string_view name) {
    return {name, K::Result, "", 0, 0, 0, 0, true};
}
constexpr FieldSpec text(std::string_view name, std::string_view initial = "") {
    return {name, K::Text, initial, 0, 0, 0, 0, true};
}
constexpr FieldSpec label(std::string_view name) {
    return {name, K::Label, "최저가"};
}
constexpr FieldSpec of(std::string_view name, FieldKind kind, std::string_view initial = "") {
    return {name, kind, initial};
}
// A quantity or price of the 평단·물타기 panel: never below 0.
constexpr FieldSpec averagingInput(std::string_view name, double step) {
    return spin(name, step, "", 0, std::numeric_limits<std::int32_t>::max());
}
constexpr FieldSpec choice(std::string_view name, std::span<const std::string_view> keys) {
    return {.name = name, .kind = K::Choice, .initial = keys.front(), .choices = keys};
}

// Sorted by name in byte order.
constexpr std::array catalogue{
    of("CheckBox1", K::CheckBox, "0"),
    of("CheckBox2", K::CheckBox, "0"),
    choice("ComboBox1", marketKeys),
    choice("ComboBox2", statementRoundingKeys),
    of("DateEdit1", K::Date),
    result("Edit1"),
    result("Edit2"),
    result("Edit4"),
    text("Edit6", "XXXX년 X월 X 일 X시X분"),
    of("Gauge1", K::Gauge),
    of("Gauge2", K::Gauge),
    of("Gauge3", K::Gauge),
    label("Label27"),
    label("Label29"),
    label("Label32"),
    label("Label34"),
    label("Label37"),
    label("Label39"),
    of("Memo3", K::Memo),
    of("Memo4", K::Memo),
    averagingInput("P1", 1),
    averagingInput("P10", 5),
    averagingInput("P11", 1),
    averagingInput("P12", 5),
    averagingInput("P13", 5),
    averagingInput("P14", 5),
    averagingInput("P2", 5),
    averagingInput("P3", 1),
    averagingInput("P4", 5),
    averagingInput("P5", 1),
    averagingInput("P6", 5),
    averagingInput("P7", 1),
    averagingInput("P8", 5),
    averagingInput("P9", 1),
    of("Panel24", K::Panel),
    result("Q1"),
    result("Q10"),
    result("Q11"),
    of("Q12", K::Label),
    result("Q2"),
    result("Q3"),
    result("Q4"),
    result("Q5"),
    result("Q6"),
    result("Q7"),
    result("Q8"),
    result("Q9"),
    spin("W1", 1),
    spin("W2", 5),
    result("W3"),
    result("W4"),
    result("W5"),
    result("W6"),
    result("W7"),
    result("X1"),
    result("X2"),
    result("X3"),
    result("X4"),
    result("X5"),
    result("X6"),
    result("X7"),
    spin("Y1", 5),
    spin("Y2", 5),
    spin("Y3", 5),
    spin("Y4", 5),
    spin("Y5", 5),
    result("Y6"),
    result("Y7"),
    result("Y8"),
    result("Y9"),
    result("Z1"),
    result("Z2"),
    result("Z3"),
    result("Z4"),
    result("Z5"),
    result("Z6"),
    result("e1"),
    result("e2"),
    result("e3"),
    result("e4"),
    result("e5"),
    result("e6"),
    result("e7"),
    result("e8"),
    FieldSpec{"r1", K::DecimalSpin, "0.029", 0, 0, 3, 0.001, false, 7},
    percent("r10", 5, "25"),
    percent("r11", 5, "50"),
    percent("r12", 1, "2"),
    percent("r13", 1, "3"),
    FieldSpec{"r2", K::DecimalSpin, "0.3", 0, 0, 1, 0.1, false, 4},
    spin("r3", 1, "200000"),
    spin("r4", 1, "500"),
    percent("r5", 5, "25"),
    percent("r6", 5, "50"),
    percent("r7", 5, "75"),
    percent("r8", 1, "10"),
    percent("r9", 1, "5"),
    spin("s1", 1),
    spin("s2", 5),
    spin("s3", 5),
    result("s4"),
    result("s5"),
    positionValue("x10"),
    text("x11"),
    text("x12"),
    positionValue("x8"),
    positionValue("x9"),
    positionValue("z10"),
    positionValue("z11"),
    positionValue("z12"),
    text("z13"),
    text("z14"),
    text("z15"),
    text("z16"),
    positionValue("z7"),
    positionValue("z8"),
    positionValue("z9"),
};

constexpr bool sortedByName() {
    for (std::size_t i = 1; i < catalogue.size(); ++i) {
        if (!(catalogue[i - 1].name < catalogue[i].name)) {
            return false;
        }
    }
    return true;
}
static_assert(sortedByName(), "the field catalogue must stay sorted by name");

} // namespace

std::span<const FieldSpec> fieldCatalogue() {
    return catalogue;
}

const FieldSpec *findField(std::string_view name) {
    // Every read and write of a field looks its name up: a hash of the names, made once, costs
    // a fraction of bisecting the sorted table.
    static const std::unordered_map<std::string_view, const FieldSpec *> byName = [] {
        std::unordered_map<std::string_view, const FieldSpec *> names;
        for (const FieldSpec &fieldSpec : catalogue) {
            names.emplace(fieldSpec.name, &fieldSpec);
        }
        return names;
    }();
    const auto it = byName.find(name);
    return it != byName.end() ? it->second : nullptr;
}

const FieldSpec &field(std::string_view name) {
    const FieldSpec *fieldSpec = findField(name);
    if (fieldSpec == nullptr) {
        throw std::invalid_argument("not a field of the sheet: " + std::string(name));
    }
    return *fieldSpec;
}

} // namespace mx
