// Pictures the windows draw.
#pragma once

#include <windows.h>

#include "ui/gdi_handles.h"

// Decodes the PNG stored as RCDATA resource `id` (GDI+), composited over
// `background`. Empty when the resource is missing or cannot be decoded.
OwnedBitmap LoadPngResource(int id, COLORREF background);

// Draws `bitmap` stretched to fill `target` of `dc`.
void DrawStretched(HDC dc, const RECT& target, HBITMAP bitmap);
