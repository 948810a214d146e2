#pragma once

namespace Lecterna {

// The scheduling priority of the program while autoscroll runs (`ScrollPriorityLevel`), and the
// way back to normal when it stops.
//
// On Linux this is the nice value of the calling thread, the user-interface thread that does the
// scrolling. Any process may make itself nicer (lower its priority), but only a privileged one,
// or one whose RLIMIT_NICE allows it, may take that back. So the low level is taken only when
// the way back is open, and the high level only when the system grants it; otherwise the
// priority silently stays normal. A reader left at idle priority after one autoscroll would be
// worse than one that never lowered it.
class ProcessPriority {
public:
    enum class Level { Low = 0, Normal = 1, High = 2 };

    static constexpr int kLowNice = 19;
    static constexpr int kHighRaise = 10; // nice steps above normal for the high level

    // The operating system's side; tests replace it.
    class System {
    public:
        virtual ~System() = default;
        virtual int nice() const = 0;
        virtual bool setNice(int nice) = 0;
        // Whether the nice value may later be brought down to `nice` again.
        virtual bool mayDecreaseNiceTo(int nice) const = 0;
    };
    static System& thisThread();

    // Normal is the nice value at construction.
    explicit ProcessPriority(System& system = thisThread());

    // Sets the level for a run of autoscroll; Normal is restore().
    void apply(Level level);
    void restore();

    int normalNice() const { return m_normal; }
    Level applied() const { return m_applied; }

private:
    System& m_system;
    int m_normal;
    Level m_applied = Level::Normal;
};

} // namespace Lecterna
