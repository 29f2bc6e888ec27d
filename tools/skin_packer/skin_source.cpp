#include "tools/skin_packer/skin_source.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <utility>

namespace skin_packer {
namespace {

using skin::FrameMetrics;

using MetricField = std::uint16_t FrameMetrics::*;
const std::array<std::pair<const char*, MetricField>, 10> kMetricKeys = {{
    {"caption_height", &FrameMetrics::captionHeight},
    {"border_left", &FrameMetrics::borderLeft},
    {"border_top", &FrameMetrics::borderTop},
    {"border_right", &FrameMetrics::borderRight},
    {"border_bottom", &FrameMetrics::borderBottom},
    {"button_width", &FrameMetrics::buttonWidth},
    {"button_height", &FrameMetrics::buttonHeight},
    {"button_spacing", &FrameMetrics::buttonSpacing},
    {"icon_size", &FrameMetrics::iconSize},
    {"button_radius", &FrameMetrics::buttonRadius},
}};

// section -> key -> value, in the order of neither: lookups only.
using IniFile = std::map<std::string, std::map<std::string, std::string>>;

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<IniFile> parseIni(std::istream& in, std::string& error)
{
    IniFile ini;
    std::string section;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = trimmed(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = trimmed(line.substr(1, line.size() - 2));
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || section.empty()) {
            error = "skin.ini line " + std::to_string(number) + ": expected key = value inside a [section]";
            return std::nullopt;
        }
        ini[section][trimmed(line.substr(0, equals))] = trimmed(line.substr(equals + 1));
    }
    return ini;
}

std::optional<std::uint32_t> parseNumber(const std::string& text, int base, std::size_t maxDigits)
{
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : text) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
            : (base == 16 && std::isxdigit(static_cast<unsigned char>(c)))
            ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
            : -1;
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + digit;
    }
    return value;
}

// "#RRGGBB" (opaque) or "#AARRGGBB".
std::optional<std::uint32_t> parseColour(const std::string& text)
{
    if (text.size() != 7 && text.size() != 9)
        return std::nullopt;
    if (text[0] != '#')
        return std::nullopt;
    const auto value = parseNumber(text.substr(1), 16, 8);
    if (!value)
        return std::nullopt;
    return text.size() == 7 ? (*value | 0xFF000000U) : *value;
}

std::string colourText(std::uint32_t argb)
{
    std::array<char, 16> text {};
    if ((argb >> 24) == 0xFF)
        std::snprintf(text.data(), text.size(), "#%06x", argb & 0xFFFFFFU);
    else
        std::snprintf(text.data(), text.size(), "#%08x", argb);
    return text.data();
}

template<std::size_t N> bool parseHex(const std::string& text, std::array<unsigned char, N>& out)
{
    if (text.size() != 2 * N)
        return false;
    for (std::size_t i = 0; i < N; ++i) {
        const auto byte = parseNumber(text.substr(2 * i, 2), 16, 2);
        if (!byte)
            return false;
        out[i] = static_cast<unsigned char>(*byte);
    }
    return true;
}

template<std::size_t N> std::string hexText(const std::array<unsigned char, N>& bytes)
{
    std::string text;
    for (const unsigned char byte : bytes) {
        std::array<char, 3> pair {};
        std::snprintf(pair.data(), pair.size(), "%02x", byte);
        text += pair.data();
    }
    return text;
}

// Takes the value of section.key out of the ini, so that what is left at the end is unknown.
std::optional<std::string> takeValue(IniFile& ini, const std::string& section, const std::string& key)
{
    auto found = ini.find(section);
    if (found == ini.end() || !found->second.contains(key))
        return std::nullopt;
    auto value = found->second[key];
    found->second.erase(key);
    if (found->second.empty())
        ini.erase(found);
    return value;
}

std::string readMetrics(IniFile& ini, FrameMetrics& metrics)
{
    for (const auto& [key, field] : kMetricKeys) {
        const auto text = takeValue(ini, "metrics", key);
        const auto value = text ? parseNumber(*text, 10, 4) : std::nullopt;
        if (!value)
            return std::string("[metrics] ") + key + ": missing or not a number";
        metrics.*field = static_cast<std::uint16_t>(*value);
    }
    return skin::metricsAreDrawable(metrics) ? "" : "[metrics]: a value lies outside what the engine can draw";
}

std::string readColours(IniFile& ini, skin::Skin& skin)
{
    for (std::uint32_t role = 1; role <= skin::kColourRoleCount; ++role) {
        const auto name = std::string(skin::colourRoleName(static_cast<skin::ColourRole>(role)));
        const auto text = takeValue(ini, "colours", name);
        const auto value = text ? parseColour(*text) : std::nullopt;
        if (!value)
            return "[colours] " + name + ": missing or not #RRGGBB / #AARRGGBB";
        skin.setColour(static_cast<skin::ColourRole>(role), *value);
    }
    return {};
}

std::string readLock(IniFile& ini, skin::Skin& skin)
{
    const auto salt = takeValue(ini, "password", "salt");
    const auto hash = takeValue(ini, "password", "hash");
    if (!salt && !hash)
        return {};
    skin::PasswordLock lock;
    if (!salt || !hash || !parseHex(*salt, lock.salt) || !parseHex(*hash, lock.hash))
        return "[password]: salt (32 hex digits) and hash (64 hex digits) go together";
    skin.lock = lock;
    return {};
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string describeLeftovers(const IniFile& ini)
{
    for (const auto& [section, keys] : ini)
        return "skin.ini: unknown key [" + section + "] " + keys.begin()->first;
    return {};
}

std::string iniText(const skin::Skin& skin)
{
    std::ostringstream out;
    out << "; Skin source: metrics in pixels, colours as #RRGGBB or #AARRGGBB.\n";
    out << "[skin]\nname = " << skin.name << "\n\n[metrics]\n";
    for (const auto& [key, field] : kMetricKeys)
        out << key << " = " << skin.metrics.*field << '\n';
    out << "\n[colours]\n";
    for (std::uint32_t role = 1; role <= skin::kColourRoleCount; ++role) {
        const auto colourRole = static_cast<skin::ColourRole>(role);
        out << skin::colourRoleName(colourRole) << " = " << colourText(skin.colour(colourRole)) << '\n';
    }
    if (skin.lock)
        out << "\n[password]\nsalt = " << hexText(skin.lock->salt) << "\nhash = " << hexText(skin.lock->hash) << '\n';
    return out.str();
}

} // namespace

SourceResult readSkinSource(const std::filesystem::path& folder)
{
    const auto iniContent = readWholeFile(folder / "skin.ini");
    const auto styleSheet = readWholeFile(folder / "style.qss");
    if (!iniContent || !styleSheet)
        return {std::nullopt, "cannot read skin.ini and style.qss in " + folder.string()};
    std::string error;
    std::istringstream iniStream(*iniContent);
    auto ini = parseIni(iniStream, error);
    if (!ini)
        return {std::nullopt, error};
    skin::Skin skin;
    skin.name = takeValue(*ini, "skin", "name").value_or("");
    skin.styleSheet = *styleSheet;
    for (const auto& step :
        {std::function([&] { return readMetrics(*ini, skin.metrics); }),
            std::function([&] { return readColours(*ini, skin); }), std::function([&] { return readLock(*ini, skin); }),
            std::function([&] { return describeLeftovers(*ini); })}) {
        if (error = step(); !error.empty())
            return {std::nullopt, error};
    }
    if (skin.styleSheet.find('\0') != std::string::npos || skin.name.find('\0') != std::string::npos)
        return {std::nullopt, "style.qss and the name must not hold NUL bytes"};
    return {std::move(skin), {}};
}

bool writeSkinSource(const skin::Skin& skin, const std::filesystem::path& folder)
{
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::ofstream ini(folder / "skin.ini", std::ios::binary | std::ios::trunc);
    ini << iniText(skin);
    std::ofstream styleSheet(folder / "style.qss", std::ios::binary | std::ios::trunc);
    styleSheet << skin.styleSheet;
    ini.close();
    styleSheet.close();
    return ini.good() && styleSheet.good();
}

} // namespace skin_packer
