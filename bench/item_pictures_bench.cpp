// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Building item pictures: what the bar does for every stored item at start-up
// and after a settings change. Reports the time per item and the process's
// peak resident memory.

#include "core/ItemPicture.h"
#include "platform/icons/FileIcons.h"

#include <QApplication>
#include <QStringList>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

const QStringList& thirtySources()
{
    static const QStringList sources = [] {
        const QStringList kinds = {QStringLiteral("/usr/bin"),      QStringLiteral("/bin/sh"),
                                   QStringLiteral("/etc/hostname"), QStringLiteral("My Computer"),
                                   QStringLiteral("sep"),           QStringLiteral("Recycle Bin"),
                                   QStringLiteral("/usr/share"),    QStringLiteral("Desktop Folder"),
                                   QStringLiteral("/bin/ls"),       QStringLiteral("group")};
        QStringList all;
        for (int i = 0; i < 30; ++i)
            all << kinds[i % kinds.size()];
        return all;
    }();
    return sources;
}

void buildThirty(benchmark::State& state)
{
    for (auto _ : state) {
        for (const QString& source : thirtySources())
            benchmark::DoNotOptimize(ItemPicture::build(source, true, 0xFF00FF, 1.0));
    }
    state.SetItemsProcessed(state.iterations() * 30);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = double(usage.ru_maxrss) / 1024.0;
}

// The first build in a fresh process, as at start-up: the icon theme's
// indexes, the MIME database and the icons themselves are read from disk.
void BuildThirtyItemPicturesFirstTime(benchmark::State& state) { buildThirty(state); }
BENCHMARK(BuildThirtyItemPicturesFirstTime)->Iterations(1)->Unit(benchmark::kMillisecond);

// Later builds, as after a settings change: the icons come from Qt's caches.
void BuildThirtyItemPictures(benchmark::State& state) { buildThirty(state); }
BENCHMARK(BuildThirtyItemPictures)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::setupIconTheme();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
