#include "settings_file.h"

#include "calc/averaging.h"
#include "calc/fields.h"
#include "calc/market_rules.h"
#include "calc/sheet.h"
#include "file_io.h"
#include "ini_file.h"
#include "program_folder.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <string>

namespace mx::settings {
namespace {

const QString section = QStringLiteral("c1");
constexpr int noticeAfter = 50;
constexpr std::array integerFields{"r3", "r4",  "r5",  "r6",  "r7", "r8",
                                   "r9", "r10", "r11", "r12", "r13"};
// The amounts in won of the minimum-fee rule, which no fee schedule has below 0.
constexpr std::array wonFields{"r3", "r4"};
constexpr std::array decimalFields{"r1", "r2"};
// The keys of the choice fields of the market's rules.
constexpr std::pair<const char *, const char *> choiceKeys[] = {{"market", "ComboBox1"},
                                                                {"rounding", "ComboBox2"}};

bool isWonField(std::string_view name) {
    return std::find(wonFields.begin(), wonFields.end(), name) != wonFields.end();
}

// The key of a field of the 평단·물타기 panel: its name in small letters ("p1").
QString averagingKey(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())).toLower();
}

void showFileMessage(Sheet &fields, const char16_t *message, const QString &path) {
    // A line break inside a message is a single carriage return.
    const QString text =
        QString::fromUtf16(message) + QLatin1Char('\r') + QDir::toNativeSeparators(shownPath(path));
    fields.showMessage(text.toStdString());
}

std::optional<std::int32_t> storedInteger(const IniFile &ini, const QString &key) {
    const std::optional<QString> text = ini.value(section, key);
    return text ? ValueText::readInteger(*text) : std::nullopt;
}

// A stored edge or size, kept within what a window can take (2^24 - 1 pixels either way) so
// that no sum of edge and size overflows.
int storedPlacement(const IniFile &ini, const char *key, int current) {
    constexpr std::int32_t largest = 16777215;
    const std::int32_t value = storedInteger(ini, QString::fromLatin1(key)).value_or(current);
    return std::clamp(value, -largest, largest);
}

// The settings of the file at `path`, or nothing when it exists but cannot be read, or could
// not be written back without spoiling it (UTF-16 that does not convert faithfully).
std::optional<IniFile> readSettings(const QString &path) {
    const FileContent content = readWholeFile(path, settingsFileLimit);
    if (content.state == FileContent::State::Unreadable) {
        return std::nullopt;
    }
    IniFile ini = IniFile::fromBytes(content.bytes);
    if (!ini.changeable()) {
        return std::nullopt;
    }
    return ini;
}

// Writes the settings back, unless they have grown beyond what a later start would read.
bool writeSettings(const QString &path, const IniFile &ini) {
    const QByteArray bytes = ini.toBytes();
    return bytes.size() <= settingsFileLimit && writeWholeFile(path, bytes);
}

} // namespace

SettingsFile::SettingsFile(QString path, ValueText texts)
    : path_(std::move(path)), texts_(std::move(texts)) {}

bool SettingsFile::load(Sheet &fields, SettingsHost &window) const {
    window.scrollPagesToTop();

    const std::optional<IniFile> readable = readSettings(path_);
    IniFile ini = readable.value_or(IniFile());
    // A file that exists but cannot be read must not be replaced by one holding only the
    // counter: its settings stay on disk for a later start.
    bool written = false;
    if (!readable) {
        showFileMessage(fields, messages::cannotRead, path_);
    } else {
        std::int32_t count = storedInteger(ini, QStringLiteral("mycount")).value_or(0);
        if (count > noticeAfter) {
            window.showPromotionalNotice();
            count = 0;
        }
        ini.setValue(section, QStringLiteral("mycount"), ValueText::writeInteger(count + 1));
        written = writeSettings(path_, ini);
        if (!written) {
            showFileMessage(fields, messages::cannotWriteCounter, path_);
        }
    }

    window.setLeft(storedPlacement(ini, "left", window.placement().x()));
    window.setTop(storedPlacement(ini, "top", window.placement().y()));
    // A size larger than the screen can show would only cost time and memory.
    const QSize available = window.availableSize();
    const auto fit = [](int stored, int most) {
        return most > 0 ? std::min(stored, most) : stored;
    };
    window.setWidth(
        fit(storedPlacement(ini, "width", window.placement().width()), available.width()));
    window.setHeight(
        fit(storedPlacement(ini, "height", window.placement().height()), available.height()));

    // A window past the right or bottom edge of the screen comes back to its left or top. A
    // window a little past the left or top edge (as desktops place snapped windows) stays, but
    // one with less than half of it on screen would be all but lost, and comes back too.
    const QRect frame = window.placement();
    const QSize screen = window.screenSize();
    const auto mostlyOff = [](int edge, int extent) { return qint64{edge} < -qint64{extent} / 2; };
    if (mostlyOff(frame.x(), frame.width()) ||
        qint64{screen.width()} < qint64{frame.x()} + frame.width() + 20) {
        window.setLeft(0);
    }
    if (mostlyOff(frame.y(), frame.height()) ||
        qint64{screen.height()} < qint64{frame.y()} + frame.height() + 40) {
        window.setTop(0);
    }

    applyOptions(ini, fields);
    return written;
}

bool SettingsFile::loadOptions(Sheet &fields) const {
    const std::optional<IniFile> stored = readSettings(path_);
    if (stored) {
        applyOptions(*stored, fields);
    }
    return stored.has_value();
}

void SettingsFile::applyOptions(const IniFile &ini, Sheet &fields) const {
    for (const auto &[key, box] :
         {std::pair{"checkbox1", "CheckBox1"}, {"checkbox2", "CheckBox2"}}) {
        if (const std::optional<QString> text = ini.value(section, QString::fromLatin1(key))) {
            if (const std::optional<bool> checked = ValueText::readBoolean(*text)) {
                fields.setText(box, ValueText::writeBoolean(*checked).toStdString());
            }
        }
    }
    for (const char *name : decimalFields) {
        const std::optional<QString> text = ini.value(section, QString::fromLatin1(name));
        const std::optional<double> value = text ? texts_.readDecimal(*text) : std::nullopt;
        // A rate is a percentage: anything else in the file is as unreadable as a word.
        if (value && *value >= 0 && *value <= 100) {
            fields.setText(name, mx::formatSetDecimal(*value, mx::field(name)));
        }
    }
    for (const char *name : integerFields) {
        const std::optional<std::int32_t> value = storedInteger(ini, QString::fromLatin1(name));
        // A negative threshold or fee is as unreadable as a word, as on the command line.
        if (value && !(*value < 0 && isWonField(name))) {
            fields.setText(name, mx::formatPlain(mx::clampToField(mx::field(name), *value)));
        }
    }
    // A choice the program does not know reads as the field's first one; a market may be
    // named as the journal names it.
    if (const std::optional<QString> text = ini.value(section, QStringLiteral("market"))) {
        const std::optional<Market> market = parseMarketName(text->toStdString());
        fields.setText("ComboBox1", std::string(marketKey(market.value_or(Market::Kospi))));
    }
    if (const std::optional<QString> text = ini.value(section, QStringLiteral("rounding"))) {
        const std::string stored = text->trimmed().toStdString();
        const mx::FieldSpec &fieldSpec = mx::field("ComboBox2");
        const bool known = std::find(fieldSpec.choices.begin(), fieldSpec.choices.end(), stored) !=
                           fieldSpec.choices.end();
        fields.setText("ComboBox2", known ? stored : std::string(fieldSpec.initial));
    }
    // The 평단·물타기 panel: a value that is no whole number of the field's range reads as empty.
    for (const std::string_view name : mx::averagingInputFields) {
        if (const std::optional<QString> text = ini.value(section, averagingKey(name))) {
            const std::optional<std::int32_t> value = ValueText::readInteger(*text);
            const bool fits = value && mx::clampToField(mx::field(name), *value) == *value;
            fields.setText(name, fits ? mx::formatPlain(*value) : std::string());
        }
    }
}

bool SettingsFile::save(Sheet &fields, const SettingsHost &window) const {
    std::optional<IniFile> stored = readSettings(path_);
    if (!stored) {
        showFileMessage(fields, messages::cannotSave, path_);
        return false;
    }
    IniFile &ini = *stored;
    const auto put = [&](const char *key, const QString &value) {
        ini.setValue(section, QString::fromLatin1(key), value);
    };
    if (window.isNormalState()) {
        const QRect frame = window.placement();
        // Where the position is unknown, the frame's offsets would pass for it: the stored
        // edges are kept.
        if (window.reportsPosition()) {
            put("left", ValueText::writeInteger(frame.x()));
            put("top", ValueText::writeInteger(frame.y()));
        }
        put("width", ValueText::writeInteger(frame.width()));
        put("height", ValueText::writeInteger(frame.height()));
    }
    put("checkbox1", ValueText::writeBoolean(fields.isChecked("CheckBox1")));
    for (const char *name : decimalFields) {
        put(name, texts_.writeDecimal(static_cast<double>(mx::readDecimal(fields.text(name)))));
    }
    for (const char *name : integerFields) {
        put(name, ValueText::writeInteger(mx::readInteger(mx::field(name), fields.text(name))));
    }
    // The market's rules come after r13, once the user has chosen them: a file of a user who
    // never did keeps the keys it always had.
    const auto putChosen = [&](const char *key, const std::string &value,
                               std::string_view initial) {
        if (value != initial || ini.value(section, QString::fromLatin1(key))) {
            put(key, QString::fromStdString(value));
        }
    };
    putChosen("checkbox2", fields.isChecked("CheckBox2") ? "1" : "0", "0");
    for (const auto &[key, choice] : choiceKeys) {
        putChosen(key, fields.text(choice), mx::field(choice).initial);
    }
    // Then the 평단·물타기 panel's fields, once the user has filled one.
    for (const std::string_view name : mx::averagingInputFields) {
        const std::string text = fields.text(name);
        const std::string value =
            text.empty() ? text : mx::formatPlain(mx::readInteger(mx::field(name), text));
        putChosen(averagingKey(name).toLatin1().constData(), value, "");
    }
    if (!writeSettings(path_, ini)) {
        showFileMessage(fields, messages::cannotSave, path_);
        return false;
    }
    return true;
}

} // namespace mx::settings
