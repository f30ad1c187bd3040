#include "wholefiledevice.h"

#include "language.h"

#include <cstring>
#include <string_view>

namespace corvane {

WholeFileDevice::~WholeFileDevice() {
    cancel();
}

bool WholeFileDevice::failed() {
    // The reason in the program's language: the short Chinese wording, or the
    // C library's own text, which is English outside a translated locale.
    reason_ = currentLanguage() == Language::English
                  ? QString::fromLocal8Bit(std::strerror(file_.error()))
                  : QString::fromStdString(reasonInChinese(file_.error()));
    setErrorString(reason_);
    return false;
}

bool WholeFileDevice::open() {
    if (!file_.open(path_.toStdString())) {
        return failed();
    }
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 WholeFileDevice::readData(char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

qint64 WholeFileDevice::writeData(const char* data, qint64 size) {
    if (!file_.write(std::string_view(data, static_cast<std::size_t>(size)))) {
        failed();
        return -1;
    }
    return size;
}

bool WholeFileDevice::commit() {
    QIODevice::close();
    if (!file_.commit()) {
        return failed();
    }
    return true;
}

void WholeFileDevice::cancel() {
    if (isOpen()) {
        QIODevice::close();
    }
    file_.discard();
}

} // namespace corvane
