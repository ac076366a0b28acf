// The program under a real X server (Xvfb): the scenario's input comes from
// outside the process as real X events (xdotool, through XTEST), a
// screenshot is taken through the server (xwd), and the program ends up in
// the same observable state as the offscreen run of the same scenario.
// Skipped, with the reason, where no X server can be started.
#include "json_path.h"

#include "platform/shell.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPoint>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString kProgramFolder = QString::fromStdString(plat::GetMainExecutableFolder());
constexpr int kToolMs = 20000;

// The scenario, as the offscreen runner plays it; the X run sends the same input with xdotool (a notch an event).
const char* const kScenario = "wheel @CMainViewDlg -120\nwheel @CMainViewDlg -120\nclick @CToolBarDlg:bar:7\n";

QJsonObject ReadJson(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

// The value at a path of the dump (json_path.h).
QJsonValue At(const QJsonObject& dump, const std::string& path)
{
    QJsonValue value;
    std::string error;
    EXPECT_TRUE(app::EvalJsonPath(dump, path, value, error)) << error;
    return value;
}

// How many colours the rows from `top` on of an X window dump (xwd, three
// or four bytes a pixel) hold; 0 when the dump is not one.
int ColoursBelow(const QByteArray& xwd, int top)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(xwd.constData());
    const auto word = [&](int i) {
        const unsigned char* b = bytes + i * 4;
        return static_cast<qint64>(b[0]) << 24 | b[1] << 16 | b[2] << 8 | b[3];
    };
    if (xwd.size() < 100 || word(4) == 0)
        return 0;
    // The line length tells the pixel's size: xwd may say 24 bits for 32-bit pixels.
    const qint64 width = word(4), height = word(5), perLine = word(12), start = word(0) + word(19) * 12;
    const qint64 stride = perLine / width;
    if ((stride != 3 && stride != 4) || start + height * perLine > xwd.size())
        return 0;
    QSet<quint32> colours;
    for (qint64 y = top; y < height && colours.size() < 64; ++y) {
        for (qint64 x = 0; x < width; ++x) {
            const unsigned char* p = bytes + start + y * perLine + x * stride;
            colours.insert(static_cast<quint32>(p[0]) << 16 | p[1] << 8 | p[2]);
        }
    }
    return static_cast<int>(colours.size());
}

// The centre of a page window's rectangle, or of a bar item's, in page coordinates.
QPoint Centre(const QJsonValue& rect)
{
    const QJsonArray r = rect.toArray();
    return {(r[0].toInt() + r[2].toInt()) / 2, (r[1].toInt() + r[3].toInt()) / 2};
}

class RealXInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char* tool : {"Xvfb", "xdotool", "xwd"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << "no real X server here: " << tool << " is not installed (scripts/install-deps.sh)";
        }
        // The server picks a free display and names it once it takes connections.
        server.start("Xvfb", QString("-displayfd 1 -screen 0 1280x900x24 -dpi 96 -nolisten tcp -noreset").split(' '));
        QDeadlineTimer deadline(10000);
        while (!server.canReadLine() && server.state() != QProcess::NotRunning && !deadline.hasExpired())
            server.waitForReadyRead(50);
        display = ":" + QString::fromUtf8(server.readLine()).trimmed();
        if (display == ":")
            GTEST_SKIP() << "no real X server here: Xvfb did not start";
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("XAUTHORITY");
    }

    void TearDown() override
    {
        for (QProcess* p : {&quarn, &server}) {
            p->terminate();
            if (!p->waitForFinished(5000))
                p->kill(), p->waitForFinished();
        }
    }

    // Runs an X tool to its end; its standard output.
    QString Tool(const QString& program, const QStringList& args) const
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, args);
        const bool finished = p.waitForFinished(kToolMs);
        EXPECT_TRUE(finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            << program.toStdString() << " " << args.join(' ').toStdString() << ": "
            << p.readAllStandardError().toStdString();
        if (!finished)
            p.kill(), p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    // A window dump through the X server.
    QByteArray XwdOf(const QStringList& which) const
    {
        const QString file = dir.filePath("dump.xwd");
        Tool("xwd", QStringList{"-display", display, "-silent", "-out", file} << which);
        QFile xwd(file);
        return xwd.open(QIODevice::ReadOnly) ? xwd.readAll() : QByteArray();
    }

    QStringList CommonArguments(const QString& name) const
    {
        return QStringLiteral("--project Projects/sample.json --step --size 700x500 --config-dir %1 --dump %2")
            .arg(dir.filePath(name + "-config"), dir.filePath(name + ".json"))
            .split(' ');
    }

    QTemporaryDir dir;
    QProcess server;
    QProcess quarn;
    QString display;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment(); // of the X programs
};

TEST_F(RealXInput, RealEventsFromOutsideLeaveTheStateOfTheOffscreenRun)
{
    // The offscreen run gives the reference state, and where the targets are.
    {
        QFile script(dir.filePath("s.txt"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QByteArray("dump ") + dir.filePath("layout.json").toUtf8() + "\n" + kScenario);
    }
    QProcess offscreen;
    offscreen.setWorkingDirectory(kProgramFolder);
    offscreen.start(kProgramFolder + "quarn", CommonArguments("offscreen") << "--script" << dir.filePath("s.txt"));
    ASSERT_TRUE(offscreen.waitForFinished(120000));
    ASSERT_EQ(offscreen.exitCode(), 0) << offscreen.readAllStandardError().toStdString();
    const QJsonObject layout = ReadJson(dir.filePath("layout.json"));
    const QJsonObject reference = ReadJson(dir.filePath("offscreen.json"));
    const QJsonArray origin = layout["window"]["pageAreaOrigin"].toArray();
    ASSERT_EQ(origin.size(), 2);
    const QPoint offset(origin[0].toInt(), origin[1].toInt());
    const QPoint view = offset + Centre(At(layout, "windows[0].children[class=CMainViewDlg][0].rect"));
    // Bar items are placed in their dialog.
    const QJsonValue toolbar = At(layout, "windows[0].children[class=CToolBarDlg][0]");
    const QPoint start = offset + QPoint(toolbar["rect"][0].toInt(), toolbar["rect"][1].toInt())
        + Centre(toolbar["bars"][0][7]["rect"]);

    // The same input as real X events, into a program that does not know.
    quarn.setWorkingDirectory(kProgramFolder);
    quarn.setProcessEnvironment(env);
    quarn.start(kProgramFolder + "quarn", CommonArguments("x"));
    ASSERT_TRUE(quarn.waitForStarted());
    const QString window
        = Tool("xdotool", {"search", "--sync", "--onlyvisible", "--pid", QString::number(quarn.processId())})
              .section('\n', 0, 0);
    ASSERT_FALSE(window.isEmpty()) << "the main window never showed";
    // The window shows before the page is attached: the page area is
    // awaited until it is drawn (many colours), not for a fixed time.
    QDeadlineTimer drawn(kToolMs);
    while (ColoursBelow(XwdOf({"-id", window}), offset.y()) < 8 && !drawn.hasExpired())
        QThread::msleep(20);
    ASSERT_FALSE(drawn.hasExpired()) << "the page never showed in the window";
    const auto at = [&](QPoint p) {
        return QStringLiteral("mousemove --sync --window %1 %2 %3").arg(window).arg(p.x()).arg(p.y()).split(' ');
    };
    Tool("xdotool", QStringList{"windowfocus", "--sync", window} + at(view) + QStringList{"click", "5", "click", "5"});
    Tool("xdotool", at(start) + QStringList{"click", "1"});
    const QByteArray screen = XwdOf({"-root"});
    Tool("xdotool", {"key", "alt+f", "x"});
    ASSERT_TRUE(quarn.waitForFinished(kToolMs)) << "the File menu's Exit ended the program";
    ASSERT_EQ(quarn.exitCode(), 0) << quarn.readAllStandardError().toStdString();

    EXPECT_GE(ColoursBelow(screen, 0), 8) << "the screen through the server shows the page";
    const QJsonObject real = ReadJson(dir.filePath("x.json"));
    ASSERT_FALSE(real.isEmpty()) << "the X run's dump";
    // The toolbar click; the wheel scrolled the view, which draws the same.
    for (const char* path : {"monitoring", "host.notifications", "windows[0].children[5].drawing", "project.modified",
                             "project.currentSender"})
        EXPECT_TRUE(At(real, path) == At(reference, path))
            << path << " differs from the offscreen run:\n  X run:     " << app::JsonText(At(real, path))
            << "\n  offscreen: " << app::JsonText(At(reference, path));
    EXPECT_TRUE(At(reference, "monitoring").toBool()) << "the scenario changes what it checks";
    EXPECT_EQ(At(reference, "host.notifications[0].maskHex").toString(), "0x19E000") << "scrolled";
}

} // namespace
