// The connection list as the user waits for it: the model's work and the Qt window's, on Qt's
// offscreen platform. The load is the window's activation (the year read from the file and shown
// whole) until its table is painted; selecting all rows is the toolbar's action until the status
// bar's totals and the table are painted again.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QTreeView>

#include <functional>

#include "bench/list_on_machine.h"
#include "gui/connection_list_view.h"

namespace ruvo::bench {
namespace {

// The list window with its behaviour and its Qt view, shown, on a fake machine whose data
// folder holds the year.
class ListView {
public:
    explicit ListView(int records)
        : machine_(records),
          view_(machine_.window(), [](const std::function<void()>& action) { action(); }) {
        machine_.window().show();
        table_ = view_.findChild<QTreeView*>(QStringLiteral("ListView1"));
        QApplication::processEvents();
    }

    // Activates the window as the window system does, and paints what changed.
    void activate() {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(&view_, &activation);
        paint();
    }
    void paint() {
        QApplication::processEvents();
        if (table_ != nullptr) {
            table_->viewport()->repaint();
        }
    }

    ConnectionListWindow& window() { return machine_.window(); }
    ConnectionList& list() { return machine_.list(); }
    int shownRows() const { return table_ == nullptr ? -1 : table_->model()->rowCount(); }

private:
    ListOnMachine machine_;
    gui::ConnectionListView view_;
    QTreeView* table_ = nullptr;
};

void ConnectionListViewLoad(benchmark::State& state) {
    ListView view(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        view.activate();
    }
    if (view.shownRows() != static_cast<int>(view.list().yearRows().size()) ||
        view.list().yearRows().empty()) {
        state.SkipWithError("the table does not show the whole year");
    }
    state.SetComplexityN(state.range(0));
    if (state.range(0) == 10000) {
        state.counters["budget_ms"] = 50;
    }
}
BENCHMARK(ConnectionListViewLoad)->Apply(YearSizes)->Unit(benchmark::kMillisecond);

void ConnectionListViewSelectAll(benchmark::State& state) {
    ListView view(static_cast<int>(state.range(0)));
    view.activate();
    for (auto _ : state) {
        state.PauseTiming();
        view.window().connectionTable.clearSelection();
        view.paint();
        state.ResumeTiming();
        view.window().selectAllItem.click();
        view.paint();
    }
    if (view.window().connectionTable.selectedCount() != view.list().yearRows().size()) {
        state.SkipWithError("not every row is selected");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ConnectionListViewSelectAll)->Apply(YearSizes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruvo::bench

// Benchmark's own main, with the QApplication the views need made first.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
