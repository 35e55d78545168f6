// skinpack check: the definition-level problems, each with its file and key.
#include <gtest/gtest.h>

#include "skin_data/SkinTestSupport.h"
#include "skin/SkinRead/SkinCheck.h"

namespace {

using namespace skin_test;

const std::string kBase =
    "[Personality]\nLeft=left.bmp\nRight=right.bmp\nTop=top.bmp\nBottom=bottom.bmp\nTopFrame=2\nBottomFrame=2\n"
    "[Buttons]\nBitmap=button.bmp\nCheckButton=check.bmp\nRadioButton=radio.bmp\n"
    "[Button.Close]\nAction=0\nAlign=1\nXcoord=30\nButtonImage=close.bmp\n";

TFiles BaseFiles() {
  return {{"left.bmp", BitmapFile(10, 60)},  {"right.bmp", BitmapFile(10, 60)}, {"top.bmp", BitmapFile(40, 52)},
          {"bottom.bmp", BitmapFile(20, 10)}, {"button.bmp", BitmapFile(90, 21)}, {"check.bmp", BitmapFile(65, 13)},
          {"radio.bmp", BitmapFile(65, 13)},  {"close.bmp", BitmapFile(84, 14)}};
}

// "severity file [key]" of every problem.
std::vector<std::string> Problems(const std::string& definition, TFiles files = BaseFiles()) {
  skin::TSkinReader reader;
  EXPECT_TRUE(package_test::LoadPackage(reader, Package(std::move(files), definition)).loaded);
  skin::TCheckReport report;
  skin::CheckPackage(reader, report);
  std::vector<std::string> lines;
  for (const skin::TProblem& p : report.Problems())
    lines.push_back(std::string(p.Severity == skin::TSeverity::Error ? "error " : "warning ") + p.File + " [" +
                    p.Key + "]");
  return lines;
}

TEST(DefinitionCheck, ACompleteSkinHasNoProblems) { EXPECT_TRUE(Problems(kBase).empty()); }

TEST(DefinitionCheck, ImageKeys) {
  const std::string definition =
      kBase + "[Personality]\n" +  // a repeated section is never read: the values below go to new sections
      "[Toolbars]\nImage=C:\\skins\\TOOLBAR.BMP\n[Tabs]\nImage=tabs.bmp\n[Progress]\nBitmap=nothing.bmp\n";
  TFiles files = BaseFiles();
  files.erase(files.begin() + 6);  // radio.bmp
  EXPECT_EQ(Problems(definition, files),
            (std::vector<std::string>{"error skin.ini [Buttons/RadioButton]", "error skin.ini [Progress/Bitmap]",
                                      "error skin.ini [Toolbars/Image]", "error skin.ini [Tabs/Image]"}));
  EXPECT_EQ(Problems("[Personality]\nLeft=left.bmp\n", BaseFiles()).size(), 6u);  // six required images
}

TEST(DefinitionCheck, AccentHue) {
  struct Case { const char* value; bool good; };
  for (const Case c : {Case{"0", true}, Case{"357", true}, Case{"360", false}, Case{"-5", false},
                       Case{"red", false}, Case{"12.5", false}}) {
    const auto problems = Problems(kBase + "[Colourise]\nAccentHue=" + c.value + "\n");
    EXPECT_EQ(problems, c.good ? std::vector<std::string>{}
                               : std::vector<std::string>{"error skin.ini [Colourise/AccentHue]"})
        << c.value;
  }
}

TEST(DefinitionCheck, FramesAndMargins) {
  std::string definition = kBase;
  definition.replace(definition.find("TopFrame=2"), 10, "TopFrame=3");
  definition += "[ComboButton]\nImage=combo.bmp\nLeftWidth=6\nRightWidth=5\n"   // 4 frames of 10: too wide
                "[HorzScrollThumb]\nImage=combo.bmp\nFrameCount=0\n"            // no frames at all
                "[SunkEdge]\nImage=combo.bmp\nTopHeight=-1\n";
  TFiles files = BaseFiles();
  files.push_back({"combo.bmp", BitmapFile(40, 10)});
  EXPECT_EQ(Problems(definition, files),
            (std::vector<std::string>{"error skin.ini [Personality/TopFrame]", "error skin.ini [ComboButton/Image]",
                                      "error skin.ini [SunkEdge/Image]", "error skin.ini [HorzScrollThumb/Image]"}));
}

TEST(DefinitionCheck, LargerImagesMustFitTheirBaseAtTheirScale) {
  TFiles files = BaseFiles();
  files.push_back({"top@2x.bmp", BitmapFile(80, 104)});     // 2 stacked frames of 40 x 26: fits
  files.push_back({"top@1.5x.bmp", BitmapFile(60, 77)});    // 78 high would fit
  files.push_back({"close@1.5x.bmp", BitmapFile(126, 21)}); // 6 frames of 21 x 21: fits
  EXPECT_EQ(Problems(kBase, files), (std::vector<std::string>{"error top@1.5x.bmp []"}));
}

TEST(DefinitionCheck, CaptionButtonCodes) {
  const std::string definition =
      kBase +
      "[Button.Odd]\nAction=99\nAlign=7\nVisibility=50\nVisibility1=5\nButtonImage=close.bmp\nframe=5\n"
      "[Button.Icon]\nAction=3\nVisibility=250\nVisibility1=100\n"
      "[Button.NoImage]\nAction=1\nAlign=100\nVisibility=2000\n";
  EXPECT_EQ(Problems(definition),
            (std::vector<std::string>{
                "error skin.ini [BUTTON.ODD/frame]", "warning skin.ini [BUTTON.ODD/Action]",
                "error skin.ini [BUTTON.ODD/Align]", "error skin.ini [BUTTON.ODD/Visibility]",
                "warning skin.ini [BUTTON.ODD/Visibility1]", "warning skin.ini [BUTTON.NOIMAGE/ButtonImage]"}));
}

}  // namespace
