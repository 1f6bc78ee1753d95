#include "ui/controls/CGridEx.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kRows = 10000;

void AddColumns(CGridEx& grid) {
    grid.InsertColumn(0, "Item");
    grid.InsertColumn(1, "Qty", Qt::AlignRight);
    grid.InsertColumn(2, "Aisle");
}

void Fill(CGridEx& grid, int rows) {
    std::mt19937 random(7);
    for (int row = 0; row < rows; ++row) {
        const int inserted = grid.InsertRow(grid.GetRowCount(), QString("Item %1").arg(random() % 100000));
        grid.SetCellText(inserted, 1, QString::number(random() % 1000));
        grid.SetCellText(inserted, 2, QString("Aisle %1").arg(random() % 40));
    }
}

void FillRows(benchmark::State& state) {
    for (auto _ : state) {
        CGridEx grid;
        AddColumns(grid);
        grid.SetPlaceholderRow(true);
        Fill(grid, kRows);
        benchmark::DoNotOptimize(grid.GetRowCount());
    }
}
BENCHMARK(FillRows)->Unit(benchmark::kMillisecond);

void SortRows(benchmark::State& state) {
    const bool numeric = state.range(0) != 0;
    CGridEx grid;
    AddColumns(grid);
    Fill(grid, kRows);
    grid.SelectRow(100, true);
    bool ascending = true;
    for (auto _ : state) {
        grid.Sort(numeric ? 1 : 0, ascending, numeric);
        ascending = !ascending;
    }
}
BENCHMARK(SortRows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void ScrollAndPaint(benchmark::State& state) {
    CGridEx grid;
    AddColumns(grid);
    Fill(grid, kRows);
    grid.resize(600, 800);
    grid.show();
    QScrollBar* bar = grid.verticalScrollBar();
    int position = 0;
    for (auto _ : state) {
        position = (position + bar->pageStep()) % (bar->maximum() + 1);
        bar->setValue(position);
        benchmark::DoNotOptimize(grid.viewport()->grab());
    }
}
BENCHMARK(ScrollAndPaint)->Unit(benchmark::kMillisecond);

} // namespace
