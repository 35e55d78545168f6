// The skin drawing primitives in one include.
#pragma once

#include "skin/draw/Frames.h"
#include "skin/draw/Regions.h"
#include "skin/draw/ScratchBitmap.h"
#include "skin/draw/Slicing.h"
#include "skin/draw/Tiling.h"
#include "skin/draw/Transforms.h"
#include "skin/draw/Transparency.h"
#include "skin/draw/WindowText.h"
