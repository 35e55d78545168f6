// The executables we ship, read back as Explorer and the loader read them:
// the icon groups (the first one ours, every size there), the version
// information in both languages, and the one manifest.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

struct TShipped {
  const wchar_t* Path;
  const wchar_t* FileName;
  const char* Icon;  // our .ico, or null for a program without an icon
  const wchar_t* DescriptionZh;
  const wchar_t* DescriptionEn;
};

const TShipped kShipped[] = {
    {L"" TAVRIN_EXE, L"Tavrin.exe", TAVRIN_ICO, L"Tavrin\u96C6\u4E2D\u529B\u8BAD\u7EC3",
     L"Tavrin attention training"},
    {L"" GALLERY_EXE, L"skin-gallery.exe", GALLERY_ICO,
     L"\u76AE\u80A4\u6837\u4F8B\uFF1A\u7A97\u53E3\u76AE\u80A4\u5F15\u64CE\u7684\u5C55\u793A",
     L"Skin gallery: the skin engine's showcase"},
    {L"" SKINPACK_EXE, L"skinpack.exe", nullptr, L"\u76AE\u80A4\u6253\u5305\u5DE5\u5177",
     L"Skin packing tool for skin authors"},
#ifdef SITE_EXE
    {L"" SITE_EXE, L"tavrin_site.exe", nullptr, L"\u8BAD\u7EC3\u9875\u9762\u670D\u52A1\u5668",
     L"Tavrin training pages server"},
#endif
};

const wchar_t kProductName[] = L"Tavrin\u96C6\u4E2D\u529B\u8BAD\u7EC3";
const RGBQUAD kRed{46, 38, 179, 0};  // the icons' red, (179, 38, 46)

class TDataFile {
 public:
  explicit TDataFile(const wchar_t* path) : module_(LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~TDataFile() {
    if (module_) FreeLibrary(module_);
  }
  TDataFile(const TDataFile&) = delete;
  TDataFile& operator=(const TDataFile&) = delete;
  HMODULE Get() const { return module_; }

  // The names of the resources of one type, in directory order; integer ids as "#n".
  std::vector<std::wstring> Names(LPCWSTR type) const {
    std::vector<std::wstring> names;
    EnumResourceNamesW(module_, type, Collect, reinterpret_cast<LONG_PTR>(&names));
    return names;
  }
  int Languages(LPCWSTR type, LPCWSTR name) const {
    int count = 0;
    EnumResourceLanguagesW(module_, type, name, CountLanguage, reinterpret_cast<LONG_PTR>(&count));
    return count;
  }
  std::string Bytes(LPCWSTR type, LPCWSTR name) const {
    HRSRC found = FindResourceW(module_, name, type);
    if (!found) return {};
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module_, found)));
    return std::string(data, SizeofResource(module_, found));
  }

 private:
  static BOOL CALLBACK CountLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD, LONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
  }
  static BOOL CALLBACK Collect(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
    reinterpret_cast<std::vector<std::wstring>*>(names)->push_back(
        IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : name);
    return TRUE;
  }
  HMODULE module_;
};

std::string FileBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

template <class T>
T Read(const std::string& bytes, std::size_t offset) {
  T value{};
  if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

// One image of an icon file or group: its size (256 for the 0 byte) and bytes.
struct TIconImage {
  int Size;
  std::string Bytes;
};

// The images of an .ico file (6-byte header, 16-byte entries with offsets).
std::vector<TIconImage> IcoImages(const std::string& ico) {
  std::vector<TIconImage> images;
  for (int i = 0; i < Read<WORD>(ico, 4); ++i) {
    const std::size_t entry = 6 + 16 * std::size_t(i);
    const int size = Read<BYTE>(ico, entry) ? Read<BYTE>(ico, entry) : 256;
    images.push_back({size, ico.substr(Read<DWORD>(ico, entry + 12), Read<DWORD>(ico, entry + 8))});
  }
  return images;
}

// The images of an icon group resource (6-byte header, 14-byte entries with RT_ICON ids).
std::vector<TIconImage> GroupImages(const TDataFile& file, const std::wstring& group) {
  const std::string dir = file.Bytes(reinterpret_cast<LPCWSTR>(RT_GROUP_ICON), group.c_str());
  std::vector<TIconImage> images;
  for (int i = 0; i < Read<WORD>(dir, 4); ++i) {
    const std::size_t entry = 6 + 14 * std::size_t(i);
    const int size = Read<BYTE>(dir, entry) ? Read<BYTE>(dir, entry) : 256;
    images.push_back({size, file.Bytes(reinterpret_cast<LPCWSTR>(RT_ICON), MAKEINTRESOURCEW(Read<WORD>(dir, entry + 12)))});
  }
  return images;
}

// The icon drawn 16 x 16 on white: the pixels at (x, y).
RGBQUAD DrawnPixel(HICON icon, int x, int y) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  PatBlt(dc, 0, 0, 16, 16, WHITENESS);
  DrawIconEx(dc, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
  GdiFlush();
  const RGBQUAD pixel = static_cast<const RGBQUAD*>(bits)[y * 16 + x];
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixel;
}

bool SameColour(RGBQUAD a, RGBQUAD b) { return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue; }

TEST(ShippedPrograms, TheFirstIconIsOursInEverySize) {
  for (const TShipped& program : kShipped) {
    SCOPED_TRACE(testing::Message() << program.Path);
    TDataFile file(program.Path);
    ASSERT_TRUE(file.Get());
    const std::vector<std::wstring> groups = file.Names(reinterpret_cast<LPCWSTR>(RT_GROUP_ICON));
    if (!program.Icon) {
      EXPECT_TRUE(groups.empty());
      continue;
    }
    ASSERT_FALSE(groups.empty());
    EXPECT_EQ(groups.front(), L"#1") << "the first group, as Explorer and LoadIcon(hInstance, 1) find it";
    const std::vector<TIconImage> ours = IcoImages(FileBytes(program.Icon));
    const std::vector<TIconImage> built = GroupImages(file, groups.front());
    std::set<int> sizes;
    for (const TIconImage& image : built) sizes.insert(image.Size);
    EXPECT_EQ(sizes, (std::set<int>{16, 20, 24, 32, 40, 48, 64, 256}));
    ASSERT_EQ(built.size(), ours.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
      EXPECT_EQ(built[i].Size, ours[i].Size);
      EXPECT_TRUE(built[i].Bytes == ours[i].Bytes) << "image " << ours[i].Size << " differs from our .ico";
    }
    // The system loads it: the small image red in the middle and clear in
    // the corner, the 256 pixel one (PNG) at its full size.
    auto small = static_cast<HICON>(LoadImageW(file.Get(), MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0));
    ASSERT_TRUE(small);
    EXPECT_TRUE(SameColour(DrawnPixel(small, 8, 8), kRed));
    EXPECT_TRUE(SameColour(DrawnPixel(small, 0, 0), RGBQUAD{255, 255, 255, 0}));
    DestroyIcon(small);
    auto large = static_cast<HICON>(LoadImageW(file.Get(), MAKEINTRESOURCEW(1), IMAGE_ICON, 256, 256, 0));
    ASSERT_TRUE(large);
    ICONINFO parts{};
    BITMAP colour{};
    ASSERT_TRUE(GetIconInfo(large, &parts));
    GetObjectW(parts.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, 256);
    if (parts.hbmColor) DeleteObject(parts.hbmColor);
    if (parts.hbmMask) DeleteObject(parts.hbmMask);
    DestroyIcon(large);
  }
}

std::wstring VersionString(const std::vector<char>& info, const wchar_t* block, const wchar_t* key) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + key;
  if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || !value) return L"(missing)";
  return std::wstring(static_cast<const wchar_t*>(value));
}

TEST(ShippedPrograms, VersionInformationInChineseAndEnglish) {
  const std::wstring version = L"" TAVRIN_VERSION;
  for (const TShipped& program : kShipped) {
    SCOPED_TRACE(testing::Message() << program.Path);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.Path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(program.Path, 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(MAKELONG(TAVRIN_VERSION_MINOR, TAVRIN_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, DWORD(MAKELONG(0, TAVRIN_VERSION_PATCH)));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    WORD* translations = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &length));
    EXPECT_EQ(std::vector<WORD>(translations, translations + length / sizeof(WORD)),
              (std::vector<WORD>{0x0804, 1200, 0x0409, 1200}));

    const struct {
      const wchar_t* Block;
      const wchar_t* Description;
    } languages[] = {{L"080404B0", program.DescriptionZh}, {L"040904B0", program.DescriptionEn}};
    for (const auto& language : languages) {
      SCOPED_TRACE(testing::Message() << language.Block);
      EXPECT_EQ(VersionString(info, language.Block, L"ProductName"), kProductName);
      EXPECT_EQ(VersionString(info, language.Block, L"FileDescription"), language.Description);
      EXPECT_EQ(VersionString(info, language.Block, L"FileVersion"), version);
      EXPECT_EQ(VersionString(info, language.Block, L"ProductVersion"), version);
      EXPECT_EQ(VersionString(info, language.Block, L"OriginalFilename"), program.FileName);
      EXPECT_EQ(VersionString(info, language.Block, L"LegalCopyright").rfind(L"\u00A9 20", 0), 0u);
    }
  }
}

// The text of the first element `name` ("<name ...>text</name>"), or "(missing)".
std::string ElementText(const std::string& xml, const std::string& name) {
  const std::size_t open = xml.find("<" + name + " ");
  const std::size_t start = open == std::string::npos ? open : xml.find('>', open);
  const std::size_t end = start == std::string::npos ? start : xml.find('<', start);
  return end == std::string::npos ? "(missing)" : xml.substr(start + 1, end - start - 1);
}

TEST(ShippedPrograms, OneManifestAsInvokerOnEverySupportedSystemPerMonitorDpiAware) {
  const LPCWSTR manifestType = MAKEINTRESOURCEW(24);  // RT_MANIFEST
  for (const TShipped& program : kShipped) {
    SCOPED_TRACE(testing::Message() << program.Path);
    TDataFile file(program.Path);
    ASSERT_TRUE(file.Get());
    EXPECT_EQ(file.Names(manifestType), std::vector<std::wstring>{L"#1"}) << "ours alone, as the process manifest";
    EXPECT_EQ(file.Languages(manifestType, MAKEINTRESOURCEW(1)), 1) << "no second one from the linker";
    const std::string xml = file.Bytes(manifestType, MAKEINTRESOURCEW(1));
    EXPECT_NE(xml.find("level=\"asInvoker\""), std::string::npos);
    for (const char* os : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                           "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
      EXPECT_NE(xml.find(std::string("<supportedOS Id=\"") + os + "\"/>"), std::string::npos) << os;
    EXPECT_EQ(ElementText(xml, "dpiAware"), "true/pm");
    EXPECT_EQ(ElementText(xml, "dpiAwareness"), "PerMonitorV2, PerMonitor");
    EXPECT_EQ(xml.find("<dependency"), std::string::npos) << "common controls 5: no side-by-side assembly";
  }
}

TEST(ShippedPrograms, TheManifestKeepsCommonControlsFive) {
  // This test program carries the same manifest (as every test program does).
  ASSERT_TRUE(FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)));
  HMODULE comctl = LoadLibraryW(L"comctl32.dll");
  ASSERT_TRUE(comctl);
  using GetVersionProc = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
  auto getVersion = reinterpret_cast<GetVersionProc>(reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")));
  ASSERT_TRUE(getVersion);
  DLLVERSIONINFO version{};
  version.cbSize = sizeof(version);
  ASSERT_EQ(getVersion(&version), S_OK);
  EXPECT_EQ(version.dwMajorVersion, 5u);
  FreeLibrary(comctl);
}

}  // namespace
