// The skin data component: properties, requests to the manager, streaming.
#include <gtest/gtest.h>

#include <fstream>

#include "skin/WinSkinData/SkinData.h"
#include "skin/manager/SkinManage.h"
#include "skin_data/SkinTestSupport.h"
#include "ui/FormReader.h"

namespace {

using namespace skin_test;
using skin::TSkinData;

const char* const kDefinition = "[TitlebarSkin]\nSkinName=Component\n[Colours]\nButtonFace=10 20 30\n";

Bytes Framed(const Bytes& stored) {
  ui::TMemoryStream out;
  out.WriteUInt32LE(std::uint32_t(stored.size()));
  if (!stored.empty()) out.WriteBuffer(stored.data(), stored.size());
  return out.Vector();
}

class SkinDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::FreeSkinManage();
    skin::RegisterSkinDataClass();
    previous_ = skin::SetSkinMessageHandler([this](const std::string& text) { messages_.push_back(text); });
  }
  void TearDown() override {
    skin::SetSkinMessageHandler(std::move(previous_));
    skin::FreeSkinManage();
  }

  // Reads a form holding one TSkinData with `properties`; SkinStream comes from `framed`.
  TSkinData* ReadForm(const std::string& properties, const Bytes& framed = {}) {
    const std::string text = "object Form1: TComponent\n  object SkinData1: TSkinData\n" + properties + "\n  end\nend\n";
    ui::ReadComponent(form_, text, bindings_, [framed](const std::string& name) -> std::optional<Bytes> {
      if (name != "SKINDATA1") return std::nullopt;
      return framed;
    });
    return dynamic_cast<TSkinData*>(form_.FindComponent("SkinData1"));
  }

  const std::vector<int>& Requests() const { return skin::SkinManage()->RequestLog(); }

  TTempFolderScope temp_;
  ui::TComponent form_{nullptr};
  ui::TFormBindings bindings_;
  std::vector<std::string> messages_;
  skin::TSkinMessageFunc previous_;
};

TEST_F(SkinDataTest, CreationRegistersWithTheOneManager) {
  EXPECT_EQ(skin::SkinManage(), nullptr);
  auto* first = new TSkinData(&form_);
  ASSERT_NE(skin::SkinManage(), nullptr);
  skin::TSkinManage* manager = skin::SkinManage();
  auto* second = new TSkinData(&form_);
  EXPECT_EQ(skin::SkinManage(), manager);
  EXPECT_EQ(manager->SkinDatas, (std::vector<TSkinData*>{first, second}));

  EXPECT_FALSE(first->Active());
  EXPECT_EQ(first->DisableTag, 99);
  EXPECT_EQ(first->SkinControls.Bits(), 0x1FFFFu);
  EXPECT_FALSE(first->SkinControls.Contains(skin::xcFastReport));
  EXPECT_EQ(first->SkinFile(), "");
  EXPECT_EQ(first->SkinFormtype, skin::sfMainform);
  EXPECT_TRUE(first->Empty);
  EXPECT_EQ(first->Borders[skin::bdBottom]->Name, "Bottom");
  EXPECT_EQ(first->Buttons->Name, "Buttons");
  EXPECT_EQ(first->Title->Name, "Title");
  EXPECT_TRUE(first->DefaultIcon.Empty());

  manager->ChangedSkinData = first;
  delete first;
  EXPECT_EQ(manager->SkinDatas, std::vector<TSkinData*>{second});
  EXPECT_EQ(manager->ChangedSkinData, nullptr);
}

TEST_F(SkinDataTest, FormWithStoredSkinLoadsAndAsksForActivation) {
  TSkinData* data = ReadForm(
      "Active = True\nDisableTag = 77\nSkinControls = [xcMainMenu, xcTab, xcFastReport]\n"
      "SkinStore = '(Good)'\nSkinFormtype = sfMainform\nSkinStream = resource 'SKINDATA1'",
      Framed(Stored({}, kDefinition)));
  ASSERT_NE(data, nullptr);
  EXPECT_FALSE(data->Empty);
  EXPECT_TRUE(data->Active());
  EXPECT_EQ(data->SkinName, "Component");
  EXPECT_EQ(data->DisableTag, 77);
  EXPECT_EQ(data->SkinControls, (skin::TSkinControlTypes{skin::xcMainMenu, skin::xcTab, skin::xcFastReport}));
  EXPECT_EQ(data->SkinStore(), "(none)");  // at run time, whatever is stored
  EXPECT_EQ(Requests(), std::vector<int>{1});
  EXPECT_TRUE(skin::SkinManage()->Enabled);  // no window activated yet: on at once
  EXPECT_TRUE(FilesIn(temp_.Path()).empty());
}

TEST_F(SkinDataTest, ActiveWithoutAUsableSkinTurnsItselfOff) {
  // No stored skin, a count of 0, a truncated stream, and an older package.
  Bytes older = skin::EncodeStored(skin::WritePackage({{"skin.ini", BytesOf(kDefinition)}}, 19999));
  Bytes truncated = Framed(Stored({}, kDefinition));
  truncated.resize(truncated.size() - 3);
  for (const Bytes& framed : {Bytes{}, Framed({}), truncated, Framed(older)}) {
    skin::FreeSkinManage();
    form_.DestroyComponents();
    const std::string stream = framed.empty() ? "" : "\nSkinStream = resource 'SKINDATA1'";
    TSkinData* data = ReadForm("Active = True" + stream, framed);
    EXPECT_FALSE(data->Active());
    EXPECT_TRUE(data->Empty);
    EXPECT_TRUE(Requests().empty());
    EXPECT_FALSE(skin::SkinManage()->Enabled);
  }
  EXPECT_EQ(messages_, std::vector<std::string>{skin::kOlderSkinMessage});
}

TEST_F(SkinDataTest, ActiveRequestsFollowTheFormType) {
  TSkinData* data = ReadForm("SkinStream = resource 'SKINDATA1'", Framed(Stored({}, kDefinition)));
  EXPECT_TRUE(Requests().empty());  // not active: Loaded asks nothing
  data->SetActive(false);           // same value: nothing
  data->SetActive(true);
  data->SetActive(true);
  data->SetActive(false);
  EXPECT_EQ(Requests(), (std::vector<int>{1, 2}));
  EXPECT_FALSE(skin::SkinManage()->Enabled);

  data->SkinFormtype = skin::sfDialog;
  data->SetActive(true);
  EXPECT_TRUE(data->Active());
  EXPECT_EQ(Requests().size(), 2u);  // stored, not sent

  auto* empty = new TSkinData(&form_);
  empty->SetActive(true);
  EXPECT_EQ(Requests().size(), 2u);  // nothing to switch on
}

TEST_F(SkinDataTest, LoadedSendsItsRequestWhateverTheFormType) {
  ReadForm("Active = True\nSkinFormtype = sfDialog\nSkinStream = resource 'SKINDATA1'",
           Framed(Stored({}, kDefinition)));
  EXPECT_EQ(Requests(), std::vector<int>{1});
}

TEST_F(SkinDataTest, SkinStreamFraming) {
  auto* data = new TSkinData(&form_);
  ui::TMemoryStream empty;
  data->WriteSkinStream(empty);
  EXPECT_EQ(empty.Vector(), Bytes(4, 0));

  const Bytes stored = Stored({}, kDefinition);
  ui::TMemoryStream in{Framed(stored)};
  data->ReadSkinStream(in);
  EXPECT_FALSE(data->Empty);
  ui::TMemoryStream out;
  data->WriteSkinStream(out);
  EXPECT_EQ(out.Vector(), Framed(stored));

  ui::TMemoryStream zero{Framed({})};
  data->ReadSkinStream(zero);  // count 0: unchanged
  EXPECT_EQ(Bytes(data->StoredSkin().Bytes().begin(), data->StoredSkin().Bytes().end()), stored);
}

TEST_F(SkinDataTest, SkinFileLoadsAndAppliesOrLeavesEmpty) {
  auto* data = new TSkinData(&form_);
  int changed = 0;
  data->OnSkinChanged = [&changed, data](ui::TObject* sender) { changed += sender == data; };
  const std::filesystem::path file = temp_.Path() / "other.skin";
  {
    const Bytes stored = Stored({}, "[TitlebarSkin]\nSkinName=FromFile\n");
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(stored.data()),
                                                std::streamsize(stored.size()));
  }
  data->SetSkinFile(file.string());
  EXPECT_FALSE(data->Empty);
  EXPECT_EQ(data->SkinName, "FromFile");
  skin::TSkinManage* manager = skin::SkinManage();
  EXPECT_EQ(manager->ChangedSkinData, data);
  EXPECT_EQ(Requests(), std::vector<int>{3});
  manager->Started = 1;  // as after the first window activation: requests wait for the timer
  data->SetActive(true);
  EXPECT_TRUE(manager->TimerEnabled);
  EXPECT_EQ(manager->PendingAction, 1);
  manager->PendingAction = 3;
  manager->ChangedSkinData = data;
  manager->RunPendingAction();
  EXPECT_EQ(changed, 1);
  EXPECT_EQ(manager->ChangedSkinData, nullptr);
  EXPECT_FALSE(manager->TimerEnabled);

  std::filesystem::remove(file);
  data->SetActive(false);
  manager->ClearRequestLog();
  data->SetSkinFile((temp_.Path() / "missing.skin").string());
  EXPECT_TRUE(data->Empty);
  EXPECT_EQ(data->SkinName, "FromFile");  // the previous objects stay
  data->SetActive(true);
  EXPECT_TRUE(Requests().empty());  // nothing to switch on
}

TEST_F(SkinDataTest, FormFilterAndTheManagersClassQuestion) {
  auto* dialog = new TSkinData(&form_);
  dialog->SkinFormtype = skin::sfDialog;
  dialog->SkinControls.Include(skin::xcFastReport);
  skin::TSkinManage* manager = skin::SkinManage();
  EXPECT_TRUE(manager->CanSkinClass("TfrPreview"));  // no sfMainform component: yes

  auto* main = new TSkinData(&form_);
  for (const char* never : {"TQRStandardPreview", "SysMonthCal32", "TppPrintPreview"})
    EXPECT_FALSE(manager->CanSkinClass(never)) << never;
  EXPECT_TRUE(manager->CanSkinClass("TfrPreview"));
  main->SkinControls.Include(skin::xcFastReport);
  EXPECT_FALSE(manager->CanSkinClass("TfrPreview"));
  EXPECT_TRUE(manager->CanSkinClass("TFRPreview"));  // case-sensitive

  std::vector<std::string> asked;
  main->OnFormSkin = [&asked](ui::TObject*, const std::string& name, bool& doSkin) {
    asked.push_back(name);
    if (name == "TMyForm") doSkin = false;
  };
  EXPECT_FALSE(manager->CanSkinClass("TMyForm"));
  EXPECT_TRUE(manager->CanSkinClass("TForm1"));
  EXPECT_FALSE(manager->CanSkinClass("TfrDesigner"));  // filtered before the event
  EXPECT_EQ(asked, (std::vector<std::string>{"TMyForm", "TForm1"}));
}

TEST_F(SkinDataTest, ManagerSwitchesAtOnceOnlyBeforeTheFirstActivation) {
  skin::TSkinManage& manager = skin::EnsureSkinManage();
  manager.SetState(3);
  EXPECT_FALSE(manager.Enabled);
  manager.SetState(1);
  manager.SetState(2);
  EXPECT_FALSE(manager.Enabled);
  EXPECT_FALSE(manager.TimerEnabled);
  manager.Started = 1;
  manager.SetState(1);
  manager.SetState(2);  // replaces the pending request
  EXPECT_FALSE(manager.Enabled);
  manager.RunPendingAction();
  EXPECT_FALSE(manager.Enabled);
  manager.SetState(1);
  manager.RunPendingAction();
  EXPECT_TRUE(manager.Enabled);
  EXPECT_EQ(manager.RequestLog(), (std::vector<int>{3, 1, 2, 1, 2, 1}));
}

TEST_F(SkinDataTest, TheRequestLogKeepsOnlyTheLatestRequests) {
  skin::TSkinManage& manager = skin::EnsureSkinManage();
  for (int i = 0; i < 20000; ++i) manager.SetState(1 + i % 3);
  EXPECT_LE(manager.RequestLog().size(), 4096u);  // hours of switching keep no growing list
  EXPECT_GE(manager.RequestLog().size(), 2048u);
  EXPECT_EQ(manager.RequestLog().back(), 1 + 19999 % 3);
}

#ifdef TAVRIN_STORED_SKIN
TEST_F(SkinDataTest, OurSkinLoadsWhole) {
  auto* data = new TSkinData(&form_);
  data->SetSkinFile(TAVRIN_STORED_SKIN);
  ASSERT_FALSE(data->Empty);
  EXPECT_EQ(data->SkinName, "Tavrin Charcoal");
  for (const auto& border : data->Borders) EXPECT_FALSE(border->Bitmap.Empty()) << border->Name;
  EXPECT_FALSE(data->Buttons->Bitmap.Empty());
  EXPECT_FALSE(data->Buttons->CheckBitmap.Empty());
  EXPECT_FALSE(data->Buttons->RadioBitmap.Empty());
  for (const skin::TDataSkinObject* o :
       {data->MenuBar.get(), data->Progress.get(), static_cast<skin::TDataSkinObject*>(data->Tabs.get()),
        static_cast<skin::TDataSkinObject*>(data->UpDownHorz.get()),
        static_cast<skin::TDataSkinObject*>(data->UpDownVert.get()), data->GroupBoxEdge.get(),
        data->Toolbars.get(), data->StatusBarEdges.get(), data->ComboButton.get(), data->SunkEdge.get(),
        data->Headerbar.get(), data->MenuItem.get(), data->MenuBackground.get(), data->Scrollbar.get(),
        data->HorzScroll.get(), data->VertScroll.get(), data->HorzScrollThumb.get(), data->VertScrollThumb.get()}) {
    ASSERT_NE(o, nullptr);
    EXPECT_FALSE(o->Bitmap.Empty()) << o->Name;
  }
  ASSERT_GE(data->SysButtons.size(), 3u);
  for (std::size_t i = data->SysButtons.size() - 3; i < data->SysButtons.size(); ++i)
    EXPECT_FALSE(data->SysButtons[i]->Bitmap.Empty()) << i;
  EXPECT_TRUE(FilesIn(temp_.Path()).empty());
}
#endif

#ifdef _WIN32
TEST_F(SkinDataTest, FaceBrushIsRemadeWithEachSkin) {
  auto* data = new TSkinData(&form_);
  EXPECT_EQ(data->FaceBrush(), nullptr);
  const auto brushColour = [data] {
    LOGBRUSH brush{};
    EXPECT_EQ(GetObjectW(data->FaceBrush(), sizeof brush, &brush), int(sizeof brush));
    return brush.lbColor;
  };
  ui::TMemoryStream first{Framed(Stored({}, kDefinition))};
  data->ReadSkinStream(first);
  EXPECT_EQ(brushColour(), RGB(10, 20, 30));
  ui::TMemoryStream second{Framed(Stored({}, "[Colours]\n"))};  // clBtnFace, resolved
  data->ReadSkinStream(second);
  EXPECT_EQ(brushColour(), GetSysColor(COLOR_BTNFACE));
}
#endif

TEST_F(SkinDataTest, TheSkinAtADpiIsKeptAndFollowsEveryNewSkin) {
  auto* data = new TSkinData(&form_);
  const auto load = [data](const char* definition, int topWidth) {
    ui::TMemoryStream stored{Framed(Stored({{"top.bmp", BitmapFile(topWidth, 10)}}, definition))};
    data->ReadSkinStream(stored);
  };
  load("[TitlebarSkin]\nSkinName=First\n[Personality]\nTop=top.bmp\nTopTopHeight=4\n", 40);
  EXPECT_EQ(&data->AtDpi(96), data);
  skin::TSkinSet& at144 = data->AtDpi(144);
  ASSERT_NE(&at144, data);
  EXPECT_EQ(&data->AtDpi(144), &at144);  // made once
  EXPECT_EQ(at144.Borders[skin::bdTop]->Bitmap.Width(), 60);
  EXPECT_EQ(at144.Borders[skin::bdTop]->LeftWidth, 6);
  load("[TitlebarSkin]\nSkinName=Second\n[Personality]\nTop=top.bmp\nTopTopHeight=6\n", 20);
  EXPECT_EQ(&data->AtDpi(144), &at144);  // the same set, holding the new skin
  EXPECT_EQ(at144.SkinName, "Second");
  EXPECT_EQ(at144.Borders[skin::bdTop]->Bitmap.Width(), 30);
  EXPECT_EQ(at144.Borders[skin::bdTop]->LeftWidth, 9);
  EXPECT_EQ(data->AtDpi(192).Borders[skin::bdTop]->Bitmap.Width(), 40);
}

TEST_F(SkinDataTest, ColourFromTheFormAndBackToThePaintedObjects) {
  const std::string definition = "[Personality]\nTop=top.bmp\n[Colours]\nHilight=200 0 0\n";
  TSkinData* data = ReadForm("Active = True\nHue = 480\nSaturation = -300\nSkinStream = resource 'SKINDATA1'",
                             Framed(Stored({{"top.bmp", BitmapFile(40, 10, 90)}}, definition)));
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->Colour(), (skin::TColourShift{120, -100, 0}));  // brought into range
  const skin::TSkinSet& plain = data->PlainSkin();
  ASSERT_NE(&plain, data);
  EXPECT_EQ(plain.HilightColour, ui::RGBColor(200, 0, 0));
  EXPECT_EQ(data->HilightColour, ui::RGBColor(100, 100, 100));
  const ui::TBitmap* painted = &plain.Borders[skin::bdTop]->Bitmap;
  EXPECT_EQ(data->AtDpi(144).HilightColour, ui::RGBColor(100, 100, 100));  // every DPI in the colour
  skin::SkinManage()->ClearRequestLog();
  data->SetColour({});
  EXPECT_EQ(&data->PlainSkin(), data);
  EXPECT_EQ(&data->Borders[skin::bdTop]->Bitmap, painted);  // the very objects loaded
  EXPECT_EQ(data->AtDpi(144).HilightColour, ui::RGBColor(200, 0, 0));
  EXPECT_EQ(Requests(), std::vector<int>{3});  // the windows are told as for a new skin
  data->SetHue(30);
  ui::TMemoryStream next{Framed(Stored({}, "[Colours]\nHilight=0 200 0\n"))};
  data->ReadSkinStream(next);  // a new skin comes in the component's colour
  EXPECT_EQ(data->PlainSkin().HilightColour, ui::RGBColor(0, 200, 0));
  EXPECT_EQ(data->HilightColour, skin::ShiftColour(ui::RGBColor(0, 200, 0), {30, 0, 0}));
}

TEST_F(SkinDataTest, UnknownFormValuesAreErrors) {
  EXPECT_THROW(ReadForm("SkinControls = [xcMainMenu, xcNothing]"), ui::EFormError);
  form_.DestroyComponents();
  EXPECT_THROW(ReadForm("SkinFormtype = sfWhatever"), ui::EFormError);
}

}  // namespace
