#pragma once
// GDI+ needs the COM declarations that the lean Windows headers leave out.
#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>
