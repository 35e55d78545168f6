#include "gallery/ScrollingPage.h"

#include <string>
#include <vector>

#include "gallery/GalleryNote.h"  // RegisterGalleryClasses

namespace gallery {

namespace {

// More lines than fit, each wider than the memo: both scroll bars show.
std::vector<std::wstring> MemoLines() {
  std::vector<std::wstring> lines;
  for (int i = 1; i <= 30; ++i)
    lines.push_back(L"第 " + std::to_wstring(i) + L" 行 · line " + std::to_wstring(i) +
                    L": a line long enough to need the horizontal scroll bar");
  return lines;
}

}  // namespace

TScrollingPage::TScrollingPage(ui::TComponent* owner) : ui::TForm(owner) {
  RegisterGalleryClasses();
  BindField("Memo", Memo);
  BindField("Lines", Lines);
  BindField("Files", Files);
  BindField("HorzBar", HorzBar);
  BindField("VertBar", VertBar);
  InitializeForm();
  Memo->SetLines(MemoLines());
}

TScrollingPage::~TScrollingPage() { DestroyComponents(); }

}  // namespace gallery
