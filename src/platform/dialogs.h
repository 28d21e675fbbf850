#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/shell.h"

namespace qb {

// Message-box styles and answers, with the system's values.
namespace mb {
constexpr unsigned kOk = 0x0;
constexpr unsigned kOkCancel = 0x1;
constexpr unsigned kYesNo = 0x4;
constexpr unsigned kIconStop = 0x10;
constexpr unsigned kIconQuestion = 0x20;
constexpr unsigned kIconExclamation = 0x30;
constexpr unsigned kIconInformation = 0x40;
constexpr unsigned kDefaultButton2 = 0x100;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
constexpr int kIdTimeout = 32000;  // a timed box that nobody answered
}  // namespace mb

inline constexpr std::string_view kDefaultMessageTitle = "Quill Box";

// What the file-open dialog offers.
struct FileChoice {
  std::string title;
  // Pairs of a description and its patterns, separated by "|":
  // "Pictures|*.bmp;*.jpg;*.png|All files|*.*".
  std::string filter;
  std::string initial_folder;  // empty: the system's choice
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows a modal message box; returns the answer (mb::kIdOk, kIdYes, ...).
  virtual int ShowMessage(WindowHandle owner, std::string_view text, std::string_view title,
                         unsigned style) = 0;
  // Like ShowMessage, but the box closes by itself after timeout_ms without an answer and
  // then answers mb::kIdTimeout.
  virtual int ShowTimedMessage(WindowHandle owner, std::string_view text,
                               std::string_view title, unsigned style, unsigned timeout_ms) = 0;
  // The system's file-open dialog for one existing file. True with its full path; false
  // when the user cancelled.
  virtual bool ChooseOpenFile(WindowHandle owner, const FileChoice& choice, std::string& path) = 0;
  // The system's file-save dialog; asks before replacing a file that is there. True with the
  // full path; false when the user cancelled. choice.initial_folder may end in a file name.
  virtual bool ChooseSaveFile(WindowHandle owner, const FileChoice& choice, std::string& path) = 0;
  // The system's folder browser, file-system folders only. True with the folder's path.
  virtual bool ChooseFolder(WindowHandle owner, std::string_view title, std::string& path) = 0;
  // The system's colour dialog, opened on `colour` (0x00BBGGRR). True with the choice;
  // false, and `colour` untouched, when the user cancelled.
  virtual bool ChooseColour(WindowHandle owner, uint32_t& colour) = 0;
};

}  // namespace qb
