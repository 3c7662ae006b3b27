// A point in time as whole seconds since 1970-01-01 00:00 UTC, held in 64 bits
// so that dates after January 2038 keep their true value.
#pragma once

#include <cstdint>
#include <ctime>

class CTime {
public:
    CTime() = default;
    explicit CTime(int64_t seconds) : m_seconds(seconds) {}

    int64_t GetTime() const { return m_seconds; }
    // Calendar fields in the local time zone, with the daylight-saving rule in
    // force at this time (not today's). Fills tm_year, tm_mon, tm_mday,
    // tm_hour, tm_min, tm_sec; returns false if the time cannot be converted.
    bool GetLocalTm(std::tm& out) const;

    friend bool operator<(CTime a, CTime b) { return a.m_seconds < b.m_seconds; }
    friend bool operator==(CTime a, CTime b) { return a.m_seconds == b.m_seconds; }

private:
    int64_t m_seconds = 0;
};
