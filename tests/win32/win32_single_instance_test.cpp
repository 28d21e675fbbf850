// A second process claiming the same name learns that an instance runs. The second
// process is this test program again, running only the child test below.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_single_instance.h"

namespace qb {
namespace {

constexpr wchar_t kNameVariable[] = L"QB_INSTANCE_CHILD_NAME";
constexpr wchar_t kExpectVariable[] = L"QB_INSTANCE_CHILD_EXPECT";

std::wstring Variable(const wchar_t* name) {
  wchar_t value[256] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, 256);
  return length && length < 256 ? std::wstring(value, length) : std::wstring();
}

// Runs the child test in a new process and gives its exit code (0: it passed).
DWORD RunChild(const std::wstring& name, bool expect_running) {
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(exe) +
                         L"\" --gtest_filter=Win32SingleInstanceChild.ClaimsTheNameGiven";
  SetEnvironmentVariableW(kNameVariable, name.c_str());
  SetEnvironmentVariableW(kExpectVariable, expect_running ? L"running" : L"alone");
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  const BOOL started = CreateProcessW(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &startup, &info);
  SetEnvironmentVariableW(kNameVariable, nullptr);
  SetEnvironmentVariableW(kExpectVariable, nullptr);
  if (!started) return ~0u;
  win32::ScopedHandle process(info.hProcess);
  win32::ScopedHandle thread(info.hThread);
  // A generous bound only so that a hung child cannot hang the whole run.
  if (WaitForSingleObject(process.Get(), 120000) != WAIT_OBJECT_0) {
    TerminateProcess(process.Get(), 1);
    return ~0u;
  }
  DWORD code = ~0u;
  GetExitCodeProcess(process.Get(), &code);
  return code;
}

TEST(Win32SingleInstance, SecondProcessSeesTheFirstAndNotAfterItEnds) {
  const std::wstring name = L"QuillBoxTests-Instance-" + std::to_wstring(GetCurrentProcessId());
  {
    win32::Win32SingleInstance first;
    ASSERT_FALSE(first.ClaimName(win32::Narrow(name)));
    EXPECT_EQ(RunChild(name, true), 0u);
  }
  EXPECT_EQ(RunChild(name, false), 0u);
}

TEST(Win32SingleInstance, TheSameProcessClaimingTwiceSeesItself) {
  const std::string name = "QuillBoxTests-Twice-" + std::to_string(GetCurrentProcessId());
  win32::Win32SingleInstance first;
  win32::Win32SingleInstance second;
  EXPECT_FALSE(first.ClaimName(name));
  EXPECT_TRUE(second.ClaimName(name));
}

// Only does anything in the child process started above.
TEST(Win32SingleInstanceChild, ClaimsTheNameGiven) {
  const std::wstring name = Variable(kNameVariable);
  if (name.empty()) GTEST_SKIP() << "runs only as the child of the single-instance test";
  win32::Win32SingleInstance instance;
  EXPECT_EQ(instance.ClaimName(win32::Narrow(name)), Variable(kExpectVariable) == L"running");
}

}  // namespace
}  // namespace qb
