#include "rewrite/image_handler.h"

#include <gtest/gtest.h>

#include <string>

#include "driver_fixture.h"

namespace check_html {
namespace {

class ImageHandler : public RewriteTest {
 protected:
  ImageHandler() { options.tex_html = false; }
  // The tag as written, the writer's line breaks taken out again (each break follows a blank).
  std::string Rewrite(const std::string& tag) {
    std::string out = Fresh([&] { HandleImage(page, tag); });
    std::erase(out, '\n');
    return out;
  }
};

constexpr const char* kEnlarge = " ONCLICK=\"javascript: cs(this)\"";
constexpr const char* kEnlargeTitle = " TITLE=\"click to enlarge size\"";

TEST_F(ImageHandler, WritesOtherAttributesFirstThenTheKnownOnesInFixedOrder) {
  const std::pair<std::string, std::string> cases[] = {
      {"img src=\"Pic.GIF\" data-x=\"1\" TITLE=\"t\" border=\"0\" alt=\"a\" align=\"left\" "
       "style=\"s\" valign=\"top\" height=\"5\" width=\"6\"",
       "<IMG data-x=\"1\" style=\"s\" ALIGN=\"left\" VALIGN=\"top\" WIDTH=\"6\" HEIGHT=\"5\" "
       "BORDER=\"0\" SRC=\"pic.gif\" ALT=\"a\" TITLE=\"t\">"},
      // Old frame calls are updated; a short ALT is dropped.
      {"img src=\"a.png\" onclick=\"javascript: top.cs(this)\" alt=\"{short x}\" "
       "onload=\"if (top.forscreen) {height=10; width=20}\"",
       "<IMG ONCLICK=\"javascript: cs(this)\" ONLOAD=\"if (document.forscreen) {height=10; "
       "width=20}\" SRC=\"a.png\">"},
      // The old test is replaced where it stands, not at the start of the script.
      {"img onload=\"x=1; if (top.forscreen) {y()}\"",
       "<IMG ONLOAD=\"x=1; if (document.forscreen) {y()}\">"},
  };
  for (const auto& [tag, result] : cases) EXPECT_EQ(Rewrite(tag), result) << tag;
}

TEST_F(ImageHandler, IconsGetTheirFixedSizeAndPathAndLoseTheirOtherKnownAttributes) {
  const struct {
    bool png;
    std::string src, size, written_src;
  } cases[] = {
      {true, "../styles/dreieck3.gif", "17\" HEIGHT=\"21", "../../styles/dreieck3.png"},
      {false, "../../../styles/dreieck3.png", "17\" HEIGHT=\"21", "../../../styles/dreieck3.png"},
      {true, "../styles/dreieck1.gif", "39\" HEIGHT=\"51", "../../styles/dreieck1.png"},
      {false, "../styles/dreieck2.png", "25\" HEIGHT=\"40", "../styles/dreieck1.gif"},
      {true, "../../../styles/kugel1.gif", "20\" HEIGHT=\"20", "../../../styles/kugel1.gif"},
      {false, "../styles/kugel1.png", "20\" HEIGHT=\"20", "../styles/kugel1.gif"},
  };
  for (const auto& c : cases) {
    run.PngButtons = c.png;
    EXPECT_EQ(Rewrite("img class=\"c\" src=\"" + c.src + "\" alt=\"x\" width=\"9\" title=\"t\""),
              "<IMG class=\"c\" WIDTH=\"" + c.size + "\" BORDER=\"0\" SRC=\"" + c.written_src +
                  "\">")
        << c.src;
  }
}

TEST_F(ImageHandler, SizeStepReducesLargePicturesByTheirOnloadHint) {
  // The attributes besides src="a.png", what is written between "<IMG" and the SRC, the title.
  const std::string script = " ONLOAD=\"if (document.forscreen) {";
  const struct {
    std::string attributes, result, title = kEnlargeTitle;
  } cases[] = {
      {"width=\"800\" height=\"600\"",
       " WIDTH=\"600\" HEIGHT=\"450\"" + (kEnlarge + script) + "height=600; width=800}\""},
      {"width=\"400\" height=\"1000\"",
       " WIDTH=\"200\" HEIGHT=\"500\"" + (kEnlarge + script) + "height=1000; width=400}\""},
      {"onload=\"ss\" width=\"200\" height=\"100\"",
       " WIDTH=\"100\" HEIGHT=\"50\"" + (kEnlarge + script) + "height=100; width=200}\""},
      {"onload=\"SWH_400\" width=\"800\" height=\"600\"",
       " WIDTH=\"200\" HEIGHT=\"150\"" + (kEnlarge + script) + "height=300; width=400}\""},
      // 7.5 and 2.5 round to the even neighbours.
      {"onload=\"sw_1_3\" width=\"4\" height=\"10\"",
       " WIDTH=\"1\" HEIGHT=\"2\"" + (kEnlarge + script) + "height=8; width=3}\""},
      {"width=\"250\" height=\"600\"",
       " WIDTH=\"208\" HEIGHT=\"500\"" + (kEnlarge + script) + "height=600; width=250}\""},
      {"onload=\"go()\" width=\"100\" height=\"1000\"",
       " WIDTH=\"50\" HEIGHT=\"500\"" + std::string(kEnlarge) + " ONLOAD=\"go()\""},
      {"width=\"50\" height=\"20\" title=\"Back\"", " WIDTH=\"50\" HEIGHT=\"20\"",
       " TITLE=\"Back\""},
      {"width=\"50\" height=\"20\" title=\"Bild\"",
       " WIDTH=\"50\" HEIGHT=\"20\"" + std::string(kEnlarge), " TITLE=\"Bild\""},
      // Without a whole number for both sizes the step does nothing.
      {"width=\"800\" height=\"60%\"", " WIDTH=\"800\" HEIGHT=\"60%\"", ""},
  };
  options.ChlargeImageItem = true;
  for (const auto& c : cases) {
    EXPECT_EQ(Rewrite("img src=\"a.png\" " + c.attributes),
              "<IMG" + c.result + " SRC=\"a.png\"" + c.title + ">")
        << c.attributes;
  }
}

TEST_F(ImageHandler, ConverterPagesAndSectionIconsKeepTheirSize) {
  options.tex_html = true;
  EXPECT_EQ(Rewrite("img src=\"a.png\" width=\"800\" height=\"600\""),
            "<IMG WIDTH=\"800\" HEIGHT=\"600\"" + std::string(kEnlarge) + " SRC=\"a.png\"" +
                kEnlargeTitle + ">");
  EXPECT_EQ(Rewrite("img src=\"../styles/Illu.gif\" width=\"20\" height=\"15\" title=\"t\" "
                    "onclick=\"javascript: top.cs(this)\" onload=\"if (top.forscreen) {x}\""),
            "<IMG WIDTH=\"40\" HEIGHT=\"30\" SRC=\"../styles/illu.gif\">");
}

TEST_F(ImageHandler, GifPicturesTakeTheirPngNamesExceptAnimatedOnes) {
  options.GiF2PNGItem = true;
  EXPECT_EQ(Rewrite("img src=\"Pic.GIF\""), "<IMG SRC=\"pic.png\">");
  EXPECT_EQ(Rewrite("img src=\"x_a_n_i_m_1.gif\""), "<IMG SRC=\"x_a_n_i_m_1.gif\">");
}

}  // namespace
}  // namespace check_html
