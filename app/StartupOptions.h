// What the start-up benchmark asks of the program: `--no-skin` starts the
// training window with its skin inactive (the plain system frame), and an
// event named by the environment variable TAVRIN_FIRST_PAINT_EVENT is set
// once the window's first complete paint is on the screen.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "skin/WinSkinData/ColourShift.h"

// Whether `args` (the arguments after the program name) hold `--no-skin`.
bool NoSkinOption(const std::vector<std::wstring>& args);
// Whether they hold `--follow-system` (SystemFollow.h).
bool FollowSystemOption(const std::vector<std::wstring>& args);
// The colour of `--colour H,S,B`; nothing without the option, and nothing
// with `problem` naming the value when it is bad.
std::optional<skin::TColourShift> ColourOption(const std::vector<std::wstring>& args, std::string& problem);

// Sets the named event after the first paint of `wnd` that `ready` accepts
// (the skin on, when one is expected), its child windows painted too. Does
// nothing unless the environment names an event that exists. What it needs
// stays with the window and goes with it.
void SignalFirstPaint(HWND wnd, std::function<bool()> ready);
