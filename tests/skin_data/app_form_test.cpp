// The program's window read from its form description: SkinData1 holds our
// skin and has asked the manager to switch skinning on.
#include <gtest/gtest.h>

#include <ole2.h>

#include "app/UnitMain.h"
#include "skin/manager/SkinManage.h"

namespace {

TEST(AppForm, SkinData1LoadsOurSkinAndAsksForActivation) {
  const HRESULT ole = OleInitialize(nullptr);  // the window hosts the web-browser control
  skin::FreeSkinManage();
  {
    TForm1 form(nullptr);
    ASSERT_NE(form.SkinData1, nullptr);
    const skin::TSkinData& data = *form.SkinData1;
    EXPECT_FALSE(data.Empty);
    EXPECT_TRUE(data.Active());
    EXPECT_EQ(data.SkinName, "Tavrin Charcoal");
    EXPECT_EQ(data.DisableTag, 99);
    EXPECT_EQ(data.SkinControls, skin::kDefaultSkinControls);
    EXPECT_EQ(data.SkinFormtype, skin::sfMainform);
    EXPECT_EQ(data.SkinStore(), "(none)");
    EXPECT_NE(data.FaceBrush(), nullptr);
    ASSERT_NE(skin::SkinManage(), nullptr);
    EXPECT_EQ(skin::SkinManage()->SkinDatas, std::vector<skin::TSkinData*>{form.SkinData1});
    EXPECT_EQ(skin::SkinManage()->RequestLog(), std::vector<int>{1});
    EXPECT_TRUE(skin::SkinManage()->Enabled);
  }
  skin::FreeSkinManage();
  if (SUCCEEDED(ole)) OleUninitialize();
}

}  // namespace
