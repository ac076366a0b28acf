// The program under a real X server (Xvfb): the scenario's input comes from
// outside the process as real X events (xdotool, through XTEST), a
// screenshot is taken through the server (xwd), and the program ends up in
// the same observable state as the offscreen run of the same scenario.
// Skipped, with the reason, where no X server can be started.
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

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const QString kProgramFolder = QString::fromStdString(plat::GetMainExecutableFolder());
constexpr int kToolMs = 20000;

// The scenario, as the offscreen runner plays it. The X run sends the same
// input with xdotool, in the same order.
// Two notches: X sends one event per notch.
const char* const kScenario = "wheel @CMainViewDlg -120\n"
                              "wheel @CMainViewDlg -120\n"
                              "click @CToolBarDlg:bar:7\n";

QJsonObject ReadJson(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonValue At(QJsonValue v, const QStringList& path)
{
    for (const QString& part : path) {
        bool index = false;
        const int i = part.toInt(&index);
        v = index ? v.toArray().at(i) : v.toObject().value(part);
    }
    return v;
}

// A value as compact JSON, cut short for a failure message.
std::string Text(const QJsonValue& v)
{
    return QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).left(1500).toStdString();
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

// The first window of the class in a dump's window tree.
QJsonObject FindWindow(const QJsonArray& windows, const QString& cls)
{
    for (const QJsonValue w : windows) {
        if (w["class"].toString() == cls)
            return w.toObject();
        if (QJsonObject inner = FindWindow(w["children"].toArray(), cls); !inner.isEmpty())
            return inner;
    }
    return {};
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
        if (!StartServer())
            GTEST_SKIP() << "no real X server here: Xvfb did not start on any display tried";
    }

    void TearDown() override
    {
        for (QProcess* p : {&quarn, &server}) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(5000))
                    p->kill();
                p->waitForFinished();
            }
        }
    }

    // Xvfb on the first display that is free; ready once its socket is there.
    bool StartServer()
    {
        for (int n = 70 + ::getpid() % 200, tries = 0; tries < 8; ++n, ++tries) {
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
            if (QFile::exists(socket) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            server.start("Xvfb",
                         {QStringLiteral(":%1").arg(n), "-screen", "0", "1280x900x24", "-dpi", "96", "-nolisten", "tcp",
                          "-noreset"});
            QDeadlineTimer deadline(10000);
            while (server.state() != QProcess::NotRunning && !QFile::exists(socket) && !deadline.hasExpired())
                server.waitForFinished(20);
            if (server.state() == QProcess::Running && QFile::exists(socket)) {
                display = QStringLiteral(":%1").arg(n);
                return true;
            }
            server.kill();
            server.waitForFinished();
        }
        return false;
    }

    QProcessEnvironment XEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("XAUTHORITY");
        return env;
    }

    // Runs an X tool to its end; its standard output.
    QString Tool(const QString& program, const QStringList& args) const
    {
        QProcess p;
        p.setProcessEnvironment(XEnvironment());
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
        return {"--project",
                "Projects/sample.json",
                "--step",
                "--size",
                "700x500",
                "--config-dir",
                dir.filePath(name + "-config"),
                "--dump",
                dir.filePath(name + ".json")};
    }

    QTemporaryDir dir;
    QProcess server;
    QProcess quarn;
    QString display;
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
    const QJsonArray windows = layout["windows"].toArray();
    const QPoint view = offset + Centre(FindWindow(windows, "CMainViewDlg")["rect"]);
    const QJsonObject toolbar = FindWindow(windows, "CToolBarDlg");
    // Bar items are placed in their dialog.
    const QPoint start = offset + QPoint(toolbar["rect"][0].toInt(), toolbar["rect"][1].toInt())
        + Centre(At(toolbar, {"bars", "0", "7", "rect"}));

    // The same input as real X events, into a program that does not know.
    quarn.setWorkingDirectory(kProgramFolder);
    quarn.setProcessEnvironment(XEnvironment());
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
        return QStringList{"mousemove", "--sync", "--window", window, QString::number(p.x()), QString::number(p.y())};
    };
    Tool("xdotool",
         QStringList{"windowfocus", "--sync", window} << at(view) << "click"
                                                      << "5"
                                                      << "click"
                                                      << "5");
    Tool("xdotool",
         at(start) << "click"
                   << "1");
    const QByteArray screen = XwdOf({"-root"});
    Tool("xdotool", {"key", "alt+f", "x"});
    ASSERT_TRUE(quarn.waitForFinished(kToolMs)) << "the File menu's Exit ended the program";
    ASSERT_EQ(quarn.exitCode(), 0) << quarn.readAllStandardError().toStdString();

    EXPECT_GE(ColoursBelow(screen, 0), 8) << "the screen through the server shows the page";
    const QJsonObject real = ReadJson(dir.filePath("x.json"));
    ASSERT_FALSE(real.isEmpty()) << "the X run's dump";
    const QList<QStringList> observed{
        QStringList{"monitoring"},                               // the toolbar click
        QStringList{"host", "notifications"},                    // the wheel scrolled the view ...
        QStringList{"windows", "0", "children", "5", "drawing"}, // ... which draws the same
        QStringList{"project", "modified"},
        QStringList{"project", "currentSender"},
    };
    for (const QStringList& path : observed)
        EXPECT_TRUE(At(real, path) == At(reference, path))
            << path.join('.').toStdString() << " differs from the offscreen run:\n  X run:     " << Text(At(real, path))
            << "\n  offscreen: " << Text(At(reference, path));
    EXPECT_TRUE(At(reference, {"monitoring"}).toBool()) << "the scenario changes what it checks";
    EXPECT_EQ(At(reference, {"host", "notifications", "0", "maskHex"}).toString(), "0x19E000") << "scrolled";
}

} // namespace
