// Theme files: values override the defaults, mistakes are reported by line.
#include <gtest/gtest.h>

#include "skins/generator/skin_painter.h"
#include "skins/generator/theme.h"

namespace tebix::skins {
namespace {

TEST(Theme, ReadsColoursSizesAndNameOverTheDefaults) {
  Theme theme;
  const Theme defaults;
  std::string error;
  ASSERT_TRUE(
      ParseTheme("# comment\n\nname = test\r\naccent = #102030\n  caption_height=24 \n", theme, error))
      << error;
  EXPECT_EQ(theme.name, "test");
  EXPECT_EQ(theme.accent, tbx::Rgb(0x10, 0x20, 0x30));
  EXPECT_EQ(theme.caption_height, 24);
  EXPECT_EQ(theme.window, defaults.window);
}

TEST(Theme, RefusesWhatItCannotUseAndNamesTheLine) {
  const char* const bad[] = {
      "accent = 102030\n",      // no '#'
      "accent = #10203\n",      // too short
      "accent = #1020zz\n",     // not hexadecimal
      "acent = #102030\n",      // unknown name
      "caption_height = 12\n",  // too small to hold the buttons
      "scroll_size = 16px\n",   // not a number
      "\nborder_width\n",       // no value
  };
  for (const char* text : bad) {
    Theme theme;
    std::string error;
    EXPECT_FALSE(ParseTheme(text, theme, error)) << text;
    EXPECT_NE(error.find("line "), std::string::npos) << error;
  }
}

TEST(Painter, EveryPartOfTheSkinSitsInItsOwnCellOrSharesAnIdenticalOne) {
  // Two parts may point at the same cell only when they look the same; a
  // packing fault would make cells overlap.
  const tbx::SkinSource skin = PaintSkin(Theme{});
  for (std::size_t a = 0; a < skin.parts.size(); ++a) {
    const SkinPart& p = skin.parts[a];
    if (p.width == 0) continue;
    for (std::size_t b = a + 1; b < skin.parts.size(); ++b) {
      const SkinPart& q = skin.parts[b];
      if (q.width == 0 || (p.x == q.x && p.y == q.y && p.width == q.width && p.height == q.height)) continue;
      const bool apart =
          p.x + p.width <= q.x || q.x + q.width <= p.x || p.y + p.height <= q.y || q.y + q.height <= p.y;
      EXPECT_TRUE(apart) << "parts " << a << " and " << b << " overlap";
    }
  }
}

}  // namespace
}  // namespace tebix::skins
