// Text conversion between UTF-8 (the program's texts and the form
// descriptions) and UTF-16 (the wide Win32 calls). Portable: no Win32, so it
// is tested natively. Malformed input never fails: each bad sequence becomes
// U+FFFD, so a damaged text shows a replacement mark instead of vanishing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// wchar_t text: UTF-16 on Windows, UTF-32 elsewhere.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// The lines of a multi-line text such as a list property of a form
// description: CR LF or LF ends a line; a last empty line is dropped.
std::vector<std::wstring> SplitLines(std::wstring_view text);

}  // namespace ui
