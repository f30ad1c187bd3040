// Times 船体剖面模数计算表 itself at the sizes a midship section reaches (and
// beyond): one cell typed into the table and everything that follows it (the
// row read again, the sums, the results pane, the working table and the
// drawing brought up to date and painted), on the offscreen platform.
//   ninja -C build girderwindow_bench && build/bench/girderwindow_bench

#include "forms.h"
#include "girderdrawingwidget.h"
#include "girderfile.h"
#include "girdermodel.h"
#include "girderwindow.h"
#include "runtime.h"

#include <QApplication>
#include <QTabWidget>
#include <QTableView>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace corvane;
using Clock = std::chrono::steady_clock;

GirderDocument document(std::size_t rows) {
    GirderDocument d;
    d.settings.depth = 18000;
    d.settings.half = true;
    d.settings.deduction = 1.5;
    for (std::size_t i = 0; i < rows; ++i) {
        GirderRowText r;
        const auto cell = [&r](GirderColumn c) -> std::string& {
            return r.cells[static_cast<std::size_t>(c)];
        };
        cell(GirderColumn::Name) = "member " + std::to_string(i);
        const std::string z = std::to_string((i % 120) * 100);
        const std::string y = std::to_string((i % 50) * 200);
        if (i % 3 == 2) {
            cell(GirderColumn::Kind) = "profile";
            cell(GirderColumn::Profile) = i % 2 ? "HP240x10" : "T400x12+150x16";
            cell(GirderColumn::Y1) = y;
            cell(GirderColumn::Z1) = z;
            cell(GirderColumn::Side) = "up";
        } else {
            cell(GirderColumn::Kind) = "plate";
            cell(GirderColumn::Y1) = y;
            cell(GirderColumn::Z1) = z;
            cell(GirderColumn::Y2) = std::to_string((i % 50) * 200 + 800);
            cell(GirderColumn::Z2) = z;
            cell(GirderColumn::T) = std::to_string(12 + i % 7);
        }
        d.rows.push_back(r);
    }
    return d;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initialiseRuntime();
    std::printf("rows     edit and results (ms, median of 21)   and the window repainted, "
                "drawing in front (ms)\n");
    for (const std::size_t rows : {100, 500, 2000, 10000}) {
        GirderWindow window;
        window.resize(1240, 760);
        window.show();
        window.model()->setDocument(document(rows));
        // The drawing's tab in front: the heavier of the two to repaint.
        window.findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(1);
        QApplication::processEvents();
        std::vector<double> edit;
        std::vector<double> painted;
        for (int i = 0; i < 21; ++i) {
            const QModelIndex cell = window.model()->index(static_cast<int>(rows / 2),
                                                           static_cast<int>(GirderColumn::T));
            const auto start = Clock::now();
            window.model()->setData(cell, QString::number(10 + i % 5));
            const auto edited = Clock::now();
            window.repaint();
            window.drawing()->repaint();
            const auto end = Clock::now();
            edit.push_back(std::chrono::duration<double, std::milli>(edited - start).count());
            painted.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
        std::sort(edit.begin(), edit.end());
        std::sort(painted.begin(), painted.end());
        std::printf("%6zu   %10.3f                        %10.3f\n", rows, edit[10], painted[10]);
    }
    return 0;
}
