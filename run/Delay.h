// The automated run's wait before the update: the DELAY text as a number of
// seconds, and the first timer's interval that follows from it.
#pragma once

// The longest interval a window timer accepts (USER_TIMER_MAXIMUM), in ms.
constexpr unsigned kLongestTimerIntervalMs = 0x7FFFFFFF;

// Reads the text as atoi does: white space skipped, one optional sign, then
// decimal digits up to the first other character; text that does not begin
// with a number gives 0. A value beyond the range of int saturates at
// INT_MAX or INT_MIN.
int ReadDelaySeconds(const char* text);

// The interval of the update timer: the seconds times 1000 when they are
// above 0, else 1 ms; a wait longer than a timer allows becomes the longest
// one, so that a huge DELAY never wraps round to a short wait.
unsigned UpdateTimerInterval(int seconds);
