#pragma once

#include "output/colortext.h"

#include <array>
#include <string>
#include <string_view>

namespace gs {

// The four kinds of output setting and the form their value takes.
enum class SettingKind {
    Switch, // check box: on or off, "1" / "0"
    Text,   // single-line edit: the text as it stands
    Number, // single-line edit holding an integer as typed; not checked until it is read
    Spin,   // the spin control "Spalten": an integer kept within 1..4
    Color,  // colour panel: 0x00BBGGRR
};

// One setting: its key (the record name in the settings text), kind and default text.
struct SettingDefinition
{
    const char *key;
    SettingKind kind;
    const char *standard; // Windows-1252; "#" stands for the empty text
};

inline constexpr int SettingCount = 32;

// The settings in the order in which Make writes them.
const std::array<SettingDefinition, SettingCount> &settingDefinitions();

// The output configuration of a document: 32 settings by key, read and written as the
// document's Infos text. Exports read it; the configuration dialog edits it. Keys are the names
// the settings text uses ("CheckBox8", "Edit12", ...) and are compared without regard to case.
class OutputSettings
{
public:
    // All settings at their defaults.
    OutputSettings();

    // Every setting to its default.
    void SetStandardValues();
    // The settings text: key "#13#" value "^10^" for each setting, in the fixed order.
    std::string Make() const;
    // Applies the records of a settings text; settings without a record keep their values, an
    // empty text means the defaults. A spin or colour record that does not convert is ignored.
    void Get(const std::string &text);

    bool isOn(std::string_view key) const;
    void setOn(std::string_view key, bool on);
    // Text and number settings as they stand (Windows-1252); the spin as its decimal text.
    std::string text(std::string_view key) const;
    void setText(std::string_view key, const std::string &text);
    // A number setting read as an integer; nothing when its text does not hold one.
    std::optional<qint32> number(std::string_view key) const;
    int spin(std::string_view key) const;
    void setSpin(std::string_view key, int value);
    TColor color(std::string_view key) const;
    void setColor(std::string_view key, TColor color);

    // The definition of a key; nullptr for an unknown one.
    static const SettingDefinition *find(std::string_view key);

    bool operator==(const OutputSettings &) const = default;

private:
    struct Value
    {
        bool on = false;
        std::string text; // text and number settings
        int number = 0;   // spin
        TColor color = 0;
        bool operator==(const Value &) const = default;
    };

    Value &value(std::string_view key);
    const Value &value(std::string_view key) const;
    // False when the text does not convert for a spin or colour setting.
    static bool assign(const SettingDefinition &definition, Value &value, const std::string &text);

    std::array<Value, SettingCount> m_values;
};

// The settings in effect for this run: the configuration dialog and the output windows share
// them, as the dialog's controls would.
OutputSettings &CurrentOutputSettings();

} // namespace gs
