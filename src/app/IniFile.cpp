#include "app/IniFile.h"

#include "app/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Lecterna {

namespace {

constexpr uint32_t NoId = UINT32_MAX;
// Offsets into the text are 32-bit to keep a million-key history compact; no settings file comes
// anywhere near this.
constexpr size_t MaxBytes = size_t{1} << 30;
constexpr std::string_view Bom = "\xEF\xBB\xBF";
constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

uint32_t hashNoCase(std::string_view s) {
    uint32_t h = 2166136261u;
    for (char c : s) {
        h ^= static_cast<uint8_t>(lowerAscii(c));
        h *= 16777619u;
    }
    // FNV leaves the low bits poorly mixed; the table indexes by them.
    h ^= h >> 16;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    return h;
}

std::string lowered(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = lowerAscii(c);
    return out;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool isEnclosedInQuotes(std::string_view s) {
    return s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
}

// Length of the well-formed UTF-8 sequence starting at s[i], or 0 when there is none.
size_t utf8SequenceLength(std::string_view s, size_t i) {
    const auto b0 = static_cast<uint8_t>(s[i]);
    if (b0 < 0x80)
        return 1;
    size_t n;
    uint32_t cp, least;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2, cp = b0 & 0x1Fu, least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, cp = b0 & 0x0Fu, least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, cp = b0 & 0x07u, least = 0x10000;
    } else {
        return 0;
    }
    if (s.size() - i < n)
        return 0;
    for (size_t k = 1; k < n; ++k) {
        const auto b = static_cast<uint8_t>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3Fu);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

bool isUtf8Text(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        if (s[i] == '\0')
            return false;
        const size_t n = utf8SequenceLength(s, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

bool isCleanValue(std::string_view v) {
    for (size_t i = 0; i < v.size();) {
        const char c = v[i];
        if (c == '\0' || c == '\r' || c == '\n')
            return false;
        const size_t n = utf8SequenceLength(v, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::string cleanValue(std::string_view v) {
    std::string out;
    out.reserve(v.size());
    for (size_t i = 0; i < v.size();) {
        const char c = v[i];
        if (c == '\0' || c == '\r' || c == '\n') {
            out += ' ';
            ++i;
            continue;
        }
        const size_t n = utf8SequenceLength(v, i);
        if (n == 0) {
            out += ReplacementCharacter;
            ++i;
            continue;
        }
        out.append(v.substr(i, n));
        i += n;
    }
    return out;
}

bool needsQuotes(std::string_view v) {
    return !v.empty() && (isBlank(v.front()) || isBlank(v.back()) || isEnclosedInQuotes(v));
}

// Open addressing over line ids; the caller says which id holds an equal name, so the table needs
// no copies of the names. Keys are never removed one by one, only all at once.
class KeyIndex {
public:
    template <class Same> uint32_t find(uint32_t hash, Same same) const {
        if (m_slots.empty())
            return NoId;
        const size_t mask = m_slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& s = m_slots[i];
            if (s.id == NoId)
                return NoId;
            if (s.hash == hash && same(s.id))
                return s.id;
        }
    }

    // Adds `id` unless an equal name is there already; returns the id that holds the name.
    template <class Same> uint32_t insert(uint32_t hash, uint32_t id, Same same) {
        if ((m_count + 1) * 2 > m_slots.size())
            grow();
        const size_t mask = m_slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& s = m_slots[i];
            if (s.id == NoId) {
                s = Slot{hash, id};
                ++m_count;
                return id;
            }
            if (s.hash == hash && same(s.id))
                return s.id;
        }
    }

    void clear() {
        m_slots = {};
        m_count = 0;
    }

private:
    struct Slot {
        uint32_t hash = 0;
        uint32_t id = NoId;
    };

    void grow() {
        std::vector<Slot> old = std::move(m_slots);
        m_slots.assign(std::max<size_t>(16, old.size() * 2), Slot{});
        const size_t mask = m_slots.size() - 1;
        for (const Slot& s : old) {
            if (s.id == NoId)
                continue;
            size_t i = s.hash & mask;
            while (m_slots[i].id != NoId)
                i = (i + 1) & mask;
            m_slots[i] = s;
        }
    }

    std::vector<Slot> m_slots;
    size_t m_count = 0;
};

} // namespace

// The file is kept as its own text (the arena) plus a description of every line; changed and new
// values are appended to the arena, so nothing is moved when a value changes.
struct IniFile::Content {
    enum class Kind : uint8_t { Blank, Other, Header, Key };

    struct Line {
        uint32_t rawOff = 0, rawLen = 0;   // the line as read, without its break
        uint32_t nameOff = 0, nameLen = 0; // section name of a header, key name of a key
        uint32_t valOff = 0, valLen = 0;   // value of a key as it reads back
        Kind kind = Kind::Other;
        bool rewritten = false; // written from name and value, not from the raw text
        bool shadowed = false;  // a repeated key: kept in the file but never read
    };

    // One "[Section]" line with the lines that follow it, or the lines before the first section.
    // Lines [begin, tail) are its body, [tail, end) the blank lines that close it; keys added later
    // are written between the two.
    struct Block {
        uint32_t header = NoId;
        uint32_t group = NoId;
        uint32_t begin = 0, tail = 0, end = 0;
        std::vector<uint32_t> added;
        bool erased = false;
    };

    // A section as the program sees it: every block of that name, and its keys.
    struct Group {
        std::string lowerName;
        std::vector<uint32_t> blocks;
        KeyIndex keys;
    };

    std::string arena;
    std::vector<Line> lines;
    std::vector<Block> blocks{Block{}};
    std::vector<Group> groups;
    std::unordered_map<std::string, uint32_t> groupByName;
    std::string eol = "\n";
    bool bom = false;
    size_t deadLines = 0; // lines of erased sections, still held until the next compaction
    // The section of the last lookup: a history makes a million calls in a row for one section.
    mutable uint32_t lastGroup = NoId;

    std::string_view text(uint32_t off, uint32_t len) const { return std::string_view(arena).substr(off, len); }
    std::string_view raw(const Line& l) const { return text(l.rawOff, l.rawLen); }
    std::string_view name(const Line& l) const { return text(l.nameOff, l.nameLen); }
    std::string_view value(const Line& l) const { return text(l.valOff, l.valLen); }
    uint32_t offsetOf(std::string_view insideArena) const {
        return static_cast<uint32_t>(insideArena.data() - arena.data());
    }

    uint32_t append(std::string_view s) {
        if (arena.size() + s.size() > UINT32_MAX)
            throw std::length_error("settings file too large");
        const auto off = static_cast<uint32_t>(arena.size());
        arena.append(s);
        return off;
    }

    auto sameName(std::string_view key) const {
        return [this, key](uint32_t id) { return equalNoCase(name(lines[id]), key); };
    }

    const Group* findGroup(std::string_view section) const {
        if (lastGroup != NoId && equalNoCase(section, groups[lastGroup].lowerName))
            return &groups[lastGroup];
        const auto it = groupByName.find(lowered(section));
        if (it == groupByName.end())
            return nullptr;
        lastGroup = it->second;
        return &groups[it->second];
    }
    Group* findGroup(std::string_view section) {
        return const_cast<Group*>(static_cast<const Content*>(this)->findGroup(section));
    }

    uint32_t groupFor(std::string_view section) {
        if (const Group* g = findGroup(section))
            return static_cast<uint32_t>(g - groups.data());
        const auto id = static_cast<uint32_t>(groups.size());
        groups.emplace_back().lowerName = lowered(section);
        groupByName.emplace(groups.back().lowerName, id);
        return id;
    }

    // The first block of a section that was erased and not written again: it is not written to the
    // file, but keys written later go there, so the section keeps its place.
    bool isPlaceHolder(uint32_t blockId) const {
        const Block& b = blocks[blockId];
        return b.group != NoId && b.erased && b.added.empty() && groups[b.group].blocks.front() == blockId;
    }

    void closeBlock() {
        Block& b = blocks.back();
        b.end = static_cast<uint32_t>(lines.size());
        uint32_t t = b.end;
        while (t > b.begin && lines[t - 1].kind == Kind::Blank)
            --t;
        b.tail = t;
    }

    void openBlock(uint32_t header, std::string_view section) {
        Block b;
        b.header = header;
        b.group = groupFor(section);
        b.begin = b.tail = b.end = static_cast<uint32_t>(lines.size());
        groups[b.group].blocks.push_back(static_cast<uint32_t>(blocks.size()));
        blocks.push_back(std::move(b));
    }

    void addParsedLine(size_t off, size_t end) {
        Line line;
        line.rawOff = static_cast<uint32_t>(off);
        line.rawLen = static_cast<uint32_t>(end - off);
        const std::string_view t = trim(raw(line));
        const auto id = static_cast<uint32_t>(lines.size());
        if (t.empty()) {
            line.kind = Kind::Blank;
        } else if (t.front() == ';' || t.front() == '#') {
            line.kind = Kind::Other;
        } else if (t.front() == '[') {
            // A "[" line without its "]" is not a section; it stays as text and is never a key.
            const size_t close = t.rfind(']');
            if (close != std::string_view::npos) {
                const std::string_view section = trim(t.substr(1, close - 1));
                line.kind = Kind::Header;
                line.nameOff = offsetOf(section);
                line.nameLen = static_cast<uint32_t>(section.size());
                closeBlock();
                lines.push_back(line);
                openBlock(id, section);
                return;
            }
        } else if (const size_t eq = t.find('='); eq != std::string_view::npos && blocks.back().group != NoId) {
            const std::string_view key = trim(t.substr(0, eq));
            if (!key.empty()) {
                std::string_view v = trim(t.substr(eq + 1));
                if (isEnclosedInQuotes(v))
                    v = v.substr(1, v.size() - 2);
                line.kind = Kind::Key;
                line.nameOff = offsetOf(key);
                line.nameLen = static_cast<uint32_t>(key.size());
                line.valOff = offsetOf(v);
                line.valLen = static_cast<uint32_t>(v.size());
                lines.push_back(line);
                Group& g = groups[blocks.back().group];
                lines[id].shadowed = g.keys.insert(hashNoCase(key), id, sameName(key)) != id;
                return;
            }
        }
        lines.push_back(line);
    }
};

IniFile::IniFile() : m_content(std::make_unique<Content>()) {}
IniFile::IniFile(std::string path) : m_content(std::make_unique<Content>()), m_path(std::move(path)) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

bool IniFile::parse(std::string bytes) {
    if (bytes.size() > MaxBytes || !isUtf8Text(bytes))
        return false;
    auto c = std::make_unique<Content>();
    c->arena = std::move(bytes);
    const std::string_view all = c->arena;
    size_t pos = 0;
    if (all.starts_with(Bom)) {
        c->bom = true;
        pos = Bom.size();
    }
    if (const size_t brk = all.find('\n', pos); brk != std::string_view::npos && brk > pos && all[brk - 1] == '\r')
        c->eol = "\r\n";
    c->lines.reserve(static_cast<size_t>(std::count(all.begin() + static_cast<ptrdiff_t>(pos), all.end(), '\n')) + 1);
    while (pos < all.size()) {
        const size_t brk = all.find('\n', pos);
        const size_t next = brk == std::string_view::npos ? all.size() : brk + 1;
        size_t end = brk == std::string_view::npos ? all.size() : brk;
        // Carriage returns before a break belong to it (a stray one is common in edited files).
        while (end > pos && all[end - 1] == '\r')
            --end;
        c->addParsedLine(pos, end);
        pos = next;
    }
    c->closeBlock();
    m_content = std::move(c);
    m_modified = false;
    return true;
}

std::string IniFile::render() const {
    return renderText(false);
}

std::string IniFile::renderText(bool keepPlaceHolders) const {
    const Content& c = *m_content;
    std::string out;
    out.reserve(c.arena.size() + c.lines.size() + 64);
    if (c.bom)
        out += Bom;
    bool previousBlank = true;
    auto emit = [&](const Content::Line& l) {
        if (l.kind == Content::Kind::Key && l.rewritten) {
            out += c.name(l);
            out += '=';
            const std::string_view v = c.value(l);
            if (needsQuotes(v)) {
                out += '"';
                out += v;
                out += '"';
            } else {
                out += v;
            }
        } else {
            out += c.raw(l);
        }
        out += c.eol;
        previousBlank = l.kind == Content::Kind::Blank;
    };
    for (uint32_t bid = 0; bid < c.blocks.size(); ++bid) {
        const Content::Block& b = c.blocks[bid];
        if (b.erased && b.added.empty() && !(keepPlaceHolders && c.isPlaceHolder(bid)))
            continue;
        if (b.header != NoId) {
            const Content::Line& h = c.lines[b.header];
            if (h.rewritten) {
                // A section of our own gets a blank line before it, as people lay these files out.
                if (!previousBlank)
                    out += c.eol;
                out += '[';
                out += c.name(h);
                out += ']';
                out += c.eol;
                previousBlank = false;
            } else {
                emit(h);
            }
        }
        if (!b.erased)
            for (uint32_t i = b.begin; i < b.tail; ++i)
                emit(c.lines[i]);
        for (uint32_t id : b.added)
            emit(c.lines[id]);
        for (uint32_t i = b.tail; i < b.end; ++i)
            emit(c.lines[i]);
    }
    return out;
}

IniFile::LoadResult IniFile::load(const std::string& path) {
    m_content = std::make_unique<Content>();
    m_path = path;
    m_modified = false;
    m_writeProtected = false;

    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return LoadResult::Missing;
        m_writeProtected = true;
        return LoadResult::Unreadable;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        m_writeProtected = true;
        return LoadResult::Unreadable;
    }
    if (static_cast<uint64_t>(st.st_size) > MaxBytes) {
        ::close(fd);
        m_writeProtected = true;
        return LoadResult::NotText;
    }
    std::string bytes(static_cast<size_t>(st.st_size), '\0');
    size_t got = 0;
    for (;;) {
        // The file may grow while we read it (another copy saving); read to its end.
        if (got == bytes.size())
            bytes.resize(std::max<size_t>(4096, bytes.size() * 2));
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || got + static_cast<size_t>(n) > MaxBytes) {
            ::close(fd);
            m_writeProtected = true;
            return n < 0 ? LoadResult::Unreadable : LoadResult::NotText;
        }
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    if (!parse(std::move(bytes))) {
        m_writeProtected = true;
        return LoadResult::NotText;
    }
    return LoadResult::Loaded;
}

std::vector<std::string> IniFile::sectionNames() const {
    const Content& c = *m_content;
    std::vector<std::string> out;
    std::vector<bool> seen(c.groups.size());
    for (const Content::Block& b : c.blocks) {
        if (b.group == NoId || seen[b.group] || (b.erased && b.added.empty()))
            continue;
        seen[b.group] = true;
        out.emplace_back(c.name(c.lines[b.header]));
    }
    return out;
}

bool IniFile::isValidSectionName(std::string_view name) {
    return !name.empty() && isUtf8Text(name) && name.find_first_of("\r\n]") == std::string_view::npos &&
           trim(name).size() == name.size();
}

bool IniFile::isValidKeyName(std::string_view name) {
    return !name.empty() && isUtf8Text(name) && name.find_first_of("\r\n=") == std::string_view::npos &&
           trim(name).size() == name.size() && name.front() != ';' && name.front() != '#' && name.front() != '[';
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const Content& c = *m_content;
    const Content::Group* g = c.findGroup(section);
    if (!g)
        return std::nullopt;
    const uint32_t id = g->keys.find(hashNoCase(key), c.sameName(key));
    if (id == NoId)
        return std::nullopt;
    return std::string(c.value(c.lines[id]));
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    if (!isValidSectionName(section))
        throw std::invalid_argument("not a usable section name: " + std::string(section));
    if (!isValidKeyName(key))
        throw std::invalid_argument("not a usable key name: " + std::string(key));
    std::string cleaned;
    if (!isCleanValue(value)) {
        cleaned = cleanValue(value);
        value = cleaned;
    }

    Content& c = *m_content;
    const uint32_t gid = c.groupFor(section);
    const uint32_t hash = hashNoCase(key);
    if (const uint32_t id = c.groups[gid].keys.find(hash, c.sameName(key)); id != NoId) {
        Content::Line& l = c.lines[id];
        if (c.value(l) == value)
            return;
        const uint32_t off = c.append(value);
        l.valOff = off;
        l.valLen = static_cast<uint32_t>(value.size());
        l.rewritten = true;
        m_modified = true;
        return;
    }

    if (c.groups[gid].blocks.empty()) {
        Content::Line header;
        header.kind = Content::Kind::Header;
        header.rewritten = true;
        header.nameOff = c.append(section);
        header.nameLen = static_cast<uint32_t>(section.size());
        c.lines.push_back(header);
        Content::Block b;
        b.header = static_cast<uint32_t>(c.lines.size() - 1);
        b.group = gid;
        c.groups[gid].blocks.push_back(static_cast<uint32_t>(c.blocks.size()));
        c.blocks.push_back(std::move(b));
    }
    Content::Line line;
    line.kind = Content::Kind::Key;
    line.rewritten = true;
    line.nameOff = c.append(key);
    line.nameLen = static_cast<uint32_t>(key.size());
    line.valOff = c.append(value);
    line.valLen = static_cast<uint32_t>(value.size());
    const auto id = static_cast<uint32_t>(c.lines.size());
    c.lines.push_back(line);
    Content::Group& g = c.groups[gid];
    c.blocks[g.blocks.front()].added.push_back(id);
    g.keys.insert(hash, id, c.sameName(key));
    m_modified = true;
}

std::vector<std::string> IniFile::keyNames(std::string_view section) const {
    std::vector<std::string> out;
    for (auto& [name, v] : sectionValues(section))
        out.push_back(std::move(name));
    return out;
}

std::vector<std::pair<std::string, std::string>> IniFile::sectionValues(std::string_view section) const {
    const Content& c = *m_content;
    std::vector<std::pair<std::string, std::string>> out;
    const Content::Group* g = c.findGroup(section);
    if (!g)
        return out;
    auto take = [&](const Content::Line& l) {
        if (l.kind == Content::Kind::Key && !l.shadowed)
            out.emplace_back(c.name(l), c.value(l));
    };
    for (uint32_t bid : g->blocks) {
        const Content::Block& b = c.blocks[bid];
        if (!b.erased)
            for (uint32_t i = b.begin; i < b.tail; ++i)
                take(c.lines[i]);
        for (uint32_t id : b.added)
            take(c.lines[id]);
    }
    return out;
}

void IniFile::eraseSection(std::string_view section) {
    Content& c = *m_content;
    Content::Group* g = c.findGroup(section);
    if (!g)
        return;
    for (uint32_t bid : g->blocks) {
        Content::Block& b = c.blocks[bid];
        if (!b.erased || !b.added.empty())
            m_modified = true;
        c.deadLines += (b.erased ? 0 : b.tail - b.begin) + b.added.size();
        b.erased = true;
        b.added = {};
    }
    // The first block keeps the section's place in the file for keys written after the erase.
    if (g->blocks.size() > 1)
        g->blocks.resize(1);
    g->keys.clear();
    // Saving the history erases and rewrites most of the file; without this the old copy would
    // stay in memory beside the new one.
    if (c.deadLines >= 4096 && c.deadLines * 2 > c.lines.size())
        compact();
}

void IniFile::compact() {
    std::vector<std::string> placeHolders;
    for (uint32_t bid = 0; bid < m_content->blocks.size(); ++bid)
        if (m_content->isPlaceHolder(bid))
            placeHolders.push_back(m_content->groups[m_content->blocks[bid].group].lowerName);
    const std::string eol = m_content->eol;
    const bool modified = m_modified;
    parse(renderText(true));
    m_modified = modified;
    Content& c = *m_content;
    c.eol = eol;
    for (const std::string& name : placeHolders)
        if (const Content::Group* g = c.findGroup(name))
            c.blocks[g->blocks.front()].erased = true;
}

bool IniFile::flush() {
    if (m_path.empty() || m_writeProtected)
        return false;
    if (!m_modified)
        return true;
    if (m_createsFolder) {
        const size_t slash = m_path.rfind('/');
        if (slash != std::string::npos && slash > 0 && !makeFolders(m_path.substr(0, slash), 0700))
            return false;
    }
    if (!writeFileAtomically(m_path, render()))
        return false;
    m_modified = false;
    return true;
}

} // namespace Lecterna
