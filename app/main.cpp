#include "app/CadenzoApp.h"
#include "app/CommandLine.h"
#include "app/MessageBoxSink.h"
#include "app/ShellRegistration.h"
#include "app/Translations.h"
#include "model/NativePath.h"
#include "model/PdfLibrary.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace {

// The arguments as the file system's bytes: Qt's own list loses the bytes of
// a file name that are not UTF-8.
QStringList rawArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(decodePath(QByteArray(argv[i])));
    return arguments;
}

// Print runs and text-only answers work without a display: where there is
// none, Qt is told to draw off screen instead of failing to start.
void chooseHeadlessPlatform(const CommandLineInfo& commandLine)
{
    if (!commandLine.needsNoWindow())
        return;
    if (qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
        qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char** argv)
{
    // A first look before Qt exists, for the platform; the arguments are read
    // again once Qt has taken its own options out of argv.
    chooseHeadlessPlatform(ParseCommandLine(rawArguments(argc, argv)));

    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ombrelle Tech"));
    QApplication::setApplicationName(QStringLiteral("Tallimark"));
    QApplication::setApplicationVersion(ProgramVersion());
    // Wayland's app id and the desktop's match with the installed entry.
    QGuiApplication::setDesktopFileName(QLatin1String(shell::kAppId));
    // Before the command line is read: its messages and help are translated.
    InstallTranslations(QLocale::system());

    const CommandLineInfo commandLine = ParseCommandLine(rawArguments(argc, argv));
    const QString programName = QFileInfo(QApplication::applicationFilePath()).fileName();
    switch (commandLine.command) {
    case CommandLineInfo::ShowHelp:
        print(stdout, CommandLineUsage(programName));
        return 0;
    case CommandLineInfo::ShowVersion:
        print(stdout, QStringLiteral("Tallimark %1\n").arg(ProgramVersion()));
        return 0;
    case CommandLineInfo::Invalid:
        // A usage error, told apart from a run that failed by its status.
        print(stderr, QStringLiteral("tallimark: %1\n%2\n")
                          .arg(commandLine.error,
                               QCoreApplication::translate("CommandLine", "Try 'tallimark --help'.")));
        return 2;
    default:
        break;
    }

    // Runs without a window report on standard error (the sink in place
    // until one is installed); a message box there would wait for nobody.
    MessageBoxSink messageBoxes;
    if (!commandLine.needsNoWindow())
        setMessageSink(&messageBoxes);

    int status = 0;
    {
        CCadenzoApp app;
        if (!app.InitInstance(commandLine)) {
            status = app.exitCode();
        } else {
            status = QApplication::exec();
            app.ExitInstance();
        }
    }
    setMessageSink(nullptr);
    // A background rendering given up at its time limit may still be running
    // on its own thread; the renderer's shared state must not be torn down
    // under it by the static destructors.
    if (pdf::RenderThreadsRunning() > 0) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
