#include "platform/win32/win32_images.h"

#include <windows.h>
#include <wincodec.h>

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

// A file the system could not open keeps its own reason (missing, denied); anything the
// imaging library itself refused means the file holds no readable picture.
Status StatusOf(HRESULT result) {
  if (HRESULT_FACILITY(result) == FACILITY_WIN32) return HRESULT_CODE(result);
  return status::kInvalidData;
}

}  // namespace

Status Win32Images::Decode(std::string_view path, int max_side, Picture& picture) {
  // The imaging library is a COM service: joins the thread's apartment, or opens one for
  // a caller that has none.
  ComApartment apartment;
  ComPtr<IWICImagingFactory> factory;
  HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory, factory.ReceiveVoid());
  if (FAILED(result)) return StatusOf(result);
  ComPtr<IWICBitmapDecoder> decoder;
  result = factory->CreateDecoderFromFilename(Wide(path).c_str(), nullptr, GENERIC_READ,
                                              WICDecodeMetadataCacheOnDemand, decoder.Receive());
  if (FAILED(result)) return StatusOf(result);
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(result = decoder->GetFrame(0, frame.Receive()))) return StatusOf(result);
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(result = factory->CreateFormatConverter(converter.Receive()))) return StatusOf(result);
  result = converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                 nullptr, 0.0, WICBitmapPaletteTypeCustom);
  if (FAILED(result)) return StatusOf(result);
  UINT width = 0;
  UINT height = 0;
  if (FAILED(result = converter->GetSize(&width, &height))) return StatusOf(result);
  // A picture too large to hold is no picture this program can use.
  if (width == 0 || height == 0 || width > 32768 || height > 32768) return status::kInvalidData;
  Picture decoded;
  decoded.width = static_cast<int>(width);
  decoded.height = static_cast<int>(height);
  decoded.pixels.resize(static_cast<size_t>(width) * height);
  result = converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(decoded.pixels.size() * 4),
                                 reinterpret_cast<BYTE*>(decoded.pixels.data()));
  if (FAILED(result)) return StatusOf(result);
  picture = ScaleToFit(decoded, max_side);
  return status::kOk;
}

}  // namespace qb::win32
