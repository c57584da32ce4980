// Nelvar's picture, read from the folder of the running executable and decoded with WIC.
#pragma once

#include <windows.h>

#include "../common/heap_array.h"

// A decoded picture, already composited over the window's background colour.
struct PellotPicture {
    UINT width = 0;
    UINT height = 0;
    HeapArray<BYTE> pixels;  // top-down rows of width * 4 bytes, blue-green-red-unused
};

// Reads `fileName` from the folder that holds the running executable (never from the
// current directory), decodes it with the Windows Imaging Component and composites it
// over `background`. COM must be initialised on the calling thread. False when the file
// is missing or cannot be decoded.
bool LoadPictureBesideProgram(const wchar_t* fileName, COLORREF background,
                              PellotPicture* picture);

// Draws a loaded picture with its top-left corner at (left, top).
void DrawPicture(HDC dc, int left, int top, const PellotPicture& picture);
