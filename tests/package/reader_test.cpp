// TSkinReader: lookups as the program does them, and malformed packages refused.
#include <gtest/gtest.h>

#include "package/PackageTestSupport.h"

namespace {

using namespace package_test;

// Built step by step: GCC 12 warns falsely (-Wrestrict) about "f" + std::to_string(i).
std::string NumberedName(int i) {
  std::string name = "f";
  name += std::to_string(i);
  name += ".bmp";
  return name;
}

std::string Text(const ui::TMemoryStream& stream) {
  return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

class SkinReaderTest : public ::testing::Test {
 protected:
  skin::TSkinReader reader;
  ui::TMemoryStream stream;
};

TEST_F(SkinReaderTest, FindsFilesByMixedCaseNameAndTheDefinitionLast) {
  const Bytes package = skin::WritePackage(
      {{"Left.bmp", BytesOf("LEFT")}, {"Top.BMP", BytesOf("TOP!")}, {"twice.bmp", BytesOf("1")},
       {"twice.bmp", BytesOf("2")}, {"Skin.ini", BytesOf("[Personality]")}});
  const TLoadResult result = LoadPackage(reader, package);
  ASSERT_TRUE(result.loaded);
  EXPECT_TRUE(result.messages.empty());
  ASSERT_EQ(reader.Count(), 5u);
  EXPECT_EQ(reader.Names()[1], "top.bmp");

  EXPECT_TRUE(reader.ExtractByName("TOP.bmp", stream));
  EXPECT_EQ(Text(stream), "TOP!");
  EXPECT_EQ(stream.Position(), 0u);
  EXPECT_TRUE(reader.ExtractByName("twice.bmp", stream));
  EXPECT_EQ(Text(stream), "1");

  std::string name = "unchanged";
  EXPECT_TRUE(reader.ExtractBySubstring(".ini", stream, name));
  EXPECT_EQ(name, "skin.ini");
  EXPECT_EQ(Text(stream), "[Personality]");

  name = "unchanged";
  EXPECT_FALSE(reader.ExtractBySubstring(".INI", stream, name));
  EXPECT_EQ(name, "unchanged");
  EXPECT_EQ(stream.Size(), 0u);
  EXPECT_FALSE(reader.ExtractByName("missing.bmp", stream));
  EXPECT_EQ(stream.Size(), 0u);
}

// Only A to Z change case: other bytes (here UTF-8 and code page 936 text) stay as they are.
TEST_F(SkinReaderTest, NamesLowerOnlyAsciiLetters) {
  EXPECT_EQ(skin::LowerAscii("AZaz09.BMP"), "azaz09.bmp");
  const std::string accented = "\xC3\x84\xD6\xD0Top.BMP";
  EXPECT_EQ(skin::LowerAscii(accented), "\xC3\x84\xD6\xD0top.bmp");
  ASSERT_TRUE(LoadPackage(reader, skin::WritePackage({{accented, BytesOf("x")}})).loaded);
  EXPECT_TRUE(reader.ExtractByName(accented, stream));
  EXPECT_EQ(Text(stream), "x");
}

TEST_F(SkinReaderTest, LineBreaksOfTheNamesText) {
  const Bytes data = BytesOf("abc");
  for (const std::string names : {"a.bmp\r\nb.ini", "a.bmp\r\nb.ini\r\n", "a.bmp\nb.ini\n", "a.bmp\rb.ini"}) {
    SCOPED_TRACE(names);
    ASSERT_TRUE(LoadPackage(reader, RawPackage(20000, names, {1, 2}, data)).loaded);
    ASSERT_EQ(reader.Count(), 2u);
    EXPECT_TRUE(reader.ExtractByName("b.ini", stream));
    EXPECT_EQ(Text(stream), "bc");
  }
}

TEST_F(SkinReaderTest, OtherVersionsAreRefusedWithTheMessage) {
  for (const std::uint32_t version : {19999u, 20001u}) {
    const TLoadResult result = LoadPackage(reader, RawPackage(version, "a.ini\r\n", {1}, BytesOf("x")));
    EXPECT_FALSE(result.loaded);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0], "This is Older Skin File\rPlease update to new version !");
  }
}

TEST_F(SkinReaderTest, MalformedPackagesFailQuietlyAndLeaveNothingLoaded) {
  std::string names1002;
  for (int i = 0; i < 1002; ++i) names1002 += NumberedName(i) + "\r\n";
  const Bytes good = skin::EncodeStored(RawPackage(20000, "a.ini\r\n", {4}, BytesOf("abcd")));
  Bytes claimsMore = good;
  claimsMore[0] = std::uint8_t(claimsMore[0] + 100);  // the size promises bytes the stream lacks
  Bytes huge = good;
  huge[3] = 0xFF;  // far beyond the 64 MiB limit

  const std::pair<const char*, Bytes> cases[] = {
      {"1002 names", skin::EncodeStored(RawPackage(20000, names1002, std::vector<std::uint32_t>(1002, 0), {}))},
      {"sizes past the data", skin::EncodeStored(RawPackage(20000, "a.ini\r\n", {5}, BytesOf("abcd")))},
      {"size table past the end", skin::EncodeStored(RawPackage(20000, "a.ini\r\nb.bmp\r\n", {4}, {}))},
      {"names past the end", skin::EncodeStored(Bytes{0x20, 0x4E, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
      {"header cut short", skin::EncodeStored(Bytes{0x20, 0x4E, 0, 0, 0})},
      {"stream cut short", Bytes(good.begin(), good.begin() + long(good.size() / 2))},
      {"size larger than the stream", claimsMore},
      {"size beyond the limit", huge},
      {"no size", Bytes{1, 2}},
  };
  for (const auto& [what, stored] : cases) {
    SCOPED_TRACE(what);
    ASSERT_TRUE(LoadStored(reader, good).loaded);
    const TLoadResult result = LoadStored(reader, stored);
    EXPECT_FALSE(result.loaded);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(reader.Count(), 0u);
    EXPECT_FALSE(reader.FailureReason().empty());
    EXPECT_FALSE(reader.ExtractByName("a.ini", stream));
  }
}

TEST_F(SkinReaderTest, HoldsUpTo1001Files) {
  std::vector<skin::TPackageFile> files;
  for (int i = 0; i < 1001; ++i) files.push_back({NumberedName(i), BytesOf(std::to_string(i))});
  ASSERT_TRUE(LoadPackage(reader, skin::WritePackage(files)).loaded);
  EXPECT_EQ(reader.Count(), 1001u);
  EXPECT_TRUE(reader.ExtractByName("F1000.BMP", stream));
  EXPECT_EQ(Text(stream), "1000");
}

}  // namespace
