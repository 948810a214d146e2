#pragma once

#include "view/LineList.h"

#include <QFile>

#include <string>
#include <vector>

namespace Lecterna::testsupport {

inline std::string readFixture(const char* name) {
    QFile f(QStringLiteral(LECTERNA_TEST_DATA "/") + QString::fromLatin1(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = f.readAll();
    return std::string(data.constData(), static_cast<size_t>(data.size()));
}

// `count` display lines reading "line 0", "line 1", ...
struct NumberedLines {
    std::string buffer;
    LineList list;

    explicit NumberedLines(size_t count) {
        std::vector<TextSpan> spans;
        for (size_t i = 0; i < count; ++i) {
            const std::string line = "line " + std::to_string(i);
            spans.push_back({buffer.size(), static_cast<uint32_t>(line.size())});
            buffer += line;
        }
        list.assign(&buffer, std::move(spans));
    }
};

} // namespace Lecterna::testsupport
