// The gallery's skins at run time, on real windows: the Skin menu switches
// every window and back, a bad skin leaves the previous one in place with one
// message, --skin at start-up (a Chinese folder name included), the live
// preview of a skin folder, and a short switching soak without growth.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "gallery/GalleryCommands.h"
#include "gallery/GalleryDialog.h"
#include "gallery/GallerySkins.h"
#include "gallery/SkinSoak.h"
#include "gallery/UnskinnedForm.h"
#include "skin/SkinRead/SkinDirectory.h"
#include "skin/SkinRead/SkinSource.h"
#include "skin/manager/SystemLook.h"
#include "support/SkinFolderCopy.h"
#include "GalleryTestSupport.h"
#include "ui/Menus.h"
#include "ui/TextConv.h"

namespace {

namespace fs = std::filesystem;
using gallery_test::GalleryTest;
using gallery_test::PumpFor;
using test_support::TSkinFolderCopy;

constexpr int kTitleRows = 40;

std::vector<COLORREF> TitleColumn(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return gallery_test::WindowColumn(wnd, (r.right - r.left) / 2, kTitleRows);
}

SIZE ClientSize(HWND wnd) {
  RECT r{};
  GetClientRect(wnd, &r);
  return {r.right, r.bottom};
}

bool HasRegion(HWND wnd) {
  ui::RegionHandle region(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(wnd, region.Get()) != ERROR;
}

// Our skin with its title bar inverted and its own name: a second skin.
void MakeSecondSkin(const TSkinFolderCopy& folder) {
  folder.InvertBitmap("top.bmp");
  folder.SetIniValue("SkinName", "Test Inverted");
}

void WriteStored(const TSkinFolderCopy& folder, const fs::path& file) {
  const skin::TSkinSource source = skin::ReadSkinDirectory(folder.Path());
  const std::vector<std::uint8_t> stored = skin::StoredSkinOf(source);
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(stored.data()), std::streamsize(stored.size()));
}

class GallerySkinsTest : public GalleryTest {
 protected:
  void SetUp() override {
    GalleryTest::SetUp();
    shown_ = frame_->Skins().OnProblem;
    frame_->Skins().OnProblem = [this](const std::string& text) { problems_.push_back(text); };
  }
  // Pumps until `done` holds, for at most about `ms` milliseconds.
  bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    for (DWORD waited = 0; waited < ms; waited += 100) {
      if (done()) return true;
      PumpFor(100);
    }
    return done();
  }
  ui::TMenuItem* SkinMenuItem(const std::wstring& part) const {
    ui::TMenuItem* bar = frame_->Menu()->Items();
    for (int i = 0; i < bar->Count(); ++i) {
      if (bar->Items(i)->Caption().find(L"Skin") == std::wstring::npos) continue;
      for (int j = 0; j < bar->Items(i)->Count(); ++j)
        if (bar->Items(i)->Items(j)->Caption().find(part) != std::wstring::npos) return bar->Items(i)->Items(j);
    }
    return nullptr;
  }

  std::function<void(const std::string&)> shown_;  // the default: a message box
  std::vector<std::string> problems_;
};

TEST_F(GallerySkinsTest, MenuSwitchesEveryWindowAndBack) {
  for (const char* command : {"mdi", "maximised", "dialog", "foreign", "unskinned", "buttons"}) Run(command);
  const TSkinFolderCopy second(u8"tavrin_skin_second");
  MakeSecondSkin(second);
  // Windows whose title bar shows, and every window whose client area must keep its size.
  const std::vector<HWND> titled = {frame_->Handle(), frame_->Dialog()->Handle(), frame_->ForeignWindow()};
  std::vector<HWND> all = titled;
  for (int i = 0; i < frame_->MDIChildCount(); ++i) all.push_back(frame_->MDIChildren(i)->Handle());
  const HWND plain = frame_->Unskinned()->Handle();
  std::vector<SIZE> sizes;
  for (HWND wnd : all) sizes.push_back(ClientSize(wnd));
  const std::wstring builtIn = ui::Utf8ToWide(frame_->Skins().BuiltInNames().at(0));
  ASSERT_NE(SkinMenuItem(builtIn), nullptr);
  ASSERT_NE(SkinMenuItem(L"Open skin file"), nullptr);
  ASSERT_NE(SkinMenuItem(L"Reload"), nullptr);

  const struct {
    const char* name;
    std::function<void()> run;
    bool skinned;
  } steps[] = {
      {"second skin", [&] { frame_->Skins().UsePath(second.Path()); }, true},
      {"no skin", [&] { SkinMenuItem(L"No skin")->OnClick(nullptr); }, false},
      {"built-in", [&] { SkinMenuItem(builtIn)->OnClick(nullptr); }, true},
      {"reload", [&] { SkinMenuItem(L"Reload")->OnClick(nullptr); }, true},
  };
  std::vector<std::vector<COLORREF>> before;
  for (HWND wnd : titled) before.push_back(TitleColumn(wnd));
  for (const auto& step : steps) {
    step.run();
    Settle();
    for (std::size_t i = 0; i < titled.size(); ++i) {
      const std::vector<COLORREF> now = TitleColumn(titled[i]);
      if (step.skinned) {
        EXPECT_TRUE(gallery_test::ShowsSkinTitleBar(titled[i], *frame_->SkinData1)) << step.name << " window " << i;
      } else {
        EXPECT_FALSE(Running(titled[i])) << step.name << " window " << i;
        EXPECT_FALSE(HasRegion(titled[i])) << step.name << " window " << i;
      }
      if (std::string(step.name) != "reload") {
        EXPECT_NE(now, before[i]) << step.name << " window " << i;
      }
      before[i] = now;
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
      EXPECT_EQ(ClientSize(all[i]).cx, sizes[i].cx) << step.name << " window " << i;
      EXPECT_EQ(ClientSize(all[i]).cy, sizes[i].cy) << step.name << " window " << i;
    }
    EXPECT_EQ(Companion(plain), nullptr) << step.name;
    EXPECT_TRUE(IsWindow(plain));
  }
  EXPECT_TRUE(problems_.empty());
}

// High contrast (through the seam: Wine never turns it on) takes the skin off
// every window at the next setting change, as "No skin" does, and the next
// change after it goes off puts the skin back; a skin picked meanwhile waits
// for it.
TEST_F(GallerySkinsTest, HighContrastTakesTheSkinOffEveryWindowAndBack) {
  for (const char* command : {"mdi", "dialog", "foreign"}) Run(command);
  std::vector<HWND> titled = {frame_->Handle(), frame_->Dialog()->Handle(), frame_->ForeignWindow()};
  for (int i = 0; i < frame_->MDIChildCount(); ++i) titled.push_back(frame_->MDIChildren(i)->Handle());
  ui::TMenuItem* builtIn = SkinMenuItem(ui::Utf8ToWide(frame_->Skins().BuiltInNames().at(0)));
  builtIn->OnClick(nullptr);
  Settle();
  std::vector<std::vector<COLORREF>> skinned;
  for (HWND wnd : titled) skinned.push_back(TitleColumn(wnd));
  const auto broadcast = [this](UINT message) {
    SendMessageTimeoutW(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    Settle();
  };
  const struct {
    const char* name;
    bool on;
    UINT message;
  } steps[] = {{"on", true, WM_SETTINGCHANGE}, {"colours", true, WM_SYSCOLORCHANGE}, {"off", false, WM_SYSCOLORCHANGE}};
  for (const auto& step : steps) {
    skin::SetHighContrastForTests(step.on);
    if (step.on) builtIn->OnClick(nullptr);
    broadcast(step.message);
    Settle();
    for (std::size_t i = 0; i < titled.size(); ++i) {
      if (step.on) {
        EXPECT_EQ(Companion(titled[i]), nullptr) << step.name << " window " << i;
        EXPECT_FALSE(HasRegion(titled[i])) << step.name << " window " << i;
        EXPECT_NE(TitleColumn(titled[i]), skinned[i]) << step.name << " window " << i;
      } else {
        EXPECT_TRUE(Running(titled[i])) << step.name << " window " << i;
        EXPECT_TRUE(SkinShown(titled[i])) << step.name << " window " << i;
      }
    }
  }
  skin::SetHighContrastForTests(std::nullopt);
  EXPECT_TRUE(problems_.empty());
}

// "Open skin file…": the system's open dialog, skinned like every window;
// the file chosen in it goes on the windows (here a definition, which stands
// for its folder).
TEST_F(GallerySkinsTest, OpenSkinFileUsesTheSkinnedSystemDialog) {
  const TSkinFolderCopy folder(u8"tavrin_skin_opened");
  MakeSecondSkin(folder);
  static std::wstring chosen;
  static bool dialogSkinned;
  static skin::TSkinManage* manager;
  {
    const fs::path path = folder.Path() / "skin.ini";
    ASSERT_TRUE(frame_->Skins().UseBuiltIn(0));
    Settle();
    chosen = path.wstring();
    dialogSkinned = false;
    manager = manager_;
    SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR timer, DWORD) {
      const HWND dialog = gallery_test::ThreadMessageBox();  // the open dialog is a #32770 too
      if (!dialog) return;
      KillTimer(nullptr, timer);
      dialogSkinned = manager->FindForm(dialog) != nullptr;
      for (int id : {0x47C, 0x480}) SetDlgItemTextW(dialog, id, chosen.c_str());  // file name: combo or edit
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    SkinMenuItem(L"Open skin file")->OnClick(nullptr);
    Settle();
    EXPECT_TRUE(dialogSkinned) << path;
    EXPECT_EQ(frame_->SkinData1->SkinName, "Test Inverted") << path;
    EXPECT_TRUE(SkinMenuItem(L"Open skin file")->Checked()) << path;
  }
  EXPECT_TRUE(problems_.empty());
}

TEST_F(GallerySkinsTest, BadSkinsLeaveThePreviousSkinWithOneMessage) {
  const TSkinFolderCopy folder(u8"tavrin_skin_bad");
  const fs::path file = folder.Path() / "broken.skin";
  const std::vector<std::uint8_t> good = [&] {
    const skin::TSkinSource source = skin::ReadSkinDirectory(folder.Path());
    return skin::StoredSkinOf(source);
  }();
  const auto stored = [&](std::vector<std::uint8_t> bytes) {
    return [&file, bytes] {
      std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
      return file;
    };
  };
  std::vector<std::uint8_t> oversized = good;
  oversized[3] = 0x7F;
  const std::vector<std::uint8_t> garbage(4000, 0x5A);
  const auto edited = [&](std::function<void(const TSkinFolderCopy&)> edit) {
    return [&folder, edit] {
      edit(folder);
      return folder.Path();
    };
  };
  const struct {
    const char* name;
    std::function<fs::path()> make;
  } cases[] = {
      {"missing file", [&] { return folder.Path() / "nothing here.skin"; }},
      {"no skin", [&] {
         folder.Write("broken.skin", std::string("plain text, no skin"));
         return file;
       }},
      {"empty", stored({})},
      {"size only", stored({good.begin(), good.begin() + 4})},
      {"truncated", stored({good.begin(), good.begin() + std::ptrdiff_t(good.size() / 2)})},
      {"oversized", stored(oversized)},
      {"garbage", stored(garbage)},
      {"bitmap cut short", edited([](const TSkinFolderCopy& f) {
         std::vector<std::uint8_t> top = f.Read("top.bmp");
         top.resize(100);
         f.Write("top.bmp", top);
       })},
      {"frame count out of range", edited([](const TSkinFolderCopy& f) {
         f.Write("top.bmp", TSkinFolderCopy(u8"tavrin_skin_whole").Read("top.bmp"));
         f.SetIniValue("TopFrame", "0");
       })},
      {"missing image", edited([](const TSkinFolderCopy& f) {
         f.SetIniValue("TopFrame", "2");
         f.SetIniValue("Top", "nothere.bmp");
       })},
      {"folder without definition", edited([](const TSkinFolderCopy& f) { fs::remove(f.Path() / "skin.ini"); })},
  };
  const std::vector<COLORREF> shown = TitleColumn(frame_->Handle());
  for (const auto& c : cases) {
    problems_.clear();
    const fs::path path = c.make();
    EXPECT_FALSE(frame_->Skins().UsePath(path)) << c.name;
    Settle();
    ASSERT_EQ(problems_.size(), 1u) << c.name;
    EXPECT_EQ(problems_[0].rfind(skin::PathText(path), 0), 0u) << c.name << ": " << problems_[0];
    EXPECT_TRUE(Running(frame_->Handle())) << c.name;
    EXPECT_EQ(TitleColumn(frame_->Handle()), shown) << c.name;
  }
  // The program's own way to tell: a message box (closed here from a timer), and it goes on.
  frame_->Skins().OnProblem = shown_;
  static bool boxSeen;
  boxSeen = false;
  SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const HWND box = gallery_test::ThreadMessageBox();
    boxSeen = box != nullptr;
    if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  EXPECT_FALSE(frame_->Skins().UsePath(folder.Path() / "nothing here.skin"));
  EXPECT_TRUE(boxSeen);
  EXPECT_TRUE(frame_->Skins().UseBuiltIn(0));
}

TEST(GallerySkinOption, StartsInTheNamedSkinOrTheBuiltInOne) {
  const gallery::TGalleryOptions options = gallery::ParseGalleryOptions({"--skin", "皮肤", "--show", "dialog"});
  EXPECT_EQ(options.Skin, "皮肤");
  EXPECT_EQ(options.Show, std::vector<std::string>{"dialog"});
  EXPECT_FALSE(gallery::ParseGalleryOptions({"--skin"}).Error.empty());

  const TSkinFolderCopy folder(u8"tavrin_皮肤_预览");
  MakeSecondSkin(folder);
  const fs::path stored = folder.Path().parent_path() / fs::path(u8"tavrin_皮肤.skin");
  WriteStored(folder, stored);
  const struct {
    const char* name;
    fs::path path;
    const char* skinName;
  } cases[] = {
      {"folder", folder.Path(), "Test Inverted"},
      {"stored file", stored, "Test Inverted"},
      {"missing", folder.Path() / "nothing.skin", "Tavrin Charcoal"},
  };
  for (const auto& c : cases) {
    skin::TScratchBitmapOwner scratch;
    auto app = std::make_unique<ui::TApplication>();
    auto* frame = app->CreateForm<gallery::TGalleryMain>();
    int problems = 0;
    frame->Skins().OnProblem = [&problems](const std::string&) { ++problems; };
    frame->Skins().UsePath(c.path);
    frame->Show();
    SetForegroundWindow(frame->Handle());
    PumpFor(300);
    EXPECT_EQ(frame->SkinData1->SkinName, c.skinName) << c.name;
    EXPECT_EQ(problems, std::string(c.name) == "missing" ? 1 : 0) << c.name;
    EXPECT_TRUE(gallery_test::ShowsSkinTitleBar(frame->Handle(), *frame->SkinData1)) << c.name;
    app.reset();
    skin::FreeSkinManage();
  }
  fs::remove(stored);
}

TEST_F(GallerySkinsTest, LivePreviewFollowsEditsAndKeepsTheLastGoodSkin) {
  const TSkinFolderCopy folder(u8"tavrin_skin_preview");
  ASSERT_TRUE(frame_->Skins().UsePath(folder.Path()));
  ASSERT_TRUE(frame_->Skins().Previewing());
  Settle();
  const std::vector<COLORREF> first = TitleColumn(frame_->Handle());

  MakeSecondSkin(folder);
  EXPECT_TRUE(PumpUntil([&] { return frame_->SkinData1->SkinName == "Test Inverted"; }, 5000));
  Settle();
  const std::vector<COLORREF> edited = TitleColumn(frame_->Handle());
  EXPECT_NE(edited, first);
  EXPECT_TRUE(gallery_test::ShowsSkinTitleBar(frame_->Handle(), *frame_->SkinData1));

  // Broken twice in a row: one message; the last good skin stays.
  std::vector<std::uint8_t> top = folder.Read("top.bmp");
  const std::vector<std::uint8_t> whole = top;
  top.resize(top.size() / 3);
  folder.Write("top.bmp", top);
  EXPECT_TRUE(PumpUntil([&] { return !problems_.empty(); }, 5000));
  folder.Write("top.bmp", top);
  PumpFor(1500);
  ASSERT_EQ(problems_.size(), 1u);
  EXPECT_NE(problems_[0].find("top.bmp"), std::string::npos) << problems_[0];
  EXPECT_EQ(TitleColumn(frame_->Handle()), edited);
  EXPECT_EQ(frame_->SkinData1->SkinName, "Test Inverted");

  // Mended: followed again.
  folder.Write("top.bmp", whole);
  folder.SetIniValue("SkinName", "Test Mended");
  EXPECT_TRUE(PumpUntil([&] { return frame_->SkinData1->SkinName == "Test Mended"; }, 5000));
  EXPECT_EQ(problems_.size(), 1u);
}

TEST_F(GallerySkinsTest, ShortSoakDoesNotGrowWindowSystemObjects) {
  for (const char* command : {"mdi", "maximised", "dialog", "foreign", "unskinned", "buttons", "tabs", "bars"})
    Run(command);
  const TSkinFolderCopy folder(u8"tavrin_skin_soak");
  folder.Write("bad.skin", std::string("no skin"));
  gallery::TSkinSoak soak(*frame_, folder.Path() / "bad.skin");
  gallery::TResourceCounts afterFirst;
  const std::size_t kSwitches = 3 * soak.RoundLength();
  for (std::size_t i = 0; i < kSwitches; ++i) {
    soak.Switch(i);
    if (i == soak.RoundLength()) afterFirst = gallery::CurrentCounts();  // the first skin again after a round
  }
  soak.Switch(0);  // the same skin as at the first count
  const gallery::TResourceCounts atEnd = gallery::CurrentCounts();
  EXPECT_GT(soak.Problems(), 0u);
  EXPECT_LE(atEnd.Gdi, afterFirst.Gdi) << gallery::Describe(afterFirst) << " -> " << gallery::Describe(atEnd);
  EXPECT_LE(atEnd.User, afterFirst.User) << gallery::Describe(afterFirst) << " -> " << gallery::Describe(atEnd);
  EXPECT_EQ(atEnd.Companions, afterFirst.Companions) << gallery::Describe(afterFirst) << " -> " << gallery::Describe(atEnd);
  EXPECT_EQ(atEnd.Live, afterFirst.Live) << gallery::Describe(afterFirst) << " -> " << gallery::Describe(atEnd);
}

}  // namespace
