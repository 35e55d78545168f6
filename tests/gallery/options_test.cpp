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

}  // namespace
