#include "page/picture_png_win.h"

#include <windows.h>
#include <wincodec.h>

#include <cstdint>

#include "base/memory.h"
#include "page/picture_dib.h"

namespace {

const std::uint32_t headerSize = 40; // BITMAPINFOHEADER

// The object library's calls used here. Linking it would load it, and much
// that it stands on, at every start; it is loaded when a PNG picture is
// first pasted.
struct ComCalls {
    HRESULT(WINAPI *initialize)(LPVOID, DWORD);
    HRESULT(WINAPI *create)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID *);
    void(WINAPI *uninitialize)();
};

template <typename Procedure>
void ComFind(HMODULE library, const char *name, Procedure &procedure)
{
    procedure = library ? reinterpret_cast<Procedure>(reinterpret_cast<void *>(GetProcAddress(library, name)))
                        : nullptr;
}

// A missing library or call is reported.
ErrorCode ComLoad(const ComCalls *&com)
{
    static ComCalls calls = [] {
        HMODULE library = LoadLibraryA("ole32.dll");
        ComCalls found;
        ComFind(library, "CoInitializeEx", found.initialize);
        ComFind(library, "CoCreateInstance", found.create);
        ComFind(library, "CoUninitialize", found.uninitialize);
        return found;
    }();
    com = &calls;
    return calls.initialize && calls.create && calls.uninitialize ? 0 : TestZeroError(nullptr);
}

// Releases an interface when it goes out of scope.
template <class Interface>
struct ComHeld {
    Interface *held = nullptr;
    ComHeld() = default;
    ComHeld(const ComHeld &) = delete;
    ComHeld &operator=(const ComHeld &) = delete;
    ~ComHeld()
    {
        if (held)
            held->Release();
    }
    Interface *operator->() const { return held; }
};

// The first frame of the file, converted to premultiplied 32-bit pixels.
bool PngOpen(IWICImagingFactory *factory, const unsigned char *png, std::size_t size,
             ComHeld<IWICFormatConverter> &pixels)
{
    ComHeld<IWICStream> stream;
    ComHeld<IWICBitmapDecoder> decoder;
    ComHeld<IWICBitmapFrameDecode> frame;
    return size <= MAXDWORD && SUCCEEDED(factory->CreateStream(&stream.held)) &&
           SUCCEEDED(stream->InitializeFromMemory(const_cast<BYTE *>(png), static_cast<DWORD>(size))) &&
           SUCCEEDED(factory->CreateDecoderFromStream(stream.held, nullptr, WICDecodeMetadataCacheOnDemand,
                                                      &decoder.held)) &&
           SUCCEEDED(decoder->GetFrame(0, &frame.held)) && SUCCEEDED(factory->CreateFormatConverter(&pixels.held)) &&
           SUCCEEDED(pixels->Initialize(frame.held, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                        0, WICBitmapPaletteTypeCustom));
}

void PngHeaderWrite(unsigned char *dib, UINT width, UINT height)
{
    BITMAPINFOHEADER header = {};
    header.biSize = headerSize;
    header.biWidth = static_cast<LONG>(width);
    header.biHeight = -static_cast<LONG>(height); // top-down, as the pixels come
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    CopyMemory(dib, &header, headerSize);
}

// Premultiplied colours over white: each part gains what the alpha leaves.
void PngOverWhite(unsigned char *pixels, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i, pixels += 4) {
        unsigned char clear = static_cast<unsigned char>(255 - pixels[3]);
        for (int part = 0; part < 3; ++part)
            pixels[part] = static_cast<unsigned char>(pixels[part] + clear);
        pixels[3] = 0;
    }
}

ErrorCode PngDecode(IWICImagingFactory *factory, const unsigned char *png, std::size_t size, unsigned char *&dib,
                    std::size_t &dibSize)
{
    ComHeld<IWICFormatConverter> pixels;
    UINT width, height;
    if (!PngOpen(factory, png, size, pixels) || FAILED(pixels->GetSize(&width, &height)))
        return DibRefuse();
    // The bitmap's size must fit 32 bits, and its width and height its signed fields.
    std::uint64_t stride = 4 * std::uint64_t{width}, bytes = stride * height;
    if (!width || !height || width > INT32_MAX / 4 || height > INT32_MAX || bytes > UINT32_MAX - headerSize)
        return DibRefuse();
    ErrorCode error;
    dib = static_cast<unsigned char *>(Allocate(error, headerSize + bytes));
    if (error)
        return error;
    PngHeaderWrite(dib, width, height);
    if (FAILED(pixels->CopyPixels(nullptr, static_cast<UINT>(stride), static_cast<UINT>(bytes), dib + headerSize))) {
        Destroy(dib);
        dib = nullptr;
        return DibRefuse(); // the file ends early or is damaged
    }
    PngOverWhite(dib + headerSize, bytes / 4);
    dibSize = headerSize + bytes;
    return 0;
}

// Everything the imaging component made is released before the thread's
// objects are shut down again.
ErrorCode PngDecodeWithFactory(const ComCalls &com, const unsigned char *png, std::size_t size, unsigned char *&dib,
                               std::size_t &dibSize)
{
    ComHeld<IWICImagingFactory> factory;
    HRESULT result = com.create(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void **>(&factory.held));
    if (FAILED(result)) {
        TestError(static_cast<ErrorCode>(result));
        return static_cast<ErrorCode>(result);
    }
    return PngDecode(factory.held, png, size, dib, dibSize);
}

} // namespace

ErrorCode PngToDib(const unsigned char *png, std::size_t size, unsigned char *&dib, std::size_t &dibSize)
{
    dib = nullptr;
    const ComCalls *com;
    ErrorCode error = ComLoad(com);
    if (error)
        return error;
    // The thread may have been set up for objects already, in either model.
    HRESULT initialised = com->initialize(nullptr, COINIT_APARTMENTTHREADED);
    error = PngDecodeWithFactory(*com, png, size, dib, dibSize);
    if (SUCCEEDED(initialised))
        com->uninitialize();
    return error;
}
