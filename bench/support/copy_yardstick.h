#pragma once
// The yardstick every drawing benchmark reports against: one copy of a
// full surface of the given size with plain QPainter.
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

inline void CopyFullSurface(benchmark::State& state, int width, int height)
{
    QImage source(width, height, QImage::Format_RGB32);
    source.fill(QColor(241, 247, 255));
    QImage target(width, height, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&target);
        p.drawImage(0, 0, source);
    }
}
