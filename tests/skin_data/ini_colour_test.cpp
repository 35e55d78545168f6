// The definition's INI rules and its colour texts.
#include <gtest/gtest.h>

#include <limits>

#include "skin/WinSkinData/IniFile.h"
#include "skin/WinSkinData/SkinColour.h"

namespace {

using skin::TIniFile;

TEST(IniFile, NamesCompareCaseInsensitivelyAndValuesAreTrimmed) {
  const TIniFile ini("[Personality]\r\n  LeftTopHeight =  28 \r\nname=a = b\n[Other]\rX=1");
  EXPECT_EQ(ini.ReadInteger("PERSONALITY", "lefttopheight", 0), 28);
  EXPECT_EQ(ini.ReadString("personality", "Name", ""), "a = b");  // after the first "="
  EXPECT_EQ(ini.ReadInteger("other", "x", 0), 1);                  // a bare CR ends a line too
  EXPECT_EQ(ini.ReadString("Personality", "Missing", "def"), "def");
  EXPECT_EQ(ini.ReadString("Nowhere", "Name", "def"), "def");
}

TEST(IniFile, QuotesCommentsAndStrayLines) {
  const TIniFile ini(
      "top=1\n[S]\n; Key=commented\nQuoted=\"a b\"\nSingle='c'\nHalf=\"d\nInline=5 ; note\nNoEquals\n[Broken\nAfter=2");
  EXPECT_FALSE(ini.ValueExists("S", "; Key"));
  EXPECT_FALSE(ini.ValueExists("S", "Key"));
  EXPECT_EQ(ini.ReadString("S", "Quoted", ""), "a b");
  EXPECT_EQ(ini.ReadString("S", "Single", ""), "c");
  EXPECT_EQ(ini.ReadString("S", "Half", ""), "\"d");
  EXPECT_EQ(ini.ReadString("S", "Inline", ""), "5 ; note");
  EXPECT_EQ(ini.ReadInteger("S", "Inline", 7), 7);
  EXPECT_EQ(ini.ReadInteger("S", "After", 0), 2);  // "[Broken" is no section header
  EXPECT_EQ(ini.Sections(), std::vector<std::string>{"S"});
}

TEST(IniFile, FirstSectionAndFirstKeyWin) {
  const TIniFile ini("[A]\nk=1\nk=2\n[b]\nz=0\n[a]\nk=3\nm=4\n[ C ]\n");
  EXPECT_EQ(ini.ReadInteger("A", "K", 0), 1);
  EXPECT_FALSE(ini.ValueExists("A", "m"));
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"A", "b", "C"}));
}

TEST(IniFile, IntegerForms) {
  const TIniFile ini(
      "[I]\nd=42\nn=-7\np=+3\nh=$1F\nx=0x1f\nupper=0XFF\nall=$FFFFFFFF\nbig=2147483648\nmin=-2147483648\n"
      "bad=12a\nfloat=1.5\nempty=\nhexbad=$\nspace=1 2\n");
  const auto read = [&ini](const char* key) { return ini.ReadInteger("I", key, -99); };
  EXPECT_EQ(read("d"), 42);
  EXPECT_EQ(read("n"), -7);
  EXPECT_EQ(read("p"), 3);
  EXPECT_EQ(read("h"), 31);
  EXPECT_EQ(read("x"), 31);
  EXPECT_EQ(read("upper"), 255);
  EXPECT_EQ(read("all"), -1);
  EXPECT_EQ(read("big"), -99);
  EXPECT_EQ(read("min"), std::numeric_limits<std::int32_t>::min());
  for (const char* key : {"bad", "float", "empty", "hexbad", "space", "missing"}) EXPECT_EQ(read(key), -99) << key;
}

TEST(ParseColour, Examples) {
  using skin::ParseColour;
  EXPECT_EQ(ParseColour("", 0x123456), 0x123456u);
  EXPECT_EQ(ParseColour("210 232 249", 1), ui::RGBColor(210, 232, 249));
  EXPECT_EQ(ParseColour("  210,232,249  ", 1), ui::RGBColor(210, 232, 249));
  EXPECT_EQ(ParseColour("   ", 1), 0u);
  EXPECT_EQ(ParseColour("1,,2", 1), ui::RGBColor(1, 0, 2));
  EXPECT_EQ(ParseColour("300 256 511", 1), ui::RGBColor(44, 0, 255));  // modulo 256
  // A last number counts only as the third component.
  EXPECT_EQ(ParseColour("255", 1), 0u);
  EXPECT_EQ(ParseColour("10 20", 1), ui::RGBColor(10, 0, 0));
  EXPECT_EQ(ParseColour("10 20 ", 1), ui::RGBColor(10, 0, 0));  // trailing blanks are trimmed
  EXPECT_EQ(ParseColour("10,20,", 1), ui::RGBColor(10, 20, 0));
  // Too many components and endless digits stay within bounds.
  EXPECT_EQ(ParseColour("1 2 3 4 5 6", 1), ui::RGBColor(1, 2, 3));
  EXPECT_EQ(ParseColour(std::string(5000, '9') + " 1 2", 1), ui::RGBColor(255, 1, 2));
}

TEST(ParseColour, TitleColourNeedsAllThreeParts) {
  const TIniFile ini(
      "[Personality]\nActiveTextR=300\nActiveTextG=1\nActiveTextB=2\nInActiveTextR=1\nInActiveTextG=-1\n"
      "InActiveTextB=3\nOtherR=1\nOtherG=2\n");
  EXPECT_EQ(skin::ReadTitleColour(ini, "ActiveText"), ui::RGBColor(44, 1, 2));
  EXPECT_EQ(skin::ReadTitleColour(ini, "InActiveText"), ui::clNone);
  EXPECT_EQ(skin::ReadTitleColour(ini, "Other"), ui::clNone);
}

}  // namespace
