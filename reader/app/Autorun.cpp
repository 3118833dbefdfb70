#include "reader/app/Autorun.h"

// The reader has no scheduler to talk to yet: both steps of the daily cycle do nothing for now.

void StopScheduler(const CString&) {}

void ApplyAutorun(bool, const CString&, CTime) {}
