#include "settings_file.h"

#include "calc/averaging.h"
#include "calc/fields.h"
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
constexpr std::array decimalFields{"r1", "r2"};
// The keys of the choice fields of the market's rules.
constexpr std::pair<const char *, const char *> choiceKeys[] = {{"market", "ComboBox1"},
                                                                {"rounding", "ComboBox2"}};

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

} // namespace

SettingsFile::SettingsFile(QString path, ValueText texts)
    : path_(std::move(path)), texts_(std::move(texts)) {}

bool SettingsFile::load(Sheet &fields, SettingsHost &window) const {
    window.scrollPagesToTop();

    const FileContent content = readWholeFile(path_);
    IniFile ini = IniFile::fromBytes(content.bytes);
    // A file that exists but cannot be read must not be replaced by one holding only the
    // counter: its settings stay on disk for a later start.
    bool written = false;
    if (content.state == FileContent::State::Unreadable) {
        showFileMessage(fields, messages::cannotRead, path_);
    } else {
        std::int32_t count = storedInteger(ini, QStringLiteral("mycount")).value_or(0);
        if (count > noticeAfter) {
            window.showPromotionalNotice();
            count = 0;
        }
        ini.setValue(section, QStringLiteral("mycount"), ValueText::writeInteger(count + 1));
        written = writeWholeFile(path_, ini.toBytes());
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

    const QRect frame = window.placement();
    const QSize screen = window.screenSize();
    if (qint64{screen.width()} < qint64{frame.x()} + frame.width() + 20) {
        window.setLeft(0);
    }
    if (qint64{screen.height()} < qint64{frame.y()} + frame.height() + 40) {
        window.setTop(0);
    }

    applyOptions(ini, fields);
    return written;
}

bool SettingsFile::loadOptions(Sheet &fields) const {
    const FileContent content = readWholeFile(path_);
    if (content.state == FileContent::State::Unreadable) {
        return false;
    }
    applyOptions(IniFile::fromBytes(content.bytes), fields);
    return true;
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
        if (const std::optional<std::int32_t> value =
                storedInteger(ini, QString::fromLatin1(name))) {
            fields.setText(name, mx::formatPlain(mx::clampToField(mx::field(name), *value)));
        }
    }
    // A choice the program does not know reads as the field's first one.
    for (const auto &[key, choice] : choiceKeys) {
        if (const std::optional<QString> text = ini.value(section, QString::fromLatin1(key))) {
            const std::string stored = text->trimmed().toStdString();
            const mx::FieldSpec &fieldSpec = mx::field(choice);
            const bool known = std::find(fieldSpec.choices.begin(), fieldSpec.choices.end(),
                                         stored) != fieldSpec.choices.end();
            fields.setText(choice, known ? stored : std::string(fieldSpec.initial));
        }
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
    const FileContent content = readWholeFile(path_);
    if (content.state == FileContent::State::Unreadable) {
        showFileMessage(fields, messages::cannotSave, path_);
        return false;
    }
    IniFile ini = IniFile::fromBytes(content.bytes);
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
    if (!writeWholeFile(path_, ini.toBytes())) {
        showFileMessage(fields, messages::cannotSave, path_);
        return false;
    }
    return true;
}

} // namespace mx::settings
