#include "output/outputsettings.h"

#include <QLatin1StringView>

#include <algorithm>
#include <stdexcept>

namespace gs {

namespace {

constexpr std::string_view recordEnd = "^10^";
constexpr std::string_view keyEnd = "#13#";
constexpr int spinMinimum = 1;
constexpr int spinMaximum = 4;

// Defaults with umlauts are written as Windows-1252 bytes.
constexpr std::array<SettingDefinition, SettingCount> definitions{{
        {"CheckBox8", SettingKind::Switch, "1"},
        {"Edit12", SettingKind::Text, "Felderquiz"},
        {"CheckBox7", SettingKind::Switch, "1"},
        {"CheckBox4", SettingKind::Switch, "1"},
        {"SpinEdit1", SettingKind::Spin, "2"},
        {"CheckBox2", SettingKind::Switch, "0"},
        {"CheckBox3", SettingKind::Switch, "1"},
        {"CheckBox1", SettingKind::Switch, "1"},
        {"CheckBox5", SettingKind::Switch, "1"},
        {"Edit1",
         SettingKind::Text,
         "\xDC"
         "berpr\xFC"
         "fen"},
        {"CheckBox6", SettingKind::Switch, "0"},
        {"Edit2", SettingKind::Text, "L\xF6sung"},
        {"Edit3", SettingKind::Text, "Gratulation! Du hast das R\xE4tsel gel\xF6st!"},
        {"Edit4", SettingKind::Text, "Leider ist noch nicht alles richtig."},
        {"Panel1", SettingKind::Color, "clWhite"},
        {"Panel3", SettingKind::Color, "clBlack"},
        {"Panel4", SettingKind::Color, "clBlack"},
        {"Panel5", SettingKind::Color, "clWhite"},
        {"Panel6", SettingKind::Color, "clWhite"},
        {"Panel7", SettingKind::Color, "clBlack"},
        {"Panel8", SettingKind::Color, "clWhite"},
        {"Edit5", SettingKind::Text, "#"},
        {"Panel2", SettingKind::Color, "12895428"},
        {"Edit6", SettingKind::Number, "130"},
        {"Edit7", SettingKind::Number, "30"},
        {"Edit8", SettingKind::Number, "450"},
        {"Edit9", SettingKind::Number, "500"},
        {"Edit10", SettingKind::Number, "40"},
        {"Edit13", SettingKind::Number, "43"},
        {"Edit11", SettingKind::Number, "50"},
        {"Edit14", SettingKind::Number, "700"},
        {"CheckBox9", SettingKind::Switch, "1"},
}};

int indexOf(std::string_view key)
{
    const QLatin1StringView wanted(key.data(), qsizetype(key.size()));
    for (int i = 0; i < SettingCount; ++i) {
        if (wanted.compare(QLatin1StringView(definitions[i].key), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// The part before separator and the part after it; without separator the whole and nothing.
std::pair<std::string_view, std::string_view> splitAt(std::string_view text,
                                                      std::string_view separator)
{
    const size_t at = text.find(separator);
    if (at == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, at), text.substr(at + separator.size())};
}

} // namespace

const std::array<SettingDefinition, SettingCount> &settingDefinitions()
{
    return definitions;
}

OutputSettings::OutputSettings()
{
    SetStandardValues();
}

void OutputSettings::SetStandardValues()
{
    for (int i = 0; i < SettingCount; ++i) {
        const SettingDefinition &definition = definitions[i];
        const std::string standard = definition.standard == std::string_view("#")
                                             ? std::string()
                                             : std::string(definition.standard);
        assign(definition, m_values[i], standard);
    }
}

std::string OutputSettings::Make() const
{
    std::string text;
    for (int i = 0; i < SettingCount; ++i) {
        const SettingDefinition &definition = definitions[i];
        const Value &value = m_values[i];
        text += definition.key;
        text += keyEnd;
        switch (definition.kind) {
        case SettingKind::Switch:
            text += value.on ? "1" : "0";
            break;
        case SettingKind::Text:
        case SettingKind::Number:
            text += value.text;
            break;
        case SettingKind::Spin:
            text += std::to_string(value.number);
            break;
        case SettingKind::Color:
            text += colorToText(value.color);
            break;
        }
        text += recordEnd;
    }
    return text;
}

void OutputSettings::Get(const std::string &text)
{
    if (text.empty()) {
        SetStandardValues();
        return;
    }
    std::string_view rest = text;
    while (!rest.empty()) {
        const auto [record, after] = splitAt(rest, recordEnd);
        rest = after;
        const auto [key, value] = splitAt(record, keyEnd);
        const int index = indexOf(key);
        if (index >= 0)
            assign(definitions[index], m_values[index], std::string(value));
    }
}

bool OutputSettings::assign(const SettingDefinition &definition,
                            Value &value,
                            const std::string &text)
{
    switch (definition.kind) {
    case SettingKind::Switch:
        value.on = text == "1";
        return true;
    case SettingKind::Text:
    case SettingKind::Number:
        value.text = text;
        return true;
    case SettingKind::Spin:
        if (const auto number = parseInteger(text)) {
            value.number = std::clamp(int(*number), spinMinimum, spinMaximum);
            return true;
        }
        return false;
    case SettingKind::Color:
        if (const auto color = colorFromText(text)) {
            value.color = *color;
            return true;
        }
        return false;
    }
    return false;
}

const SettingDefinition *OutputSettings::find(std::string_view key)
{
    const int index = indexOf(key);
    return index < 0 ? nullptr : &definitions[index];
}

OutputSettings::Value &OutputSettings::value(std::string_view key)
{
    const int index = indexOf(key);
    if (index < 0)
        throw std::invalid_argument("unknown output setting " + std::string(key));
    return m_values[index];
}

const OutputSettings::Value &OutputSettings::value(std::string_view key) const
{
    return const_cast<OutputSettings *>(this)->value(key);
}

bool OutputSettings::isOn(std::string_view key) const
{
    return value(key).on;
}

void OutputSettings::setOn(std::string_view key, bool on)
{
    value(key).on = on;
}

std::string OutputSettings::text(std::string_view key) const
{
    const SettingDefinition *definition = find(key);
    if (definition && definition->kind == SettingKind::Spin)
        return std::to_string(value(key).number);
    return value(key).text;
}

void OutputSettings::setText(std::string_view key, const std::string &text)
{
    value(key).text = text;
}

std::optional<qint32> OutputSettings::number(std::string_view key) const
{
    return parseInteger(value(key).text);
}

int OutputSettings::spin(std::string_view key) const
{
    return value(key).number;
}

void OutputSettings::setSpin(std::string_view key, int number)
{
    value(key).number = std::clamp(number, spinMinimum, spinMaximum);
}

TColor OutputSettings::color(std::string_view key) const
{
    return value(key).color;
}

void OutputSettings::setColor(std::string_view key, TColor color)
{
    value(key).color = color;
}

OutputSettings &CurrentOutputSettings()
{
    static OutputSettings settings;
    return settings;
}

} // namespace gs
