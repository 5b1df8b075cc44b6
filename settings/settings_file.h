#pragma once

#include "value_text.h"

#include <QRect>
#include <QSize>
#include <QString>

namespace mx {
class Sheet;
}

namespace mx::settings {

class IniFile;

// What loading and saving the settings need of the main window beyond its fields, which
// they reach through the core's field-access interface.
class SettingsHost {
public:
    virtual ~SettingsHost() = default;

    // The window's outer frame in screen pixels: left, top, width, height.
    virtual QRect placement() const = 0;
    // Each applied at once; the window keeps its own rules (its minimum width of 400).
    virtual void setLeft(int left) = 0;
    virtual void setTop(int top) = 0;
    virtual void setWidth(int width) = 0;
    virtual void setHeight(int height) = 0;
    // The primary screen in pixels.
    virtual QSize screenSize() const = 0;
    // What of the primary screen a window may cover (without panels and docks), in pixels.
    virtual QSize availableSize() const = 0;
    // Neither minimized nor maximized.
    virtual bool isNormalState() const = 0;
    // Whether placement() gives the window's true left and top edges. A platform that keeps
    // the position from its clients (Wayland) does not.
    virtual bool reportsPosition() const = 0;
    virtual void scrollPagesToTop() = 0;
    // The promotional notice; returns when the user has answered it.
    virtual void showPromotionalNotice() = 0;
};

// The largest settings file that is read, some thousand times what the program writes: a
// larger one counts as unreadable and is left as it is, and settings that would make the file
// larger are not written (a later start could not read them).
inline constexpr qint64 settingsFileLimit = 1024 * 1024;

// The settings file cal.ini with its section "c1": the run counter, the window placement,
// the commission options and the nine target and stop-loss percentages. Field texts are in
// the core's notation; the file's decimals are written in the locale's and read in either.
class SettingsFile {
public:
    explicit SettingsFile(QString path, ValueText texts = ValueText());

    const QString &path() const { return path_; }

    // Run at window creation. Advances the run counter (with the promotional notice past 50)
    // and writes it at once, then restores placement, options and percentages. When the
    // counter cannot be written, a message names the file and the stored settings are still
    // loaded; the result is then false. A file that cannot be read (not a regular file,
    // larger than settingsFileLimit, UTF-16 that would not convert back) is left as it is,
    // with a message, and the window keeps its initial settings.
    bool load(Sheet &fields, SettingsHost &window) const;

    // Run when the window closes. Writes placement (normal state only; the edges only where
    // the platform reports them), options and percentages. On failure the old file stays
    // whole, a message names the file and the result is false.
    bool save(Sheet &fields, const SettingsHost &window) const;

    // Only the options and percentages, for a reader that is no window: nothing is counted or
    // written. False when the file exists but cannot be read.
    bool loadOptions(Sheet &fields) const;

private:
    void applyOptions(const IniFile &ini, Sheet &fields) const;

    QString path_;
    ValueText texts_;
};

// Messages of the settings file; the file's path follows each on a line of its own.
namespace messages {
inline constexpr char16_t cannotWriteCounter[] = u"설정 파일에 기록할 수 없습니다.";
inline constexpr char16_t cannotSave[] = u"설정 파일을 저장할 수 없습니다.";
inline constexpr char16_t cannotRead[] = u"설정 파일을 읽을 수 없습니다.";
} // namespace messages

} // namespace mx::settings
