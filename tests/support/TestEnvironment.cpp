// The tests expect the Russian pair of code pages whatever the machine's locale is.
#include <cstdlib>

namespace {
const bool kCodePagesSet = [] {
    ::setenv("LECTERNA_OEMCP", "866", 1);
    ::setenv("LECTERNA_ANSICP", "1251", 1);
    return true;
}();
} // namespace
