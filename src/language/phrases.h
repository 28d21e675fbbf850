#pragma once
// Every text the program shows that no control's Tag names: captions given in code, list
// texts and composed messages. Their keys take the range 8000 to 8999 so that they never
// meet a design key; the English texts here are what English.ini holds and what is shown
// when no language file has the key. "%1", "%2" mark the values a message carries, so a
// translation may place them where its grammar wants them; "\n" in a file stands for a line
// break, since an INI value is one line.
#include <array>
#include <string_view>

namespace qb::language {

struct Phrase {
  std::string_view key;
  std::string_view english;
};

namespace phrase {
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
// System Health's entries the user keeps.
inline constexpr Phrase kKeptExcluded{"8130", "kept: excluded"};
inline constexpr Phrase kExclusionsUnreadable{
    "8131", "Nothing was checked, because the list of entries to keep cannot be read:"};
// The processor graph's name and value, for assistive technology.
inline constexpr Phrase kProcessorUsage{"8132", "Processor usage %1 %"};
// System Health's review before removal and its list of entries always kept.
inline constexpr Phrase kShowReview{"8400", "Show what will be removed first"};
inline constexpr Phrase kExclusionsButton{"8401", "Exclusions..."};
inline constexpr Phrase kReviewTitle{"8402", "What will be removed"};
inline constexpr Phrase kReviewIntro{
    "8403", "Untick what you want to keep. Only the ticked entries are backed up and removed."};
inline constexpr Phrase kColumnView{"8404", "View"};
inline constexpr Phrase kColumnEntry{"8405", "Key or shortcut"};
inline constexpr Phrase kColumnValue{"8406", "Value"};
inline constexpr Phrase kColumnTested{"8407", "Path tested"};
inline constexpr Phrase kColumnWhy{"8408", "Why"};
inline constexpr Phrase kTickAll{"8409", "&Tick all"};
inline constexpr Phrase kUntickAll{"8410", "&Untick all"};
inline constexpr Phrase kAlwaysKeep{"8411", "Always &keep"};
inline constexpr Phrase kRepairSelected{"8412", "&Repair selected"};
inline constexpr Phrase kCancel{"8413", "Cancel"};
inline constexpr Phrase kWhyMissing{"8414", "missing"};
inline constexpr Phrase kWhyNoUninstallCommand{"8415", "no uninstall command"};
inline constexpr Phrase kWhyTargetMissing{"8416", "target missing"};
inline constexpr Phrase kKeepFolderQuestion{
    "8417", "Keep every shortcut in the folder %1, now and later?\\n\\nYes: the whole folder. No: only %2."};
inline constexpr Phrase kExclusionsNotSaved{"8418", "The list of entries to keep was not saved to %1"};
inline constexpr Phrase kExclusionsTitle{"8419", "Entries always kept"};
inline constexpr Phrase kExclusionsIntro{"8420", "The cleaner never offers these entries again. They are kept in %1"};
inline constexpr Phrase kRemove{"8421", "&Remove"};
inline constexpr Phrase kView64{"8422", "64-bit"};
inline constexpr Phrase kView32{"8423", "32-bit"};
inline constexpr Phrase kTickedCount{"8424", "Ticked: %1 of %2"};
// The journal of changes: one-line summaries of an action and the History window.
inline constexpr Phrase kHistoryCaption{"8600", "History"};
inline constexpr Phrase kActionSummary{"8601", "%1: %2"};
inline constexpr Phrase kCountValues{"8602", "%1 values"};
inline constexpr Phrase kCountKeys{"8603", "%1 keys"};
inline constexpr Phrase kCountFiles{"8604", "%1 files"};
inline constexpr Phrase kCountSettings{"8605", "%1 system settings"};
inline constexpr Phrase kCountFonts{"8606", "%1 fonts"};
inline constexpr Phrase kCountProcesses{"8607", "%1 processes ended"};
inline constexpr Phrase kCountRefused{"8608", "%1 refused"};
inline constexpr Phrase kLanguageCategory{"8609", "Language"};
inline constexpr Phrase kUndo{"8610", "Undo"};
inline constexpr Phrase kUndoAllSince{"8611", "Undo all since"};
inline constexpr Phrase kClose{"8612", "Close"};
inline constexpr Phrase kColumnWhen{"8613", "Date and time"};
inline constexpr Phrase kColumnCategory{"8614", "Page or window"};
inline constexpr Phrase kColumnSummary{"8615", "Changes"};
inline constexpr Phrase kUndoneAction{"8616", "Undone: %1 (%2 items)."};
inline constexpr Phrase kLeftChanged{"8617", "Left as it is, because it changed since: %1"};
inline constexpr Phrase kNotRestored{"8618", "Could not be restored: %1"};
inline constexpr Phrase kNotUndoable{"8619", "Cannot be undone: %1"};
inline constexpr Phrase kChooseAction{"8620", "Choose an action in the list first."};
inline constexpr Phrase kBadSinceDate{"8621", "\"%1\" is not a date. Type it as 2026-01-31."};
inline constexpr Phrase kNothingSince{"8622", "Nothing was changed on or after %1."};
inline constexpr Phrase kNoJournal{
    "8623",
    "The journal of changes cannot be kept: no backup folder can be created or written to."};
inline constexpr Phrase kDamagedRecords{"8624", "%1 damaged records of the journal were skipped."};
inline constexpr Phrase kNoActions{"8625", "No changes have been journaled."};
inline constexpr Phrase kCompacted{
    "8626", "%1 actions older than 90 days or beyond the size limit were dropped."};
}  // namespace phrase

// The one list of them, for the checks that every language file holds each key.
inline constexpr std::array kPhrases = {
    phrase::kSystemInformation, phrase::kCurrentBackground, phrase::kTabVisualOptions,
    phrase::kTabStartMenu, phrase::kTabDesktop, phrase::kSelectResolution,
    phrase::kFloppyDrive, phrase::kFixedDrive, phrase::kCdRomDrive, phrase::kNotReported,
    phrase::kNotReportedByFirmware, phrase::kNative, phrase::kCompatibilityMode,
    phrase::kMegabytesOf,
    phrase::kColourActiveCaption, phrase::kColourInactiveCaption, phrase::kColourCaptionText,
    phrase::kColourInactiveCaptionText, phrase::kColourActiveBorder,
    phrase::kColourInactiveBorder, phrase::kColourGrayText, phrase::kColourButtonText,
    phrase::kColourHighlight, phrase::kColourHighlightText, phrase::kColourMenu,
    phrase::kColourMenuText, phrase::kColourBackground, phrase::kColourNotChanged,
    phrase::kProcessName, phrase::kProcessId, phrase::kTerminate, phrase::kFontSize,
    phrase::kLanguageNotSaved, phrase::kLanguageSaved,
    phrase::kFailureReason, phrase::kProcessNotEnded, phrase::kFileNotRead,
    phrase::kFolderNotReadOnly, phrase::kFileNotWritten, phrase::kFontNotInstalled,
    phrase::kAboutTitle, phrase::kAboutContact, phrase::kAboutDisclaimer, phrase::kAboutOk,
    phrase::kVersion,
    phrase::kChooseApplication, phrase::kApplicationFiles, phrase::kChoosePictureFile,
    phrase::kBitmapFiles, phrase::kChooseDownloadFolder, phrase::kChooseWallpaper,
    phrase::kAddFont, phrase::kTrueTypeFonts, phrase::kNoDisk, phrase::kInsertDisk,
    phrase::kNoCd, phrase::kInsertCd, phrase::kRestartQuestion,
    phrase::kChangeNotSaved, phrase::kChangesNotSaved, phrase::kNeedsAdministrator,
    phrase::kResolutionNotChanged, phrase::kDisplayBadMode, phrase::kDisplayRestart,
    phrase::kDisplayNotUpdated, phrase::kDisplayRefused, phrase::kKeepDisplay,
    phrase::kKeptExcluded, phrase::kExclusionsUnreadable, phrase::kProcessorUsage,
    phrase::kShowReview, phrase::kExclusionsButton, phrase::kReviewTitle, phrase::kReviewIntro,
    phrase::kColumnView, phrase::kColumnEntry, phrase::kColumnValue, phrase::kColumnTested,
    phrase::kColumnWhy, phrase::kTickAll, phrase::kUntickAll, phrase::kAlwaysKeep,
    phrase::kRepairSelected, phrase::kCancel, phrase::kWhyMissing, phrase::kWhyNoUninstallCommand,
    phrase::kWhyTargetMissing, phrase::kKeepFolderQuestion, phrase::kExclusionsNotSaved,
    phrase::kExclusionsTitle, phrase::kExclusionsIntro, phrase::kRemove, phrase::kView64,
    phrase::kView32, phrase::kTickedCount,
    phrase::kHistoryCaption, phrase::kActionSummary, phrase::kCountValues, phrase::kCountKeys,
    phrase::kCountFiles, phrase::kCountSettings, phrase::kCountFonts, phrase::kCountProcesses,
    phrase::kCountRefused, phrase::kLanguageCategory, phrase::kUndo, phrase::kUndoAllSince,
    phrase::kClose, phrase::kColumnWhen, phrase::kColumnCategory, phrase::kColumnSummary,
    phrase::kUndoneAction, phrase::kLeftChanged, phrase::kNotRestored, phrase::kNotUndoable,
    phrase::kChooseAction, phrase::kBadSinceDate, phrase::kNothingSince, phrase::kNoJournal,
    phrase::kDamagedRecords, phrase::kNoActions, phrase::kCompacted,
};

}  // namespace qb::language
