// Loading a skin from its stored form, and every way that can fail.
#include <gtest/gtest.h>

#include "skin_data/SkinTestSupport.h"

namespace {

using namespace skin_test;
using skin::TSkinSet;

const char* const kDefinition =
    "[TitlebarSkin]\nSkinName=Stored\n[Personality]\nTop=top.bmp\n[Colours]\nButtonFace=1 2 3\n";

TFiles TopOnly() { return {{"top.bmp", BitmapFile(30, 20)}}; }

TEST(LoadFromStored, LoadsAndRemovesItsTemporaryFile) {
  TTempFolderScope temp;
  TSkinSet set;
  ASSERT_TRUE(LoadStored(set, Stored(TopOnly(), kDefinition)));
  EXPECT_FALSE(set.Empty);
  EXPECT_EQ(set.SkinName, "Stored");
  EXPECT_EQ(set.Borders[skin::bdTop]->Bitmap.Width(), 30);
  EXPECT_EQ(set.ButtonFaceColour, ui::RGBColor(1, 2, 3));
  EXPECT_TRUE(FilesIn(temp.Path()).empty());
}

TEST(LoadFromStored, DefinitionNameFromThePackageIsNeverAPath) {
  TTempFolderScope temp;
  const std::filesystem::path outside = temp.Path().parent_path() / "tavrin_escape.ini";
  std::filesystem::remove(outside);
  for (const char* hostile : {"../tavrin_escape.ini", "..\\tavrin_escape.ini", "/tmp/tavrin_escape.ini"}) {
    TSkinSet set;
    EXPECT_TRUE(LoadStored(set, Stored(TopOnly(), kDefinition, hostile))) << hostile;
    EXPECT_EQ(set.SkinName, "Stored");
  }
  EXPECT_FALSE(std::filesystem::exists(outside));
  EXPECT_FALSE(std::filesystem::exists("/tmp/tavrin_escape.ini"));
  EXPECT_TRUE(FilesIn(temp.Path()).empty());
}

TEST(LoadFromStored, BrokenStoredSkinsFailAndStayEmpty) {
  TTempFolderScope temp;
  const Bytes good = Stored(TopOnly(), kDefinition);
  Bytes oversized = good;
  oversized[0] = oversized[1] = oversized[2] = 0xFF;
  oversized[3] = 0x7F;
  Bytes garbage(4000);
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = std::uint8_t(i * 7919 >> 3);
  const std::vector<std::pair<const char*, Bytes>> cases = {
      {"nothing", {}},
      {"size only", Bytes(good.begin(), good.begin() + 4)},
      {"truncated", Bytes(good.begin(), good.begin() + std::ptrdiff_t(good.size() / 2))},
      {"oversized", oversized},
      {"garbage", garbage},
      {"no definition", skin::EncodeStored(skin::WritePackage(TopOnly()))},
      {"names past the data", skin::EncodeStored(package_test::RawPackage(20000, "a.ini\r\n", {1000}, {}))},
  };
  for (const auto& [name, stored] : cases) {
    TSkinSet set;
    EXPECT_FALSE(LoadStored(set, stored)) << name;
    EXPECT_TRUE(set.Empty) << name;
  }
  EXPECT_TRUE(FilesIn(temp.Path()).empty());
}

TEST(LoadFromStored, OlderPackageShowsTheMessageAndFails) {
  TTempFolderScope temp;
  TFiles files = TopOnly();
  files.push_back({"skin.ini", BytesOf(kDefinition)});
  std::vector<std::string> messages;
  TSkinSet set;
  EXPECT_FALSE(LoadStored(set, skin::EncodeStored(skin::WritePackage(files, 19999)), &messages));
  EXPECT_TRUE(set.Empty);
  EXPECT_EQ(messages, std::vector<std::string>{skin::kOlderSkinMessage});
}

TEST(LoadFromStored, FailedReloadLeavesTheSetEmpty) {
  TTempFolderScope temp;
  TSkinSet set;
  ASSERT_TRUE(LoadStored(set, Stored(TopOnly(), kDefinition)));
  EXPECT_FALSE(LoadStored(set, BytesOf("junk")));
  EXPECT_TRUE(set.Empty);
}

TEST(LoadFromStored, NoTemporaryFolderIsAFailedLoad) {
  TTempFolderScope temp;
  skin::SetSkinTempFolder(temp.Path() / "missing");
  TSkinSet set;
  EXPECT_FALSE(LoadStored(set, Stored(TopOnly(), kDefinition)));
  EXPECT_TRUE(set.Empty);
  EXPECT_TRUE(FilesIn(temp.Path()).empty());
}

TEST(LoadFromStored, HostileDefinitionValuesLoadWithoutHarm) {
  TTempFolderScope temp;
  std::string definition =
      "[Personality]\nTop=flat.bmp\nTopFrame=0\nTopTopHeight=2147483647\nTopBotHeight=-2147483648\n"
      "Left=zero.bmp\n[Button1]\nButtonImage=flat.bmp\n[Button2]\nButtonImage=zero.bmp\nframe=-3\n"
      "[MDICONTROLS]\nImage=zero.bmp\n[Buttons]\nCheckButton=flat.bmp\n"
      "[HorzScrollThumb]\nImage=flat.bmp\nFrameCount=0\n[Colours]\nMenu=" +
      std::string(100000, ',') + "\n";
  for (int i = 0; i < 2000; ++i) definition += "[Button" + std::to_string(i) + "x]\n";
  Bytes zeroHeight = BitmapFile(8, 1);
  zeroHeight[22] = zeroHeight[23] = zeroHeight[24] = zeroHeight[25] = 0;  // biHeight = 0
  TSkinSet set;
  ASSERT_TRUE(LoadStored(set, Stored({{"flat.bmp", BitmapFile(40, 1)}, {"zero.bmp", zeroHeight}}, definition)));
  EXPECT_EQ(set.Borders[skin::bdTop]->FrameCount, 0);
  EXPECT_EQ(set.Borders[skin::bdTop]->SafeFrameCount(), 1);
  EXPECT_TRUE(set.Borders[skin::bdLeft]->Bitmap.Empty());
  EXPECT_EQ(set.SysButtons[0]->FrameCount, 6);  // 40 x 1
  EXPECT_EQ(set.SysButtons[1]->FrameCount, -3);
  EXPECT_EQ(set.SysButtons[1]->SafeFrameCount(), 1);
  EXPECT_EQ(set.SysButtons.size(), 2002u + 3u);
  EXPECT_EQ(set.HorzScrollThumb->FrameCount, 0);
  EXPECT_EQ(set.Buttons->CheckFrames, 4);
  EXPECT_TRUE(FilesIn(temp.Path()).empty());
}

}  // namespace
