#include "skins/generator/theme.h"

#include <charconv>
#include <optional>

namespace tebix::skins {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::optional<Colour> ParseColour(std::string_view v) {
  if (v.size() != 7 || v[0] != '#') return std::nullopt;
  unsigned value = 0;
  const auto [end, ec] = std::from_chars(v.data() + 1, v.data() + v.size(), value, 16);
  if (ec != std::errc() || end != v.data() + v.size()) return std::nullopt;
  return tbx::Rgb(static_cast<int>(value >> 16), static_cast<int>(value >> 8), static_cast<int>(value));
}

std::optional<int> ParseInt(std::string_view v) {
  int value = 0;
  const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
  if (ec != std::errc() || end != v.data() + v.size()) return std::nullopt;
  return value;
}

struct ColourEntry {
  const char* name;
  Colour Theme::*member;
};
struct SizeEntry {
  const char* name;
  int Theme::*member;
  int min;
  int max;
};

constexpr ColourEntry kColours[] = {
    {"window", &Theme::window},
    {"surface", &Theme::surface},
    {"surface_shade", &Theme::surface_shade},
    {"border", &Theme::border},
    {"text", &Theme::text},
    {"muted_text", &Theme::muted_text},
    {"accent", &Theme::accent},
    {"accent_text", &Theme::accent_text},
    {"caption_inactive", &Theme::caption_inactive},
    {"caption_inactive_text", &Theme::caption_inactive_text},
    {"danger", &Theme::danger},
};

// The ranges keep every part drawable: a caption must hold its buttons, a
// scroll bar its arrows, and so on.
constexpr SizeEntry kSizes[] = {
    {"caption_height", &Theme::caption_height, 20, 40},
    {"border_width", &Theme::border_width, 2, 8},
    {"corner_radius", &Theme::corner_radius, 0, 10},
    {"control_radius", &Theme::control_radius, 0, 6},
    {"scroll_size", &Theme::scroll_size, 12, 24},
    {"menu_item_height", &Theme::menu_item_height, 16, 32},
    {"glyph_size", &Theme::glyph_size, 11, 20},
};

}  // namespace

bool ParseTheme(std::string_view text, Theme& theme, std::string& error) {
  int line_number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++line_number;
    if (line.empty() || line.front() == '#') continue;
    const std::string where = "line " + std::to_string(line_number) + ": ";
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      error = where + "expected name = value";
      return false;
    }
    const std::string_view name = Trim(line.substr(0, eq));
    const std::string_view value = Trim(line.substr(eq + 1));
    bool known = false;
    if (name == "name") {
      theme.name = std::string(value);
      known = true;
    }
    for (const ColourEntry& entry : kColours) {
      if (name != entry.name) continue;
      const auto colour = ParseColour(value);
      if (!colour) {
        error = where + "\"" + std::string(value) + "\" is not a colour of the form #RRGGBB";
        return false;
      }
      theme.*entry.member = *colour;
      known = true;
    }
    for (const SizeEntry& entry : kSizes) {
      if (name != entry.name) continue;
      const auto size = ParseInt(value);
      if (!size || *size < entry.min || *size > entry.max) {
        error = where + std::string(name) + " must be a whole number from " + std::to_string(entry.min) +
                " to " + std::to_string(entry.max);
        return false;
      }
      theme.*entry.member = *size;
      known = true;
    }
    if (!known) {
      error = where + "unknown name \"" + std::string(name) + "\"";
      return false;
    }
  }
  return true;
}

}  // namespace tebix::skins
