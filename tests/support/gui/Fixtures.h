#pragma once

#include <QFile>

#include <string>

namespace Lecterna::testsupport {

inline std::string readFixture(const char* name) {
    QFile f(QStringLiteral(LECTERNA_TEST_DATA "/") + QString::fromLatin1(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = f.readAll();
    return std::string(data.constData(), static_cast<size_t>(data.size()));
}

} // namespace Lecterna::testsupport
