// The program: start the local training site when the pages come from this
// machine, initialise the application, create the training window from its
// stored description (with the skin of `--skin PATH`, if given, or none with
// `--no-skin`; `--colour H,S,B` colours it, `--follow-system` follows the
// system's app mode and accent colour), run until the window closes.
#include <windows.h>
#include <ole2.h>

#include <exception>
#include <memory>

#include "app/SkinOption.h"
#include "app/StartupOptions.h"
#include "app/SystemFollow.h"
#include "app/TrainingSite.h"
#include "app/UnitMain.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "ui/Application.h"
#include "ui/TextConv.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const HRESULT ole = OleInitialize(nullptr);  // the web-browser control needs it
  int exitCode = 0;
  try {
    // Before the window, whose first act is to open the start page; the
    // server ends with the program.
    training_site::TTrainingSite site;
    site.Start(training_site::BuiltInHost(), training_site::ServerLocations());
    skin::TScratchBitmapOwner scratch;  // the skin painters' back buffer, there before any window is skinned
    ui::TApplication application;
    application.Initialize();
    auto* form = application.CreateForm<TForm1>();
    // Before the window is shown, so that it comes up in that skin; a folder
    // is followed as it is edited, until the window is gone.
    std::unique_ptr<skin::TSkinPreview> preview;
    if (const auto skinPath = SkinOptionPath(ProgramArguments()); !skinPath.empty() && form->SkinData1) {
      UseSkinOption(skinPath, *form->SkinData1);
      preview = PreviewSkinOption(skinPath, *form->SkinData1, form->Handle());
    }
    // Before the first activation, which would put the skin on.
    if (NoSkinOption(ProgramArguments()) && form->SkinData1) form->SkinData1->SetActive(false);
    std::unique_ptr<TTrainingFollow> follow;
    if (form->SkinData1) {
      std::string problem;
      const auto colour = ColourOption(ProgramArguments(), problem);
      if (!problem.empty())
        MessageBoxW(nullptr, ui::Utf8ToWide(problem).c_str(), ui::Utf8ToWide("Tavrin集中力训练").c_str(),
                    MB_OK | MB_ICONWARNING);
      if (FollowSystemOption(ProgramArguments())) follow = std::make_unique<TTrainingFollow>(*form->SkinData1);
      if (colour) form->SkinData1->SetColour(*colour);  // a colour asked for wins over the accent's
    }
    const HWND wnd = form->Handle();
    const bool skinned = form->SkinData1 && form->SkinData1->Active();
    SignalFirstPaint(wnd, [wnd, skinned] {
      const skin::TSkinManage* manager = skin::SkinManage();
      const skin::TWinSkinForm* frame = manager ? manager->FindForm(wnd) : nullptr;
      return !skinned || (frame && frame->SkinState == skin::ssRunning);
    });
    application.Run();
  } catch (const std::exception& e) {
    MessageBoxW(nullptr, ui::Utf8ToWide(e.what()).c_str(), ui::Utf8ToWide("Tavrin集中力训练").c_str(),
                MB_OK | MB_ICONERROR);
    exitCode = 1;
  }
  if (SUCCEEDED(ole)) OleUninitialize();
  return exitCode;
}
