// The command line: `--show NAME`, any number of times, names checked
// against the gallery's commands.
#include <gtest/gtest.h>

#include "gallery/GalleryCommands.h"

namespace {

using gallery::ParseGalleryOptions;

TEST(GalleryOptions, ShowNamesRunInOrderAndTwoChildrenByDefault) {
  EXPECT_EQ(ParseGalleryOptions({}).Show, std::vector<std::string>{"mdi"});
  const gallery::TGalleryOptions options = ParseGalleryOptions({"--show", "dialog", "--show", "msgbox"});
  EXPECT_TRUE(options.Error.empty());
  EXPECT_EQ(options.Show, (std::vector<std::string>{"dialog", "msgbox"}));
}

TEST(GalleryOptions, MistakesAreNamed) {
  EXPECT_NE(ParseGalleryOptions({"--show", "nothing"}).Error.find("nothing"), std::string::npos);
  EXPECT_NE(ParseGalleryOptions({"--show"}).Error.find("--show"), std::string::npos);
  EXPECT_NE(ParseGalleryOptions({"--screenshot"}).Error.find("--screenshot"), std::string::npos);
  // The message lists what there is to show.
  EXPECT_NE(ParseGalleryOptions({"--show", "x"}).Error.find("foreign"), std::string::npos);
}

TEST(GalleryOptions, ColourOrOneProblemAndTheRestStillRead) {
  const gallery::TGalleryOptions good = ParseGalleryOptions({"--colour", "200,0,0", "--show", "dialog"});
  ASSERT_TRUE(good.Colour.has_value());
  EXPECT_EQ(*good.Colour, (skin::TColourShift{200, 0, 0}));
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--colour", "400,0,0", "--show", "dialog"},
                                               std::vector<std::string>{"--show", "dialog", "--colour"}}) {
    const gallery::TGalleryOptions bad = ParseGalleryOptions(args);
    EXPECT_FALSE(bad.Colour.has_value());
    EXPECT_NE(bad.ColourProblem.find("--colour"), std::string::npos);
    EXPECT_TRUE(bad.Error.empty());  // the gallery starts
    EXPECT_EQ(bad.Show, std::vector<std::string>{"dialog"});
  }
}

}  // namespace
