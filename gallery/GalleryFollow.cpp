// The gallery following the system: the app mode picks the skin, the accent
// colour the skin's hue, at start and at every announcement of a change.
#include "gallery/BuiltInSkins.h"
#include "gallery/GalleryMain.h"
#include "gallery/GallerySkins.h"
#include "skin/WinSkinData/SkinData.h"
#include "skin/system/SystemColours.h"

namespace gallery {

void TGallerySkins::SetFollowing(bool value) {
  if (value == following_) return;
  following_ = value;
  MarkCurrent();
  if (following_) {
    accentFollowed_ = true;
    FollowSystem();
  }
}

void TGallerySkins::FollowSystem() {
  if (!following_) return;
  const std::size_t wanted = skin::AppsUseLightTheme() ? kLightBuiltInSkin : kDarkBuiltInSkin;
  if (current_ != TCurrent::BuiltIn || builtIn_ != wanted) SwitchBuiltIn(wanted);
  FollowAccent();
}

void TGallerySkins::FollowAccent() {
  if (!accentFollowed_) return;
  skin::TSkinData& data = *main_.SkinData1;
  const std::optional<ui::TColor> accent = skin::SystemAccentColour();
  const int hue = accent ? skin::AccentRotation(data.PlainSkin().AccentHue, *accent) : 0;
  data.SetHue(hue);
}

void TGallerySkins::SetColour(skin::TColourShift colour) {
  accentFollowed_ = false;
  main_.SkinData1->SetColour(colour);
}

}  // namespace gallery
