#include "platform.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

namespace corvane {

namespace {

class MachineServices final : public SystemServices {
  public:
    std::u16string Dir(const std::u16string& path) override {
        const QFileInfo file(QString::fromStdU16String(path));
        return file.isFile() ? file.fileName().toStdU16String() : std::u16string();
    }

    bool Shell(const std::u16string& program) override {
        // The program is started directly, never through a command line, so
        // no text read from the registry is interpreted as a command.
        return !program.empty() && QProcess::startDetached(QString::fromStdU16String(program), {});
    }
};

} // namespace

SystemServices& platformServices() {
    static MachineServices services;
    return services;
}

} // namespace corvane
