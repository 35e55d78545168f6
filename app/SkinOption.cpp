#include "app/SkinOption.h"

#include <windows.h>
#include <shellapi.h>

#include "skin/SkinRead/SkinSource.h"
#include "skin/SkinRead/UseSkin.h"
#include "ui/TextConv.h"

std::filesystem::path SkinOptionPath(const std::vector<std::wstring>& args) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == L"--skin") return std::filesystem::path(args[i + 1]);
  return {};
}

std::vector<std::wstring> ProgramArguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; argv && i < count; ++i) args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}

namespace {

void ShowSkinProblem(HWND owner, const std::string& problem) {
  MessageBoxW(owner, ui::Utf8ToWide(problem).c_str(), ui::Utf8ToWide("Tavrin集中力训练 · 皮肤 Skin").c_str(),
              MB_OK | MB_ICONERROR);
}

}  // namespace

bool UseSkinOption(const std::filesystem::path& path, skin::TSkinData& data) {
  skin::TSkinSourceRead read = skin::ReadSkinSource(path);
  if (!read.Usable()) {
    ShowSkinProblem(nullptr, read.Problem);
    return false;
  }
  return skin::UseStoredSkin(data, std::move(read.Stored));
}

std::unique_ptr<skin::TSkinPreview> PreviewSkinOption(const std::filesystem::path& path, skin::TSkinData& data,
                                                      HWND owner) {
  std::error_code error;
  if (!std::filesystem::is_directory(path, error)) return nullptr;
  return std::make_unique<skin::TSkinPreview>(path, data,
                                              [owner](const std::string& problem) { ShowSkinProblem(owner, problem); });
}
