// The class library's common controls read from a form description: their
// settings reach the system's windows, and a moved thumb comes back.
#include "BarsTestSupport.h"
#include "ui/FormParser.h"
#include "ui/FormReader.h"

namespace {

using namespace bars_test;

constexpr std::string_view kForm = R"(object BarsForm: TBarsForm
  Left = 100
  Top = 100
  ClientWidth = 400
  ClientHeight = 200
  object Other: TProgressBar
    Position = 400
  end
  object Progress: TProgressBar
    Left = 10
    Top = 10
    Width = 200
    Height = 16
    Position = 70
    Min = 20
    Max = 120
    Orientation = pbVertical
  end
  object Track: TTrackBar
    Left = 10
    Top = 40
    Width = 200
    Height = 40
    Max = 20
    Position = 5
    Frequency = 5
    OnChange = TrackChange
  end
  object Status: TStatusBar
    SizeGrip = False
    Panels.Item0.Text = 'one'
    Panels.Item0.Width = 80
    Panels.Item1.Text = 'two'
    Panels.Item1.Alignment = taCenter
    Panels.Item1.Bevel = pbRaised
    Panels.Item2.Text = 'three'
    Panels.Item2.Alignment = taRightJustify
    Panels.Item2.Bevel = pbNone
  end
end
)";

class TBarsForm : public ui::TForm {
 public:
  TBarsForm(ui::TComponent* owner, std::string_view text) : ui::TForm(owner) {
    BindField("Progress", Progress);
    BindField("Track", Track);
    BindField("Status", Status);
    BindEvent("TrackChange", this, &TBarsForm::TrackChange);
    InitializeForm(text, nullptr);
  }
  ~TBarsForm() override { DestroyComponents(); }
  std::string ClassName() const override { return "TBarsForm"; }
  void TrackChange(ui::TObject*) { ++changes; }

  ui::TProgressBar* Progress = nullptr;
  ui::TTrackBar* Track = nullptr;
  ui::TStatusBar* Status = nullptr;
  int changes = 0;
};

std::wstring PanelText(HWND wnd, int i, WORD& type) {
  wchar_t text[64] = {};
  type = HIWORD(SendMessageW(wnd, SB_GETTEXTW, WPARAM(i), reinterpret_cast<LPARAM>(text)));
  return text;
}

TEST_F(BarsTest, CommonControlsFromADescription) {
  auto* form = new TBarsForm(app_.get(), kForm);
  form->Show();
  const HWND progress = form->Progress->Handle();
  EXPECT_EQ(SendMessageW(progress, PBM_GETPOS, 0, 0), 70);  // the range came after the position
  EXPECT_EQ(SendMessageW(progress, PBM_GETRANGE, TRUE, 0), 20);
  EXPECT_EQ(SendMessageW(progress, PBM_GETRANGE, FALSE, 0), 120);
  EXPECT_TRUE(GetWindowLongPtrW(progress, GWL_STYLE) & PBS_VERTICAL);
  auto* other = dynamic_cast<ui::TProgressBar*>(form->FindComponent("Other"));
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->Position(), 100);  // kept inside the range once read
  form->Progress->SetPosition(500);  // kept inside the range
  EXPECT_EQ(form->Progress->Position(), 120);

  const HWND status = form->Status->Handle();
  EXPECT_FALSE(GetWindowLongPtrW(status, GWL_STYLE) & SBARS_SIZEGRIP);
  EXPECT_EQ(form->Status->Align(), ui::alBottom);
  ASSERT_EQ(SendMessageW(status, SB_GETPARTS, 0, 0), 3);
  WORD type = 0;
  EXPECT_EQ(PanelText(status, 0, type), L"one");
  EXPECT_EQ(type, 0);
  EXPECT_EQ(PanelText(status, 1, type), L"\ttwo");
  EXPECT_EQ(type, SBT_POPOUT);
  EXPECT_EQ(PanelText(status, 2, type), L"\t\tthree");
  EXPECT_EQ(type, SBT_NOBORDERS);
  RECT last{};
  SendMessageW(status, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&last));
  RECT client{};
  GetClientRect(status, &client);
  EXPECT_GE(last.right, client.right - 2);  // the last panel reaches the end

  // A key moves the thumb; the change comes back through the parent.
  const HWND track = form->Track->Handle();
  EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 5);
  SendMessageW(track, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(track, WM_KEYUP, VK_RIGHT, 0);
  EXPECT_EQ(form->Track->Position(), 6);
  EXPECT_GE(form->changes, 1);
  delete form;
}

TEST_F(BarsTest, BadPanelSettingsStopTheReading) {
  for (const char* line : {"Panels.Item64.Text = 'x'", "Panels.Itemx.Text = 'x'", "Panels.Item0.Colour = 1",
                           "Panels.Item0.Bevel = pbSunken"}) {
    SCOPED_TRACE(line);
    const std::string text = "object BarsForm: TBarsForm\n  object Status: TStatusBar\n    " + std::string(line) +
                             "\n  end\nend\n";
    EXPECT_THROW(delete new TBarsForm(app_.get(), text), ui::EFormError);
  }
}

}  // namespace
