#include "ui/StandardClasses.h"

#include "ui/Buttons.h"
#include "ui/ComCtrls.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/EditCtrls.h"
#include "ui/FormReader.h"
#include "ui/Image.h"
#include "ui/ImgList.h"
#include "ui/ListBox.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/Panel.h"
#include "ui/ScrollBar.h"
#include "ui/StdCtrls.h"
#include "ui/TabCtrls.h"
#include "ui/Timer.h"
#include "ui/UpDown.h"
#include "ui/ToolBar.h"
#include "ui/WebBrowser.h"

namespace ui {

void RegisterStandardClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TPanel>("TPanel");
    RegisterComponentClass<TImage>("TImage");
    RegisterComponentClass<TTimer>("TTimer");
    RegisterComponentClass<TWebBrowser>("TWebBrowser");
    RegisterComponentClass<TButton>("TButton");
    RegisterComponentClass<TCheckBox>("TCheckBox");
    RegisterComponentClass<TRadioButton>("TRadioButton");
    RegisterComponentClass<TGroupBox>("TGroupBox");
    RegisterComponentClass<TRadioGroup>("TRadioGroup");
    RegisterComponentClass<TBitBtn>("TBitBtn");
    RegisterComponentClass<TSpeedButton>("TSpeedButton");
    RegisterComponentClass<TToolBar>("TToolBar");
    RegisterComponentClass<TMainMenu>("TMainMenu");
    RegisterComponentClass<TPopupMenu>("TPopupMenu");
    RegisterComponentClass<TMenuItem>("TMenuItem");
    RegisterComponentClass<TImageList>("TImageList");
    RegisterComponentClass<TEdit>("TEdit");
    RegisterComponentClass<TMemo>("TMemo");
    RegisterComponentClass<TComboBox>("TComboBox");
    RegisterComponentClass<TUpDown>("TUpDown");
    RegisterComponentClass<TSpinEdit>("TSpinEdit");
    RegisterComponentClass<TDateTimePicker>("TDateTimePicker");
    RegisterComponentClass<TScrollBar>("TScrollBar");
    RegisterComponentClass<TListBox>("TListBox");
    RegisterComponentClass<TListView>("TListView");
    RegisterComponentClass<TTabControl>("TTabControl");
    RegisterComponentClass<TPageControl>("TPageControl");
    RegisterComponentClass<TTabSheet>("TTabSheet");
    RegisterComponentClass<TProgressBar>("TProgressBar");
    RegisterComponentClass<TTrackBar>("TTrackBar");
    RegisterComponentClass<TStatusBar>("TStatusBar");
    return true;
  }();
  (void)registered;
}

}  // namespace ui
