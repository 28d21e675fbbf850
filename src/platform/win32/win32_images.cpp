#include "platform/win32/win32_images.h"

#include <windows.h>
#include <wincodec.h>

#include <vector>

#include "platform/win32/responsive_wait.h"
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

// The size the file's header declares, read before the imaging library sees the file:
// some of its decoders read every pixel as soon as they open a file.
Status CheckDeclaredSize(const std::wstring& path) {
  ScopedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return static_cast<Status>(GetLastError());
  std::vector<uint8_t> head(kPictureHeadLength);
  DWORD read = 0;
  if (!ReadFile(file.Get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr)) {
    return static_cast<Status>(GetLastError());
  }
  const auto size = ReadPictureSize(head.data(), read);
  return size && IsTooLarge(*size) ? status::kPictureTooLarge : status::kOk;
}

Status DecodeHere(const std::wstring& wide, int max_side, Picture& picture) {
  if (const Status checked = CheckDeclaredSize(wide); checked != status::kOk) return checked;
  // The imaging library is a COM service: joins the thread's apartment, or opens one for
  // a caller that has none.
  ComApartment apartment;
  ComPtr<IWICImagingFactory> factory;
  HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory, factory.ReceiveVoid());
  if (FAILED(result)) return StatusOf(result);
  ComPtr<IWICBitmapDecoder> decoder;
  result = factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
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
  // Formats whose header was not read above are measured here, before their pixels.
  if (width == 0 || height == 0) return status::kInvalidData;
  if (IsTooLarge({width, height})) return status::kPictureTooLarge;
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

}  // namespace

// A picture near the size bound takes seconds to decode; the window that asked for it keeps
// painting meanwhile.
Status Win32Images::Decode(std::string_view path, int max_side, Picture& picture) {
  const std::wstring wide = Wide(path);
  Status decoded = status::kOk;
  RunKeepingWindowsAlive([&] { decoded = DecodeHere(wide, max_side, picture); });
  return decoded;
}

}  // namespace qb::win32
