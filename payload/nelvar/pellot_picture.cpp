#include "pellot_picture.h"

#include <wincodec.h>

#include "com_ref.h"

namespace {

// The full path of `fileName` in the folder of the running executable.
bool PathBesideProgram(const wchar_t* fileName, HeapArray<wchar_t>* path)
{
    DWORD size = MAX_PATH;
    DWORD length = 0;
    for (;;) {
        if (!path->Allocate(size))
            return false;
        length = GetModuleFileNameW(nullptr, path->Data(), size);
        if (length == 0)
            return false;
        if (length < size)
            break;
        size *= 2;  // the name was cut short
    }
    DWORD folderLength = length;
    while (folderLength > 0 && (*path)[folderLength - 1] != L'\\' &&
           (*path)[folderLength - 1] != L'/')
        --folderLength;

    size_t nameLength = static_cast<size_t>(lstrlenW(fileName));
    if (!path->Grow(folderLength + nameLength + 1))
        return false;
    CopyMemory(path->Data() + folderLength, fileName, (nameLength + 1) * sizeof(wchar_t));
    return true;
}

// Blends premultiplied BGRA pixels over an opaque background colour, in place.
void CompositeOver(COLORREF background, HeapArray<BYTE>* pixels)
{
    const unsigned backgroundBlue = GetBValue(background);
    const unsigned backgroundGreen = GetGValue(background);
    const unsigned backgroundRed = GetRValue(background);
    for (size_t i = 0; i + 3 < pixels->Count(); i += 4) {
        BYTE* pixel = pixels->Data() + i;
        const unsigned transparency = 255u - pixel[3];
        pixel[0] = static_cast<BYTE>(pixel[0] + (backgroundBlue * transparency + 127) / 255);
        pixel[1] = static_cast<BYTE>(pixel[1] + (backgroundGreen * transparency + 127) / 255);
        pixel[2] = static_cast<BYTE>(pixel[2] + (backgroundRed * transparency + 127) / 255);
        pixel[3] = 0;
    }
}

}  // namespace

bool LoadPictureBesideProgram(const wchar_t* fileName, COLORREF background,
                              PellotPicture* picture)
{
    HeapArray<wchar_t> path;
    if (!PathBesideProgram(fileName, &path))
        return false;

    ComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, factory.PutVoid())))
        return false;
    ComRef<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(path.Data(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand,
                                                  decoder.Put())))
        return false;
    ComRef<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.Put())))
        return false;
    ComRef<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.Put())))
        return false;
    if (FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return false;

    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > 16384 || height > 16384)
        return false;
    const UINT stride = width * 4;
    if (!picture->pixels.Allocate(static_cast<size_t>(stride) * height))
        return false;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, picture->pixels.Data())))
        return false;

    CompositeOver(background, &picture->pixels);
    picture->width = width;
    picture->height = height;
    return true;
}

void DrawPicture(HDC dc, int left, int top, const PellotPicture& picture)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(picture.width);
    info.bmiHeader.biHeight = -static_cast<LONG>(picture.height);  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, left, top, picture.width, picture.height, 0, 0, 0, picture.height,
                      picture.pixels.Data(), &info, DIB_RGB_COLORS);
}
