#pragma once
// Results of platform calls are the system's own error codes, so that a code read in a
// test against the in-memory machine means the same as one read on Windows.
namespace qb {

using Status = long;

namespace status {
constexpr Status kOk = 0;
constexpr Status kFileNotFound = 2;
constexpr Status kPathNotFound = 3;
constexpr Status kAccessDenied = 5;
constexpr Status kInvalidHandle = 6;
// Bytes that are not what their kind of file must hold (a picture, a text file).
constexpr Status kInvalidData = 13;
constexpr Status kNotSameDevice = 17;
constexpr Status kNotReady = 21;
constexpr Status kWriteFault = 29;
constexpr Status kSharingViolation = 32;
constexpr Status kFileExists = 80;
constexpr Status kInvalidParameter = 87;
constexpr Status kDiskFull = 112;
constexpr Status kModNotFound = 126;   // a system library this Windows does not have
constexpr Status kProcNotFound = 127;
constexpr Status kInvalidName = 123;
constexpr Status kDirNotEmpty = 145;
constexpr Status kBadPathname = 161;
constexpr Status kAlreadyExists = 183;
constexpr Status kMoreData = 234;
constexpr Status kNoMoreItems = 259;
constexpr Status kDirectory = 267;  // a file named where a folder was wanted
constexpr Status kBadKey = 1010;
constexpr Status kServiceDisabled = 1058;
constexpr Status kCantOpenKey = 1011;
constexpr Status kBadNetPath = 53;
constexpr Status kPrivilegeNotHeld = 1314;
constexpr Status kFileReadOnly = 6009;

// Whether the system refused for want of rights (access denied, a privilege not held):
// what an administrator could do, unlike an item that is missing or broken.
constexpr bool Refused(Status code) { return code == kAccessDenied || code == kPrivilegeNotHeld; }
}  // namespace status

}  // namespace qb
