#include "gallery/GalleryCommands.h"

#include <array>

#include "gallery/ButtonsPage.h"
#include "gallery/EditsPage.h"
#include "gallery/BarsPage.h"
#include "gallery/GalleryMain.h"
#include "gallery/ScrollingPage.h"
#include "gallery/TabsPage.h"

namespace gallery {

namespace {

constexpr std::array kCommands{
    TGalleryCommand{"mdi", nullptr, &TGalleryMain::OpenChildren},
    TGalleryCommand{"child", "新子窗口 New child", &TGalleryMain::OpenChild},
    TGalleryCommand{"maximised", "最大化 Maximised", &TGalleryMain::NewMaximisedChild},
    TGalleryCommand{"cascade", "层叠 Cascade", &TGalleryMain::CascadeChildren},
    TGalleryCommand{"tile", "平铺 Tile", &TGalleryMain::TileChildren},
    TGalleryCommand{"close", "全部关闭 Close all", &TGalleryMain::CloseChildren},
    TGalleryCommand{"dialog", "对话框 Dialog", &TGalleryMain::ShowDialog},
    TGalleryCommand{"msgbox", "消息框 Message box", &TGalleryMain::ShowMessageBoxPage},
    TGalleryCommand{"foreign", "外部窗口 Foreign window", &TGalleryMain::ShowForeignWindow},
    TGalleryCommand{"unskinned", "不换肤 Tag 99", &TGalleryMain::ShowUnskinnedForm},
    TGalleryCommand{"popup", "弹出菜单 Popup menu", &TGalleryMain::ShowPopupMenu},
    TGalleryCommand{"popupright", nullptr, &TGalleryMain::ShowRightPopupMenu},
    TGalleryCommand{"popupplain", nullptr, &TGalleryMain::ShowPlainPopupMenu},
    TGalleryCommand{"buttons", "按钮 Buttons", &TGalleryMain::ShowPage<TButtonsPage>},
    TGalleryCommand{"bars", "进度与状态栏 Bars", &TGalleryMain::ShowPage<TBarsPage>},
    TGalleryCommand{"tabs", "选项卡 Tabs", &TGalleryMain::ShowPage<TTabsPage>},
    TGalleryCommand{"edits", "编辑框 Edits", &TGalleryMain::ShowPage<TEditsPage>},
    TGalleryCommand{"scrolling", "滚动条 Scrolling", &TGalleryMain::ShowPage<TScrollingPage>},
};

std::string CommandNames() {
  std::string names;
  for (const TGalleryCommand& command : kCommands) names += std::string(" ") + command.Name;
  return names;
}

}  // namespace

std::span<const TGalleryCommand> GalleryCommands() { return kCommands; }

const TGalleryCommand* FindGalleryCommand(std::string_view name) {
  for (const TGalleryCommand& command : kCommands)
    if (name == command.Name) return &command;
  return nullptr;
}

TGalleryOptions ParseGalleryOptions(const std::vector<std::string>& args) {
  TGalleryOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--skin") {
      if (i + 1 == args.size()) {
        options.Error = "--skin needs a stored skin file or a skin folder";
        return options;
      }
      options.Skin = args[++i];
      continue;
    }
    if (args[i] == "--colour") {
      if (i + 1 == args.size()) {
        options.ColourProblem = "--colour needs hue,saturation,brightness (e.g. --colour 120,0,0)";
        continue;
      }
      options.Colour = skin::ParseColourShift(args[++i], options.ColourProblem);
      continue;
    }
    if (args[i] != "--show") {
      options.Error = "unknown option " + args[i];
      return options;
    }
    if (i + 1 == args.size()) {
      options.Error = "--show needs the name of a window or command";
      return options;
    }
    const std::string& name = args[++i];
    if (!FindGalleryCommand(name)) {
      options.Error = "nothing to show by the name " + name + " (there are:" + CommandNames() + ")";
      return options;
    }
    options.Show.push_back(name);
  }
  if (options.Show.empty()) options.Show.push_back("mdi");
  return options;
}

}  // namespace gallery
