// skin-gallery: the skin engine's showcase and test bed. Its frame holds the
// training window's stored skin (SkinData1) and shows what the engine skins:
// MDI children, a dialog form, a message box, a window of no framework form,
// and a Tag 99 form that stays plain.
//
//   skin-gallery [--skin PATH] [--colour H,S,B] [--show NAME]...
//
// runs the named commands once the frame is up (the list is in
// GalleryCommands.cpp: windows such as "mdi", "dialog", "msgbox", "foreign",
// popup menus and the pages of controls such as "buttons" or "tabs"); without
// options it opens two MDI children. --skin puts a stored skin file or a skin
// folder on every window (a folder's edits are followed); a bad one is named
// in a message and the built-in skin stays. --colour puts the skin in that
// colour (hue 0-359, saturation and brightness -100-100); a bad value is
// named in a message and the gallery starts as without it.
#include <windows.h>
#include <shellapi.h>

#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "gallery/GalleryCommands.h"
#include "gallery/GalleryMain.h"
#include "gallery/GallerySkins.h"
#include "skin/draw/ScratchBitmap.h"
#include "ui/Application.h"
#include "ui/TextConv.h"

namespace {

const wchar_t kTitle[] = L"skin-gallery";

// The command line's arguments after the program name, in UTF-8.
std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; argv && i < count; ++i) args.push_back(ui::WideToUtf8(argv[i]));
  LocalFree(argv);
  return args;
}

void ShowError(const std::string& text) {
  MessageBoxW(nullptr, ui::Utf8ToWide(text).c_str(), kTitle, MB_OK | MB_ICONERROR);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const gallery::TGalleryOptions options = gallery::ParseGalleryOptions(Arguments());
  if (!options.Error.empty()) {
    ShowError(options.Error);
    return 2;
  }
  try {
    skin::TScratchBitmapOwner scratch;  // the skin painters' back buffer, there before any window is skinned
    ui::TApplication application;
    application.Initialize();
    auto* frame = application.CreateForm<gallery::TGalleryMain>();
    if (!options.Skin.empty())  // before the first window is up, so that it comes up in this skin
      frame->Skins().UsePath(std::filesystem::path(std::u8string(options.Skin.begin(), options.Skin.end())));
    if (!options.ColourProblem.empty()) ShowError(options.ColourProblem);
    if (options.Colour) frame->Skins().SetColour(*options.Colour);
    frame->Show();                  // skinned at this first activation
    application.ProcessMessages();  // and finished (WM_SKINSTART) before any child comes
    for (const std::string& name : options.Show) frame->RunCommand(name);
    application.Run();
  } catch (const std::exception& e) {
    ShowError(e.what());
    return 1;
  }
  return 0;
}
