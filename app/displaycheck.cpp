#include "displaycheck.h"

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace corvane {

namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// The value of "-name value" or "--name value" on the command line, as the
// toolkit reads its own options; empty when absent.
std::string option(int argc, char** argv, std::string_view name) {
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument.starts_with("--")) {
            argument.remove_prefix(1);
        }
        if (argument.starts_with('-') && argument.substr(1) == name) {
            return argv[i + 1];
        }
    }
    return {};
}

bool isWayland(std::string_view platform) {
    return platform.starts_with("wayland");
}

QtMessageHandler previousHandler = nullptr;

void guardPlatformStart(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // A fatal message before any platform is running means that no platform
    // plugin could start: the display named is unreachable, or the plugin
    // cannot open its device.
    if (type == QtFatalMsg && (QGuiApplication::platformName().isEmpty() ||
                               message.contains(QLatin1String("platform plugin")))) {
        std::fputs(noDisplayMessage(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

} // namespace

DisplayEnvironment currentDisplayEnvironment(int argc, char** argv) {
    DisplayEnvironment environment;
    environment.platform = option(argc, argv, "platform");
    if (environment.platform.empty()) {
        environment.platform = environmentValue("QT_QPA_PLATFORM");
    }
    environment.display = option(argc, argv, "display");
    if (environment.display.empty()) {
        environment.display = environmentValue("DISPLAY");
    }
    environment.waylandDisplay = environmentValue("WAYLAND_DISPLAY");
    const std::string runtimeDirectory = environmentValue("XDG_RUNTIME_DIR");
    std::error_code error;
    environment.waylandSocket =
        !runtimeDirectory.empty() &&
        std::filesystem::exists(std::filesystem::path(runtimeDirectory) / "wayland-0", error);
    return environment;
}

bool hasGraphicalDisplay(const DisplayEnvironment& environment) {
    // Without a choice the toolkit starts on X11, or on Wayland in a Wayland
    // session; on Windows on the Windows desktop, which is always there.
#if defined(_WIN32)
    const std::string_view defaultPlatforms = "windows";
#else
    const std::string_view defaultPlatforms = "xcb;wayland";
#endif
    const std::string_view platforms =
        environment.platform.empty() ? defaultPlatforms : environment.platform;
    std::size_t start = 0;
    while (start <= platforms.size()) {
        std::size_t end = platforms.find(';', start);
        if (end == std::string_view::npos) {
            end = platforms.size();
        }
        // "name:options" names a platform with its options.
        std::string_view name = platforms.substr(start, end - start);
        name = name.substr(0, name.find(':'));
        start = end + 1;
        if (name.empty()) {
            continue;
        }
        if (name == "xcb") {
            if (!environment.display.empty()) {
                return true;
            }
        } else if (isWayland(name)) {
            if (!environment.waylandDisplay.empty() || environment.waylandSocket) {
                return true;
            }
        } else {
            return true;
        }
    }
    return false;
}

const char* noDisplayMessage() {
    return "Corvane 是桌面程序，需要图形显示环境（X11 或 Wayland）才能运行，"
           "但当前没有可用的显示。\n"
           "在没有显示器的环境中，可以用 xvfb-run 在虚拟显示上运行：xvfb-run corvane\n"
           "Corvane is a desktop program and needs a graphical display (X11 or Wayland), "
           "but none is available.\n"
           "For headless use, run it on a virtual display with xvfb-run: xvfb-run corvane\n";
}

bool checkGraphicalDisplay(int argc, char** argv) {
    if (!hasGraphicalDisplay(currentDisplayEnvironment(argc, argv))) {
        std::fputs(noDisplayMessage(), stderr);
        return false;
    }
    previousHandler = qInstallMessageHandler(guardPlatformStart);
    return true;
}

} // namespace corvane
