#include "Delay.h"

#include <climits>

namespace {
constexpr unsigned kShortestWaitMs = 1;
constexpr long long kMsPerSecond = 1000;

// The white space of the C locale.
bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

int ReadDelaySeconds(const char* text) {
    const char* p = text;
    while (IsWhiteSpace(*p))
        ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    // Counted towards the sign's own limit, so INT_MIN itself is reachable.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long value = 0;
    for (; IsDigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > limit) {
            value = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

unsigned UpdateTimerInterval(int seconds) {
    if (seconds <= 0)
        return kShortestWaitMs;
    const long long ms = seconds * kMsPerSecond;
    return ms > kLongestTimerIntervalMs ? kLongestTimerIntervalMs : static_cast<unsigned>(ms);
}
