#pragma once

// The write-whole-or-nothing step as a QIODevice, for what Qt writes through
// a device (QPdfWriter, QSvgGenerator). It writes unbuffered and remembers
// the first failed write, so a painter that does not check its writes cannot
// make a short file look complete: commit() refuses it.

#include "wholefile.h"

#include <QIODevice>
#include <QString>

namespace corvane {

class WholeFileDevice : public QIODevice {
  public:
    explicit WholeFileDevice(const QString& path) : path_(path) {}
    ~WholeFileDevice() override;

    // Opens for writing; false with reason() set when it cannot be.
    bool open();
    // Replaces the path with everything written; false with reason() set,
    // the path then as it was.
    bool commit();
    // Drops everything written.
    void cancel();

    // Why the last step failed, in plain words for a message.
    QString reason() const { return reason_; }
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

  private:
    bool failed();

    QString path_;
    WholeFile file_;
    QString reason_;
};

} // namespace corvane
