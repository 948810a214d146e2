#include "app/ProcessPriority.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

namespace Lecterna {

namespace {

constexpr int kCapSysNice = 23;

bool hasCapSysNice() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("CapEff:", 0) != 0)
            continue;
        try {
            const unsigned long long caps = std::stoull(line.substr(7), nullptr, 16);
            return (caps >> kCapSysNice) & 1;
        } catch (...) {
            return false;
        }
    }
    return false;
}

class ThreadNice final : public ProcessPriority::System {
public:
    int nice() const override {
        errno = 0;
        const int value = getpriority(PRIO_PROCESS, 0);
        return errno == 0 ? value : 0;
    }
    bool setNice(int nice) override { return setpriority(PRIO_PROCESS, 0, nice) == 0; }
    bool mayDecreaseNiceTo(int nice) const override {
        // The kernel allows a nice value down to 20 - RLIMIT_NICE without the capability.
        rlimit limit{};
        if (getrlimit(RLIMIT_NICE, &limit) == 0 &&
            (limit.rlim_cur == RLIM_INFINITY || rlim_t(20 - nice) <= limit.rlim_cur))
            return true;
        return hasCapSysNice();
    }
};

} // namespace

ProcessPriority::System& ProcessPriority::thisThread() {
    static ThreadNice system;
    return system;
}

ProcessPriority::ProcessPriority(System& system) : m_system(system), m_normal(system.nice()) {}

void ProcessPriority::apply(Level level) {
    restore();
    switch (level) {
    case Level::Normal: return;
    case Level::Low:
        if (m_normal < kLowNice && m_system.mayDecreaseNiceTo(m_normal) && m_system.setNice(kLowNice))
            m_applied = Level::Low;
        return;
    case Level::High:
        if (m_system.setNice(std::max(-20, m_normal - kHighRaise)))
            m_applied = Level::High;
        return;
    }
}

void ProcessPriority::restore() {
    if (m_applied == Level::Normal)
        return;
    m_system.setNice(m_normal);
    m_applied = Level::Normal;
}

} // namespace Lecterna
