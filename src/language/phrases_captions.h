#pragma once
// Captions, list texts and names of things the windows show; included by phrases.h.
#include "language/phrase.h"

namespace qb::language::phrase {

// Captions of the main window without a Tag in its design.
inline constexpr Phrase kSystemInformation{"8000", "System Information"};
inline constexpr Phrase kCurrentBackground{"8001", "Curent desktop background"};
inline constexpr Phrase kTabVisualOptions{"8002", "Visual Options"};
inline constexpr Phrase kTabStartMenu{"8003", "Start Menu"};
inline constexpr Phrase kTabDesktop{"8004", "Desktop"};
inline constexpr Phrase kSelectResolution{"8005", "Select resolution"};
// Drive types and facts of the machine.
inline constexpr Phrase kFloppyDrive{"8010", "Floppy Drive"};
inline constexpr Phrase kFixedDrive{"8011", "Fixed Drive"};
inline constexpr Phrase kCdRomDrive{"8012", "CD-Rom Drive"};
inline constexpr Phrase kNotReported{"8013", "Not reported"};
inline constexpr Phrase kNotReportedByFirmware{"8014", "Not reported by the firmware"};
inline constexpr Phrase kNative{"8015", "Native"};
inline constexpr Phrase kCompatibilityMode{"8016", "Compatibility mode: %1"};
inline constexpr Phrase kMegabytesOf{"8017", "%1 MB of %2 MB"};
// The screen elements of the System Colors window, in the list's order.
inline constexpr Phrase kColourActiveCaption{"8020", "Active Window Caption"};
inline constexpr Phrase kColourInactiveCaption{"8021", "Inactive Window Caption"};
inline constexpr Phrase kColourCaptionText{"8022", "Active Window Caption Text"};
inline constexpr Phrase kColourInactiveCaptionText{"8023", "Inctive Window Caption Text"};
inline constexpr Phrase kColourActiveBorder{"8024", "Active Window Border"};
inline constexpr Phrase kColourInactiveBorder{"8025", "Inactive Window Border"};
inline constexpr Phrase kColourGrayText{"8026", "Gray Text (Disabled)"};
inline constexpr Phrase kColourButtonText{"8027", "Button Caption"};
inline constexpr Phrase kColourHighlight{"8028", "Highlight"};
inline constexpr Phrase kColourHighlightText{"8029", "Highlight Text"};
inline constexpr Phrase kColourMenu{"8030", "Menu"};
inline constexpr Phrase kColourMenuText{"8031", "Menu Text"};
inline constexpr Phrase kColourBackground{"8032", "Background"};
inline constexpr Phrase kColourNotChanged{"8033", "The colour of \"%1\" was not changed"};
// The process manager.
inline constexpr Phrase kProcessName{"8040", "Process Name"};
inline constexpr Phrase kProcessId{"8041", "Process ID"};
inline constexpr Phrase kTerminate{"8042", "Terminate"};
// The Fonts window.
inline constexpr Phrase kFontSize{"8043", "Size"};
// The Language page.
inline constexpr Phrase kLanguageNotSaved{"8050", "The language could not be saved"};
inline constexpr Phrase kLanguageSaved{"8051",
                                       "The language is saved: %1. Every window shows it from now on."};
// What could not be done, and the system's reason: "<what>: <system text>.".
inline constexpr Phrase kFailureReason{"8060", "%1: %2."};
inline constexpr Phrase kProcessNotEnded{"8061", "%1 was not ended"};
inline constexpr Phrase kFileNotRead{"8062", "%1 could not be read"};
inline constexpr Phrase kFolderNotReadOnly{"8063", "%1 could not be marked read-only"};
inline constexpr Phrase kFileNotWritten{"8064", "%1 could not be written"};
inline constexpr Phrase kFontNotInstalled{"8065", "The font could not be installed"};
// The about window.
inline constexpr Phrase kAboutTitle{"8080", "about"};
inline constexpr Phrase kAboutContact{
    "8081", "Quill Box is made by the Quill Box team.\\nQuestions and reports: support@quillbox.example"};
inline constexpr Phrase kAboutDisclaimer{
    "8082",
    "Warning: this program is protected by copyright law. Reproducing or distributing it, or any "
    "part of it, without the written permission of its makers is prohibited and may result in "
    "civil and criminal penalties."};
inline constexpr Phrase kAboutOk{"8083", "OK"};
inline constexpr Phrase kVersion{"8084", "Version %1"};
// Titles and file kinds of the system's file and folder dialogs, questions and notices.
inline constexpr Phrase kChooseApplication{"8090", "Choose Application"};
inline constexpr Phrase kApplicationFiles{"8091", "Application"};
inline constexpr Phrase kChoosePictureFile{"8092", "Choose Picture File"};
inline constexpr Phrase kBitmapFiles{"8093", "Bmp Files"};
inline constexpr Phrase kChooseDownloadFolder{"8094", "Please Select a new Dowload Folder"};
inline constexpr Phrase kChooseWallpaper{"8095", "Choose a picture for the desktop"};
inline constexpr Phrase kAddFont{"8096", "Add Font"};
inline constexpr Phrase kTrueTypeFonts{"8097", "True Type Fonts"};
inline constexpr Phrase kNoDisk{"8098", "There is no disk in the floppy drive!!"};
inline constexpr Phrase kInsertDisk{"8099", "Insert Disk"};
inline constexpr Phrase kNoCd{"8100", "There is no CD in the drive!!"};
inline constexpr Phrase kInsertCd{"8101", "Insert CD-Rom"};
inline constexpr Phrase kRestartQuestion{"8102", "Are you sure to restart?"};
// Changes an Apply could not save.
inline constexpr Phrase kChangeNotSaved{"8110", "This change was not saved:"};
inline constexpr Phrase kChangesNotSaved{"8111", "These changes were not saved:"};
inline constexpr Phrase kNeedsAdministrator{
    "8112",
    "Changing machine-wide settings and the settings of other users needs an administrator. "
    "Start Quill Box as an administrator to save them."};
// The screen resolution.
inline constexpr Phrase kResolutionNotChanged{"8120", "The screen resolution was not changed to %1: %2."};
inline constexpr Phrase kDisplayBadMode{"8121", "the display does not offer this size"};
inline constexpr Phrase kDisplayRestart{"8122", "the computer must be restarted for this size"};
inline constexpr Phrase kDisplayNotUpdated{"8123", "the setting could not be stored"};
inline constexpr Phrase kDisplayRefused{"8124", "the display driver refused the change"};
inline constexpr Phrase kKeepDisplay{
    "8125",
    "Keep these display settings?\\n\\nWithout an answer, the previous settings come back in %1 seconds."};
inline constexpr Phrase kDisplayNotRestored{"8126", "The screen could not be set back to %1: %2."};
// The title bar's buttons as the window's system menu offers them.
inline constexpr Phrase kMenuHelp{"8127", "&Help"};
inline constexpr Phrase kMenuAbout{"8128", "&About Quill Box"};
inline constexpr Phrase kHelpNotOpened{"8129", "The help %1 could not be opened"};
// System Health's entries the user keeps.
inline constexpr Phrase kKeptExcluded{"8130", "kept: excluded"};
inline constexpr Phrase kExclusionsUnreadable{
    "8131", "Nothing was checked, because the list of entries to keep cannot be read:"};
// The processor graph's name and value, for assistive technology.
inline constexpr Phrase kProcessorUsage{"8132", "Processor usage %1 %"};
// The icon windows' buttons: leaving the chooser, and the step that changes the icon.
inline constexpr Phrase kCancel{"8140", "Cancel"};
inline constexpr Phrase kChangeIcon{"8141", "Change icon"};

}  // namespace qb::language::phrase
