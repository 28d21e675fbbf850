#pragma once
// Access keys of frames. A frame's "&" letter moves the focus to the first control inside
// it, as a group box's does in a dialog, except where the frame only repeats the caption of
// the command button that shows it (a page under its navigation button): the letter is the
// button's, and the frame shows its caption without the mark.
#include <string>
#include <string_view>

#include "ui/form.h"

namespace qb::ui {

// Whether the frame carries the language key of a command button of its window.
bool RepeatsButtonCaption(const Control& frame);

// The caption without its access-key mark, still written for a control that reads marks:
// "&x" becomes x, "&&" (one ampersand shown) stays.
std::string WithoutAccessKey(std::string_view caption);

// Text the program shows as it is (a path, a process name) in a caption that reads marks:
// every "&" doubled, so that "C:\Q&A" shows its ampersand and gives no control an access key.
std::string LiteralCaption(std::string_view text);

// The caption a frame shows and answers to: its own, or without the mark when the letter
// belongs to a button.
std::string FrameCaptionShown(const Control& frame);

}  // namespace qb::ui
