#include "support/gui/VirtualDisplay.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace Lecterna::testsupport {

VirtualDisplay::VirtualDisplay(const QString& screen) {
    for (const char* tool : {"Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            m_problem = QStringLiteral("%1 is not installed (scripts/setup.sh installs it)").arg(QLatin1String(tool));
            return;
        }
    }
    // The server picks a free display number and writes it to standard output once it accepts
    // connections, so neither a fixed number nor a wait is needed.
    m_server.setProgram(QStringLiteral("Xvfb"));
    m_server.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                           QStringLiteral("0"), screen, QStringLiteral("-fbdir"), m_frameBuffer.path(),
                           QStringLiteral("-dpi"), QStringLiteral("96"), QStringLiteral("-nolisten"),
                           QStringLiteral("tcp"),
                           // The same server for every run of a test, even when no program is connected.
                           QStringLiteral("-noreset")});
    m_server.setProcessChannelMode(QProcess::SeparateChannels);
    m_server.start();
    QByteArray out;
    QElapsedTimer waited;
    waited.start();
    while (!out.contains('\n') && waited.elapsed() < 20000 && m_server.state() != QProcess::NotRunning) {
        m_server.waitForReadyRead(500);
        out += m_server.readAllStandardOutput();
    }
    bool number = false;
    const int display = out.trimmed().toInt(&number);
    if (!number) {
        m_problem = QStringLiteral("Xvfb did not start: ") + QString::fromLocal8Bit(m_server.readAllStandardError());
        return;
    }
    m_name = QStringLiteral(":%1").arg(display);
}

VirtualDisplay::~VirtualDisplay() {
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
        m_server.waitForFinished(5000);
    }
}

QProcessEnvironment VirtualDisplay::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_name);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // A locale every Debian machine has, so that window names in Cyrillic and the program's
    // number format are the same wherever the tests run.
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return env;
}

QString VirtualDisplay::xdotool(const QStringList& args, int timeoutMs, bool* ok) const {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral("xdotool"), args);
    const bool finished = p.waitForFinished(timeoutMs);
    if (!finished) {
        p.kill();
        p.waitForFinished(2000);
    }
    if (ok)
        *ok = finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QStringList VirtualDisplay::windows(const QString& pattern, const QString& by) const {
    // search fails when nothing matches; that is an empty list, not an error.
    const QString out = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), by, pattern});
    return out.isEmpty() ? QStringList() : out.split(QLatin1Char('\n'));
}

QString VirtualDisplay::waitForWindow(const QString& pattern, int timeoutMs) const {
    return waitForWindowCount(pattern, 1, QStringLiteral("--name"), timeoutMs) ? windows(pattern).value(0) : QString();
}

bool VirtualDisplay::waitForWindowCount(const QString& pattern, int count, const QString& by, int timeoutMs) const {
    QElapsedTimer waited;
    waited.start();
    while (windows(pattern, by).size() != count) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QThread::msleep(100);
    }
    return true;
}

bool VirtualDisplay::waitForNoWindow(const QString& titlePattern, int timeoutMs) const {
    QElapsedTimer waited;
    waited.start();
    while (!windows(titlePattern).isEmpty()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QThread::msleep(100);
    }
    return true;
}

void VirtualDisplay::focus(const QString& window) const {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
}

void VirtualDisplay::keys(const QStringList& keys) const {
    // A pause between keys lets each command finish its work before the next key arrives, as it
    // would for a person; the keys queue up anyway, so this is only kindness to a slow build.
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("150")} + keys);
}

void VirtualDisplay::type(const QString& text) const {
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), text});
}

void VirtualDisplay::wheelDown(const QString& window, int x, int y, int notches) const {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x), QString::number(y),
             QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(notches), QStringLiteral("--delay"),
             QStringLiteral("30"), QStringLiteral("5")});
}

void VirtualDisplay::rightClick(const QString& window, int x, int y) const {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x), QString::number(y),
             QStringLiteral("click"), QStringLiteral("3")});
}

QImage VirtualDisplay::screen() const {
    // The frame buffer file is an XWD image: a header of big-endian 32-bit fields, the window
    // name, a colour map, then the pixels.
    QFile file(m_frameBuffer.filePath(QStringLiteral("Xvfb_screen0")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    auto field = [&bytes](int i) -> quint32 {
        if (bytes.size() < (i + 1) * 4)
            return 0;
        const auto* p = reinterpret_cast<const uchar*>(bytes.constData()) + i * 4;
        return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
    };
    const quint32 headerSize = field(0), width = field(4), height = field(5), bitsPerPixel = field(11),
                  bytesPerLine = field(12), colours = field(19);
    const qint64 offset = qint64(headerSize) + qint64(colours) * 12;
    if (bitsPerPixel != 32 || width == 0 || offset + qint64(bytesPerLine) * height > bytes.size())
        return {};
    // Pixels are in the server's byte order, which on this machine is the image's own.
    return QImage(reinterpret_cast<const uchar*>(bytes.constData()) + offset, int(width), int(height),
                  int(bytesPerLine), QImage::Format_RGB32)
        .copy();
}

QRect VirtualDisplay::geometry(const QString& window) const {
    const QString out = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    int values[4] = {-1, -1, -1, -1};
    const char* names[4] = {"X", "Y", "WIDTH", "HEIGHT"};
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        for (int i = 0; i < 4; ++i)
            if (line.startsWith(QLatin1String(names[i]) + QLatin1Char('=')))
                values[i] = line.section(QLatin1Char('='), 1).toInt();
    }
    if (values[2] <= 0 || values[3] <= 0)
        return {};
    return QRect(values[0], values[1], values[2], values[3]);
}

} // namespace Lecterna::testsupport
