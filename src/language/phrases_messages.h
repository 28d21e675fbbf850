#pragma once
// Messages the program composes; included by phrases.h.
#include "language/phrase.h"

namespace qb::language::phrase {

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
inline constexpr Phrase kDefaultValueName{"8740", "(default)"};  // the value with the empty name
// Why undo left a file the cleaner removed: the backup copy that holds it cannot be used.
inline constexpr Phrase kBackupCopyMissing{"8741", "Its backup copy %2 is missing: %1"};
inline constexpr Phrase kBackupCopyAltered{
    "8742", "Its backup copy %2 was changed since and was not used: %1"};
// System Health's run summaries and its wait for another repair.
inline constexpr Phrase kNothingRemovedNoBackup{
    "8240", "Nothing was removed, because the entries could not be backed up first."};
inline constexpr Phrase kRefusedOne{
    "8241", "Windows refused to remove 1 entry: removing them needs an administrator."};
inline constexpr Phrase kRefusedMany{
    "8242", "Windows refused to remove %1 entries: removing them needs an administrator."};
inline constexpr Phrase kKeptNotBackedUpOne{
    "8243", "1 entry was kept, because it could not be backed up."};
inline constexpr Phrase kKeptNotBackedUpMany{
    "8244", "%1 entries were kept, because they could not be backed up."};
inline constexpr Phrase kLeftChangedOne{
    "8245", "1 entry was left, because it changed since the check."};
inline constexpr Phrase kLeftChangedMany{
    "8246", "%1 entries were left, because they changed since the check."};
inline constexpr Phrase kDriveUnreadable{
    "8247", "The drive could not be read, so nothing was searched on it."};
inline constexpr Phrase kUnreadableShortcutOne{
    "8248", "1 file could not be read as a shortcut and stayed."};
inline constexpr Phrase kUnreadableShortcutMany{
    "8249", "%1 files could not be read as a shortcut and stayed."};
inline constexpr Phrase kSkippedFolderOne{"8250", "1 folder could not be listed and was skipped."};
inline constexpr Phrase kSkippedFolderMany{
    "8251", "%1 folders could not be listed and were skipped."};
inline constexpr Phrase kRunStopped{"8252", "The run was stopped before its end."};
inline constexpr Phrase kBackupSplit{
    "8253",
    "The program's folder could not hold every copy: the first ones are in %1, the others "
    "in %2"};
inline constexpr Phrase kBackupInLocalData{
    "8254", "The program's folder cannot hold backups, so the backup was saved in %1"};
inline constexpr Phrase kRepairWait{
    "8255",
    "Another repair is running on this computer, in another System Health window or in "
    "quillbox-cli. This repair starts as soon as that one has finished; close the window "
    "to give it up."};
inline constexpr Phrase kWaitStatus{"8256", "Wait ..."};
inline constexpr Phrase kDoneStatus{"8257", "Done ..."};
// The process manager's refusals and questions.
inline constexpr Phrase kCannotEndItself{
    "8260",
    "Quill Box cannot end itself from its own process list. Use Close, then close the "
    "program's window."};
inline constexpr Phrase kEndCriticalQuestion{
    "8261",
    "%1 is a part of Windows that the system cannot run without. Ending it stops Windows "
    "at once: every program closes without saving its work and the computer "
    "restarts.\\n\\nEnd %1 anyway?"};
inline constexpr Phrase kAlreadyEnded{"8262", "%1 has already ended."};
inline constexpr Phrase kEndingNeedsAdministrator{
    "8263", "Ending a process of another user or of Windows needs an administrator."};
// What the user reads when a handler fails and the program carries on.
inline constexpr Phrase kFaultCarriedOn{
    "8265",
    "Quill Box could not finish what it was doing and has carried on.\\n\\nWhat went "
    "wrong: %1\\n\\nThe last action may be incomplete; try it again, or restart Quill Box "
    "if it keeps failing."};
// The names of changes an Apply may fail to save.
inline constexpr Phrase kFontSmoothing{"8270", "Font Smoothing"};
inline constexpr Phrase kDoubleClickSpeedChange{"8271", "Double click speed"};
inline constexpr Phrase kPointerTrails{"8272", "Show pointer trails"};
inline constexpr Phrase kEmptyRecycleBin{"8273", "Empty Recycle Bin"};
inline constexpr Phrase kDesktopWallpaper{"8274", "Desktop wallpaper %1"};
inline constexpr Phrase kPointerSpeed{"8275", "Mouse pointer speed"};
inline constexpr Phrase kKeyboardRepeatRate{"8276", "Keyboard repeat rate"};
inline constexpr Phrase kKeyboardRepeatDelay{"8277", "Keyboard repeat delay"};
inline constexpr Phrase kSwapMouseButtons{"8278", "Swap mouse buttons"};
// The Start Menu and Visual pages.
inline constexpr Phrase kSavedRestartFailed{
    "8280",
    "The changes are saved. Windows could not be restarted (%1), so they take effect after "
    "the next restart."};
inline constexpr Phrase kOthersSavedRestartFailed{
    "8281",
    "The other changes are saved. Windows could not be restarted (%1), so they take effect "
    "after the next restart."};
inline constexpr Phrase kNotAScreenSize{
    "8282",
    "\"%1\" is not a screen size. Choose one from the list or type a width and height such "
    "as 1024x768."};
inline constexpr Phrase kWallpaperNotAPicture{
    "8283", "\"%1\" could not be read as a picture (%2). The wallpaper stays as it is."};
inline constexpr Phrase kPictureTooLarge{
    "8284",
    "The picture is too large: more than 16384 pixels on a side, or more than 256 MB once "
    "opened."};
// The icon windows and the files they write.
inline constexpr Phrase kFolderIconNotChanged{"8290", "The folder icon was not changed: %1"};
inline constexpr Phrase kNotAnIconFile{"8291", "\"%1\" is not an icon file."};
inline constexpr Phrase kIconNamesTaken{
    "8292", "every name from IconX.ico to %1 is taken by other files."};
inline constexpr Phrase kFolderNeedsAdministrator{
    "8293", "Changing this folder needs an administrator."};
inline constexpr Phrase kNotAFolder{"8294", "%1 is not a folder."};
inline constexpr Phrase kDriveIconNotChanged{"8295", "The drive icon was not changed: %1"};
inline constexpr Phrase kIsAFolderNotAFile{
    "8296", "%1 is a folder, not a file, so it was left as it is."};
inline constexpr Phrase kIsReadOnly{
    "8297",
    "%1 is read-only, so it was left as it is. Clear its read-only attribute to let it be "
    "changed."};
inline constexpr Phrase kNotPlainText{
    "8298",
    "%1 is not a text file that can be changed without damaging it, so it was left as it "
    "is."};
inline constexpr Phrase kCannotHoldText{
    "8299", "%1 cannot hold that text as it is, so it was left as it is."};
inline constexpr Phrase kFileNeedsAdministrator{"8300", "Changing it needs an administrator."};
inline constexpr Phrase kNotAValidIcon{"8301", "Not valid icon file, try another one"};
inline constexpr Phrase kPictureCannotBeUsed{"8302", "%1 cannot be used. %2"};
inline constexpr Phrase kNotAPictureForIcon{
    "8303", "%1 is not a picture that can be made into an icon."};
inline constexpr Phrase kFixedDrivesOnly{"8304", "This command only supports fixed drives"};
// The Fonts window's installs.
inline constexpr Phrase kFontInstalledForYou{
    "8310",
    "The font %1 is installed for your account only. Installing it for every user of this "
    "computer needs an administrator."};
inline constexpr Phrase kFontInstalled{"8311", "The font %1 is installed."};
inline constexpr Phrase kFontAlreadyInstalled{
    "8312", "The font %1 is already installed. Nothing was changed."};
inline constexpr Phrase kNotAFont{
    "8313", "\"%1\" is not a usable font: Windows does not accept it. Nothing was installed."};
inline constexpr Phrase kFontNameTaken{
    "8314",
    "A different font file named \"%1\" is already in %2. Nothing was installed: rename "
    "the file to install it beside the other one."};
// The small registry routines.
inline constexpr Phrase kCannotCreateSubKey{"8320", "Cannot Create Sub Key !!\\n%1"};
// The Drives page's format and defragmenter.
inline constexpr Phrase kNotFormatted{
    "8325", "Drive %1 was not formatted: the format failed or was not finished."};
inline constexpr Phrase kCannotFormat{
    "8326",
    "Drive %1 cannot be formatted. Windows cannot format the drive it runs from, nor one "
    "that a program has open."};
inline constexpr Phrase kDefragmenterNotStarted{
    "8327", "The defragmenter could not be started.\\n%1"};
inline constexpr Phrase kDefragmenterNotFound{"8328", "It was not found on this computer."};
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
inline constexpr Phrase kUndo{"8610", "&Undo"};
inline constexpr Phrase kUndoAllSince{"8611", "Undo &all since"};
inline constexpr Phrase kClose{"8612", "&Close"};
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
inline constexpr Phrase kJournalNotWritten{"8700", "The journal of changes could not be written"};
inline constexpr Phrase kJournalNotWrittenMeans{
    "8701",
    "Changes made since are not recorded and cannot be undone. System Health removes nothing "
    "while its removals cannot be recorded."};
// The History window's items of an action: what each was before and after, as a person reads it.
inline constexpr Phrase kStateAbsent{"8702", "absent"};
inline constexpr Phrase kStatePresent{"8703", "present"};
inline constexpr Phrase kStateBytes{"8704", "%1 bytes"};
inline constexpr Phrase kStateFile{"8705", "%1 bytes, attributes %2"};
inline constexpr Phrase kStateDisplayMode{"8706", "%1 x %2, %3 bits, %4 Hz"};
inline constexpr Phrase kStateEmpty{"8707", "empty"};
inline constexpr Phrase kStateRefused{"8708", "refused by Windows, unchanged"};
inline constexpr Phrase kColumnItem{"8709", "Changed item"};
inline constexpr Phrase kColumnBefore{"8710", "Before"};
inline constexpr Phrase kColumnAfter{"8711", "After"};
inline constexpr Phrase kOpenBackupFolder{"8712", "&Open backup folder"};
inline constexpr Phrase kBackupFolderNotOpened{"8713", "The backup folder %1 could not be opened"};
inline constexpr Phrase kUndoCategory{"8714", "Undo"};
inline constexpr Phrase kUndoSummary{"8715", "action %1: %2 undone, %3 left because they changed since, %4 not restored"};
inline constexpr Phrase kItemSetting{"8716", "System setting %1"};
inline constexpr Phrase kItemColour{"8717", "System colour %1"};
inline constexpr Phrase kItemDisplayMode{"8718", "Display mode"};
inline constexpr Phrase kItemWallpaper{"8719", "Desktop wallpaper"};
inline constexpr Phrase kItemsLabel{"8743", "&Items of the chosen action"};
// What a run of the console program did, as the History window shows it.
inline constexpr Phrase kRepairSummary{"8744", "%1 entries removed"};
inline constexpr Phrase kBackupSummary{"8745", "backup %1"};
inline constexpr Phrase kSettingsAppliedSummary{"8746", "%1 settings applied"};
inline constexpr Phrase kWindowNotCreated{"8747", "Windows could not create the window \"%1\" (%2, error %3)."};
// What the run was told of its restore point, noted in the journal before its first change.
inline constexpr Phrase kRestorePointHeading{"8720", "Restore point"};
inline constexpr Phrase kRestorePointMade{
    "8721", "Windows made the restore point \"%1\" (number %2) before the first change of this run."};
inline constexpr Phrase kRestorePointKeptFrom{
    "8722", "Windows made no new restore point, because it makes at most one a day: its restore point "
            "number %1 of %2 stands for this run."};
inline constexpr Phrase kRestorePointKept{
    "8723", "Windows made no new restore point, because it makes at most one a day: its restore point "
            "number %1 stands for this run."};
inline constexpr Phrase kRestorePointOff{
    "8724", "No restore point was made: System Restore is turned off on this computer."};
inline constexpr Phrase kRestorePointNeedsAdministrator{
    "8725", "No restore point was made: that needs an administrator."};
inline constexpr Phrase kRestorePointNone{
    "8726", "No restore point was made: this system has no System Restore."};
inline constexpr Phrase kRestorePointRefusedBecause{"8729", "No restore point was made: %1."};
inline constexpr Phrase kRestorePointJournalStill{
    "8728", "The changes of this run can still be undone one by one from the history."};
// Settings profiles in the window.
inline constexpr Phrase kProfileChoose{"8504", "Choose a profile to see what it would change; nothing is written before Apply."};
inline constexpr Phrase kProfileWouldChange{"8505", "Apply would change these %1 settings:"};
inline constexpr Phrase kProfileMatches{"8506", "This computer already has every setting of the profile: nothing would change."};
inline constexpr Phrase kProfileFaults{"8507", "The profile has faults, so nothing can be applied from it:"};
inline constexpr Phrase kProfileFaultLine{"8508", "line %1: %2"};
inline constexpr Phrase kProfileChangeLine{"8509", "%1:  %2  ->  %3"};
inline constexpr Phrase kProfileNotSet{"8510", "(not set)"};
inline constexpr Phrase kProfileFiles{"8511", "Settings profiles"};
inline constexpr Phrase kAllFiles{"8512", "All files"};
inline constexpr Phrase kProfileApplied{"8513", "%1 of %2 settings were applied."};
inline constexpr Phrase kProfileNotTaken{"8514", "written, but the computer does not show the new value"};
inline constexpr Phrase kProfileExported{"8515", "The settings were exported to %1."};
inline constexpr Phrase kProfileNotRead{"8516", "The profile %1 could not be read"};
inline constexpr Phrase kProfileNotWritten{"8517", "The settings could not be exported to %1"};
inline constexpr Phrase kProfileCancelled{"8518", "Nothing was changed."};
// What is wrong with a line of a profile.
inline constexpr Phrase kProfileNoEquals{"8520", "expected name = value, found %1"};
inline constexpr Phrase kProfileUnknownSetting{"8521", "unknown setting %1; quillbox-cli settings list names them"};
inline constexpr Phrase kProfileSetTwice{"8522", "%1 is set twice (first on line %2)"};
inline constexpr Phrase kProfileNotUtf8{"8523", "%1: the value is not UTF-8 text"};
inline constexpr Phrase kProfileUnknownSection{"8524", "unknown section %1; only %2 is known"};
inline constexpr Phrase kProfileHeaderFirst{"8525", "%1 must be the first line"};
inline constexpr Phrase kProfileFormatPlace{"8526", "format belongs right below %1"};
inline constexpr Phrase kProfileFormatUnknown{"8527", "format %1 is not known; this version reads format %2"};
inline constexpr Phrase kExpectedOnOff{"8528", "expected on or off"};
inline constexpr Phrase kExpectedNumber{"8529", "expected a whole number from %1 to %2"};
inline constexpr Phrase kTextOneLine{"8530", "a text must stay on one line"};
inline constexpr Phrase kExpectedColour{"8531", "expected a colour as #RRGGBB"};
inline constexpr Phrase kProfileAtSignIn{"8532", "The Start menu and desktop settings take effect when you next sign in."};
inline constexpr Phrase kProfileMoreFaults{"8533", "and %1 more faults"};
inline constexpr Phrase kProfileTooLarge{"8534", "%1 is too large to be a settings profile (%2 KB), so it was not read."};
// Why a repair found no place for its backup.
inline constexpr Phrase kBackupFolderNotCreated{"8800", "cannot create the folder %1"};
inline constexpr Phrase kBackupNotWritten{"8801", "cannot write %1 (error %2)"};
inline constexpr Phrase kBackupNotReadBack{"8802", "cannot read back %1 (error %2)"};
inline constexpr Phrase kBackupDoesNotParse{"8803", "the backup %1 does not read back: %2"};
inline constexpr Phrase kBackupNotWhole{"8804", "the backup %1 does not hold what it should"};
inline constexpr Phrase kBackupNotNamed{"8805", "cannot name %1 (error %2)"};
inline constexpr Phrase kNoBackupFolder{"8806", "cannot create a backup folder in %1"};
inline constexpr Phrase kEitherFolder{"8807", "%1 or %2"};
// File kinds of the icon and wallpaper dialogs, and the icon windows' message titles.
inline constexpr Phrase kIconFiles{"8810", "icon files"};
inline constexpr Phrase kPictureFiles{"8811", "Pictures"};
inline constexpr Phrase kAllImageFiles{"8812", "All Image Files"};
inline constexpr Phrase kIconComponentTitle{"8813", "IconX"};
inline constexpr Phrase kPreviewTitle{"8814", "Larkspan task"};
// Failures told in a box of their own.
inline constexpr Phrase kVersionUnknown{
    "8820",
    "Error Occurred while Getting Windows Version !!\\nFunction : GetWindowsVersion \\nThe "
    "system did not report its version."};
inline constexpr Phrase kShortcutNotRead{"8821", "%1\\nfGetShortcutTarget"};
inline constexpr Phrase kErrorNumber{"8822", "Error: %1"};
inline constexpr Phrase kFaultMustClose{
    "8823",
    "Quill Box met a fault it cannot recover from and has to close.\\n\\nWhat went wrong: %1"};
// Why a registry file cannot be read back: what the parser found, and the line it found it on.
inline constexpr Phrase kRegFileNoMark{"8824", "not a UTF-16 registry file (no byte-order mark)"};
inline constexpr Phrase kRegFileNoHeader{"8825", "the file does not start with \"%1\""};
inline constexpr Phrase kRegFileValueBeforeKey{"8826", "a value comes before any key: %1"};
inline constexpr Phrase kRegFileKeyDeletion{"8827", "a key deletion is not a backup: %1"};
inline constexpr Phrase kRegFileUnknownRoot{"8828", "unknown root: %1"};
inline constexpr Phrase kRegFileNameNotClosed{"8829", "a value name is not closed: %1"};
inline constexpr Phrase kRegFileNoEquals{"8830", "a value line has no \"=\": %1"};
inline constexpr Phrase kRegFileBadData{"8831", "unreadable value data: %1"};
// How the language writes numbers: the mark between groups of three digits and the one
// before decimals; and the size units, each with its number.
inline constexpr Phrase kThousandsSeparator{"8832", ","};
inline constexpr Phrase kDecimalSeparator{"8833", "."};
inline constexpr Phrase kSizeBytes{"8834", "%1 Bytes"};
inline constexpr Phrase kSizeKilobytes{"8835", "%1 KB"};
inline constexpr Phrase kMegabytes{"8836", "%1 MB"};
inline constexpr Phrase kSizeGigabytes{"8837", "%1 GB"};
inline constexpr Phrase kSizeTerabytes{"8838", "%1 TB"};
inline constexpr Phrase kSizePetabytes{"8839", "%1 PB"};
inline constexpr Phrase kDriveBytes{"8840", "%1 bytes"};

}  // namespace qb::language::phrase
