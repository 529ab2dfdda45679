#pragma once

#include <QtGlobal>

// How much a layout may ask of the program. A layout is a file the unit may
// edit, or that anyone may leave in the unit folder, so nothing in it may
// make printing take the machine's memory or hang: each limit below is far
// above what a roster or remarks layout needs, and far below what would hurt.
namespace calendrix::ReportLimits {

// The shipped layouts are about 3 KB; the text is held several times over
// while it is checked and compiled.
constexpr qint64 kMaxLayoutBytes = 1 << 20;

// The Mustache library keeps a copy of each section's text per level of
// nesting, so deep nesting costs depth times size; the shipped layouts nest
// four deep.
constexpr int kMaxSectionDepth = 64;

// Laying out a table inside a table doubles the time per level (20 levels
// take seconds, 64 would not finish); the shipped layouts use one.
constexpr int kMaxTableDepth = 8;

// One section's page as filled in (a duty of the largest example unit is a
// few MB): bounds a layout that repeats a list inside itself.
constexpr qint64 kMaxFilledInBytes = 64 << 20;

// An image or style sheet that a layout draws on: a unit badge, not a photograph.
constexpr qint64 kMaxResourceBytes = 4 << 20;
// Pixels of one decoded image (a 4 MB file can unpack into gigabytes).
constexpr qint64 kMaxImagePixels = 25'000'000;

} // namespace calendrix::ReportLimits
