// Times the settings store on the largest history it may hold: 32736 books of 40 keys each, about
// 1.3 million keys. Each step should be linear; the ratio against a quarter-sized history shows it.
#include "app/IniFile.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/resource.h>

using namespace Lecterna;

namespace {

const std::vector<std::string>& fieldNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n = {
            "Name",      "FileType",           "Description",  "ViewAllSymbolsOn", "ParagraphSearchOn",
            "Position",  "ReadingInterval",    "LineSpacing",  "FontName",         "FontHeight",
            "FontBold",  "CharacterExtraMode", "CharacterMap", "WordWrapOn",       "TextJustificationOn",
            "InArchive", "ArchiveDir",         "WasDone"};
        for (int i = 0; n.size() < 40; ++i) {
            n.push_back("Bookmark" + std::to_string(i) + "Title");
            n.push_back("Bookmark" + std::to_string(i) + "Position");
        }
        return n;
    }();
    return names;
}

std::string valueOf(int book, size_t field) {
    if (field == 0)
        return "/home/reader/Книги/Автор " + std::to_string(book % 97) + "/Том " + std::to_string(book) + ".txt";
    if (field == 17)
        return std::to_string(book % 100) + ".42 %";
    return std::to_string(book * 31 + static_cast<int>(field));
}

void writeHistory(IniFile& ini, int books) {
    for (int b = 0; b < books; ++b) {
        const std::string prefix = "Book" + std::to_string(b);
        for (size_t f = 0; f < fieldNames().size(); ++f)
            ini.setValue("History", prefix + fieldNames()[f], valueOf(b, f));
    }
}

size_t readHistory(const IniFile& ini, int books) {
    size_t bytes = 0;
    for (int b = 0; b < books; ++b) {
        const std::string prefix = "Book" + std::to_string(b);
        for (const std::string& field : fieldNames())
            bytes += ini.value("History", prefix + field).value_or("").size();
    }
    return bytes;
}

double seconds(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Figures {
    double write, save, load, read, erase, rewrite, render;
    size_t bytes;
};

Figures measure(const std::string& file, int books) {
    Figures f{};
    {
        IniFile ini(file);
        ini.setValue("Common", "LastLoad", "1");
        f.write = seconds([&] { writeHistory(ini, books); });
        f.save = seconds([&] {
            if (!ini.flush())
                std::fprintf(stderr, "saving %s failed\n", file.c_str());
        });
    }
    f.bytes = std::filesystem::file_size(file);
    IniFile loaded;
    f.load = seconds([&] { loaded.load(file); });
    size_t read = 0;
    f.read = seconds([&] { read = readHistory(loaded, books); });
    if (read == 0)
        std::fprintf(stderr, "nothing read\n");
    f.erase = seconds([&] { loaded.eraseSection("History"); });
    f.rewrite = seconds([&] { writeHistory(loaded, books); });
    std::string text;
    f.render = seconds([&] { text = loaded.render(); });
    return f;
}

} // namespace

int main() {
    std::string dir = (std::filesystem::temp_directory_path() / "lecterna-bench-XXXXXX").string();
    if (!::mkdtemp(dir.data()))
        return 1;
    const std::string file = dir + "/Lecterna.ini";

    const int books = 32736;
    const Figures small = measure(file, books / 4);
    const Figures full = measure(file, books);
    std::filesystem::remove_all(dir);

    const size_t keys = static_cast<size_t>(books) * fieldNames().size();
    std::printf("history of %d books, %zu keys, file %.1f MB\n", books, keys, static_cast<double>(full.bytes) / 1e6);
    std::printf("%-28s %10s %16s\n", "step", "seconds", "ratio to 1/4 size");
    auto row = [](const char* name, double all, double quarter) {
        std::printf("%-28s %10.3f %16.2f\n", name, all, quarter > 0 ? all / quarter : 0.0);
    };
    row("write all keys (new file)", full.write, small.write);
    row("save (render, write, fsync)", full.save, small.save);
    row("load (read and parse)", full.load, small.load);
    row("read all keys", full.read, small.read);
    row("erase section", full.erase, small.erase);
    row("write all keys again", full.rewrite, small.rewrite);
    row("render after rewrite", full.render, small.render);
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory %.0f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
