// The skinpack commands, run in-process on real folders and files.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "package/PackageTestSupport.h"
#include "tools/skinpack/Skinpack.h"
#include "ui/BitmapFile.h"

namespace {

using namespace package_test;
namespace fs = std::filesystem;

struct TRun {
  int status;
  std::string out;
  std::string err;
};

TRun Skinpack(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = skinpack::RunSkinpack(args, out, err);
  return {status, out.str(), err.str()};
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes SmallBitmap(std::uint8_t shade) {
  const std::vector<std::uint8_t> pixels(4 * 3 * 2, shade);
  return ui::EncodeBitmapFile(3, 2, pixels, 24);
}

class SkinpackTest : public ::testing::Test {
 protected:
  TTempFolder temp{"skinpack"};
  fs::path source = temp.Path() / "source";
  fs::path stored = temp.Path() / "skin.stored";

  void MakeSource() {
    fs::create_directories(source);
    WriteFile(source / "Top.bmp", SmallBitmap(10));
    WriteFile(source / "close.bmp", SmallBitmap(200));
    WriteFile(source / "skin.ini", BytesOf("[Personality]\r\nTop=Top.bmp\r\n"));
    WriteFile(source / "notes.txt", BytesOf("left out"));
  }
};

TEST_F(SkinpackTest, PackListUnpackRoundTrip) {
  MakeSource();
  const TRun pack = Skinpack({"pack", source.string(), stored.string()});
  ASSERT_EQ(pack.status, 0) << pack.err;
  EXPECT_NE(pack.err.find("notes.txt"), std::string::npos);

  skin::TSkinReader reader;
  ASSERT_TRUE(LoadStored(reader, ReadFile(stored)).loaded);
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"close.bmp", "top.bmp", "skin.ini"}));

  const TRun list = Skinpack({"list", stored.string()});
  ASSERT_EQ(list.status, 0);
  EXPECT_NE(list.out.find(std::to_string(SmallBitmap(0).size()) + "  top.bmp"), std::string::npos);
  EXPECT_NE(list.out.find("3 files"), std::string::npos);

  const fs::path unpacked = temp.Path() / "unpacked";
  ASSERT_EQ(Skinpack({"unpack", stored.string(), unpacked.string()}).status, 0);
  EXPECT_EQ(ReadFile(unpacked / "top.bmp"), ReadFile(source / "Top.bmp"));
  EXPECT_EQ(ReadFile(unpacked / "close.bmp"), ReadFile(source / "close.bmp"));
  EXPECT_EQ(ReadFile(unpacked / "skin.ini"), ReadFile(source / "skin.ini"));
  EXPECT_FALSE(fs::exists(unpacked / "notes.txt"));
}

TEST_F(SkinpackTest, PackRefusesFoldersWithoutOneDefinition) {
  fs::create_directories(source);
  WriteFile(source / "a.bmp", SmallBitmap(1));
  EXPECT_EQ(Skinpack({"pack", source.string(), stored.string()}).status, 1);
  WriteFile(source / "one.ini", BytesOf("[x]"));
  WriteFile(source / "two.ini", BytesOf("[y]"));
  const TRun two = Skinpack({"pack", source.string(), stored.string()});
  EXPECT_EQ(two.status, 1);
  EXPECT_NE(two.err.find("more than one definition"), std::string::npos);
  EXPECT_FALSE(fs::exists(stored));
  EXPECT_EQ(Skinpack({"pack", (temp.Path() / "missing").string(), stored.string()}).status, 1);
}

TEST_F(SkinpackTest, UnpackKeepsHostileNamesInsideTheFolder) {
  const std::string names = "../evil.bmp\r\n/abs.bmp\r\na\\..\\b.bmp\r\nC:evil.bmp\r\nok.bmp\r\nOK.bmp\r\n";
  const Bytes package = RawPackage(20000, names, {1, 1, 1, 1, 2, 1}, BytesOf("1234567"));
  WriteFile(stored, skin::EncodeStored(package));
  const fs::path target = temp.Path() / "out";

  const TRun run = Skinpack({"unpack", stored.string(), target.string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("\"../evil.bmp\": skipped"), std::string::npos);
  std::vector<std::string> written;
  for (const auto& entry : fs::recursive_directory_iterator(temp.Path()))
    written.push_back(fs::relative(entry.path(), temp.Path()).generic_string());
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, (std::vector<std::string>{"out", "out/ok.bmp", "skin.stored"}));
  EXPECT_EQ(ReadFile(target / "ok.bmp"), BytesOf("56"));
}

TEST_F(SkinpackTest, CheckReportsPackageProblems) {
  MakeSource();
  const TRun good = Skinpack({"check", source.string()});
  EXPECT_EQ(good.status, 0) << good.out;
  EXPECT_NE(good.out.find("0 error(s)"), std::string::npos);

  // A bitmap that is no bitmap, and an entry the definition lookup takes by mistake.
  const Bytes package = skin::WritePackage({{"broken.bmp", BytesOf("BM not really")},
                                                {"old.ini.bmp", SmallBitmap(3)},
                                                {"skin.ini", BytesOf("[x]")}});
  WriteFile(stored, skin::EncodeStored(package));
  const TRun bad = Skinpack({"check", stored.string()});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.out.find("error: broken.bmp: not a readable bitmap"), std::string::npos);
  EXPECT_NE(bad.out.find("error: old.ini.bmp: the program takes this entry"), std::string::npos);

  WriteFile(stored, skin::EncodeStored(RawPackage(19999, "a.ini\r\n", {1}, BytesOf("x"))));
  const TRun old = Skinpack({"check", stored.string()});
  EXPECT_EQ(old.status, 1);
  EXPECT_NE(old.out.find("Please update to new version"), std::string::npos);
}

TEST_F(SkinpackTest, EncodeDecodeAnyFileAndRefuseTruncation) {
  Bytes data;
  for (int i = 0; i < 30000; ++i) data.push_back(std::uint8_t(i * 7 % 251));
  const fs::path plain = temp.Path() / "plain.bin", packed = temp.Path() / "packed.bin",
                 back = temp.Path() / "back.bin";
  WriteFile(plain, data);
  ASSERT_EQ(Skinpack({"encode", plain.string(), packed.string()}).status, 0);
  ASSERT_EQ(Skinpack({"decode", packed.string(), back.string()}).status, 0);
  EXPECT_EQ(ReadFile(back), data);

  Bytes cut = ReadFile(packed);
  cut.resize(cut.size() - 10);
  WriteFile(packed, cut);
  const TRun truncated = Skinpack({"decode", packed.string(), back.string()});
  EXPECT_EQ(truncated.status, 1);
  EXPECT_NE(truncated.err.find("truncated"), std::string::npos);
  EXPECT_FALSE(fs::exists(back));  // no partial output left behind
}

TEST_F(SkinpackTest, WrongCommandLinesExitWithUsage) {
  EXPECT_EQ(Skinpack({}).status, 2);
  EXPECT_EQ(Skinpack({"pack", "only-one"}).status, 2);
  EXPECT_EQ(Skinpack({"frobnicate", "a", "b"}).status, 2);
  EXPECT_EQ(Skinpack({"list", (temp.Path() / "missing.skin").string()}).status, 1);
}

}  // namespace
